// Writes the rope table's picture: a signboard on a post, a coil of rope hung on its side and a pale
// plate across the board where the game writes the rope's price.
//
//   wf_rope_pictures OUTPUT_FOLDER

#include "tools/Common/Painting.h"

#include <cmath>
#include <cstdio>
#include <string>

using Painting::Argb;
using Painting::Mix;

namespace
{

constexpr int kWidth = 74;
constexpr int kHeight = 90;

bool InEllipse(float x, float y, float cx, float cy, float rx, float ry)
{
    const float dx = (x - cx) / rx;
    const float dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0f;
}

std::uint32_t RopeTable(int x, int y)
{
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    const std::uint32_t outline = Argb(255, 60, 38, 20);
    const std::uint32_t rope = Argb(255, 205, 172, 112);
    // The coil of rope hung on the board's right, a twisted ring with a tail hanging down.
    if (InEllipse(fx, fy, 58.0f, 20.0f, 11.0f, 13.0f) && !InEllipse(fx, fy, 58.0f, 20.0f, 6.0f, 8.0f))
    {
        return (x + y) % 4 == 0 ? Mix(rope, outline, 0.45f) : rope;
    }
    if (x >= 63 && x <= 65 && y >= 30 && y <= 62)
    {
        return (y % 4 == 0) ? Mix(rope, outline, 0.45f) : rope;
    }
    // The board: planks from 4 to 60 across, 8 to 62 down, with a dark rim.
    if (x >= 4 && x <= 60 && y >= 8 && y <= 62)
    {
        if (x == 4 || x == 60 || y == 8 || y == 62)
        {
            return outline;
        }
        // The price plate.
        if (x >= 8 && x <= 56 && y >= 34 && y <= 56)
        {
            return (x == 8 || x == 56 || y == 34 || y == 56) ? Mix(outline, rope, 0.3f)
                                                             : Argb(255, 120, 84, 46);
        }
        const bool seam = (y - 8) % 13 == 0;
        const float grain = 0.08f * std::sin(fx * 0.7f + fy * 0.15f);
        const std::uint32_t wood = Mix(Argb(255, 168, 116, 62), Argb(255, 130, 86, 44), 0.4f + grain);
        // A small painted ladder on the upper planks says what the table sells.
        const bool rail = (x == 22 || x == 34) && y >= 12 && y <= 30;
        const bool rung = x > 22 && x < 34 && (y - 12) % 6 == 0 && y <= 30;
        if (rail || rung)
        {
            return Argb(255, 245, 230, 190);
        }
        return seam ? Mix(wood, outline, 0.5f) : wood;
    }
    // The post into the ground.
    if (x >= 28 && x <= 36 && y > 62)
    {
        return (x == 28 || x == 36) ? outline : Argb(255, 110, 74, 40);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_rope_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    return Painting::WritePng(Painting::Paint(kWidth, kHeight, RopeTable), folder + "/rope_table.png") ? 0
                                                                                                       : 1;
}
