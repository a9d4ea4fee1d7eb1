#include "tools/StoreWindowPictures/StoreWindowPaint.h"

#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"

#include <cmath>

using Painting::Argb;
using Painting::Mix;

namespace StoreWindowPaint
{

std::uint32_t Wood()
{
    return Argb(255, 176, 122, 70);
}

std::uint32_t DarkWood()
{
    return Argb(255, 112, 72, 40);
}

std::uint32_t LightWood()
{
    return Argb(255, 214, 168, 110);
}

std::uint32_t Outline()
{
    return Argb(255, 52, 34, 20);
}

Platform::Image Blank(int width, int height)
{
    Platform::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
    return image;
}

void Planks(Canvas& c, float x0, float y0, float x1, float y1, std::uint32_t wood)
{
    c.Rect(x0, y0, x1, y1, Outline());
    c.Rect(x0 + 3.0f, y0 + 3.0f, x1 - 3.0f, y1 - 3.0f, wood);
    const float step = 22.0f;
    int plank = 0;
    for (float y = y0 + 3.0f; y < y1 - 3.0f; y += step, ++plank)
    {
        // Every other plank a shade lighter, a dark seam under each, a nail at either end.
        const float bottom = std::fmin(y + step, y1 - 3.0f);
        if (plank % 2 == 1)
        {
            c.Rect(x0 + 3.0f, y, x1 - 3.0f, bottom, Mix(wood, LightWood(), 0.25f));
        }
        c.Rect(x0 + 3.0f, bottom - 1.0f, x1 - 3.0f, bottom, Mix(wood, Outline(), 0.5f));
        c.Circle(x0 + 10.0f, y + step * 0.5f, 1.5f, DarkWood());
        c.Circle(x1 - 10.0f, y + step * 0.5f, 1.5f, DarkWood());
    }
}

void Coin(Canvas& c, float cx, float cy, float r)
{
    const std::uint32_t gold = Argb(255, 236, 190, 60);
    c.Circle(cx, cy, r, Outline());
    c.Circle(cx, cy, r - 1.5f, gold);
    c.Circle(cx, cy, r * 0.62f, Mix(gold, Outline(), 0.25f));
    c.Circle(cx, cy, r * 0.5f, Mix(gold, Argb(255, 255, 240, 170), 0.4f));
    c.Ellipse(cx - r * 0.35f, cy - r * 0.4f, r * 0.18f, r * 0.12f, Argb(200, 255, 255, 230));
}

void Padlock(Canvas& c, float cx, float cy, float r)
{
    const std::uint32_t iron = Argb(255, 90, 90, 100);
    const std::uint32_t brass = Argb(255, 205, 160, 60);
    // The shackle: a thick ring, its lower half hidden by the body.
    c.Ellipse(cx, cy - r * 0.45f, r * 0.75f, r * 0.85f, Outline());
    c.Ellipse(cx, cy - r * 0.45f, r * 0.6f, r * 0.7f, iron);
    c.Ellipse(cx, cy - r * 0.45f, r * 0.38f, r * 0.48f, Argb(255, 40, 30, 20));
    c.Rect(cx - r, cy - r * 0.1f, cx + r, cy + r * 1.1f, Outline());
    c.Rect(cx - r + 2.0f, cy - r * 0.1f + 2.0f, cx + r - 2.0f, cy + r * 1.1f - 2.0f, brass);
    c.Circle(cx, cy + r * 0.35f, r * 0.18f, Outline());
    c.Rect(cx - r * 0.07f, cy + r * 0.35f, cx + r * 0.07f, cy + r * 0.75f, Outline());
}

void Cubby(Canvas& c, float x0, float y0, float x1, float y1)
{
    const std::uint32_t back = Argb(255, 86, 56, 32);
    c.Rect(x0, y0, x1, y1, Outline());
    c.Rect(x0 + 3.0f, y0 + 3.0f, x1 - 3.0f, y1 - 3.0f, back);
    // Light falls from the front: the back wall brighter towards the bottom.
    c.Gradient(x0 + 3.0f, y0 + 3.0f, x1 - 3.0f, y1 - 10.0f, Mix(back, Outline(), 0.5f), back);
    c.Rect(x0, y1 - 10.0f, x1, y1, Outline());
    c.Rect(x0 + 1.0f, y1 - 9.0f, x1 - 1.0f, y1 - 1.0f, LightWood());
    c.Rect(x0 + 1.0f, y1 - 3.0f, x1 - 1.0f, y1 - 1.0f, Wood());
}

void FlowerPot(Canvas& c, float cx, float bottom, std::uint32_t bloom, int petals)
{
    const std::uint32_t clay = Argb(255, 190, 96, 56);
    const std::uint32_t leaf = Argb(255, 60, 150, 50);
    c.Line(cx, bottom - 18.0f, cx, bottom - 38.0f, 2.5f, leaf);
    c.Ellipse(cx - 6.0f, bottom - 26.0f, 6.0f, 2.5f, leaf);
    c.Ellipse(cx + 6.0f, bottom - 30.0f, 6.0f, 2.5f, leaf);
    constexpr float kPi = 3.14159265f;
    for (int petal = 0; petal < petals; ++petal)
    {
        const float a = static_cast<float>(petal) * 2.0f * kPi / static_cast<float>(petals);
        c.Circle(cx + 6.0f * std::cos(a), bottom - 40.0f + 6.0f * std::sin(a), 4.5f, bloom);
    }
    c.Circle(cx, bottom - 40.0f, 3.5f, Argb(255, 250, 220, 80));
    c.Polygon({{cx - 12.0f, bottom - 20.0f},
               {cx + 12.0f, bottom - 20.0f},
               {cx + 8.0f, bottom},
               {cx - 8.0f, bottom}},
              Outline());
    c.Polygon({{cx - 10.5f, bottom - 19.0f},
               {cx + 10.5f, bottom - 19.0f},
               {cx + 7.0f, bottom - 1.5f},
               {cx - 7.0f, bottom - 1.5f}},
              clay);
    c.Rect(cx - 12.0f, bottom - 21.0f, cx + 12.0f, bottom - 16.0f, Mix(clay, Outline(), 0.2f));
}

} // namespace StoreWindowPaint
