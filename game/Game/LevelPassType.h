#pragma once

#include <cstdint>

// How well a level was passed; stored as a signed 32-bit value.
enum LevelPassType : std::int32_t
{
    kLevelNotPassed = 0,
    kLevelPassedSilver = 1,
    kLevelPassedGold = 2,
};
