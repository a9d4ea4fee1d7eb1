// Writes the pictures of the level's panel, hints and money figures: a parchment window cut into nine
// pieces, the pointer pieces of the hints, a spinning coin, buyer portraits, the panel's strips and the
// goal strip's goods. The field's goods picture ("store_goods.png") must already be in OUTPUT_FOLDER.
//
//   wf_panel_pictures OUTPUT_FOLDER

#include "platform/Image.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using Painting::Argb;
using Painting::Paint;
using Painting::ReadPng;
using Painting::WritePng;

namespace
{

// The hint window: 48 x 48, corners of 12 x 12 with a rounded brown rim, a parchment centre.
std::uint32_t HintWindow(int x, int y)
{
    const int size = 48;
    const int radius = 10;
    const int cx = std::clamp(x, radius, size - 1 - radius);
    const int cy = std::clamp(y, radius, size - 1 - radius);
    const float distance = std::hypot(static_cast<float>(x - cx), static_cast<float>(y - cy));
    if (distance > static_cast<float>(radius))
    {
        return 0;
    }
    if (distance > static_cast<float>(radius) - 3.0f || x < 3 || y < 3 || x > size - 4 || y > size - 4)
    {
        return Argb(255, 110, 74, 36);
    }
    return (x * 7 + y * 3) % 23 == 0 ? Argb(245, 236, 220, 176) : Argb(245, 246, 234, 196);
}

// The pointer piece: a parchment triangle with a brown edge, its tip at the top left (mirrored by the
// hint for the other corners); 32 x 32.
std::uint32_t HintCorner(int x, int y)
{
    if (x + y > 40 || x < 0 || y < 0)
    {
        return 0;
    }
    const bool inside = std::abs(x - y) < 12 - (x + y) / 4;
    if (!inside && !(x < 24 && y < 24 && x + y > 28))
    {
        return 0;
    }
    const bool rim = std::abs(x - y) >= 10 - (x + y) / 4 || x + y > 37;
    return rim ? Argb(255, 110, 74, 36) : Argb(245, 246, 234, 196);
}

// Eight frames of a spinning coin, 24 x 24 each, side by side.
std::uint32_t Coin(int x, int y)
{
    const int frame = x / 24;
    const float half = 10.0f * std::fabs(std::cos(static_cast<float>(frame) * 3.14159265f / 8.0f)) + 1.5f;
    const float dx = (static_cast<float>(x % 24) - 11.5f) / half;
    const float dy = (static_cast<float>(y) - 11.5f) / 10.5f;
    const float r = dx * dx + dy * dy;
    if (r > 1.0f)
    {
        return 0;
    }
    return r > 0.6f ? Argb(255, 176, 120, 20) : Argb(255, 244, 196, 60);
}

// Buyer portraits: 12 faces of 40 x 40, each its own shirt and hair colour.
std::uint32_t Portrait(int x, int y)
{
    static const std::uint32_t kShirts[] = {0xC84830, 0x3070C0, 0x40A050, 0xB050B0, 0xD0A020, 0x30A0A0,
                                            0x805030, 0x6060D0, 0xD07080, 0x50B0E0, 0x909030, 0xA03060};
    const int face = x / 40;
    const float dx = static_cast<float>(x % 40) - 19.5f;
    const float dy = static_cast<float>(y) - 19.5f;
    if (dx * dx + dy * dy > 19.5f * 19.5f)
    {
        return 0;
    }
    const std::uint32_t shirt = kShirts[face % 12];
    if (y > 30)
    {
        return 0xFF000000u | shirt;
    }
    const float hx = dx;
    const float hy = static_cast<float>(y) - 16.0f;
    if (hx * hx + hy * hy < 100.0f)
    {
        return y < 11 ? Argb(255, 90 + face * 10, 60, 30) : Argb(255, 240, 200, 160);
    }
    return Argb(255, 220, 230, 210);
}

// The panel's strips: wood-brown with a lighter rim.
std::uint32_t Strip(int x, int y, int height)
{
    if (y < 3 || y >= height - 2)
    {
        return Argb(255, 120, 84, 40);
    }
    const int grain = (x / 7 + y * 3) % 11 == 0 ? 12 : 0;
    return Argb(235, 196 - grain, 156 - grain, 96 - grain);
}

// The medal: gold, silver, and an empty ring; 32 x 32 each.
std::uint32_t Medal(int x, int y)
{
    const int frame = x / 32;
    const float dx = static_cast<float>(x % 32) - 15.5f;
    const float dy = static_cast<float>(y) - 15.5f;
    const float r = std::sqrt(dx * dx + dy * dy);
    if (r > 14.0f)
    {
        return 0;
    }
    if (frame == 2)
    {
        return r > 11.0f ? Argb(160, 90, 80, 70) : 0;
    }
    const bool rim = r > 11.0f;
    if (frame == 0)
    {
        return rim ? Argb(255, 200, 140, 20) : Argb(255, 250, 204, 60);
    }
    return rim ? Argb(255, 130, 130, 140) : Argb(255, 210, 210, 220);
}

// Upgrade dots: a level still to reach (hollow) and a level reached (filled); 12 x 12 each.
std::uint32_t Dot(int x, int y)
{
    const float dx = static_cast<float>(x % 12) - 5.5f;
    const float dy = static_cast<float>(y) - 5.5f;
    const float r = std::sqrt(dx * dx + dy * dy);
    if (r > 5.5f)
    {
        return 0;
    }
    if (x < 12)
    {
        return r > 3.5f ? Argb(255, 110, 74, 36) : 0;
    }
    return Argb(255, 80, 160, 60);
}

// The tick over a met goal: 24 x 24.
std::uint32_t Check(int x, int y)
{
    const bool first = x >= 3 && x <= 10 && std::abs(y - (x + 8)) <= 2;
    const bool second = x >= 9 && x <= 21 && std::abs(y - (28 - x)) <= 2;
    return first || second ? Argb(255, 40, 150, 40) : 0;
}

// The average of the source pixels that one target pixel of a picture shrunk by the scale covers, with
// each colour weighted by its own opacity, so that edges do not darken.
std::uint32_t AreaAverage(const Platform::Image& source, int left, float scale, int x, int y)
{
    const auto x0 = static_cast<int>(static_cast<float>(x) * scale);
    const auto y0 = static_cast<int>(static_cast<float>(y) * scale);
    const auto x1 = std::max(x0 + 1, static_cast<int>(static_cast<float>(x + 1) * scale));
    const auto y1 = std::max(y0 + 1, static_cast<int>(static_cast<float>(y + 1) * scale));
    float a = 0.0f;
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    int count = 0;
    for (int sy = y0; sy < y1 && sy < source.height; ++sy)
    {
        for (int sx = x0; sx < x1; ++sx)
        {
            const std::uint32_t pixel = source.At(left + sx, sy);
            const float alpha = static_cast<float>(pixel >> 24) / 255.0f;
            a += alpha;
            r += alpha * static_cast<float>((pixel >> 16) & 0xFF);
            g += alpha * static_cast<float>((pixel >> 8) & 0xFF);
            b += alpha * static_cast<float>(pixel & 0xFF);
            ++count;
        }
    }
    if (count == 0 || a <= 0.0f)
    {
        return 0;
    }
    return Argb(static_cast<int>(std::lround(255.0f * a / static_cast<float>(count))),
                static_cast<int>(std::lround(r / a)), static_cast<int>(std::lround(g / a)),
                static_cast<int>(std::lround(b / a)));
}

// Goods icons of the goal strip: 28 of 24 x 24, the field's goods pictures (28 frames of 40 x 28, the
// goods standing about (24, 13)) shrunk to fit, so a goal shows the very goods it asks for.
Platform::Image GoalGoods(const Platform::Image& fieldGoods)
{
    constexpr int kFrames = 28;
    constexpr int kSize = 24;
    constexpr int kSourceWidth = 40;
    constexpr int kSourceHeight = 28;
    constexpr int kWindowLeft = 10; // the 28 x 28 square of the source frame around the goods
    constexpr float kScale = static_cast<float>(kSourceHeight) / static_cast<float>(kSize);
    Platform::Image image = Paint(kSize * kFrames, kSize, [](int, int) { return 0u; });
    if (fieldGoods.width < kSourceWidth * kFrames || fieldGoods.height < kSourceHeight)
    {
        return image;
    }
    for (int frame = 0; frame < kFrames; ++frame)
    {
        for (int y = 0; y < kSize; ++y)
        {
            for (int x = 0; x < kSize; ++x)
            {
                image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(frame * kSize + x)] =
                    AreaAverage(fieldGoods, frame * kSourceWidth + kWindowLeft, kScale, x, y);
            }
        }
    }
    return image;
}

// Entity icons of the panel's pages: 12 of 64 x 64, a framed square with a stripe of the kind's colour.
std::uint32_t Icon(int x, int y)
{
    const int frame = x / 64;
    const int lx = x % 64;
    if (lx < 2 || y < 2 || lx > 61 || y > 61)
    {
        return Argb(255, 110, 74, 36);
    }
    if (y > 40)
    {
        return Argb(255, 70 + (frame * 41) % 180, 120 + (frame * 23) % 120, 60 + (frame * 67) % 180);
    }
    return Argb(255, 236, 224, 190);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_panel_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= WritePng(Paint(48, 48, HintWindow), folder + "hint_window.png");
    ok &= WritePng(Paint(32, 32, HintCorner), folder + "hint_corners.png");
    ok &= WritePng(Paint(24 * 8, 24, Coin), folder + "coin.png");
    ok &= WritePng(Paint(40 * 12, 40, Portrait), folder + "portraits.png");
    ok &=
        WritePng(Paint(1024, 95, [](int x, int y) { return Strip(x, y, 95); }), folder + "panel_bottom.png");
    ok &= WritePng(Paint(1024, 36, [](int x, int y) { return Strip(x, y, 36); }), folder + "panel_top.png");
    ok &= WritePng(Paint(188, 40, [](int x, int y) { return Strip(x, y, 40); }), folder + "panel_tab.png");
    ok &= WritePng(Paint(96, 32, Medal), folder + "panel_medal.png");
    ok &= WritePng(Paint(24, 12, Dot), folder + "panel_dots.png");
    ok &= WritePng(Paint(24, 24, Check), folder + "panel_check.png");
    Platform::Image fieldGoods;
    ok &= ReadPng(folder + "store_goods.png", fieldGoods);
    ok &= WritePng(GoalGoods(fieldGoods), folder + "panel_goods.png");
    ok &= WritePng(Paint(64 * 12, 64, Icon), folder + "panel_icons.png");
    return ok ? 0 : 1;
}
