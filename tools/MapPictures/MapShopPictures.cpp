// The map shop's and the progress boards' pictures.
#include "tools/ClipPictures/Art.h"
#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"
#include "tools/MapPictures/MapArt.h"
#include "tools/MapPictures/MapPictureBasics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace MapPictures
{

namespace
{

using Painting::Argb;
using Painting::Mix;

// ---- The map shop ----

struct GoodFrames
{
    int costId;
    int count;
};

// The goods' icon frames in the order of their frame bases: each good has one frame per level.
constexpr std::array<GoodFrames, 21> kGoodFrames{
    {{132, 3}, {133, 3}, {134, 3}, {130, 3}, {10, 4}, {26, 3}, {50, 3}, {62, 3}, {30, 3}, {42, 3}, {34, 3},
     {46, 3},  {38, 3},  {54, 3},  {66, 3},  {58, 3}, {5, 5},  {17, 5}, {14, 3}, {1, 4},  {138, 3}}};

} // namespace

bool WriteShopPictures(const std::string& folder)
{
    Platform::Image back =
        Painting::Paint(kWidth, kHeight,
                        [](int x, int y)
                        {
                            // Planks of a market wall.
                            const int plank = y / 48;
                            const float grain = Noise(x / 6, plank) * 0.12f + Noise(x, y) * 0.05f;
                            const std::uint32_t wood = Mix(Argb(255, 170, 120, 70), Argb(255, 120, 80, 44),
                                                           grain + (plank % 2) * 0.1f);
                            return y % 48 < 2 ? Argb(255, 90, 58, 30) : wood;
                        });
    Canvas backCanvas(back, 0, 0, kWidth, kHeight);
    backCanvas.Rect(340, 500, 640, 640, Argb(200, 250, 240, 210));
    for (int i = 0; i < 12; ++i)
    {
        backCanvas.Polygon({{static_cast<float>(i) * 86.0f, 0},
                            {static_cast<float>(i + 1) * 86.0f, 0},
                            {static_cast<float>(i) * 86.0f + 43.0f, 26}},
                           i % 2 == 0 ? Argb(255, 220, 60, 50) : Argb(255, 250, 246, 236));
    }
    bool ok = Painting::WriteJpeg(back, folder + "/mapshop_back.jpg");

    Platform::Image icons = Blank(1200, 560);
    int frame = 0;
    for (const GoodFrames& good : kGoodFrames)
    {
        for (int level = 0; level < good.count; ++level, ++frame)
        {
            Canvas c(icons, (frame % 10) * 120, (frame / 10) * 80, 120, 80);
            MapArt::Good(c, good.costId, level);
        }
    }
    ok &= Painting::WritePng(icons, folder + "/mapshop_icons.png");

    // Pedestals (dim, offered, complete), dots (dim empty, dim full, empty, full), stars (dim, bright)
    // and the tick.
    Platform::Image parts = Blank(450, 190);
    const std::array<std::uint32_t, 3> pedestals{Argb(255, 150, 140, 126), Argb(255, 236, 214, 160),
                                                 Argb(255, 246, 216, 110)};
    for (int p = 0; p < 3; ++p)
    {
        Canvas c(parts, p * 150, 0, 150, 125);
        c.Rect(4, 4, 146, 121, Argb(255, 96, 62, 34));
        c.Rect(8, 8, 142, 117, pedestals[static_cast<std::size_t>(p)]);
        c.Ellipse(75, 100, 56, 12, Mix(pedestals[static_cast<std::size_t>(p)], Argb(255, 80, 60, 30), 0.3f));
    }
    const std::array<std::uint32_t, 4> dots{Argb(255, 120, 110, 100), Argb(255, 170, 150, 100),
                                            Argb(255, 255, 250, 230), Argb(255, 70, 180, 60)};
    for (int d = 0; d < 4; ++d)
    {
        Canvas c(parts, d * 12, 125, 12, 12);
        c.Circle(6, 6, 5.5f, Argb(255, 70, 50, 30));
        c.Circle(6, 6, 4.0f, dots[static_cast<std::size_t>(d)]);
    }
    for (int s = 0; s < 2; ++s)
    {
        Canvas c(parts, 48 + s * 24, 125, 24, 24);
        const std::uint32_t colour = s == 0 ? Argb(255, 150, 140, 120) : Argb(255, 250, 200, 40);
        std::vector<Canvas::Point> star;
        for (int k = 0; k < 10; ++k)
        {
            const float a = -1.5708f + static_cast<float>(k) * 0.6283f;
            const float r = k % 2 == 0 ? 11.0f : 5.0f;
            star.push_back({12 + std::cos(a) * r, 12 + std::sin(a) * r});
        }
        c.Polygon(star, colour);
    }
    Canvas tick(parts, 96, 125, 40, 40);
    tick.Circle(20, 20, 18, Argb(255, 250, 250, 240));
    tick.Line(10, 20, 17, 28, 5.0f, Argb(255, 40, 150, 50));
    tick.Line(17, 28, 31, 11, 5.0f, Argb(255, 40, 150, 50));
    ok &= Painting::WritePng(parts, folder + "/mapshop_parts.png");
    return ok;
}

namespace
{

// ---- The progress boards ----

void Face(Canvas& c, float cx, float cy, std::uint32_t hair, std::uint32_t shirt)
{
    c.Circle(cx, cy + 12, 14, shirt);
    c.Circle(cx, cy, 11, Argb(255, 242, 200, 160));
    c.Ellipse(cx, cy - 8, 12, 6, hair);
    c.Circle(cx - 4, cy, 1.5f, Argb(255, 40, 30, 26));
    c.Circle(cx + 4, cy, 1.5f, Argb(255, 40, 30, 26));
    c.Ellipse(cx, cy + 5, 3, 1.2f, Argb(255, 170, 70, 60));
}

// The medal of a place in the race: gold, silver and bronze for the first three, wood for the others,
// with the place's number on it.
void RankMedal(Canvas& c, int rank, float cx, float cy)
{
    const std::array<std::uint32_t, 4> metals{Argb(255, 240, 196, 60), Argb(255, 200, 204, 210),
                                              Argb(255, 200, 130, 70), Argb(255, 180, 150, 110)};
    const std::uint32_t metal = metals[static_cast<std::size_t>(std::min(rank, 3))];
    c.Polygon({{cx - 9, cy - 22}, {cx - 2, cy - 22}, {cx + 2, cy - 8}, {cx - 5, cy - 8}},
              Argb(255, 60, 110, 190));
    c.Polygon({{cx + 2, cy - 22}, {cx + 9, cy - 22}, {cx + 5, cy - 8}, {cx - 2, cy - 8}},
              Argb(255, 200, 60, 50));
    c.Circle(cx, cy, 14, Argb(255, 96, 62, 34));
    c.Circle(cx, cy, 12, metal);
    c.Circle(cx - 4, cy - 4, 4, Mix(metal, Argb(255, 255, 255, 255), 0.45f));
    c.Digit(rank + 1, cx - 4, cy - 7, 8, 14, 2.4f, Argb(255, 70, 44, 24));
}

} // namespace

bool WriteBoardPictures(const std::string& folder)
{
    Platform::Image board = Blank(780, 400);
    for (int stage = 0; stage < 3; ++stage)
    {
        // The board holds one row per rival still in the race, each with its place's medal at the left.
        const int rivals = stage == 0 ? 5 : stage == 1 ? 3 : 2;
        const float height = 14.0f + 51.0f * static_cast<float>(rivals);
        Canvas c(board, stage * 260, 0, 260, 280);
        c.Rect(2, 2, 258, height - 2, Argb(255, 96, 62, 34));
        c.Rect(7, 7, 253, height - 7, Argb(235, 244, 230, 196));
        for (int rank = 0; rank < rivals; ++rank)
        {
            RankMedal(c, rank, 32.0f, 28.0f + 51.0f * static_cast<float>(rank));
        }
        // The finish line at the right of the bars.
        for (int y = 30; y < static_cast<int>(height) - 12; y += 8)
        {
            c.Rect(238, static_cast<float>(y), 244, static_cast<float>(y + 4), Argb(255, 40, 40, 40));
        }
    }
    const std::array<std::array<std::uint32_t, 2>, 5> people{
        {{Argb(255, 90, 60, 30), Argb(255, 200, 60, 60)},
         {Argb(255, 230, 200, 90), Argb(255, 70, 120, 200)},
         {Argb(255, 40, 30, 26), Argb(255, 80, 160, 80)},
         {Argb(255, 190, 90, 40), Argb(255, 220, 170, 40)},
         {Argb(255, 120, 120, 120), Argb(255, 150, 80, 170)}}};
    for (std::size_t person = 0; person < people.size(); ++person)
    {
        Canvas c(board, static_cast<int>(person) * 40, 280, 40, 40);
        c.Circle(20, 20, 19, Argb(255, 96, 62, 34));
        c.Circle(20, 20, 17, Argb(255, 250, 244, 226));
        Face(c, 20, 18, people[person][0], people[person][1]);
    }
    Canvas bar(board, 200, 280, 145, 12);
    bar.Gradient(0, 0, 145, 12, Argb(255, 140, 220, 90), Argb(255, 60, 150, 40));
    Canvas mount(board, 200, 300, 175, 24);
    mount.Rect(0, 0, 175, 24, Argb(255, 96, 62, 34));
    mount.Rect(3, 3, 172, 21, Argb(255, 210, 196, 160));
    Canvas joint(board, 200, 330, 150, 4);
    joint.Rect(0, 0, 150, 4, Argb(255, 150, 120, 80));
    Canvas panel(board, 400, 280, 240, 90);
    panel.Rect(0, 0, 240, 90, Argb(255, 96, 62, 34));
    panel.Rect(4, 4, 236, 86, Argb(235, 244, 230, 196));
    Canvas portrait(board, 406, 286, 60, 78);
    Art::Companion(portrait, false);
    Canvas full(board, 400, 380, 153, 14);
    full.Gradient(0, 0, 153, 14, Argb(255, 255, 220, 80), Argb(255, 220, 150, 20));
    Canvas empty(board, 560, 380, 153, 14);
    empty.Rect(0, 0, 153, 14, Argb(255, 120, 110, 96));
    return Painting::WritePng(board, folder + "/competeboard.png");
}

} // namespace MapPictures
