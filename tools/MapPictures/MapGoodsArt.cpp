// The map shop's pictures of the goods.
#include "tools/ClipPictures/Art.h"
#include "tools/MapPictures/MapArt.h"
#include "tools/MapPictures/MapArtParts.h"

#include <array>
#include <cmath>

namespace MapArt
{

namespace
{

using Painting::Argb;
using Parts::Barn;
using Parts::H;
using Parts::kDarkWood;
using Parts::kGold;
using Parts::kWood;
using Parts::W;
using Parts::Well;

void Person(Canvas& c, std::uint32_t coat, std::uint32_t hat, bool wings)
{
    const float w = W(c);
    const float h = H(c);
    if (wings)
    {
        c.Ellipse(w * 0.36f, h * 0.45f, w * 0.12f, h * 0.2f, Argb(150, 200, 230, 255));
        c.Ellipse(w * 0.64f, h * 0.45f, w * 0.12f, h * 0.2f, Argb(150, 200, 230, 255));
    }
    c.Polygon({{w * 0.38f, h * 0.4f}, {w * 0.62f, h * 0.4f}, {w * 0.66f, h * 0.92f}, {w * 0.34f, h * 0.92f}},
              coat);
    c.Circle(w * 0.5f, h * 0.3f, h * 0.12f, Argb(255, 242, 200, 160));
    c.Ellipse(w * 0.5f, h * 0.2f, h * 0.16f, h * 0.05f, hat);
    c.Rect(w * 0.45f, h * 0.1f, w * 0.55f, h * 0.2f, hat);
}

void Building(Canvas& c, std::uint32_t wall, std::uint32_t roof, std::uint32_t sign)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.3f, h * 0.42f, w * 0.7f, h * 0.92f, wall);
    c.Polygon({{w * 0.24f, h * 0.44f}, {w * 0.5f, h * 0.12f}, {w * 0.76f, h * 0.44f}}, roof);
    c.Rect(w * 0.45f, h * 0.68f, w * 0.55f, h * 0.92f, kDarkWood);
    c.Circle(w * 0.5f, h * 0.54f, h * 0.08f, sign);
}

void Rope(Canvas& c, int level)
{
    const float w = W(c);
    const float h = H(c);
    if (level == 0)
    {
        for (int i = 0; i < 4; ++i)
        {
            c.Ellipse(w * 0.5f, h * (0.3f + 0.12f * static_cast<float>(i)), w * 0.14f, h * 0.06f,
                      Argb(255, 190, 150, 90));
        }
        return;
    }
    if (level == 3)
    {
        c.Ellipse(w * 0.5f, h * 0.8f, w * 0.2f, h * 0.07f, Argb(255, 120, 60, 180));
        c.Glow(w * 0.5f, h * 0.5f, h * 0.4f, Argb(200, 190, 140, 255));
        c.Rect(w * 0.44f, h * 0.15f, w * 0.56f, h * 0.8f, Argb(120, 230, 210, 255));
        return;
    }
    const std::uint32_t rail = level == 1 ? Argb(255, 190, 150, 90) : kWood;
    c.Line(w * 0.4f, h * 0.1f, w * 0.4f, h * 0.92f, level == 1 ? 2.0f : 4.0f, rail);
    c.Line(w * 0.6f, h * 0.1f, w * 0.6f, h * 0.92f, level == 1 ? 2.0f : 4.0f, rail);
    for (int rung = 0; rung < 6; ++rung)
    {
        const float y = h * (0.18f + 0.13f * static_cast<float>(rung));
        c.Line(w * 0.4f, y, w * 0.6f, y, 2.5f, kDarkWood);
    }
}

} // namespace

void Good(Canvas& c, int costId, int level)
{
    const float w = W(c);
    const float h = H(c);
    // A round pad behind the good; upgrades show as stars along its bottom.
    c.Ellipse(w / 2, h * 0.55f, w * 0.3f, h * 0.42f, Argb(90, 255, 250, 220));
    switch (costId)
    {
    case 132:
        Person(c, Argb(255, 80, 140, 60), Argb(255, 200, 170, 90), false);
        break;
    case 133:
        Person(c, Argb(255, 70, 110, 200), Argb(255, 200, 60, 50), false);
        break;
    case 134:
        Person(c, Argb(255, 230, 140, 210), Argb(255, 250, 220, 100), true);
        break;
    case 130:
    case 131:
        c.Rect(w * 0.3f, h * 0.35f, w * 0.7f, h * 0.85f, kWood);
        c.Rect(w * 0.3f, h * 0.35f, w * 0.7f, h * 0.42f, kDarkWood);
        c.Circle(w * 0.42f, h * 0.32f, h * 0.1f, Argb(255, 230, 60, 40));
        c.Circle(w * 0.56f, h * 0.3f, h * 0.1f, Argb(255, 240, 200, 60));
        break;
    case 10:
        Barn(c);
        break;
    case 26:
        Art::Mill(c);
        break;
    case 50:
        c.Polygon(
            {{w * 0.42f, h * 0.2f}, {w * 0.58f, h * 0.2f}, {w * 0.62f, h * 0.9f}, {w * 0.38f, h * 0.9f}},
            Argb(255, 220, 190, 50));
        c.Rect(w * 0.45f, h * 0.1f, w * 0.55f, h * 0.2f, kDarkWood);
        break;
    case 62:
        c.Rect(w * 0.3f, h * 0.4f, w * 0.7f, h * 0.85f, Argb(255, 200, 160, 100));
        c.Rect(w * 0.48f, h * 0.4f, w * 0.52f, h * 0.85f, Argb(255, 200, 60, 60));
        c.Rect(w * 0.3f, h * 0.58f, w * 0.7f, h * 0.62f, Argb(255, 200, 60, 60));
        break;
    case 30:
        c.Polygon(
            {{w * 0.38f, h * 0.3f}, {w * 0.62f, h * 0.3f}, {w * 0.58f, h * 0.88f}, {w * 0.42f, h * 0.88f}},
            Argb(200, 240, 150, 40));
        c.Circle(w * 0.64f, h * 0.3f, h * 0.1f, Argb(255, 250, 200, 40));
        break;
    case 42:
        c.Rect(w * 0.32f, h * 0.5f, w * 0.68f, h * 0.85f, Argb(255, 250, 220, 230));
        c.Rect(w * 0.32f, h * 0.5f, w * 0.68f, h * 0.58f, Argb(255, 230, 110, 150));
        c.Circle(w * 0.5f, h * 0.42f, h * 0.08f, Argb(255, 220, 40, 60));
        break;
    case 34:
        c.Circle(w * 0.5f, h * 0.58f, h * 0.28f, Argb(255, 226, 50, 40));
        c.Polygon(
            {{w * 0.44f, h * 0.32f}, {w * 0.5f, h * 0.26f}, {w * 0.56f, h * 0.32f}, {w * 0.5f, h * 0.38f}},
            Argb(255, 60, 140, 50));
        break;
    case 46:
        c.Ellipse(w * 0.5f, h * 0.6f, w * 0.22f, h * 0.2f, Argb(255, 200, 140, 60));
        c.Line(w * 0.4f, h * 0.52f, w * 0.46f, h * 0.66f, 2.0f, Argb(255, 240, 210, 150));
        c.Line(w * 0.52f, h * 0.5f, w * 0.58f, h * 0.64f, 2.0f, Argb(255, 240, 210, 150));
        break;
    case 38:
        c.Ellipse(w * 0.5f, h * 0.62f, w * 0.2f, h * 0.22f, Argb(255, 70, 70, 76));
        for (float x : {0.44f, 0.5f, 0.56f})
        {
            c.Ellipse(w * x, h * 0.3f, w * 0.03f, h * 0.06f, Argb(255, 110, 60, 30));
        }
        break;
    case 54:
        c.Polygon({{w * 0.3f, h * 0.7f}, {w * 0.7f, h * 0.7f}, {w * 0.5f, h * 0.4f}},
                  Argb(255, 230, 200, 140));
        c.Rect(w * 0.32f, h * 0.62f, w * 0.68f, h * 0.67f, Argb(255, 90, 170, 60));
        break;
    case 66:
        c.Polygon(
            {{w * 0.36f, h * 0.5f}, {w * 0.64f, h * 0.5f}, {w * 0.6f, h * 0.88f}, {w * 0.4f, h * 0.88f}},
            Argb(255, 220, 50, 50));
        for (float x : {0.4f, 0.46f, 0.52f, 0.58f})
        {
            c.Rect(w * x, h * 0.26f, w * x + 3.0f, h * 0.52f, Argb(255, 250, 210, 80));
        }
        break;
    case 58:
        c.Ellipse(w * 0.5f, h * 0.62f, w * 0.2f, h * 0.18f, Argb(255, 246, 232, 200));
        c.Line(w * 0.3f, h * 0.4f, w * 0.7f, h * 0.4f, 4.0f, kWood);
        break;
    case 5:
        c.Rect(w * 0.26f, h * 0.55f, w * 0.74f, h * 0.85f, Argb(255, 120, 80, 50));
        for (float x : {0.34f, 0.5f, 0.66f})
        {
            c.Circle(w * x, h * 0.5f, h * 0.09f, Argb(255, 80, 170, 60));
        }
        break;
    case 17:
        Building(c, Argb(255, 240, 230, 210), Argb(255, 220, 70, 60), Argb(255, 250, 200, 60));
        break;
    case 14:
        Well(c);
        break;
    case 1:
        Rope(c, level);
        break;
    case 138:
        c.Rect(w * 0.3f, h * 0.3f, w * 0.7f, h * 0.85f, Argb(60, 200, 200, 200));
        for (float x = 0.3f; x <= 0.71f; x += 0.08f)
        {
            c.Line(w * x, h * 0.3f, w * x, h * 0.85f, 2.0f, Argb(255, 120, 120, 130));
        }
        c.Ellipse(w * 0.5f, h * 0.3f, w * 0.22f, h * 0.06f, Argb(255, 120, 120, 130));
        break;
    default:
        break;
    }
    for (int star = 0; star < level; ++star)
    {
        const float x = w * 0.5f + (static_cast<float>(star) - static_cast<float>(level - 1) / 2.0f) * 14.0f;
        c.Circle(x, h * 0.92f, 5.0f, kGold);
        c.Circle(x, h * 0.92f, 2.5f, Argb(255, 255, 250, 200));
    }
}

} // namespace MapArt
