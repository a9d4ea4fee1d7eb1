#pragma once

#include "engine/Util/SafeVector.h"

#include <cstdint>
#include <string>
#include <vector>

class TableCost;

// What the world map needs per level (index 0 = level 1): the scenery item it shows and the shop items
// with their upgrade levels, plus the two levels that steer the progress display. Read once from
// "MapSettings.lua".
class MapSettings
{
public:
    // A good a level requires: its cost id, bought and upgraded at least to this level.
    struct ShopItem
    {
        std::int32_t id = 0;
        std::int32_t upgrade = 0;

        // The id as a cost id, held to 0 to 255.
        std::uint8_t CostId() const;
        // True while the good is not bought or not upgraded far enough; an id without a cost record (or
        // outside the cost ids) is never met.
        bool IsMissing(const TableCost* table) const;
    };

    struct LevelSettings
    {
        std::int32_t sceneryItem = -1;
        std::vector<ShopItem> shopItems;
        std::string name;
    };

    virtual ~MapSettings() = default;

    void Load();
    const LevelSettings& GetLevel(std::uint32_t index) const;
    std::uint32_t GetLevelCount() const { return static_cast<std::uint32_t>(mLevels.size()); }
    std::int32_t GetProgressStartLevel() const { return mProgressStartLevel; }
    std::int32_t GetProgressSwapLevel() const { return mProgressSwapLevel; }

private:
    std::int32_t mProgressStartLevel = 0;
    std::int32_t mProgressSwapLevel = 0;
    Korrin::SafeVector<LevelSettings> mLevels{"MapSettings::levels"};
};
