#pragma once

#include <cstdint>

// A decoration tile: the top-left corner of its cell and its tile-sheet frame + 1.
struct Decoration
{
    float x = 0.0f;
    float y = 0.0f;
    std::uint16_t code = 0;
};
