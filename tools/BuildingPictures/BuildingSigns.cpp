// The buildings' signs and bar: the for-sale board with a small picture of each kind, the worker-wanted
// boards, the progress bar with its icons, and the sparkle of a finished run.
#include "tools/BuildingPictures/BuildingArt.h"
#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"

#include <fstream>
#include <string>

using Painting::Argb;
using Painting::Mix;

namespace BuildingArt
{

namespace
{

constexpr int kSignWidth = 136;
constexpr int kSignHeight = 96;
constexpr int kKinds = 11;
constexpr int kTableWidth = 56;
constexpr int kTableHeight = 94;
constexpr int kBarWidth = 42;
constexpr int kBarHeight = 156;
constexpr int kFillLeft = 48;
constexpr int kFillWidth = 24;
constexpr int kFillHeight = 100;
constexpr int kIcon = 26;
constexpr int kIconFrames = 43;

const std::uint32_t kWood = Argb(255, 150, 100, 56);
const std::uint32_t kDarkWood = Argb(255, 92, 60, 34);
const std::uint32_t kParchment = Argb(255, 240, 226, 190);

bool WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

// The board on two posts that stands on an empty lot: a pile of coins on the left, a space for the
// building's picture and a dark plate for its price.
void PaintBoard(Canvas& c)
{
    c.Rect(20, 60, 28, kSignHeight, kDarkWood);
    c.Rect(108, 60, 116, kSignHeight, kDarkWood);
    c.Rect(4, 6, kSignWidth - 4, 88, kDarkWood);
    c.Rect(7, 9, kSignWidth - 7, 85, kWood);
    c.Rect(58, 16, 128, 58, kParchment);
    c.Rect(67, 60, 127, 84, Argb(255, 70, 46, 26));
    for (int coin = 0; coin < 4; ++coin)
    {
        const float y = 70.0f - 9.0f * static_cast<float>(coin);
        c.Ellipse(32, y, 18, 6, Argb(255, 170, 120, 30));
        c.Ellipse(32, y - 2, 18, 6, Argb(255, 244, 196, 60));
    }
    c.Circle(32, 32, 9, Argb(255, 244, 196, 60));
    c.Line(32, 26, 32, 38, 2, Argb(255, 170, 120, 30));
}

// A small house in the roof colour of its kind with the product on its gable.
void PaintMiniBuilding(Canvas& c, const Kind& kind)
{
    c.Rect(10, 18, 54, 38, kind.wall);
    c.Polygon({{6, 20}, {32, 2}, {58, 20}}, kind.roof);
    c.Rect(40, 26, 48, 38, kDarkWood);
    PaintProduct(c, kind.ordinal, 16, 20, 16);
}

// A board on a post with the worker wanted: a boy in a cap, or a fairy with her wings.
void PaintWanted(Canvas& c, bool fairy)
{
    c.Rect(25, 40, 31, kTableHeight, kDarkWood);
    c.Rect(2, 2, kTableWidth - 2, 50, kDarkWood);
    c.Rect(5, 5, kTableWidth - 5, 47, kParchment);
    const std::uint32_t figure = Argb(255, 70, 90, 140);
    if (fairy)
    {
        c.Ellipse(18, 24, 9, 13, Argb(200, 150, 210, 240));
        c.Ellipse(38, 24, 9, 13, Argb(200, 150, 210, 240));
    }
    c.Circle(28, 16, 6, Argb(255, 240, 200, 160));
    c.Polygon({{20, 44}, {28, 22}, {36, 44}}, figure);
    if (!fairy)
    {
        c.Polygon({{21, 13}, {28, 6}, {35, 13}}, Argb(255, 200, 60, 50));
        c.Rect(21, 12, 40, 14, Argb(255, 200, 60, 50));
    }
    // A question mark drawn as a hook and a dot: someone is wanted here.
    c.Line(46, 14, 46, 10, 2, Argb(255, 180, 40, 40));
    c.Line(46, 10, 42, 8, 2, Argb(255, 180, 40, 40));
    c.Line(46, 14, 44, 18, 2, Argb(255, 180, 40, 40));
    c.Circle(44, 23, 1.5f, Argb(255, 180, 40, 40));
}

// A worker's head and shoulders for the hire and sell buttons: the errand boy in his red cap, or the
// fairy with her wings; leaving, a green arrow points out of the picture.
void PaintWorkerIcon(Canvas& c, bool fairy, bool leaving)
{
    if (fairy)
    {
        c.Ellipse(7, 15, 5, 8, Argb(220, 150, 210, 240));
        c.Ellipse(19, 15, 5, 8, Argb(220, 150, 210, 240));
    }
    c.Polygon({{5, 26}, {13, 13}, {21, 26}}, Argb(255, 70, 90, 140));
    c.Circle(13, 10, 6, kDarkWood);
    c.Circle(13, 10, 5, Argb(255, 240, 200, 160));
    if (fairy)
    {
        c.Ellipse(13, 5, 6, 3, Argb(255, 240, 200, 80));
    }
    else
    {
        c.Polygon({{7, 8}, {13, 2}, {19, 8}}, Argb(255, 200, 60, 50));
        c.Rect(7, 7, 23, 9, Argb(255, 200, 60, 50));
    }
    if (leaving)
    {
        c.Polygon({{17, 16}, {22, 16}, {22, 13}, {26, 19}, {22, 25}, {22, 22}, {17, 22}},
                  Argb(255, 50, 150, 60));
    }
}

std::string WantedMesh(int frame)
{
    const int left = frame * kTableWidth;
    return "-- A worker-wanted board that sways a little.\nMeshList = { \"Board\" }\nImageList = { "
           "\"s_table.png\" }\nBoard = {\n    Image = \"s_table.png\",\n    NumsCell = { 2, 2 },\n    "
           "MeshSize = "
           "{ 56, 94 },\n    SrcRect = { " +
           std::to_string(left) + ", 0, " + std::to_string(left + kTableWidth) +
           ", 94 },\n    Animation = { FramesList = {\n"
           "        { 0, 0, 0, 56, 0, 0, 94, 56, 94 },\n"
           "        { 0.6, 3, 0, 59, 0, 0, 94, 56, 94 },\n"
           "        { 1.2, 0, 0, 56, 0, 0, 94, 56, 94 },\n"
           "    } },\n}\n";
}

// The icons of the bar: each kind's product above (with one, two or three dots for the units still
// to come) and below, at the frames the building reads.
struct IconUse
{
    int ordinal;
    int upper;
    int lower;
};
constexpr IconUse kIconUses[kKinds] = {{1, 14, 4},  {2, 5, 0},   {3, 8, 1},   {4, 29, 40},
                                       {5, 35, 42}, {6, 20, 26}, {7, 11, 2},  {8, 32, 38},
                                       {9, 26, 41}, {10, 17, 3}, {11, 23, 39}};

void PaintIcon(Canvas& c, int ordinal, int dots)
{
    c.Circle(kIcon / 2.0f, kIcon / 2.0f, kIcon / 2.0f - 1, Argb(255, 250, 244, 220));
    PaintProduct(c, ordinal, 4, 3, 18);
    for (int dot = 0; dot < dots; ++dot)
    {
        c.Circle(5.0f + 6.0f * static_cast<float>(dot), kIcon - 4.0f, 2.5f, Argb(255, 60, 120, 40));
    }
}

// The order buttons' icons: frame 0 a padlock, then for each kind its three orders (one, two or three
// units of the product); the hire button's worker (a boy, a fairy); the sale's bar with its panel.
bool WriteButtons(const std::string& folder)
{
    constexpr int kOrderFrames = 1 + 3 * kKinds;
    Platform::Image orders = Painting::Paint(kIcon * kOrderFrames, kIcon, [](int, int) { return 0u; });
    Canvas lock(orders, 0, 0, kIcon, kIcon);
    lock.Ellipse(13, 10, 6, 7, Argb(255, 110, 110, 120));
    lock.Ellipse(13, 10, 3.5f, 4.5f, 0u);
    lock.Rect(6, 11, 20, 23, Argb(255, 200, 160, 40));
    lock.Circle(13, 16, 2, kDarkWood);
    for (const Kind& kind : Kinds())
    {
        for (int units = 0; units < 3; ++units)
        {
            Canvas icon(orders, (1 + 3 * (kind.ordinal - 1) + units) * kIcon, 0, kIcon, kIcon);
            PaintIcon(icon, kind.ordinal, units + 1);
        }
    }
    Platform::Image hire = Painting::Paint(kTableWidth * 3, kTableHeight, [](int, int) { return 0u; });
    Canvas boy(hire, kTableWidth, 0, kTableWidth, kTableHeight);
    PaintWanted(boy, false);
    Canvas fairy(hire, kTableWidth * 2, 0, kTableWidth, kTableHeight);
    PaintWanted(fairy, true);
    // Frame 0 empty; 1 and 2 hire the boy and the fairy, 3 and 4 let them go.
    Platform::Image workers = Painting::Paint(kIcon * 5, kIcon, [](int, int) { return 0u; });
    for (int frame = 1; frame < 5; ++frame)
    {
        Canvas icon(workers, kIcon * frame, 0, kIcon, kIcon);
        PaintWorkerIcon(icon, frame % 2 == 0, frame > 2);
    }
    Platform::Image sale = Painting::Paint(320, 512,
                                           [](int x, int y)
                                           {
                                               if (y < 48)
                                               {
                                                   return Argb(255, 92, 60, 34);
                                               }
                                               if (y < 96)
                                               {
                                                   const bool rim = x < 4 || x >= 316 || y < 52 || y >= 92;
                                                   return rim ? Argb(255, 230, 190, 90) : 0u;
                                               }
                                               if (y >= 465 && y < 504 && x >= 15 && x < 310)
                                               {
                                                   return Mix(Argb(255, 250, 210, 60), Argb(255, 90, 180, 60),
                                                              static_cast<float>(x - 15) / 295.0f);
                                               }
                                               return 0u;
                                           });
    // The upgrade buttons: an arrow up while an upgrade can be bought, the padlock past the unlocked one.
    Platform::Image upgrade = Painting::Paint(kIcon * 2, kIcon, [](int, int) { return 0u; });
    Canvas arrow(upgrade, 0, 0, kIcon, kIcon);
    arrow.Polygon({{13, 2}, {24, 13}, {17, 13}, {17, 24}, {9, 24}, {9, 13}, {2, 13}}, Argb(255, 70, 160, 60));
    Canvas padlock(upgrade, kIcon, 0, kIcon, kIcon);
    padlock.Ellipse(13, 10, 6, 7, Argb(255, 110, 110, 120));
    padlock.Ellipse(13, 10, 3.5f, 4.5f, 0u);
    padlock.Rect(6, 11, 20, 23, Argb(255, 200, 160, 40));
    padlock.Circle(13, 16, 2, kDarkWood);
    bool written = Painting::WritePng(orders, folder + "building_orders.png");
    written = Painting::WritePng(upgrade, folder + "building_upgrade.png") && written;
    written = Painting::WritePng(hire, folder + "building_hire.png") && written;
    written = Painting::WritePng(workers, folder + "building_workers.png") && written;
    written = Painting::WritePng(sale, folder + "building_sale.png") && written;
    return written;
}

} // namespace

bool WriteSigns(const std::string& folder)
{
    Platform::Image sign =
        Painting::Paint(kSignWidth * (kKinds + 1), kSignHeight, [](int, int) { return 0u; });
    Canvas board(sign, 0, 0, kSignWidth, kSignHeight);
    PaintBoard(board);
    for (const Kind& kind : Kinds())
    {
        Canvas picture(sign, kSignWidth * kind.ordinal, 0, kSignWidth, kSignHeight);
        PaintMiniBuilding(picture, kind);
    }
    Platform::Image wanted = Painting::Paint(kTableWidth * 2, kTableHeight, [](int, int) { return 0u; });
    Canvas boy(wanted, 0, 0, kTableWidth, kTableHeight);
    PaintWanted(boy, false);
    Canvas fairy(wanted, kTableWidth, 0, kTableWidth, kTableHeight);
    PaintWanted(fairy, true);
    bool written = Painting::WritePng(sign, folder + "buy_building.png");
    written = Painting::WritePng(wanted, folder + "s_table.png") && written;
    written =
        WriteText(
            folder + "BuyBuilding.lua",
            "-- The board on an empty lot: frame 0 the board, then a small picture of each kind.\n"
            "BuyBuilding = { Image = \"buy_building.png\", SrcRect = { 0, 0, " +
                std::to_string(kSignWidth * (kKinds + 1)) + ", " + std::to_string(kSignHeight) +
                " }, Pos = { -150, -72 },\n    Animation = { FramesCols = " + std::to_string(kKinds + 1) +
                ", FramesRows = 1, NumFrames = " + std::to_string(kKinds + 1) + " } }\n") &&
        written;
    written = WriteText(folder + "s_table01.mesh", WantedMesh(0)) && written;
    written = WriteButtons(folder) && written;
    written = WriteText(folder + "s_table02.mesh", WantedMesh(1)) && written;
    return written;
}

bool WriteProgressBar(const std::string& folder)
{
    // A wooden frame round a glass tube, and the fill that rises in it.
    Platform::Image bar = Painting::Paint(
        kFillLeft + kFillWidth, kBarHeight,
        [](int x, int y)
        {
            if (x >= kFillLeft)
            {
                const float t = static_cast<float>(y) / static_cast<float>(kFillHeight);
                return y < kFillHeight ? Mix(Argb(255, 120, 220, 90), Argb(255, 40, 150, 40), t) : 0u;
            }
            if (x >= kBarWidth)
            {
                return 0u;
            }
            const bool tube = x >= 8 && x < 34 && y >= 30 && y < 132;
            if (tube)
            {
                return Argb(160, 220, 236, 240);
            }
            const bool rim = x < 2 || x >= kBarWidth - 2 || y < 2 || y >= kBarHeight - 2;
            return rim ? Argb(255, 70, 46, 26) : Argb(255, 160, 110, 60);
        });
    Platform::Image icons = Painting::Paint(kIcon * kIconFrames, kIcon, [](int, int) { return 0u; });
    for (const IconUse& use : kIconUses)
    {
        for (int units = 0; units < 3; ++units)
        {
            Canvas upper(icons, (use.upper + units) * kIcon, 0, kIcon, kIcon);
            PaintIcon(upper, use.ordinal, units + 1);
        }
    }
    // Drawn last: where a kind's lower icon shares a frame with another's count, the product wins.
    for (const IconUse& use : kIconUses)
    {
        Platform::Image& target = icons;
        for (int y = 0; y < kIcon; ++y)
        {
            for (int x = 0; x < kIcon; ++x)
            {
                target.pixels[static_cast<std::size_t>(y * target.width + use.lower * kIcon + x)] = 0u;
            }
        }
        Canvas lower(target, use.lower * kIcon, 0, kIcon, kIcon);
        PaintIcon(lower, use.ordinal, 0);
    }
    bool written = Painting::WritePng(bar, folder + "building_bar.png");
    written = Painting::WritePng(icons, folder + "building_icons.png") && written;
    return written;
}

} // namespace BuildingArt
