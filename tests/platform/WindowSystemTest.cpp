#include "platform/HeadlessWindowSystem.h"
#include "platform/VirtualKey.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{

using Platform::Message;
namespace Code = Platform::MessageCode;

// A window whose procedure records every message and hands it to the default handling.
class WindowSystemTest : public testing::Test
{
protected:
    Platform::WindowHandle Create()
    {
        return mWindows.CreateAppWindow("Test", Platform::WindowStyle::Overlapped, {0, 0, 100, 100},
                                        [this](Platform::WindowHandle window, std::uint32_t code,
                                               std::uintptr_t first, std::intptr_t second)
                                        {
                                            mSeen.push_back(code);
                                            return mWindows.DefaultProcedure(window, code, first, second);
                                        });
    }

    // Takes and dispatches every waiting message; returns their codes, the quit message included.
    std::vector<std::uint32_t> Pump()
    {
        std::vector<std::uint32_t> taken;
        Message message;
        while (mWindows.PeekMessage(message))
        {
            taken.push_back(message.code);
            if (message.code == Code::Quit)
            {
                break;
            }
            mWindows.DispatchMessage(message);
        }
        return taken;
    }

    Platform::HeadlessWindowSystem mWindows;
    std::vector<std::uint32_t> mSeen;
};

TEST_F(WindowSystemTest, CreationSendsCreateAndFirstShowActivates)
{
    const Platform::WindowHandle window = Create();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(mSeen, std::vector<std::uint32_t>{Code::Create});

    mWindows.ShowWindow(window, Platform::ShowCommand::Normal);
    mWindows.ShowWindow(window, Platform::ShowCommand::Normal);
    EXPECT_EQ(Pump(), (std::vector<std::uint32_t>{Code::ActivateApp, Code::Activate}));
}

TEST_F(WindowSystemTest, DestroyIsDeliveredWhenTheLoopNextTakesAMessage)
{
    const Platform::WindowHandle window = Create();
    mWindows.PostMessage(window, Code::Paint, 0, 0);
    mWindows.DestroyWindow(window);

    EXPECT_TRUE(mWindows.IsWindow(window)) << "the window lives until its destroy message is handled";
    EXPECT_EQ(mSeen.size(), 1u) << "nothing is delivered from inside DestroyWindow";

    // The destroy comes first; the paint still queued for the window is dropped with it.
    EXPECT_EQ(Pump(), std::vector<std::uint32_t>{Code::Destroy});
    EXPECT_FALSE(mWindows.IsWindow(window));
    EXPECT_EQ(mWindows.MainWindow(), 0u);
}

TEST_F(WindowSystemTest, CloseGoesThroughDefaultHandlingToDestroyThenQuitAfterTheQueue)
{
    const Platform::WindowHandle window = Create();
    mWindows.RequestClose();
    EXPECT_EQ(Pump(), (std::vector<std::uint32_t>{Code::Close, Code::Destroy}));

    const Platform::WindowHandle again = Create();
    mWindows.PostMessage(again, Code::Paint, 0, 0);
    mWindows.PostQuitMessage(0);
    EXPECT_EQ(Pump(), (std::vector<std::uint32_t>{Code::Paint, Code::Quit}));
    EXPECT_NE(window, 0u);
}

TEST_F(WindowSystemTest, FocusChangesArriveInTheSystemsOrderAndReleaseKeys)
{
    const Platform::WindowHandle window = Create();
    mWindows.ShowWindow(window, Platform::ShowCommand::Normal);
    Pump();
    mWindows.SetKeyDown(Platform::VirtualKey::Space, true);

    mWindows.NotifyFocus(false);
    mWindows.NotifyFocus(false);
    EXPECT_EQ(Pump(), (std::vector<std::uint32_t>{Code::Activate, Code::ActivateApp, Code::KillFocus}));
    EXPECT_EQ(mWindows.GetKeyboardState()[Platform::VirtualKey::Space] & Platform::KeyDownBit, 0);
}

TEST_F(WindowSystemTest, KeyStateKeepsDownAndToggleBits)
{
    const std::uint8_t key = Platform::VirtualKey::LetterA;
    mWindows.SetKeyDown(key, true);
    EXPECT_EQ(mWindows.GetKeyboardState()[key], Platform::KeyDownBit | Platform::KeyToggleBit);
    mWindows.SetKeyDown(key, true); // a repeat does not toggle again
    mWindows.SetKeyDown(key, false);
    EXPECT_EQ(mWindows.GetKeyboardState()[key], Platform::KeyToggleBit);
    mWindows.SetKeyDown(key, true);
    mWindows.SetKeyDown(key, false);
    EXPECT_EQ(mWindows.GetKeyboardState()[key], 0);
}

// Real keys and scripted ones both come through PressKey: Alt held and Enter pressed is the
// display-mode switch, once per press of Enter.
TEST_F(WindowSystemTest, AltEnterBecomesTheSystemCommandOncePerPress)
{
    namespace Key = Platform::VirtualKey;
    Create();
    Pump();
    const auto switches = [this]
    {
        const std::vector<std::uint32_t> codes = Pump();
        return std::count(codes.begin(), codes.end(), Code::SysCommand);
    };
    mWindows.PressKey(Key::Return, true);
    mWindows.PressKey(Key::Return, false);
    EXPECT_EQ(switches(), 0) << "Enter alone";

    mWindows.PressKey(Key::Menu, true);
    mWindows.PressKey(Key::Return, true);
    mWindows.PressKey(Key::Return, true); // the key's repeat
    EXPECT_EQ(switches(), 1);
    mWindows.PressKey(Key::Return, false);
    mWindows.PressKey(Key::Return, true);
    EXPECT_EQ(switches(), 1) << "a second press while Alt is still held";
    mWindows.PressKey(Key::Return, false);
    mWindows.PressKey(Key::Menu, false);

    mWindows.PressKey(Key::Return, true);
    mWindows.PressKey(Key::Menu, true);
    EXPECT_EQ(switches(), 0) << "Alt after Enter";
}

TEST_F(WindowSystemTest, MinimiseAndRestoreBySystemCommand)
{
    const Platform::WindowHandle window = Create();
    mWindows.SendMessage(window, Code::SysCommand, Platform::SysCommandCode::Minimize, 0);
    EXPECT_TRUE(mWindows.IsMinimized(window));
    mWindows.SendMessage(window, Code::SysCommand, Platform::SysCommandCode::Restore, 0);
    EXPECT_FALSE(mWindows.IsMinimized(window));
}

TEST(WindowSystemGeometry, OuterRectAddsFrameAndCaptionOnlyToCaptionedStyles)
{
    Platform::DisplayMetrics metrics = Platform::HeadlessWindowSystem::DefaultMetrics();
    metrics.frameWidth = 4;
    metrics.captionHeight = 20;
    const Platform::WindowRect framed =
        Platform::WindowSystem::OuterRectForClient(metrics, 1024, 768, Platform::WindowStyle::Overlapped);
    EXPECT_EQ(framed.width, 1032);
    EXPECT_EQ(framed.height, 796);
    const Platform::WindowRect bare =
        Platform::WindowSystem::OuterRectForClient(metrics, 1024, 768, Platform::WindowStyle::FullScreen);
    EXPECT_EQ(bare, (Platform::WindowRect{0, 0, 1024, 768}));
}

} // namespace
