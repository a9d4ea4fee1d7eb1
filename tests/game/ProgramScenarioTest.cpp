#include "platform/Image.h"
#include "tests/game/GameProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{

// The real game binary, headless, in a folder of the test's own.
class ProgramScenario : public testing::Test
{
protected:
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
    // The logos are skipped, the loading screen runs its frames, then the main menu is shown.
    mGame.WriteFile("skip-logos.txt", "1 click left\n3 click left\n");
    ASSERT_TRUE(mGame
                    .Run(mGame.Headless({"--fullscreen", "--frames", "120", "--input", "skip-logos.txt",
                                         "--screenshot", "120:out.png"}))
                    .ExitedWith(0));
    Platform::Image picture = mGame.Picture("out.png");
    // The headless display is 1920 x 1080: the 4:3 frame sits between bars 240 pixels wide.
    ASSERT_EQ(picture.width, 1920);
    ASSERT_EQ(picture.height, 1080);
    auto green = [](std::uint32_t pixel) { return ((pixel >> 8) & 0xFF) > ((pixel >> 16) & 0xFF) + 20; };
    auto blue = [](std::uint32_t pixel) { return (pixel & 0xFF) > ((pixel >> 16) & 0xFF) + 40; };
    EXPECT_TRUE(green(picture.At(150, 540))) << std::hex << picture.At(150, 540);
    EXPECT_TRUE(green(picture.At(1920 - 150, 540)));
    EXPECT_TRUE(blue(picture.At(960, 20))) << "the menu's sky: " << std::hex << picture.At(960, 20);
    EXPECT_TRUE(green(picture.At(960, 1000))) << "the menu's meadow: " << std::hex << picture.At(960, 1000);
    EXPECT_EQ(picture.At(10, 540), 0xFF000000u) << "beyond the bars";

    // In a window of the virtual size there are no bars: the frame fills it (the first logo is still
    // black in its first second).
    ASSERT_TRUE(mGame.Run(mGame.Headless({"--windowed", "--frames", "3", "--screenshot", "3:windowed.png"}))
                    .ExitedWith(0));
    picture = mGame.Picture("windowed.png");
    EXPECT_EQ(picture.width, 1024);
    EXPECT_EQ(picture.height, 768);
    EXPECT_TRUE(std::all_of(picture.pixels.begin(), picture.pixels.end(),
                            [](std::uint32_t pixel) { return pixel == 0xFF000000u; }));
}

TEST_F(ProgramScenario, TheExitButtonAsksAndYesEndsTheGameAfterSaving)
{
    // Skip the logos and name the first player; Exit, then No; Exit again, then Yes. The window slides in
    // within 24 frames.
    mGame.WriteFile("exit.txt", "1 click left\n3 click left\n100 type Anna\n110 key Return\n"
                                "160 move 156 576\n161 click left\n"
                                "210 move 602 458\n211 click left\n"
                                "260 move 156 576\n261 click left\n"
                                "310 move 420 458\n311 click left\n");
    // Pictures while it asks and after No; the one asked for after Yes is never shown, which fails the
    // run after the game has saved.
    ASSERT_TRUE(mGame
                    .Run(mGame.Headless({"--fullscreen", "--frames", "2000", "--input", "exit.txt",
                                         "--screenshot", "200:asking.png", "--screenshot", "250:closed.png",
                                         "--screenshot", "460:never.png"}))
                    .ExitedWith(2));
    ASSERT_TRUE(std::filesystem::exists(mGame.PathOf("saves/Users.dat"))) << "the game saved as it ended";
    EXPECT_FALSE(std::filesystem::exists(mGame.PathOf("never.png"))) << "Yes ended the game before the limit";
    EXPECT_NE(mGame.ReadFile("err.txt").find("'never.png' was not written"), std::string::npos)
        << mGame.ReadFile("err.txt");

    // A virtual-screen point on the 1920 x 1080 screen, between bars 240 pixels wide.
    auto at = [](const Platform::Image& picture, int x, int y)
    { return picture.At(240 + x * 1440 / 1024, y * 1080 / 768); };
    auto red = [](std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); };
    auto blue = [](std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); };
    const Platform::Image open = mGame.Picture("asking.png");
    const Platform::Image menu = mGame.Picture("closed.png");
    EXPECT_GT(red(at(open, 290, 480)), 200) << "the window's parchment: " << std::hex << at(open, 290, 480);
    EXPECT_LT(red(at(menu, 290, 480)), 200) << "no window after No";
    EXPECT_LT(blue(at(open, 512, 10)), blue(at(menu, 512, 10)) * 7 / 10) << "the screen behind is dimmed";
}

TEST_F(ProgramScenario, ASecondInstanceSaysSoAndEndsAtOnceWithZero)
{
    const pid_t first = mGame.Start(mGame.Headless());
    // Wait until the first holds its lock: it writes its process id into the lock file once it has it.
    // However long a busy machine takes to start it, the second starts only then.
    const std::string holder = std::to_string(first) + "\n";
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(GameProcess::kSecondsAllowed);
    while (mGame.ReadFile("saves/wrenfold.lock") != holder && kill(first, 0) == 0 &&
           std::chrono::steady_clock::now() < deadline)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const bool holds = mGame.ReadFile("saves/wrenfold.lock") == holder;
    if (!holds)
    {
        kill(first, SIGKILL);
        GameProcess::Wait(first);
    }
    ASSERT_TRUE(holds) << "the first game never wrote its process id into its lock file: "
                       << mGame.ReadFile("err.txt");
    GameProcess second("second");
    // It only starts and finds the lock taken; the limit ends it should it play on instead.
    EXPECT_TRUE(second.Run(mGame.Headless({"--frames", "100000"}), 120).ExitedWith(0));
    EXPECT_EQ(second.ReadFile("err.txt"), "wrenfold: already running with save folder " +
                                              mGame.PathOf("saves").string() +
                                              "; asked it to come to the front\n");
    kill(first, SIGTERM);
    EXPECT_TRUE(GameProcess::Wait(first).ExitedWith(0)) << "a terminated game closes as its window would";
}

TEST_F(ProgramScenario, ASaveFolderThatCannotBeWrittenEndsTheRunWithItsReason)
{
    mGame.WriteFile("plain", "a file, not a folder\n");
    std::filesystem::create_directories(mGame.PathOf("locked"));
    std::filesystem::permissions(mGame.PathOf("locked"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    struct Case
    {
        std::string folder;
        std::string reason;
        bool needsPermissions;
    };
    const std::vector<Case> cases = {
        {mGame.PathOf("plain/saves").string(), "it cannot be made", false},
        {"/proc/wrenfold-saves", "it cannot be made", false},
        {mGame.PathOf("locked").string(), "no file can be written in it", true},
        {mGame.PathOf("locked/saves").string(), "it cannot be made", true},
    };
    for (const Case& tried : cases)
    {
        if (tried.needsPermissions && geteuid() == 0)
        {
            continue; // permissions do not bind the superuser
        }
        SCOPED_TRACE(tried.folder);
        std::filesystem::remove(mGame.PathOf("log.log"));
        EXPECT_TRUE(mGame
                        .Run({"--headless", "--fixed-step", "--save-dir", tried.folder, "--data",
                              GameProcess::SampleData(), "--frames", "30"})
                        .ExitedWith(3));
        const std::string said = "cannot keep players and saves in the save folder '" + tried.folder + "': ";
        const std::string error = mGame.ReadFile("err.txt");
        EXPECT_NE(error.find(said + tried.reason), std::string::npos) << error;
        EXPECT_NE(mGame.ReadFile("log.log").find(said + tried.reason), std::string::npos);
    }
    std::filesystem::permissions(mGame.PathOf("locked"), std::filesystem::perms::owner_all);
    EXPECT_TRUE(std::filesystem::is_empty(mGame.PathOf("locked"))) << "nothing is left behind";
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
