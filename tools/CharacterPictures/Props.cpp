#include "tools/CharacterPictures/Props.h"

#include "tools/CharacterPictures/Outline.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace Props
{

namespace
{

using Painting::Argb;
using Painting::Mix;

const std::uint32_t kWhite = Argb(255, 255, 255, 255);
const std::uint32_t kInk = Argb(255, 40, 30, 30);
constexpr float kPi = 3.14159265f;

std::uint32_t Rgb(int r, int g, int b)
{
    return Argb(255, r, g, b);
}

std::uint32_t Shade(std::uint32_t colour, float amount)
{
    return Mix(colour, Rgb(0, 0, 0), amount);
}

using FramePainter = std::function<void(Canvas&, int frame)>;

// `frames` frames of width x height in rows of `columns`, each painted and, when asked, outlined.
Platform::Image Sheet(int frames, int columns, int width, int height, bool outline, const FramePainter& paint)
{
    const int rows = (frames + columns - 1) / columns;
    Platform::Image image;
    image.width = width * std::min(frames, columns);
    image.height = height * rows;
    image.pixels.assign(static_cast<std::size_t>(image.width * image.height), 0u);
    for (int frame = 0; frame < frames; ++frame)
    {
        const int left = (frame % columns) * width;
        const int top = (frame / columns) * height;
        Canvas canvas(image, left, top, width, height);
        paint(canvas, frame);
        if (outline)
        {
            OutlineRegion(image, left, top, width, height);
        }
    }
    return image;
}

void Leaves(Canvas& c, float x, float y, float s)
{
    const std::uint32_t green = Rgb(60, 160, 50);
    c.Line(x, y, x - s * 0.25f, y - s * 0.35f, s * 0.12f, green);
    c.Line(x, y, x, y - s * 0.4f, s * 0.12f, green);
    c.Line(x, y, x + s * 0.25f, y - s * 0.35f, s * 0.12f, green);
}

void Bottle(Canvas& c, float cx, float cy, float s, std::uint32_t liquid)
{
    c.Rect(cx - s * 0.25f, cy - s * 0.1f, cx + s * 0.25f, cy + s * 0.45f, liquid);
    c.Ellipse(cx, cy - s * 0.1f, s * 0.25f, s * 0.12f, liquid);
    c.Rect(cx - s * 0.09f, cy - s * 0.42f, cx + s * 0.09f, cy - s * 0.1f, Mix(liquid, kWhite, 0.3f));
    c.Rect(cx - s * 0.11f, cy - s * 0.48f, cx + s * 0.11f, cy - s * 0.4f, Rgb(140, 90, 50));
    c.Rect(cx - s * 0.25f, cy + s * 0.05f, cx + s * 0.25f, cy + s * 0.22f, kWhite);
}

void Jar(Canvas& c, float cx, float cy, float s, std::uint32_t content, std::uint32_t lid)
{
    c.Rect(cx - s * 0.3f, cy - s * 0.2f, cx + s * 0.3f, cy + s * 0.4f, content);
    c.Rect(cx - s * 0.33f, cy - s * 0.34f, cx + s * 0.33f, cy - s * 0.2f, lid);
    c.Rect(cx - s * 0.2f, cy, cx + s * 0.2f, cy + s * 0.2f, Mix(content, kWhite, 0.6f));
}

void Sack(Canvas& c, float cx, float cy, float s, std::uint32_t cloth, std::uint32_t mark)
{
    c.Ellipse(cx, cy + s * 0.12f, s * 0.38f, s * 0.33f, cloth);
    c.Polygon({{cx - s * 0.2f, cy - s * 0.15f},
               {cx + s * 0.2f, cy - s * 0.15f},
               {cx + s * 0.12f, cy - s * 0.38f},
               {cx - s * 0.12f, cy - s * 0.38f}},
              cloth);
    c.Rect(cx - s * 0.16f, cy - s * 0.24f, cx + s * 0.16f, cy - s * 0.18f, Shade(cloth, 0.4f));
    c.Circle(cx, cy + s * 0.15f, s * 0.12f, mark);
}

void Pail(Canvas& c, float cx, float cy, float s, float fill)
{
    const std::uint32_t tin = Rgb(150, 160, 175);
    c.Line(cx - s * 0.3f, cy - s * 0.2f, cx, cy - s * 0.5f, s * 0.05f, Shade(tin, 0.3f));
    c.Line(cx + s * 0.3f, cy - s * 0.2f, cx, cy - s * 0.5f, s * 0.05f, Shade(tin, 0.3f));
    c.Polygon({{cx - s * 0.35f, cy - s * 0.2f},
               {cx + s * 0.35f, cy - s * 0.2f},
               {cx + s * 0.26f, cy + s * 0.4f},
               {cx - s * 0.26f, cy + s * 0.4f}},
              tin);
    if (fill > 0.0f)
    {
        c.Ellipse(cx, cy - s * 0.2f + (1.0f - fill) * s * 0.45f, s * 0.32f - (1.0f - fill) * s * 0.06f,
                  s * 0.08f, Rgb(70, 150, 240));
    }
    c.Rect(cx - s * 0.3f, cy + s * 0.05f, cx + s * 0.3f, cy + s * 0.1f, Shade(tin, 0.25f));
}

void Carrot(Canvas& c, float cx, float cy, float s)
{
    c.Polygon({{cx - s * 0.18f, cy - s * 0.25f},
               {cx + s * 0.18f, cy - s * 0.25f},
               {cx + s * 0.02f, cy + s * 0.45f}},
              Rgb(245, 130, 30));
    Leaves(c, cx, cy - s * 0.25f, s * 0.7f);
}

void Tomato(Canvas& c, float cx, float cy, float s)
{
    c.Ellipse(cx, cy + s * 0.05f, s * 0.36f, s * 0.3f, Rgb(225, 40, 35));
    c.Circle(cx - s * 0.12f, cy - s * 0.05f, s * 0.07f, Rgb(255, 150, 140));
    c.Polygon({{cx - s * 0.15f, cy - s * 0.25f},
               {cx, cy - s * 0.18f},
               {cx + s * 0.15f, cy - s * 0.25f},
               {cx, cy - s * 0.32f}},
              Rgb(60, 150, 50));
}

void Potato(Canvas& c, float cx, float cy, float s)
{
    c.Ellipse(cx, cy, s * 0.38f, s * 0.27f, Rgb(190, 150, 90));
    c.Circle(cx - s * 0.12f, cy - s * 0.05f, s * 0.04f, Rgb(120, 90, 50));
    c.Circle(cx + s * 0.15f, cy + s * 0.06f, s * 0.04f, Rgb(120, 90, 50));
}

void Sunflower(Canvas& c, float cx, float cy, float s)
{
    c.Line(cx, cy, cx + s * 0.05f, cy + s * 0.48f, s * 0.07f, Rgb(60, 150, 50));
    for (int k = 0; k < 10; ++k)
    {
        const float a = static_cast<float>(k) * kPi / 5.0f;
        c.Circle(cx + std::cos(a) * s * 0.24f, cy + std::sin(a) * s * 0.24f, s * 0.12f, Rgb(250, 210, 30));
    }
    c.Circle(cx, cy, s * 0.18f, Rgb(110, 70, 30));
}

void Wheat(Canvas& c, float cx, float cy, float s)
{
    for (int k = -1; k <= 1; ++k)
    {
        const float x = cx + static_cast<float>(k) * s * 0.14f;
        c.Line(x, cy + s * 0.45f, x + static_cast<float>(k) * s * 0.08f, cy - s * 0.05f, s * 0.05f,
               Rgb(200, 160, 60));
        for (int g = 0; g < 4; ++g)
        {
            c.Ellipse(x + static_cast<float>(k) * s * 0.1f, cy - s * 0.1f - static_cast<float>(g) * s * 0.1f,
                      s * 0.06f, s * 0.08f, Rgb(235, 195, 80));
        }
    }
    c.Rect(cx - s * 0.2f, cy + s * 0.15f, cx + s * 0.2f, cy + s * 0.22f, Rgb(170, 60, 40));
}

// A dense goods index's picture (the ones the bubble and the hands show).
void PaintProduct(Canvas& c, int index, float cx, float cy, float s)
{
    switch (index)
    {
    case 5:
        Bottle(c, cx, cy, s, Rgb(250, 150, 40));
        break;
    case 6:
        Jar(c, cx, cy, s, Rgb(210, 40, 30), Rgb(60, 150, 50));
        break;
    case 7:
        Bottle(c, cx, cy, s, Rgb(240, 210, 60));
        break;
    case 8:
        Sack(c, cx, cy, s, Rgb(245, 242, 230), Rgb(220, 180, 80));
        break;
    case 9:
        c.Rect(cx - s * 0.38f, cy - s * 0.2f, cx + s * 0.38f, cy + s * 0.35f, Rgb(180, 130, 70));
        c.Rect(cx - s * 0.38f, cy + s * 0.05f, cx + s * 0.38f, cy + s * 0.09f, Rgb(130, 90, 45));
        Potato(c, cx - s * 0.1f, cy - s * 0.24f, s * 0.6f);
        Potato(c, cx + s * 0.16f, cy - s * 0.22f, s * 0.55f);
        break;
    case 10:
        c.Ellipse(cx, cy + s * 0.05f, s * 0.42f, s * 0.24f, Rgb(210, 140, 60));
        for (int k = -1; k <= 1; ++k)
        {
            const float x = cx + static_cast<float>(k) * s * 0.18f;
            c.Line(x - s * 0.05f, cy - s * 0.08f, x + s * 0.05f, cy + s * 0.08f, s * 0.05f,
                   Rgb(245, 200, 130));
        }
        break;
    case 11:
        for (int k = -2; k <= 2; ++k)
        {
            const float x = cx + static_cast<float>(k) * s * 0.08f;
            c.Rect(x - s * 0.03f, cy - s * 0.4f + static_cast<float>(k * k) * s * 0.03f, x + s * 0.03f, cy,
                   Rgb(250, 215, 80));
        }
        c.Polygon({{cx - s * 0.3f, cy - s * 0.1f},
                   {cx + s * 0.3f, cy - s * 0.1f},
                   {cx + s * 0.22f, cy + s * 0.42f},
                   {cx - s * 0.22f, cy + s * 0.42f}},
                  Rgb(220, 40, 40));
        break;
    case 12:
        c.Ellipse(cx, cy + s * 0.25f, s * 0.42f, s * 0.15f, Rgb(120, 160, 210));
        c.Ellipse(cx, cy + s * 0.02f, s * 0.32f, s * 0.25f, Rgb(245, 225, 180));
        break;
    case 13:
        c.Ellipse(cx, cy + s * 0.22f, s * 0.42f, s * 0.18f, Rgb(170, 120, 60));
        c.Ellipse(cx - s * 0.16f, cy - s * 0.02f, s * 0.14f, s * 0.19f, Rgb(250, 245, 235));
        c.Ellipse(cx + s * 0.14f, cy - s * 0.02f, s * 0.14f, s * 0.19f, Rgb(240, 220, 190));
        break;
    case 14:
        Sack(c, cx, cy, s, Rgb(170, 120, 70), Rgb(90, 50, 25));
        break;
    case 15:
        Jar(c, cx, cy, s, Rgb(110, 60, 30), Rgb(200, 50, 40));
        break;
    case 16:
        for (int k = 0; k < 3; ++k)
        {
            const float x = cx - s * 0.3f + static_cast<float>(k) * s * 0.22f;
            c.Rect(x, cy, x + s * 0.2f, cy + s * 0.2f, kWhite);
        }
        c.Rect(cx - s * 0.2f, cy - s * 0.22f, cx, cy - s * 0.02f, kWhite);
        c.Rect(cx + s * 0.02f, cy - s * 0.22f, cx + s * 0.22f, cy - s * 0.02f, Rgb(240, 240, 245));
        break;
    case 17:
        c.Polygon({{cx - s * 0.42f, cy + s * 0.25f}, {cx + s * 0.42f, cy + s * 0.25f}, {cx, cy - s * 0.3f}},
                  Rgb(240, 200, 130));
        c.Rect(cx - s * 0.34f, cy + s * 0.1f, cx + s * 0.34f, cy + s * 0.16f, Rgb(90, 180, 60));
        c.Rect(cx - s * 0.3f, cy + s * 0.03f, cx + s * 0.3f, cy + s * 0.1f, Rgb(220, 80, 80));
        break;
    case 18:
        c.Rect(cx - s * 0.38f, cy - s * 0.05f, cx + s * 0.38f, cy + s * 0.35f, Rgb(150, 80, 50));
        c.Rect(cx - s * 0.38f, cy - s * 0.15f, cx + s * 0.38f, cy, Rgb(255, 220, 235));
        c.Circle(cx, cy - s * 0.25f, s * 0.1f, Rgb(220, 30, 40));
        break;
    case 19:
    case 20:
    case 21:
        Pail(c, cx, cy, s, 0.45f + 0.25f * static_cast<float>(index - 19));
        break;
    case 27:
        for (int k = 0; k < 3; ++k)
        {
            c.Ellipse(cx, cy + s * 0.25f - static_cast<float>(k) * s * 0.14f, s * 0.32f, s * 0.12f,
                      k == 2 ? Rgb(250, 215, 80) : Rgb(220, 170, 40));
        }
        break;
    default:
        c.Circle(cx, cy, s * 0.3f, Painting::GoodsColour(index));
        break;
    }
}

} // namespace

void PaintGoods(Canvas& canvas, int denseIndex, float cx, float cy, float size)
{
    switch (denseIndex)
    {
    case 0:
        Carrot(canvas, cx, cy, size);
        break;
    case 1:
        Tomato(canvas, cx, cy, size);
        break;
    case 2:
        Potato(canvas, cx, cy, size);
        break;
    case 3:
        Sunflower(canvas, cx, cy, size);
        break;
    case 4:
        Wheat(canvas, cx, cy, size);
        break;
    default:
        PaintProduct(canvas, denseIndex, cx, cy, size);
        break;
    }
}

Platform::Image CarryGoods()
{
    return Sheet(kCarryFrames, 8, kGoodsSize, kGoodsSize, true,
                 [](Canvas& c, int frame)
                 {
                     const int index = frame - 1;
                     if (frame > 0 && (index <= 21 || index == 27))
                     {
                         PaintGoods(c, index, 16.0f, 16.0f, 26.0f);
                     }
                 });
}

Platform::Image GardenerCarry()
{
    // 1..5 a pinch of seeds of each crop; 6..20 one, two or three of a crop (carrot, tomato,
    // sunflower, potatoes, wheat); 21.., 30.., 39.. a pail of each water kind, full to empty.
    return Sheet(
        kGardenerFrames, 8, kGoodsSize, kGoodsSize, true,
        [](Canvas& c, int frame)
        {
            static const int kCropOfSeeds[5] = {0, 1, 2, 3, 4};
            static const int kCropOfHarvest[5] = {0, 1, 3, 2, 4};
            if (frame >= 1 && frame <= 5)
            {
                const std::uint32_t seed = Painting::GoodsColour(kCropOfSeeds[frame - 1]);
                c.Ellipse(16.0f, 22.0f, 8.0f, 4.0f, Rgb(200, 170, 120));
                for (int k = 0; k < 5; ++k)
                {
                    c.Ellipse(11.0f + static_cast<float>(k) * 2.5f, 19.0f + static_cast<float>(k % 2) * 2.0f,
                              1.6f, 1.1f, Shade(seed, 0.3f));
                }
            }
            else if (frame >= 6 && frame <= 20)
            {
                const int crop = kCropOfHarvest[(frame - 6) / 3];
                const int count = (frame - 6) % 3 + 1;
                for (int k = count - 1; k >= 0; --k)
                {
                    PaintGoods(c, crop,
                               16.0f + static_cast<float>(k) * 5.0f - static_cast<float>(count - 1) * 2.5f,
                               16.0f - static_cast<float>(k) * 2.0f, count == 1 ? 24.0f : 20.0f);
                }
            }
            else if (frame >= 21)
            {
                const int pour = (frame - 21) % 9;
                if (pour <= 7)
                {
                    const float kind = static_cast<float>((frame - 21) / 9);
                    Pail(c, 16.0f, 17.0f, 22.0f + 3.0f * kind, 1.0f - static_cast<float>(pour) / 7.0f);
                }
            }
        });
}

Platform::Image FairyCarry()
{
    // Whatever she carries, the fairy holds a glowing parcel.
    return Sheet(kCarryFrames, 8, kGoodsSize, kGoodsSize, false,
                 [](Canvas& c, int frame)
                 {
                     if (frame == 0)
                     {
                         return;
                     }
                     c.Glow(16.0f, 16.0f, 14.0f, Argb(160, 255, 240, 160));
                     c.Rect(9.0f, 10.0f, 23.0f, 23.0f, Rgb(240, 200, 120));
                     c.Rect(15.0f, 10.0f, 17.0f, 23.0f, Rgb(200, 60, 90));
                     c.Rect(9.0f, 15.5f, 23.0f, 17.5f, Rgb(200, 60, 90));
                     c.Circle(14.0f, 9.5f, 2.0f, Rgb(200, 60, 90));
                     c.Circle(18.0f, 9.5f, 2.0f, Rgb(200, 60, 90));
                 });
}

namespace
{

void Cloud(Canvas& c, std::uint32_t fill)
{
    const float w = static_cast<float>(kBubbleWidth);
    c.Circle(10.0f, 64.0f, 3.0f, fill);
    c.Circle(17.0f, 57.0f, 4.5f, fill);
    c.Ellipse(w * 0.5f + 4.0f, 31.0f, 34.0f, 25.0f, fill);
    c.Circle(22.0f, 22.0f, 14.0f, fill);
    c.Circle(57.0f, 20.0f, 15.0f, fill);
    c.Circle(40.0f, 14.0f, 12.0f, fill);
    // The lobe at the lower right holds the count ("2/3", drawn from (49, 36) by the buyer).
    c.Ellipse(60.0f, 46.0f, 19.0f, 15.0f, fill);
}

void Cross(Canvas& c, float cx, float cy, float r)
{
    const std::uint32_t red = Rgb(220, 30, 30);
    c.Line(cx - r, cy - r, cx + r, cy + r, 3.5f, red);
    c.Line(cx + r, cy - r, cx - r, cy + r, 3.5f, red);
}

// What a bubble frame means: goods (dense index), or one of the signs.
int GoodsOfBubble(int frame)
{
    static const int kGoods[22] = {0,  1,  2,  4, 8, 10, -1, -1, -1, 18, 12,
                                   13, 16, 11, 6, 3, 5,  15, 7,  9,  17, 14};
    if (frame >= 0 && frame < 22)
    {
        return kGoods[frame];
    }
    // The buildings' missing inputs, by frame 22 to 32.
    static const int kInputs[11] = {3, 1, 0, 4, 12, 2, 15, 9, 14, 12, 8};
    if (frame >= 22 && frame <= 32)
    {
        return kInputs[frame - 22];
    }
    return -1;
}

void Storehouse(Canvas& c, float cx, float cy)
{
    c.Polygon({{cx - 14.0f, cy - 2.0f}, {cx, cy - 14.0f}, {cx + 14.0f, cy - 2.0f}}, Rgb(180, 60, 40));
    c.Rect(cx - 11.0f, cy - 2.0f, cx + 11.0f, cy + 14.0f, Rgb(200, 160, 100));
    c.Rect(cx - 4.0f, cy + 4.0f, cx + 4.0f, cy + 14.0f, Rgb(110, 70, 40));
}

void Sign(Canvas& c, int frame)
{
    const float cx = 42.0f;
    const float cy = 30.0f;
    switch (frame)
    {
    case 6: // angry: a red scowling face
        c.Circle(cx, cy, 15.0f, Rgb(235, 70, 50));
        c.Line(cx - 10.0f, cy - 8.0f, cx - 3.0f, cy - 4.0f, 2.5f, kInk);
        c.Line(cx + 10.0f, cy - 8.0f, cx + 3.0f, cy - 4.0f, 2.5f, kInk);
        c.Circle(cx - 5.0f, cy - 1.0f, 2.0f, kInk);
        c.Circle(cx + 5.0f, cy - 1.0f, 2.0f, kInk);
        c.Line(cx - 6.0f, cy + 9.0f, cx, cy + 6.0f, 2.0f, kInk);
        c.Line(cx, cy + 6.0f, cx + 6.0f, cy + 9.0f, 2.0f, kInk);
        break;
    case 7: // no room, or nothing to work with: the storehouse crossed out
        Storehouse(c, cx, cy);
        Cross(c, cx, cy, 12.0f);
        break;
    case 8: // waiting for water: a drop
        c.Polygon({{cx, cy - 16.0f}, {cx + 10.0f, cy + 2.0f}, {cx - 10.0f, cy + 2.0f}}, Rgb(70, 150, 240));
        c.Circle(cx, cy + 4.0f, 10.5f, Rgb(70, 150, 240));
        c.Circle(cx - 4.0f, cy + 2.0f, 3.0f, Rgb(200, 230, 255));
        break;
    case 33: // cannot go: a path that ends in a cross
        c.Line(cx - 16.0f, cy + 10.0f, cx + 2.0f, cy + 10.0f, 3.0f, Rgb(150, 110, 70));
        for (int k = 0; k < 3; ++k)
        {
            c.Ellipse(cx - 14.0f + static_cast<float>(k) * 7.0f, cy + 4.0f - static_cast<float>(k % 2) * 2.0f,
                      2.5f, 1.6f, kInk);
        }
        Cross(c, cx + 8.0f, cy - 2.0f, 8.0f);
        break;
    case 34: // the princess's wish: a heart
        c.Circle(cx - 6.0f, cy - 4.0f, 8.0f, Rgb(240, 60, 110));
        c.Circle(cx + 6.0f, cy - 4.0f, 8.0f, Rgb(240, 60, 110));
        c.Polygon({{cx - 13.5f, cy - 1.0f}, {cx + 13.5f, cy - 1.0f}, {cx, cy + 15.0f}}, Rgb(240, 60, 110));
        break;
    case 35:
    case 36:
    case 37:
    {
        // Climbing complaints: a rope, stairs, and any climb, crossed out.
        const std::uint32_t wood = Rgb(150, 100, 50);
        if (frame == 35 || frame == 37)
        {
            c.Line(cx - 4.0f, cy - 16.0f, cx - 2.0f, cy + 16.0f, 3.0f, Rgb(200, 170, 110));
        }
        if (frame == 36 || frame == 37)
        {
            for (int k = 0; k < 4; ++k)
            {
                const float y = cy + 12.0f - static_cast<float>(k) * 8.0f;
                c.Rect(cx - 2.0f + static_cast<float>(k) * 5.0f, y, cx + 14.0f, y + 3.0f, wood);
            }
        }
        Cross(c, cx, cy, 12.0f);
        break;
    }
    default:
        break;
    }
}

} // namespace

Platform::Image DreamBubbles()
{
    Platform::Image sheet = Sheet(kBubbleFrames, 8, kBubbleWidth, kBubbleHeight, false,
                                  [](Canvas& c, int)
                                  {
                                      // The cloud in grey, then in white one pixel smaller: a rim round it.
                                      Cloud(c, Argb(255, 90, 80, 80));
                                      c.Circle(10.0f, 64.0f, 2.0f, kWhite);
                                      c.Circle(17.0f, 57.0f, 3.5f, kWhite);
                                      c.Ellipse(44.0f, 31.0f, 33.0f, 24.0f, kWhite);
                                      c.Circle(22.0f, 22.0f, 13.0f, kWhite);
                                      c.Circle(57.0f, 20.0f, 14.0f, kWhite);
                                      c.Circle(40.0f, 14.0f, 11.0f, kWhite);
                                      c.Ellipse(60.0f, 46.0f, 18.0f, 14.0f, kWhite);
                                  });
    // What the bubble shows, outlined on its own so that white goods read on the white cloud, then
    // laid over the cloud.
    const Platform::Image content = Sheet(kBubbleFrames, 8, kBubbleWidth, kBubbleHeight, true,
                                          [](Canvas& c, int frame)
                                          {
                                              const int goods = GoodsOfBubble(frame);
                                              if (goods < 0)
                                              {
                                                  Sign(c, frame);
                                                  return;
                                              }
                                              // Goods sit left of the digits (drawn at 49, 36 by the buyer).
                                              PaintGoods(c, goods, 32.0f, 28.0f, 30.0f);
                                              if (frame >= 22)
                                              {
                                                  Cross(c, 44.0f, 40.0f, 6.0f);
                                              }
                                          });
    for (std::size_t i = 0; i < sheet.pixels.size(); ++i)
    {
        const std::uint32_t over = content.pixels[i];
        const float alpha = static_cast<float>(over >> 24) / 255.0f;
        if (alpha > 0.0f)
        {
            sheet.pixels[i] =
                Mix(sheet.pixels[i], over | 0xFF000000u, alpha) | (sheet.pixels[i] & 0xFF000000u);
        }
    }
    return sheet;
}

Platform::Image Digits(bool afterSlash)
{
    return Sheet(10, 10, kDigitWidth, kDigitHeight, false,
                 [=](Canvas& c, int frame)
                 {
                     const std::uint32_t ink = afterSlash ? Rgb(40, 110, 40) : Rgb(200, 60, 30);
                     // Both lie within the bubble's lower right lobe, strokes included.
                     if (afterSlash)
                     {
                         c.Line(11.0f, 17.0f, 15.0f, 5.0f, 2.0f, kInk);
                         c.Digit(frame, 17.0f, 5.0f, 5.0f, 12.0f, 2.6f, ink);
                     }
                     else
                     {
                         c.Digit(frame, 3.0f, 5.0f, 5.0f, 12.0f, 2.6f, ink);
                     }
                 });
}

Platform::Image SelectionMark()
{
    // A glowing golden ring round the figure's middle: its front half bright, its back half faint.
    Platform::Image image;
    image.width = 78;
    image.height = 45;
    image.pixels.assign(static_cast<std::size_t>(78 * 45), 0u);
    for (int y = 0; y < 45; ++y)
    {
        for (int x = 0; x < 78; ++x)
        {
            const float dx = (static_cast<float>(x) + 0.5f - 39.0f) / 36.0f;
            const float dy = (static_cast<float>(y) + 0.5f - 22.5f) / 14.0f;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float ring = std::max(0.0f, 1.0f - std::abs(d - 1.0f) * 7.0f);
            if (ring <= 0.0f)
            {
                continue;
            }
            const float front = dy > 0.0f ? 1.0f : 0.35f;
            image.pixels[static_cast<std::size_t>(y * 78 + x)] =
                Argb(static_cast<int>(255.0f * ring * front), 255, 215, 70);
        }
    }
    return image;
}

Platform::Image Finger()
{
    return Sheet(kFingerFrames, kFingerFrames, kFingerWidth, kFingerHeight, true,
                 [](Canvas& c, int frame)
                 {
                     const float bob =
                         4.0f * std::sin(static_cast<float>(frame) / kFingerFrames * 2.0f * kPi);
                     const std::uint32_t glove = Rgb(255, 255, 255);
                     const float y = 4.0f + bob + 4.0f;
                     c.Rect(11.0f, y, 21.0f, y + 4.0f, Rgb(80, 140, 230));    // cuff
                     c.Ellipse(16.0f, y + 11.0f, 8.0f, 7.0f, glove);          // fist
                     c.Line(13.0f, y + 14.0f, 13.0f, y + 26.0f, 5.0f, glove); // the finger, pointing down
                     c.Ellipse(20.0f, y + 14.0f, 2.5f, 4.0f, Rgb(240, 240, 240));
                 });
}

Platform::Image Wings(std::uint32_t colour)
{
    // The game draws them turned back by 0.4 with the frame's centre 30 pixels behind the body bone: the
    // wings' root, at (10, 18) of the frame, then sits between the shoulder blades. Two wings sweep
    // back and up from it; frame 0 spread, 2 nearly closed.
    return Sheet(3, 3, kWingWidth, kWingHeight, false,
                 [=](Canvas& c, int frame)
                 {
                     const float spread = 1.0f - 0.3f * static_cast<float>(frame);
                     const std::uint32_t fill = (colour & 0x00FFFFFFu) | 0xB0000000u;
                     const std::uint32_t rim = Mix(colour, Rgb(110, 110, 190), 0.55f);
                     const float ox = 10.0f;
                     const float oy = 18.0f;
                     const auto wing = [&](float angle, float length, float width)
                     {
                         const float cx = ox + std::cos(angle) * length * 0.5f;
                         const float cy = oy + std::sin(angle) * length * 0.5f;
                         // An ellipse along the wing's direction, painted as a fan of circles.
                         for (int k = 0; k <= 10; ++k)
                         {
                             const float t = static_cast<float>(k) / 10.0f - 0.5f;
                             const float r = width * std::sqrt(std::max(0.0f, 0.25f - t * t)) * 2.0f;
                             c.Circle(cx + std::cos(angle) * t * length, cy + std::sin(angle) * t * length,
                                      r + 1.0f, rim);
                         }
                         for (int k = 0; k <= 10; ++k)
                         {
                             const float t = static_cast<float>(k) / 10.0f - 0.5f;
                             const float r = width * std::sqrt(std::max(0.0f, 0.25f - t * t)) * 2.0f;
                             c.Circle(cx + std::cos(angle) * t * length, cy + std::sin(angle) * t * length, r,
                                      fill);
                         }
                         c.Line(ox, oy, ox + std::cos(angle) * length * 0.85f,
                                oy + std::sin(angle) * length * 0.85f, 0.8f, Argb(170, 255, 255, 255));
                     };
                     wing(-0.5f - 0.35f * spread, 36.0f * (0.75f + 0.25f * spread), 7.0f);
                     wing(0.35f + 0.15f * spread, 24.0f, 5.0f);
                 });
}

Platform::Image Cage(int frames, bool front)
{
    // The back wall stands from the start; the front bars come down from the top as the cage closes.
    return Sheet(frames, frames, kCageWidth, kCageHeight, false,
                 [=](Canvas& c, int frame)
                 {
                     const std::uint32_t iron = front ? Rgb(70, 70, 80) : Rgb(50, 45, 50);
                     const float progress =
                         frames > 1 ? static_cast<float>(frame) / static_cast<float>(frames - 1) : 1.0f;
                     const float topY = 8.0f;
                     const float bottomY = static_cast<float>(kCageHeight) - 6.0f;
                     if (!front)
                     {
                         c.Rect(8.0f, topY, 92.0f, bottomY, Argb(70, 30, 25, 30));
                         for (float x = 14.0f; x < 90.0f; x += 12.0f)
                         {
                             c.Line(x, topY, x, bottomY, 2.0f, iron);
                         }
                         c.Rect(6.0f, bottomY - 4.0f, 94.0f, bottomY + 2.0f, Rgb(90, 70, 50));
                         return;
                     }
                     c.Rect(4.0f, topY - 6.0f, 96.0f, topY + 2.0f, Rgb(110, 90, 60));
                     const float reach = topY + (bottomY - topY) * progress;
                     for (float x = 8.0f; x < 96.0f; x += 12.0f)
                     {
                         c.Line(x, topY, x, reach, 3.0f, iron);
                     }
                     if (progress > 0.0f)
                     {
                         c.Rect(6.0f, reach - 3.0f, 94.0f, reach + 1.0f, iron);
                     }
                     if (frame == frames - 1)
                     {
                         c.Rect(44.0f, (topY + bottomY) / 2.0f - 5.0f, 56.0f, (topY + bottomY) / 2.0f + 7.0f,
                                Rgb(220, 180, 40));
                         c.Circle(50.0f, (topY + bottomY) / 2.0f - 5.0f, 4.0f, Rgb(220, 180, 40));
                     }
                 });
}

Platform::Image Bag()
{
    // The stolen-goods sack falling, landing with a squash, settling: frames 0 to 9.
    return Sheet(kBagFrames, kBagFrames, kBagWidth, kBagHeight, true,
                 [](Canvas& c, int frame)
                 {
                     static const float kSquash[kBagFrames] = {1.25f, 1.1f,  0.75f, 0.65f, 0.9f,
                                                               1.0f,  1.05f, 0.95f, 0.9f,  1.0f};
                     const float sy = kSquash[frame];
                     const float sx = 1.0f / std::sqrt(sy);
                     const float ground = static_cast<float>(kBagHeight) - 2.0f;
                     const float h = 30.0f * sy;
                     const float w = 17.0f * sx;
                     const std::uint32_t cloth = Rgb(150, 110, 70);
                     c.Ellipse(24.0f, ground - h * 0.42f, w, h * 0.42f, cloth);
                     c.Polygon({{24.0f - w * 0.35f, ground - h * 0.75f},
                                {24.0f + w * 0.35f, ground - h * 0.75f},
                                {24.0f + w * 0.25f, ground - h},
                                {24.0f - w * 0.25f, ground - h}},
                               cloth);
                     c.Rect(24.0f - w * 0.4f, ground - h * 0.82f, 24.0f + w * 0.4f, ground - h * 0.74f,
                            Rgb(90, 60, 30));
                     c.Circle(24.0f - w * 0.35f, ground - h * 0.4f, 4.0f * sx, Rgb(240, 200, 60));
                     if (frame >= 2)
                     {
                         c.Circle(24.0f + w * 0.9f, ground - 3.0f, 3.5f, Rgb(240, 200, 60));
                     }
                 });
}

} // namespace Props
