#include "tools/autoplay/SeriesRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

int DefaultProcesses()
{
    const unsigned processors = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(processors, 1u, 8u));
}

std::string ReadAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (;;)
    {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
        {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

} // namespace

std::string SeriesRun::WorkFolderOf(std::int32_t level) const
{
    char name[32];
    std::snprintf(name, sizeof name, "level%02d", level);
    return (std::filesystem::path(mWork) / name).string();
}

bool SeriesRun::Start(std::int32_t level)
{
    int fds[2];
    if (::pipe(fds) != 0)
    {
        return false;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid < 0)
    {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (pid == 0)
    {
        ::close(fds[0]);
        const LevelResult result = PlayLevel(level, mOptions, WorkFolderOf(level));
        const std::string line = result.Csv() + "\n";
        const ssize_t written = ::write(fds[1], line.data(), line.size());
        ::close(fds[1]);
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(written == static_cast<ssize_t>(line.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    mChildren.push_back({pid, fds[0], level});
    return true;
}

bool SeriesRun::CollectOne()
{
    int status = 0;
    const pid_t pid = ::wait(&status);
    if (pid < 0)
    {
        return false;
    }
    const auto child =
        std::find_if(mChildren.begin(), mChildren.end(), [pid](const Child& c) { return c.pid == pid; });
    if (child == mChildren.end())
    {
        return true;
    }
    const std::string text = ReadAll(child->pipe);
    ::close(child->pipe);
    LevelResult result;
    if (!LevelResult::FromCsv(text.substr(0, text.find('\n')), result))
    {
        result.level = child->level;
        result.outcome.won = false;
        const std::filesystem::path report = std::filesystem::path(WorkFolderOf(child->level)) / "Assert.txt";
        result.outcome.reason =
            std::filesystem::exists(report) ? ReportReason(report.string())
            : WIFSIGNALED(status) ? "the player's process died of signal " + std::to_string(WTERMSIG(status))
                                  : "the player's process ended without a result";
    }
    mResults.push_back(result);
    mChildren.erase(child);
    PrintPending();
    return true;
}

void SeriesRun::Print(const LevelResult& result)
{
    std::string why;
    const bool passes = result.Passes(why);
    switch (mOptions.format)
    {
    case AutoplayOptions::Format::Csv:
        std::printf("%s\n", result.Csv().c_str());
        break;
    case AutoplayOptions::Format::Json:
        std::printf("%s\n  %s", mFirstJson ? "" : ",", result.Json().c_str());
        mFirstJson = false;
        break;
    case AutoplayOptions::Format::Text:
        std::printf("%s%s\n", result.Text().c_str(),
                    mOptions.check && !passes && result.outcome.won ? ("  FAILS: " + why).c_str() : "");
        break;
    }
    std::fflush(stdout);
}

// The results in the order of the levels asked for, each as soon as those before it are in.
void SeriesRun::PrintPending()
{
    while (mPrinted < mOptions.levels.size())
    {
        const std::int32_t level = mOptions.levels[mPrinted];
        const auto found = std::find_if(mResults.begin(), mResults.end(),
                                        [level](const LevelResult& r) { return r.level == level; });
        if (found == mResults.end())
        {
            return;
        }
        Print(*found);
        ++mPrinted;
    }
}

int SeriesRun::Run()
{
    const bool ownWork = mOptions.workFolder.empty();
    if (ownWork)
    {
        char pattern[] = "/tmp/wf_autoplay.XXXXXX";
        const char* made = ::mkdtemp(pattern);
        if (made == nullptr)
        {
            std::fprintf(stderr, "wf_autoplay: cannot make a work folder under /tmp\n");
            return 2;
        }
        mWork = made;
    }
    else
    {
        mWork = mOptions.workFolder;
        std::filesystem::create_directories(mWork);
    }
    if (mOptions.format == AutoplayOptions::Format::Csv)
    {
        std::printf("%s\n", LevelResult::CsvHeader());
    }
    if (mOptions.format == AutoplayOptions::Format::Json)
    {
        std::printf("[");
    }
    if (mOptions.levels.size() == 1)
    {
        // One level plays in this process, so that a debugger or a trace follows it directly.
        const LevelResult result =
            PlayLevel(mOptions.levels.front(), mOptions, WorkFolderOf(mOptions.levels.front()));
        mResults.push_back(result);
        PrintPending();
    }
    else
    {
        const std::size_t processes =
            static_cast<std::size_t>(mOptions.processes > 0 ? mOptions.processes : DefaultProcesses());
        for (const std::int32_t level : mOptions.levels)
        {
            while (mChildren.size() >= processes && CollectOne())
            {
            }
            if (!Start(level))
            {
                std::fprintf(stderr, "wf_autoplay: cannot start a process for level %d\n", level);
                return 2;
            }
        }
        while (!mChildren.empty() && CollectOne())
        {
        }
    }
    if (mOptions.format == AutoplayOptions::Format::Json)
    {
        std::printf("\n]\n");
    }
    int won = 0;
    int passed = 0;
    for (const LevelResult& result : mResults)
    {
        std::string why;
        won += result.outcome.won ? 1 : 0;
        passed += result.Passes(why) ? 1 : 0;
    }
    if (mOptions.format == AutoplayOptions::Format::Text && mResults.size() > 1)
    {
        std::printf("%d of %zu levels won%s\n", won, mResults.size(),
                    mOptions.check ? (", " + std::to_string(passed) + " pass the check").c_str() : "");
    }
    if (ownWork && !mOptions.keep)
    {
        std::error_code ignored;
        std::filesystem::remove_all(mWork, ignored);
    }
    else
    {
        std::fprintf(stderr, "wf_autoplay: the levels' save folders and logs are in %s\n", mWork.c_str());
    }
    const bool allWon = won == static_cast<int>(mResults.size());
    const bool allPass = passed == static_cast<int>(mResults.size());
    return (mOptions.check ? allPass : allWon) ? 0 : 1;
}
