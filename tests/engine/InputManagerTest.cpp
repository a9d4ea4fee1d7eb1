#include "engine/App/InputManager.h"

#include "engine/App/Application.h"
#include "engine/Gui/CursorManager.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ScriptedInput.h"
#include "platform/Services.h"
#include "platform/VirtualKey.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{

using Korrin::InputManager;
namespace Key = Platform::VirtualKey;

// What the input manager showed in one frame.
struct Snapshot
{
    bool active = false;
    bool leftDown = false;
    bool leftPressed = false;
    bool leftReleased = false;
    bool rightDown = false;
    bool escapeDown = false;
    bool escapePressed = false;
    bool escapeReleased = false;
    bool anyKeyDown = false;
    float x = 0.0f;
    float y = 0.0f;
    float wheel = 0.0f;
};

class RecordingApplication : public Korrin::Application
{
public:
    std::vector<Snapshot> frames;
    std::function<void(int frame)> duringFrame = [](int) {};

    bool Update() override
    {
        const InputManager* input = InputManager::GetInstance();
        Snapshot snapshot;
        snapshot.active = IsActive();
        snapshot.leftDown = input->IsButtonDown(InputManager::kLeftButton);
        snapshot.leftPressed = input->IsButtonPressed(InputManager::kLeftButton);
        snapshot.leftReleased = input->IsButtonReleased(InputManager::kLeftButton);
        snapshot.rightDown = input->IsButtonDown(InputManager::kRightButton);
        snapshot.escapeDown = input->IsKeyDown(Key::Escape);
        snapshot.escapePressed = input->IsKeyPressed(Key::Escape);
        snapshot.escapeReleased = input->IsKeyReleased(Key::Escape);
        for (int key = 0; key < 256; ++key)
        {
            snapshot.anyKeyDown = snapshot.anyKeyDown || input->IsKeyDown(static_cast<std::uint8_t>(key)) ||
                                  input->GetPreviousKeys()[static_cast<std::size_t>(key)] != 0;
        }
        snapshot.x = input->GetX();
        snapshot.y = input->GetY();
        snapshot.wheel = input->GetWheel();
        frames.push_back(snapshot);
        duringFrame(static_cast<int>(frames.size()));
        return true;
    }
};

// Runs an application in a 1024 x 768 window for a number of frames, fed by a script.
class InputManagerTest : public testing::Test
{
protected:
    InputManagerTest()
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(),
                    std::make_unique<Platform::FixedStepClock>())
    {
    }

    void Run(const std::string& script, std::uint64_t frames)
    {
        auto input = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        ASSERT_TRUE(input->Parse(script, error)) << error;
        mServices.SetScriptedInput(std::move(input));
        mServices.SetFrameLimit(frames);
        ASSERT_EQ(mApplication.Run("Input", true), 0);
        ASSERT_EQ(mApplication.frames.size(), frames);
    }

    const Snapshot& Frame(int number) const
    {
        return mApplication.frames[static_cast<std::size_t>(number - 1)];
    }

    Platform::Services mServices;
    RecordingApplication mApplication;
};

TEST_F(InputManagerTest, AHeldButtonIsDownInEveryFrameAndPressedOnlyInTheFirst)
{
    Run("2 press left\n5 release left\n3 keydown Escape\n4 keyup Escape\n", 6);
    EXPECT_FALSE(Frame(1).leftDown);
    EXPECT_TRUE(Frame(2).leftDown && Frame(2).leftPressed);
    for (int frame : {3, 4})
    {
        EXPECT_TRUE(Frame(frame).leftDown) << frame;
        EXPECT_FALSE(Frame(frame).leftPressed) << frame;
    }
    EXPECT_TRUE(!Frame(5).leftDown && Frame(5).leftReleased);
    EXPECT_FALSE(Frame(6).leftReleased);

    EXPECT_TRUE(Frame(3).escapeDown && Frame(3).escapePressed);
    EXPECT_TRUE(!Frame(4).escapeDown && Frame(4).escapeReleased);
}

TEST_F(InputManagerTest, TheWheelGivesEachFramesMovementAndThePointerIsInClientPixels)
{
    Run("2 wheel 1\n2 wheel 2\n3 move 100.4 200\n4 wheel -1\n", 5);
    EXPECT_FLOAT_EQ(Frame(1).wheel, 0.0f);
    EXPECT_FLOAT_EQ(Frame(2).wheel, 360.0f);
    EXPECT_FLOAT_EQ(Frame(3).wheel, 0.0f);
    EXPECT_FLOAT_EQ(Frame(3).x, 100.0f);
    EXPECT_FLOAT_EQ(Frame(3).y, 200.0f);
    EXPECT_FLOAT_EQ(Frame(4).wheel, -120.0f);
    EXPECT_FLOAT_EQ(Frame(5).x, 100.0f) << "the pointer stays where it was put";
}

TEST_F(InputManagerTest, WhileInactiveEverythingReadsReleasedAndAHeldButtonIsPressedAgainOnReturn)
{
    // The focus goes at the start of frame 3, which releases what was held; the application learns it
    // after that frame. While it is away the hands press again and the wheel turns.
    mApplication.duringFrame = [this](int frame)
    {
        if (frame == 4)
        {
            Platform::WindowSystem& windows = mServices.Window();
            windows.PressMouseButton(0, true);
            windows.PressKey(Key::Escape, true);
            windows.Mouse().TurnWheel(120);
        }
    };
    Run("1 move 300 300\n2 press left\n2 keydown Escape\n3 focus lost\n6 focus gained\n", 9);
    EXPECT_TRUE(Frame(2).leftDown && Frame(2).escapeDown);
    EXPECT_TRUE(Frame(3).active && !Frame(3).leftDown && Frame(3).leftReleased);
    for (int frame : {4, 5, 6})
    {
        const Snapshot& inactive = Frame(frame);
        EXPECT_FALSE(inactive.active) << frame;
        EXPECT_FALSE(inactive.leftDown || inactive.leftReleased || inactive.rightDown) << frame;
        EXPECT_FALSE(inactive.anyKeyDown) << frame;
        EXPECT_FLOAT_EQ(inactive.x, 0.0f);
        EXPECT_FLOAT_EQ(inactive.y, 0.0f);
        EXPECT_FLOAT_EQ(inactive.wheel, 0.0f);
    }
    // Back in front, what is still held reads as pressed, since the frames before were cleared.
    EXPECT_TRUE(Frame(7).active);
    EXPECT_TRUE(Frame(7).escapeDown && Frame(7).escapePressed);
    EXPECT_TRUE(Frame(7).leftDown && Frame(7).leftPressed);
    EXPECT_FLOAT_EQ(Frame(7).x, 300.0f);
    EXPECT_FALSE(Frame(8).leftPressed);
}

TEST_F(InputManagerTest, TheArrowHidesOverTheClientAreaOnlyWhenTheCursorManagerSaysSo)
{
    auto& windows = static_cast<Platform::HeadlessWindowSystem&>(mServices.Window());
    std::vector<bool> arrowAfterMove;
    std::vector<bool> markedHidden;
    mApplication.duringFrame = [&](int frame)
    {
        if (frame > 1)
        {
            arrowAfterMove.push_back(windows.IsArrowCursorVisible());
            markedHidden.push_back(Korrin::CursorManager::GetInstance()->IsSystemCursorHidden());
        }
        Korrin::CursorManager::GetInstance()->SetShowSystemCursor(frame < 2 || frame > 4);
    };
    // The set-cursor message of a move is handled after its frame, with the flag that frame left: frame 1
    // moves inside with the arrow wanted, 2 and 3 inside with it refused, 4 outside with it refused, 5
    // inside with it wanted again.
    Run("1 move 10 10\n2 move 20 20\n3 move 30 30\n4 move -5 30\n5 move 40 40\n", 6);
    EXPECT_EQ(arrowAfterMove, (std::vector<bool>{true, false, false, true, true}));
    EXPECT_EQ(markedHidden, (std::vector<bool>{false, true, true, false, false}));
}

} // namespace
