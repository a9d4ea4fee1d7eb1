#include "tools/GardenPictures/GardenArt.h"

#include "tools/Common/Painting.h"
#include "tools/GardenPictures/FrameSheet.h"

#include <array>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <vector>

using Painting::Argb;
using Painting::Mix;

namespace
{

constexpr float kPi = std::numbers::pi_v<float>;

const std::uint32_t kWood = Argb(255, 150, 100, 56);
const std::uint32_t kWoodDark = Argb(255, 104, 66, 36);
const std::uint32_t kWoodGrey = Argb(255, 128, 120, 108);
const std::uint32_t kLeaf = Argb(255, 64, 150, 52);
const std::uint32_t kLeafDark = Argb(255, 40, 108, 40);
const std::uint32_t kWeed = Argb(255, 110, 140, 50);
const std::uint32_t kStone = Argb(255, 150, 148, 140);
const std::uint32_t kStoneDark = Argb(255, 104, 102, 98);
const std::uint32_t kRoofRed = Argb(255, 176, 70, 50);
const std::uint32_t kGold = Argb(255, 240, 196, 60);

struct Area
{
    int x, y, w, h;
};

// Where the garden's parts lie in "garden.png".
constexpr Area kBedsTended{0, 0, 150, 40};
constexpr Area kBedsUnattended{150, 0, 150, 40};
constexpr Area kPropsTended{300, 0, 60, 50};
constexpr Area kPropsUnattended{360, 0, 60, 50};
constexpr int kFenceTop = 50;
constexpr int kFenceWidth = 220;
constexpr int kFenceHeight = 44;
constexpr Area kScarecrow{0, 280, 44, 80};
constexpr Area kFlowers{50, 280, 60, 30};
constexpr Area kBirdhouse{120, 280, 30, 60};
constexpr Area kArch{160, 280, 140, 90};
constexpr Area kTable{310, 280, 70, 70};
constexpr Area kHat{390, 280, 40, 20};
constexpr int kGardenWidth = 512;
constexpr int kGardenHeight = 380;

Area Fence(int level, bool unattended)
{
    return {unattended ? kFenceWidth : 0, kFenceTop + kFenceHeight * level, kFenceWidth, kFenceHeight};
}

Canvas At(Platform::Image& image, const Area& area)
{
    return Canvas(image, area.x, area.y, area.w, area.h);
}

void Tuft(Canvas& c, float x, float y, float size, std::uint32_t colour)
{
    for (int k = -2; k <= 2; ++k)
    {
        c.Line(x, y, x + static_cast<float>(k) * size * 0.35f,
               y - size + std::fabs(static_cast<float>(k)) * 1.5f, 1.2f, colour);
    }
}

// The planks round the two beds, open where the soil tiles show; weathered and weedy when nobody tends
// them.
void Beds(Canvas& c, bool unattended)
{
    const std::uint32_t plank = unattended ? kWoodGrey : kWood;
    const std::uint32_t edge = unattended ? Argb(255, 96, 90, 82) : kWoodDark;
    c.Rect(4, 0, 146, 6, plank);
    c.Rect(4, 0, 146, 1, edge);
    c.Rect(2, 33, 148, 40, plank);
    c.Rect(2, 39, 148, 40, edge);
    for (const float x : {2.0f, 72.0f, 142.0f})
    {
        c.Rect(x, 0, x + 6, 40, plank);
        c.Rect(x + 5, 0, x + 6, 40, edge);
        c.Circle(x + 3, 36, 1.2f, edge);
    }
    if (!unattended)
    {
        for (const float x : {20.0f, 50.0f, 98.0f, 126.0f})
        {
            c.Circle(x, 2.0f, 1.0f, kWoodDark);
        }
        return;
    }
    c.Line(40, 35, 60, 38, 1.0f, edge);
    for (const float x : {6.0f, 30.0f, 66.0f, 80.0f, 110.0f, 140.0f})
    {
        Tuft(c, x, 34.0f, 8.0f, kWeed);
    }
    for (const float x : {14.0f, 90.0f, 124.0f})
    {
        Tuft(c, x, 6.0f, 7.0f, Argb(255, 130, 150, 60));
    }
}

// A fence behind the beds, finer at each garden level; gaps and leaning stakes when nobody tends it.
void Fence(Canvas& c, int level, bool unattended)
{
    const std::uint32_t colours[5] = {kWood, Argb(255, 170, 130, 80), Argb(255, 240, 236, 226),
                                      Argb(255, 236, 230, 214), kStone};
    const std::uint32_t colour = unattended ? Mix(colours[level], kWoodGrey, 0.6f) : colours[level];
    const std::uint32_t shade = Mix(colour, Argb(255, 0, 0, 0), 0.3f);
    if (level == 4)
    {
        // A low stone wall with a flower box.
        for (int row = 0; row < 2; ++row)
        {
            for (int k = 0; k < 11; ++k)
            {
                const float x = static_cast<float>(k * 20 + (row % 2) * 10);
                if (unattended && (k * 3 + row) % 5 == 0)
                {
                    continue;
                }
                c.Rect(x + 1, 24.0f + row * 10.0f, x + 19, 33.0f + row * 10.0f,
                       (k + row) % 2 ? colour : shade);
            }
        }
        for (int k = 0; k < 10; ++k)
        {
            const std::uint32_t petal =
                unattended ? kWeed : (k % 2 ? Argb(255, 230, 80, 120) : Argb(255, 250, 220, 80));
            c.Circle(10.0f + k * 22.0f, 20.0f, 4.0f, kLeaf);
            c.Circle(10.0f + k * 22.0f, 17.0f, 3.0f, petal);
        }
        return;
    }
    const float railY[2] = {14.0f, 30.0f};
    for (int r = 0; r < (level == 0 ? 1 : 2); ++r)
    {
        if (level == 1)
        {
            // Wattle: woven withies between the stakes.
            for (int k = 0; k < 3; ++k)
            {
                const float y = railY[r] - 3.0f + static_cast<float>(k) * 3.0f;
                c.Line(0, y, 220, y + ((k % 2) ? 1.5f : -1.5f), 2.2f, k % 2 ? colour : shade);
            }
        }
        else if (!unattended || r == 0)
        {
            c.Rect(0, railY[r], 220, railY[r] + 4.0f, colour);
            c.Rect(0, railY[r] + 3.0f, 220, railY[r] + 4.0f, shade);
        }
    }
    const int stakes = level == 0 ? 8 : 14;
    for (int k = 0; k < stakes; ++k)
    {
        const float x = 4.0f + static_cast<float>(k) * 212.0f / static_cast<float>(stakes - 1);
        if (unattended && k % 4 == 2)
        {
            continue;
        }
        const float lean = unattended && k % 3 == 0 ? 5.0f : 0.0f;
        const float top = level >= 2 ? 2.0f : 6.0f;
        const float width = level >= 2 ? 7.0f : 5.0f;
        c.Polygon({{x - width / 2, 44},
                   {x + width / 2, 44},
                   {x + width / 2 + lean, top + 4},
                   {x + lean, top},
                   {x - width / 2 + lean, top + 4}},
                  colour);
        c.Line(x + width / 2 - 1, 44, x + width / 2 - 1 + lean, top + 4, 1.0f, shade);
        if (level == 3)
        {
            c.Circle(x + lean, top, 2.5f, Argb(255, 60, 110, 60));
        }
    }
}

// A watering can and a basket of tools; a toppled empty basket among nettles when unattended.
void Props(Canvas& c, bool unattended)
{
    if (!unattended)
    {
        const std::uint32_t can = Argb(255, 80, 140, 170);
        c.Rect(6, 26, 26, 46, can);
        c.Line(24, 30, 34, 22, 3.0f, can);
        c.Circle(35, 21, 3.0f, can);
        c.Line(8, 26, 16, 18, 2.0f, Argb(255, 60, 100, 130));
        c.Line(16, 18, 24, 26, 2.0f, Argb(255, 60, 100, 130));
        c.Ellipse(46, 40, 12, 8, kWood);
        c.Rect(34, 32, 58, 40, kWood);
        c.Line(34, 34, 58, 34, 1.0f, kWoodDark);
        c.Line(50, 30, 56, 2, 2.0f, kWoodDark);
        c.Rect(52, 0, 60, 4, Argb(255, 170, 170, 176));
        c.Circle(40, 31, 3.0f, Argb(255, 236, 120, 30));
        return;
    }
    c.Polygon({{4, 46}, {30, 48}, {34, 34}, {10, 30}}, kWoodGrey);
    c.Line(10, 30, 34, 34, 1.0f, Argb(255, 96, 90, 82));
    for (const float x : {36.0f, 44.0f, 52.0f, 20.0f})
    {
        Tuft(c, x, 49.0f, 14.0f, kWeed);
    }
}

// A straw scarecrow on a pole: hat, patched coat, arms spread.
void Scarecrow(Canvas& c)
{
    c.Rect(20, 20, 24, 80, kWoodDark);
    c.Rect(4, 30, 40, 34, kWoodDark);
    c.Polygon({{10, 30}, {34, 30}, {32, 56}, {12, 56}}, Argb(255, 70, 100, 160));
    c.Rect(14, 40, 20, 46, Argb(255, 200, 90, 60));
    c.Circle(22, 20, 8.0f, Argb(255, 236, 210, 150));
    c.Circle(19, 19, 1.2f, Argb(255, 40, 30, 20));
    c.Circle(25, 19, 1.2f, Argb(255, 40, 30, 20));
    c.Ellipse(22, 11, 14, 3.0f, Argb(255, 220, 190, 90));
    c.Rect(15, 4, 29, 11, Argb(255, 220, 190, 90));
    for (const float x : {4.0f, 40.0f})
    {
        Tuft(c, x, 36.0f, 5.0f, Argb(255, 230, 200, 110));
    }
}

void Flowers(Canvas& c)
{
    const std::uint32_t petals[4] = {Argb(255, 230, 80, 120), Argb(255, 250, 220, 80),
                                     Argb(255, 160, 110, 230), Argb(255, 250, 250, 250)};
    for (int k = 0; k < 6; ++k)
    {
        const float x = 5.0f + static_cast<float>(k) * 10.0f;
        c.Line(x, 30, x, 12.0f + static_cast<float>(k % 2) * 4.0f, 1.2f, kLeafDark);
        c.Ellipse(x + 2, 22, 3, 1.5f, kLeaf);
        c.Circle(x, 11.0f + static_cast<float>(k % 2) * 4.0f, 3.5f, petals[k % 4]);
        c.Circle(x, 11.0f + static_cast<float>(k % 2) * 4.0f, 1.2f, kGold);
    }
}

void Birdhouse(Canvas& c)
{
    c.Rect(13, 26, 17, 60, kWoodDark);
    c.Rect(4, 10, 26, 28, kWood);
    c.Polygon({{0, 12}, {15, 0}, {30, 12}}, kRoofRed);
    c.Circle(15, 18, 3.5f, Argb(255, 40, 30, 20));
    c.Rect(14, 23, 16, 26, kWoodDark);
}

// A rose arch over the garden's back.
void Arch(Canvas& c)
{
    const std::uint32_t white = Argb(255, 236, 232, 224);
    c.Rect(4, 20, 10, 90, white);
    c.Rect(130, 20, 136, 90, white);
    for (int k = 0; k <= 20; ++k)
    {
        const float a = kPi * static_cast<float>(k) / 20.0f;
        const float x = 70.0f - std::cos(a) * 63.0f;
        const float y = 24.0f - std::sin(a) * 20.0f;
        c.Circle(x, y, 3.5f, white);
        if (k % 3 == 0)
        {
            c.Circle(x + 2, y + 3, 3.5f, kLeaf);
            c.Circle(x, y + 1, 2.5f, Argb(255, 220, 60, 90));
        }
    }
    for (int k = 0; k < 6; ++k)
    {
        c.Circle(7.0f + static_cast<float>(k % 2) * 4.0f, 30.0f + static_cast<float>(k) * 10.0f, 3.0f, kLeaf);
        c.Circle(133.0f - static_cast<float>(k % 2) * 4.0f, 35.0f + static_cast<float>(k) * 10.0f, 3.0f,
                 kLeafDark);
    }
}

// The table that waits for a gardener: a little bench with a trowel, a seed bag and a rake leaning on
// it; the straw hat (a part of its own) lies on top.
void Table(Canvas& c)
{
    c.Rect(6, 40, 64, 46, kWood);
    c.Rect(10, 46, 14, 70, kWoodDark);
    c.Rect(56, 46, 60, 70, kWoodDark);
    c.Line(62, 70, 68, 14, 2.0f, kWoodDark);
    for (int k = 0; k < 5; ++k)
    {
        c.Line(60.0f + k * 3.0f, 14, 61.0f + k * 3.0f, 8, 1.2f, Argb(255, 170, 170, 176));
    }
    c.Rect(58, 12, 72, 15, Argb(255, 170, 170, 176));
    c.Polygon({{36, 40}, {50, 40}, {48, 24}, {38, 24}}, Argb(255, 214, 190, 140));
    c.Circle(43, 31, 3.0f, kLeaf);
    c.Line(14, 38, 28, 34, 2.0f, Argb(255, 170, 170, 176));
    c.Rect(8, 35, 14, 39, kWoodDark);
}

void Hat(Canvas& c)
{
    c.Ellipse(20, 15, 19, 4.5f, Argb(255, 226, 196, 100));
    c.Ellipse(20, 9, 10, 7, Argb(255, 236, 206, 110));
    c.Rect(10, 10, 30, 13, Argb(255, 190, 60, 50));
}

// The for-sale board: a sprout in soil, a coin beside the price (the game writes the price).
void SignBoard(Canvas& c)
{
    c.Rect(60, 88, 68, 112, kWoodDark);
    c.Rect(2, 2, 126, 90, kWood);
    c.Rect(6, 6, 122, 86, Argb(255, 236, 214, 170));
    c.Rect(2, 2, 126, 5, kWoodDark);
    c.Ellipse(30, 62, 20, 8, Argb(255, 110, 74, 44));
    c.Line(30, 60, 30, 34, 2.5f, Argb(255, 70, 128, 46));
    c.Ellipse(22, 38, 8, 4, kLeaf);
    c.Ellipse(38, 32, 8, 4, kLeafDark);
    c.Rect(62, 58, 124, 84, Argb(255, 120, 84, 50));
}

void Coin(Canvas& c)
{
    c.Circle(12, 12, 11, Argb(255, 190, 140, 30));
    c.Circle(12, 12, 9, kGold);
    c.Rect(10, 6, 14, 18, Argb(255, 190, 140, 30));
}

std::string Number(float value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

// One mesh part: a 2 x 2 grid of the area's size at its place, with key frames given as the four
// corners (left-top, right-top, left-bottom, right-bottom), each moved by the frame's offsets.
struct Key
{
    float time;
    float topDx;
    float topDy;
    float bottomDy;
};

// The container ignores a part's own place: its key frames give the corners in the container's frame.
std::string MeshPart(const std::string& name, const std::string& image, const Area& area, float px, float py,
                     const std::vector<Key>& keys)
{
    const float w = static_cast<float>(area.w);
    const float h = static_cast<float>(area.h);
    std::string text = name + " = {\n    Image = \"" + image +
                       "\",\n    NumsCell = { 2, 2 },\n    MeshSize = { " + Number(w) + ", " + Number(h) +
                       " },\n    SrcRect = { " + std::to_string(area.x) + ", " + std::to_string(area.y) +
                       ", " + std::to_string(area.x + area.w) + ", " + std::to_string(area.y + area.h) +
                       " },\n";
    text += "    Animation = {\n        FramesList = {\n";
    for (const Key& key : keys)
    {
        const float left = px + key.topDx;
        const float top = py + key.topDy;
        const float bottom = py + h + key.bottomDy;
        text += "            { " + Number(key.time) + ", " + Number(left) + ", " + Number(top) + ", " +
                Number(left + w) + ", " + Number(top) + ", " + Number(px) + ", " + Number(bottom) + ", " +
                Number(px + w) + ", " + Number(bottom) + " },\n";
    }
    return text + "        },\n    },\n}\n";
}

struct Placed
{
    std::string name;
    Area area;
    float x;
    float y;
    std::vector<Key> keys;
};

const std::vector<Key> kStill = {{0.0f, 0.0f, 0.0f, 0.0f}};
// A gentle sway of the top while a bed grows, ending at rest.
const std::vector<Key> kSway = {{0.0f, 0.0f, 0.0f, 0.0f},
                                {0.6f, 3.0f, 0.0f, 0.0f},
                                {1.2f, 0.0f, 0.0f, 0.0f},
                                {1.8f, -3.0f, 0.0f, 0.0f},
                                {2.4f, 0.0f, 0.0f, 0.0f}};

// A part that rises out of the ground: from flat on its foot to its height, starting at `start`.
std::vector<Key> Rise(float start, float height)
{
    return {{0.0f, 0.0f, height, 0.0f},
            {start, 0.0f, height, 0.0f},
            {start + 0.8f, 0.0f, -4.0f, 0.0f},
            {start + 1.0f, 0.0f, 0.0f, 0.0f}};
}

std::string Mesh(const std::string& comment, const std::vector<Placed>& parts)
{
    std::string text = "-- " + comment + "\nMeshList = {";
    for (std::size_t i = 0; i < parts.size(); ++i)
    {
        text += (i == 0 ? " \"" : ", \"") + parts[i].name + "\"";
    }
    text += " }\nImageList = { \"garden.png\" }\n\n";
    for (const Placed& part : parts)
    {
        text += MeshPart(part.name, "garden.png", part.area, part.x, part.y, part.keys) + "\n";
    }
    return text;
}

std::string Rect(const Area& a)
{
    return "{ " + std::to_string(a.x) + ", " + std::to_string(a.y) + ", " + std::to_string(a.x + a.w) + ", " +
           std::to_string(a.y + a.h) + " }";
}

bool WriteText(const std::string& path, const std::string& text)
{
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file);
}

} // namespace

namespace GardenArt
{

bool WriteGarden(const std::string& folder)
{
    Platform::Image image;
    image.width = kGardenWidth;
    image.height = kGardenHeight;
    image.pixels.assign(static_cast<std::size_t>(kGardenWidth * kGardenHeight), 0u);
    {
        Canvas tended = At(image, kBedsTended);
        Beds(tended, false);
        Canvas unattended = At(image, kBedsUnattended);
        Beds(unattended, true);
        Canvas props = At(image, kPropsTended);
        Props(props, false);
        Canvas weeds = At(image, kPropsUnattended);
        Props(weeds, true);
        for (int level = 0; level < 5; ++level)
        {
            Canvas fence = At(image, Fence(level, false));
            Fence(fence, level, false);
            Canvas broken = At(image, Fence(level, true));
            Fence(broken, level, true);
        }
        Canvas scarecrow = At(image, kScarecrow);
        Scarecrow(scarecrow);
        Canvas flowers = At(image, kFlowers);
        Flowers(flowers);
        Canvas birdhouse = At(image, kBirdhouse);
        Birdhouse(birdhouse);
        Canvas arch = At(image, kArch);
        Arch(arch);
        Canvas table = At(image, kTable);
        Table(table);
        Canvas hat = At(image, kHat);
        Hat(hat);
    }
    bool ok = Painting::WritePng(image, folder + "garden.png");

    // The stage sprites: fence, beds, tools tended, then the same unattended (the game sets the visuals'
    // first three parts from them).
    std::string lua =
        "-- The garden's stage sprites (frames: fence, beds, tools tended, then unattended) and its\n"
        "-- for-sale sign (the board, then the coin beside the price).\n";
    for (int level = 0; level < 5; ++level)
    {
        lua += "garden0" + std::to_string(level + 1) +
               " = { Image = \"garden.png\", SrcRect = " + Rect(Fence(level, false)) +
               ",\n    Animation = { FramesList = { " + Rect(Fence(level, false)) + ", " + Rect(kBedsTended) +
               ", " + Rect(kPropsTended) + ",\n        " + Rect(Fence(level, true)) + ", " +
               Rect(kBedsUnattended) + ", " + Rect(kPropsUnattended) + " } } }\n";
    }
    lua += "BuyGarden = { Image = \"garden_sign.png\", SrcRect = { 0, 0, 256, 112 }, Pos = { -64, -100 },\n"
           "    Animation = { FramesCols = 2, FramesRows = 1, NumFrames = 2 } }\n";
    ok &= WriteText(folder + "garden.lua", lua);

    const FrameSheet sign{128, 112, 2, 2};
    ok &= Painting::WritePng(sign.Paint(
                                 [](Canvas& c, int frame)
                                 {
                                     if (frame == 0)
                                     {
                                         SignBoard(c);
                                     }
                                     else
                                     {
                                         Coin(c);
                                     }
                                 }),
                             folder + "garden_sign.png");

    // The visuals, in the container's frame (its origin 185 left of and 175 above the garden's anchor).
    const Placed beds{"Beds", kBedsTended, 110, 165, kStill};
    const Placed props{"Props", kPropsTended, 263, 135, kStill};
    for (int level = 0; level < 5; ++level)
    {
        std::vector<Placed> parts = {beds, {"Fence", Fence(level, false), 75, 123, kStill}, props};
        if (level >= 1)
        {
            parts.push_back({"Scarecrow", kScarecrow, 35, 105, kSway});
        }
        if (level >= 2)
        {
            parts.push_back({"Flowers", kFlowers, 45, 177, kSway});
        }
        if (level >= 3)
        {
            parts.push_back({"Birdhouse", kBirdhouse, 330, 100, kSway});
        }
        if (level >= 4)
        {
            parts.push_back({"Arch", kArch, 115, 55, kStill});
        }
        // The first three parts take the stage sprite's frames 1, 0 and 2: beds, fence, tools.
        ok &= WriteText(
            folder + "garden" + std::to_string(level + 1) + ".mesh",
            Mesh("The garden at level " + std::to_string(level) +
                     ": bed planks, fence and tools, then the decorations that sway while a bed grows.",
                 parts));
    }
    ok &= WriteText(
        folder + "garden1_up.mesh",
        Mesh("The garden being built: planks, fence and tools rise out of the ground one after another.",
             {{"Beds", kBedsTended, 110, 165, Rise(0.0f, 40.0f)},
              {"Fence", Fence(0, false), 75, 123, Rise(0.4f, 44.0f)},
              {"Props", kPropsTended, 263, 135, Rise(0.8f, 50.0f)}}));
    ok &= WriteText(folder + "s_table03.mesh",
                    Mesh("The table that waits for a gardener: his straw hat bobs on it.",
                         {{"Table", kTable, 0, 0, kStill},
                          {"Hat",
                           kHat,
                           15,
                           20,
                           {{0.0f, 0.0f, 0.0f, 0.0f},
                            {0.4f, 0.0f, -3.0f, -3.0f},
                            {0.8f, 0.0f, 0.0f, 0.0f},
                            {1.2f, 0.0f, -2.0f, -2.0f},
                            {1.6f, 0.0f, 0.0f, 0.0f}}}}));
    return ok;
}

} // namespace GardenArt

namespace
{

// The well, by level: its picture's offset from the anchor, size, frames (the winch's turn).
struct WellLevel
{
    float offsetX;
    float offsetY;
    int width;
    int height;
    int frames;
};
constexpr std::array<WellLevel, 3> kWellLevels = {
    {{-16, -69, 120, 100, 17}, {-4, -76, 110, 108, 15}, {-16, -79, 120, 111, 12}}};
// The shaft's middle and the winch's height, from the well's anchor.
constexpr float kShaftX = 51.0f;
constexpr float kAxleY = -44.0f;
constexpr float kRimY = 2.0f;

// One frame of a well picture, painted in the anchor's frame (the canvas is moved by the offset).
void Well(Canvas& c, const WellLevel& look, int level, int frame)
{
    const float ox = -look.offsetX;
    const float oy = -look.offsetY;
    const auto X = [ox](float x) { return x + ox; };
    const auto Y = [oy](float y) { return y + oy; };
    const std::uint32_t post = level == 0 ? kWood : (level == 1 ? kStoneDark : Argb(255, 150, 70, 50));
    const std::uint32_t roof = level == 0 ? kWoodDark : kRoofRed;
    // Posts and roof.
    c.Rect(X(20), Y(-58), X(26), Y(2), post);
    c.Rect(X(76), Y(-58), X(82), Y(2), post);
    const float roofTop = level == 0 ? -69.0f : (level == 1 ? -76.0f : -79.0f);
    c.Polygon({{X(8), Y(-52)}, {X(51), Y(roofTop)}, {X(94), Y(-52)}}, roof);
    c.Rect(X(8), Y(-54), X(94), Y(-50), Mix(roof, Argb(255, 0, 0, 0), 0.3f));
    if (level >= 1)
    {
        for (int k = 0; k < 5; ++k)
        {
            const float y = roofTop + 5.0f + static_cast<float>(k) * 3.5f;
            c.Line(X(51 - (y - roofTop) * 2.2f), Y(y), X(51 + (y - roofTop) * 2.2f), Y(y), 0.8f,
                   Mix(roof, Argb(255, 0, 0, 0), 0.25f));
        }
    }
    // The winch: its log, the rope down to the pail's place, the crank turning frame by frame.
    c.Rect(X(24), Y(kAxleY - 4), X(78), Y(kAxleY + 4), kWoodDark);
    c.Line(X(kShaftX), Y(kAxleY), X(kShaftX), Y(-22), 1.2f, Argb(255, 200, 170, 110));
    const float angle = 2.0f * kPi * static_cast<float>(frame) / 8.0f;
    const float hx = 86.0f + std::cos(angle) * 7.0f;
    const float hy = kAxleY + std::sin(angle) * 7.0f;
    if (level == 2)
    {
        // A wheel with spokes in place of the crank.
        c.Circle(X(86), Y(kAxleY), 10.0f, kWoodDark);
        for (int k = 0; k < 3; ++k)
        {
            const float a = angle + static_cast<float>(k) * kPi / 3.0f;
            c.Line(X(86 - std::cos(a) * 9.0f), Y(kAxleY - std::sin(a) * 9.0f), X(86 + std::cos(a) * 9.0f),
                   Y(kAxleY + std::sin(a) * 9.0f), 2.0f, kWood);
        }
    }
    else
    {
        c.Line(X(80), Y(kAxleY), X(86), Y(kAxleY), 2.5f, Argb(255, 120, 120, 126));
        c.Line(X(86), Y(kAxleY), X(hx), Y(hy), 2.5f, Argb(255, 120, 120, 126));
        c.Circle(X(hx), Y(hy), 2.5f, kWoodDark);
    }
    // The ring round the shaft: its dark mouth behind, its front wall over the pail.
    c.Ellipse(X(kShaftX), Y(kRimY), 33.0f, 7.0f, Argb(255, 40, 36, 34));
    const std::uint32_t wall =
        level == 0 ? kStone : (level == 1 ? Argb(255, 170, 164, 150) : Argb(255, 176, 90, 66));
    c.Polygon({{X(18), Y(kRimY)}, {X(84), Y(kRimY)}, {X(84), Y(22)}, {X(18), Y(22)}}, wall);
    c.Ellipse(X(kShaftX), Y(22), 33.0f, 5.0f, wall);
    const float brick = level == 2 ? 6.0f : 9.0f;
    for (int row = 0; row < 4; ++row)
    {
        const float y = kRimY + 2.0f + static_cast<float>(row) * brick;
        if (y > 20.0f)
        {
            break;
        }
        c.Line(X(18), Y(y), X(84), Y(y), 0.8f, kStoneDark);
        for (float x = 18.0f + (row % 2) * brick; x < 84.0f; x += brick * 1.8f)
        {
            c.Line(X(x), Y(y), X(x), Y(y + brick), 0.8f, kStoneDark);
        }
    }
    c.Ellipse(X(kShaftX), Y(kRimY), 33.0f, 3.0f, Mix(wall, Argb(255, 255, 255, 255), 0.3f));
    if (level == 2)
    {
        c.Rect(X(88), Y(8), X(100), Y(22), Argb(255, 176, 96, 60));
        c.Circle(X(91), Y(5), 4.0f, Argb(255, 230, 80, 120));
        c.Circle(X(97), Y(4), 4.0f, Argb(255, 250, 220, 80));
    }
}

// A pail on its rope, rising frame by frame out of the shaft: a small bucket, a larger banded one, a
// big metal one.
void Pail(Canvas& c, int kind, int frame)
{
    const float width = kind == 0 ? 16.0f : (kind == 1 ? 22.0f : 28.0f);
    const float height = kind == 0 ? 14.0f : (kind == 1 ? 17.0f : 19.0f);
    const float top = 48.0f - static_cast<float>(frame) * 3.3f;
    const float cx = 20.0f;
    c.Line(cx, 0, cx, top - 6.0f, 1.2f, Argb(255, 200, 170, 110));
    c.Line(cx - width / 2, top, cx, top - 6.0f, 1.0f, Argb(255, 90, 90, 96));
    c.Line(cx + width / 2, top, cx, top - 6.0f, 1.0f, Argb(255, 90, 90, 96));
    const std::uint32_t body =
        kind == 0 ? kWood : (kind == 1 ? Argb(255, 170, 120, 70) : Argb(255, 150, 170, 190));
    c.Polygon({{cx - width / 2, top},
               {cx + width / 2, top},
               {cx + width / 2 - 3, top + height},
               {cx - width / 2 + 3, top + height}},
              body);
    c.Ellipse(cx, top, width / 2, 2.5f, Argb(255, 70, 140, 210));
    const int bands = kind + 1;
    for (int k = 0; k < bands; ++k)
    {
        const float y = top + height * (static_cast<float>(k) + 1.0f) / (static_cast<float>(bands) + 1.0f);
        c.Line(cx - width / 2 + 1, y, cx + width / 2 - 1, y, 1.2f, Argb(255, 80, 80, 86));
    }
}

} // namespace

namespace GardenArt
{

bool WriteWell(const std::string& folder)
{
    bool ok = true;
    std::string lua =
        "-- The water well: a picture per level, its frames the winch's turn, drawn with their offsets from\n"
        "-- the well's cell; the three pails rising out of the shaft.\n";
    for (int level = 0; level < 3; ++level)
    {
        const WellLevel& look = kWellLevels[static_cast<std::size_t>(level)];
        const FrameSheet sheet{look.width, look.height, 6, look.frames};
        const std::string image = "waterwell" + std::to_string(level + 1) + ".png";
        ok &= Painting::WritePng(sheet.Paint([&](Canvas& c, int frame) { Well(c, look, level, frame); }),
                                 folder + image);
        lua += sheet.LuaTable("Waterwell" + std::to_string(level + 1), image);
    }
    const FrameSheet pails{40, 72, 14, 14};
    for (int kind = 0; kind < 3; ++kind)
    {
        const std::string image = "pail" + std::to_string(kind + 1) + ".png";
        ok &= Painting::WritePng(pails.Paint([kind](Canvas& c, int frame) { Pail(c, kind, frame); }),
                                 folder + image);
        lua += pails.LuaTable("Pail0" + std::to_string(kind + 1), image);
    }
    return ok && WriteText(folder + "Waterwell.lua", lua);
}

} // namespace GardenArt

namespace
{

// The buttons' faces: four states side by side.
void ButtonFace(Canvas& c, int state)
{
    const std::uint32_t faces[4] = {Argb(255, 214, 186, 130), Argb(255, 236, 212, 156),
                                    Argb(255, 190, 160, 104), Argb(255, 170, 160, 146)};
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    c.Rect(0, 0, w, h, Argb(255, 104, 66, 36));
    c.Gradient(2, 2, w - 2, h - 2, faces[state], Mix(faces[state], Argb(255, 0, 0, 0), 0.15f));
    c.Rect(2, 2, w - 2, 4, Mix(faces[state], Argb(255, 255, 255, 255), 0.4f));
}

void Padlock(Canvas& c)
{
    c.Rect(8, 14, 24, 28, Argb(255, 150, 150, 156));
    c.Line(11, 14, 11, 8, 2.5f, Argb(255, 110, 110, 116));
    c.Line(21, 14, 21, 8, 2.5f, Argb(255, 110, 110, 116));
    c.Line(11, 8, 21, 8, 2.5f, Argb(255, 110, 110, 116));
    c.Circle(16, 20, 2.0f, Argb(255, 60, 60, 66));
}

// The five crops as the seed buttons show them.
void CropIcon(Canvas& c, int crop)
{
    switch (crop)
    {
    case 0:
        c.Polygon({{10, 12}, {22, 12}, {16, 30}}, Argb(255, 236, 120, 30));
        for (int k = -1; k <= 1; ++k)
        {
            c.Line(16, 12, 16.0f + static_cast<float>(k) * 5.0f, 2, 2.0f, kLeaf);
        }
        break;
    case 1:
        c.Circle(16, 18, 10, Argb(255, 222, 40, 30));
        c.Circle(12, 14, 3, Argb(140, 255, 255, 255));
        c.Polygon({{10, 9}, {16, 11}, {22, 9}, {16, 6}}, kLeafDark);
        break;
    case 2:
        c.Ellipse(12, 20, 8, 6, Argb(255, 196, 150, 90));
        c.Ellipse(21, 16, 8, 6, Argb(255, 210, 166, 100));
        c.Circle(19, 15, 1.0f, Argb(255, 120, 86, 50));
        break;
    case 3:
        for (int k = 0; k < 10; ++k)
        {
            const float a = static_cast<float>(k) * 0.628f;
            c.Ellipse(16 + std::cos(a) * 8, 16 + std::sin(a) * 8, 4, 4, Argb(255, 250, 200, 30));
        }
        c.Circle(16, 16, 6, Argb(255, 110, 70, 30));
        break;
    default:
        for (int k = -1; k <= 1; ++k)
        {
            const float x = 16.0f + static_cast<float>(k) * 6.0f;
            c.Line(16, 30, x, 10, 1.5f, Argb(255, 200, 170, 80));
            for (int s = 0; s < 4; ++s)
            {
                c.Ellipse(x, 6.0f + static_cast<float>(s) * 3.0f, 2.2f, 2.0f, Argb(255, 236, 196, 80));
            }
        }
        break;
    }
}

void UpArrow(Canvas& c)
{
    c.Polygon({{16, 3}, {28, 16}, {21, 16}, {21, 29}, {11, 29}, {11, 16}, {4, 16}}, Argb(255, 80, 170, 70));
}

// The gardener's hat for the hire button, the hat with an arrow away for the dismissal, a red cross
// for cancelling it, a sprout for buying the garden.
void ActionIcon(Canvas& c, int icon)
{
    if (icon == 3)
    {
        c.Ellipse(16, 26, 12, 4, Argb(255, 110, 74, 44));
        c.Line(16, 25, 16, 10, 2.0f, Argb(255, 70, 128, 46));
        c.Ellipse(11, 12, 6, 3, kLeaf);
        c.Ellipse(21, 8, 6, 3, kLeafDark);
        return;
    }
    if (icon == 2)
    {
        c.Line(7, 7, 25, 25, 4.0f, Argb(255, 200, 40, 30));
        c.Line(25, 7, 7, 25, 4.0f, Argb(255, 200, 40, 30));
        return;
    }
    c.Ellipse(14, 22, 13, 4, Argb(255, 226, 196, 100));
    c.Ellipse(14, 16, 7, 6, Argb(255, 236, 206, 110));
    c.Rect(7, 17, 21, 20, Argb(255, 190, 60, 50));
    if (icon == 1)
    {
        c.Polygon({{22, 6}, {31, 12}, {22, 18}, {22, 14}, {18, 14}, {18, 10}, {22, 10}},
                  Argb(255, 200, 40, 30));
    }
}

// The dismissal's progress bar, its frame and its trough.
void Progress(Canvas& c)
{
    c.Gradient(0, 0, static_cast<float>(c.Width()), static_cast<float>(c.Height()), Argb(255, 120, 200, 80),
               Argb(255, 60, 140, 40));
}

void Trough(Canvas& c, bool frameOnly)
{
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    if (!frameOnly)
    {
        c.Rect(0, 0, w, h, Argb(255, 70, 50, 30));
        return;
    }
    c.Rect(0, 0, w, 4, kWoodDark);
    c.Rect(0, h - 4, w, h, kWoodDark);
    c.Rect(0, 0, 4, h, kWoodDark);
    c.Rect(w - 4, 0, w, h, kWoodDark);
}

} // namespace

namespace GardenArt
{

bool WritePanel(const std::string& folder)
{
    Platform::Image image;
    image.width = 512;
    image.height = 512;
    image.pixels.assign(512u * 512u, 0u);
    for (int state = 0; state < 4; ++state)
    {
        Canvas small(image, state * 76, 0, 76, 52);
        ButtonFace(small, state);
        Canvas big(image, state * 120, 60, 120, 48);
        ButtonFace(big, state);
    }
    {
        Canvas trough(image, 0, 120, 305, 46);
        Trough(trough, false);
        Canvas border(image, 0, 170, 305, 46);
        Trough(border, true);
        Canvas bar(image, 15, 465, 295, 39);
        Progress(bar);
    }
    bool ok = Painting::WritePng(image, folder + "panel_garden.png");
    const FrameSheet icons{32, 32, 6, 6};
    ok &= Painting::WritePng(icons.Paint(
                                 [](Canvas& c, int frame)
                                 {
                                     if (frame == 0)
                                     {
                                         Padlock(c);
                                     }
                                     else
                                     {
                                         CropIcon(c, frame - 1);
                                     }
                                 }),
                             folder + "panel_crops.png");
    const FrameSheet pails{32, 32, 4, 4};
    ok &= Painting::WritePng(pails.Paint(
                                 [](Canvas& c, int frame)
                                 {
                                     if (frame == 0)
                                     {
                                         Padlock(c);
                                         return;
                                     }
                                     const float width = 10.0f + static_cast<float>(frame) * 5.0f;
                                     c.Polygon({{16 - width / 2, 8},
                                                {16 + width / 2, 8},
                                                {16 + width / 2 - 3, 28},
                                                {16 - width / 2 + 3, 28}},
                                               frame == 3 ? Argb(255, 150, 170, 190) : kWood);
                                     c.Ellipse(16, 8, width / 2, 3, Argb(255, 70, 140, 210));
                                 }),
                             folder + "panel_pails.png");
    const FrameSheet upgrade{32, 32, 2, 2};
    ok &= Painting::WritePng(upgrade.Paint(
                                 [](Canvas& c, int frame)
                                 {
                                     if (frame == 0)
                                     {
                                         UpArrow(c);
                                     }
                                     else
                                     {
                                         Padlock(c);
                                     }
                                 }),
                             folder + "panel_upgrade.png");
    const FrameSheet actions{32, 32, 4, 4};
    ok &= Painting::WritePng(actions.Paint([](Canvas& c, int frame) { ActionIcon(c, frame); }),
                             folder + "panel_actions.png");
    return ok;
}

} // namespace GardenArt
