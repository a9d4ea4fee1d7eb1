#pragma once

#include <cstdint>

// A cell of the game field: I across (0 to 15), J down (0 to 25).
struct IJ
{
    std::int32_t I = 0;
    std::int32_t J = 0;

    bool operator==(const IJ& other) const = default;
};
