#pragma once

#include <cstdint>

// A level's bonuses: for completing it, for finishing within the silver time, within the gold time.
struct LevelStar
{
    std::int32_t complete = 0;
    std::int32_t silver = 0;
    std::int32_t gold = 0;
};
