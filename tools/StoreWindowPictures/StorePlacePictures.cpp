#include "tools/StoreWindowPictures/StorePlacePictures.h"

#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"
#include "tools/StoreWindowPictures/StoreWindowPaint.h"

#include <algorithm>
#include <array>

using Painting::Argb;
using Painting::Mix;
using namespace StoreWindowPaint;

namespace
{
constexpr int kShopLevels = 5;
constexpr int kStorehouseLevels = 4;
const std::uint32_t kWhite = Argb(255, 250, 246, 236);
const std::uint32_t kGold = Argb(255, 226, 184, 64);
const std::uint32_t kIron = Argb(255, 70, 70, 78);

// The awning's colour by shop level: plain canvas, then ever richer stripes.
std::uint32_t AwningColour(int level)
{
    const std::array<std::uint32_t, kShopLevels> colours{Argb(255, 150, 120, 90), Argb(255, 200, 60, 50),
                                                         Argb(255, 60, 120, 190), Argb(255, 70, 150, 70),
                                                         Argb(255, 150, 60, 150)};
    return colours[static_cast<std::size_t>(level)];
}

// The cabinets' wood by level: rough, then varnished, then painted with gold trim at the top levels.
std::uint32_t CabinetWood(int level)
{
    const std::array<std::uint32_t, kShopLevels> woods{Argb(255, 160, 120, 80), Argb(255, 176, 122, 70),
                                                       Argb(255, 150, 92, 50), Argb(255, 120, 70, 40),
                                                       Argb(255, 100, 55, 35)};
    return woods[static_cast<std::size_t>(level)];
}

// "Shop" + n: the stall, 230 x 330: awning, posts, back wall, counter with scales, sign from level 1,
// lanterns from level 2, gold trim from level 4.
void Stall(Platform::Image& image, int left, int top, int level)
{
    Canvas c(image, left, top, 230, 330);
    const std::uint32_t awning = AwningColour(level);
    // Back wall and posts.
    c.Rect(14.0f, 60.0f, 216.0f, 250.0f, Outline());
    c.Rect(17.0f, 60.0f, 213.0f, 250.0f, Mix(Wood(), Outline(), 0.3f));
    for (float x = 17.0f; x < 213.0f; x += 24.0f)
    {
        c.Rect(x, 60.0f, x + 1.5f, 250.0f, Mix(Wood(), Outline(), 0.6f));
    }
    c.Rect(10.0f, 50.0f, 22.0f, 330.0f, Outline());
    c.Rect(12.0f, 50.0f, 20.0f, 330.0f, DarkWood());
    c.Rect(208.0f, 50.0f, 220.0f, 330.0f, Outline());
    c.Rect(210.0f, 50.0f, 218.0f, 330.0f, DarkWood());
    // The awning: a sloped band of stripes with a scalloped edge.
    c.Polygon({{0.0f, 70.0f}, {20.0f, 6.0f}, {210.0f, 6.0f}, {230.0f, 70.0f}}, Outline());
    for (int stripe = 0; stripe < 10; ++stripe)
    {
        const float x0 = 23.0f * static_cast<float>(stripe);
        const float x1 = x0 + 23.0f;
        const float top0 = 9.0f;
        c.Polygon({{x0 + 2.0f, 67.0f},
                   {20.0f + 19.0f * static_cast<float>(stripe) + 1.0f, top0},
                   {20.0f + 19.0f * static_cast<float>(stripe + 1) - 1.0f, top0},
                   {x1 - 2.0f, 67.0f}},
                  stripe % 2 == 0 ? awning : kWhite);
        c.Ellipse((x0 + x1) * 0.5f, 68.0f, 11.5f, 8.0f, Outline());
        c.Ellipse((x0 + x1) * 0.5f, 67.0f, 10.0f, 6.5f, stripe % 2 == 0 ? awning : kWhite);
    }
    if (level >= 4)
    {
        c.Rect(18.0f, 4.0f, 212.0f, 9.0f, kGold);
    }
    // A sign board with a coin from level 1.
    if (level >= 1)
    {
        c.Rect(75.0f, 88.0f, 155.0f, 128.0f, Outline());
        c.Rect(78.0f, 91.0f, 152.0f, 125.0f, level >= 4 ? kGold : LightWood());
        Coin(c, 115.0f, 108.0f, 13.0f);
        c.Line(85.0f, 80.0f, 85.0f, 90.0f, 2.0f, kIron);
        c.Line(145.0f, 80.0f, 145.0f, 90.0f, 2.0f, kIron);
    }
    // Lanterns hang from the awning from level 2.
    if (level >= 2)
    {
        for (const float x : {40.0f, 190.0f})
        {
            c.Line(x, 72.0f, x, 92.0f, 1.5f, kIron);
            c.Rect(x - 7.0f, 92.0f, x + 7.0f, 112.0f, kIron);
            c.Rect(x - 5.0f, 94.0f, x + 5.0f, 110.0f, Argb(255, 255, 214, 110));
            c.Glow(x, 102.0f, 18.0f, Argb(120, 255, 220, 120));
        }
    }
    // The counter with its planks and, on it, the scales.
    const std::uint32_t counter = CabinetWood(level);
    c.Rect(0.0f, 228.0f, 230.0f, 330.0f, Outline());
    c.Rect(3.0f, 236.0f, 227.0f, 327.0f, counter);
    c.Rect(0.0f, 226.0f, 230.0f, 238.0f, Mix(counter, LightWood(), 0.5f));
    for (float x = 3.0f + 28.0f; x < 227.0f; x += 28.0f)
    {
        c.Rect(x, 238.0f, x + 2.0f, 327.0f, Mix(counter, Outline(), 0.5f));
    }
    if (level >= 3)
    {
        c.Rect(3.0f, 270.0f, 227.0f, 276.0f, level >= 4 ? kGold : Mix(counter, LightWood(), 0.4f));
    }
    c.Rect(150.0f, 196.0f, 154.0f, 226.0f, kIron);
    c.Rect(130.0f, 196.0f, 174.0f, 199.0f, kIron);
    c.Ellipse(134.0f, 206.0f, 10.0f, 4.0f, kGold);
    c.Ellipse(170.0f, 206.0f, 10.0f, 4.0f, kGold);
    c.Line(134.0f, 199.0f, 134.0f, 204.0f, 1.0f, kIron);
    c.Line(170.0f, 199.0f, 170.0f, 204.0f, 1.0f, kIron);
    c.Rect(140.0f, 222.0f, 164.0f, 227.0f, kIron);
}

// "ShopBoxRight" + n and "ShopBoxLeft" + n: a shelf cabinet, 150 x 240, with two by three cubbies where
// the window puts the goods: cubby (row r, column c) at (8 + 70c, 15 + 75r), 60 x 60.
void Shelf(Platform::Image& image, int left, int top, int level)
{
    Canvas c(image, left, top, 150, 240);
    const std::uint32_t wood = CabinetWood(level);
    c.Rect(0.0f, 0.0f, 150.0f, 240.0f, Outline());
    c.Rect(3.0f, 3.0f, 147.0f, 237.0f, wood);
    c.Rect(0.0f, 0.0f, 150.0f, 10.0f, Outline());
    c.Rect(2.0f, 2.0f, 148.0f, 8.0f, level >= 4 ? kGold : Mix(wood, LightWood(), 0.5f));
    for (int row = 0; row < 3; ++row)
    {
        for (int column = 0; column < 2; ++column)
        {
            const float x = 8.0f + 70.0f * static_cast<float>(column);
            const float y = 15.0f + 75.0f * static_cast<float>(row);
            Cubby(c, x, y, x + 60.0f, y + 60.0f);
        }
    }
    if (level >= 2)
    {
        // Carved feet.
        c.Rect(4.0f, 228.0f, 20.0f, 240.0f, Mix(wood, Outline(), 0.4f));
        c.Rect(130.0f, 228.0f, 146.0f, 240.0f, Mix(wood, Outline(), 0.4f));
    }
}

// "FoundationStoreShop": the stone plinth where the second shelf will stand, 150 x 30.
void Plinth(Platform::Image& image)
{
    Canvas c(image, 0, 660, 150, 30);
    c.Rect(0.0f, 0.0f, 150.0f, 30.0f, Outline());
    for (int stone = 0; stone < 5; ++stone)
    {
        const float x = 2.0f + 29.2f * static_cast<float>(stone);
        c.Rect(x, 2.0f, x + 27.0f, 28.0f,
               Mix(Argb(255, 160, 154, 142), Argb(255, 120, 116, 108), static_cast<float>(stone % 2) * 0.5f));
    }
}

// "LockBoxShop": two planks nailed across a closed cubby and a padlock, 40 x 40.
void LockedCubby(Platform::Image& image)
{
    Canvas c(image, 150, 660, 40, 40);
    c.Line(2.0f, 10.0f, 38.0f, 30.0f, 7.0f, Outline());
    c.Line(2.0f, 10.0f, 38.0f, 30.0f, 5.0f, LightWood());
    c.Line(2.0f, 30.0f, 38.0f, 10.0f, 7.0f, Outline());
    c.Line(2.0f, 30.0f, 38.0f, 10.0f, 5.0f, LightWood());
    Padlock(c, 20.0f, 20.0f, 9.0f);
}

// A free place: a pale square with a bright rim, so that an empty cell reads as room for goods.
void FreeMark(Platform::Image& image, int left, int top, int width, int height)
{
    Canvas c(image, left, top, width, height);
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    c.Rect(4.0f, 4.0f, w - 4.0f, h - 4.0f, Argb(150, 255, 250, 200));
    c.Rect(7.0f, 7.0f, w - 7.0f, h - 7.0f, Argb(70, 255, 250, 220));
    c.Rect(4.0f, 4.0f, w - 4.0f, 6.0f, Argb(230, 255, 255, 235));
}

// "FloverShop" + level + c: a flower pot, the blooms' colour by c, fuller blooms at higher levels.
void Flowers(Platform::Image& image)
{
    const std::array<std::uint32_t, 4> blooms{Argb(255, 230, 70, 90), Argb(255, 250, 200, 60),
                                              Argb(255, 150, 90, 220), Argb(255, 250, 140, 50)};
    for (int level = 0; level < kShopLevels; ++level)
    {
        for (int k = 0; k < 4; ++k)
        {
            Canvas c(image, 40 * (level * 4 + k), 810, 40, 50);
            FlowerPot(c, 20.0f, 50.0f, blooms[static_cast<std::size_t>(k)], 5 + level);
        }
    }
}

// "StoreHouseMain": the storehouse's inside, 250 x 310: a plank wall with three by four crate bays;
// bay (row r, column c) at (17 + 72c, 14 + 72r), 65 x 65.
void StorehouseInside(Platform::Image& image)
{
    Canvas c(image, 0, 0, 250, 310);
    c.Rect(0.0f, 0.0f, 250.0f, 310.0f, Outline());
    c.Rect(4.0f, 4.0f, 246.0f, 306.0f, Argb(255, 96, 64, 38));
    for (float x = 4.0f; x < 246.0f; x += 20.0f)
    {
        c.Rect(x, 4.0f, x + 1.5f, 306.0f, Argb(255, 70, 46, 28));
    }
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 3; ++column)
        {
            const float x = 17.0f + 72.0f * static_cast<float>(column);
            const float y = 14.0f + 72.0f * static_cast<float>(row);
            // A crate: dark inside, a front board across its lower part.
            c.Rect(x, y, x + 65.0f, y + 65.0f, Outline());
            c.Rect(x + 3.0f, y + 3.0f, x + 62.0f, y + 62.0f, Argb(255, 58, 38, 24));
            c.Rect(x, y + 44.0f, x + 65.0f, y + 65.0f, Outline());
            c.Rect(x + 2.0f, y + 46.0f, x + 63.0f, y + 63.0f, Wood());
            c.Rect(x + 2.0f, y + 53.0f, x + 63.0f, y + 55.0f, DarkWood());
        }
        // A beam under each row of crates.
        const float beam = 14.0f + 72.0f * static_cast<float>(row) + 66.0f;
        c.Rect(4.0f, beam, 246.0f, beam + 5.0f, DarkWood());
    }
}

// "StoreHouseUp" + n: the roof beam over the inside, 300 x 36, finer by level.
void Roof(Platform::Image& image, int level)
{
    Canvas c(image, 250, 36 * level, 300, 36);
    const std::array<std::uint32_t, kStorehouseLevels> tiles{Argb(255, 150, 110, 70), Argb(255, 170, 70, 50),
                                                             Argb(255, 120, 60, 45), Argb(255, 80, 90, 120)};
    const std::uint32_t tile = tiles[static_cast<std::size_t>(level)];
    c.Polygon({{0.0f, 36.0f}, {20.0f, 2.0f}, {280.0f, 2.0f}, {300.0f, 36.0f}}, Outline());
    c.Polygon({{4.0f, 33.0f}, {22.0f, 5.0f}, {278.0f, 5.0f}, {296.0f, 33.0f}}, tile);
    for (float x = 24.0f; x < 280.0f; x += 16.0f)
    {
        c.Line(x, 6.0f, x - 4.0f, 32.0f, 1.5f, Mix(tile, Outline(), 0.45f));
    }
    if (level >= 2)
    {
        c.Rect(20.0f, 2.0f, 280.0f, 6.0f, level >= 3 ? kGold : LightWood());
    }
}

// "StoreHouseDown" + n: the floor under the inside, 290 x 30: planks, then stone, then brick.
void Floor(Platform::Image& image, int level)
{
    Canvas c(image, 250, 150 + 30 * level, 290, 30);
    c.Rect(0.0f, 0.0f, 290.0f, 30.0f, Outline());
    const std::array<std::uint32_t, kStorehouseLevels> faces{
        Wood(), Argb(255, 150, 146, 136), Argb(255, 176, 96, 70), Argb(255, 190, 180, 160)};
    const std::uint32_t face = faces[static_cast<std::size_t>(level)];
    const float width = level == 0 ? 96.0f : 36.0f;
    int n = 0;
    for (float x = 2.0f; x < 288.0f; x += width, ++n)
    {
        const float offset = level == 0 ? 0.0f : (n % 2 == 0 ? 0.0f : 14.0f);
        c.Rect(x, 2.0f, std::min(x + width - 2.0f, 288.0f), 14.0f, Mix(face, kWhite, 0.1f));
        c.Rect(std::min(x + offset, 286.0f), 16.0f, std::min(x + offset + width - 2.0f, 288.0f), 28.0f, face);
    }
}

// "StoreHouseDoors": double doors over a closed row of crates, 222 x 68, one frame per storehouse
// level (their boards' colour follows the level).
void Doors(Platform::Image& image)
{
    const std::array<std::uint32_t, kStorehouseLevels> boards{Argb(255, 150, 104, 60), Argb(255, 160, 70, 50),
                                                              Argb(255, 110, 80, 60), Argb(255, 80, 96, 120)};
    for (int level = 0; level < kStorehouseLevels; ++level)
    {
        Canvas c(image, 222 * level, 320, 222, 68);
        const std::uint32_t board = boards[static_cast<std::size_t>(level)];
        for (const float x0 : {0.0f, 111.0f})
        {
            c.Rect(x0, 0.0f, x0 + 111.0f, 68.0f, Outline());
            c.Rect(x0 + 3.0f, 3.0f, x0 + 108.0f, 65.0f, board);
            for (float x = x0 + 3.0f + 21.0f; x < x0 + 108.0f; x += 21.0f)
            {
                c.Rect(x, 3.0f, x + 1.5f, 65.0f, Mix(board, Outline(), 0.5f));
            }
            c.Rect(x0 + 3.0f, 12.0f, x0 + 108.0f, 18.0f, kIron);
            c.Rect(x0 + 3.0f, 50.0f, x0 + 108.0f, 56.0f, kIron);
        }
        // The bar across both doors.
        c.Rect(20.0f, 29.0f, 202.0f, 39.0f, Outline());
        c.Rect(22.0f, 31.0f, 200.0f, 37.0f, LightWood());
        Padlock(c, 111.0f, 32.0f, 8.0f);
    }
}

// "ShovelStoreSprite": a shovel leaning upright, 50 x 130.
void Shovel(Platform::Image& image)
{
    Canvas c(image, 560, 0, 50, 130);
    c.Line(25.0f, 6.0f, 25.0f, 92.0f, 7.0f, Outline());
    c.Line(25.0f, 6.0f, 25.0f, 92.0f, 4.5f, LightWood());
    c.Rect(14.0f, 2.0f, 36.0f, 9.0f, Outline());
    c.Rect(16.0f, 3.5f, 34.0f, 7.5f, LightWood());
    c.Polygon({{10.0f, 88.0f}, {40.0f, 88.0f}, {38.0f, 118.0f}, {25.0f, 129.0f}, {12.0f, 118.0f}}, Outline());
    c.Polygon({{13.0f, 90.0f}, {37.0f, 90.0f}, {35.5f, 116.0f}, {25.0f, 126.0f}, {14.5f, 116.0f}},
              Argb(255, 150, 156, 166));
    c.Line(18.0f, 95.0f, 20.0f, 114.0f, 2.0f, Argb(200, 220, 226, 236));
}

// "StoneStoreSprite": a grey boulder, 70 x 40.
void Stone(Platform::Image& image)
{
    Canvas c(image, 620, 0, 70, 40);
    c.Ellipse(35.0f, 22.0f, 34.0f, 17.0f, Outline());
    c.Ellipse(35.0f, 22.0f, 32.0f, 15.0f, Argb(255, 140, 136, 128));
    c.Ellipse(27.0f, 16.0f, 14.0f, 6.0f, Argb(255, 176, 172, 164));
    c.Ellipse(50.0f, 28.0f, 8.0f, 4.0f, Argb(255, 112, 108, 100));
}
} // namespace

namespace StorePlacePictures
{

Platform::Image ShopSheet()
{
    Platform::Image image = Blank(1024, 1024);
    for (int level = 0; level < kShopLevels; ++level)
    {
        const bool lastRow = level == kShopLevels - 1;
        Stall(image, lastRow ? 0 : 230 * level, lastRow ? 330 : 0, level);
        Shelf(image, 230 + 150 * level, 330, level);
        Shelf(image, 230 + 150 * level, 570, level);
    }
    Plinth(image);
    LockedCubby(image);
    FreeMark(image, 0, 700, 60, 55);
    Flowers(image);
    return image;
}

Platform::Image StorehouseSheet()
{
    Platform::Image image = Blank(1024, 512);
    StorehouseInside(image);
    for (int level = 0; level < kStorehouseLevels; ++level)
    {
        Roof(image, level);
        Floor(image, level);
    }
    Doors(image);
    Shovel(image);
    Stone(image);
    FreeMark(image, 700, 0, 70, 65);
    return image;
}

} // namespace StorePlacePictures
