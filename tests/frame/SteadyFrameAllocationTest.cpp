#include "game/GUI/GameGuiManager.h"
#include "game/GUI/TypeNameGui.h"
#include "game/Game/Game.h"
#include "game/Game/Level.h"
#include "game/GameApplication.h"
#include "game/Main.h"
#include "game/Util/InputLocks.h"
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
// Frames after the screen stands (a level's loading screen done) before counting: the first frames load
// what it shows.
constexpr int kWarmUpFrames = 200;
constexpr int kCountedFrames = 100;
// Call stacks printed for the first allocations found, to say where they come from.
constexpr int kTracedAllocations = 3;

// A screen left to run on its own: the main menu of a new player (the name window over it), the world
// map, or a level in play.
struct SteadyScene
{
    const char* name;
    std::uint16_t screen;
    int level;       // the level started, for the game screen
    bool nameWindow; // the window of typing a new player's name stands over it
};

const SteadyScene kScenes[] = {
    {"MainMenu", Main::kMainMenuScreen, 0, true}, {"Map", Main::kMapScreen, 0, false},
    {"Level1", Main::kGameScreen, 1, false},      {"Level2", Main::kGameScreen, 2, false},
    {"Level3", Main::kGameScreen, 3, false},
};

class SteadyFrameAllocationTest : public testing::TestWithParam<SteadyScene>
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
TEST_P(SteadyFrameAllocationTest, AScreenLeftToRunAllocatesNothingFrameAfterFrame)
{
    const SteadyScene& scene = GetParam();
    bool started = false;
    int standing = 0; // the first frame the screen stands, after its loading screen
    std::uint64_t allocations = 0;
    bool counted = false;
    bool nameWindowShown = false; // when counting started
    mGame.beforeUpdate = [&](int frame)
    {
        if (!started)
        {
            // The main menu's loading presents frames of its own: the first update may come later.
            if (frame >= kStartFrame)
            {
                if (scene.screen == Main::kGameScreen)
                {
                    Game::GetInstance()->StartLevel(static_cast<std::uint16_t>(scene.level));
                }
                else if (scene.screen != Main::kMainMenuScreen)
                {
                    mGame.GetMain()->SetCurrent(scene.screen);
                }
                started = true;
            }
            return;
        }
        if (standing == 0)
        {
            const bool levelMissing = scene.screen == Main::kGameScreen && Level::GetInstance() == nullptr;
            if (mGame.GetMain()->GetCurrent() != scene.screen || levelMissing)
            {
                return;
            }
            standing = frame;
        }
        const int t = frame - standing;
        if (t == kWarmUpFrames)
        {
            const auto* nameWindow = dynamic_cast<const TypeNameGui*>(
                mGame.GetMain()->GetGameGuiManager()->Get(TypeNameGui::kWindowId));
            nameWindowShown = nameWindow != nullptr && nameWindow->IsShown();
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
    ASSERT_TRUE(counted) << scene.name << " ran " << kWarmUpFrames + kCountedFrames << " frames";
    EXPECT_TRUE(nameWindowShown || !scene.nameWindow) << "the name window over " << scene.name;
    EXPECT_EQ(allocations, 0u) << "allocations in " << kCountedFrames << " frames of " << scene.name;
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
        << TestSupport::ReportRecorder::LastDescription();
}

INSTANTIATE_TEST_SUITE_P(SampleScreens, SteadyFrameAllocationTest, testing::ValuesIn(kScenes),
                         [](const testing::TestParamInfo<SteadyScene>& scene) { return scene.param.name; });
