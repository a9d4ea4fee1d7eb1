// Writes the pictures of the windows around a level: "task_board.png", the goals window's notice board
// (two frames of 220 x 264: with and without its money line), "score_star.png", the star beside the
// statistics' score, and the three cups of the statistics as composite visuals that rise and settle:
// "normal_cup.ani", "gold_cup.ani" and "silver_cup.ani", each with its picture.
//
//   wf_window_pictures OUTPUT_FOLDER

#include "tools/ClipPictures/Canvas.h"
#include "tools/ClipPictures/Sheet.h"
#include "tools/Common/Painting.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using Painting::Argb;
using Painting::Mix;

namespace
{

constexpr float kPi = 3.14159265f;
const std::uint32_t kOutline = Argb(255, 60, 38, 20);
const std::uint32_t kWood = Argb(255, 150, 96, 52);
const std::uint32_t kPaper = Argb(255, 246, 236, 206);
const std::uint32_t kCoin = Argb(255, 236, 190, 60);

Platform::Image Blank(int width, int height)
{
    Platform::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0u);
    return image;
}

// A coin with its rim and a star stamped in it.
void Coin(Canvas& c, float cx, float cy, float r)
{
    c.Circle(cx, cy, r + 1.5f, kOutline);
    c.Circle(cx, cy, r, kCoin);
    c.Circle(cx, cy, r * 0.72f, Mix(kCoin, kOutline, 0.18f));
    c.Circle(cx - r * 0.3f, cy - r * 0.35f, r * 0.22f, Argb(170, 255, 250, 220));
}

void Star(Canvas& c, float cx, float cy, float outer, float inner, std::uint32_t colour)
{
    std::vector<Canvas::Point> points;
    for (int i = 0; i < 10; ++i)
    {
        const float a = -kPi / 2.0f + static_cast<float>(i) * kPi / 5.0f;
        const float r = i % 2 == 0 ? outer : inner;
        points.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    c.Polygon(points, colour);
}

// One board: a wooden frame round a pinned sheet of ruled paper; with a money line, a plank along the
// bottom carries a coin, where the window writes the money target. The window writes that figure's
// line 234 pixels below the board's top, so the plank forms the board's foot from 222 down: the
// digits stand on it, clear of the paper and of the board's edge.
// The window draws the first goods row 9 pixels below the board's top with a money line and 19 without,
// then one every 39: the pins sit in the top of the frame, above the first row, and each row stands on a
// rule of its own.
void Board(Canvas& c, bool moneyLine)
{
    constexpr float kRowStep = 39.0f;
    constexpr float kRuleBelowRow = 31.0f;
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    const float firstRow = moneyLine ? 9.0f : 19.0f;
    c.Rect(0, 0, w, h, kOutline);
    c.Gradient(3, 3, w - 3, h - 3, Mix(kWood, Argb(255, 255, 230, 180), 0.15f), Mix(kWood, kOutline, 0.25f));
    const float paperBottom = moneyLine ? 216.0f : h - 14.0f;
    c.Rect(16, 6, w - 16, paperBottom, Mix(kPaper, kOutline, 0.35f));
    c.Rect(18, 8, w - 18, paperBottom - 2.0f, kPaper);
    for (float y = firstRow + kRuleBelowRow; y < paperBottom - 8.0f; y += kRowStep)
    {
        c.Rect(30, y, w - 30, y + 1.5f, Argb(255, 170, 190, 220));
    }
    for (const float x : {24.0f, w - 24.0f})
    {
        c.Circle(x, 5.0f, 4.0f, kOutline);
        c.Circle(x, 5.0f, 3.0f, Argb(255, 200, 50, 40));
        c.Circle(x - 1.0f, 4.0f, 1.0f, Argb(200, 255, 210, 200));
    }
    if (!moneyLine)
    {
        return;
    }
    // The window writes the target at (82, 234) of the board, its digits in cells 36 pixels high: the strip
    // holds them with a margin above and below.
    const float top = 222.0f;
    c.Rect(3, top, w - 3, h, kOutline);
    c.Gradient(5, top + 2.0f, w - 5, h - 2.0f, Argb(255, 150, 100, 56), Argb(255, 100, 64, 34));
    Coin(c, 44.0f, (top + h) * 0.5f, 15.0f);
}

Platform::Image TaskBoard()
{
    constexpr int kWidth = 220;
    constexpr int kHeight = 274;
    Platform::Image image = Blank(512, 512);
    for (int frame = 0; frame < 2; ++frame)
    {
        Canvas c(image, frame * kWidth, 0, kWidth, kHeight);
        Board(c, frame == 0);
    }
    return image;
}

// The star beside the statistics' score, 48 x 48.
Platform::Image ScoreStar()
{
    Platform::Image image = Blank(64, 64);
    Canvas star(image, 0, 0, 48, 48);
    Star(star, 24, 25, 21, 9, kOutline);
    Star(star, 24, 25, 18, 7.5f, kCoin);
    Star(star, 20, 20, 6, 2.5f, Argb(150, 255, 255, 230));
    return image;
}

struct CupLook
{
    const char* stem;
    std::uint32_t metal;
    std::uint32_t shade;
    std::uint32_t ribbon;
};

// The cup's bowl with its two handles, lit from the upper left, in the painted region's own coordinates
// (the region is one pixel larger on every side than the part).
void Bowl(Canvas& c, const CupLook& look)
{
    const float w = static_cast<float>(c.Width());
    const float cx = w * 0.5f;
    // The handles: rings drawn as arcs, open in the middle.
    for (const float side : {-1.0f, 1.0f})
    {
        for (const auto& [width, colour] : {std::pair{7.0f, kOutline}, std::pair{4.0f, look.metal}})
        {
            for (int step = 0; step < 16; ++step)
            {
                const float a0 = kPi * static_cast<float>(step) / 8.0f;
                const float a1 = kPi * static_cast<float>(step + 1) / 8.0f;
                c.Line(cx + side * 40.0f + 12.0f * std::cos(a0), 34.0f + 17.0f * std::sin(a0),
                       cx + side * 40.0f + 12.0f * std::cos(a1), 34.0f + 17.0f * std::sin(a1), width, colour);
            }
        }
    }
    c.Polygon({{cx - 46.0f, 6.0f}, {cx + 46.0f, 6.0f}, {cx + 30.0f, 70.0f}, {cx, 84.0f}, {cx - 30.0f, 70.0f}},
              kOutline);
    c.Polygon({{cx - 43.0f, 8.0f}, {cx + 43.0f, 8.0f}, {cx + 28.0f, 68.0f}, {cx, 81.0f}, {cx - 28.0f, 68.0f}},
              look.shade);
    c.Polygon({{cx - 43.0f, 8.0f}, {cx + 8.0f, 8.0f}, {cx - 2.0f, 80.0f}, {cx - 28.0f, 68.0f}}, look.metal);
    c.Ellipse(cx, 9.0f, 44.0f, 6.0f, kOutline);
    c.Ellipse(cx, 9.0f, 41.0f, 4.5f, Mix(look.shade, kOutline, 0.3f));
    c.Line(cx - 30.0f, 20.0f, cx - 22.0f, 58.0f, 4.0f, Argb(150, 255, 255, 240));
    Star(c, cx + 6.0f, 40.0f, 12.0f, 5.0f, Mix(look.metal, Argb(255, 255, 255, 230), 0.45f));
}

void Stem(Canvas& c, const CupLook& look)
{
    const float cx = static_cast<float>(c.Width()) * 0.5f;
    c.Rect(cx - 8.0f, 0.0f, cx + 8.0f, 26.0f, kOutline);
    c.Rect(cx - 6.0f, 0.0f, cx + 6.0f, 26.0f, look.shade);
    c.Rect(cx - 6.0f, 0.0f, cx - 1.0f, 26.0f, look.metal);
    c.Ellipse(cx, 14.0f, 13.0f, 5.0f, kOutline);
    c.Ellipse(cx, 14.0f, 11.0f, 3.5f, look.metal);
}

void Base(Canvas& c, const CupLook& look)
{
    const float w = static_cast<float>(c.Width());
    c.Rect(1.0f, 8.0f, w - 1.0f, 30.0f, kOutline);
    c.Gradient(3.0f, 10.0f, w - 3.0f, 28.0f, Argb(255, 120, 72, 40), Argb(255, 80, 48, 26));
    c.Rect(10.0f, 1.0f, w - 10.0f, 10.0f, kOutline);
    c.Rect(12.0f, 3.0f, w - 12.0f, 9.0f, look.metal);
    c.Rect(w * 0.5f - 16.0f, 14.0f, w * 0.5f + 16.0f, 24.0f, Mix(look.metal, kOutline, 0.15f));
}

// A ribbon tied round the stem, its two tails hanging.
void Ribbon(Canvas& c, const CupLook& look)
{
    const float cx = static_cast<float>(c.Width()) * 0.5f;
    const std::uint32_t dark = Mix(look.ribbon, kOutline, 0.35f);
    c.Polygon({{cx - 4.0f, 8.0f},
               {cx - 24.0f, 44.0f},
               {cx - 16.0f, 40.0f},
               {cx - 12.0f, 48.0f},
               {cx + 2.0f, 12.0f}},
              dark);
    c.Polygon({{cx + 4.0f, 8.0f},
               {cx + 24.0f, 44.0f},
               {cx + 16.0f, 40.0f},
               {cx + 12.0f, 48.0f},
               {cx - 2.0f, 12.0f}},
              look.ribbon);
    c.Ellipse(cx - 11.0f, 8.0f, 11.0f, 6.0f, look.ribbon);
    c.Ellipse(cx + 11.0f, 8.0f, 11.0f, 6.0f, dark);
    c.Circle(cx, 9.0f, 5.0f, Mix(look.ribbon, Argb(255, 255, 255, 255), 0.2f));
}

void Glint(Canvas& c, const CupLook&)
{
    const float cx = static_cast<float>(c.Width()) * 0.5f;
    const float cy = static_cast<float>(c.Height()) * 0.5f;
    c.Glow(cx, cy, cx, Argb(200, 255, 255, 230));
    c.Polygon(
        {{cx, 0.0f}, {cx + 3.0f, cy - 3.0f}, {cx, static_cast<float>(c.Height())}, {cx - 3.0f, cy + 3.0f}},
        Argb(255, 255, 255, 240));
    c.Polygon(
        {{0.0f, cy}, {cx - 3.0f, cy - 3.0f}, {static_cast<float>(c.Width()), cy}, {cx + 3.0f, cy + 3.0f}},
        Argb(255, 255, 255, 240));
}

Key At(float time, float x, float y, float width, float height)
{
    return Key{time, x, y, width, height, 0.0f};
}

// A part that grows out of a point (px, py) of the cup to its place, overshooting a little.
std::vector<Key> Rising(float x, float y, float width, float height, float start)
{
    const float px = 415.0f + 60.0f;
    const float py = 195.0f + 150.0f;
    auto scaled = [&](float time, float s)
    { return At(time, px + (x - px) * s, py + (y - py) * s, width * s, height * s); };
    return {scaled(0.0f, 0.05f), scaled(start, 0.05f), scaled(start + 0.35f, 1.12f),
            scaled(start + 0.55f, 1.0f)};
}

bool Cup(const std::string& folder, const CupLook& look)
{
    // The parts stand in a box from (415, 195), 120 wide and 190 high; the window draws the cup 55 left
    // of and 85 above its frame's corner, so the cup stands at the window's right.
    Sheet sheet(std::string(look.stem) + "_cup.png", std::string(look.stem) + "Cup");
    const float left = 415.0f;
    const float top = 195.0f;
    sheet.Add(
        "Base", 96, 32, [&](Canvas& c) { Base(c, look); }, Rising(left + 12.0f, top + 158.0f, 96, 32, 0.0f));
    sheet.Add(
        "Stem", 40, 30, [&](Canvas& c) { Stem(c, look); }, Rising(left + 40.0f, top + 130.0f, 40, 30, 0.1f));
    sheet.Add(
        "Bowl", 120, 88, [&](Canvas& c) { Bowl(c, look); }, Rising(left, top + 44.0f, 120, 88, 0.2f));
    sheet.Add(
        "Ribbon", 56, 52, [&](Canvas& c) { Ribbon(c, look); },
        Rising(left + 32.0f, top + 126.0f, 56, 52, 0.45f));
    // The glint flashes on the bowl's rim once the cup has settled.
    sheet.Add(
        "Glint", 28, 28, [&](Canvas& c) { Glint(c, look); },
        {At(0.0f, left + 30.0f, top + 54.0f, 0.0f, 0.0f), At(0.9f, left + 30.0f, top + 54.0f, 0.0f, 0.0f),
         At(1.1f, left + 18.0f, top + 42.0f, 28.0f, 28.0f), At(1.4f, left + 32.0f, top + 56.0f, 0.0f, 0.0f)});
    return sheet.Write(folder, std::string(look.stem) + "_cup.ani");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_window_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = Painting::WritePng(TaskBoard(), folder + "/task_board.png");
    ok &= Painting::WritePng(ScoreStar(), folder + "/score_star.png");
    const CupLook looks[] = {
        {"normal", Argb(255, 214, 140, 80), Argb(255, 160, 96, 50), Argb(255, 60, 110, 190)},
        {"gold", Argb(255, 250, 208, 70), Argb(255, 200, 150, 30), Argb(255, 200, 40, 40)},
        {"silver", Argb(255, 226, 230, 236), Argb(255, 160, 166, 178), Argb(255, 50, 140, 90)},
    };
    for (const CupLook& look : looks)
    {
        ok &= Cup(folder, look);
    }
    return ok ? 0 : 1;
}
