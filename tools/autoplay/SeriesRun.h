#pragma once

#include "tools/autoplay/AutoplayOptions.h"
#include "tools/autoplay/LevelRun.h"

#include <vector>

// The levels asked for, each in a process of its own (several side by side), their results printed
// in level order as they come in, and the exit code: 0 when every level was won (and, with --check,
// passes), 1 otherwise.
class SeriesRun
{
public:
    explicit SeriesRun(const AutoplayOptions& options) : mOptions(options) {}

    int Run();

private:
    std::string WorkFolderOf(std::int32_t level) const;
    // Plays one level in a child process; its result comes back as a CSV line on a pipe.
    bool Start(std::int32_t level);
    bool CollectOne();
    void Print(const LevelResult& result);
    void PrintPending();

    AutoplayOptions mOptions;
    std::string mWork;
    struct Child
    {
        int pid = 0;
        int pipe = -1;
        std::int32_t level = 0;
    };
    std::vector<Child> mChildren;
    std::vector<LevelResult> mResults;
    std::size_t mPrinted = 0;
    bool mFirstJson = true;
};
