#include "platform/ScriptedInput.h"

#include "platform/HeadlessWindowSystem.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

namespace
{

namespace Code = Platform::MessageCode;
namespace Key = Platform::VirtualKey;

bool IsDown(const Platform::WindowSystem& windows, std::uint8_t key)
{
    return (windows.GetKeyboardState()[key] & 0x80) != 0;
}

// A focused window of a 1024 x 768 client area, a script, and the messages that playing it posts.
class ScriptedInputTest : public testing::Test
{
protected:
    ScriptedInputTest()
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
        mSeen.clear();
    }

    void Load(const std::string& text)
    {
        std::string error;
        ASSERT_TRUE(mScript.Parse(text, error)) << error;
    }

    void Play(std::uint64_t frame)
    {
        mScript.Play(frame, mWindows);
        Pump();
    }

    void Pump()
    {
        Platform::Message message;
        while (mWindows.PeekMessage(message) && message.code != Code::Quit)
        {
            mWindows.DispatchMessage(message);
        }
    }

    std::vector<std::uint32_t> SeenCodes() const
    {
        std::vector<std::uint32_t> codes;
        for (const Platform::Message& message : mSeen)
        {
            codes.push_back(message.code);
        }
        return codes;
    }

    Platform::HeadlessWindowSystem mWindows;
    Platform::WindowHandle mWindow = 0;
    Platform::ScriptedInput mScript;
    std::vector<Platform::Message> mSeen;
};

TEST_F(ScriptedInputTest, EventsArePlayedAtTheStartOfTheirFramesInTheOrderWritten)
{
    Load("# a comment line\n"
         "2 move 100 50   # and a comment after a command\n"
         "3 click left\n"
         "3 wheel -2\n"
         "1 keydown Escape\n"
         "4 keyup esc\r\n");
    Play(1);
    EXPECT_TRUE(IsDown(mWindows, Key::Escape)) << "events are sorted by frame";
    EXPECT_EQ(SeenCodes(), std::vector<std::uint32_t>{Code::KeyDown});

    Play(2);
    EXPECT_EQ(mWindows.Mouse().Position(), (Platform::CursorPoint{100, 50}));
    ASSERT_EQ(mSeen.size(), 2u);
    EXPECT_EQ(mSeen[1].code, Code::SetCursor);
    EXPECT_EQ(mSeen[1].second, Platform::HitClient);

    Play(3);
    EXPECT_TRUE(mWindows.Mouse().IsButtonDown(0));
    EXPECT_EQ(mWindows.Mouse().TakeState().z, -240);
    Play(4);
    EXPECT_FALSE(mWindows.Mouse().IsButtonDown(0)) << "a click releases on the next frame";
    EXPECT_FALSE(IsDown(mWindows, Key::Escape));
}

TEST_F(ScriptedInputTest, TypedTextPressesOneKeyEveryOtherFrameWithShiftForCapitals)
{
    Load("10 type Hi #1");
    Play(10);
    EXPECT_TRUE(IsDown(mWindows, Key::Shift));
    EXPECT_TRUE(IsDown(mWindows, Key::LetterA + 7));
    Play(11);
    EXPECT_FALSE(IsDown(mWindows, Key::Shift));
    EXPECT_FALSE(IsDown(mWindows, Key::LetterA + 7));
    Play(12);
    EXPECT_TRUE(IsDown(mWindows, Key::LetterA + 8));
    Play(20);

    std::u16string typed;
    for (const Platform::Message& message : mSeen)
    {
        if (message.code == Code::Char)
        {
            typed.push_back(static_cast<char16_t>(message.first));
        }
    }
    EXPECT_EQ(typed, u"Hi #1") << "the text runs to the end of the line, '#' included";
}

TEST_F(ScriptedInputTest, FocusAndCloseBecomeTheWindowsMessages)
{
    Load("1 focus lost\n2 focus gained\n3 close\n");
    Play(1);
    EXPECT_FALSE(mWindows.HasFocus());
    Play(2);
    EXPECT_TRUE(mWindows.HasFocus());
    Play(3);
    EXPECT_FALSE(mWindows.IsWindow(mWindow)) << "a close request closes the window as its button would";
}

TEST(ScriptedInput, PositionsAreScaledInAWindowAndLetterboxedInFullScreen)
{
    int x = 0;
    int y = 0;
    Platform::ScriptedInput::VirtualToClient(512, 384, 1024, 768, {0, 0, 1024, 768}, false, x, y);
    EXPECT_EQ(x, 512);
    EXPECT_EQ(y, 384);
    Platform::ScriptedInput::VirtualToClient(512, 384, 1024, 768, {0, 0, 800, 600}, false, x, y);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
    // A 1920 x 1080 screen shows the frame 1440 pixels wide between bars of 240.
    Platform::ScriptedInput::VirtualToClient(0, 768, 1024, 768, {0, 0, 1920, 1080}, true, x, y);
    EXPECT_EQ(x, 240);
    EXPECT_EQ(y, 1080);
    Platform::ScriptedInput::VirtualToClient(1024, 0, 1024, 768, {0, 0, 1280, 1024}, true, x, y);
    EXPECT_EQ(x, 1280);
    EXPECT_EQ(y, 32);
}

TEST(ScriptedInput, MistakesAreRefusedWithTheirLineAndLeaveNoEvents)
{
    const struct
    {
        const char* text;
        const char* says;
    } cases[] = {
        {"move 1 2", "1: a line starts with its frame"},
        {"0 close", "1: a line starts with its frame"},
        {"999999999999 close", "1: a line starts with its frame"},
        {"1 close\n2 jump", "2: unknown command 'jump'"},
        {"1 move 1", "1: write FRAME move X Y"},
        {"1 move 1 nan", "1: write FRAME move X Y"},
        {"1 move 1e9 0", "1: write FRAME move X Y"},
        {"1 press thumb", "1: the buttons are left, right and middle"},
        {"1 wheel 0", "1: write FRAME wheel NOTCHES"},
        {"1 wheel 5000", "1: write FRAME wheel NOTCHES"},
        {"1 key 0x100", "1: unknown key '0x100'"},
        {"1 keydown F13", "1: unknown key 'F13'"},
        {"1 focus sideways", "1: write FRAME focus lost"},
        {"1 close now", "1: write FRAME close"},
        {"1 type", "1: type needs the text"},
    };
    for (const auto& entry : cases)
    {
        Platform::ScriptedInput script;
        std::string error;
        EXPECT_FALSE(script.Parse(entry.text, error)) << entry.text;
        EXPECT_EQ(error.rfind(entry.says, 0), 0u) << entry.text << " -> " << error;
        EXPECT_TRUE(script.Events().empty());
    }
}

TEST(ScriptedInput, KeysAreNamedOrNumbered)
{
    Platform::ScriptedInput script;
    std::string error;
    ASSERT_TRUE(script.Parse("1 keydown a\n1 keydown 7\n1 keydown F12\n1 keydown Return\n1 keydown 0x1b\n"
                             "1 keydown 65\n",
                             error))
        << error;
    const int expected[] = {Key::LetterA, Key::Digit0 + 7, Key::F1 + 11, Key::Return, Key::Escape, 65};
    ASSERT_EQ(script.Events().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
    {
        EXPECT_EQ(script.Events()[i].value, expected[i]);
    }
}

TEST(ScriptedInput, AMissingFileIsRefused)
{
    Platform::ScriptedInput script;
    std::string error;
    EXPECT_FALSE(script.LoadFile("no-such-script.txt", error));
    EXPECT_NE(error.find("no-such-script.txt"), std::string::npos);
}

} // namespace
