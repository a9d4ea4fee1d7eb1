#pragma once

#include "platform/Image.h"

#include <filesystem>
#include <gtest/gtest.h>
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
        int secondsAllowed = 0;
        double seconds = 0.0; // how long it ran, as the wall clock measured it (for the messages only)
        double processorSeconds = 0.0; // the processor time it used (little, in a long run, is a hang)
        std::string account; // what ran and what it last said on its error output, for a failure's message

        // Success, or a failure that says how the run ended instead, what it was waiting for and where.
        testing::AssertionResult ExitedWith(int expected) const;
        // "exited with 0 after 20 s", "killed by signal 11 (...)", "still running after 1200 s (...)", ...
        std::string Describe() const;
    };

    // A fresh run folder below the test's working folder.
    explicit GameProcess(const std::string& name = "game");

    // The build's sample data folder (the one that holds "media" and "config.cfg").
    static std::string SampleData();

    // The usual headless options: fixed step, a window of the game's 1024 x 768 screen, the run folder's
    // "saves", the sample data; then more. A test of the scaled full-screen mapping adds "--fullscreen"
    // (the last of the two wins); the headless desktop's 1920 x 1080 costs 2.6 times the pixels a frame.
    std::vector<std::string> Headless(const std::vector<std::string>& more = {}) const;
    // The same in a window the size of the game's screen, with the player's files in that folder.
    static std::vector<std::string> WindowedWithSaves(const std::filesystem::path& saves,
                                                      const std::vector<std::string>& more = {});

    // Starts the game with these options and returns its process id; Wait gives how it ended. Every run
    // is --fixed-step, so what it does never depends on the machine's speed; the time allowed only ends
    // a hung run. The longest play-through needs about 100 s of processor time in the sanitized build,
    // and a machine shared by several test suites and builds (a load of 60 on 8 cores) gives it an
    // eighth of a core: the limit leaves room for that, and stays below the test's own limit, so that
    // the test, not CTest, says which run hung. A run that outlives it is killed and counts as timed out.
    pid_t Start(const std::vector<std::string>& options) const;
    static constexpr int kSecondsAllowed = 1200;
    static Ending Wait(pid_t child, int secondsAllowed = kSecondsAllowed);
    // Wait, with the run's options and the end of its error output in the ending's account.
    Ending Finish(pid_t child, const std::vector<std::string>& options,
                  int secondsAllowed = kSecondsAllowed) const;
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
