#include "tools/MenuPictures/MenuScene.h"

#include "tools/ClipPictures/Art.h"
#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"
#include "tools/MenuPictures/TitleLettering.h"

#include <array>
#include <cmath>

using Painting::Argb;
using Painting::Mix;

namespace
{

constexpr float kPi = 3.14159265f;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

Platform::Image Blank(int width, int height)
{
    Platform::Image picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<std::size_t>(width) * height, 0u);
    return picture;
}

// A soft cloud of overlapping puffs, its shaded underside first.
void Cloud(Canvas& c, float x, float y, float size)
{
    const float puffs[][3] = {{-0.9f, 0.15f, 0.45f}, {-0.4f, -0.1f, 0.6f}, {0.2f, -0.25f, 0.7f},
                              {0.8f, 0.0f, 0.5f},    {0.0f, 0.2f, 0.55f},  {1.2f, 0.2f, 0.35f}};
    for (const auto& puff : puffs)
    {
        c.Circle(x + puff[0] * size, y + puff[1] * size + size * 0.08f, puff[2] * size,
                 Argb(255, 214, 224, 238));
    }
    for (const auto& puff : puffs)
    {
        c.Circle(x + puff[0] * size - size * 0.04f, y + puff[1] * size, puff[2] * size * 0.9f,
                 Argb(255, 252, 252, 255));
    }
}

} // namespace

namespace MenuScene
{

bool PaintSky(const std::string& folder)
{
    // Tiles sideways: every cloud is painted a second time one picture width further left.
    Platform::Image picture = Blank(1024, 512);
    Canvas c(picture, 0, 0, 1024, 512);
    c.Gradient(0, 0, 1024, 420, Argb(255, 92, 156, 226), Argb(255, 214, 232, 244));
    c.Rect(0, 420, 1024, 512, Argb(255, 214, 232, 244));
    const float clouds[][3] = {{90, 90, 46}, {330, 180, 34}, {600, 70, 40}, {820, 200, 52}, {980, 120, 30}};
    for (const auto& cloud : clouds)
    {
        for (const float shift : {0.0f, -1024.0f})
        {
            Cloud(c, cloud[0] + shift, cloud[1], cloud[2]);
        }
    }
    return Painting::WritePng(picture, folder + "/menu_sky.png");
}

bool PaintBackground(const std::string& folder)
{
    // Clear above the far hills, where the sky and the title show through.
    Platform::Image picture = Blank(kScreenWidth, kScreenHeight);
    Canvas c(picture, 0, 0, kScreenWidth, kScreenHeight);
    c.Hills(300, 40, 0.012f, 0.8f, Argb(255, 128, 176, 132), Argb(255, 112, 164, 104));
    c.Hills(360, 36, 0.009f, 2.4f, Argb(255, 118, 178, 88), Argb(255, 92, 156, 66));
    c.Hills(470, 30, 0.006f, 4.0f, Argb(255, 104, 170, 72), Argb(255, 70, 132, 48));
    // The lane the thief runs along, across the far meadow.
    for (int x = 0; x < kScreenWidth; x += 4)
    {
        const float y = 318.0f + 6.0f * std::sin(static_cast<float>(x) * 0.01f);
        c.Rect(static_cast<float>(x), y, static_cast<float>(x + 4), y + 5, Argb(255, 196, 176, 128));
    }
    // Far trees and a hedge line.
    for (float x = 20; x < kScreenWidth; x += 140)
    {
        Canvas tree(picture, static_cast<int>(x), 236, 60, 84);
        Art::Tree(tree, Argb(255, 84, 142, 80));
    }
    // The windmill's tower, its cap under the sails' hub at (640, 300).
    c.Polygon({{606, 470}, {622, 312}, {658, 312}, {674, 470}}, Argb(255, 236, 226, 204));
    c.Polygon({{640, 470}, {654, 312}, {658, 312}, {674, 470}}, Argb(255, 214, 200, 176));
    c.Polygon({{614, 316}, {640, 282}, {666, 316}}, Argb(255, 150, 84, 58));
    c.Rect(631, 436, 649, 470, Argb(255, 110, 72, 42));
    c.Circle(640, 360, 7, Argb(255, 86, 112, 140));
    // Flower patches in the meadow and the front grass.
    for (const auto& patch : {std::array<int, 4>{460, 560, 120, 40}, std::array<int, 4>{720, 520, 90, 34},
                              std::array<int, 4>{880, 700, 120, 40}})
    {
        Canvas flowers(picture, patch[0], patch[1], patch[2], patch[3]);
        Art::Flowers(flowers, static_cast<std::uint32_t>(patch[0] * 7 + patch[1]));
    }
    for (int x = 0; x < kScreenWidth; x += 9)
    {
        const float height = 10.0f + static_cast<float>((x * 37) % 13);
        c.Line(static_cast<float>(x), 768, static_cast<float>(x) + 3, 768 - height, 2.5f,
               Argb(255, 60, 120, 44));
    }
    return Painting::WritePng(picture, folder + "/menu_background.png");
}

bool PaintTitle(const std::string& folder, const std::string& boldFont)
{
    Platform::Image picture = Blank(512, 256);
    // The first word, large, in warm gold.
    Lettering first;
    first.fontFile = boldFont;
    first.pixelSize = 82;
    first.top = Argb(255, 255, 236, 150);
    first.bottom = Argb(255, 232, 140, 40);
    first.outline = Argb(255, 92, 44, 20);
    first.outlineWidth = 4.0f;
    const bool wren = PaintWord(picture, 0, 0, 232, 104, "Wren", first);
    // The second word on a red ribbon, in spaced capitals.
    Canvas ribbon(picture, 0, 112, 260, 44);
    ribbon.Polygon({{0, 6}, {18, 2}, {18, 40}, {0, 36}, {8, 21}}, Argb(255, 150, 30, 40));
    ribbon.Polygon({{260, 6}, {242, 2}, {242, 40}, {260, 36}, {252, 21}}, Argb(255, 150, 30, 40));
    ribbon.Rect(14, 4, 246, 38, Argb(255, 196, 50, 56));
    ribbon.Rect(14, 4, 246, 8, Argb(255, 224, 96, 96));
    Lettering second;
    second.fontFile = boldFont;
    second.pixelSize = 26;
    second.letterSpacing = 14;
    second.top = Argb(255, 255, 250, 230);
    second.bottom = Argb(255, 246, 222, 170);
    second.outline = Argb(255, 110, 20, 26);
    second.outlineWidth = 2.0f;
    const bool fold = PaintWord(picture, 0, 112, 260, 44, "FOLD", second);
    // The light that sweeps over the words: a soft slanted band in a picture that tiles sideways.
    Canvas band(picture, 0, 192, 256, 64);
    for (int x = 0; x < 256; ++x)
    {
        for (int y = 0; y < 64; ++y)
        {
            const float across = static_cast<float>(x) - 128.0f + (static_cast<float>(y) - 32.0f) * 0.6f;
            const float light = std::exp(-across * across / 180.0f);
            picture.pixels[static_cast<std::size_t>(192 + y) * 512 + x] =
                Argb(static_cast<int>(light * 150.0f), 255, 250, 220);
        }
    }
    return wren && fold && Painting::WritePng(picture, folder + "/menu_title.png");
}

bool PaintMill(const std::string& folder)
{
    Platform::Image picture = Blank(256, 256);
    Canvas sails(picture, 28, 28, 200, 200);
    Art::MillSails(sails);
    return Painting::WritePng(picture, folder + "/menu_mill.png");
}

bool PaintEdges(const std::string& folder)
{
    Platform::Image picture = Blank(512, 1024);
    // The right edge: an old tree's trunk and the bough that carries the branch's leaves.
    Canvas trunk(picture, 0, 0, 140, 768);
    trunk.Polygon({{70, 0}, {140, 0}, {140, 768}, {40, 768}, {64, 600}, {58, 300}}, Argb(255, 104, 72, 44));
    trunk.Polygon({{96, 0}, {140, 0}, {140, 768}, {110, 768}, {104, 400}}, Argb(255, 84, 56, 34));
    trunk.Line(70, 560, 0, 578, 9, Argb(255, 104, 72, 44));
    for (float y = 60; y < 760; y += 70)
    {
        trunk.Line(80, y, 92, y + 30, 2, Argb(255, 70, 46, 28));
    }
    // The left edge: a tall flowering shrub.
    Canvas shrub(picture, 150, 0, 120, 460);
    for (float y = 40; y < 460; y += 46)
    {
        shrub.Circle(30, y, 44, Argb(255, 56, 118, 56));
        shrub.Circle(24, y - 6, 36, Argb(255, 72, 140, 64));
        shrub.Circle(50, y + 10, 7, Argb(255, 250, 200, 220));
        shrub.Circle(18, y - 14, 6, Argb(255, 255, 240, 240));
    }
    // The bottom corners: tufts of grass with daisies and poppies.
    for (int corner = 0; corner < 2; ++corner)
    {
        Canvas tuft(picture, 280, corner * 150, 220, 140);
        for (float x = 6; x < 214; x += 7)
        {
            const float height = 60.0f + 50.0f * std::sin(x * 0.05f + static_cast<float>(corner) * 2.0f);
            const float lean = (corner == 0 ? 1.0f : -1.0f) * 10.0f;
            tuft.Line(x, 140, x + lean, 140 - height, 3, Argb(255, 62, 124, 46));
        }
        for (float x = 20; x < 210; x += 38)
        {
            const float y = 60.0f + static_cast<float>(static_cast<int>(x) % 30);
            tuft.Circle(x, y, 9, corner == 0 ? Argb(255, 250, 250, 250) : Argb(255, 226, 60, 50));
            tuft.Circle(x, y, 3.5f, Argb(255, 250, 200, 60));
        }
    }
    return Painting::WritePng(picture, folder + "/menu_edges.png");
}

} // namespace MenuScene
