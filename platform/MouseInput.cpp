#include "platform/MouseInput.h"

namespace Platform
{

namespace
{
constexpr std::uint8_t kButtonDown = 0x80;
} // namespace

void MouseInput::MoveTo(CursorPoint position)
{
    MoveBy(position.x - mPosition.x, position.y - mPosition.y);
}

void MouseInput::MoveBy(int dx, int dy)
{
    mPosition.x += dx;
    mPosition.y += dy;
    mPending.x += dx;
    mPending.y += dy;
}

void MouseInput::SetButton(int button, bool down)
{
    if (button >= 0 && button < kButtonCount)
    {
        mPending.buttons[static_cast<std::size_t>(button)] = down ? kButtonDown : 0;
    }
}

bool MouseInput::IsButtonDown(int button) const
{
    return button >= 0 && button < kButtonCount &&
           (mPending.buttons[static_cast<std::size_t>(button)] & kButtonDown) != 0;
}

void MouseInput::TurnWheel(std::int32_t units)
{
    mPending.z += units;
}

MouseState MouseInput::TakeState()
{
    const MouseState taken = mPending;
    DiscardMovement();
    return taken;
}

void MouseInput::DiscardMovement()
{
    mPending.x = 0;
    mPending.y = 0;
    mPending.z = 0;
}

void MouseInput::ReleaseButtons()
{
    mPending.buttons = {};
}

} // namespace Platform
