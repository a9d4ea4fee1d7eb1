// Writes the pictures of the storehouse window: its own widgets (title tabs, frames, list boards, row
// buttons, OK and Cancel, coin, padlock, total plaque), the shop at its five levels with its shelves,
// locks, plinth and flowers, the storehouse's inside at its four levels with roofs, floors, doors, a
// shovel and a stone, and the goods as the window shows them, enlarged from the field's goods picture.
//
//   wf_store_window_pictures OUTPUT_FOLDER
//
// The field's goods picture ("store_goods.png") must already be in OUTPUT_FOLDER.

#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"
#include "tools/StoreWindowPictures/StorePlacePictures.h"
#include "tools/StoreWindowPictures/StoreWindowPaint.h"

#include <cstdio>
#include <string>

using Painting::Argb;
using Painting::Mix;
using namespace StoreWindowPaint;

namespace
{
constexpr int kSheetSide = 1024;
const std::uint32_t kCream = Argb(255, 246, 232, 196);
const std::uint32_t kLeaf = Argb(255, 78, 128, 60);
const std::uint32_t kBrown = Argb(255, 138, 92, 52);

// The window's tabs: the title strip's two tab shapes, the active one bright.
void TabIconShop(Canvas& c, float x, float y)
{
    // A little stall: striped awning over a counter.
    for (int stripe = 0; stripe < 5; ++stripe)
    {
        const float sx = x + static_cast<float>(stripe) * 8.0f;
        c.Polygon({{sx, y}, {sx + 8.0f, y}, {sx + 8.0f, y + 14.0f}, {sx, y + 14.0f}},
                  stripe % 2 == 0 ? Argb(255, 210, 50, 45) : Argb(255, 250, 245, 235));
    }
    c.Rect(x + 2.0f, y + 14.0f, x + 4.0f, y + 34.0f, Outline());
    c.Rect(x + 36.0f, y + 14.0f, x + 38.0f, y + 34.0f, Outline());
    c.Rect(x - 2.0f, y + 26.0f, x + 42.0f, y + 36.0f, Wood());
    c.Rect(x - 2.0f, y + 26.0f, x + 42.0f, y + 28.0f, Outline());
}

void TabIconStorehouse(Canvas& c, float x, float y)
{
    // A barn: a red gable and a door with a cross brace.
    c.Polygon({{x + 20.0f, y - 2.0f}, {x + 42.0f, y + 14.0f}, {x - 2.0f, y + 14.0f}}, Outline());
    c.Polygon({{x + 20.0f, y + 1.0f}, {x + 38.0f, y + 13.0f}, {x + 2.0f, y + 13.0f}}, Argb(255, 170, 60, 45));
    c.Rect(x + 2.0f, y + 13.0f, x + 38.0f, y + 36.0f, Outline());
    c.Rect(x + 4.0f, y + 15.0f, x + 36.0f, y + 34.0f, Argb(255, 190, 75, 55));
    c.Rect(x + 12.0f, y + 18.0f, x + 28.0f, y + 34.0f, LightWood());
    c.Line(x + 13.0f, y + 19.0f, x + 27.0f, y + 33.0f, 1.5f, DarkWood());
    c.Line(x + 27.0f, y + 19.0f, x + 13.0f, y + 33.0f, 1.5f, DarkWood());
}

void Tab(Canvas& c, float x0, float x1, bool active, bool shop)
{
    // White titles stand on both faces; the active one is the warmer and brighter.
    const std::uint32_t face = active ? Argb(255, 190, 116, 46) : Argb(255, 112, 82, 56);
    c.Polygon({{x0, 86.0f}, {x0 + 14.0f, 14.0f}, {x1 - 14.0f, 14.0f}, {x1, 86.0f}}, Outline());
    c.Polygon({{x0 + 4.0f, 86.0f}, {x0 + 17.0f, 17.0f}, {x1 - 17.0f, 17.0f}, {x1 - 4.0f, 86.0f}}, face);
    c.Rect(x0 + 18.0f, 18.0f, x1 - 18.0f, 22.0f, Mix(face, Argb(255, 255, 255, 255), 0.35f));
    if (shop)
    {
        TabIconShop(c, x0 + 40.0f, 32.0f);
    }
    else
    {
        TabIconStorehouse(c, x0 + 40.0f, 32.0f);
    }
}

void TitleStrip(Platform::Image& image, int top, bool shopActive)
{
    Canvas c(image, 0, top, kSheetSide, 88);
    c.Gradient(0.0f, 0.0f, 1024.0f, 88.0f, Argb(255, 120, 80, 46), Argb(255, 84, 54, 30));
    c.Rect(0.0f, 84.0f, 1024.0f, 88.0f, Outline());
    // The inactive tab first, so that the active one overlaps the beam and stands in front.
    Tab(c, 520.0f, 1005.0f, !shopActive, false);
    Tab(c, 20.0f, 505.0f, shopActive, true);
}

// A framed background: a rim of the given colour about a plain middle that tiles without seams.
void Frame(Platform::Image& image, int left, int width, std::uint32_t rim, std::uint32_t middle)
{
    Canvas c(image, left, 926, width, 98);
    c.Rect(0.0f, 0.0f, static_cast<float>(width), 98.0f, middle);
    const float w = static_cast<float>(width);
    auto band = [&c, w](float inset, float thick, std::uint32_t colour)
    {
        c.Rect(inset, inset, w - inset, inset + thick, colour);
        c.Rect(inset, 98.0f - inset - thick, w - inset, 98.0f - inset, colour);
        c.Rect(inset, inset, inset + thick, 98.0f - inset, colour);
        c.Rect(w - inset - thick, inset, w - inset, 98.0f - inset, colour);
    };
    band(0.0f, 14.0f, Outline());
    band(2.0f, 10.0f, rim);
    band(5.0f, 2.0f, Mix(rim, Argb(255, 255, 255, 255), 0.3f));
    // Brass studs in the corners.
    for (const float x : {8.0f, w - 8.0f})
    {
        for (const float y : {8.0f, 90.0f})
        {
            c.Circle(x, y, 3.0f, Argb(255, 220, 180, 80));
        }
    }
}

// Dark planks under the window's white figures, so that counts, prices and the total read at a glance.
std::uint32_t FigureWood()
{
    return Mix(DarkWood(), Outline(), 0.35f);
}

// The list's board, 286 x 600: dark planks, a header with the page's sign and a band under each row.
void Board(Platform::Image& image, int left, bool sale)
{
    Canvas c(image, left, 0, 286, 600);
    Planks(c, 0.0f, 0.0f, 286.0f, 600.0f, FigureWood());
    c.Rect(12.0f, 10.0f, 274.0f, 50.0f, Outline());
    c.Rect(14.0f, 12.0f, 272.0f, 48.0f, Mix(Wood(), LightWood(), 0.6f));
    if (sale)
    {
        TabIconShop(c, 123.0f, 11.0f);
    }
    else
    {
        Coin(c, 123.0f, 30.0f, 13.0f);
        TabIconStorehouse(c, 143.0f, 13.0f);
    }
    for (int row = 0; row < 12; ++row)
    {
        const float y = 56.0f + 44.0f * static_cast<float>(row);
        c.Rect(16.0f, y, 270.0f, y + 40.0f, Argb(28, 255, 240, 200));
    }
}

// The row buttons: a round green button with an arrow and one or three crates; four states.
void Crate(Canvas& c, float x, float y, float size)
{
    c.Rect(x, y, x + size, y + size, Outline());
    c.Rect(x + 1.0f, y + 1.0f, x + size - 1.0f, y + size - 1.0f, LightWood());
    c.Line(x + 1.5f, y + 1.5f, x + size - 1.5f, y + size - 1.5f, 1.0f, DarkWood());
}

void RowButton(Platform::Image& image, int left, int top, int state, bool all)
{
    Canvas c(image, left, top, 36, 36);
    const std::uint32_t faces[4] = {Argb(255, 80, 160, 70), Argb(255, 120, 200, 100), Argb(255, 60, 125, 55),
                                    Argb(255, 140, 140, 140)};
    const float dip = state == 2 ? 1.0f : 0.0f;
    c.Circle(18.0f, 18.0f + dip, 17.0f, Outline());
    c.Circle(18.0f, 18.0f + dip, 15.0f, faces[state]);
    c.Ellipse(14.0f, 10.0f + dip, 8.0f, 4.0f, Argb(70, 255, 255, 255));
    const std::uint32_t white = state == 3 ? Argb(255, 200, 200, 200) : Argb(255, 255, 255, 255);
    if (all)
    {
        Crate(c, 5.0f, 17.0f + dip, 8.0f);
        Crate(c, 5.0f, 9.0f + dip, 8.0f);
        Crate(c, 13.0f, 17.0f + dip, 8.0f);
    }
    else
    {
        Crate(c, 7.0f, 13.0f + dip, 10.0f);
    }
    c.Polygon({{21.0f, 11.0f + dip}, {31.0f, 18.0f + dip}, {21.0f, 25.0f + dip}}, white);
}

// OK and Cancel: a wide wooden button with a green tick or a red cross; four states.
void WideButton(Platform::Image& image, int top, int state, bool ok)
{
    Canvas c(image, 140 * state, top, 140, 44);
    const std::uint32_t faces[4] = {LightWood(), Mix(LightWood(), Argb(255, 255, 255, 220), 0.4f), Wood(),
                                    Argb(255, 160, 150, 140)};
    const float dip = state == 2 ? 1.0f : 0.0f;
    c.Rect(2.0f, 2.0f, 138.0f, 42.0f, Outline());
    c.Rect(5.0f, 5.0f + dip, 135.0f, 39.0f + dip, faces[state]);
    const std::uint32_t mark =
        state == 3 ? Argb(255, 120, 120, 120) : (ok ? Argb(255, 50, 150, 50) : Argb(255, 200, 50, 40));
    if (ok)
    {
        c.Line(52.0f, 22.0f + dip, 64.0f, 33.0f + dip, 6.0f, mark);
        c.Line(64.0f, 33.0f + dip, 88.0f, 10.0f + dip, 6.0f, mark);
    }
    else
    {
        c.Line(56.0f, 10.0f + dip, 84.0f, 34.0f + dip, 6.0f, mark);
        c.Line(84.0f, 10.0f + dip, 56.0f, 34.0f + dip, 6.0f, mark);
    }
}

Platform::Image WindowSheet()
{
    Platform::Image image = Blank(kSheetSide, kSheetSide);
    Board(image, 0, true);
    Board(image, 400, false);
    for (int state = 0; state < 4; ++state)
    {
        RowButton(image, 800 + 36 * state, 0, state, false);
        RowButton(image, 800 + 36 * state, 36, state, true);
        WideButton(image, 860, state, true);
        WideButton(image, 906, state, false);
    }
    Canvas coin(image, 800, 80, 36, 36);
    Coin(coin, 18.0f, 18.0f, 16.0f);
    Canvas lock(image, 850, 80, 40, 52);
    Padlock(lock, 20.0f, 26.0f, 16.0f);
    Canvas plaque(image, 800, 140, 220, 70);
    Planks(plaque, 0.0f, 0.0f, 220.0f, 70.0f, FigureWood());
    Coin(plaque, 34.0f, 35.0f, 18.0f);
    TitleStrip(image, 681, true);
    TitleStrip(image, 770, false);
    Frame(image, 739, 142, kLeaf, kCream);
    Frame(image, 881, 143, kBrown, Argb(255, 236, 214, 170));
    return image;
}

// The field's goods, half as large again, in frames of 60 x 50, 14 to a row, each good about the middle of
// its frame: a cell's goods and the list's icons stand centred where the window puts them.
Platform::Image EnlargedGoods(const Platform::Image& goods)
{
    constexpr int kFrames = 28;
    constexpr int kSourceWidth = 40;
    constexpr int kSourceHeight = 28;
    constexpr int kWidth = 60;
    constexpr int kHeight = 50;
    // The field's goods stand about (24, 13) of their frame; here about (30, 26).
    constexpr float kShiftX = 30.0f - 24.0f * 1.5f;
    constexpr float kShiftY = 26.0f - 13.0f * 1.5f;
    Platform::Image image = Blank(kWidth * 14, kHeight * 2);
    if (goods.width < kSourceWidth * kFrames || goods.height < kSourceHeight)
    {
        return image;
    }
    for (int frame = 0; frame < kFrames; ++frame)
    {
        const int left = (frame % 14) * kWidth;
        const int top = (frame / 14) * kHeight;
        for (int y = 0; y < kHeight; ++y)
        {
            for (int x = 0; x < kWidth; ++x)
            {
                const auto sx = static_cast<int>((static_cast<float>(x) - kShiftX) / 1.5f);
                const auto sy = static_cast<int>((static_cast<float>(y) - kShiftY) / 1.5f);
                if (sx < 0 || sx >= kSourceWidth || sy < 0 || sy >= kSourceHeight)
                {
                    continue;
                }
                image.pixels[static_cast<std::size_t>(top + y) * static_cast<std::size_t>(image.width) +
                             static_cast<std::size_t>(left + x)] = goods.At(frame * kSourceWidth + sx, sy);
            }
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_store_window_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    Platform::Image goods;
    bool ok = Painting::ReadPng(folder + "store_goods.png", goods);
    ok &= Painting::WritePng(EnlargedGoods(goods), folder + "storeshop_goods.png");
    ok &= Painting::WritePng(WindowSheet(), folder + "storeshop_window.png");
    ok &= Painting::WritePng(StorePlacePictures::ShopSheet(), folder + "storeshop_shop.png");
    ok &= Painting::WritePng(StorePlacePictures::StorehouseSheet(), folder + "storeshop_storehouse.png");
    return ok ? 0 : 1;
}
