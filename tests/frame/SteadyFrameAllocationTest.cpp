#include "game/GUI/InputLocks.h"
#include "game/Game/Game.h"
#include "game/Game/Level.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "platform/FixedStepClock.h"
#include "platform/Folders.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "tests/frame/AllocationCounter.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace
{

// The game's application, told before each frame's update which frame it is, as the scripted input
// counts them (the loading screens present frames of their own).
class ProbeGame : public GameApplication
{
public:
    std::function<void(int frame)> beforeUpdate = [](int) {};

    bool Update() override
    {
        beforeUpdate(static_cast<int>(Platform::Services::Current().FramesCompleted()) + 1);
        return GameApplication::Update();
    }
};

constexpr int kStartFrame = 5; // the main menu shows from frame 4
// Frames after the level's loading screen before counting: the first frames load what the level shows.
constexpr int kWarmUpFrames = 200;
constexpr int kCountedFrames = 100;
// Call stacks printed for the first allocations found, to say where they come from.
constexpr int kTracedAllocations = 3;

class SteadyFrameAllocationTest : public testing::TestWithParam<int>
{
protected:
    SteadyFrameAllocationTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
        TestSupport::ReportRecorder::Clear();
        auto input = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(input->Parse("1 click left\n3 click left\n", error)) << error;
        mServices.SetScriptedInput(std::move(input));
        Platform::Folders::SetDataFolder(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
        mSaves = std::filesystem::current_path() / "steady-frame-saves";
        std::filesystem::remove_all(mSaves);
        Platform::Folders::SetSaveFolder(mSaves.string());
    }
    ~SteadyFrameAllocationTest() override
    {
        Platform::Folders::SetDataFolder("");
        Platform::Folders::SetSaveFolder("");
        std::filesystem::remove_all(mSaves);
        InputLocks::first = InputLocks::second = InputLocks::third = false;
    }

    Platform::Services mServices;
    ProbeGame mGame;
    std::filesystem::path mSaves;
};

} // namespace

// Only the main thread's allocations count: it runs the frame; the drawing threads keep their own work.
TEST_P(SteadyFrameAllocationTest, ALevelInPlayAllocatesNothingFrameAfterFrame)
{
    const int level = GetParam();
    bool started = false;
    int inPlay = 0; // the first frame with the level in play, after its loading screen
    std::uint64_t allocations = 0;
    bool counted = false;
    mGame.beforeUpdate = [&](int frame)
    {
        if (!started)
        {
            // The main menu's loading presents frames of its own: the first update may come later.
            if (frame >= kStartFrame)
            {
                Game::GetInstance()->StartLevel(static_cast<std::uint16_t>(level));
                started = true;
            }
            return;
        }
        if (inPlay == 0)
        {
            if (mGame.GetMain()->GetCurrent() != Main::kGameScreen || Level::GetInstance() == nullptr)
            {
                return;
            }
            inPlay = frame;
        }
        const int t = frame - inPlay;
        if (t == kWarmUpFrames)
        {
            AllocationCounter::Start(kTracedAllocations);
        }
        else if (t == kWarmUpFrames + kCountedFrames && !counted)
        {
            allocations = AllocationCounter::Stop();
            counted = true;
            Platform::Services::Current().Window().RequestClose();
        }
    };
    EXPECT_EQ(mGame.Run(GameApplication::kCaption, true), 0);
    ASSERT_TRUE(counted) << "the level ran " << kWarmUpFrames + kCountedFrames << " frames";
    EXPECT_EQ(allocations, 0u) << "allocations in " << kCountedFrames << " frames of level " << level;
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
        << TestSupport::ReportRecorder::LastDescription();
}

INSTANTIATE_TEST_SUITE_P(SampleLevels, SteadyFrameAllocationTest, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<int>& level)
                         { return "Level" + std::to_string(level.param); });
