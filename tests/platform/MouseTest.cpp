#include "platform/HeadlessWindowSystem.h"
#include "platform/KeyText.h"
#include "platform/MouseDevice.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{

namespace Result = Platform::InputResult;

// A shown window with the focus, a mouse device bound to it, and a pump for its messages.
class MouseDeviceTest : public testing::Test
{
protected:
    MouseDeviceTest()
    {
        mWindow = mWindows.CreateAppWindow("Test", Platform::WindowStyle::Overlapped, {0, 0, 1032, 799},
                                           [this](Platform::WindowHandle window, std::uint32_t code,
                                                  std::uintptr_t first, std::intptr_t second)
                                           {
                                               mSeen.push_back({window, code, first, second});
                                               return mWindows.DefaultProcedure(window, code, first, second);
                                           });
        mWindows.ShowWindow(mWindow, Platform::ShowCommand::Normal);
        Pump();
    }

    void Pump()
    {
        Platform::Message message;
        while (mWindows.PeekMessage(message))
        {
            mWindows.DispatchMessage(message);
        }
    }

    Platform::HeadlessWindowSystem mWindows;
    Platform::WindowHandle mWindow = 0;
    Platform::MouseDevice mDevice{mWindows};
    std::vector<Platform::Message> mSeen;
};

TEST_F(MouseDeviceTest, ReadsButtonsAndTheMovementSinceTheLastReadWithTheWheelIn120sANotch)
{
    ASSERT_EQ(mDevice.SetCooperativeLevel(mWindow), Result::Ok);
    mWindows.Mouse().TurnWheel(5 * Platform::kWheelUnitsPerNotch); // before acquisition: not reported
    ASSERT_EQ(mDevice.Acquire(), Result::Ok);
    EXPECT_EQ(mDevice.Acquire(), Result::AlreadyAcquired);

    mWindows.PressMouseButton(0, true);
    mWindows.Mouse().TurnWheel(-Platform::kWheelUnitsPerNotch);
    mWindows.MoveCursor({10, 20});
    Platform::MouseState state;
    ASSERT_EQ(mDevice.GetState(state), Result::Ok);
    EXPECT_EQ(state.z, -120);
    EXPECT_EQ(state.x, 10);
    EXPECT_EQ(state.buttons[0], 0x80);
    EXPECT_EQ(state.buttons[1], 0);
    EXPECT_NE(mWindows.GetKeyboardState()[Platform::VirtualKey::LeftButton] & 0x80, 0)
        << "the keyboard state carries the buttons too";

    ASSERT_EQ(mDevice.GetState(state), Result::Ok);
    EXPECT_EQ(state.z, 0) << "the wheel reports movement, not a position";
    EXPECT_EQ(state.buttons[0], 0x80) << "a held button stays down";
    EXPECT_EQ(mWindows.Mouse().Position(), (Platform::CursorPoint{10, 20}));
}

TEST_F(MouseDeviceTest, LosingTheFocusLosesTheInputUntilTheDeviceIsAcquiredAgainWithTheFocus)
{
    mDevice.SetCooperativeLevel(mWindow);
    ASSERT_EQ(mDevice.Acquire(), Result::Ok);
    mWindows.PressMouseButton(1, true);

    mWindows.NotifyFocus(false);
    EXPECT_EQ(mDevice.Acquire(), Result::OtherAppHasPriority) << "a foreground device needs the focus";
    Platform::MouseState state;
    EXPECT_EQ(mDevice.GetState(state), Result::InputLost);
    EXPECT_EQ(mDevice.GetState(state), Result::NotAcquired);

    mWindows.NotifyFocus(true);
    ASSERT_EQ(mDevice.Acquire(), Result::Ok);
    ASSERT_EQ(mDevice.GetState(state), Result::Ok);
    EXPECT_EQ(state.buttons[1], 0) << "buttons held when the focus went are released";
}

TEST_F(MouseDeviceTest, AStaleAcquisitionIsReportedLostOnceEvenWhenTheFocusCameBack)
{
    mDevice.SetCooperativeLevel(mWindow);
    mDevice.Acquire();
    mWindows.NotifyFocus(false);
    mWindows.NotifyFocus(true);
    EXPECT_EQ(mDevice.Acquire(), Result::Ok);
    Platform::MouseState state;
    EXPECT_EQ(mDevice.GetState(state), Result::InputLost);
    EXPECT_EQ(mDevice.Acquire(), Result::Ok);
    EXPECT_EQ(mDevice.GetState(state), Result::Ok);
}

TEST_F(MouseDeviceTest, PointerMovesTellTheWindowWhetherThePointerIsOverTheClientArea)
{
    // The window's client area is 1024 x 768 inside a 4-pixel frame and a 23-pixel caption.
    mSeen.clear();
    mWindows.MoveCursor({1023, 767});
    mWindows.MoveCursor({1024, 100});
    mWindows.MoveCursor({-1, 100});
    Pump();
    ASSERT_EQ(mSeen.size(), 3u);
    EXPECT_EQ(mSeen[0].code, Platform::MessageCode::SetCursor);
    EXPECT_EQ(mSeen[0].second, Platform::HitClient);
    EXPECT_EQ(mSeen[1].second, Platform::HitNowhere);
    EXPECT_EQ(mSeen[2].second, Platform::HitNowhere);
}

TEST_F(MouseDeviceTest, TypedCharactersArriveAsMessagesAndBecomeTheirKeysCharacters)
{
    Platform::WindowSystem::KeyboardState state{};
    EXPECT_EQ(mWindows.CharacterForKey(Platform::VirtualKey::LetterA, state), u'a');
    mSeen.clear();
    mWindows.TypeCharacter(Platform::VirtualKey::LetterA, u'\u00e4');
    Pump();
    ASSERT_EQ(mSeen.size(), 1u);
    EXPECT_EQ(mSeen[0].code, Platform::MessageCode::Char);
    EXPECT_EQ(mSeen[0].first, 0xE4u);
    EXPECT_EQ(mWindows.CharacterForKey(Platform::VirtualKey::LetterA, state), u'\u00e4');
}

// A backend that, like the real window system, reports the text of every key press.
class TextReportingWindowSystem : public Platform::HeadlessWindowSystem
{
protected:
    bool ReportsTypedText() const override { return true; }
};

TEST(KeyCharacters, AKeyGivesOnlyWhatItsCurrentPressTypedAndShortcutsTypeNothing)
{
    namespace Key = Platform::VirtualKey;
    // Each case: A is pressed (with its text when the backend reported one) while the modifier is held,
    // after an earlier press of A typed "a" and was released.
    const struct
    {
        const char* what;
        bool reportsText;
        std::uint8_t modifier;
        char16_t typedNow;
        char16_t expected;
    } cases[] = {
        {"the text of this press", true, 0, u'\u00e4', u'\u00e4'},
        {"a press the backend typed nothing for", true, 0, 0, 0},
        {"Ctrl+A", true, Key::Control, 0, 0},
        {"Alt+A", true, Key::Menu, 0, 0},
        {"Ctrl+A with text reported anyway", true, Key::Control, u'a', 0},
        {"no reported text: the common layout", false, 0, 0, u'a'},
        {"no reported text, Ctrl held", false, Key::Control, 0, 0},
    };
    for (const auto& test : cases)
    {
        std::unique_ptr<Platform::WindowSystem> windows =
            test.reportsText ? std::make_unique<TextReportingWindowSystem>()
                             : std::make_unique<Platform::HeadlessWindowSystem>();
        windows->SetKeyDown(Key::LetterA, true);
        windows->TypeCharacter(Key::LetterA, u'a');
        windows->SetKeyDown(Key::LetterA, false);

        if (test.modifier != 0)
        {
            windows->SetKeyDown(test.modifier, true);
        }
        windows->SetKeyDown(Key::LetterA, true);
        if (test.typedNow != 0)
        {
            windows->TypeCharacter(Key::LetterA, test.typedNow);
        }
        Platform::WindowSystem::KeyboardState state{};
        if (test.modifier != 0)
        {
            state[test.modifier] = Platform::KeyDownBit;
        }
        state[Key::LetterA] = Platform::KeyDownBit;
        EXPECT_EQ(windows->CharacterForKey(Key::LetterA, state), test.expected) << test.what;
    }
}

TEST(KeyText, TranslatesWithShiftAndCapsLockAndFindsTheStrokeOfACharacter)
{
    Platform::KeyText::KeyboardState state{};
    using Platform::KeyText;
    namespace Key = Platform::VirtualKey;
    EXPECT_EQ(KeyText::Translate(Key::LetterA + 1, state), u'b');
    EXPECT_EQ(KeyText::Translate(Key::Digit0 + 2, state), u'2');
    EXPECT_EQ(KeyText::Translate(Key::F1, state), 0);
    state[Key::Shift] = 0x80;
    EXPECT_EQ(KeyText::Translate(Key::LetterA + 1, state), u'B');
    EXPECT_EQ(KeyText::Translate(Key::Digit0 + 2, state), u'@');
    state[Key::Capital] = 0x01;
    EXPECT_EQ(KeyText::Translate(Key::LetterA + 1, state), u'b')
        << "Shift with Caps Lock gives small letters";
    state[Key::Shift] = 0;
    EXPECT_EQ(KeyText::Translate(Key::LetterA + 1, state), u'B');
    state[Key::Control] = 0x80;
    EXPECT_EQ(KeyText::Translate(Key::LetterA + 1, state), 0);

    EXPECT_EQ(KeyText::StrokeFor(u'Q').virtualKey, Key::LetterA + 16);
    EXPECT_TRUE(KeyText::StrokeFor(u'Q').shift);
    EXPECT_EQ(KeyText::StrokeFor(u'?').virtualKey, Key::OemSlash);
    EXPECT_TRUE(KeyText::StrokeFor(u'?').shift);
    EXPECT_EQ(KeyText::StrokeFor(u'\u00e9').virtualKey, Key::Packet);
}

} // namespace
