#pragma once

#include <cstdint>

// The link tiles of the level tile sheets: ropes, two grades of stairs and teleport links, and the
// highlighted forms the field draws over a hovered or selected link. A link's top and bottom cells lie
// on a floor, so those show the floor with the link over it.
namespace LinkTiles
{

// True when the tile code is a link tile; colour is then the ARGB pixel at (x, y) of the 64 x 24 cell.
// floor: the floor's pixel there, for the cells a link shares with a floor.
bool Cell(int code, int x, int y, std::uint32_t floor, std::uint32_t& colour);

} // namespace LinkTiles
