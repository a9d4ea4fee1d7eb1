#include "platform/Services.h"

#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/SingleInstance.h"
#include "platform/ThreadControl.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace
{

TEST(FixedStepClock, EveryFrameIsOneSixtieth)
{
    Platform::FixedStepClock clock;
    const std::int64_t start = clock.Counter();
    clock.AdvanceFrame();
    clock.AdvanceFrame();
    EXPECT_EQ(static_cast<float>(clock.Counter() - start) / static_cast<float>(clock.Frequency()),
              2.0f / 60.0f);
}

TEST(Services, FrameLimitAsksTheWindowToCloseAfterTheLastFrame)
{
    Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                std::make_unique<Platform::FixedStepClock>());
    Platform::WindowSystem& windows = services.Window();
    const Platform::WindowHandle window =
        windows.CreateAppWindow("Test", Platform::WindowStyle::Overlapped, {},
                                [](auto, auto, auto, auto) { return std::intptr_t{0}; });
    services.SetFrameLimit(2);
    Platform::Message message;

    services.FrameStarted();
    services.FrameEnded();
    EXPECT_FALSE(windows.PeekMessage(message));

    services.FrameStarted();
    services.FrameEnded();
    ASSERT_TRUE(windows.PeekMessage(message));
    EXPECT_EQ(message.code, Platform::MessageCode::Close);
    EXPECT_EQ(message.window, window);
    EXPECT_EQ(services.GetClock().Counter(), 2);
}

// Restores an environment variable when the test ends.
class ScopedEnvironment
{
public:
    explicit ScopedEnvironment(const char* name) : mName(name)
    {
        if (const char* value = std::getenv(name); value != nullptr)
        {
            mSaved = value;
            mHad = true;
        }
    }
    ~ScopedEnvironment()
    {
        if (mHad)
        {
            setenv(mName, mSaved.c_str(), 1);
        }
        else
        {
            unsetenv(mName);
        }
    }

private:
    const char* mName;
    std::string mSaved;
    bool mHad = false;
};

TEST(Folders, SaveFolderFollowsXdgThenHomeAndTheOverrideWins)
{
    ScopedEnvironment dataHome("XDG_DATA_HOME");
    ScopedEnvironment home("HOME");
    setenv("HOME", "/home/player", 1);
    setenv("XDG_DATA_HOME", "/data/xdg", 1);
    EXPECT_EQ(Platform::Folders::SaveFolder(), "/data/xdg/wrenfold");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Platform::Folders::SaveFolder(), "/home/player/.local/share/wrenfold");

    Platform::Folders::SetSaveFolder("/tmp/saves");
    EXPECT_EQ(Platform::Folders::SaveFolder(), "/tmp/saves");
    Platform::Folders::SetSaveFolder("");
}

TEST(Folders, RelativeFoldersResolveAgainstTheStartFolder)
{
    Platform::Folders::SetDataFolder("data/../game");
    EXPECT_EQ(Platform::Folders::DataFolder(), Platform::Folders::StartFolder() + "/game");
    Platform::Folders::SetDataFolder("");
    EXPECT_EQ(Platform::Folders::DataFolder(), Platform::Folders::StartFolder());
}

TEST(SingleInstance, ASecondHolderOfTheSameFolderIsRefusedUntilTheFirstEnds)
{
    // A folder of this process's own: another test run on the machine holds a lock of its own.
    const std::string folder =
        std::filesystem::temp_directory_path() / ("wrenfold-instance-test-" + std::to_string(::getpid()));
    ASSERT_TRUE(Platform::Folders::MakeFolders(folder));
    {
        Platform::SingleInstance first(folder);
        ASSERT_EQ(first.GetResult(), Platform::SingleInstance::Result::Acquired);
        Platform::SingleInstance second(folder);
        EXPECT_EQ(second.GetResult(), Platform::SingleInstance::Result::AlreadyRunning);
    }
    {
        Platform::SingleInstance again(folder);
        EXPECT_EQ(again.GetResult(), Platform::SingleInstance::Result::Acquired);
    }
    std::filesystem::remove_all(folder);
}

TEST(ThreadControl, PinningReturnsThePreviousMaskAndCanBeUndone)
{
    const std::uint32_t previous = Platform::ThreadControl::SetCurrentThreadAffinity(1);
    EXPECT_NE(previous, 0u);
    EXPECT_EQ(Platform::ThreadControl::SetCurrentThreadAffinity(previous) & 1u, 1u);
}

TEST(Services, DrawingThreadsFollowTheUsableProcessorsAndTheEnvironmentsCap)
{
    unsetenv("WF_RENDER_THREADS");
    const int free = Platform::Services::DefaultRenderThreads();
    ASSERT_GE(free, 1);
    ASSERT_LE(free, 8);

    const struct
    {
        const char* value;
        int threads;
    } cases[] = {
        {"1", 1},  {"2", std::min(2, free)}, {"8", free}, {"0", free}, {"9", free}, {"12", free}, {"x", free},
        {"", free}};
    for (const auto& c : cases)
    {
        setenv("WF_RENDER_THREADS", c.value, 1);
        EXPECT_EQ(Platform::Services::DefaultRenderThreads(), c.threads) << "WF_RENDER_THREADS=" << c.value;
    }
    unsetenv("WF_RENDER_THREADS");

    // A process allowed one processor draws on one thread, however many the machine has.
    const std::uint32_t previous = Platform::ThreadControl::SetCurrentThreadAffinity(1);
    EXPECT_EQ(Platform::Services::DefaultRenderThreads(), 1);
    Platform::ThreadControl::SetCurrentThreadAffinity(previous);
}

} // namespace
