#include "tests/game/GameProcess.h"
#include "tools/autoplay/AutoplayOptions.h"
#include "tools/autoplay/LevelResult.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The automatic player: it plays a level of the real game through the scripted input, the same level
// the same way whether the level's frames are drawn or not, and the events it played, given to the
// game itself with --input, leave the very same save files.

namespace
{

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A started wf_autoplay: its standard output is read from the pipe, its errors go to a file.
struct StartedRun
{
    FILE* pipe = nullptr;
    std::filesystem::path errors;
};

// Starts wf_autoplay with the arguments; its standard output is read by Output.
StartedRun StartAutoplay(const std::string& arguments)
{
    static int runs = 0;
    StartedRun run;
    run.errors = std::filesystem::temp_directory_path() /
                 ("wf_autoplay_errors_" + std::to_string(::getpid()) + "_" + std::to_string(++runs) + ".txt");
    const std::string command = std::string(WF_AUTOPLAY_BINARY) + " --data " + GameProcess::SampleData() +
                                " " + arguments + " 2>" + run.errors.string();
    run.pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(run.pipe, nullptr) << command;
    return run;
}

// What a started wf_autoplay printed, once it has ended. A crash or a refusal of its arguments fails
// the test with what it said on its error output (a lost level is an answer, not a failure).
std::string Output(const StartedRun& run)
{
    std::string out;
    if (run.pipe != nullptr)
    {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, run.pipe) != nullptr)
        {
            out += buffer;
        }
        const int status = ::pclose(run.pipe);
        const bool answered = status != -1 && WIFEXITED(status) && WEXITSTATUS(status) <= 1;
        EXPECT_TRUE(answered) << "wf_autoplay ended with status " << status << "; it said:\n"
                              << ReadText(run.errors) << "\nand printed:\n"
                              << out;
    }
    std::error_code ignored;
    std::filesystem::remove(run.errors, ignored);
    return out;
}

// Runs wf_autoplay with the arguments; its standard output.
std::string Autoplay(const std::string& arguments)
{
    return Output(StartAutoplay(arguments));
}

// The result of one level from the CSV the player printed.
LevelResult ResultOf(const std::string& csv)
{
    LevelResult result;
    const std::size_t line = csv.find('\n');
    EXPECT_NE(line, std::string::npos) << csv;
    const std::string row = line == std::string::npos ? std::string() : csv.substr(line + 1);
    EXPECT_TRUE(LevelResult::FromCsv(row.substr(0, row.find('\n')), result)) << csv;
    return result;
}

// The player's files in a save folder (the game's lock file aside).
std::vector<std::string> SaveFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
    {
        if (entry.path().extension() == ".dat")
        {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class AutoplayScenario : public testing::Test
{
protected:
    AutoplayScenario() : mRun("autoplay") {}

    std::filesystem::path Work(const std::string& name) const { return mRun.PathOf(name); }

    GameProcess mRun;
};

} // namespace

// Level 1 played with its frames drawn and without: the same win in the same frame, the same events
// and the same files of the player afterwards.
TEST_F(AutoplayScenario, TheLevelPlaysTheSameDrawnAndUndrawn)
{
    // Both at once: they share nothing but the sample data they read.
    const StartedRun undrawnRun = StartAutoplay("--level 1 --csv --keep --work " + Work("undrawn").string() +
                                                " --script " + Work("undrawn.txt").string());
    const StartedRun drawnRun =
        StartAutoplay("--level 1 --csv --keep --draw --work " + Work("drawn").string() + " --script " +
                      Work("drawn.txt").string());
    const LevelResult undrawn = ResultOf(Output(undrawnRun));
    const LevelResult drawn = ResultOf(Output(drawnRun));
    ASSERT_TRUE(undrawn.outcome.won) << undrawn.outcome.reason;
    EXPECT_GT(undrawn.outcome.winFrame, 0u);
    EXPECT_EQ(drawn.outcome.winFrame, undrawn.outcome.winFrame);
    EXPECT_EQ(drawn.outcome.clock, undrawn.outcome.clock);
    EXPECT_EQ(drawn.outcome.money, undrawn.outcome.money);
    EXPECT_EQ(drawn.frames, undrawn.frames);
    EXPECT_EQ(ReadText(Work("drawn.txt")), ReadText(Work("undrawn.txt")));
    const std::filesystem::path drawnSaves = Work("drawn") / "level01" / "saves";
    const std::filesystem::path undrawnSaves = Work("undrawn") / "level01" / "saves";
    ASSERT_EQ(SaveFiles(drawnSaves), SaveFiles(undrawnSaves));
    for (const std::string& name : SaveFiles(undrawnSaves))
    {
        EXPECT_EQ(ReadText(drawnSaves / name), ReadText(undrawnSaves / name)) << name;
    }
}

// The player acts only through the scripted input: the events it played, given to the game with
// --input from the same starting files, win the level and leave the same files.
TEST_F(AutoplayScenario, ItsEventsReplayedByTheGameLeaveTheSameFiles)
{
    const LevelResult played = ResultOf(Autoplay("--level 1 --csv --keep --work " + Work("played").string() +
                                                 " --script " + Work("played.txt").string()));
    ASSERT_TRUE(played.outcome.won) << played.outcome.reason;
    const std::filesystem::path level = Work("played") / "level01";
    std::filesystem::copy(level / "start-saves", Work("replay-saves"),
                          std::filesystem::copy_options::recursive);
    GameProcess replay("replay");
    const GameProcess::Ending ending = replay.Run(
        GameProcess::WindowedWithSaves(Work("replay-saves"), {"--input", Work("played.txt").string(),
                                                              "--frames", std::to_string(played.frames)}));
    ASSERT_TRUE(ending.ExitedWith(0)) << replay.ReadFile("err.txt");
    ASSERT_EQ(SaveFiles(Work("replay-saves")), SaveFiles(level / "saves"));
    for (const std::string& name : SaveFiles(level / "saves"))
    {
        EXPECT_EQ(ReadText(Work("replay-saves") / name), ReadText(level / "saves" / name)) << name;
    }
    EXPECT_NE(GameProcess::SaveDump(Work("replay-saves") / "Save0_5.dat").find("highest level"),
              std::string::npos);
}

// The series check: lost levels, levels won after their silver time and gold times outside 1.0 to 1.6
// times the winning clock fail it; the edges pass.
TEST(AutoplayCheck, PassesOnlyWinsWithinSilverAndGoldCloseToTheClock)
{
    struct Case
    {
        bool won;
        int cup;
        float clock;
        std::uint32_t gold;
        bool passes;
    };
    const Case cases[] = {
        {true, 2, 100.0f, 100, true},   {true, 2, 100.0f, 160, true},  {true, 1, 100.0f, 130, true},
        {true, 2, 100.0f, 99, false},   {true, 2, 100.0f, 161, false}, {true, 0, 100.0f, 120, false},
        {false, 0, 100.0f, 120, false},
    };
    for (const Case& c : cases)
    {
        LevelResult result;
        result.level = 5;
        result.outcome.won = c.won;
        result.outcome.cup = c.cup;
        result.outcome.clock = c.clock;
        result.outcome.goldSeconds = c.gold;
        result.outcome.silverSeconds = c.gold * 3 / 2;
        result.outcome.reason = c.won ? "" : "not won";
        std::string why;
        EXPECT_EQ(result.Passes(why), c.passes) << c.clock << " " << c.gold << " " << c.cup << ": " << why;
        EXPECT_EQ(why.empty(), c.passes);
    }
}

// A result survives its trip through the CSV line the parallel runs hand over.
TEST(AutoplayCheck, AResultReadsBackFromItsCsvLine)
{
    LevelResult result;
    result.level = 12;
    result.outcome = {
        false, "a click on the middle of the well, reaches the storehouse", 83.25f, 1, 410, 300, 450, 9876};
    result.bankBefore = 1234;
    result.shortAtLevel = 4;
    result.frames = 12000;
    LevelResult back;
    ASSERT_TRUE(LevelResult::FromCsv(result.Csv(), back));
    EXPECT_EQ(back.level, 12);
    EXPECT_FALSE(back.outcome.won);
    EXPECT_EQ(back.outcome.reason, "a click on the middle of the well  reaches the storehouse");
    EXPECT_FLOAT_EQ(back.outcome.clock, 83.25f);
    EXPECT_EQ(back.outcome.cup, 1);
    EXPECT_EQ(back.outcome.money, 410);
    EXPECT_EQ(back.outcome.goldSeconds, 300u);
    EXPECT_EQ(back.outcome.silverSeconds, 450u);
    EXPECT_EQ(back.outcome.winFrame, 9876u);
    EXPECT_EQ(back.bankBefore, 1234);
    EXPECT_EQ(back.shortAtLevel, 4);
    EXPECT_EQ(back.frames, 12000u);
    EXPECT_FALSE(LevelResult::FromCsv("12,won,,1.0", back));
}

TEST(AutoplayCheck, LevelListsAreReadInOrderEachLevelOnce)
{
    struct Case
    {
        const char* text;
        std::vector<std::int32_t> levels; // empty: refused
    };
    const Case cases[] = {
        {"7", {7}},        {"1-3", {1, 2, 3}},  {"3,5,9-10", {3, 5, 9, 10}},
        {"2-3,2", {2, 3}}, {"66-67", {66, 67}}, {"0", {}},
        {"68", {}},        {"3-2", {}},         {"a", {}},
        {"", {}},          {"1,,2", {}},        {"1-", {}},
    };
    for (const Case& c : cases)
    {
        std::vector<std::int32_t> levels;
        const bool read = AutoplayOptions::ParseLevels(c.text, levels);
        EXPECT_EQ(read, !c.levels.empty()) << c.text;
        if (read)
        {
            EXPECT_EQ(levels, c.levels) << c.text;
        }
    }
}
