#include "tools/GardenPictures/GardenTiles.h"

#include "tools/Common/Painting.h"

#include <cmath>
#include <cstdlib>

using Painting::Argb;
using Painting::Mix;

namespace
{

// A repeatable grain of the soil, 0 to 1.
float Grain(int x, int y)
{
    const unsigned hash = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
    return static_cast<float>(hash % 97u) / 96.0f;
}

std::uint32_t Soil(int x, int y, bool tended)
{
    const std::uint32_t light = tended ? Argb(255, 104, 70, 42) : Argb(255, 150, 118, 80);
    const std::uint32_t dark = tended ? Argb(255, 66, 42, 26) : Argb(255, 118, 92, 62);
    std::uint32_t colour = Mix(light, dark, Grain(x, y) * 0.5f);
    if (tended)
    {
        // Furrows across the bed.
        if (y % 8 == 6 || y % 8 == 7)
        {
            colour = Mix(colour, Argb(255, 40, 26, 16), 0.5f);
        }
        return colour;
    }
    // Cracks in the dry earth.
    const int crack = (x + 3 * (y / 6)) % 17;
    if (crack == 0 && y > 3)
    {
        colour = Mix(colour, Argb(255, 70, 52, 34), 0.6f);
    }
    return colour;
}

// A tuft of weeds at the top of an unattended bed.
bool Weed(int x, int y)
{
    for (const int root : {9, 30, 51})
    {
        const int dx = std::abs(x - root);
        if (y < 9 && dx <= 4 && (dx * 2 == 9 - y || dx * 2 == 8 - y || dx == 0))
        {
            return true;
        }
    }
    return false;
}

} // namespace

namespace GardenTiles
{

bool Cell(int code, int x, int y, std::uint32_t& colour)
{
    switch (code)
    {
    case 97:
        colour = Weed(x, y) ? Argb(255, 110, 150, 50) : Soil(x, y, false);
        return true;
    case 98:
        colour = y < 2 ? Argb(255, 120, 86, 54) : Soil(x, y, true);
        return true;
    case 113:
    case 114:
    {
        // The earth under the bed, with a rounded lower edge.
        const float edge = 14.0f + 5.0f * std::sin(static_cast<float>(x) * 0.19f);
        colour = static_cast<float>(y) < edge ? Soil(x, y, code == 114) : 0u;
        return true;
    }
    default:
        return false;
    }
}

} // namespace GardenTiles
