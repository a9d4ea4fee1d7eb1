#include "platform/PngCodec.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace
{

// Runs the real game binary and reports how it ended.
class ProgramScenario : public testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        mFolder = std::filesystem::current_path() / (std::string("scenario-") + info->name());
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
    }

    pid_t Start(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), WF_GAME_BINARY);
        std::vector<char*> argv;
        for (std::string& argument : arguments)
        {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, mFolder.c_str());
        pid_t child = 0;
        const int error = posix_spawn(&child, WF_GAME_BINARY, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(error, 0);
        return child;
    }

    static int Wait(pid_t child)
    {
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    static bool ExitedWith(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

    std::vector<std::string> Headless(std::vector<std::string> more)
    {
        std::vector<std::string> arguments = {
            "--headless", "--fixed-step",
            "--save-dir", (mFolder / "saves").string(),
            "--data",     std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    }

    std::filesystem::path mFolder;
};

TEST_F(ProgramScenario, AHeadlessRunOfThreeHundredFramesEndsWithZero)
{
    EXPECT_TRUE(ExitedWith(Wait(Start(Headless({"--frames", "300"}))), 0));
    EXPECT_TRUE(std::filesystem::is_directory(mFolder / "saves")) << "the save folder is made at start-up";
    EXPECT_TRUE(std::filesystem::exists(mFolder / "log.log"));
}

TEST_F(ProgramScenario, TheScreenshotIsTheLetterboxedFrame)
{
    const std::string shot = (mFolder / "out.png").string();
    ASSERT_TRUE(ExitedWith(
        Wait(Start(Headless({"--fullscreen", "--frames", "12", "--screenshot", "12:" + shot}))), 0));
    std::ifstream file(shot, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    Platform::Image picture;
    ASSERT_TRUE(Platform::PngCodec::Decode(bytes.data(), bytes.size(), picture));
    // The headless display is 1920 x 1080: the 4:3 frame sits between bars 240 pixels wide.
    ASSERT_EQ(picture.width, 1920);
    ASSERT_EQ(picture.height, 1080);
    auto green = [](std::uint32_t pixel) { return ((pixel >> 8) & 0xFF) > ((pixel >> 16) & 0xFF) + 20; };
    EXPECT_TRUE(green(picture.At(150, 540))) << std::hex << picture.At(150, 540);
    EXPECT_TRUE(green(picture.At(1920 - 150, 540)));
    EXPECT_EQ(picture.At(960, 540), 0xFF000000u) << "the game draws nothing yet: the cleared frame";
    EXPECT_EQ(picture.At(10, 540), 0xFF000000u) << "beyond the bars";

    // In a window of the virtual size there are no bars: the frame fills it.
    const std::string windowed = (mFolder / "windowed.png").string();
    ASSERT_TRUE(ExitedWith(
        Wait(Start(Headless({"--windowed", "--frames", "3", "--screenshot", "3:" + windowed}))), 0));
    std::ifstream second(windowed, std::ios::binary);
    const std::vector<std::uint8_t> secondBytes{std::istreambuf_iterator<char>(second),
                                                std::istreambuf_iterator<char>()};
    ASSERT_TRUE(Platform::PngCodec::Decode(secondBytes.data(), secondBytes.size(), picture));
    EXPECT_EQ(picture.width, 1024);
    EXPECT_EQ(picture.height, 768);
    EXPECT_TRUE(std::all_of(picture.pixels.begin(), picture.pixels.end(),
                            [](std::uint32_t pixel) { return pixel == 0xFF000000u; }));
}

TEST_F(ProgramScenario, ASecondInstanceEndsAtOnceWithZero)
{
    const pid_t first = Start(Headless({}));
    // Wait until the first holds its lock: its log appears once the engine runs.
    for (int tries = 0; tries < 200 && !std::filesystem::exists(mFolder / "log.log"); ++tries)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(ExitedWith(Wait(Start(Headless({"--frames", "100000"}))), 0));
    kill(first, SIGTERM);
    EXPECT_TRUE(ExitedWith(Wait(first), 0)) << "a terminated game closes as its window would";
}

TEST_F(ProgramScenario, ACrashWritesTheDumpAndEndsTheProcess)
{
    const int status = Wait(Start(Headless({"--test-crash"})));
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGSEGV);
    EXPECT_TRUE(std::filesystem::exists(mFolder / "OrvaleDump.dmp"));
}

TEST_F(ProgramScenario, HelpAndMistakesOnTheCommandLine)
{
    EXPECT_TRUE(ExitedWith(Wait(Start({"--help"})), 0));
    EXPECT_TRUE(ExitedWith(Wait(Start({"--frames"})), 2));
}

} // namespace
