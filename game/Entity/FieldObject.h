#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <cstdint>

// The rectangle and click interface shared by entities, characters and the thief's bags: the level offers
// each enabled object the mouse position and a new click, in the order of its object list.
class FieldObject
{
public:
    static constexpr std::int32_t kNone = -1;

    virtual ~FieldObject() = default;

    virtual void ClearHover() { mHover = kNone; }
    virtual void ClearPressed() { mPressed = kNone; }
    // Fills the panel page of this object; called on a click and when the money changes while selected.
    virtual void ChangeGui() {}
    // Called every frame on the selected object.
    virtual void OnGuiEvent() {}
    // True when the point lies in the screen rectangle (edges included); the object is then hovered.
    virtual bool IsPointInside(const Korrin::Vector2& point);
    // Takes a click that went down this frame on the hovered object while no input lock holds the field.
    virtual bool TryClick();
    virtual void SetType(std::uint8_t type) { mType = type; }

    std::uint8_t GetType() const { return mType; }
    bool IsEnabled() const { return mEnabled != 0; }
    void SetEnabled(bool enabled) { mEnabled = enabled ? 1 : 0; }
    const Korrin::Rect& GetRect() const { return mRect; }
    void SetRect(const Korrin::Rect& rect) { mRect = rect; }
    std::int32_t GetHover() const { return mHover; }
    std::int32_t GetPressed() const { return mPressed; }
    void SetPressed(std::int32_t pressed) { mPressed = pressed; }
    bool IsSelected() const { return mPressed != kNone; }

    // The left button went down this frame (down now, up in the frame before).
    static bool LeftButtonWentDown();

protected:
    FieldObject() = default;
    FieldObject(const FieldObject&) = default;
    FieldObject& operator=(const FieldObject&) = default;

    std::int32_t mHover = kNone;
    std::int32_t mPressed = kNone;
    Korrin::Rect mRect;
    std::uint8_t mEnabled = 1;
    std::uint8_t mType = 0;
};
