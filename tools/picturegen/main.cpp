// Writes the sample data set's placeholder pictures: our own flat shapes and gradients, as PNG and
// JPEG (a JPEG's alpha goes into a greyscale "_a.jpg" beside it).
//
//   wf_picturegen OUTPUT_FOLDER

#include "platform/Image.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

using Painting::Argb;
using Painting::Mix;
using Painting::Paint;
using Painting::WriteJpeg;
using Painting::WritePng;

namespace
{

constexpr int kJpegQuality = 92;

// The letterbox bars: a gilded edge where they meet the picture (row or column 0), then a hedge-green
// gradient with a soft leaf pattern outwards.
std::uint32_t Border(int across, int along, int depth)
{
    if (across < 3)
    {
        return Argb(255, 214, 176, 84);
    }
    if (across < 5)
    {
        return Argb(255, 120, 86, 34);
    }
    const float t = static_cast<float>(across) / static_cast<float>(depth);
    const std::uint32_t base = Mix(Argb(255, 46, 92, 48), Argb(255, 18, 40, 22), t);
    const float leaf =
        std::sin(static_cast<float>(along) * 0.21f) * std::sin(static_cast<float>(across) * 0.35f);
    return leaf > 0.55f ? Mix(base, Argb(255, 84, 140, 70), 0.5f) : base;
}

// An arrow pointing up and left, white with a dark outline, on transparency.
std::uint32_t Cursor(int x, int y)
{
    const bool insideArrow = x <= y && x + y / 2 <= 40 && y <= 44;
    const bool insideStem = x >= 12 && x <= 20 && y >= x + 4 && y <= 56 && y >= 30;
    const bool inside = insideArrow || insideStem;
    if (!inside)
    {
        return 0;
    }
    const bool edge =
        x == 0 || x == y || x + y / 2 >= 39 || y >= 43 || (insideStem && (x <= 13 || x >= 19 || y >= 55));
    return edge && !(insideArrow && insideStem && y < 43) ? Argb(255, 30, 24, 18) : Argb(255, 250, 246, 232);
}

// A soft round spark: white, fading to transparency at its rim (tinted by the particles' colours).
std::uint32_t Spark(int x, int y)
{
    const float dx = static_cast<float>(x) - 7.5f;
    const float dy = static_cast<float>(y) - 7.5f;
    const float fall = 1.0f - std::sqrt(dx * dx + dy * dy) / 8.0f;
    return Argb(static_cast<int>(255.0f * std::clamp(fall * 1.5f, 0.0f, 1.0f)), 255, 255, 255);
}

// The scarecrow's parts: a straw-coloured sack body on its post, a round head with a hat brim, and a
// stick arm with a glove at its end (drawn pointing right).
std::uint32_t ScarecrowBody(int x, int y)
{
    const bool post = x >= 18 && x < 22;
    const bool sack = y < 56 && std::abs(x - 20) < 18 - y / 8;
    if (sack)
    {
        return (x + y) % 9 == 0 ? Argb(255, 150, 110, 50) : Argb(255, 196, 152, 72);
    }
    return post ? Argb(255, 96, 64, 30) : 0;
}

std::uint32_t ScarecrowHead(int x, int y)
{
    const float dx = static_cast<float>(x) - 16.0f;
    const float dy = static_cast<float>(y) - 20.0f;
    if (y >= 4 && y < 8 && x >= 2 && x < 30)
    {
        return Argb(255, 70, 48, 28); // hat brim
    }
    if (y < 4 && x >= 9 && x < 23)
    {
        return Argb(255, 70, 48, 28); // crown
    }
    if (dx * dx + dy * dy <= 144.0f)
    {
        const bool eye = y == 18 && (x == 11 || x == 12 || x == 20 || x == 21);
        return eye ? Argb(255, 30, 24, 18) : Argb(255, 232, 210, 160);
    }
    return 0;
}

std::uint32_t ScarecrowArm(int x, int y)
{
    if (x >= 40 && y >= 1 && y < 11)
    {
        return Argb(255, 160, 40, 36); // glove
    }
    return y >= 4 && y < 8 ? Argb(255, 110, 78, 40) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_picturegen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= WriteJpeg(Paint(1024, 60, [](int x, int y) { return Border(y, x, 60); }), folder + "topborder.jpg",
                    kJpegQuality);
    ok &= WriteJpeg(Paint(170, 768, [](int x, int y) { return Border(x, y, 170); }),
                    folder + "leftborder.jpg", kJpegQuality);
    ok &= WritePng(Paint(62, 62, Cursor), folder + "cursor.png");
    ok &= WritePng(Paint(16, 16, Spark), folder + "spark.png");
    ok &= WritePng(Paint(40, 90, ScarecrowBody), folder + "scarecrow_body.png");
    ok &= WritePng(Paint(32, 34, ScarecrowHead), folder + "scarecrow_head.png");
    ok &= WritePng(Paint(50, 12, ScarecrowArm), folder + "scarecrow_arm.png");
    return ok ? 0 : 1;
}
