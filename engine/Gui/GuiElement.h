#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <string>

namespace Korrin
{

// The base of every widget and window: a name, a place (local in its container, absolute on the
// virtual screen), flags, and the hit test that turns a press and a release inside it into the
// frame's widget message.
class GuiElement
{
public:
    enum MouseState : std::uint32_t
    {
        kMouseNone = 0,
        kMouseDown = 1,    // the button is held over the element (or was pressed over it and is held)
        kMouseClicked = 2, // released over it after a press; lasts only inside the hit test
        kMouseOver = 3,
        kMouseOut = 4,
    };

    GuiElement();
    virtual ~GuiElement();
    GuiElement(const GuiElement&) = delete;
    GuiElement& operator=(const GuiElement&) = delete;

    virtual void UpdatePosition(const Vector2& parentPosition);
    virtual void HandleInput();
    virtual bool CheckMouse();
    virtual void Update();
    virtual void Draw();
    virtual void SetColour(const Colour& colour);
    virtual void SetAlpha(float alpha);

    // Drops over, pressed and the mouse state, as when the element's window is disabled.
    void ClearMouse();

    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    const std::string& GetKind() const { return mKind; }
    void SetKind(const std::string& kind) { mKind = kind; }
    const Vector2& GetPosition() const { return mPosition; }
    void SetPosition(const Vector2& position) { mPosition = position; }
    const Vector2& GetLocalPosition() const { return mLocalPosition; }
    void SetLocalPosition(const Vector2& position) { mLocalPosition = position; }
    bool IsVisible() const { return mVisible; }
    void SetVisible(bool visible) { mVisible = visible; }
    bool IsDisabled() const { return mDisabled; }
    bool IsPressed() const { return mPressed; }
    bool IsOver() const { return mOver; }
    std::uint32_t GetMouseState() const { return mMouseState; }
    const Rect& GetHitRect() const { return mHitRect; }
    void SetHitRect(const Rect& rect) { mHitRect = rect; }

    // The pointer on the virtual screen and the left button, as this frame's input snapshot has them.
    static Vector2 MousePosition();
    static bool IsLeftButtonHeld();

protected:
    // A rectangle of the same size at the origin: the hit rectangle of an image part.
    static Rect SizeOf(const Rect& rect);
    static bool PointInRect(const Vector2& point, const Rect& rect);

    std::string mName;
    std::string mKind;
    Vector2 mPosition;
    Vector2 mLocalPosition;
    bool mVisible = true;
    bool mDisabled = false;
    bool mPressed = false;
    std::uint32_t mMouseState = kMouseNone;
    Rect mHitRect;
    bool mOver = false;
};

} // namespace Korrin
