#pragma once

#include "platform/DisplayMetrics.h"
#include "platform/Message.h"
#include "platform/MouseInput.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace Platform
{

using WindowProcedure =
    std::function<std::intptr_t(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)>;

enum class ShowCommand
{
    Normal,
    Minimize,
    Restore,
};

// The window and its message queue. The game has one window; the queue is what the engine's loop
// takes from without blocking. Backends (SDL2, headless) turn their events into messages.
//
// Destroying the window is deferred: the destroy message is delivered when the loop next takes a
// message, so a caller deep inside a frame never has the application torn down under it.
class WindowSystem
{
public:
    WindowSystem();
    virtual ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The window. Creation sends the create message to the procedure before it returns.
    WindowHandle CreateAppWindow(const std::string& caption, std::uint32_t style, const WindowRect& outer,
                                 WindowProcedure procedure);
    void DestroyWindow(WindowHandle window);
    bool IsWindow(WindowHandle window) const;
    WindowHandle MainWindow() const { return mWindow; }
    void ShowWindow(WindowHandle window, ShowCommand command);
    void SetWindowStyle(WindowHandle window, std::uint32_t style);
    void PlaceWindow(WindowHandle window, const WindowRect& outer, bool topmost);
    bool IsMinimized(WindowHandle window) const;
    void InvalidateWindow(WindowHandle window);
    std::uint32_t Style() const { return mStyle; }
    WindowRect Placement() const { return mPlacement; }
    bool IsTopmost() const { return mTopmost; }

    // The outer rectangle of a window whose client area is width x height, for a style, on a desktop
    // with these metrics.
    static WindowRect OuterRectForClient(const DisplayMetrics& metrics, int width, int height,
                                         std::uint32_t style);
    virtual DisplayMetrics Metrics() const = 0;

    // Messages.
    bool PeekMessage(Message& out);
    std::intptr_t DispatchMessage(const Message& message);
    std::intptr_t SendMessage(WindowHandle window, std::uint32_t code, std::uintptr_t first,
                              std::intptr_t second);
    void PostMessage(WindowHandle window, std::uint32_t code, std::uintptr_t first, std::intptr_t second);
    void PostQuitMessage(int exitCode);
    std::intptr_t DefaultProcedure(WindowHandle window, std::uint32_t code, std::uintptr_t first,
                                   std::intptr_t second);

    // Asks for the window to be closed as if by its close button; safe from a signal handler.
    void RequestClose() { mCloseRequested.store(true); }
    // Asks for the window to be restored and raised; safe from a signal handler.
    void RequestRaise() { mRaiseRequested.store(true); }

    // Keyboard state by virtual-key code: bit 7 down, bit 0 toggled by each press.
    using KeyboardState = std::array<std::uint8_t, 256>;
    const KeyboardState& GetKeyboardState() const { return mKeys; }

    // The system's arrow cursor over the client area, shown or hidden.
    virtual void SetArrowCursorVisible(bool visible) = 0;

    // The pointer and buttons; the pointer's position is in client pixels, as the system cursor's.
    MouseInput& Mouse() { return mMouse; }
    const MouseInput& Mouse() const { return mMouse; }
    // The character a key types with a keyboard state: the one the backend reported for the key's
    // current press; where the backend reports no typed text, the common layout's. 0 for none, and
    // always 0 while Ctrl or Alt is held.
    char16_t CharacterForKey(std::uint8_t virtualKey, const KeyboardState& state) const;
    bool HasFocus() const { return mFocused; }
    // Counts every loss of the focus; a mouse device compares it to notice that its input was lost.
    std::uint64_t FocusLosses() const { return mFocusLosses; }
    // The client area's size, from the placement and the style.
    WindowRect ClientRect() const;
    // Shows a finished frame (0xAARRGGBB rows, pitch in pixels), scaled to the client area. Nothing
    // to show it on headless.
    virtual void PresentPixels(const std::uint32_t* /*pixels*/, int /*width*/, int /*height*/, int /*pitch*/)
    {
    }
    // Called just before a frame is shown: in real play, waits so that frames come no faster than the
    // display refreshes. Headless and fixed-step runs go on at once.
    virtual void WaitToPresent() {}
    // The window's own rows (0xAARRGGBB, pitch in pixels) when a frame of this size is shown by copying
    // its rows onto them one to one, so that a device may copy them on its own threads and then call
    // ShowCopiedFrame; null rows when the frame must go through PresentPixels.
    struct FrameRows
    {
        std::uint32_t* rows = nullptr;
        int pitch = 0;
    };
    virtual FrameRows RowsForFrame(int /*width*/, int /*height*/) { return {}; }
    // Shows the rows a device copied into RowsForFrame's (after the wait for the display).
    virtual void ShowCopiedFrame() {}

    // Backends and scripted input feed the keyboard through these.
    void SetKeyDown(std::uint8_t virtualKey, bool down);
    void ReleaseAllKeys();
    // A key pressed or released: its state and the key message.
    void PressKey(std::uint8_t virtualKey, bool down);
    // A character typed with a key: the character message, and the key's character until it is released.
    void TypeCharacter(std::uint8_t virtualKey, char16_t character);
    // The pointer moved (client pixels): the set-cursor message tells the window where it is.
    void MoveCursor(CursorPoint client);
    // Mouse buttons 0 (left), 1 (right), 2 (middle), 3: the device's byte and the key state.
    void PressMouseButton(int button, bool down);
    // The window gained or lost the focus: delivers the activation messages in the system's order.
    void NotifyFocus(bool focused);

protected:
    // A backend that reports the text each key press types: a press it reports nothing for types nothing.
    virtual bool ReportsTypedText() const { return false; }
    virtual void CreateNative(const std::string& caption, const WindowRect& outer) = 0;
    virtual void DestroyNative() = 0;
    virtual void ShowNative(ShowCommand command) = 0;
    virtual void PlaceNative(std::uint32_t style, const WindowRect& outer, bool topmost) = 0;
    virtual void RaiseNative() = 0;
    // Turns waiting backend events into messages.
    virtual void PumpEvents() = 0;

private:
    void ActivateOnFirstShow();
    bool TakeDeferredWork(Message& out);

    WindowProcedure mProcedure;
    WindowHandle mWindow = 0;
    std::uint32_t mStyle = 0;
    WindowRect mPlacement;
    bool mTopmost = false;
    bool mMinimized = false;
    bool mShownOnce = false;
    bool mFocused = false;
    bool mDestroyPending = false;
    bool mQuitPosted = false;
    int mQuitCode = 0;
    std::deque<Message> mQueue;
    KeyboardState mKeys{};
    MouseInput mMouse;
    std::array<char16_t, 256> mTypedCharacters{};
    std::uint64_t mFocusLosses = 0;
    std::atomic<bool> mCloseRequested{false};
    std::atomic<bool> mRaiseRequested{false};
};

} // namespace Platform
