#include "tools/RopePictures/LinkTiles.h"

#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>

using Painting::Argb;
using Painting::Mix;

namespace
{

enum class Look
{
    None,
    Rope,
    Stairs,
    GoodStairs,
    Teleport
};

struct LinkCode
{
    Look look = Look::None;
    bool onFloor = false;
    bool lit = false;
};

bool Among(int code, std::initializer_list<int> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

LinkCode Classify(int code)
{
    if (Among(code, {72}))
    {
        return {Look::Rope, true, false};
    }
    if (Among(code, {40, 56, 88, 104, 120}))
    {
        return {Look::Rope, false, false};
    }
    if (Among(code, {65, 66, 67}))
    {
        return {Look::None, true, false};
    }
    if (Among(code, {71, 147}))
    {
        return {Look::Stairs, true, false};
    }
    if (Among(code, {87, 103, 119}))
    {
        return {Look::Stairs, false, false};
    }
    if (Among(code, {70, 146}))
    {
        return {Look::GoodStairs, true, false};
    }
    if (Among(code, {86, 102, 118}))
    {
        return {Look::GoodStairs, false, false};
    }
    if (Among(code, {69, 145}))
    {
        return {Look::Teleport, true, false};
    }
    if (Among(code, {85, 101}))
    {
        return {Look::Teleport, false, false};
    }
    // The highlights, drawn additively over the tiles above.
    if (Among(code, {136, 152}))
    {
        return {Look::Rope, false, true};
    }
    if (Among(code, {135, 151, 167}))
    {
        return {Look::Stairs, false, true};
    }
    if (Among(code, {134, 150, 166}))
    {
        return {Look::GoodStairs, false, true};
    }
    if (Among(code, {133, 149, 193, 209}))
    {
        return {Look::Teleport, false, true};
    }
    return {};
}

// A rope hanging down the middle of the cell, slightly twisting.
bool RopeAt(int x, int y)
{
    const int centre = 32 + static_cast<int>(std::lround(2.0 * std::sin(y * 0.8)));
    return std::abs(x - centre) <= 2;
}

// Stairs: two stringers and treads every 6 pixels; the good stairs are wider, with a handrail.
bool StairsAt(int x, int y, bool good, bool& rail)
{
    const int left = good ? 12 : 18;
    const int right = good ? 52 : 46;
    rail = good && (x == left - 3 || x == right + 3) && y % 2 == 0;
    const bool stringer = x >= left && x <= left + 3 ? true : x >= right - 3 && x <= right;
    const bool tread = x > left && x < right && y % 6 >= 2 && y % 6 <= 3;
    return stringer || tread;
}

// A teleport link: a column of light with rising sparks.
bool TeleportAt(int x, int y, float& strength)
{
    const float dx = std::abs(static_cast<float>(x) - 32.0f);
    if (dx > 14.0f)
    {
        return false;
    }
    strength = 1.0f - dx / 14.0f;
    if ((x * 7 + y * 13) % 23 == 0)
    {
        strength = 1.0f;
    }
    return true;
}

} // namespace

namespace LinkTiles
{

bool Cell(int code, int x, int y, std::uint32_t floor, std::uint32_t& colour)
{
    const LinkCode link = Classify(code);
    if (link.look == Look::None && !link.onFloor)
    {
        return false;
    }
    const std::uint32_t under = link.onFloor ? floor : 0;
    colour = under;
    switch (link.look)
    {
    case Look::Rope:
        if (RopeAt(x, y))
        {
            colour = link.lit ? Argb(255, 255, 240, 120) : Argb(255, 200, 170, 110);
        }
        break;
    case Look::Stairs:
    case Look::GoodStairs:
    {
        bool rail = false;
        if (StairsAt(x, y, link.look == Look::GoodStairs, rail) || rail)
        {
            const std::uint32_t wood =
                link.look == Look::GoodStairs ? Argb(255, 120, 70, 35) : Argb(255, 170, 120, 65);
            colour = link.lit ? Argb(255, 255, 230, 140) : wood;
        }
        break;
    }
    case Look::Teleport:
    {
        float strength = 0.0f;
        if (TeleportAt(x, y, strength))
        {
            const std::uint32_t light = link.lit ? Argb(255, 220, 255, 255) : Argb(255, 120, 200, 255);
            colour = link.onFloor ? Mix(under, light, strength * 0.8f)
                                  : Argb(static_cast<int>(60 + 195 * strength), (light >> 16) & 0xFF,
                                         (light >> 8) & 0xFF, light & 0xFF);
        }
        break;
    }
    case Look::None:
        break;
    }
    return true;
}

} // namespace LinkTiles
