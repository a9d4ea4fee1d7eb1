#pragma once

#include <cstdint>

// The garden beds' floor tiles of the level tile sheets: tilled soil (98) and the earth under it (114)
// while a gardener tends the beds, dry weedy soil (97) and its earth (113) while nobody does.
namespace GardenTiles
{

// True when the tile code is one of the four; colour is then the ARGB pixel at (x, y) of the 64 x 24
// cell.
bool Cell(int code, int x, int y, std::uint32_t& colour);

} // namespace GardenTiles
