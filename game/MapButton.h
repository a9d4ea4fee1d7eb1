#pragma once

#include "engine/Util/Vector2.h"

#include <cstdint>

class LuaValue;

// A level button of the world map. Its index in the map's list is the 0-based level.
class MapButton
{
public:
    // What the button shows, also the frame within its type's row of six.
    enum State : std::uint32_t
    {
        kLocked = 0,
        kOpen = 1,
        kPassed = 2,
        kGold = 3,
        kSilver = 4,
        kWaitingForGoods = 5,
    };
    enum Mouse : std::uint32_t
    {
        kNone = 0,
        kHover = 1,
        kPressed = 2,
        kClicked = 3,
    };
    static constexpr std::uint32_t kFramesPerType = 6;
    static constexpr std::int32_t kNothingPressed = -1;

    MapButton();
    virtual ~MapButton() = default;
    MapButton(const MapButton&) = delete;
    MapButton& operator=(const MapButton&) = delete;

    // Reads an entry of "buttons": "Pos" and "Type".
    virtual void Load(const LuaValue& table);

    // The mouse state of this frame from the input (blocked while a window is shown).
    std::uint32_t UpdateMouse(bool blocked);
    // The same with the cursor in virtual-screen pixels and the left button's state given.
    std::uint32_t UpdateMouseAt(bool blocked, const Korrin::Vector2& cursor, bool leftDown);

    bool Contains(const Korrin::Vector2& point) const;

    // The button on which the left button went down, shared by every button.
    static std::int32_t pressedId;

    std::uint32_t id;
    std::int32_t type = 0;
    Korrin::Vector2 pos;
    std::uint32_t state = kLocked;
    std::uint32_t mouse = kNone;

private:
    static std::uint32_t sCreated;
};
