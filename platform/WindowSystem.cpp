#include "platform/WindowSystem.h"

#include "platform/KeyText.h"
#include "platform/VirtualKey.h"

namespace Platform
{

namespace
{
constexpr WindowHandle kTheWindow = 1;
} // namespace

WindowSystem::WindowSystem() = default;
WindowSystem::~WindowSystem() = default;

WindowHandle WindowSystem::CreateAppWindow(const std::string& caption, std::uint32_t style,
                                           const WindowRect& outer, WindowProcedure procedure)
{
    if (mWindow != 0)
    {
        return 0; // one window per process
    }
    CreateNative(caption, outer);
    mProcedure = std::move(procedure);
    mWindow = kTheWindow;
    mStyle = style;
    mPlacement = outer;
    mDestroyPending = false;
    SendMessage(mWindow, MessageCode::Create, 0, 0);
    return mWindow;
}

void WindowSystem::DestroyWindow(WindowHandle window)
{
    if (IsWindow(window))
    {
        mDestroyPending = true;
    }
}

bool WindowSystem::IsWindow(WindowHandle window) const
{
    return window != 0 && window == mWindow;
}

void WindowSystem::ShowWindow(WindowHandle window, ShowCommand command)
{
    if (!IsWindow(window))
    {
        return;
    }
    mMinimized = command == ShowCommand::Minimize;
    ShowNative(command);
    if (command == ShowCommand::Normal && !mShownOnce)
    {
        mShownOnce = true;
        ActivateOnFirstShow();
    }
}

void WindowSystem::SetWindowStyle(WindowHandle window, std::uint32_t style)
{
    if (IsWindow(window))
    {
        mStyle = style;
    }
}

void WindowSystem::PlaceWindow(WindowHandle window, const WindowRect& outer, bool topmost)
{
    if (!IsWindow(window))
    {
        return;
    }
    mPlacement = outer;
    mTopmost = topmost;
    mMinimized = false;
    PlaceNative(mStyle, outer, topmost);
}

bool WindowSystem::IsMinimized(WindowHandle window) const
{
    return IsWindow(window) && mMinimized;
}

void WindowSystem::InvalidateWindow(WindowHandle window)
{
    if (IsWindow(window))
    {
        PostMessage(window, MessageCode::Paint, 0, 0);
    }
}

WindowRect WindowSystem::OuterRectForClient(const DisplayMetrics& metrics, int width, int height,
                                            std::uint32_t style)
{
    if ((style & WindowStyle::Caption) != WindowStyle::Caption)
    {
        return {0, 0, width, height};
    }
    return {-metrics.frameWidth, -(metrics.frameWidth + metrics.captionHeight),
            width + 2 * metrics.frameWidth, height + 2 * metrics.frameWidth + metrics.captionHeight};
}

WindowRect WindowSystem::ClientRect() const
{
    const WindowRect frame = OuterRectForClient(Metrics(), 0, 0, mStyle);
    return {0, 0, mPlacement.width - frame.width, mPlacement.height - frame.height};
}

bool WindowSystem::PeekMessage(Message& out)
{
    if (TakeDeferredWork(out))
    {
        return true;
    }
    PumpEvents();
    if (TakeDeferredWork(out))
    {
        return true;
    }
    if (!mQueue.empty())
    {
        out = mQueue.front();
        mQueue.pop_front();
        return true;
    }
    if (mQuitPosted)
    {
        mQuitPosted = false;
        out = Message{0, MessageCode::Quit, static_cast<std::uintptr_t>(mQuitCode), 0};
        return true;
    }
    return false;
}

bool WindowSystem::TakeDeferredWork(Message& out)
{
    if (mDestroyPending && mWindow != 0)
    {
        mDestroyPending = false;
        out = Message{mWindow, MessageCode::Destroy, 0, 0};
        return true;
    }
    if (mCloseRequested.exchange(false) && mWindow != 0)
    {
        out = Message{mWindow, MessageCode::Close, 0, 0};
        return true;
    }
    if (mRaiseRequested.exchange(false) && mWindow != 0)
    {
        if (mMinimized)
        {
            ShowWindow(mWindow, ShowCommand::Restore);
        }
        RaiseNative();
    }
    return false;
}

std::intptr_t WindowSystem::DispatchMessage(const Message& message)
{
    if (!IsWindow(message.window) || !mProcedure)
    {
        return 0;
    }
    const std::intptr_t result = mProcedure(message.window, message.code, message.first, message.second);
    if (message.code == MessageCode::Destroy)
    {
        // The procedure has seen the destroy message: now the window goes, with whatever still waits for it.
        DestroyNative();
        mWindow = 0;
        mProcedure = nullptr;
        std::erase_if(mQueue, [](const Message& waiting) { return waiting.window != 0; });
    }
    return result;
}

std::intptr_t WindowSystem::SendMessage(WindowHandle window, std::uint32_t code, std::uintptr_t first,
                                        std::intptr_t second)
{
    if (!IsWindow(window) || !mProcedure)
    {
        return 0;
    }
    return mProcedure(window, code, first, second);
}

void WindowSystem::PostMessage(WindowHandle window, std::uint32_t code, std::uintptr_t first,
                               std::intptr_t second)
{
    if (IsWindow(window))
    {
        mQueue.push_back(Message{window, code, first, second});
    }
}

void WindowSystem::PostQuitMessage(int exitCode)
{
    mQuitPosted = true;
    mQuitCode = exitCode;
}

std::intptr_t WindowSystem::DefaultProcedure(WindowHandle window, std::uint32_t code, std::uintptr_t first,
                                             std::intptr_t /*second*/)
{
    if (!IsWindow(window))
    {
        return 0;
    }
    if (code == MessageCode::Close)
    {
        DestroyWindow(window);
    }
    else if (code == MessageCode::SysCommand)
    {
        const std::uintptr_t command = first & 0xFFF0;
        if (command == SysCommandCode::Minimize)
        {
            ShowWindow(window, ShowCommand::Minimize);
        }
        else if (command == SysCommandCode::Restore)
        {
            ShowWindow(window, ShowCommand::Restore);
        }
    }
    return 0;
}

void WindowSystem::SetKeyDown(std::uint8_t virtualKey, bool down)
{
    std::uint8_t& key = mKeys[virtualKey];
    if (down && (key & KeyDownBit) == 0)
    {
        key ^= KeyToggleBit;
    }
    if (!down)
    {
        mTypedCharacters[virtualKey] = 0; // what it typed belongs to that press only
    }
    key = static_cast<std::uint8_t>(down ? (key | KeyDownBit) : (key & ~KeyDownBit));
}

void WindowSystem::ReleaseAllKeys()
{
    for (std::uint8_t& key : mKeys)
    {
        key = static_cast<std::uint8_t>(key & ~KeyDownBit);
    }
    mTypedCharacters.fill(0);
}

char16_t WindowSystem::CharacterForKey(std::uint8_t virtualKey, const KeyboardState& state) const
{
    if ((state[VirtualKey::Control] & KeyDownBit) != 0 || (state[VirtualKey::Menu] & KeyDownBit) != 0)
    {
        return 0; // a shortcut, not typing
    }
    if (mTypedCharacters[virtualKey] != 0)
    {
        return mTypedCharacters[virtualKey];
    }
    return ReportsTypedText() ? 0 : KeyText::Translate(virtualKey, state);
}

void WindowSystem::PressKey(std::uint8_t virtualKey, bool down)
{
    SetKeyDown(virtualKey, down);
    PostMessage(mWindow, down ? MessageCode::KeyDown : MessageCode::KeyUp, virtualKey, 0);
}

void WindowSystem::TypeCharacter(std::uint8_t virtualKey, char16_t character)
{
    if (virtualKey != 0)
    {
        mTypedCharacters[virtualKey] = character;
    }
    PostMessage(mWindow, MessageCode::Char, character, 0);
}

void WindowSystem::MoveCursor(CursorPoint client)
{
    mMouse.MoveTo(client);
    const WindowRect area = ClientRect();
    const bool inside = client.x >= 0 && client.y >= 0 && client.x < area.width && client.y < area.height;
    PostMessage(mWindow, MessageCode::SetCursor, mWindow, inside ? HitClient : HitNowhere);
}

void WindowSystem::PressMouseButton(int button, bool down)
{
    static constexpr std::uint8_t kButtonKeys[] = {VirtualKey::LeftButton, VirtualKey::RightButton,
                                                   VirtualKey::MiddleButton, VirtualKey::ExtraButton};
    if (button < 0 || button >= MouseInput::kButtonCount)
    {
        return;
    }
    mMouse.SetButton(button, down);
    SetKeyDown(kButtonKeys[button], down);
}

void WindowSystem::NotifyFocus(bool focused)
{
    if (mWindow == 0 || focused == mFocused)
    {
        return;
    }
    mFocused = focused;
    if (!focused)
    {
        ++mFocusLosses;
        mMouse.ReleaseButtons();
    }
    if (focused)
    {
        PostMessage(mWindow, MessageCode::ActivateApp, 1, 0);
        PostMessage(mWindow, MessageCode::Activate, ActivateState::Active, 0);
    }
    else
    {
        ReleaseAllKeys();
        PostMessage(mWindow, MessageCode::Activate, ActivateState::Inactive, 0);
        PostMessage(mWindow, MessageCode::ActivateApp, 0, 0);
        PostMessage(mWindow, MessageCode::KillFocus, 0, 0);
    }
}

void WindowSystem::ActivateOnFirstShow()
{
    // Without this activation the engine would never read input, whatever the window manager does.
    NotifyFocus(true);
}

} // namespace Platform
