#include "tools/ClipPictures/Canvas.h"

#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr float kSamples[4][2] = {{0.25f, 0.25f}, {0.75f, 0.25f}, {0.25f, 0.75f}, {0.75f, 0.75f}};

float Channel(std::uint32_t colour, int shift)
{
    return static_cast<float>((colour >> shift) & 0xFFu);
}

} // namespace

template <typename Inside>
void Canvas::Fill(float x0, float y0, float x1, float y1, std::uint32_t colour, Inside inside)
{
    const int left = std::max(0, static_cast<int>(std::floor(std::min(x0, x1))));
    const int top = std::max(0, static_cast<int>(std::floor(std::min(y0, y1))));
    const int right = std::min(mWidth, static_cast<int>(std::ceil(std::max(x0, x1))) + 1);
    const int bottom = std::min(mHeight, static_cast<int>(std::ceil(std::max(y0, y1))) + 1);
    for (int y = top; y < bottom; ++y)
    {
        for (int x = left; x < right; ++x)
        {
            int hits = 0;
            for (const auto& sample : kSamples)
            {
                hits += inside(static_cast<float>(x) + sample[0], static_cast<float>(y) + sample[1]) ? 1 : 0;
            }
            if (hits > 0)
            {
                Blend(x, y, colour, static_cast<float>(hits) / 4.0f);
            }
        }
    }
}

void Canvas::Blend(int x, int y, std::uint32_t colour, float coverage)
{
    std::uint32_t& pixel =
        mImage.pixels[static_cast<std::size_t>(mTop + y) * static_cast<std::size_t>(mImage.width) +
                      static_cast<std::size_t>(mLeft + x)];
    const float sourceAlpha = Channel(colour, 24) / 255.0f * coverage;
    const float destAlpha = Channel(pixel, 24) / 255.0f;
    const float outAlpha = sourceAlpha + destAlpha * (1.0f - sourceAlpha);
    if (outAlpha <= 0.0f)
    {
        return;
    }
    auto mix = [&](int shift)
    {
        const float value = (Channel(colour, shift) * sourceAlpha +
                             Channel(pixel, shift) * destAlpha * (1.0f - sourceAlpha)) /
                            outAlpha;
        return static_cast<int>(value + 0.5f);
    };
    pixel = Painting::Argb(static_cast<int>(outAlpha * 255.0f + 0.5f), mix(16), mix(8), mix(0));
}

void Canvas::Rect(float x0, float y0, float x1, float y1, std::uint32_t colour)
{
    Fill(x0, y0, x1, y1, colour, [&](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; });
}

void Canvas::Gradient(float x0, float y0, float x1, float y1, std::uint32_t top, std::uint32_t bottom)
{
    for (int row = std::max(0, static_cast<int>(y0)); row < std::min(mHeight, static_cast<int>(y1)); ++row)
    {
        const float t = (static_cast<float>(row) - y0) / std::max(1.0f, y1 - y0);
        Rect(x0, static_cast<float>(row), x1, static_cast<float>(row + 1), Painting::Mix(top, bottom, t));
    }
}

void Canvas::Ellipse(float cx, float cy, float rx, float ry, std::uint32_t colour)
{
    Fill(cx - rx, cy - ry, cx + rx, cy + ry, colour,
         [&](float x, float y)
         {
             const float dx = (x - cx) / rx;
             const float dy = (y - cy) / ry;
             return dx * dx + dy * dy <= 1.0f;
         });
}

void Canvas::Polygon(const std::vector<Point>& points, std::uint32_t colour)
{
    float x0 = points.front().first;
    float x1 = x0;
    float y0 = points.front().second;
    float y1 = y0;
    for (const Point& point : points)
    {
        x0 = std::min(x0, point.first);
        x1 = std::max(x1, point.first);
        y0 = std::min(y0, point.second);
        y1 = std::max(y1, point.second);
    }
    Fill(x0, y0, x1, y1, colour,
         [&](float x, float y)
         {
             bool inside = false;
             for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++)
             {
                 const Point& a = points[i];
                 const Point& b = points[j];
                 if ((a.second > y) != (b.second > y) &&
                     x < (b.first - a.first) * (y - a.second) / (b.second - a.second) + a.first)
                 {
                     inside = !inside;
                 }
             }
             return inside;
         });
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, std::uint32_t colour)
{
    const float half = width / 2.0f;
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
    Fill(std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half,
         colour,
         [&](float x, float y)
         {
             const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0f, 1.0f);
             const float px = x0 + t * dx - x;
             const float py = y0 + t * dy - y;
             return px * px + py * py <= half * half;
         });
}

void Canvas::Glow(float cx, float cy, float r, std::uint32_t colour)
{
    const int steps = 12;
    const std::uint32_t alpha = (colour >> 24) & 0xFFu;
    for (int step = 0; step < steps; ++step)
    {
        const float radius = r * static_cast<float>(steps - step) / static_cast<float>(steps);
        const auto a =
            static_cast<std::uint32_t>(static_cast<float>(alpha) / static_cast<float>(steps) * 1.5f);
        Ellipse(cx, cy, radius, radius, (std::min(a, 255u) << 24) | (colour & 0xFFFFFFu));
    }
}

void Canvas::Hills(float base, float height, float wave, float phase, std::uint32_t top, std::uint32_t bottom)
{
    for (int x = 0; x < mWidth; ++x)
    {
        const float fx = static_cast<float>(x);
        const float edge = base - height * (0.6f + 0.4f * std::sin(fx * wave + phase)) *
                                      (0.7f + 0.3f * std::sin(fx * wave * 2.3f + phase * 1.7f));
        for (int y = std::max(0, static_cast<int>(edge)); y < mHeight; ++y)
        {
            const float t =
                (static_cast<float>(y) - edge) / std::max(1.0f, static_cast<float>(mHeight) - edge);
            Blend(x, y, Painting::Mix(top, bottom, t), static_cast<float>(y) >= edge ? 1.0f : 0.0f);
        }
    }
}

void Canvas::Digit(int digit, float x, float y, float w, float h, float strokeWidth, std::uint32_t colour)
{
    static const int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    if (digit < 0 || digit > 9)
    {
        return;
    }
    const float mid = y + h / 2.0f;
    const float ends[7][4] = {{x, y, x + w, y},         {x + w, y, x + w, mid}, {x + w, mid, x + w, y + h},
                              {x, y + h, x + w, y + h}, {x, mid, x, y + h},     {x, y, x, mid},
                              {x, mid, x + w, mid}};
    for (int s = 0; s < 7; ++s)
    {
        if ((kSegments[digit] >> s) & 1)
        {
            Line(ends[s][0], ends[s][1], ends[s][2], ends[s][3], strokeWidth, colour);
        }
    }
}
