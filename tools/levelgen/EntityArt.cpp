#include "tools/levelgen/EntityArt.h"

#include "game/Game/GameTables.h"
#include "platform/Image.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

using Painting::Argb;
using Painting::Mix;
using Painting::Paint;
using Painting::WritePng;

namespace
{

const std::uint32_t kOutline = Argb(255, 50, 34, 20);
const std::uint32_t kWood = Argb(255, 150, 104, 60);
const std::uint32_t kDarkWood = Argb(255, 100, 66, 36);
const std::uint32_t kSoil = Argb(255, 112, 76, 44);
const std::uint32_t kGrass = Argb(255, 90, 150, 60);
const std::uint32_t kCoin = Argb(255, 244, 196, 60);

bool InCircle(int x, int y, float cx, float cy, float r)
{
    const float dx = static_cast<float>(x) - cx;
    const float dy = static_cast<float>(y) - cy;
    return dx * dx + dy * dy <= r * r;
}

bool InBox(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x <= right && y >= top && y <= bottom;
}

// Planks of wood across, a darker line between them.
std::uint32_t Planks(int x, int y, std::uint32_t wood, int height)
{
    if (y % height == 0)
    {
        return Mix(wood, kOutline, 0.5f);
    }
    return (x * 7 + y * 13) % 29 == 0 ? Mix(wood, kOutline, 0.25f) : wood;
}

// A coin on a post: the sign of a lot for sale.
std::uint32_t ForSaleSign(int x, int y, int postX, int top, int bottom)
{
    if (InCircle(x, y, static_cast<float>(postX), static_cast<float>(top + 10), 10.0f))
    {
        const bool rim = !InCircle(x, y, static_cast<float>(postX), static_cast<float>(top + 10), 8.0f);
        return rim ? Mix(kCoin, kOutline, 0.4f) : kCoin;
    }
    if (InBox(x, y, postX - 2, top + 20, postX + 2, bottom))
    {
        return kDarkWood;
    }
    return 0;
}

// A garden bed, 128 x 48: a wooden frame round dark soil in furrows with sprouts along them.
std::uint32_t Garden(int x, int y)
{
    const int w = 128;
    const int h = 48;
    if (y < 14)
    {
        // Sprouts stand above the soil along the furrows.
        const int column = x % 16;
        const bool stem = column == 8 && y >= 8 && x > 6 && x < w - 6;
        const bool leaf = (std::abs(column - 8) <= 3 && y >= 6 && y <= 9 && x > 6 && x < w - 6) &&
                          std::abs(column - 8) + std::abs(y - 7) <= 3;
        return stem || leaf ? Argb(255, 70, 160, 50) : 0u;
    }
    if (x < 3 || x > w - 4 || y < 17 || y > h - 4)
    {
        return x < 1 || x > w - 2 || y > h - 2 || y < 15 ? kOutline : kWood;
    }
    // Furrows across the bed: ridges lighter, troughs darker.
    const float ridge = 0.5f + 0.5f * std::sin(static_cast<float>(y - 17) * 0.8f);
    return Mix(Mix(kSoil, kOutline, 0.45f), Mix(kSoil, Argb(255, 200, 160, 110), 0.2f), ridge);
}

// A lot for sale, 128 x 48: grass with a row of pegs and a coin sign.
std::uint32_t GardenForSale(int x, int y)
{
    if (const std::uint32_t sign = ForSaleSign(x, y, 64, 4, 40))
    {
        return sign;
    }
    const bool peg = (x % 24 == 4) && y >= 30 && y <= 44;
    if (peg)
    {
        return kDarkWood;
    }
    if (y >= 38)
    {
        return (x * 3 + y * 5) % 11 == 0 ? Mix(kGrass, kOutline, 0.3f) : kGrass;
    }
    return 0;
}

// The well, 64 x 72: a stone ring, two posts with a roof, the winch log and a pail on its rope.
std::uint32_t Well(int x, int y)
{
    const std::uint32_t stone = Argb(255, 150, 150, 145);
    // Roof: a triangle over the posts.
    if (y < 18)
    {
        const int half = 4 + y * 28 / 18;
        if (std::abs(x - 32) <= half)
        {
            return std::abs(x - 32) >= half - 1 || y == 17 ? kOutline : Argb(255, 170, 70, 50);
        }
        return 0;
    }
    if (InBox(x, y, 6, 18, 10, 48) || InBox(x, y, 53, 18, 57, 48))
    {
        return kDarkWood;
    }
    if (InBox(x, y, 10, 24, 53, 27))
    {
        return kWood; // the winch
    }
    if (InBox(x, y, 55, 22, 62, 24) || InBox(x, y, 60, 22, 62, 30))
    {
        return kOutline; // its crank
    }
    if (x == 32 && y > 27 && y < 34)
    {
        return kOutline; // the rope
    }
    if (InBox(x, y, 27, 34, 37, 42))
    {
        return y == 34 ? kOutline : Argb(255, 70, 120, 210); // the pail
    }
    if (y >= 46)
    {
        if (x < 2 || x > 61)
        {
            return 0;
        }
        const bool joint = (y - 46) % 9 == 0 || (x + ((y - 46) / 9) * 8) % 16 == 0;
        return joint ? Mix(stone, kOutline, 0.5f) : stone;
    }
    return 0;
}

// The shop, 128 x 96: a striped awning, shelves with goods, a counter in front.
std::uint32_t Shop(int x, int y)
{
    if (y < 22)
    {
        const bool scallop = y >= 16 && !InCircle(x, y, static_cast<float>((x / 16) * 16 + 8), 16.0f, 8.0f);
        if (scallop)
        {
            return 0;
        }
        return (x / 16) % 2 == 0 ? Argb(255, 200, 50, 50) : Argb(255, 245, 240, 230);
    }
    if (x < 4 || x > 123)
    {
        return kDarkWood;
    }
    if (y >= 64)
    {
        return y == 64 || y > 93 ? kOutline : Planks(x, y, kWood, 10); // the counter
    }
    // Shelves with goods of many colours on them.
    const int shelf = (y - 22) % 21;
    if (shelf >= 18)
    {
        return kDarkWood;
    }
    const int slot = (x - 4) / 15;
    const int row = (y - 22) / 21;
    const float cx = 4.0f + static_cast<float>(slot) * 15.0f + 7.5f;
    const float cy = 22.0f + static_cast<float>(row) * 21.0f + 11.0f;
    if (InCircle(x, y, cx, cy, 6.0f))
    {
        return Painting::GoodsColour((slot * 3 + row * 5) % 27);
    }
    return Argb(255, 230, 210, 170);
}

// The storehouse, 128 x 96: a barn of red boards under a dark roof, double doors with braces, crates.
std::uint32_t Storehouse(int x, int y)
{
    const std::uint32_t red = Argb(255, 160, 60, 45);
    if (y < 30)
    {
        const int half = 16 + y * 48 / 30;
        if (std::abs(x - 64) <= half)
        {
            return std::abs(x - 64) >= half - 2 || y >= 28 ? kOutline
                                                           : Planks(x, y + 1, Argb(255, 80, 70, 65), 6);
        }
        return 0;
    }
    // Crates stacked at the left.
    if (InBox(x, y, 2, 66, 28, 95) || InBox(x, y, 6, 44, 24, 65))
    {
        const bool edge = x == 2 || x == 28 || y == 66 || y == 95 || x == 6 || x == 24 || y == 44;
        const bool brace = std::abs((x - 2) - (y - 66)) <= 1 || std::abs((x - 6) - (y - 44)) <= 1;
        return edge || brace ? kOutline : kWood;
    }
    if (x < 30 || x > 125)
    {
        return x < 32 || x > 123 ? 0u : kOutline;
    }
    // The double doors with a brace across each.
    if (InBox(x, y, 52, 46, 102, 95))
    {
        const int local = x < 77 ? x - 52 : x - 77;
        const bool frame = x == 52 || x == 77 || x == 102 || y == 46;
        const bool brace = std::abs(local * 49 / 25 - (y - 46)) <= 1;
        return frame || brace ? kOutline : Argb(255, 130, 90, 50);
    }
    return (x % 10 == 0) ? Mix(red, kOutline, 0.5f) : red;
}

// A building, 256 x 120: plastered walls under a tiled roof, a door and windows, a sign with the round
// icon of its product.
std::uint32_t Building(int x, int y, std::uint32_t productColour)
{
    const std::uint32_t roof = Argb(255, 170, 70, 50);
    const std::uint32_t wall = Argb(255, 232, 214, 176);
    if (y < 44)
    {
        const int inset = (44 - y) * 40 / 44;
        if (x < inset || x > 255 - inset)
        {
            return 0;
        }
        // Chimney.
        if (InBox(x, y, 190, 0, 206, 12))
        {
            return Argb(255, 120, 60, 45);
        }
        const bool rim = x <= inset + 1 || x >= 254 - inset || y >= 42;
        return rim ? kOutline : ((y / 6 + x / 12) % 2 == 0 ? roof : Mix(roof, kOutline, 0.2f));
    }
    if (x < 8 || x > 247)
    {
        return 0;
    }
    if (x < 10 || x > 245 || y > 117)
    {
        return kOutline;
    }
    // The door at the right, where the worker goes in.
    if (InBox(x, y, 196, 74, 226, 117))
    {
        return x == 196 || x == 226 || y == 74 ? kOutline
                                               : (InCircle(x, y, 220, 98, 1.5f) ? kCoin : kDarkWood);
    }
    // Two windows with crossbars.
    for (const int left : {30, 110})
    {
        if (InBox(x, y, left, 62, left + 30, 88))
        {
            const bool bar = x == left || x == left + 30 || y == 62 || y == 88 || x == left + 15 || y == 75;
            return bar ? kDarkWood : Argb(255, 150, 200, 230);
        }
    }
    // The sign above the door: a board with the product's icon.
    if (InBox(x, y, 160, 50, 190, 72))
    {
        if (InCircle(x, y, 175.0f, 61.0f, 8.0f))
        {
            return productColour;
        }
        return x == 160 || x == 190 || y == 50 || y == 72 ? kOutline : Argb(255, 245, 235, 210);
    }
    return (x * 11 + y * 7) % 37 == 0 ? Mix(wall, kOutline, 0.15f) : wall;
}

// A building lot for sale, 256 x 120: staked corners, a fence line and a coin sign.
std::uint32_t BuildingForSale(int x, int y)
{
    if (const std::uint32_t sign = ForSaleSign(x, y, 128, 50, 110))
    {
        return sign;
    }
    const bool stake = (x == 20 || x == 236) && y >= 80 && y <= 114;
    const bool rail = x >= 20 && x <= 236 && (y == 90 || y == 100);
    if (stake || rail)
    {
        return kDarkWood;
    }
    if (y >= 110)
    {
        return (x * 3 + y) % 7 == 0 ? Mix(kSoil, kOutline, 0.3f) : kSoil;
    }
    return 0;
}

// The rope table, 64 x 24: a small table with a coil of rope on it.
std::uint32_t RopeTable(int x, int y)
{
    const float dx = static_cast<float>(x) - 32.0f;
    const float dy = (static_cast<float>(y) - 8.0f) * 2.0f;
    const float r = std::sqrt(dx * dx + dy * dy);
    if (r <= 14.0f && y <= 12)
    {
        return static_cast<int>(r) % 4 < 2 ? Argb(255, 210, 180, 120) : Argb(255, 150, 120, 70);
    }
    if (InBox(x, y, 10, 13, 54, 15))
    {
        return kWood;
    }
    if (InBox(x, y, 13, 16, 15, 23) || InBox(x, y, 49, 16, 51, 23))
    {
        return kDarkWood;
    }
    return 0;
}

bool Write(const std::string& folder, const std::string& name, int width, int height,
           const Painting::Painter& painter)
{
    return WritePng(Paint(width, height, painter), folder + "field_" + name + ".png");
}

} // namespace

bool EntityArt::WriteAll(const std::string& folderName)
{
    const std::string folder = folderName + "/";
    bool ok = true;
    ok &= Write(folder, "garden", 128, 48, Garden);
    ok &= Write(folder, "gardenforsale", 128, 48, GardenForSale);
    ok &= Write(folder, "well", 64, 72, Well);
    ok &= Write(folder, "shop", 128, 96, Shop);
    ok &= Write(folder, "storehouse", 128, 96, Storehouse);
    ok &= Write(folder, "buildingforsale", 256, 120, BuildingForSale);
    ok &= Write(folder, "rope", 64, 24, RopeTable);
    for (int kind = 26; kind <= 66; kind += 4)
    {
        const std::int32_t index = GetGoodsIndex(GetBuildingProduct(static_cast<std::uint8_t>(kind)));
        const std::uint32_t colour = Painting::GoodsColour(std::max(index, 0));
        ok &= Write(folder, "building" + std::to_string(kind), 256, 120,
                    [colour](int x, int y) { return Building(x, y, colour); });
    }
    return ok;
}
