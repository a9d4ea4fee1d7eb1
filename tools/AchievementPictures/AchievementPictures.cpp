// Writes the pictures of the achievements: "badges.png", a medal on a ribbon with its number for every
// achievement (lit and greyed at 96 x 96, lit at 128 x 128 for the alert), and "achievements.png", the
// window's row card, its grey cover, the picture slot, the progress bar, the tab marks and the slider.
//
//   wf_achievement_pictures OUTPUT_FOLDER

#include "tools/Common/Painting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

using Painting::Argb;
using Painting::Mix;
using Painting::Paint;
using Painting::WritePng;

namespace
{

constexpr int kBadges = 15;
constexpr int kColumns = 8;
constexpr int kSmall = 96;
constexpr int kLarge = 128;

// Ribbon colours, one per achievement.
constexpr std::array<std::uint32_t, kBadges> kRibbons = {
    0xFFC03030, 0xFFE07820, 0xFF3050B0, 0xFFD03040, 0xFF40A040, 0xFFB08020, 0xFF2080A0, 0xFF906030,
    0xFF60A030, 0xFF8040B0, 0xFFE0A020, 0xFF404040, 0xFFD0B020, 0xFF30A090, 0xFF5060C0};

// Which of the seven segments (top, upper right, lower right, bottom, lower left, upper left, middle)
// each digit lights.
constexpr std::array<std::uint8_t, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                    0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// True when (u, v), in a digit's box of 0..1 each way, lies on a lit segment of the digit.
bool OnDigit(int digit, float u, float v)
{
    constexpr float t = 0.2f; // stroke, as a share of the box's width
    constexpr float th = 0.12f;
    const std::uint8_t lit = kSegments[static_cast<std::size_t>(digit)];
    const bool left = u < t;
    const bool right = u > 1.0f - t;
    const bool upper = v < 0.5f;
    const bool segments[7] = {v < th,
                              right && upper,
                              right && !upper,
                              v > 1.0f - th,
                              left && !upper,
                              left && upper,
                              std::fabs(v - 0.5f) < th * 0.5f};
    for (int s = 0; s < 7; ++s)
    {
        if ((lit & (1 << s)) != 0 && segments[s])
        {
            return true;
        }
    }
    return false;
}

// True when (u, v) of the badge lies on its number (the achievement's id + 1), centred on the medal.
bool OnNumber(int id, float u, float v)
{
    const std::string number = std::to_string(id + 1);
    constexpr float width = 0.15f;
    constexpr float height = 0.28f;
    constexpr float gap = 0.05f;
    const float total =
        static_cast<float>(number.size()) * width + static_cast<float>(number.size() - 1) * gap;
    const float left = 0.5f - total / 2.0f;
    const float top = 0.6f - height / 2.0f;
    for (std::size_t i = 0; i < number.size(); ++i)
    {
        const float x0 = left + static_cast<float>(i) * (width + gap);
        const float du = (u - x0) / width;
        const float dv = (v - top) / height;
        if (du >= 0.0f && du <= 1.0f && dv >= 0.0f && dv <= 1.0f && OnDigit(number[i] - '0', du, dv))
        {
            return true;
        }
    }
    return false;
}

std::uint32_t Grey(std::uint32_t colour)
{
    const int r = static_cast<int>((colour >> 16) & 0xFF);
    const int g = static_cast<int>((colour >> 8) & 0xFF);
    const int b = static_cast<int>(colour & 0xFF);
    const int a = static_cast<int>(colour >> 24);
    const int grey = (r * 3 + g * 5 + b * 2) / 10 * 6 / 10 + 30;
    return Argb(a, grey, grey, grey + 6);
}

// One badge of side size: two ribbon tails from the top edge to a round gold medal with the number.
std::uint32_t Badge(int id, int x, int y, int size, bool lit)
{
    const float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(size);
    const float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(size);
    const float dx = u - 0.5f;
    const float dy = v - 0.6f;
    const float r = std::sqrt(dx * dx + dy * dy);
    std::uint32_t colour = 0;
    const std::uint32_t ribbon = kRibbons[static_cast<std::size_t>(id)];
    for (const float side : {-1.0f, 1.0f})
    {
        const float centre = 0.5f + side * (0.2f - 0.36f * v);
        if (v < 0.5f && std::fabs(u - centre) < 0.09f)
        {
            const bool stripe = std::fabs(u - centre) < 0.025f;
            colour = stripe ? Mix(ribbon, 0xFFFFFFFF, 0.6f) : ribbon;
        }
    }
    if (r < 0.37f)
    {
        colour = Argb(255, 150, 96, 20); // outer rim
    }
    if (r < 0.34f)
    {
        const float light = std::clamp(0.5f - (dx + dy) * 1.2f, 0.0f, 1.0f);
        colour = Mix(Argb(255, 214, 150, 30), Argb(255, 255, 228, 110), light);
    }
    if (r < 0.27f && r > 0.25f)
    {
        colour = Argb(255, 176, 118, 24); // inner ring
    }
    if (r < 0.34f && OnNumber(id, u, v))
    {
        colour = Argb(255, 96, 52, 12);
    }
    return lit || colour == 0 ? colour : Grey(colour);
}

// "badges.png": rows 0-1 lit 96 px badges, rows 2-3 the same greyed, then 128 px lit badges below.
std::uint32_t Badges(int x, int y)
{
    const int smallRows = 2;
    if (y < kSmall * smallRows * 2)
    {
        const int row = y / kSmall;
        const int id = (row % smallRows) * kColumns + x / kSmall;
        if (x >= kSmall * kColumns || id >= kBadges)
        {
            return 0;
        }
        return Badge(id, x % kSmall, y % kSmall, kSmall, row < smallRows);
    }
    const int ly = y - kSmall * smallRows * 2;
    const int id = (ly / kLarge) * kColumns + x / kLarge;
    return id < kBadges ? Badge(id, x % kLarge, ly % kLarge, kLarge, true) : 0;
}

// Inside a rectangle with rounded corners of the given radius.
bool InRounded(int x, int y, int left, int top, int right, int bottom, int radius)
{
    if (x < left || y < top || x >= right || y >= bottom)
    {
        return false;
    }
    const int cx = std::clamp(x, left + radius, right - 1 - radius);
    const int cy = std::clamp(y, top + radius, bottom - 1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// The row card, 560 x 120: parchment with a brown rim, a slot for the picture and a coin by the prize.
std::uint32_t RowCard(int x, int y)
{
    if (!InRounded(x, y, 0, 0, 560, 120, 12))
    {
        return 0;
    }
    if (!InRounded(x, y, 3, 3, 557, 117, 10))
    {
        return Argb(255, 120, 80, 36);
    }
    const float coin = std::hypot(static_cast<float>(x - 488), static_cast<float>(y - 106));
    if (coin < 9.0f)
    {
        return coin > 7.0f ? Argb(255, 176, 120, 20) : Argb(255, 244, 196, 60);
    }
    if (InRounded(x, y, 16, 8, 120, 112, 8))
    {
        return InRounded(x, y, 18, 10, 118, 110, 7) ? Argb(255, 250, 242, 214) : Argb(255, 170, 130, 80);
    }
    const int grain = (x * 5 + y * 11) % 37 == 0 ? 10 : 0;
    return Argb(250, 240 - grain, 226 - grain, 186 - grain);
}

// The cover of a row still to earn: the card's shape in a grey veil.
std::uint32_t RowCover(int x, int y)
{
    return InRounded(x, y, 0, 0, 560, 120, 12) ? Argb(120, 110, 110, 116) : 0;
}

// The backdrop of a greyed picture: a dark slate square, 116 x 108.
std::uint32_t Quad(int x, int y)
{
    return InRounded(x, y, 0, 0, 116, 108, 10) ? Argb(255, 78, 80, 92) : 0;
}

// A tab strip of 660 x 40: a thin line under the three tabs, the chosen tab lit as a golden plate.
std::uint32_t Mark(int chosen, int x, int y)
{
    const int left = chosen * 220 + 4;
    if (InRounded(x, y, left, 0, left + 212, 42, 10))
    {
        if (!InRounded(x, y, left + 2, 2, left + 210, 42, 8))
        {
            return Argb(255, 150, 100, 30);
        }
        return Mix(Argb(255, 255, 232, 150), Argb(255, 236, 190, 80), static_cast<float>(y) / 40.0f);
    }
    return y >= 37 ? Argb(255, 150, 100, 30) : 0;
}

std::uint32_t Atlas(int x, int y)
{
    if (y < 120 && x < 560)
    {
        return RowCard(x, y);
    }
    if (y < 240 && x < 560)
    {
        return RowCover(x, y - 120);
    }
    if (x >= 560 && x < 676 && y < 108)
    {
        return Quad(x - 560, y);
    }
    if (x >= 560 && x < 730 && y >= 120 && y < 134)
    {
        const float t = static_cast<float>(y - 120) / 13.0f;
        return Mix(Argb(255, 150, 220, 90), Argb(255, 50, 140, 40), t); // progress: green, lit on top
    }
    if (x >= 560 && x < 730 && y >= 140 && y < 154)
    {
        const bool rim = y == 140 || y == 153 || x == 560 || x == 729;
        return rim ? Argb(255, 90, 60, 30) : Argb(255, 60, 44, 28);
    }
    if (y >= 240 && y < 360 && x < 660)
    {
        return Mark((y - 240) / 40, x, (y - 240) % 40);
    }
    if (x >= 760 && x < 784 && y < 414)
    {
        return InRounded(x, y, 766, 0, 778, 414, 6) ? Argb(255, 110, 76, 40) : 0; // slider groove
    }
    if (x >= 790 && x < 814 && y < 414)
    {
        return InRounded(x, y, 796, 0, 808, 414, 6) ? Argb(255, 200, 150, 60) : 0; // groove travelled
    }
    if (x >= 820 && x < 844 && y < 48 && InRounded(x, y, 820, 0, 844, 48, 8))
    {
        const bool rim = !InRounded(x, y, 822, 2, 842, 46, 7);
        const bool notch = (y == 18 || y == 24 || y == 30) && x > 826 && x < 838;
        return rim || notch ? Argb(255, 100, 64, 28) : Argb(255, 196, 146, 80); // wooden knob
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_achievement_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= WritePng(Paint(kLarge * kColumns, kSmall * 4 + kLarge * 2, Badges), folder + "badges.png");
    ok &= WritePng(Paint(1024, 512, Atlas), folder + "achievements.png");
    return ok ? 0 : 1;
}
