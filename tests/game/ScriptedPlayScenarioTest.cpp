#include "platform/Image.h"
#include "tests/game/GameProcess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{

// Runs the game headless on the build's sample data with a script of input, in a folder of its own.
class ScriptedPlayScenarioTest : public testing::Test
{
protected:
    // The exit code; a run that hangs counts as -1.
    int Play(const std::string& script, const std::vector<std::string>& more = {}) const
    {
        mGame.WriteFile("input.txt", script);
        std::vector<std::string> options = mGame.Headless({"--input", "input.txt"});
        options.insert(options.end(), more.begin(), more.end());
        const GameProcess::Ending ending = mGame.Run(options);
        EXPECT_TRUE(ending.exited) << ending.Describe() << ": " << ending.account;
        return ending.exited ? ending.code : -1;
    }

    GameProcess mGame;
};

} // namespace

TEST_F(ScriptedPlayScenarioTest, AScriptThatClosesTheWindowEndsTheGame)
{
    EXPECT_EQ(Play("5 move 512 384\n6 click left\n8 wheel -1\n9 key Escape\n10 focus lost\n12 focus gained\n"
                   "20 type Anna\n40 close\n"),
              0);
}

TEST_F(ScriptedPlayScenarioTest, AMistakeInTheScriptStopsTheGameBeforeItStarts)
{
    EXPECT_EQ(Play("1 move 10 10\n2 jump\n"), 2);
    EXPECT_NE(mGame.ReadFile("err.txt").find("input.txt:2: unknown command 'jump'"), std::string::npos)
        << mGame.ReadFile("err.txt");
    EXPECT_FALSE(std::filesystem::exists(mGame.PathOf("log.log"))) << "nothing ran";
}

TEST_F(ScriptedPlayScenarioTest, TheDrawnCursorIsWhereTheScriptPutThePointer)
{
    // The sample player "Bob" plays with the drawn cursor.
    std::filesystem::create_directories(mGame.PathOf("saves"));
    for (const char* name : {"Users.dat", "Save2_1.dat"})
    {
        std::filesystem::copy_file(std::string(WF_FIXTURES_DIR "/saves/") + name,
                                   mGame.PathOf("saves") / name);
    }
    const std::string script = "1 move 100 100\n10 move 600 400\n11 click left\n";
    ASSERT_EQ(Play(script, {"--windowed", "--frames", "20", "--screenshot", "5:first.png", "--screenshot",
                            "15:second.png"}),
              0);
    const Platform::Image first = mGame.Picture("first.png");
    const Platform::Image second = mGame.Picture("second.png");
    ASSERT_EQ(first.width, 1024);
    ASSERT_EQ(second.width, 1024);

    // The arrow's tip is at the pointer; its body lies below and to the right of it.
    auto shows = [](const Platform::Image& picture, int x, int y)
    { return (picture.At(x + 4, y + 16) & 0xFFFFFF) != 0; };
    EXPECT_TRUE(shows(first, 100, 100));
    EXPECT_FALSE(shows(first, 600, 400));
    EXPECT_TRUE(shows(second, 600, 400));
    EXPECT_FALSE(shows(second, 100, 100));
}

TEST_F(ScriptedPlayScenarioTest, ScriptedAltEnterSwitchesTheDisplayModeAsTheRealKeysDo)
{
    // Started in a window of 1024 x 768; full screen on the headless display is 1920 x 1080.
    ASSERT_EQ(Play("5 keydown Alt\n5 key Return\n6 keyup Alt\n", {"--windowed", "--frames", "10"}), 0);
    const std::string log = mGame.ReadFile("log.log");
    EXPECT_NE(log.find("mD3DPP 1920,1080,"), std::string::npos) << log;
}

TEST_F(ScriptedPlayScenarioTest, AScreenshotThatCannotBeWrittenEndsWithTwo)
{
    // Known at start: a folder that does not exist. Nothing runs.
    ASSERT_EQ(Play("", {"--frames", "10", "--screenshot", "5:nowhere/shot.png"}), 2);
    EXPECT_NE(mGame.ReadFile("err.txt").find("nowhere/shot.png"), std::string::npos)
        << mGame.ReadFile("err.txt");
    EXPECT_FALSE(std::filesystem::exists(mGame.PathOf("log.log"))) << "nothing ran";

    // Known only when written (a folder stands where the file would go), or never shown: the run goes on,
    // the other screenshots are written, the game saves, and the run ends with 2.
    std::filesystem::create_directories(mGame.PathOf("taken.png"));
    ASSERT_EQ(Play("1 click left\n3 click left\n100 close\n",
                   {"--frames", "200", "--screenshot", "3:taken.png", "--screenshot", "4:shot.png",
                    "--screenshot", "150:late.png"}),
              2);
    const std::string errors = mGame.ReadFile("err.txt");
    EXPECT_NE(errors.find("cannot write the screenshot 'taken.png'"), std::string::npos) << errors;
    EXPECT_NE(errors.find("'late.png' was not written"), std::string::npos) << errors;
    EXPECT_TRUE(std::filesystem::exists(mGame.PathOf("shot.png")));
    EXPECT_TRUE(std::filesystem::exists(mGame.PathOf("saves/Users.dat"))) << "the game saved as it ended";
}
