#pragma once

#include "engine/Util/Vector2.h"

#include <cstdint>
#include <string>

class LuaValue;

// One good of the map shop: where its pedestal stands, its icons and how far it is bought.
class MapShopItem
{
public:
    enum State : std::uint32_t
    {
        kAffordable = 0,
        kTooDear = 1,
        kPartlyBought = 2,
        kComplete = 3,
        kLocked = 4,
    };

    MapShopItem() = default;
    virtual ~MapShopItem() = default;
    MapShopItem(const MapShopItem&) = delete;
    MapShopItem& operator=(const MapShopItem&) = delete;

    // Fills the item from its entry of "MapShopData"; a value that is not a table reads nothing.
    void Load(const LuaValue& table);

    std::uint32_t state = kLocked;
    Korrin::Vector2 position;
    std::uint16_t firstIconFrame = 0;
    std::uint16_t maxPoints = 0;
    std::uint16_t points = 0;
    std::string hintName;
};
