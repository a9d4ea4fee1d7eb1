// Writes the pictures of the shop and the storehouse: the shop's stall with its awning and counter, the
// shelves behind it, the goods cabinets of its two halves, the planks over closed rows and the plinth of a
// missing half; the storehouse's boxed front, roofs, foundations, flag pole and waving flag; and the goods
// as they lie in a box. Each picture has one frame per upgrade level where the game draws it by level.
//
//   wf_store_pictures OUTPUT_FOLDER

#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using Painting::Argb;
using Painting::Mix;

namespace
{

constexpr float kPi = 3.14159265f;

const std::uint32_t kOutline = Argb(255, 52, 34, 20);
const std::uint32_t kWood = Argb(255, 176, 122, 70);
const std::uint32_t kDarkWood = Argb(255, 112, 72, 40);
const std::uint32_t kLightWood = Argb(255, 214, 168, 110);
const std::uint32_t kInterior = Argb(255, 58, 38, 24);
const std::uint32_t kIron = Argb(255, 70, 70, 78);
const std::uint32_t kGold = Argb(255, 236, 190, 60);
const std::uint32_t kStone = Argb(255, 150, 146, 136);

// One picture of frameCount frames side by side, each frameWidth x frameHeight, all clear.
Platform::Image Sheet(int frameWidth, int frameHeight, int frameCount)
{
    Platform::Image image;
    image.width = frameWidth * frameCount;
    image.height = frameHeight;
    image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0u);
    return image;
}

// Makes a rectangle of a frame clear again (a window through which what lies behind shows).
void Clear(Platform::Image& image, int frameLeft, int x0, int y0, int x1, int y1)
{
    for (int y = std::max(0, y0); y < std::min(image.height, y1); ++y)
    {
        for (int x = std::max(0, frameLeft + x0); x < std::min(image.width, frameLeft + x1); ++x)
        {
            image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                         static_cast<std::size_t>(x)] = 0u;
        }
    }
}

// Boards of a wall or a counter: the wood with a dark seam every `step` pixels across.
void Planks(Canvas& c, float x0, float y0, float x1, float y1, std::uint32_t wood, float step, bool upright)
{
    c.Rect(x0, y0, x1, y1, wood);
    if (upright)
    {
        for (float x = x0 + step; x < x1 - 1.0f; x += step)
        {
            c.Rect(x, y0, x + 1.0f, y1, Mix(wood, kOutline, 0.55f));
        }
        return;
    }
    for (float y = y0 + step; y < y1 - 1.0f; y += step)
    {
        c.Rect(x0, y, x1, y + 1.0f, Mix(wood, kOutline, 0.55f));
    }
}

// The goods of a dense index drawn about (cx, cy) in a box of about 22 pixels: the garden's crops as
// themselves, the products in a jar or a sack of their colour, money as a coin.
void Goods(Canvas& c, int index, float cx, float cy)
{
    const std::uint32_t colour = Painting::GoodsColour(index);
    const std::uint32_t leaf = Argb(255, 60, 150, 50);
    switch (index)
    {
    case 0: // carrot: an orange root, leaves on top
        c.Polygon({{cx - 6.0f, cy - 5.0f}, {cx + 6.0f, cy - 5.0f}, {cx + 1.0f, cy + 10.0f}},
                  Argb(255, 240, 130, 30));
        c.Line(cx - 3.0f, cy - 1.0f, cx, cy - 1.0f, 1.0f, Argb(255, 190, 90, 20));
        c.Line(cx, cy - 5.0f, cx - 5.0f, cy - 11.0f, 2.0f, leaf);
        c.Line(cx, cy - 5.0f, cx, cy - 12.0f, 2.0f, leaf);
        c.Line(cx, cy - 5.0f, cx + 5.0f, cy - 11.0f, 2.0f, leaf);
        return;
    case 1: // tomato: red and round with a green star
        c.Circle(cx, cy + 1.0f, 9.0f, Argb(255, 215, 40, 35));
        c.Circle(cx - 3.0f, cy - 2.0f, 2.5f, Argb(160, 255, 200, 190));
        c.Polygon({{cx - 5.0f, cy - 7.0f}, {cx, cy - 5.0f}, {cx + 5.0f, cy - 7.0f}, {cx, cy - 10.0f}}, leaf);
        return;
    case 2: // potatoes: two brown lumps with eyes
        c.Ellipse(cx - 3.0f, cy + 3.0f, 7.0f, 5.5f, Argb(255, 170, 120, 70));
        c.Ellipse(cx + 4.0f, cy - 2.0f, 6.0f, 5.0f, Argb(255, 190, 140, 85));
        c.Circle(cx - 5.0f, cy + 2.0f, 1.0f, kDarkWood);
        c.Circle(cx + 5.0f, cy - 3.0f, 1.0f, kDarkWood);
        return;
    case 3: // sunflower: yellow petals round a brown heart
        for (int petal = 0; petal < 10; ++petal)
        {
            const float a = static_cast<float>(petal) * kPi / 5.0f;
            c.Ellipse(cx + 6.0f * std::cos(a), cy + 6.0f * std::sin(a), 3.0f, 3.0f, Argb(255, 250, 205, 30));
        }
        c.Circle(cx, cy, 5.0f, Argb(255, 110, 70, 30));
        return;
    case 4: // wheat: a golden sheaf tied in the middle
        for (int stalk = -2; stalk <= 2; ++stalk)
        {
            const float s = static_cast<float>(stalk);
            c.Line(cx + s, cy + 10.0f, cx + s * 3.0f, cy - 6.0f, 1.5f, Argb(255, 210, 170, 70));
            c.Ellipse(cx + s * 3.0f, cy - 8.0f, 1.8f, 3.5f, Argb(255, 230, 190, 80));
        }
        c.Rect(cx - 4.0f, cy + 1.0f, cx + 4.0f, cy + 3.0f, Argb(255, 150, 90, 40));
        return;
    case 5: // juice: a glass of it, as on the juicer's sign
        c.Polygon({{cx - 7.0f, cy - 9.0f},
                   {cx + 7.0f, cy - 9.0f},
                   {cx + 5.0f, cy + 10.0f},
                   {cx - 5.0f, cy + 10.0f}},
                  Argb(220, 220, 240, 250));
        c.Polygon(
            {{cx - 6.0f, cy - 4.0f}, {cx + 6.0f, cy - 4.0f}, {cx + 4.5f, cy + 9.0f}, {cx - 4.5f, cy + 9.0f}},
            Argb(255, 250, 150, 40));
        c.Line(cx + 2.0f, cy - 12.0f, cx + 1.0f, cy + 2.0f, 1.5f, Argb(255, 230, 60, 60));
        return;
    case 15: // the roaster's beans: three roasted beans with their seams, as on its sign
        for (const auto& [bx, by] : {std::pair{-4.5f, -3.0f}, {4.0f, -4.0f}, {0.0f, 5.0f}})
        {
            c.Ellipse(cx + bx, cy + by, 4.0f, 5.5f, Argb(255, 100, 56, 30));
            c.Line(cx + bx, cy + by - 4.0f, cx + bx, cy + by + 4.0f, 1.2f, Argb(255, 50, 26, 14));
        }
        return;
    case 27: // money
        c.Circle(cx, cy, 9.0f, kOutline);
        c.Circle(cx, cy, 8.0f, kGold);
        c.Circle(cx, cy, 5.0f, Mix(kGold, kOutline, 0.2f));
        return;
    default:
        break;
    }
    if (index >= 19 && index <= 21)
    {
        // water: a pail
        c.Polygon(
            {{cx - 8.0f, cy - 6.0f}, {cx + 8.0f, cy - 6.0f}, {cx + 6.0f, cy + 9.0f}, {cx - 6.0f, cy + 9.0f}},
            kIron);
        c.Ellipse(cx, cy - 6.0f, 8.0f, 2.5f, colour);
        return;
    }
    if (index % 2 == 0)
    {
        // a sack of its colour, tied at the neck
        c.Ellipse(cx, cy + 3.0f, 8.0f, 7.5f, Mix(colour, Argb(255, 220, 200, 160), 0.35f));
        c.Polygon({{cx - 3.0f, cy - 4.0f},
                   {cx + 3.0f, cy - 4.0f},
                   {cx + 5.0f, cy - 10.0f},
                   {cx - 5.0f, cy - 10.0f}},
                  Mix(colour, Argb(255, 220, 200, 160), 0.5f));
        c.Rect(cx - 4.0f, cy - 5.0f, cx + 4.0f, cy - 3.0f, kDarkWood);
        return;
    }
    // a jar of its colour with a lid and a label
    c.Rect(cx - 7.0f, cy - 6.0f, cx + 7.0f, cy + 10.0f, kOutline);
    c.Rect(cx - 6.0f, cy - 5.0f, cx + 6.0f, cy + 9.0f, colour);
    c.Rect(cx - 6.0f, cy - 10.0f, cx + 6.0f, cy - 6.0f, Argb(255, 200, 60, 50));
    c.Rect(cx - 6.0f, cy, cx + 6.0f, cy + 4.0f, Argb(255, 245, 235, 210));
}

// "ShopObj": 28 frames of 40 x 28, the goods standing in the part of the frame a box shows.
Platform::Image GoodsInBoxes()
{
    constexpr int kWidth = 40;
    constexpr int kHeight = 28;
    Platform::Image image = Sheet(kWidth, kHeight, 28);
    for (int index = 0; index < 28; ++index)
    {
        Canvas c(image, index * kWidth, 0, kWidth, kHeight);
        Goods(c, index, 24.0f, 13.0f);
    }
    return image;
}

// The awning's two colours by shop level.
std::uint32_t AwningColour(int level, bool stripe)
{
    // The first is undyed canvas, oatmeal and cream: brown cloth would melt into the earth of a floor's
    // edge behind it.
    const std::uint32_t main[5] = {Argb(255, 206, 184, 144), Argb(255, 200, 50, 50), Argb(255, 50, 140, 70),
                                   Argb(255, 50, 90, 170), Argb(255, 130, 50, 150)};
    const std::uint32_t second[5] = {Argb(255, 244, 236, 214), Argb(255, 245, 240, 230),
                                     Argb(255, 245, 240, 230), Argb(255, 240, 210, 90),
                                     Argb(255, 245, 215, 90)};
    return stripe ? second[level] : main[level];
}

// "Shop": the stall, 150 x 208 per level: two posts, a striped awning, a counter with a coin sign; the
// middle stays open so the companion shows behind the counter. Better timber, cloth and trim by level.
Platform::Image Stall()
{
    constexpr int kWidth = 150;
    constexpr int kHeight = 208;
    Platform::Image image = Sheet(kWidth, kHeight, 5);
    for (int level = 0; level < 5; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        const std::uint32_t post = level >= 2 ? Argb(255, 140, 90, 50) : kDarkWood;
        // Posts from under the awning to the floor.
        for (float x : {6.0f, 136.0f})
        {
            c.Rect(x - 1.0f, 30.0f, x + 9.0f, 208.0f, kOutline);
            c.Rect(x, 30.0f, x + 8.0f, 208.0f, post);
            c.Rect(x + 1.0f, 30.0f, x + 3.0f, 208.0f, Mix(post, Argb(255, 255, 255, 255), 0.2f));
        }
        // The awning slopes down to the front, with a scalloped hem: one cloth of stripes side by side, its
        // hem outlined so that it reads as the cloth's edge, the shade under the board where it slopes away.
        c.Polygon({{0.0f, 14.0f}, {150.0f, 14.0f}, {150.0f, 40.0f}, {0.0f, 40.0f}}, kOutline);
        for (int stripe = 0; stripe < 10; ++stripe)
        {
            c.Circle(static_cast<float>(stripe) * 15.0f + 7.5f, 40.0f, 8.0f, kOutline);
        }
        for (int stripe = 0; stripe < 10; ++stripe)
        {
            const float x = static_cast<float>(stripe) * 15.0f;
            const std::uint32_t cloth = AwningColour(level, stripe % 2 == 1);
            c.Rect(x, 15.0f, x + 15.0f, 39.0f, cloth);
            c.Circle(x + 7.5f, 40.0f, 7.0f, cloth);
            c.Rect(x, 15.0f, x + 15.0f, 19.0f, Mix(cloth, kOutline, 0.22f));
        }
        c.Rect(0.0f, 8.0f, 150.0f, 16.0f, level >= 3 ? kGold : kDarkWood);
        c.Rect(0.0f, 8.0f, 150.0f, 9.0f, kOutline);
        if (level >= 4)
        {
            // Lanterns hang from the awning.
            for (float x : {24.0f, 126.0f})
            {
                c.Line(x, 46.0f, x, 56.0f, 1.0f, kOutline);
                c.Ellipse(x, 62.0f, 5.0f, 7.0f, Argb(255, 250, 200, 80));
                c.Glow(x, 62.0f, 10.0f, Argb(120, 255, 230, 140));
            }
        }
        // The counter: a top board and planked front.
        c.Rect(2.0f, 148.0f, 148.0f, 208.0f, kOutline);
        Planks(c, 4.0f, 158.0f, 146.0f, 206.0f, level >= 1 ? kWood : Argb(255, 160, 115, 72), 12.0f, true);
        c.Rect(0.0f, 146.0f, 150.0f, 158.0f, kOutline);
        c.Rect(1.0f, 147.0f, 149.0f, 157.0f, kLightWood);
        if (level >= 3)
        {
            c.Rect(4.0f, 198.0f, 146.0f, 202.0f, kGold);
        }
        // A round sign with a coin on the counter's front.
        c.Circle(75.0f, 182.0f, 15.0f, kOutline);
        c.Circle(75.0f, 182.0f, 14.0f, Argb(255, 235, 220, 180));
        c.Circle(75.0f, 182.0f, 9.0f, kOutline);
        c.Circle(75.0f, 182.0f, 8.0f, kGold);
        c.Rect(73.0f, 177.0f, 77.0f, 187.0f, Mix(kGold, kOutline, 0.35f));
        // Scales on the counter from level 1, flowers at its ends from level 3.
        if (level >= 1)
        {
            c.Rect(24.0f, 136.0f, 27.0f, 147.0f, kIron);
            c.Line(14.0f, 134.0f, 37.0f, 134.0f, 2.0f, kIron);
            c.Ellipse(15.0f, 141.0f, 6.0f, 2.5f, kGold);
            c.Ellipse(36.0f, 141.0f, 6.0f, 2.5f, kGold);
            c.Line(15.0f, 134.0f, 15.0f, 140.0f, 1.0f, kIron);
            c.Line(36.0f, 134.0f, 36.0f, 140.0f, 1.0f, kIron);
        }
        if (level >= 3)
        {
            c.Rect(120.0f, 136.0f, 136.0f, 147.0f, Argb(255, 170, 80, 50));
            for (int flower = 0; flower < 3; ++flower)
            {
                const float fx = 123.0f + static_cast<float>(flower) * 5.0f;
                c.Line(fx, 136.0f, fx, 128.0f, 1.0f, Argb(255, 60, 140, 50));
                c.Circle(fx, 127.0f, 2.5f, flower == 1 ? Argb(255, 250, 220, 60) : Argb(255, 230, 80, 120));
            }
        }
        if (level >= 2)
        {
            // A hanging sign with a basket under the awning's middle.
            c.Line(55.0f, 46.0f, 55.0f, 54.0f, 1.0f, kOutline);
            c.Line(95.0f, 46.0f, 95.0f, 54.0f, 1.0f, kOutline);
            c.Rect(50.0f, 54.0f, 100.0f, 70.0f, kOutline);
            c.Rect(51.0f, 55.0f, 99.0f, 69.0f, kLightWood);
            c.Ellipse(75.0f, 63.0f, 10.0f, 4.0f, Argb(255, 170, 110, 50));
            c.Circle(70.0f, 59.0f, 3.0f, Argb(255, 215, 40, 35));
            c.Circle(76.0f, 58.0f, 3.0f, Argb(255, 240, 130, 30));
            c.Circle(81.0f, 59.0f, 3.0f, Argb(255, 250, 205, 30));
        }
    }
    return image;
}

// "Back": the wall behind the counter, 130 x 130 per level (frame 0 is not shown): planks with shelves
// of jars and sacks, more shelves and a window from the higher levels.
Platform::Image BackWall()
{
    constexpr int kWidth = 130;
    constexpr int kHeight = 130;
    Platform::Image image = Sheet(kWidth, kHeight, 5);
    for (int level = 0; level < 5; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        const std::uint32_t wall = level >= 3 ? Argb(255, 205, 170, 125) : Argb(255, 168, 126, 84);
        c.Rect(0.0f, 0.0f, 130.0f, 130.0f, kOutline);
        Planks(c, 1.0f, 1.0f, 129.0f, 129.0f, wall, 10.0f, true);
        const int shelves = level >= 2 ? 3 : 2;
        for (int shelf = 0; shelf < shelves; ++shelf)
        {
            const float y = 40.0f + static_cast<float>(shelf) * 32.0f;
            c.Rect(4.0f, y, 126.0f, y + 4.0f, kDarkWood);
            for (int item = 0; item < 6; ++item)
            {
                const int index = 5 + (item * 3 + shelf * 5 + level) % 14;
                Goods(c, index, 14.0f + static_cast<float>(item) * 20.0f, y - 12.0f);
            }
        }
        if (level >= 4)
        {
            // A little window with a view of the sky.
            c.Rect(48.0f, 4.0f, 82.0f, 22.0f, kOutline);
            c.Rect(50.0f, 6.0f, 80.0f, 20.0f, Argb(255, 150, 200, 240));
            c.Rect(64.0f, 6.0f, 66.0f, 20.0f, kOutline);
        }
    }
    return image;
}

// The cubbies of a shop cabinet, for a half placed at the shop's shelf offset: row r's two openings.
struct Cubby
{
    float left;
    float top;
};
Cubby ShopCubby(int row, int column)
{
    const float slant = 2.0f * static_cast<float>(row);
    return {(column == 0 ? 35.0f : 67.0f) + slant, 12.0f + 33.0f * static_cast<float>(row)};
}

// "MainBox": a half's goods cabinet, 124 x 152 per shop level, standing on the floor: two by three
// openings whose backs (the lids drawn behind) show through a slot; carved crown and legs from level 2.
Platform::Image Cabinet()
{
    constexpr int kWidth = 124;
    constexpr int kHeight = 152;
    Platform::Image image = Sheet(kWidth, kHeight, 5);
    for (int level = 0; level < 5; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        const std::uint32_t wood = level >= 3 ? Argb(255, 190, 120, 70) : kWood;
        c.Rect(19.0f, 4.0f, 107.0f, 118.0f, kOutline);
        Planks(c, 20.0f, 5.0f, 106.0f, 117.0f, wood, 11.0f, false);
        // The legs and the floor board.
        c.Rect(22.0f, 118.0f, 30.0f, 152.0f, kOutline);
        c.Rect(23.0f, 118.0f, 29.0f, 152.0f, kDarkWood);
        c.Rect(96.0f, 118.0f, 104.0f, 152.0f, kOutline);
        c.Rect(97.0f, 118.0f, 103.0f, 152.0f, kDarkWood);
        c.Rect(19.0f, 136.0f, 107.0f, 141.0f, kDarkWood);
        // The crown board on top.
        c.Rect(15.0f, 0.0f, 111.0f, 7.0f, kOutline);
        c.Rect(16.0f, 1.0f, 110.0f, 6.0f, level >= 2 ? kGold : kDarkWood);
        for (int row = 0; row < 3; ++row)
        {
            for (int column = 0; column < 2; ++column)
            {
                const Cubby cubby = ShopCubby(row, column);
                c.Rect(cubby.left - 1.0f, cubby.top - 1.0f, cubby.left + 27.0f, cubby.top + 29.0f, kOutline);
                c.Rect(cubby.left, cubby.top, cubby.left + 26.0f, cubby.top + 28.0f, kInterior);
                // The box's front rim below the goods.
                c.Rect(cubby.left - 2.0f, cubby.top + 24.0f, cubby.left + 28.0f, cubby.top + 29.0f,
                       kLightWood);
            }
        }
        for (int row = 0; row < 3; ++row)
        {
            for (int column = 0; column < 2; ++column)
            {
                const Cubby cubby = ShopCubby(row, column);
                Clear(image, level * kWidth, static_cast<int>(cubby.left) + 1,
                      static_cast<int>(cubby.top) + 6, static_cast<int>(cubby.left) + 25,
                      static_cast<int>(cubby.top) + 17);
            }
        }
    }
    return image;
}

// "LockDoor" of the shop: two planks nailed across a closed row of a half, with a padlock, 62 x 32.
Platform::Image ShopLockDoor()
{
    Platform::Image image = Sheet(62, 32, 1);
    Canvas c(image, 0, 0, 62, 32);
    c.Rect(0.0f, 2.0f, 62.0f, 30.0f, kOutline);
    Planks(c, 1.0f, 3.0f, 61.0f, 29.0f, Argb(255, 150, 105, 62), 9.0f, false);
    c.Line(4.0f, 6.0f, 58.0f, 26.0f, 4.0f, kDarkWood);
    c.Line(4.0f, 26.0f, 58.0f, 6.0f, 4.0f, kDarkWood);
    for (float x : {5.0f, 57.0f})
    {
        c.Circle(x, 6.0f, 1.5f, kIron);
        c.Circle(x, 26.0f, 1.5f, kIron);
    }
    c.Ellipse(31.0f, 12.0f, 4.0f, 4.5f, kIron);
    c.Ellipse(31.0f, 12.0f, 2.0f, 2.5f, Argb(255, 150, 105, 62));
    c.Rect(25.0f, 13.0f, 37.0f, 23.0f, kGold);
    c.Rect(30.0f, 16.0f, 32.0f, 20.0f, kOutline);
    return image;
}

// "FoundationStoreShop": where the right cabinet will stand, 120 x 55 per shop level: a stone plinth with
// a frame of posts and a stack of empty crates.
Platform::Image ShopFoundation()
{
    constexpr int kWidth = 120;
    constexpr int kHeight = 55;
    Platform::Image image = Sheet(kWidth, kHeight, 5);
    for (int level = 0; level < 5; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        c.Rect(30.0f, 36.0f, 114.0f, 55.0f, kOutline);
        for (int stone = 0; stone < 6; ++stone)
        {
            const float x = 31.0f + static_cast<float>(stone) * 14.0f;
            c.Rect(x, 37.0f, x + 13.0f, 45.0f,
                   Mix(kStone, Argb(255, 255, 255, 255), 0.1f * static_cast<float>(stone % 3)));
            c.Rect(x - 6.0f + (stone == 0 ? 6.0f : 0.0f), 46.0f, x + 7.0f, 54.0f, kStone);
        }
        // Two empty crates waiting on the plinth.
        c.Rect(42.0f, 16.0f, 68.0f, 37.0f, kOutline);
        Planks(c, 43.0f, 17.0f, 67.0f, 36.0f, kWood, 7.0f, false);
        c.Rect(74.0f, 22.0f, 96.0f, 37.0f, kOutline);
        Planks(c, 75.0f, 23.0f, 95.0f, 36.0f, kLightWood, 7.0f, false);
    }
    return image;
}

// The storehouse's box grid: openings of row r, column c (building coordinates).
Cubby StoreCubby(int row, int column)
{
    return {15.0f + 34.5f * static_cast<float>(column), 6.0f + 33.0f * static_cast<float>(row)};
}

// "Storehouse": the front of the storehouse, 124 x 156: a timber frame round three by four boxes, each
// with its back showing through a slot.
Platform::Image StorehouseFront()
{
    Platform::Image image = Sheet(124, 156, 1);
    Canvas c(image, 0, 0, 124, 156);
    c.Rect(0.0f, 0.0f, 124.0f, 156.0f, kOutline);
    Planks(c, 1.0f, 1.0f, 123.0f, 155.0f, Argb(255, 160, 62, 46), 8.0f, true);
    // The timber frame: posts and beams.
    for (float x : {1.0f, 113.0f})
    {
        c.Rect(x, 1.0f, x + 10.0f, 155.0f, kDarkWood);
        c.Rect(x + 2.0f, 1.0f, x + 4.0f, 155.0f, kWood);
    }
    for (int row = 0; row <= 4; ++row)
    {
        const float y = 2.0f + 33.0f * static_cast<float>(row);
        c.Rect(1.0f, y, 123.0f, y + 3.0f, kDarkWood);
    }
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 3; ++column)
        {
            const Cubby cubby = StoreCubby(row, column);
            c.Rect(cubby.left - 1.0f, cubby.top - 1.0f, cubby.left + 29.0f, cubby.top + 25.0f, kOutline);
            c.Rect(cubby.left, cubby.top, cubby.left + 28.0f, cubby.top + 24.0f, kInterior);
            c.Rect(cubby.left - 2.0f, cubby.top + 20.0f, cubby.left + 30.0f, cubby.top + 25.0f, kLightWood);
            c.Rect(cubby.left - 2.0f, cubby.top + 20.0f, cubby.left + 30.0f, cubby.top + 21.0f, kOutline);
        }
    }
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 3; ++column)
        {
            const Cubby cubby = StoreCubby(row, column);
            Clear(image, 0, static_cast<int>(cubby.left) + 1, static_cast<int>(cubby.top) + 3,
                  static_cast<int>(cubby.left) + 27, static_cast<int>(cubby.top) + 14);
        }
    }
    return image;
}

// "Roof": 136 x 22 per storehouse level: thatch, shingles, red tiles, red tiles with a gilt ridge.
Platform::Image StorehouseRoofs()
{
    constexpr int kWidth = 136;
    constexpr int kHeight = 22;
    Platform::Image image = Sheet(kWidth, kHeight, 4);
    const std::uint32_t colours[4] = {Argb(255, 200, 170, 90), Argb(255, 120, 90, 70), Argb(255, 180, 70, 50),
                                      Argb(255, 190, 60, 45)};
    for (int level = 0; level < 4; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        c.Polygon({{8.0f, 0.0f}, {128.0f, 0.0f}, {136.0f, 20.0f}, {0.0f, 20.0f}}, kOutline);
        c.Polygon({{9.0f, 1.0f}, {127.0f, 1.0f}, {134.0f, 19.0f}, {2.0f, 19.0f}}, colours[level]);
        for (int course = 0; course < 3; ++course)
        {
            const float y = 6.0f + static_cast<float>(course) * 5.0f;
            c.Rect(4.0f, y, 132.0f, y + 1.0f, Mix(colours[level], kOutline, 0.5f));
            for (float x = 6.0f + static_cast<float>(course % 2) * 6.0f; x < 130.0f; x += 12.0f)
            {
                c.Rect(x, y - 5.0f, x + 1.0f, y, Mix(colours[level], kOutline, level == 0 ? 0.2f : 0.45f));
            }
        }
        c.Rect(8.0f, 0.0f, 128.0f, 3.0f, level == 3 ? kGold : Mix(colours[level], kOutline, 0.4f));
    }
    return image;
}

// "Foundation": 130 x 23 per storehouse level: logs, field stones, cut stone, brick with a stone sill.
Platform::Image StorehouseFoundations()
{
    constexpr int kWidth = 130;
    constexpr int kHeight = 23;
    Platform::Image image = Sheet(kWidth, kHeight, 4);
    for (int level = 0; level < 4; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        c.Rect(0.0f, 0.0f, 130.0f, 23.0f, kOutline);
        if (level == 0)
        {
            for (int log = 0; log < 2; ++log)
            {
                const float y = 1.0f + static_cast<float>(log) * 11.0f;
                c.Rect(1.0f, y, 129.0f, y + 10.0f, kWood);
                c.Rect(1.0f, y + 7.0f, 129.0f, y + 10.0f, kDarkWood);
                c.Circle(4.0f, y + 5.0f, 4.0f, kLightWood);
            }
            continue;
        }
        const std::uint32_t stone =
            level == 3 ? Argb(255, 170, 80, 60) : (level == 2 ? Argb(255, 175, 170, 160) : kStone);
        for (int course = 0; course < 3; ++course)
        {
            const float y = 1.0f + static_cast<float>(course) * 7.0f;
            const float shift = static_cast<float>(course % 2) * 8.0f;
            for (float x = 1.0f - shift; x < 129.0f; x += 16.0f)
            {
                c.Rect(std::max(x, 1.0f), y, std::min(x + 15.0f, 129.0f), y + 6.0f,
                       Mix(stone, Argb(255, 255, 255, 255),
                           level == 1 ? 0.08f * static_cast<float>(static_cast<int>(x) % 3) : 0.0f));
            }
        }
        if (level == 3)
        {
            c.Rect(0.0f, 0.0f, 130.0f, 3.0f, Argb(255, 210, 205, 195));
        }
    }
    return image;
}

// "LockDoor" of the storehouse: boards nailed over a closed row of three boxes, 112 x 32, one frame per
// storehouse level (the planks weather as the storehouse grows).
Platform::Image StorehouseLockDoors()
{
    constexpr int kWidth = 112;
    constexpr int kHeight = 32;
    Platform::Image image = Sheet(kWidth, kHeight, 4);
    for (int level = 0; level < 4; ++level)
    {
        Canvas c(image, level * kWidth, 0, kWidth, kHeight);
        const std::uint32_t wood =
            Mix(Argb(255, 150, 105, 62), Argb(255, 120, 110, 100), 0.15f * static_cast<float>(level));
        c.Rect(0.0f, 1.0f, 112.0f, 31.0f, kOutline);
        Planks(c, 1.0f, 2.0f, 111.0f, 30.0f, wood, 7.0f, false);
        c.Line(4.0f, 5.0f, 108.0f, 27.0f, 4.0f, kDarkWood);
        c.Line(4.0f, 27.0f, 108.0f, 5.0f, 4.0f, kDarkWood);
        c.Ellipse(56.0f, 11.0f, 4.0f, 4.5f, kIron);
        c.Ellipse(56.0f, 11.0f, 2.0f, 2.5f, wood);
        c.Rect(50.0f, 12.0f, 62.0f, 22.0f, kGold);
        c.Rect(55.0f, 15.0f, 57.0f, 19.0f, kOutline);
    }
    return image;
}

// "Pillar": the flag pole, 27 x 182: a post on a stone foot with a knob on top.
Platform::Image FlagPole()
{
    Platform::Image image = Sheet(27, 182, 1);
    Canvas c(image, 0, 0, 27, 182);
    c.Rect(19.0f, 8.0f, 27.0f, 182.0f, kOutline);
    c.Rect(20.0f, 8.0f, 26.0f, 182.0f, kWood);
    c.Rect(21.0f, 8.0f, 23.0f, 182.0f, kLightWood);
    c.Circle(23.0f, 6.0f, 5.0f, kOutline);
    c.Circle(23.0f, 6.0f, 4.0f, kGold);
    c.Rect(14.0f, 170.0f, 27.0f, 182.0f, kOutline);
    c.Rect(15.0f, 171.0f, 27.0f, 182.0f, kStone);
    return image;
}

// "Flag": 20 frames of 62 x 48: a green banner with a crate on it, still in frame 0 and waving through
// the others (the game plays frames 0 to 15 for one wave and 10 to 20 for the other).
Platform::Image WavingFlag()
{
    constexpr int kWidth = 62;
    constexpr int kHeight = 48;
    constexpr int kFrames = 20;
    Platform::Image image = Sheet(kWidth, kHeight, kFrames);
    for (int frame = 0; frame < kFrames; ++frame)
    {
        Canvas c(image, frame * kWidth, 0, kWidth, kHeight);
        const float phase = static_cast<float>(frame) * 2.0f * kPi / 10.0f;
        const float strength = frame == 0 ? 0.0f : 3.5f;
        const auto wave = [&](float x) { return strength * (x / 58.0f) * std::sin(x * 0.16f - phase); };
        std::vector<Canvas::Point> outline;
        for (float x = 2.0f; x <= 58.0f; x += 2.0f)
        {
            outline.push_back({x, 4.0f + wave(x)});
        }
        for (float x = 58.0f; x >= 2.0f; x -= 2.0f)
        {
            outline.push_back({x, 38.0f + wave(x)});
        }
        c.Polygon(outline, kOutline);
        std::vector<Canvas::Point> cloth;
        for (float x = 3.0f; x <= 57.0f; x += 2.0f)
        {
            cloth.push_back({x, 5.0f + wave(x)});
        }
        for (float x = 57.0f; x >= 3.0f; x -= 2.0f)
        {
            cloth.push_back({x, 37.0f + wave(x)});
        }
        c.Polygon(cloth, Argb(255, 46, 130, 64));
        // A crate on the banner: the storehouse's sign.
        const float dy = wave(30.0f);
        c.Rect(21.0f, 12.0f + dy, 41.0f, 30.0f + dy, Argb(255, 245, 235, 200));
        c.Rect(23.0f, 14.0f + dy, 39.0f, 28.0f + dy, kWood);
        c.Line(23.0f, 14.0f + dy, 39.0f, 28.0f + dy, 1.5f, kDarkWood);
        c.Line(23.0f, 28.0f + dy, 39.0f, 14.0f + dy, 1.5f, kDarkWood);
        // The rope to the pole.
        c.Rect(0.0f, 4.0f, 3.0f, 6.0f, kOutline);
        c.Rect(0.0f, 36.0f, 3.0f, 38.0f, kOutline);
    }
    return image;
}

// The arrow of an upgrade button, 2 frames of 24 x 24: a green up-arrow (for sale), a padlock (not yet).
Platform::Image UpgradeIcons()
{
    Platform::Image image = Sheet(24, 24, 2);
    Canvas arrow(image, 0, 0, 24, 24);
    arrow.Circle(12.0f, 12.0f, 11.0f, kOutline);
    arrow.Circle(12.0f, 12.0f, 10.0f, Argb(255, 70, 160, 70));
    arrow.Polygon({{12.0f, 4.0f},
                   {19.0f, 12.0f},
                   {15.0f, 12.0f},
                   {15.0f, 19.0f},
                   {9.0f, 19.0f},
                   {9.0f, 12.0f},
                   {5.0f, 12.0f}},
                  Argb(255, 250, 250, 240));
    Canvas lock(image, 24, 0, 24, 24);
    lock.Line(8.0f, 11.0f, 8.0f, 6.0f, 2.5f, kIron);
    lock.Line(16.0f, 11.0f, 16.0f, 6.0f, 2.5f, kIron);
    lock.Line(8.0f, 4.0f, 16.0f, 4.0f, 2.5f, kIron);
    lock.Rect(5.0f, 10.0f, 19.0f, 22.0f, kOutline);
    lock.Rect(6.0f, 11.0f, 18.0f, 21.0f, kGold);
    lock.Rect(11.0f, 14.0f, 13.0f, 18.0f, kOutline);
    return image;
}

bool Write(const Platform::Image& image, const std::string& folder, const char* name)
{
    return Painting::WritePng(image, folder + "/" + name);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_store_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    ok &= Write(GoodsInBoxes(), folder, "store_goods.png");
    ok &= Write(Stall(), folder, "shop_stall.png");
    ok &= Write(BackWall(), folder, "shop_back.png");
    ok &= Write(Cabinet(), folder, "shop_cabinet.png");
    ok &= Write(ShopLockDoor(), folder, "shop_lockdoor.png");
    ok &= Write(ShopFoundation(), folder, "shop_foundation.png");
    ok &= Write(StorehouseFront(), folder, "storehouse_front.png");
    ok &= Write(StorehouseRoofs(), folder, "storehouse_roof.png");
    ok &= Write(StorehouseFoundations(), folder, "storehouse_foundation.png");
    ok &= Write(StorehouseLockDoors(), folder, "storehouse_lockdoor.png");
    ok &= Write(FlagPole(), folder, "storehouse_pole.png");
    ok &= Write(WavingFlag(), folder, "storehouse_flag.png");
    ok &= Write(UpgradeIcons(), folder, "upgrade_icons.png");
    return ok ? 0 : 1;
}
