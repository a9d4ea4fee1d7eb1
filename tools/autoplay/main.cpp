#include "tools/autoplay/AutoplayOptions.h"
#include "tools/autoplay/LevelRun.h"
#include "tools/autoplay/SeriesRun.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

// The build folder: the tool lives in its "tools" folder, next to "media" and "config.cfg".
std::string DefaultDataFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", error);
    if (error)
    {
        return ".";
    }
    for (const std::filesystem::path& folder : {exe.parent_path(), exe.parent_path().parent_path()})
    {
        if (std::filesystem::exists(folder / "media") && std::filesystem::exists(folder / "config.cfg"))
        {
            return folder.string();
        }
    }
    return exe.parent_path().string();
}

std::string Absolute(const std::string& path)
{
    return path.empty() ? path : std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    std::optional<AutoplayOptions> options = AutoplayOptions::Parse(arguments, error);
    if (!options)
    {
        std::fprintf(stderr, "wf_autoplay: %s\n%s", error.c_str(), AutoplayOptions::Usage());
        return 2;
    }
    if (options->help)
    {
        std::fputs(AutoplayOptions::Usage(), stdout);
        return 0;
    }
    // Each level runs in a folder of its own: every path given is taken from where the tool started.
    options->dataFolder = Absolute(options->dataFolder.empty() ? DefaultDataFolder() : options->dataFolder);
    options->workFolder = Absolute(options->workFolder);
    options->scriptFile = Absolute(options->scriptFile);
    for (std::string& shot : options->screenshots)
    {
        const std::size_t colon = shot.find(':');
        if (colon != std::string::npos)
        {
            shot = shot.substr(0, colon + 1) + Absolute(shot.substr(colon + 1));
        }
    }
    if (!std::filesystem::exists(std::filesystem::path(options->dataFolder) / "media"))
    {
        std::fprintf(stderr,
                     "wf_autoplay: no game data in '%s' (build the target sample_data, or give --data)\n",
                     options->dataFolder.c_str());
        return 2;
    }
    if (options->road)
    {
        const bool ownWork = options->workFolder.empty();
        const std::filesystem::path work = ownWork ? std::filesystem::temp_directory_path() /
                                                         ("wf_autoplay_road." + std::to_string(::getpid()))
                                                   : std::filesystem::path(options->workFolder);
        // The road plays in a child process: an error report's Cancel ends the game's process at once,
        // and this one is left to say so.
        std::fflush(stdout);
        const pid_t child = ::fork();
        if (child == 0)
        {
            const int code = PlayRoad(*options, work.string());
            std::fflush(stdout);
            std::fflush(stderr);
            ::_exit(code);
        }
        int status = 0;
        if (child < 0 || ::waitpid(child, &status, 0) != child)
        {
            std::fprintf(stderr, "wf_autoplay: cannot start the road's process\n");
            return 2;
        }
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        if (code > 1)
        {
            const std::filesystem::path report = work / "Assert.txt";
            std::printf("road: FAILED: %s (exit code %d)\n",
                        std::filesystem::exists(report) ? ReportReason(report.string()).c_str()
                                                        : "the game's process ended abruptly",
                        code);
        }
        if (ownWork && !options->keep && code == 0)
        {
            std::error_code ignored;
            std::filesystem::remove_all(work, ignored);
        }
        else
        {
            std::fprintf(stderr, "wf_autoplay: the road's save folder and log are in %s\n", work.c_str());
        }
        return code == 0 ? 0 : 1;
    }
    return SeriesRun(*options).Run();
}
