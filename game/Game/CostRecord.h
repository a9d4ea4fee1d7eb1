#pragma once

#include "game/Game/CostRow.h"

#include <cstdint>
#include <vector>

// The upgrade levels of one buyable thing and how far the player has bought it.
struct CostRecord
{
    std::uint16_t maxLevel = 0;
    std::uint16_t upgradeLevel = 0;
    std::vector<CostRow> rows;
    std::uint16_t unlockLevel = 0;
    std::uint8_t owned = 0;

    // The value of that level's row (its low 16 bits); a level past the last row takes the last row.
    static std::uint16_t GetLevelValue(std::uint16_t level, const CostRecord& record);
};
