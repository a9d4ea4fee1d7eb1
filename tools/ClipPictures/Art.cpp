#include "tools/ClipPictures/Art.h"

#include "tools/Common/Painting.h"

#include <cmath>

using Painting::Argb;
using Painting::Mix;

namespace Art
{

namespace
{

constexpr float kPi = 3.14159265f;

float W(const Canvas& c)
{
    return static_cast<float>(c.Width());
}

float H(const Canvas& c)
{
    return static_cast<float>(c.Height());
}

const std::uint32_t kSkin = Argb(255, 242, 200, 160);
const std::uint32_t kDark = Argb(255, 40, 30, 26);

void Face(Canvas& c, float cx, float cy, float r)
{
    c.Circle(cx, cy, r, kSkin);
    c.Circle(cx - r * 0.35f, cy - r * 0.1f, r * 0.1f, kDark);
    c.Circle(cx + r * 0.35f, cy - r * 0.1f, r * 0.1f, kDark);
    c.Ellipse(cx, cy + r * 0.45f, r * 0.3f, r * 0.1f, Argb(255, 170, 70, 60));
    c.Circle(cx - r * 0.55f, cy + r * 0.25f, r * 0.14f, Argb(120, 230, 120, 110));
    c.Circle(cx + r * 0.55f, cy + r * 0.25f, r * 0.14f, Argb(120, 230, 120, 110));
}

} // namespace

Sky DaySky()
{
    return {Argb(255, 110, 166, 230), Argb(255, 226, 236, 240), Argb(255, 118, 168, 104),
            Argb(255, 84, 150, 62)};
}

Sky DuskSky()
{
    return {Argb(255, 90, 80, 150), Argb(255, 250, 170, 110), Argb(255, 110, 100, 110),
            Argb(255, 70, 90, 60)};
}

Sky NightSky()
{
    return {Argb(255, 10, 14, 40), Argb(255, 40, 50, 100), Argb(255, 30, 50, 50), Argb(255, 20, 40, 30)};
}

void Landscape(Canvas& c, const Sky& sky, float phase)
{
    c.Gradient(0, 0, W(c), H(c), sky.top, sky.bottom);
    c.Hills(H(c) * 0.68f, H(c) * 0.16f, 0.018f, phase, sky.farHill, Mix(sky.farHill, sky.nearHill, 0.5f));
    c.Hills(H(c) * 0.86f, H(c) * 0.12f, 0.011f, phase + 2.0f, sky.nearHill, Mix(sky.nearHill, kDark, 0.3f));
}

void Sun(Canvas& c, float cx, float cy, float r)
{
    c.Glow(cx, cy, r * 2.2f, Argb(120, 255, 240, 170));
    c.Circle(cx, cy, r, Argb(255, 255, 228, 120));
}

void Stars(Canvas& c, int count, std::uint32_t seed)
{
    for (int i = 0; i < count; ++i)
    {
        seed = seed * 214013u + 2531011u;
        const float x = static_cast<float>((seed >> 16) % 1000u) / 1000.0f * W(c);
        seed = seed * 214013u + 2531011u;
        const float y = static_cast<float>((seed >> 16) % 1000u) / 1000.0f * H(c) * 0.6f;
        c.Circle(x, y, 1.0f + static_cast<float>(i % 3) * 0.4f, Argb(255, 255, 250, 220));
    }
}

void Moon(Canvas& c)
{
    const float r = W(c) * 0.3f;
    c.Glow(W(c) / 2, H(c) / 2, W(c) / 2, Argb(110, 220, 230, 255));
    c.Circle(W(c) / 2, H(c) / 2, r, Argb(255, 246, 244, 220));
    c.Circle(W(c) / 2 - r * 0.3f, H(c) / 2 - r * 0.2f, r * 0.18f, Argb(255, 220, 216, 190));
    c.Circle(W(c) / 2 + r * 0.35f, H(c) / 2 + r * 0.3f, r * 0.12f, Argb(255, 220, 216, 190));
}

void Manor(Canvas& c, bool lit)
{
    const float w = W(c);
    const float h = H(c);
    const std::uint32_t glass = Argb(255, 60, 76, 96);
    const std::uint32_t light = Argb(255, 255, 220, 120);
    if (!lit)
    {
        c.Rect(w * 0.76f, h * 0.04f, w * 0.84f, h * 0.3f, Argb(255, 150, 90, 70));
        c.Polygon({{w * 0.02f, h * 0.42f}, {w * 0.5f, h * 0.08f}, {w * 0.98f, h * 0.42f}},
                  Argb(255, 150, 60, 50));
        c.Rect(w * 0.08f, h * 0.42f, w * 0.92f, h * 0.98f, Argb(255, 236, 222, 190));
        c.Rect(w * 0.08f, h * 0.42f, w * 0.92f, h * 0.46f, Argb(255, 200, 186, 156));
        c.Rect(w * 0.43f, h * 0.7f, w * 0.57f, h * 0.98f, Argb(255, 120, 76, 46));
        c.Circle(w * 0.54f, h * 0.85f, w * 0.01f, Argb(255, 230, 200, 90));
    }
    const float windows[][2] = {{0.16f, 0.52f}, {0.3f, 0.52f}, {0.64f, 0.52f}, {0.78f, 0.52f},
                                {0.16f, 0.74f}, {0.3f, 0.74f}, {0.64f, 0.74f}, {0.78f, 0.74f}};
    for (const auto& window : windows)
    {
        const float x = w * window[0];
        const float y = h * window[1];
        if (lit)
        {
            c.Glow(x + w * 0.05f, y + h * 0.07f, w * 0.09f, Argb(150, 255, 210, 110));
        }
        c.Rect(x, y, x + w * 0.1f, y + h * 0.14f, lit ? light : glass);
        c.Rect(x + w * 0.045f, y, x + w * 0.055f, y + h * 0.14f, Argb(255, 236, 222, 190));
        c.Rect(x, y + h * 0.065f, x + w * 0.1f, y + h * 0.075f, Argb(255, 236, 222, 190));
    }
}

void Tree(Canvas& c, std::uint32_t leaves)
{
    const float w = W(c);
    const float h = H(c);
    c.Polygon({{w * 0.42f, h}, {w * 0.46f, h * 0.4f}, {w * 0.54f, h * 0.4f}, {w * 0.58f, h}},
              Argb(255, 110, 72, 40));
    const float blobs[][3] = {{0.5f, 0.3f, 0.3f},  {0.3f, 0.4f, 0.22f}, {0.7f, 0.4f, 0.22f},
                              {0.4f, 0.18f, 0.2f}, {0.62f, 0.2f, 0.2f}, {0.5f, 0.46f, 0.2f}};
    for (const auto& blob : blobs)
    {
        c.Circle(w * blob[0], h * blob[1], w * blob[2], Mix(leaves, kDark, 0.2f));
        c.Circle(w * blob[0] - w * 0.03f, h * blob[1] - w * 0.03f, w * blob[2] * 0.8f, leaves);
    }
}

void Bush(Canvas& c, std::uint32_t leaves)
{
    const float w = W(c);
    const float h = H(c);
    for (int i = 0; i < 5; ++i)
    {
        const float x = w * (0.15f + 0.175f * static_cast<float>(i));
        c.Circle(x, h * 0.6f, h * 0.4f, Mix(leaves, kDark, 0.25f));
        c.Circle(x - 4, h * 0.55f, h * 0.33f, leaves);
    }
}

void Flowers(Canvas& c, std::uint32_t seed)
{
    const float w = W(c);
    const float h = H(c);
    Bush(c, Argb(255, 70, 140, 60));
    const std::uint32_t petals[] = {Argb(255, 240, 90, 110), Argb(255, 250, 220, 80),
                                    Argb(255, 250, 250, 250), Argb(255, 170, 110, 220)};
    for (int i = 0; i < 14; ++i)
    {
        seed = seed * 214013u + 2531011u;
        const float x = w * 0.1f + static_cast<float>((seed >> 16) % 100u) / 100.0f * w * 0.8f;
        seed = seed * 214013u + 2531011u;
        const float y = h * 0.25f + static_cast<float>((seed >> 16) % 100u) / 100.0f * h * 0.5f;
        c.Circle(x, y, h * 0.09f, petals[i % 4]);
        c.Circle(x, y, h * 0.035f, Argb(255, 250, 190, 60));
    }
}

void Fence(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, h * 0.3f, w, h * 0.4f, Argb(255, 236, 230, 214));
    c.Rect(0, h * 0.65f, w, h * 0.75f, Argb(255, 236, 230, 214));
    for (float x = 4; x < w - 10; x += 30)
    {
        c.Polygon({{x, h}, {x, h * 0.12f}, {x + 9, 0}, {x + 18, h * 0.12f}, {x + 18, h}},
                  Argb(255, 248, 244, 232));
    }
}

void Hedge(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, h * 0.35f, w, h, Argb(255, 46, 100, 44));
    for (float x = 0; x < w + 20; x += 34)
    {
        c.Circle(x, h * 0.38f, h * 0.3f, Argb(255, 56, 118, 50));
    }
}

void Pillar(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.1f, h * 0.18f, w * 0.9f, h, Argb(255, 176, 170, 160));
    for (float y = h * 0.25f; y < h; y += 24)
    {
        c.Rect(w * 0.1f, y, w * 0.9f, y + 3, Argb(255, 140, 134, 126));
    }
    c.Rect(0, h * 0.12f, w, h * 0.2f, Argb(255, 150, 144, 136));
    c.Circle(w / 2, h * 0.07f, w * 0.3f, Argb(255, 190, 184, 176));
}

void Road(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, 0, w, h, Argb(255, 196, 172, 128));
    c.Rect(0, 0, w, h * 0.1f, Argb(255, 160, 140, 100));
    for (float x = 10; x < w; x += 47)
    {
        c.Ellipse(x, h * 0.55f, 4, 2, Argb(255, 160, 136, 96));
    }
}

void Path(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Polygon({{w * 0.44f, 0}, {w * 0.56f, 0}, {w, h}, {0, h}}, Argb(255, 210, 190, 150));
}

void CarBody(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    const std::uint32_t paint = Argb(255, 150, 30, 40);
    const std::uint32_t shade = Argb(255, 110, 20, 30);
    c.Line(w * 0.02f, h * 0.8f, w * 0.12f, h * 0.8f, 8, Argb(255, 90, 90, 90));
    c.Rect(w * 0.08f, h * 0.45f, w * 0.98f, h * 0.82f, paint);
    c.Rect(w * 0.62f, h * 0.3f, w * 0.98f, h * 0.5f, paint);
    c.Rect(w * 0.08f, h * 0.05f, w * 0.5f, h * 0.47f, shade);
    c.Rect(w * 0.06f, h * 0.0f, w * 0.52f, h * 0.07f, Argb(255, 40, 30, 30));
    c.Rect(w * 0.14f, h * 0.12f, w * 0.28f, h * 0.4f, Argb(255, 180, 220, 240));
    c.Rect(w * 0.32f, h * 0.12f, w * 0.46f, h * 0.4f, Argb(255, 180, 220, 240));
    c.Circle(w * 0.96f, h * 0.38f, h * 0.07f, Argb(255, 250, 240, 180));
    c.Ellipse(w * 0.25f, h * 0.84f, w * 0.14f, h * 0.2f, Argb(255, 40, 36, 36));
    c.Ellipse(w * 0.83f, h * 0.84f, w * 0.14f, h * 0.2f, Argb(255, 40, 36, 36));
    c.Rect(w * 0.08f, h * 0.8f, w * 0.98f, h * 0.86f, Argb(255, 40, 36, 36));
}

void Wheel(Canvas& c)
{
    const float r = W(c) / 2;
    c.Circle(r, r, r - 1, Argb(255, 30, 28, 28));
    c.Circle(r, r, r * 0.72f, Argb(255, 220, 200, 150));
    for (int spoke = 0; spoke < 6; ++spoke)
    {
        const float angle = static_cast<float>(spoke) * kPi / 3.0f;
        c.Line(r, r, r + std::cos(angle) * r * 0.7f, r + std::sin(angle) * r * 0.7f, 4,
               Argb(255, 120, 90, 60));
    }
    c.Circle(r, r, r * 0.18f, Argb(255, 90, 70, 50));
}

void Trunk(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, h * 0.1f, w, h, Argb(255, 120, 80, 40));
    c.Rect(0, h * 0.1f, w, h * 0.25f, Argb(255, 96, 60, 30));
    c.Rect(w * 0.45f, h * 0.3f, w * 0.55f, h * 0.55f, Argb(255, 220, 190, 80));
    c.Line(w * 0.3f, h * 0.1f, w * 0.7f, h * 0.1f, 5, Argb(255, 70, 50, 30));
}

void Legs(Canvas& c, std::uint32_t trousers)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.22f, 0, w * 0.46f, h * 0.85f, trousers);
    c.Rect(w * 0.54f, 0, w * 0.78f, h * 0.85f, trousers);
    c.Ellipse(w * 0.32f, h * 0.9f, w * 0.2f, h * 0.1f, kDark);
    c.Ellipse(w * 0.68f, h * 0.9f, w * 0.2f, h * 0.1f, kDark);
}

void Owner(Canvas& c, bool withLegs)
{
    const float w = W(c);
    const float h = withLegs ? H(c) * 0.8f : H(c);
    const std::uint32_t coat = Argb(255, 50, 80, 150);
    c.Polygon({{w * 0.2f, h * 0.32f}, {w * 0.8f, h * 0.32f}, {w * 0.9f, h}, {w * 0.1f, h}}, coat);
    c.Line(w * 0.2f, h * 0.36f, w * 0.08f, h * 0.8f, w * 0.12f, coat);
    c.Line(w * 0.8f, h * 0.36f, w * 0.92f, h * 0.8f, w * 0.12f, coat);
    c.Circle(w * 0.08f, h * 0.84f, w * 0.07f, kSkin);
    c.Circle(w * 0.92f, h * 0.84f, w * 0.07f, kSkin);
    c.Rect(w * 0.48f, h * 0.36f, w * 0.52f, h, Argb(255, 30, 50, 110));
    for (float y = 0.45f; y < 0.95f; y += 0.15f)
    {
        c.Circle(w * 0.56f, h * y, w * 0.025f, Argb(255, 230, 200, 90));
    }
    Face(c, w / 2, h * 0.2f, w * 0.2f);
    c.Ellipse(w / 2, h * 0.08f, w * 0.34f, h * 0.03f, Argb(255, 110, 70, 40));
    c.Rect(w * 0.33f, 0, w * 0.67f, h * 0.08f, Argb(255, 110, 70, 40));
    c.Rect(w * 0.33f, h * 0.055f, w * 0.67f, h * 0.075f, Argb(255, 60, 40, 20));
    if (withLegs)
    {
        const float top = h;
        const float bottom = H(c);
        c.Rect(w * 0.3f, top, w * 0.46f, bottom * 0.97f, Argb(255, 60, 50, 50));
        c.Rect(w * 0.54f, top, w * 0.7f, bottom * 0.97f, Argb(255, 60, 50, 50));
        c.Ellipse(w * 0.36f, bottom * 0.97f, w * 0.13f, bottom * 0.03f, kDark);
        c.Ellipse(w * 0.64f, bottom * 0.97f, w * 0.13f, bottom * 0.03f, kDark);
    }
}

void Companion(Canvas& c, bool withLegs)
{
    const float w = W(c);
    const float h = withLegs ? H(c) * 0.78f : H(c);
    c.Ellipse(w / 2, h * 0.68f, w * 0.42f, h * 0.34f, Argb(255, 230, 200, 120));
    c.Polygon({{w * 0.28f, h * 0.5f}, {w * 0.72f, h * 0.5f}, {w * 0.8f, h}, {w * 0.2f, h}},
              Argb(255, 140, 96, 56));
    c.Rect(w * 0.36f, h * 0.58f, w * 0.64f, h * 0.7f, Argb(255, 160, 116, 70));
    c.Line(w * 0.14f, h * 0.5f, w * 0.08f, h * 0.8f, w * 0.12f, Argb(255, 230, 200, 120));
    c.Line(w * 0.86f, h * 0.5f, w * 0.92f, h * 0.8f, w * 0.12f, Argb(255, 230, 200, 120));
    c.Circle(w * 0.08f, h * 0.84f, w * 0.07f, kSkin);
    c.Circle(w * 0.92f, h * 0.84f, w * 0.07f, kSkin);
    c.Ellipse(w / 2, h * 0.42f, w * 0.34f, h * 0.06f, Argb(255, 240, 130, 40));
    Face(c, w / 2, h * 0.24f, w * 0.26f);
    c.Ellipse(w / 2, h * 0.1f, w * 0.28f, h * 0.08f, Argb(255, 60, 140, 70));
    c.Ellipse(w * 0.68f, h * 0.13f, w * 0.2f, h * 0.03f, Argb(255, 40, 110, 50));
    if (withLegs)
    {
        const float bottom = H(c);
        c.Rect(w * 0.3f, h, w * 0.46f, bottom * 0.97f, Argb(255, 90, 70, 50));
        c.Rect(w * 0.54f, h, w * 0.7f, bottom * 0.97f, Argb(255, 90, 70, 50));
        c.Ellipse(w * 0.36f, bottom * 0.97f, w * 0.13f, bottom * 0.03f, kDark);
        c.Ellipse(w * 0.64f, bottom * 0.97f, w * 0.13f, bottom * 0.03f, kDark);
    }
}

void Buyer(Canvas& c, std::uint32_t coat, std::uint32_t hat)
{
    const float w = W(c);
    const float h = H(c);
    c.Polygon({{w * 0.25f, h * 0.3f}, {w * 0.75f, h * 0.3f}, {w * 0.85f, h * 0.82f}, {w * 0.15f, h * 0.82f}},
              coat);
    c.Rect(w * 0.3f, h * 0.82f, w * 0.45f, h * 0.97f, kDark);
    c.Rect(w * 0.55f, h * 0.82f, w * 0.7f, h * 0.97f, kDark);
    c.Ellipse(w * 0.8f, h * 0.6f, w * 0.14f, h * 0.08f, Argb(255, 200, 160, 90));
    Face(c, w / 2, h * 0.18f, w * 0.2f);
    c.Ellipse(w / 2, h * 0.05f, w * 0.26f, h * 0.05f, hat);
}

void Bed(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, 0, w, h, Argb(255, 110, 74, 46));
    c.Rect(0, 0, w, h * 0.12f, Argb(255, 150, 110, 70));
    for (float y = h * 0.3f; y < h; y += h * 0.25f)
    {
        c.Rect(w * 0.04f, y, w * 0.96f, y + 3, Argb(255, 84, 54, 32));
    }
}

void Cabbage(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Ellipse(w / 2, h * 0.6f, w * 0.48f, h * 0.38f, Argb(255, 70, 140, 60));
    c.Ellipse(w / 2, h * 0.58f, w * 0.3f, h * 0.26f, Argb(255, 150, 210, 110));
    c.Line(w / 2, h * 0.4f, w / 2, h * 0.8f, 2, Argb(255, 100, 170, 80));
}

void Tomato(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Line(w / 2, h, w / 2, h * 0.1f, 5, Argb(255, 60, 120, 50));
    c.Ellipse(w * 0.3f, h * 0.4f, w * 0.25f, h * 0.08f, Argb(255, 60, 130, 50));
    c.Ellipse(w * 0.7f, h * 0.6f, w * 0.25f, h * 0.08f, Argb(255, 60, 130, 50));
    c.Circle(w * 0.32f, h * 0.55f, w * 0.16f, Argb(255, 220, 50, 40));
    c.Circle(w * 0.68f, h * 0.35f, w * 0.16f, Argb(255, 230, 60, 40));
    c.Circle(w * 0.6f, h * 0.75f, w * 0.15f, Argb(255, 210, 40, 30));
}

void ShopWall(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, 0, w, h, Argb(255, 222, 196, 150));
    for (float x = 0; x < w; x += 32)
    {
        c.Rect(x, 0, x + 2, h * 0.75f, Argb(255, 200, 172, 128));
    }
    c.Rect(0, h * 0.75f, w, h, Argb(255, 150, 110, 70));
    c.Rect(w * 0.08f, h * 0.15f, w * 0.42f, h * 0.18f, Argb(255, 130, 90, 50));
    c.Rect(w * 0.58f, h * 0.15f, w * 0.92f, h * 0.18f, Argb(255, 130, 90, 50));
    for (float x = w * 0.1f; x < w * 0.4f; x += 22)
    {
        c.Circle(x + 8, h * 0.12f, 9, Argb(255, 230, 80, 50));
    }
    for (float x = w * 0.6f; x < w * 0.9f; x += 22)
    {
        c.Rect(x, h * 0.06f, x + 16, h * 0.15f, Argb(255, 240, 210, 120));
    }
}

void Counter(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, h * 0.3f, w, h, Argb(255, 150, 96, 50));
    c.Rect(0, h * 0.25f, w, h * 0.35f, Argb(255, 180, 120, 64));
    for (float x = w * 0.05f; x < w * 0.95f; x += w * 0.3f)
    {
        c.Rect(x, h * 0.45f, x + w * 0.22f, h * 0.9f, Argb(255, 120, 74, 36));
    }
    c.Rect(w * 0.1f, 0, w * 0.3f, h * 0.26f, Argb(255, 196, 150, 90));
    c.Circle(w * 0.15f, h * 0.05f, w * 0.04f, Argb(255, 230, 60, 40));
    c.Circle(w * 0.22f, h * 0.06f, w * 0.04f, Argb(255, 240, 170, 40));
    c.Rect(w * 0.65f, h * 0.05f, w * 0.85f, h * 0.26f, Argb(255, 196, 150, 90));
    c.Circle(w * 0.72f, h * 0.06f, w * 0.04f, Argb(255, 100, 170, 60));
}

void Mill(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Polygon({{w * 0.25f, h}, {w * 0.35f, h * 0.25f}, {w * 0.65f, h * 0.25f}, {w * 0.75f, h}},
              Argb(255, 230, 220, 200));
    c.Polygon({{w * 0.3f, h * 0.27f}, {w * 0.5f, h * 0.05f}, {w * 0.7f, h * 0.27f}}, Argb(255, 130, 80, 60));
    c.Rect(w * 0.44f, h * 0.8f, w * 0.56f, h, Argb(255, 110, 70, 40));
    c.Rect(w * 0.46f, h * 0.45f, w * 0.54f, h * 0.55f, Argb(255, 70, 90, 110));
    const float hub = h * 0.22f;
    for (int blade = 0; blade < 4; ++blade)
    {
        const float angle = kPi / 4 + static_cast<float>(blade) * kPi / 2;
        c.Line(w / 2, hub, w / 2 + std::cos(angle) * w * 0.45f, hub + std::sin(angle) * w * 0.45f, w * 0.08f,
               Argb(255, 200, 180, 150));
    }
    c.Circle(w / 2, hub, w * 0.04f, Argb(255, 80, 60, 40));
}

void MillSails(Canvas& c)
{
    const float s = W(c);
    const float r = s / 2;
    for (int blade = 0; blade < 4; ++blade)
    {
        const float angle = static_cast<float>(blade) * kPi / 2;
        const float cosine = std::cos(angle);
        const float sine = std::sin(angle);
        auto at = [&](float along, float across) {
            return Canvas::Point{r + cosine * along - sine * across, r + sine * along + cosine * across};
        };
        // The cloth is stretched on a lattice: bars from the arm to an outer rail, so it hangs on the arm.
        const std::uint32_t wood = Argb(255, 110, 80, 50);
        c.Polygon({at(r * 0.18f, -1), at(r * 0.95f, -1), at(r * 0.95f, r * 0.24f), at(r * 0.18f, r * 0.2f)},
                  Argb(255, 240, 232, 214));
        for (int bar = 0; bar <= 5; ++bar)
        {
            const float t = static_cast<float>(bar) / 5.0f;
            const float along = r * (0.18f + 0.77f * t);
            c.Line(at(along, 0).first, at(along, 0).second, at(along, r * (0.2f + 0.04f * t)).first,
                   at(along, r * (0.2f + 0.04f * t)).second, 1.5f, wood);
        }
        c.Line(at(r * 0.18f, r * 0.2f).first, at(r * 0.18f, r * 0.2f).second, at(r * 0.95f, r * 0.24f).first,
               at(r * 0.95f, r * 0.24f).second, 2, wood);
        c.Line(r, r, r + cosine * r * 0.95f, r + sine * r * 0.95f, 5, wood);
    }
    c.Circle(r, r, r * 0.08f, Argb(255, 80, 60, 40));
}

void Bakery(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.7f, h * 0.05f, w * 0.8f, h * 0.4f, Argb(255, 160, 90, 70));
    c.Polygon({{0, h * 0.42f}, {w * 0.5f, h * 0.15f}, {w, h * 0.42f}}, Argb(255, 190, 110, 60));
    c.Rect(w * 0.06f, h * 0.42f, w * 0.94f, h, Argb(255, 246, 226, 190));
    c.Rect(w * 0.42f, h * 0.66f, w * 0.58f, h, Argb(255, 130, 80, 40));
    c.Rect(w * 0.14f, h * 0.55f, w * 0.32f, h * 0.75f, Argb(255, 255, 214, 130));
    c.Rect(w * 0.68f, h * 0.55f, w * 0.86f, h * 0.75f, Argb(255, 255, 214, 130));
    // A loaf on the sign above the door.
    c.Ellipse(w / 2, h * 0.5f, w * 0.12f, h * 0.05f, Argb(255, 200, 130, 60));
    c.Line(w * 0.45f, h * 0.49f, w * 0.47f, h * 0.52f, 2, Argb(255, 240, 200, 130));
    c.Line(w * 0.52f, h * 0.49f, w * 0.54f, h * 0.52f, 2, Argb(255, 240, 200, 130));
}

void Tent(Canvas& c, std::uint32_t stripe)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.08f, h * 0.4f, w * 0.92f, h, Argb(255, 250, 246, 236));
    for (int i = 0; i < 6; ++i)
    {
        const float x0 = static_cast<float>(i) / 6.0f;
        const float x1 = static_cast<float>(i + 1) / 6.0f;
        c.Polygon({{w / 2, 0}, {w * x0, h * 0.42f}, {w * x1, h * 0.42f}},
                  i % 2 == 0 ? stripe : Argb(255, 250, 246, 236));
    }
    c.Rect(w * 0.3f, h * 0.6f, w * 0.7f, h, Argb(255, 120, 80, 50));
    c.Line(w / 2, 0, w / 2, -10, 3, kDark);
}

void Balloon(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    const std::uint32_t colours[] = {Argb(255, 230, 60, 60), Argb(255, 250, 210, 70),
                                     Argb(255, 60, 130, 220)};
    for (int i = 0; i < 6; ++i)
    {
        c.Ellipse(w / 2, h * 0.36f, w * 0.46f * (1.0f - static_cast<float>(i) / 6.0f), h * 0.35f,
                  colours[i % 3]);
    }
    c.Line(w * 0.36f, h * 0.66f, w * 0.42f, h * 0.86f, 2, kDark);
    c.Line(w * 0.64f, h * 0.66f, w * 0.58f, h * 0.86f, 2, kDark);
    c.Rect(w * 0.4f, h * 0.86f, w * 0.6f, h, Argb(255, 150, 100, 50));
}

void Bunting(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    const std::uint32_t colours[] = {Argb(255, 230, 60, 60), Argb(255, 250, 210, 70), Argb(255, 60, 130, 220),
                                     Argb(255, 90, 180, 90)};
    c.Line(0, h * 0.1f, w, h * 0.1f, 2, kDark);
    int i = 0;
    for (float x = 4; x < w - 30; x += 36)
    {
        c.Polygon({{x, h * 0.1f}, {x + 28, h * 0.1f}, {x + 14, h * 0.9f}}, colours[i++ % 4]);
    }
}

void Burst(Canvas& c, std::uint32_t colour)
{
    const float r = W(c) / 2;
    c.Glow(r, r, r * 0.5f, (colour & 0xFFFFFFu) | 0x80000000u);
    for (int ray = 0; ray < 16; ++ray)
    {
        const float angle = static_cast<float>(ray) * kPi / 8;
        const float x = r + std::cos(angle) * r * 0.8f;
        const float y = r + std::sin(angle) * r * 0.8f;
        c.Line(r + std::cos(angle) * r * 0.2f, r + std::sin(angle) * r * 0.2f, x, y, 3, colour);
        c.Circle(x, y, 4, Argb(255, 255, 255, 230));
    }
}

void Table(Canvas& c)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(w * 0.08f, h * 0.3f, w * 0.14f, h, Argb(255, 110, 70, 40));
    c.Rect(w * 0.86f, h * 0.3f, w * 0.92f, h, Argb(255, 110, 70, 40));
    c.Rect(0, h * 0.2f, w, h * 0.32f, Argb(255, 150, 100, 56));
    // The plan of the new buildings lying on it.
    c.Polygon({{w * 0.2f, h * 0.22f}, {w * 0.3f, 0}, {w * 0.8f, 0}, {w * 0.75f, h * 0.22f}},
              Argb(255, 240, 240, 250));
    c.Line(w * 0.35f, h * 0.16f, w * 0.45f, h * 0.05f, 2, Argb(255, 60, 90, 170));
    c.Line(w * 0.45f, h * 0.05f, w * 0.55f, h * 0.16f, 2, Argb(255, 60, 90, 170));
    c.Line(w * 0.6f, h * 0.05f, w * 0.7f, h * 0.16f, 2, Argb(255, 60, 90, 170));
}

void WindowLights(Canvas& c)
{
    Manor(c, true);
}

void Field(Canvas& c, std::uint32_t colour)
{
    const float w = W(c);
    const float h = H(c);
    c.Rect(0, 0, w, h, colour);
    for (float y = 6; y < h; y += 12)
    {
        c.Rect(0, y, w, y + 3, Mix(colour, kDark, 0.2f));
    }
}

} // namespace Art
