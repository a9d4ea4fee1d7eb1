#pragma once

#include "platform/Image.h"

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// The real game binary, started in a folder of the test's own (where it writes its log, reports and
// screenshots), with its standard output and error kept in "out.txt" and "err.txt" there.
class GameProcess
{
public:
    // How a run ended.
    struct Ending
    {
        bool exited = false;
        int code = -1;  // the exit code, when it exited
        int signal = 0; // the signal that ended it, when one did
        bool timedOut = false;

        bool ExitedWith(int expected) const { return exited && code == expected; }
    };

    // A fresh run folder below the test's working folder.
    explicit GameProcess(const std::string& name = "game");

    // The build's sample data folder (the one that holds "media" and "config.cfg").
    static std::string SampleData();

    // The usual headless options: fixed step, the run folder's "saves", the sample data; then more.
    std::vector<std::string> Headless(const std::vector<std::string>& more = {}) const;
    // The same in a window the size of the game's screen, with the player's files in that folder.
    static std::vector<std::string> WindowedWithSaves(const std::filesystem::path& saves,
                                                      const std::vector<std::string>& more = {});

    // Starts the game with these options and returns its process id; Wait gives how it ended (a run
    // that outlives the time allowed is killed and counts as timed out). The sanitized game's longest
    // play-throughs take two minutes on a machine busy with the rest of the suite, so the default
    // leaves room for that; a hang still ends well within the test's own limit.
    pid_t Start(const std::vector<std::string>& options) const;
    static constexpr int kSecondsAllowed = 360;
    static Ending Wait(pid_t child, int secondsAllowed = kSecondsAllowed);
    Ending Run(const std::vector<std::string>& options, int secondsAllowed = kSecondsAllowed) const;

    const std::filesystem::path& Folder() const { return mFolder; }
    std::filesystem::path PathOf(const std::string& name) const { return mFolder / name; }
    std::string ReadFile(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& text) const;
    // A picture the run wrote (a screenshot), decoded; a test failure when it cannot be read.
    Platform::Image Picture(const std::string& name) const;

    // What the save checker prints for a player's file, standard output and error together; a level
    // save is read against the levels of the data folder, when one is given.
    static std::string SaveDump(const std::filesystem::path& file, const std::string& data = {});

private:
    std::filesystem::path mFolder;
};
