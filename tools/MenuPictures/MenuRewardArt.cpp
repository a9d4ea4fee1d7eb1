#include "tools/ClipPictures/Art.h"
#include "tools/ClipPictures/Canvas.h"
#include "tools/ClipPictures/Sheet.h"
#include "tools/Common/Painting.h"
#include "tools/MenuPictures/MenuScene.h"

#include <array>
#include <cmath>
#include <functional>
#include <vector>

using Painting::Argb;
using Painting::Mix;

namespace
{

const std::uint32_t kInk = Argb(255, 50, 34, 26);
const std::uint32_t kWood = Argb(255, 150, 100, 56);
const std::uint32_t kWoodDark = Argb(255, 110, 70, 38);
const std::uint32_t kRed = Argb(255, 200, 56, 48);
const std::uint32_t kWhite = Argb(255, 252, 252, 246);

// The thief runs right to left along the far lane, drawn at (452, 37): these are his places relative to
// that point, from beyond the right edge to beyond the left one.
constexpr float kRunStartX = 610.0f;
constexpr float kRunEndX = -520.0f;
constexpr float kRunTime = 7.0f;
constexpr float kStep = 0.125f;
constexpr float kFeetY = 283.0f;

std::vector<Key> RunKeys(float offsetX, float offsetY, float width, float height, float bob, float swing)
{
    std::vector<Key> keys;
    int step = 0;
    for (float time = 0.0f; time <= kRunTime + 0.001f; time += kStep, ++step)
    {
        const float x = kRunStartX + (kRunEndX - kRunStartX) * time / kRunTime + offsetX;
        const float up = (step % 2 == 0 ? 0.0f : -bob);
        keys.push_back(Key{time, x, kFeetY + offsetY + up, width, height, step % 2 == 0 ? swing : -swing});
    }
    return keys;
}

void Beehive(Canvas& c)
{
    c.Rect(20, 84, 76, 90, kWoodDark);
    for (int ring = 0; ring < 5; ++ring)
    {
        const float y = 78.0f - static_cast<float>(ring) * 13.0f;
        const float rx = 34.0f - static_cast<float>(ring) * 5.0f;
        c.Ellipse(48, y, rx, 9,
                  Mix(Argb(255, 230, 180, 70), Argb(255, 200, 140, 40), static_cast<float>(ring % 2)));
    }
    c.Ellipse(48, 76, 8, 6, kInk);
    for (const float x : {20.0f, 70.0f, 82.0f})
    {
        c.Ellipse(x, 24 + x * 0.1f, 4, 3, Argb(255, 250, 200, 40));
        c.Line(x - 3, 24 + x * 0.1f, x + 3, 24 + x * 0.1f, 1.2f, kInk);
    }
}

void Birdhouse(Canvas& c)
{
    c.Rect(44, 46, 52, 96, kWoodDark);
    c.Rect(26, 22, 70, 56, Argb(255, 230, 200, 150));
    c.Polygon({{20, 24}, {48, 2}, {76, 24}}, kRed);
    c.Circle(48, 36, 7, kInk);
    c.Circle(72, 60, 8, Argb(255, 90, 130, 200));
    c.Polygon({{78, 60}, {86, 58}, {78, 64}}, Argb(255, 240, 170, 40));
}

void Kennel(Canvas& c)
{
    c.Rect(8, 40, 66, 90, kWood);
    c.Polygon({{2, 44}, {37, 14}, {72, 44}}, kRed);
    c.Ellipse(37, 76, 13, 16, kInk);
    // The dog sits beside it and keeps watch.
    c.Ellipse(78, 74, 13, 16, Argb(255, 170, 120, 70));
    c.Circle(80, 52, 11, Argb(255, 170, 120, 70));
    c.Ellipse(72, 50, 4, 9, Argb(255, 120, 80, 46));
    c.Circle(84, 50, 2, kInk);
    c.Circle(90, 56, 3, kInk);
    c.Line(70, 90, 90, 90, 4, Argb(255, 150, 104, 60));
}

void Sunflowers(Canvas& c)
{
    for (const float x : {26.0f, 50.0f, 72.0f})
    {
        const float top = 18.0f + (x == 50.0f ? -8.0f : 6.0f);
        c.Line(x, top, x, 96, 4, Argb(255, 70, 130, 50));
        c.Ellipse(x + 8, top + 40, 8, 4, Argb(255, 80, 150, 60));
        for (int petal = 0; petal < 10; ++petal)
        {
            const float angle = static_cast<float>(petal) * 0.6283f;
            c.Circle(x + 10 * std::cos(angle), top + 10 * std::sin(angle), 6, Argb(255, 250, 204, 40));
        }
        c.Circle(x, top, 7, Argb(255, 110, 70, 30));
    }
}

void RoseBush(Canvas& c)
{
    Art::Bush(c, Argb(255, 60, 130, 60));
    for (const auto& rose :
         {std::array<float, 2>{22, 50}, std::array<float, 2>{46, 40}, std::array<float, 2>{70, 52},
          std::array<float, 2>{34, 66}, std::array<float, 2>{60, 68}})
    {
        c.Circle(rose[0], rose[1], 7, Argb(255, 214, 40, 70));
        c.Circle(rose[0], rose[1], 3, Argb(255, 150, 20, 40));
    }
}

void BlossomTree(Canvas& c)
{
    Art::Tree(c, Argb(255, 110, 170, 90));
    for (int i = 0; i < 16; ++i)
    {
        const float x = 16.0f + static_cast<float>((i * 37) % 64);
        const float y = 8.0f + static_cast<float>((i * 23) % 40);
        c.Circle(x, y, 4, Argb(255, 252, 200, 214));
    }
}

void Scarecrow(Canvas& c)
{
    c.Line(48, 30, 48, 96, 5, kWoodDark);
    c.Line(16, 44, 80, 44, 5, kWoodDark);
    c.Polygon({{30, 38}, {66, 38}, {62, 74}, {34, 74}}, Argb(255, 120, 90, 150));
    c.Circle(48, 26, 12, Argb(255, 236, 214, 160));
    c.Rect(32, 12, 64, 16, Argb(255, 140, 100, 50));
    c.Polygon({{38, 14}, {48, 0}, {58, 14}}, Argb(255, 140, 100, 50));
    c.Circle(44, 25, 1.8f, kInk);
    c.Circle(52, 25, 1.8f, kInk);
    c.Line(12, 44, 6, 52, 2, Argb(255, 230, 200, 90));
    c.Line(84, 44, 90, 52, 2, Argb(255, 230, 200, 90));
}

void DuckPond(Canvas& c)
{
    c.Ellipse(48, 66, 46, 22, Argb(255, 90, 150, 200));
    c.Ellipse(44, 62, 36, 14, Argb(255, 130, 190, 230));
    c.Ellipse(52, 56, 13, 8, kWhite);
    c.Circle(62, 46, 6, kWhite);
    c.Polygon({{67, 46}, {75, 48}, {67, 50}}, Argb(255, 240, 160, 40));
    c.Circle(63, 44, 1.3f, kInk);
}

void AppleBasket(Canvas& c)
{
    for (const auto& apple :
         {std::array<float, 2>{30, 46}, std::array<float, 2>{48, 40}, std::array<float, 2>{66, 46},
          std::array<float, 2>{40, 52}, std::array<float, 2>{58, 52}})
    {
        c.Circle(apple[0], apple[1], 10, Argb(255, 210, 40, 40));
        c.Circle(apple[0] - 3, apple[1] - 3, 3, Argb(255, 250, 140, 130));
    }
    c.Polygon({{12, 54}, {84, 54}, {74, 90}, {22, 90}}, Argb(255, 190, 140, 70));
    for (float y = 62; y < 90; y += 8)
    {
        c.Line(16, y, 80, y, 2, Argb(255, 150, 104, 50));
    }
}

void Bench(Canvas& c)
{
    c.Rect(8, 50, 88, 58, kWood);
    c.Rect(8, 30, 88, 36, kWood);
    c.Rect(8, 40, 88, 46, kWood);
    c.Rect(14, 58, 20, 88, kWoodDark);
    c.Rect(76, 58, 82, 88, kWoodDark);
}

void Cat(Canvas& c)
{
    c.Ellipse(48, 70, 20, 22, Argb(255, 140, 140, 150));
    c.Circle(48, 40, 14, Argb(255, 140, 140, 150));
    c.Polygon({{36, 34}, {38, 20}, {46, 30}}, Argb(255, 140, 140, 150));
    c.Polygon({{60, 34}, {58, 20}, {50, 30}}, Argb(255, 140, 140, 150));
    c.Circle(43, 40, 2.5f, Argb(255, 120, 200, 90));
    c.Circle(53, 40, 2.5f, Argb(255, 120, 200, 90));
    c.Polygon({{46, 46}, {50, 46}, {48, 48}}, Argb(255, 230, 140, 150));
    c.Line(66, 84, 84, 70, 5, Argb(255, 140, 140, 150));
}

void Trophy(Canvas& c)
{
    const std::uint32_t gold = Argb(255, 246, 196, 60);
    c.Rect(28, 80, 68, 92, Argb(255, 120, 90, 60));
    c.Rect(40, 62, 56, 80, gold);
    c.Polygon({{24, 14}, {72, 14}, {64, 50}, {32, 50}}, gold);
    c.Ellipse(48, 50, 16, 12, gold);
    c.Line(24, 20, 14, 34, 4, gold);
    c.Line(14, 34, 30, 44, 4, gold);
    c.Line(72, 20, 82, 34, 4, gold);
    c.Line(82, 34, 66, 44, 4, gold);
    c.Line(34, 20, 38, 44, 3, Argb(255, 255, 240, 170));
}

void Cart(Canvas& c)
{
    c.Rect(10, 40, 80, 70, kWood);
    c.Rect(14, 28, 36, 42, Argb(255, 240, 150, 50));
    c.Rect(40, 28, 62, 42, Argb(255, 110, 180, 70));
    c.Line(80, 56, 94, 44, 4, kWoodDark);
    c.Circle(30, 78, 13, kWoodDark);
    c.Circle(30, 78, 4, kWood);
    c.Circle(64, 78, 13, kWoodDark);
    c.Circle(64, 78, 4, kWood);
}

void BirdBath(Canvas& c)
{
    const std::uint32_t stone = Argb(255, 190, 186, 176);
    c.Rect(40, 50, 56, 88, stone);
    c.Rect(28, 86, 68, 94, stone);
    c.Ellipse(48, 46, 34, 9, stone);
    c.Ellipse(48, 44, 28, 5, Argb(255, 140, 190, 230));
    c.Ellipse(62, 32, 9, 6, Argb(255, 200, 110, 70));
    c.Circle(68, 26, 5, Argb(255, 200, 110, 70));
    c.Polygon({{72, 26}, {78, 27}, {72, 29}}, Argb(255, 240, 180, 40));
}

void Thief(Canvas& c, const std::string& part)
{
    const std::uint32_t coat = Argb(255, 70, 70, 90);
    if (part == "Leg")
    {
        c.Rect(3, 0, 9, 16, Argb(255, 50, 46, 60));
        c.Rect(0, 16, 10, 20, kInk);
    }
    else if (part == "Body")
    {
        c.Polygon({{4, 0}, {22, 0}, {24, 26}, {2, 26}}, coat);
        c.Line(6, 4, 0, 18, 4, coat);
    }
    else if (part == "Head")
    {
        c.Circle(9, 10, 8, Argb(255, 240, 200, 170));
        c.Rect(2, 6, 16, 10, kInk);
        c.Circle(6, 8, 1.2f, Argb(255, 255, 255, 255));
        c.Rect(0, 0, 18, 4, Argb(255, 40, 40, 50));
        c.Rect(4, -2, 16, 2, Argb(255, 40, 40, 50));
    }
    else
    {
        c.Circle(12, 14, 11, Argb(255, 200, 170, 120));
        c.Rect(8, 0, 16, 6, Argb(255, 170, 140, 96));
        c.Circle(10, 12, 2, kInk);
    }
}

} // namespace

namespace MenuScene
{

bool PaintThief(const std::string& folder)
{
    Sheet sheet("menu_thief.png", "Thief");
    sheet.Add(
        "LegBack", 10, 20, [](Canvas& c) { Thief(c, "Leg"); }, RunKeys(10, -20, 10, 20, 0, -5));
    sheet.Add(
        "Sack", 24, 24, [](Canvas& c) { Thief(c, "Sack"); }, RunKeys(16, -48, 24, 24, 2, 0));
    sheet.Add(
        "Body", 26, 26, [](Canvas& c) { Thief(c, "Body"); }, RunKeys(2, -44, 26, 26, 2, 0));
    sheet.Add(
        "LegFront", 10, 20, [](Canvas& c) { Thief(c, "Leg"); }, RunKeys(8, -20, 10, 20, 0, 5));
    sheet.Add(
        "Head", 18, 18, [](Canvas& c) { Thief(c, "Head"); }, RunKeys(4, -60, 18, 18, 2, 0));
    return sheet.Write(folder, "menu_thief.mesh");
}

bool PaintRewards(const std::string& folder)
{
    // Fifteen decorations of 96 x 96, five to a row, one per achievement in id order.
    const std::function<void(Canvas&)> painters[] = {
        Beehive,    Birdhouse,   Kennel,      [](Canvas& c) { Art::Flowers(c, 31); },
        Sunflowers, RoseBush,    BlossomTree, Scarecrow,
        DuckPond,   AppleBasket, Bench,       Cat,
        Trophy,     Cart,        BirdBath,
    };
    Platform::Image picture;
    picture.width = 512;
    picture.height = 512;
    picture.pixels.assign(static_cast<std::size_t>(512) * 512, 0u);
    int index = 0;
    for (const auto& paint : painters)
    {
        Canvas cell(picture, (index % 5) * 100, (index / 5) * 100, 96, 96);
        paint(cell);
        ++index;
    }
    return Painting::WritePng(picture, folder + "/menu_rewards.png");
}

} // namespace MenuScene

namespace
{

// 128 x 128: a head and shoulders in a round frame.
void Portrait(Canvas& c, std::uint32_t shirt, std::uint32_t hair, bool wings)
{
    c.Circle(64, 64, 62, Argb(255, 236, 222, 190));
    c.Circle(64, 64, 56, Argb(255, 170, 210, 240));
    if (wings)
    {
        c.Ellipse(30, 70, 24, 36, Argb(200, 230, 240, 255));
        c.Ellipse(98, 70, 24, 36, Argb(200, 230, 240, 255));
    }
    c.Ellipse(64, 118, 40, 28, shirt);
    c.Circle(64, 60, 28, Argb(255, 250, 216, 184));
    c.Ellipse(64, 40, 30, 16, hair);
    c.Circle(54, 62, 3, kInk);
    c.Circle(74, 62, 3, kInk);
    c.Line(56, 76, 64, 80, 2.5f, Argb(255, 180, 60, 60));
    c.Line(64, 80, 72, 76, 2.5f, Argb(255, 180, 60, 60));
}

// 64 x 64: as many boxes as the worker carries at once.
void Boxes(Canvas& c, int count)
{
    for (int box = 0; box < count; ++box)
    {
        const float x = 8.0f + static_cast<float>(box) * 16.0f;
        const float y = 40.0f - static_cast<float>(box) * 12.0f;
        c.Rect(x, y, x + 24, y + 20, kWood);
        c.Line(x, y + 10, x + 24, y + 10, 2, kWoodDark);
    }
}

} // namespace

namespace MenuScene
{

bool PaintNewCharacters(const std::string& folder)
{
    Platform::Image picture;
    picture.width = 512;
    picture.height = 256;
    picture.pixels.assign(static_cast<std::size_t>(512) * 256, 0u);
    Canvas boy(picture, 0, 0, 128, 128);
    Portrait(boy, Argb(255, 220, 120, 50), Argb(255, 90, 60, 30), false);
    Canvas fairy(picture, 128, 0, 128, 128);
    Portrait(fairy, Argb(255, 200, 120, 220), Argb(255, 250, 220, 110), true);
    for (int count = 1; count <= 3; ++count)
    {
        Canvas boxes(picture, (count - 1) * 64, 128, 64, 64);
        Boxes(boxes, count);
    }
    // Walks: a boot; flies: a wing.
    Canvas boot(picture, 192, 128, 64, 64);
    boot.Polygon({{20, 8}, {36, 8}, {36, 40}, {56, 46}, {56, 56}, {20, 56}}, Argb(255, 110, 70, 40));
    Canvas wing(picture, 256, 128, 64, 64);
    wing.Polygon({{8, 52}, {20, 16}, {56, 6}, {44, 30}, {52, 34}, {30, 50}}, Argb(255, 200, 226, 250));
    wing.Line(8, 52, 56, 6, 2, Argb(255, 140, 170, 210));
    return Painting::WritePng(picture, folder + "/new_characters.png");
}

} // namespace MenuScene
