#pragma once

#include <cstdint>

// A screen that shows how far the player has come; the game tells it when a won level opens the next.
class LevelProgressView
{
public:
    virtual ~LevelProgressView() = default;
    virtual void ShowNewHighestLevel(std::uint16_t highestLevel) = 0;
};
