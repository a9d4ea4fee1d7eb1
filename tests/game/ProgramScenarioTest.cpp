#include "platform/Image.h"
#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace
{

// The real game binary, headless, in a folder of the test's own.
class ProgramScenario : public testing::Test
{
protected:
    Platform::Image ReadPicture(const std::string& name) const
    {
        const std::string bytes = mGame.ReadFile(name);
        Platform::Image picture;
        EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size(), picture))
            << name;
        return picture;
    }

    GameProcess mGame;
};

TEST_F(ProgramScenario, AHeadlessRunOfThreeHundredFramesEndsWithZero)
{
    EXPECT_TRUE(mGame.Run(mGame.Headless({"--frames", "300"})).ExitedWith(0));
    EXPECT_TRUE(std::filesystem::is_directory(mGame.PathOf("saves")))
        << "the save folder is made at start-up";
    EXPECT_TRUE(std::filesystem::exists(mGame.PathOf("log.log")));
}

TEST_F(ProgramScenario, TheScreenshotIsTheLetterboxedFrame)
{
    ASSERT_TRUE(mGame.Run(mGame.Headless({"--fullscreen", "--frames", "12", "--screenshot", "12:out.png"}))
                    .ExitedWith(0));
    Platform::Image picture = ReadPicture("out.png");
    // The headless display is 1920 x 1080: the 4:3 frame sits between bars 240 pixels wide.
    ASSERT_EQ(picture.width, 1920);
    ASSERT_EQ(picture.height, 1080);
    auto green = [](std::uint32_t pixel) { return ((pixel >> 8) & 0xFF) > ((pixel >> 16) & 0xFF) + 20; };
    EXPECT_TRUE(green(picture.At(150, 540))) << std::hex << picture.At(150, 540);
    EXPECT_TRUE(green(picture.At(1920 - 150, 540)));
    EXPECT_EQ(picture.At(960, 540), 0xFF000000u) << "the game draws nothing yet: the cleared frame";
    EXPECT_EQ(picture.At(10, 540), 0xFF000000u) << "beyond the bars";

    // In a window of the virtual size there are no bars: the frame fills it.
    ASSERT_TRUE(mGame.Run(mGame.Headless({"--windowed", "--frames", "3", "--screenshot", "3:windowed.png"}))
                    .ExitedWith(0));
    picture = ReadPicture("windowed.png");
    EXPECT_EQ(picture.width, 1024);
    EXPECT_EQ(picture.height, 768);
    EXPECT_TRUE(std::all_of(picture.pixels.begin(), picture.pixels.end(),
                            [](std::uint32_t pixel) { return pixel == 0xFF000000u; }));
}

TEST_F(ProgramScenario, ASecondInstanceEndsAtOnceWithZero)
{
    const pid_t first = mGame.Start(mGame.Headless());
    // Wait until the first holds its lock: its log appears once the engine runs.
    for (int tries = 0; tries < 200 && !std::filesystem::exists(mGame.PathOf("log.log")); ++tries)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    GameProcess second("second");
    EXPECT_TRUE(second.Run(mGame.Headless({"--frames", "100000"}), 30).ExitedWith(0));
    kill(first, SIGTERM);
    EXPECT_TRUE(GameProcess::Wait(first).ExitedWith(0)) << "a terminated game closes as its window would";
}

TEST_F(ProgramScenario, ACrashWritesTheDumpAndEndsTheProcess)
{
    EXPECT_EQ(mGame.Run(mGame.Headless({"--test-crash"})).signal, SIGSEGV);
    EXPECT_TRUE(std::filesystem::exists(mGame.PathOf("OrvaleDump.dmp")));
}

TEST_F(ProgramScenario, HelpAndMistakesOnTheCommandLine)
{
    EXPECT_TRUE(mGame.Run({"--help"}).ExitedWith(0));
    EXPECT_TRUE(mGame.Run({"--frames"}).ExitedWith(2));
}

} // namespace
