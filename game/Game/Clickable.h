#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <cstdint>

// The mouse interface shared by entities, characters and the thief's bags: each frame the level clears
// every hover, offers the mouse position to the selectable objects in the order of its list, and offers
// a new click the same way (Level::RouteMouse).
class Clickable
{
public:
    static constexpr std::int32_t kNone = -1;

    virtual ~Clickable() = default;

    virtual void ClearHover() { mHover = kNone; }
    virtual void ClearPressed() { mPressed = kNone; }
    // Fills the panel page of this object; called on a click and when the money changes while selected.
    virtual void ChangeGui() = 0;
    // Called every frame on the selected object.
    virtual void OnGuiEvent() = 0;
    // True when the point lies in the screen rectangle (edges included); the object is then hovered.
    virtual bool IsPointInside(const Korrin::Vector2& point);
    // Takes a click that went down this frame on the hovered object while no input lock holds the field;
    // the object then fills its panel page and counts as pressed.
    virtual bool TryClick();
    virtual void SetType(std::uint8_t type) { mType = type; }
    // Sorted behind every other object of the level's list, so that those in front of it take the mouse
    // first.
    virtual bool IsClickedLast() const { return false; }
    // A click on it selects another object (a worker's home entity) and leaves that the selection.
    virtual bool SelectsHomeOnClick() const { return false; }
    // False for an object whose click shows no panel page of its own: the panel goes back to its first.
    virtual bool HasPanelPage() const { return true; }

    std::uint8_t GetType() const { return mType; }
    // An object that is not selectable takes no hover nor click, and loses the selection.
    bool IsSelectable() const { return mSelectable != 0; }
    void SetSelectable(bool selectable) { mSelectable = selectable ? 1 : 0; }
    const Korrin::Rect& GetRect() const { return mRect; }
    void SetRect(const Korrin::Rect& rect) { mRect = rect; }
    std::int32_t GetHover() const { return mHover; }
    void SetHover(std::int32_t hover) { mHover = hover; }
    std::int32_t GetPressed() const { return mPressed; }
    void SetPressed(std::int32_t pressed) { mPressed = pressed; }
    bool IsSelected() const { return mPressed != kNone; }
    // The panel mode of the object: which of its panel's tabs shows (0 its own page, 1 its worker's); a
    // production building keeps its page mode in it too.
    std::uint32_t GetPanelMode() const { return mPanelMode; }
    void SetPanelMode(std::uint32_t mode) { mPanelMode = mode; }

    // The left button went down this frame (down now, up in the frame before).
    static bool LeftButtonWentDown();

protected:
    Clickable() = default;
    Clickable(const Clickable&) = default;
    Clickable& operator=(const Clickable&) = default;

    std::int32_t mHover = kNone;
    std::int32_t mPressed = kNone;
    Korrin::Rect mRect;
    std::uint8_t mSelectable = 1;
    std::uint8_t mType = 0;
    std::uint32_t mPanelMode = 0;
};
