#include "tests/game/GameProcess.h"

#include "platform/PngCodec.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <spawn.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

GameProcess::GameProcess(const std::string& name) : mFolder(std::filesystem::current_path() / name)
{
    std::filesystem::remove_all(mFolder);
    std::filesystem::create_directories(mFolder);
}

std::string GameProcess::SampleData()
{
    return std::filesystem::path(WF_GAME_BINARY).parent_path().string();
}

std::vector<std::string> GameProcess::Headless(const std::vector<std::string>& more) const
{
    std::vector<std::string> options = {
        "--headless", "--fixed-step", "--windowed", "--save-dir", (mFolder / "saves").string(),
        "--data",     SampleData()};
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

std::vector<std::string> GameProcess::WindowedWithSaves(const std::filesystem::path& saves,
                                                        const std::vector<std::string>& more)
{
    std::vector<std::string> options = {"--headless",   "--fixed-step", "--windowed", "--save-dir",
                                        saves.string(), "--data",       SampleData()};
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

pid_t GameProcess::Start(const std::vector<std::string>& options) const
{
    std::vector<std::string> arguments = {WF_GAME_BINARY};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
    {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, mFolder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = -1;
    if (posix_spawn(&child, WF_GAME_BINARY, &actions, nullptr, argv.data(), environ) != 0)
    {
        child = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

GameProcess::Ending GameProcess::Wait(pid_t child, int secondsAllowed)
{
    Ending ending;
    ending.secondsAllowed = secondsAllowed;
    if (child <= 0)
    {
        return ending;
    }
    // Only a hung run is ever cut short here: the game's own frame count ends every run that works.
    const auto started = std::chrono::steady_clock::now();
    const auto deadline = started + std::chrono::seconds(secondsAllowed);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, WNOHANG, &usage) == 0)
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            ending.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ending.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ending.processorSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    if (ending.timedOut)
    {
        return ending;
    }
    ending.exited = WIFEXITED(status);
    ending.code = ending.exited ? WEXITSTATUS(status) : -1;
    ending.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return ending;
}

GameProcess::Ending GameProcess::Finish(pid_t child, const std::vector<std::string>& options,
                                        int secondsAllowed) const
{
    Ending ending = Wait(child, secondsAllowed);
    std::string account = "the game in " + mFolder.string() + " with";
    for (const std::string& option : options)
    {
        account += " " + option;
    }
    if (child <= 0)
    {
        account += " (it could not be started)";
    }
    // The end of what it said: a sanitizer's report or the game's own complaint.
    std::string errors = ReadFile("err.txt");
    constexpr std::size_t kErrorTail = 4000;
    if (errors.size() > kErrorTail)
    {
        errors = "..." + errors.substr(errors.size() - kErrorTail);
    }
    if (!errors.empty())
    {
        account += "\nits err.txt:\n" + errors;
    }
    ending.account = account;
    return ending;
}

GameProcess::Ending GameProcess::Run(const std::vector<std::string>& options, int secondsAllowed) const
{
    return Finish(Start(options), options, secondsAllowed);
}

std::string GameProcess::Ending::Describe() const
{
    std::ostringstream text;
    if (timedOut)
    {
        // Little processor time in all that while is a hang; much is a machine too busy to run it.
        text << "still running after " << secondsAllowed << " s (" << static_cast<int>(processorSeconds)
             << " s of processor time) and killed: the frame count given with --frames should have ended it";
    }
    else if (exited)
    {
        text << "exited with " << code << " after " << static_cast<int>(seconds) << " s";
    }
    else if (signal != 0)
    {
        text << "killed by signal " << signal << " (" << strsignal(signal) << ") after "
             << static_cast<int>(seconds) << " s";
    }
    else
    {
        text << "never started";
    }
    return text.str();
}

testing::AssertionResult GameProcess::Ending::ExitedWith(int expected) const
{
    if (exited && code == expected)
    {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "expected an exit with " << expected << ", but the run "
                                       << Describe() << (account.empty() ? "" : ": ") << account;
}

std::string GameProcess::ReadFile(const std::string& name) const
{
    std::ifstream file(mFolder / name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void GameProcess::WriteFile(const std::string& name, const std::string& text) const
{
    std::ofstream(mFolder / name, std::ios::binary) << text;
}

Platform::Image GameProcess::Picture(const std::string& name) const
{
    const std::string bytes = ReadFile(name);
    Platform::Image picture;
    EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           picture))
        << (mFolder / name).string();
    return picture;
}

std::string GameProcess::SaveDump(const std::filesystem::path& file, const std::string& data)
{
    std::string command = "'" + std::string(WF_SAVEDUMP_BINARY) + "'";
    if (!data.empty())
    {
        command += " --data '" + data + "'";
    }
    command += " '" + file.string() + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof(buffer), pipe.get()) != nullptr)
    {
        text += buffer;
    }
    return text;
}
