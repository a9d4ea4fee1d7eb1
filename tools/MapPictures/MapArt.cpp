#include "tools/MapPictures/MapArt.h"

#include "tools/ClipPictures/Art.h"
#include "tools/Common/Painting.h"
#include "tools/MapPictures/MapArtParts.h"

#include <array>
#include <cmath>

namespace MapArt
{

namespace
{

using Painting::Argb;
using Painting::Mix;
using Parts::Barn;
using Parts::H;
using Parts::kDarkWood;
using Parts::kGold;
using Parts::kWood;
using Parts::W;
using Parts::Well;

constexpr float kPi = 3.14159265f;
const std::uint32_t kOutline = Argb(255, 60, 40, 26);
const std::uint32_t kSilver = Argb(255, 206, 214, 226);

void Shadow(Canvas& c)
{
    c.Ellipse(W(c) / 2, H(c) * 0.92f, W(c) * 0.42f, H(c) * 0.08f, Argb(70, 20, 40, 10));
}

void Cottage(Canvas& c, std::uint32_t roof)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Rect(w * 0.12f, h * 0.45f, w * 0.88f, h * 0.92f, Argb(255, 238, 226, 196));
    c.Polygon({{w * 0.02f, h * 0.48f}, {w * 0.5f, h * 0.08f}, {w * 0.98f, h * 0.48f}}, roof);
    c.Rect(w * 0.66f, h * 0.12f, w * 0.78f, h * 0.3f, Argb(255, 150, 90, 70));
    c.Rect(w * 0.42f, h * 0.64f, w * 0.58f, h * 0.92f, kDarkWood);
    c.Rect(w * 0.2f, h * 0.56f, w * 0.34f, h * 0.72f, Argb(255, 110, 150, 200));
    c.Rect(w * 0.66f, h * 0.56f, w * 0.8f, h * 0.72f, Argb(255, 110, 150, 200));
}

void Haystack(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Ellipse(w / 2, h * 0.6f, w * 0.46f, h * 0.36f, Argb(255, 196, 156, 60));
    c.Ellipse(w / 2, h * 0.45f, w * 0.36f, h * 0.36f, Argb(255, 230, 196, 90));
    for (int i = 0; i < 5; ++i)
    {
        const float x = w * (0.25f + 0.12f * static_cast<float>(i));
        c.Line(x, h * 0.3f, x - w * 0.05f, h * 0.7f, 1.2f, Argb(160, 170, 130, 40));
    }
}

void Scarecrow(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.46f, h * 0.25f, w * 0.54f, h, kDarkWood);
    c.Rect(w * 0.05f, h * 0.36f, w * 0.95f, h * 0.42f, kDarkWood);
    c.Polygon({{w * 0.25f, h * 0.34f}, {w * 0.75f, h * 0.34f}, {w * 0.7f, h * 0.72f}, {w * 0.3f, h * 0.72f}},
              Argb(255, 90, 120, 180));
    c.Circle(w / 2, h * 0.2f, w * 0.18f, Argb(255, 230, 200, 120));
    c.Polygon({{w * 0.15f, h * 0.12f}, {w * 0.85f, h * 0.12f}, {w * 0.5f, 0}}, Argb(255, 140, 90, 40));
}

void Pumpkins(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Ellipse(w / 2, h * 0.7f, w * 0.48f, h * 0.26f, Argb(255, 70, 130, 50));
    for (int i = 0; i < 4; ++i)
    {
        const float x = w * (0.15f + 0.23f * static_cast<float>(i));
        const float y = h * (0.55f + 0.12f * static_cast<float>(i % 2));
        c.Ellipse(x, y, w * 0.1f, h * 0.26f, Argb(255, 236, 130, 30));
        c.Ellipse(x, y, w * 0.04f, h * 0.26f, Argb(255, 210, 100, 20));
        c.Rect(x - 1, y - h * 0.34f, x + 2, y - h * 0.2f, Argb(255, 60, 100, 40));
    }
}

void Chapel(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Rect(w * 0.3f, h * 0.12f, w * 0.7f, h * 0.9f, Argb(255, 232, 228, 216));
    c.Polygon({{w * 0.24f, h * 0.16f}, {w * 0.5f, 0}, {w * 0.76f, h * 0.16f}}, Argb(255, 90, 100, 130));
    c.Rect(w * 0.05f, h * 0.48f, w * 0.95f, h * 0.9f, Argb(255, 238, 234, 222));
    c.Polygon({{0, h * 0.5f}, {w * 0.5f, h * 0.3f}, {w, h * 0.5f}}, Argb(255, 110, 120, 150));
    c.Circle(w / 2, h * 0.28f, w * 0.07f, Argb(255, 240, 200, 90));
    c.Rect(w * 0.42f, h * 0.66f, w * 0.58f, h * 0.9f, kDarkWood);
}

void Reeds(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    for (int i = 0; i < 7; ++i)
    {
        const float x = w * (0.1f + 0.13f * static_cast<float>(i));
        c.Line(x, h, x + w * 0.04f * static_cast<float>(i % 3 - 1), h * 0.2f, 2.0f, Argb(255, 80, 130, 50));
        if (i % 2 == 0)
        {
            c.Ellipse(x + w * 0.04f * static_cast<float>(i % 3 - 1), h * 0.28f, 2.5f, 6.0f,
                      Argb(255, 120, 70, 40));
        }
    }
}

void Cart(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Rect(w * 0.1f, h * 0.3f, w * 0.8f, h * 0.65f, kWood);
    c.Ellipse(w * 0.3f, h * 0.3f, w * 0.12f, h * 0.16f, Argb(255, 240, 130, 40));
    c.Ellipse(w * 0.55f, h * 0.28f, w * 0.12f, h * 0.16f, Argb(255, 120, 180, 60));
    c.Line(w * 0.8f, h * 0.55f, w, h * 0.45f, 2.5f, kDarkWood);
    for (float x : {0.28f, 0.64f})
    {
        c.Circle(w * x, h * 0.74f, h * 0.22f, kOutline);
        c.Circle(w * x, h * 0.74f, h * 0.15f, kWood);
    }
}

void Beehives(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    for (int i = 0; i < 3; ++i)
    {
        const float x = w * (0.18f + 0.32f * static_cast<float>(i));
        c.Ellipse(x, h * 0.62f, w * 0.13f, h * 0.36f, Argb(255, 214, 170, 80));
        for (int ring = 0; ring < 3; ++ring)
        {
            c.Rect(x - w * 0.12f, h * (0.42f + 0.16f * static_cast<float>(ring)), x + w * 0.12f,
                   h * (0.44f + 0.16f * static_cast<float>(ring)), Argb(255, 170, 120, 50));
        }
        c.Circle(x, h * 0.8f, h * 0.06f, kOutline);
    }
}

void Windmill(Canvas& c)
{
    Art::Mill(c);
}

void FallenTree(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Polygon({{w * 0.02f, h * 0.45f}, {w * 0.9f, h * 0.3f}, {w * 0.95f, h * 0.62f}, {w * 0.06f, h * 0.8f}},
              Argb(255, 120, 80, 46));
    c.Ellipse(w * 0.92f, h * 0.46f, w * 0.05f, h * 0.17f, Argb(255, 210, 170, 110));
    c.Ellipse(w * 0.92f, h * 0.46f, w * 0.025f, h * 0.08f, Argb(255, 170, 120, 70));
    for (float x : {0.25f, 0.5f, 0.7f})
    {
        c.Circle(w * x, h * 0.34f, h * 0.22f, Argb(255, 60, 110, 40));
    }
}

void Brambles(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    std::uint32_t seed = 17;
    for (int i = 0; i < 26; ++i)
    {
        seed = seed * 214013u + 2531011u;
        const float x = w * (0.08f + 0.84f * static_cast<float>((seed >> 16) % 100u) / 100.0f);
        seed = seed * 214013u + 2531011u;
        const float y = h * (0.25f + 0.6f * static_cast<float>((seed >> 16) % 100u) / 100.0f);
        c.Circle(x, y, h * 0.16f, Argb(255, 70, 86, 40));
        c.Circle(x - 2, y - 2, h * 0.11f, Argb(255, 96, 110, 50));
    }
    for (int i = 0; i < 14; ++i)
    {
        seed = seed * 214013u + 2531011u;
        const float x = w * (0.1f + 0.8f * static_cast<float>((seed >> 16) % 100u) / 100.0f);
        seed = seed * 214013u + 2531011u;
        const float y = h * (0.2f + 0.6f * static_cast<float>((seed >> 16) % 100u) / 100.0f);
        c.Line(x, y, x + w * 0.1f, y - h * 0.15f, 1.5f, Argb(255, 110, 60, 50));
        c.Circle(x + w * 0.1f, y - h * 0.15f, 2.2f, Argb(255, 90, 30, 70));
    }
}

// A tower mill whose sail cross the map turns about (hubX, hubY) with arms of the given reach: a tapered
// body standing on the ground line, a cap above the hub and the hub's boss on the cap's front, so that
// the turning cross sits on a mill of its own size.
void TowerMill(Canvas& c, float hubX, float hubY, float reach, float ground)
{
    // Sandstone and a slate cap, darker than the sails' cloth and arms, so the cross reads against them.
    const std::uint32_t body = Argb(255, 190, 156, 116);
    const std::uint32_t roof = Argb(255, 84, 92, 108);
    const float capBase = hubY + reach * 0.2f;
    const float top = reach * 0.42f;
    const float foot = reach * 0.7f;
    c.Polygon({{hubX - top - 1.5f, capBase},
               {hubX + top + 1.5f, capBase},
               {hubX + foot + 1.5f, ground + 1.0f},
               {hubX - foot - 1.5f, ground + 1.0f}},
              kOutline);
    c.Polygon({{hubX - top, capBase}, {hubX + top, capBase}, {hubX + foot, ground}, {hubX - foot, ground}},
              body);
    // Courses of the walling, and the door at the foot.
    for (float y = capBase + 7.0f; y < ground - 2.0f; y += 7.0f)
    {
        const float half = top + (foot - top) * (y - capBase) / (ground - capBase);
        c.Rect(hubX - half + 1.0f, y, hubX + half - 1.0f, y + 1.0f, Argb(140, 120, 90, 60));
    }
    const float door = reach * 0.2f;
    c.Rect(hubX - door - 1.0f, ground - reach * 0.62f - 1.0f, hubX + door + 1.0f, ground, kOutline);
    c.Rect(hubX - door, ground - reach * 0.62f, hubX + door, ground, kDarkWood);
    // The cap: a pointed roof from above the sails' reach down over the hub.
    const float apex = hubY - reach * 1.2f;
    const float eave = top + reach * 0.22f;
    c.Polygon(
        {{hubX - eave - 1.5f, capBase + 1.5f}, {hubX, apex - 2.0f}, {hubX + eave + 1.5f, capBase + 1.5f}},
        kOutline);
    c.Polygon({{hubX - eave, capBase}, {hubX, apex}, {hubX + eave, capBase}}, roof);
    c.Rect(hubX - eave, capBase - 2.0f, hubX + eave, capBase, Mix(roof, kOutline, 0.4f));
    c.Circle(hubX, hubY, reach * 0.2f + 1.0f, kOutline);
    c.Circle(hubX, hubY, reach * 0.2f, kDarkWood);
}

// The mills by the river: three tower mills, the tallest in the middle, the small one on the right in
// front of it; the two right ones stand on a stone pier out over the river, the miller's cottage on the
// bank at their left. The map turns a sail cross on each hub (picture pixels; the picture stands at
// (452, 282)), the first drawn first.
void MillHouse(Canvas& c)
{
    constexpr std::array<std::array<float, 4>, 3> kMills{
        {{44.0f, 102.0f, 17.0f, 123.0f}, {102.0f, 85.0f, 25.0f, 120.0f}, {130.0f, 98.0f, 16.0f, 122.0f}}};
    const std::uint32_t stone = Argb(255, 150, 146, 136);
    c.Ellipse(30.0f, 123.0f, 30.0f, 4.0f, Argb(70, 20, 40, 10));
    // The cottage: walls, a red roof, its door and a lit window.
    c.Rect(1.0f, 99.0f, 25.0f, 124.0f, kOutline);
    c.Rect(2.0f, 100.0f, 24.0f, 123.0f, Argb(255, 226, 214, 186));
    c.Polygon({{-1.0f, 101.0f}, {13.0f, 86.0f}, {27.0f, 101.0f}}, Argb(255, 150, 60, 45));
    c.Rect(5.0f, 110.0f, 11.0f, 123.0f, kDarkWood);
    c.Rect(15.0f, 106.0f, 21.0f, 112.0f, Argb(255, 100, 140, 190));
    // The pier: a block of dressed stone from the bank into the water, its courses and its waterline.
    c.Rect(70.0f, 118.0f, 151.0f, 127.0f, kOutline);
    c.Rect(71.0f, 119.0f, 150.0f, 126.0f, stone);
    for (float x = 78.0f; x < 150.0f; x += 10.0f)
    {
        c.Rect(x, 119.0f, x + 1.0f, 126.0f, Mix(stone, kOutline, 0.45f));
    }
    c.Rect(71.0f, 122.0f, 150.0f, 123.0f, Mix(stone, kOutline, 0.45f));
    c.Rect(71.0f, 125.0f, 150.0f, 126.0f, Argb(255, 90, 130, 170));
    for (const auto& mill : kMills)
    {
        TowerMill(c, mill[0], mill[1], mill[2], mill[3]);
    }
}

void WaterMillHut(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Ellipse(w * 0.4f, h * 0.9f, w * 0.36f, h * 0.08f, Argb(70, 20, 40, 10));
    c.Rect(w * 0.06f, h * 0.4f, w * 0.7f, h * 0.9f, Argb(255, 200, 160, 110));
    c.Polygon({{0, h * 0.44f}, {w * 0.38f, h * 0.06f}, {w * 0.76f, h * 0.44f}}, Argb(255, 90, 110, 70));
    c.Rect(w * 0.3f, h * 0.62f, w * 0.44f, h * 0.9f, kDarkWood);
    c.Rect(w * 0.7f, h * 0.55f, w, h * 0.6f, kDarkWood);
}

void Jetty(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, h * 0.3f, w, h * 0.7f, kWood);
    for (float x = 2; x < w; x += 8)
    {
        c.Rect(x, h * 0.3f, x + 1, h * 0.7f, kDarkWood);
    }
    c.Rect(w * 0.1f, h * 0.6f, w * 0.16f, h, kDarkWood);
    c.Rect(w * 0.84f, h * 0.6f, w * 0.9f, h, kDarkWood);
}

void Stall(Canvas& c)
{
    Shadow(c);
    Art::Tent(c, Argb(255, 220, 70, 60));
}

void Cup(Canvas& c, float cx, float cy, float r, std::uint32_t metal)
{
    const std::uint32_t shade = Mix(metal, Argb(255, 90, 70, 30), 0.35f);
    c.Polygon({{cx - r, cy - r * 0.8f},
               {cx + r, cy - r * 0.8f},
               {cx + r * 0.55f, cy + r * 0.2f},
               {cx - r * 0.55f, cy + r * 0.2f}},
              metal);
    c.Circle(cx - r, cy - r * 0.4f, r * 0.3f, shade);
    c.Circle(cx + r, cy - r * 0.4f, r * 0.3f, shade);
    c.Rect(cx - r * 0.14f, cy + r * 0.2f, cx + r * 0.14f, cy + r * 0.6f, shade);
    c.Rect(cx - r * 0.5f, cy + r * 0.6f, cx + r * 0.5f, cy + r * 0.8f, metal);
    c.Rect(cx - r * 0.6f, cy - r * 0.7f, cx - r * 0.3f, cy - r * 0.1f, Argb(160, 255, 255, 255));
}

} // namespace

namespace Parts
{

void Well(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Rect(w * 0.18f, h * 0.2f, w * 0.24f, h * 0.7f, kDarkWood);
    c.Rect(w * 0.76f, h * 0.2f, w * 0.82f, h * 0.7f, kDarkWood);
    c.Polygon({{w * 0.05f, h * 0.26f}, {w * 0.5f, 0}, {w * 0.95f, h * 0.26f}}, Argb(255, 170, 70, 50));
    c.Ellipse(w / 2, h * 0.72f, w * 0.42f, h * 0.2f, Argb(255, 150, 150, 150));
    c.Ellipse(w / 2, h * 0.66f, w * 0.32f, h * 0.1f, Argb(255, 50, 80, 110));
}

void Barn(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    Shadow(c);
    c.Rect(w * 0.06f, h * 0.38f, w * 0.94f, h * 0.92f, Argb(255, 180, 54, 40));
    c.Polygon({{0, h * 0.42f}, {w * 0.2f, h * 0.08f}, {w * 0.8f, h * 0.08f}, {w, h * 0.42f}},
              Argb(255, 90, 60, 50));
    c.Rect(w * 0.36f, h * 0.52f, w * 0.64f, h * 0.92f, Argb(255, 240, 230, 210));
    c.Line(w * 0.36f, h * 0.52f, w * 0.64f, h * 0.92f, 2.0f, Argb(255, 180, 54, 40));
    c.Line(w * 0.64f, h * 0.52f, w * 0.36f, h * 0.92f, 2.0f, Argb(255, 180, 54, 40));
}

} // namespace Parts

void Decoration(Canvas& c, const std::string& kind)
{
    if (kind == "tree")
    {
        Shadow(c);
        Art::Tree(c, Argb(255, 78, 150, 58));
    }
    else if (kind == "bush")
    {
        Art::Bush(c, Argb(255, 70, 140, 56));
    }
    else if (kind == "flowers")
    {
        Art::Flowers(c, static_cast<std::uint32_t>(c.Width() * 7 + c.Height()));
    }
    else if (kind == "fence")
    {
        Art::Fence(c);
    }
    else if (kind == "hedge")
    {
        Art::Hedge(c);
    }
    else if (kind == "haystack")
    {
        Haystack(c);
    }
    else if (kind == "cottage")
    {
        Cottage(c, Argb(255, 190, 80, 56));
    }
    else if (kind == "well")
    {
        Well(c);
    }
    else if (kind == "scarecrow")
    {
        Scarecrow(c);
    }
    else if (kind == "pumpkins")
    {
        Pumpkins(c);
    }
    else if (kind == "chapel")
    {
        Chapel(c);
    }
    else if (kind == "barn")
    {
        Barn(c);
    }
    else if (kind == "reeds")
    {
        Reeds(c);
    }
    else if (kind == "cart")
    {
        Cart(c);
    }
    else if (kind == "beehives")
    {
        Beehives(c);
    }
    else if (kind == "windmill")
    {
        Windmill(c);
    }
    else if (kind == "fallen tree")
    {
        FallenTree(c);
    }
    else if (kind == "brambles")
    {
        Brambles(c);
    }
    else if (kind == "mill")
    {
        MillHouse(c);
    }
    else if (kind == "water mill")
    {
        WaterMillHut(c);
    }
    else if (kind == "jetty")
    {
        Jetty(c);
    }
    else if (kind == "stall")
    {
        Stall(c);
    }
}

void LevelButton(Canvas& c, int type, int state)
{
    const float w = W(c);
    const float cx = w / 2;
    const float cy = 25.0f;
    // The buttons stand about 39 pixels apart along the path: plate, post and shadow leave a gap to the
    // next one even where the path turns and the buttons stand one above the other.
    const float r = 12.5f;
    // A wooden post under a round plate; the plate tells the state.
    c.Ellipse(cx, 41.0f, 10.0f, 2.5f, Argb(90, 20, 30, 10));
    c.Rect(cx - 2.5f, cy, cx + 2.5f, 41.0f, kDarkWood);
    const std::uint32_t ring = type == 0 ? kWood : Argb(255, 70, 110, 160);
    c.Circle(cx, cy, r + 2.0f, kOutline);
    c.Circle(cx, cy, r + 0.5f, ring);
    switch (state)
    {
    case 0: // locked: grey stone with a padlock
        c.Circle(cx, cy, r - 3.0f, Argb(255, 150, 150, 146));
        c.Circle(cx, cy - 3.0f, 4.5f, Argb(255, 70, 70, 70));
        c.Circle(cx, cy - 3.0f, 2.5f, Argb(255, 150, 150, 146));
        c.Rect(cx - 5.5f, cy - 2.0f, cx + 5.5f, cy + 6.0f, Argb(255, 70, 70, 70));
        break;
    case 1: // open: green with a white arrow
        c.Circle(cx, cy, r - 3.0f, Argb(255, 70, 180, 70));
        c.Polygon({{cx - 4.0f, cy - 6.0f}, {cx + 6.5f, cy}, {cx - 4.0f, cy + 6.0f}},
                  Argb(255, 255, 255, 250));
        break;
    case 2: // passed: a green tick on light wood
    case 3:
    case 4:
        c.Circle(cx, cy, r - 3.0f, Argb(255, 238, 220, 176));
        if (state == 2)
        {
            c.Line(cx - 5.5f, cy, cx - 1.5f, cy + 4.5f, 3.0f, Argb(255, 40, 150, 50));
            c.Line(cx - 1.5f, cy + 4.5f, cx + 5.5f, cy - 5.0f, 3.0f, Argb(255, 40, 150, 50));
        }
        else
        {
            Cup(c, cx, cy - 1.0f, 7.0f, state == 3 ? kGold : kSilver);
        }
        break;
    default: // waiting for goods: orange with a coin
        c.Circle(cx, cy, r - 3.0f, Argb(255, 240, 150, 40));
        c.Circle(cx, cy, 6.0f, Argb(255, 160, 100, 20));
        c.Circle(cx, cy, 4.8f, kGold);
        c.Rect(cx - 0.8f, cy - 3.0f, cx + 0.8f, cy + 3.0f, Argb(255, 160, 100, 20));
        break;
    }
}

void Selection(Canvas& c, bool cup)
{
    const float cx = W(c) / 2;
    const float cy = 25.0f;
    const std::uint32_t glow = cup ? Argb(200, 255, 220, 80) : Argb(200, 255, 255, 200);
    for (int i = 0; i < 24; ++i)
    {
        const float a = static_cast<float>(i) * kPi / 12.0f;
        c.Circle(cx + std::cos(a) * 15.5f, cy + std::sin(a) * 15.5f, 1.6f, glow);
    }
}

void WaterWheel(Canvas& c)
{
    const float cx = W(c) / 2;
    const float cy = H(c) / 2;
    const float r = W(c) * 0.46f;
    for (int spoke = 0; spoke < 8; ++spoke)
    {
        const float a = static_cast<float>(spoke) * kPi / 4.0f;
        c.Line(cx, cy, cx + std::cos(a) * r, cy + std::sin(a) * r, 3.0f, kDarkWood);
        c.Polygon({{cx + std::cos(a - 0.12f) * r * 0.8f, cy + std::sin(a - 0.12f) * r * 0.8f},
                   {cx + std::cos(a - 0.12f) * r, cy + std::sin(a - 0.12f) * r},
                   {cx + std::cos(a + 0.12f) * r, cy + std::sin(a + 0.12f) * r},
                   {cx + std::cos(a + 0.12f) * r * 0.8f, cy + std::sin(a + 0.12f) * r * 0.8f}},
                  kWood);
    }
    for (int i = 0; i < 48; ++i)
    {
        const float a = static_cast<float>(i) * kPi / 24.0f;
        c.Circle(cx + std::cos(a) * r * 0.8f, cy + std::sin(a) * r * 0.8f, 1.8f, kDarkWood);
    }
    c.Circle(cx, cy, r * 0.16f, kOutline);
}

void Animal(Canvas& c, const std::string& kind, int frame)
{
    const float w = W(c);
    const float h = H(c);
    const float bob = (frame % 2 == 0) ? 0.0f : 1.5f;
    const float headDown = (frame == 1 || frame == 2) ? 4.0f : 0.0f;
    c.Ellipse(w / 2, h * 0.92f, w * 0.34f, h * 0.06f, Argb(70, 20, 40, 10));
    if (kind == "sheep" || kind == "cow")
    {
        const bool sheep = kind == "sheep";
        const std::uint32_t body = sheep ? Argb(255, 246, 244, 236) : Argb(255, 250, 250, 250);
        const std::uint32_t dark = sheep ? Argb(255, 50, 46, 44) : Argb(255, 60, 50, 44);
        for (float x : {0.3f, 0.42f, 0.62f, 0.72f})
        {
            c.Rect(w * x, h * 0.6f, w * x + 3.0f, h * 0.88f, dark);
        }
        if (sheep)
        {
            for (float x : {0.32f, 0.46f, 0.6f, 0.72f})
            {
                c.Circle(w * x, h * 0.5f - bob, h * 0.18f, body);
            }
        }
        else
        {
            c.Ellipse(w * 0.52f, h * 0.5f - bob, w * 0.28f, h * 0.2f, body);
            c.Circle(w * 0.45f, h * 0.45f - bob, h * 0.08f, dark);
            c.Circle(w * 0.62f, h * 0.55f - bob, h * 0.07f, dark);
        }
        c.Ellipse(w * 0.2f, h * 0.42f + headDown, w * 0.09f, h * 0.12f, dark);
        c.Circle(w * 0.17f, h * 0.38f + headDown, 1.2f, Argb(255, 255, 255, 255));
    }
    else if (kind == "duck")
    {
        c.Ellipse(w * 0.5f, h * 0.66f, w * 0.26f, h * 0.16f, Argb(255, 250, 250, 246));
        c.Circle(w * 0.3f, h * 0.42f + headDown, h * 0.12f, Argb(255, 40, 120, 60));
        c.Polygon({{w * 0.2f, h * 0.42f + headDown},
                   {w * 0.08f, h * 0.46f + headDown},
                   {w * 0.2f, h * 0.5f + headDown}},
                  Argb(255, 240, 170, 40));
        c.Ellipse(w * 0.5f, h * 0.8f, w * 0.3f, h * 0.05f, Argb(120, 200, 230, 255));
    }
    else
    {
        c.Rect(w * 0.45f, h * 0.7f, w * 0.47f, h * 0.9f, Argb(255, 230, 160, 40));
        c.Rect(w * 0.55f, h * 0.7f, w * 0.57f, h * 0.9f, Argb(255, 230, 160, 40));
        c.Ellipse(w * 0.52f, h * 0.56f - bob, w * 0.2f, h * 0.18f, Argb(255, 240, 236, 226));
        c.Circle(w * 0.36f, h * 0.38f + headDown, h * 0.1f, Argb(255, 240, 236, 226));
        c.Circle(w * 0.36f, h * 0.28f + headDown, h * 0.05f, Argb(255, 220, 40, 40));
        c.Polygon({{w * 0.28f, h * 0.38f + headDown},
                   {w * 0.22f, h * 0.41f + headDown},
                   {w * 0.29f, h * 0.43f + headDown}},
                  Argb(255, 240, 170, 40));
    }
}

} // namespace MapArt
