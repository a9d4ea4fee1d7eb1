#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"
#include "tools/MenuPictures/MenuScene.h"

#include <cmath>

using Painting::Argb;
using Painting::Mix;

namespace
{

const std::uint32_t kSkin = Argb(255, 250, 216, 184);
const std::uint32_t kHair = Argb(255, 132, 70, 36);
const std::uint32_t kHairDark = Argb(255, 96, 48, 24);
const std::uint32_t kDress = Argb(255, 66, 108, 190);
const std::uint32_t kDressDark = Argb(255, 44, 78, 150);
const std::uint32_t kWhite = Argb(255, 250, 248, 240);
const std::uint32_t kInk = Argb(255, 60, 36, 26);
const std::uint32_t kRibbon = Argb(255, 210, 46, 60);

// 120 x 136: hair, face, brows, nose, smile and neck; the eyes come from their own frames.
void Head(Canvas& c)
{
    c.Ellipse(60, 62, 58, 60, kHair);
    c.Rect(48, 100, 72, 136, Mix(kSkin, kInk, 0.08f));
    c.Circle(18, 78, 8, kSkin);
    c.Circle(102, 78, 8, kSkin);
    c.Ellipse(60, 74, 42, 46, kSkin);
    // Bangs: locks of hair over the forehead, ending above the eyes.
    for (float x = 22; x <= 98; x += 15)
    {
        c.Ellipse(x, 34, 13, 20, kHair);
    }
    c.Rect(18, 10, 102, 36, kHair);
    c.Line(40, 40, 48, 50, 2, kHairDark);
    c.Line(72, 40, 66, 50, 2, kHairDark);
    // Brows, nose, cheeks and a smile.
    c.Line(30, 56, 48, 54, 2.5f, kHairDark);
    c.Line(72, 54, 90, 56, 2.5f, kHairDark);
    c.Circle(60, 90, 2.2f, Mix(kSkin, kInk, 0.25f));
    c.Circle(36, 96, 8, Argb(90, 240, 110, 110));
    c.Circle(84, 96, 8, Argb(90, 240, 110, 110));
    c.Line(49, 101, 55, 106, 2.5f, Argb(255, 180, 60, 60));
    c.Line(55, 106, 65, 106, 2.5f, Argb(255, 180, 60, 60));
    c.Line(65, 106, 71, 101, 2.5f, Argb(255, 180, 60, 60));
}

// 64 x 22 on the face's own colour: open, half shut or shut; the eyes' centres at (12, 11) and (52, 11).
void Eyes(Canvas& c, int frame)
{
    c.Rect(0, 0, 64, 22, kSkin);
    for (const float x : {12.0f, 52.0f})
    {
        if (frame == 2)
        {
            c.Line(x - 9, 10, x, 14, 2.5f, kInk);
            c.Line(x, 14, x + 9, 10, 2.5f, kInk);
            continue;
        }
        c.Ellipse(x, 11, 9, 8, kWhite);
        c.Circle(x, 12, 6, Argb(255, 86, 130, 70));
        c.Circle(x, 12, 3, kInk);
        c.Circle(x - 2, 9, 1.6f, kWhite);
        if (frame == 1)
        {
            c.Rect(x - 10, 0, x + 10, 11, kSkin);
            c.Line(x - 9, 11, x + 9, 11, 2.5f, kInk);
        }
        else
        {
            c.Line(x - 9, 4, x + 9, 4, 2.5f, kInk);
        }
        c.Line(x + (x < 32 ? -9.0f : 9.0f), 4, x + (x < 32 ? -12.0f : 12.0f), 1, 1.5f, kInk);
    }
}

// 48 x 124: a braid with a bow at its top.
void Tail(Canvas& c)
{
    for (float y = 20; y < 116; y += 16)
    {
        const float width = 15.0f - (y - 20.0f) * 0.08f;
        c.Ellipse(24, y, width, 10, kHair);
        c.Line(24 - width * 0.6f, y - 4, 24 + width * 0.6f, y + 4, 1.5f, kHairDark);
    }
    c.Polygon({{24, 116}, {18, 104}, {30, 104}}, kHair);
    c.Polygon({{24, 12}, {4, 2}, {6, 22}}, kRibbon);
    c.Polygon({{24, 12}, {44, 2}, {42, 22}}, kRibbon);
    c.Circle(24, 12, 5, Mix(kRibbon, kInk, 0.3f));
}

// 160 x 160: the bodice with its collar, puffed sleeves, arms and the apron's straps, hands at the waist.
void Body(Canvas& c)
{
    for (const float side : {-1.0f, 1.0f})
    {
        c.Line(80 + side * 46, 40, 80 + side * 52, 98, 13, kSkin);
        c.Line(80 + side * 52, 98, 80 + side * 16, 144, 12, kSkin);
        c.Circle(80 + side * 16, 146, 8, kSkin);
    }
    c.Polygon({{50, 2}, {110, 2}, {114, 130}, {46, 130}}, kDress);
    c.Polygon({{96, 2}, {110, 2}, {114, 130}, {100, 130}}, kDressDark);
    for (const float side : {-1.0f, 1.0f})
    {
        c.Circle(80 + side * 42, 26, 20, Mix(kDress, kWhite, 0.15f));
        c.Line(80 + side * 30, 40, 80 + side * 56, 38, 3, kWhite);
    }
    c.Ellipse(80, 6, 26, 9, kWhite);
    c.Polygon({{70, 2}, {90, 2}, {80, 16}}, kSkin);
    c.Line(62, 12, 64, 130, 6, kWhite);
    c.Line(98, 12, 96, 130, 6, kWhite);
    c.Rect(46, 124, 114, 134, Mix(kDress, kInk, 0.3f));
    for (const float side : {-1.0f, 1.0f})
    {
        c.Line(80 + side * 52, 98, 80 + side * 16, 144, 12, kSkin);
        c.Circle(80 + side * 16, 146, 8, kSkin);
    }
}

// 200 x 240: a bell of a skirt with folds and a lace hem.
void Skirt(Canvas& c)
{
    c.Polygon({{66, 0}, {134, 0}, {198, 228}, {2, 228}}, kDress);
    for (const float x : {40.0f, 80.0f, 120.0f, 160.0f})
    {
        c.Line(100 + (x - 100) * 0.3f, 20, x, 226, 3, kDressDark);
    }
    c.Rect(2, 218, 198, 234, kWhite);
    for (float x = 8; x < 196; x += 12)
    {
        c.Circle(x, 234, 6, kWhite);
    }
}

// 112 x 190: a white apron with a lace edge and a pocket with a sewn flower.
void Apron(Canvas& c)
{
    c.Polygon({{18, 0}, {94, 0}, {110, 176}, {2, 176}}, kWhite);
    for (float x = 6; x < 108; x += 10)
    {
        c.Circle(x, 178, 5, kWhite);
    }
    c.Rect(34, 90, 78, 126, Argb(255, 236, 232, 220));
    c.Line(34, 90, 78, 90, 2, Argb(255, 200, 196, 186));
    c.Circle(56, 108, 6, Argb(255, 230, 90, 110));
    c.Circle(56, 108, 2.5f, Argb(255, 250, 210, 80));
}

// 48 x 48: a red poppy with two leaves, for her hair.
void Flower(Canvas& c)
{
    c.Polygon({{24, 24}, {2, 34}, {14, 42}}, Argb(255, 70, 140, 60));
    c.Polygon({{24, 24}, {46, 36}, {34, 44}}, Argb(255, 70, 140, 60));
    for (int petal = 0; petal < 5; ++petal)
    {
        const float angle = static_cast<float>(petal) * 1.2566f;
        c.Circle(24 + 10 * std::cos(angle), 22 + 10 * std::sin(angle), 10, Argb(255, 226, 52, 52));
    }
    c.Circle(24, 22, 6, Argb(255, 60, 30, 30));
    c.Circle(24, 22, 3, Argb(255, 250, 210, 80));
}

// 20 x 34: a lock of hair hanging from its top centre.
void Lock(Canvas& c, float bend)
{
    c.Polygon({{4, 0}, {16, 0}, {12 + bend, 24}, {10 + bend * 1.5f, 34}, {6 + bend, 22}}, kHair);
    c.Line(10, 2, 10 + bend, 26, 1.2f, kHairDark);
}

} // namespace

namespace MenuScene
{

bool PaintGirl(const std::string& folder)
{
    Platform::Image picture;
    picture.width = 512;
    picture.height = 512;
    picture.pixels.assign(static_cast<std::size_t>(512) * 512, 0u);
    const auto region = [&picture](int left, int top, int width, int height)
    { return Canvas(picture, left, top, width, height); };
    Canvas head = region(0, 0, 120, 136);
    Head(head);
    for (int frame = 0; frame < 3; ++frame)
    {
        Canvas eyes = region(128 + frame * 64, 0, 64, 22);
        Eyes(eyes, frame);
    }
    Canvas flower = region(330, 0, 48, 48);
    Flower(flower);
    for (int lock = 0; lock < 3; ++lock)
    {
        Canvas hair = region(384 + lock * 24, 0, 20, 34);
        Lock(hair, static_cast<float>(lock - 1) * 2.0f);
    }
    for (int tail = 0; tail < 2; ++tail)
    {
        Canvas braid = region(tail * 52, 140, 48, 124);
        Tail(braid);
    }
    Canvas body = region(104, 140, 160, 160);
    Body(body);
    Canvas skirt = region(270, 140, 200, 240);
    Skirt(skirt);
    Canvas apron = region(0, 300, 112, 190);
    Apron(apron);
    return Painting::WritePng(picture, folder + "/menu_girl.png");
}

} // namespace MenuScene
