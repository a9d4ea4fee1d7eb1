#pragma once

#include "engine/Util/Singleton.h"
#include "platform/Message.h"

#include <array>
#include <cstdint>
#include <memory>

namespace Platform
{
class MouseDevice;
} // namespace Platform

namespace Korrin
{

// A snapshot of the mouse and the keyboard, taken once per frame; the game and the widgets read the
// snapshot, never the devices. A key or button is down when bit 7 of its state byte is set; pressed
// this frame when it is down now and was not in the frame before; released is the reverse.
class InputManager : public Singleton<InputManager>
{
public:
    using KeyStates = std::array<std::uint8_t, 256>;
    static constexpr std::uint8_t kDownBit = 0x80;
    enum Button
    {
        kLeftButton = 0,
        kRightButton = 1,
    };

    explicit InputManager(Platform::WindowHandle window);
    ~InputManager();

    static InputManager* GetInstance();

    // Takes this frame's snapshot; the frame calls it while the application is active.
    void Update();
    // Nothing held, no position, no wheel: what the frame leaves while the application is inactive.
    void Clear();
    // (Re)binds the mouse device to the window.
    void SetCooperativeLevel();

    bool IsKeyDown(std::uint8_t key) const { return (mKeys[key] & kDownBit) != 0; }
    bool IsKeyPressed(std::uint8_t key) const
    {
        return IsKeyDown(key) && (mPreviousKeys[key] & kDownBit) == 0;
    }
    bool IsKeyReleased(std::uint8_t key) const
    {
        return !IsKeyDown(key) && (mPreviousKeys[key] & kDownBit) != 0;
    }
    bool IsButtonDown(Button button) const { return (ButtonState(button) & kDownBit) != 0; }
    bool IsButtonPressed(Button button) const
    {
        return IsButtonDown(button) && (mPreviousButtons[button] & kDownBit) == 0;
    }
    bool IsButtonReleased(Button button) const
    {
        return !IsButtonDown(button) && (mPreviousButtons[button] & kDownBit) != 0;
    }

    const KeyStates& GetKeys() const { return mKeys; }
    const KeyStates& GetPreviousKeys() const { return mPreviousKeys; }
    // The pointer in the window's client pixels (not the virtual screen's).
    float GetX() const { return mX; }
    float GetY() const { return mY; }
    // The wheel's movement in the last frame, 120 units a notch.
    float GetWheel() const { return mWheel; }

private:
    std::uint8_t ButtonState(Button button) const
    {
        return button == kLeftButton ? mLeftButton : mRightButton;
    }
    void ReadMouse();

    KeyStates mKeys{};
    KeyStates mPreviousKeys{};
    std::uint8_t mLeftButton = 0;
    std::uint8_t mRightButton = 0;
    std::array<std::uint8_t, 2> mPreviousButtons{};
    std::unique_ptr<Platform::MouseDevice> mMouseDevice;
    Platform::WindowHandle mWindow = 0;
    float mX = 0.0f;
    float mY = 0.0f;
    float mWheel = 0.0f;
    bool mRelativeMode = false;
};

} // namespace Korrin
