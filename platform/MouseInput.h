#pragma once

#include "platform/MouseState.h"

#include <cstdint>

namespace Platform
{

// A pointer position in client pixels.
struct CursorPoint
{
    int x = 0;
    int y = 0;

    bool operator==(const CursorPoint&) const = default;
};

// What the pointing device has done, as the backends (SDL2 events, scripted input) report it: the
// pointer's place, the buttons held and the movement not yet read by the mouse device.
class MouseInput
{
public:
    static constexpr int kButtonCount = 4;

    CursorPoint Position() const { return mPosition; }
    void MoveTo(CursorPoint position);
    void MoveBy(int dx, int dy);
    void SetButton(int button, bool down);
    bool IsButtonDown(int button) const;
    void TurnWheel(std::int32_t units);

    // The movement since the last take, with the buttons as they are now; the movement starts again at 0.
    MouseState TakeState();
    // Forgets the movement not yet taken (a device that starts reading sees nothing from before).
    void DiscardMovement();
    // Everything released, as when the focus goes elsewhere.
    void ReleaseButtons();

private:
    CursorPoint mPosition;
    MouseState mPending;
};

} // namespace Platform
