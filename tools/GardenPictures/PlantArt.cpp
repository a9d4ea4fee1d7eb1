#include "tools/GardenPictures/PlantArt.h"

#include "game/Game/GameTables.h"
#include "tools/Common/Painting.h"
#include "tools/GardenPictures/FrameSheet.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <vector>

using Painting::Argb;
using Painting::Mix;

namespace
{

const std::uint32_t kLeaf = Argb(255, 64, 150, 52);
const std::uint32_t kLeafDark = Argb(255, 40, 108, 40);
const std::uint32_t kStem = Argb(255, 70, 128, 46);
const std::uint32_t kSoil = Argb(255, 92, 62, 38);

// How far each frame of a sprite has grown, 0 to 1: frames are ranked by the first step of the growth
// tables that shows them, so the pictures follow the order in which the game plays them.
std::map<int, float> GrowthByFirstUse(const std::vector<std::uint32_t>& tables, int frameCount)
{
    std::map<int, std::size_t> first;
    std::size_t offset = 0;
    for (const std::uint32_t table : tables)
    {
        const Korrin::Array<std::uint8_t>& entries = GameTables::Frames(table);
        for (std::uint32_t i = 0; i < entries.Size(); ++i)
        {
            const int frame = static_cast<int>(entries[i]) - 1;
            if (frame >= 0 && first.find(frame) == first.end())
            {
                first[frame] = offset + i;
            }
        }
        offset += entries.Size();
    }
    std::vector<std::pair<std::size_t, int>> order;
    for (int frame = 0; frame < frameCount; ++frame)
    {
        const auto found = first.find(frame);
        order.emplace_back(found != first.end() ? found->second : offset + static_cast<std::size_t>(frame),
                           frame);
    }
    std::sort(order.begin(), order.end());
    std::map<int, float> growth;
    for (std::size_t rank = 0; rank < order.size(); ++rank)
    {
        growth[order[rank].second] =
            order.size() > 1 ? static_cast<float>(rank) / static_cast<float>(order.size() - 1) : 1.0f;
    }
    return growth;
}

// A small lean of the tip, different from frame to frame, so that looping frames sway.
float Lean(int frame)
{
    return static_cast<float>((frame * 7) % 5 - 2);
}

void Leaf(Canvas& c, float x, float y, float length, float angle, std::uint32_t colour)
{
    const float ex = x + std::cos(angle) * length;
    const float ey = y + std::sin(angle) * length;
    c.Polygon(
        {{x, y},
         {(x + ex) / 2 + std::sin(angle) * length * 0.3f, (y + ey) / 2 - std::cos(angle) * length * 0.3f},
         {ex, ey},
         {(x + ex) / 2 - std::sin(angle) * length * 0.3f, (y + ey) / 2 + std::cos(angle) * length * 0.3f}},
        colour);
}

// Carrot greens: feathery fronds, the orange shoulder of the root showing once it has grown.
void Carrot(Canvas& c, float g, float lean)
{
    const float bx = c.Width() / 2.0f;
    const float by = c.Height() - 6.0f;
    const float length = 6.0f + 32.0f * g;
    const int fronds = 2 + static_cast<int>(g * 3.0f);
    for (int k = 0; k < fronds; ++k)
    {
        const float spread = (static_cast<float>(k) - static_cast<float>(fronds - 1) / 2.0f) * 5.0f;
        const float tx = bx + spread + lean;
        const float ty = by - length + std::fabs(spread) * 0.6f;
        c.Line(bx, by, tx, ty, 1.6f, kStem);
        for (int s = 1; s <= 3; ++s)
        {
            const float t = static_cast<float>(s) / 3.5f;
            const float px = bx + (tx - bx) * t;
            const float py = by + (ty - by) * t;
            c.Ellipse(px - 2.0f, py, 2.5f, 1.5f, kLeaf);
            c.Ellipse(px + 2.0f, py - 1.0f, 2.5f, 1.5f, kLeafDark);
        }
    }
    if (g > 0.45f)
    {
        const float r = 2.0f + 5.0f * g;
        c.Ellipse(bx, by + 1.0f, r, 3.0f, Argb(255, 236, 120, 30));
        c.Ellipse(bx - r * 0.3f, by, r * 0.4f, 1.2f, Argb(255, 255, 170, 80));
    }
}

// A tomato bush on a stake with up to three tomatoes, green turning red.
void Tomato(Canvas& c, float size, int fruits, float ripeness, float lean)
{
    const float bx = c.Width() / 2.0f;
    const float by = c.Height() - 2.0f;
    const float height = 10.0f + 78.0f * size;
    if (size > 0.5f)
    {
        c.Line(bx + 10.0f, by, bx + 10.0f, by - height - 4.0f, 2.0f, Argb(255, 170, 130, 80));
    }
    c.Line(bx, by, bx + lean, by - height, 3.0f, kStem);
    const int leaves = 1 + static_cast<int>(size * 6.0f);
    for (int k = 0; k < leaves; ++k)
    {
        const float t = (static_cast<float>(k) + 1.0f) / (static_cast<float>(leaves) + 1.0f);
        const float px = bx + lean * t;
        const float py = by - height * t;
        const float side = k % 2 == 0 ? -1.0f : 1.0f;
        Leaf(c, px, py, 8.0f + 10.0f * size, side < 0 ? 3.6f : -0.5f, k % 3 == 0 ? kLeafDark : kLeaf);
    }
    const float places[3][2] = {{-10.0f, 0.55f}, {11.0f, 0.45f}, {-3.0f, 0.7f}};
    const std::uint32_t colour = Mix(Argb(255, 120, 190, 60), Argb(255, 222, 40, 30), ripeness);
    for (int k = 0; k < fruits && k < 3; ++k)
    {
        const float fx = bx + places[k][0] + lean * places[k][1];
        const float fy = by - height * places[k][1];
        const float r = 4.0f + 3.0f * std::min(1.0f, ripeness + 0.3f);
        c.Circle(fx, fy, r, colour);
        c.Circle(fx - r * 0.35f, fy - r * 0.35f, r * 0.3f, Argb(140, 255, 255, 255));
        c.Rect(fx - 1.0f, fy - r - 2.0f, fx + 1.0f, fy - r + 1.0f, kLeafDark);
    }
}

// A potato plant: a low round tuft of leaves, white flowers when full grown.
void PotatoPlant(Canvas& c, float g, float lean)
{
    const float bx = c.Width() / 2.0f;
    const float by = c.Height() - 4.0f;
    const float r = 4.0f + 13.0f * g;
    c.Line(bx, by, bx + lean, by - r, 2.0f, kStem);
    for (int k = 0; k < 7; ++k)
    {
        const float a = static_cast<float>(k) * 0.9f;
        const float px = bx + lean * 0.7f + std::cos(a) * r * 0.7f;
        const float py = by - r + std::sin(a) * r * 0.5f;
        c.Ellipse(px, py, r * 0.45f, r * 0.3f, k % 2 == 0 ? kLeaf : kLeafDark);
    }
    if (g > 0.8f)
    {
        for (int k = 0; k < 3; ++k)
        {
            const float px = bx + lean + static_cast<float>(k - 1) * r * 0.5f;
            const float py = by - r * 1.5f + static_cast<float>(k % 2) * 3.0f;
            c.Circle(px, py, 2.5f, Argb(255, 250, 250, 240));
            c.Circle(px, py, 1.0f, Argb(255, 240, 200, 60));
        }
    }
}

// Potatoes swelling in the soil, more and larger frame by frame.
void Tubers(Canvas& c, int frame, int count)
{
    const float t = static_cast<float>(frame) / static_cast<float>(std::max(1, count - 1));
    const int tubers = 1 + static_cast<int>(t * 3.0f);
    const float places[4][2] = {{20.0f, 14.0f}, {10.0f, 16.0f}, {30.0f, 16.0f}, {16.0f, 19.0f}};
    for (int k = 0; k < tubers; ++k)
    {
        const float r = 2.5f + 4.5f * t;
        c.Ellipse(places[k][0], places[k][1], r * 1.2f, r * 0.85f, Argb(255, 196, 150, 90));
        c.Ellipse(places[k][0] - r * 0.4f, places[k][1] - r * 0.3f, r * 0.4f, r * 0.25f,
                  Argb(255, 230, 196, 140));
        c.Circle(places[k][0] + r * 0.3f, places[k][1], 0.8f, Argb(255, 120, 86, 50));
    }
}

void SunflowerHead(Canvas& c, float cx, float cy, float g)
{
    if (g < 0.25f)
    {
        c.Circle(cx, cy, 3.0f + 6.0f * g, Argb(255, 90, 150, 60));
        return;
    }
    const float petals = 4.0f + 8.0f * g;
    for (int k = 0; k < 12; ++k)
    {
        const float a = static_cast<float>(k) * 0.5236f;
        c.Ellipse(cx + std::cos(a) * petals * 0.7f, cy + std::sin(a) * petals * 0.7f, petals * 0.45f,
                  petals * 0.45f, Argb(255, 250, 200, 30));
    }
    c.Circle(cx, cy, petals * 0.55f, Argb(255, 110, 70, 30));
    c.Circle(cx - 1.0f, cy - 1.0f, petals * 0.25f, Argb(255, 140, 96, 44));
}

// The sunflower's stalk with its big leaves; the ripe frames show its heads on it.
void SunflowerStalk(Canvas& c, float g, int heads, float lean)
{
    const float bx = c.Width() / 2.0f;
    const float by = c.Height() - 2.0f;
    const float height = 12.0f + 74.0f * g;
    c.Line(bx, by, bx + lean, by - height, 3.0f, kStem);
    const int leaves = 1 + static_cast<int>(g * 5.0f);
    for (int k = 0; k < leaves; ++k)
    {
        const float t = (static_cast<float>(k) + 1.0f) / (static_cast<float>(leaves) + 1.5f);
        Leaf(c, bx + lean * t, by - height * t, 9.0f + 9.0f * g, k % 2 == 0 ? 3.5f : -0.4f, kLeaf);
    }
    // The heads' places in the ripe frames: where the game draws the growing heads of a full stalk.
    const float places[3][2] = {{27.0f, 24.0f}, {48.0f, 62.0f}, {14.0f, 65.0f}};
    for (int k = 0; k < heads && k < 3; ++k)
    {
        c.Line(bx + lean * 0.5f, by - height * 0.5f, places[k][0], places[k][1], 2.0f, kStem);
        SunflowerHead(c, places[k][0], places[k][1], 1.0f);
    }
}

// Wheat: stalks with an ear at the top, painted gold (the game tints young ears green).
void Wheat(Canvas& c, float g, float lean)
{
    const float bx = c.Width() / 2.0f;
    const float by = c.Height() - 2.0f;
    const float height = 6.0f + 60.0f * g;
    const std::uint32_t straw = Argb(255, 226, 196, 92);
    for (int k = -1; k <= 1; ++k)
    {
        const float tx = bx + static_cast<float>(k) * 6.0f + lean;
        const float ty = by - height + std::fabs(static_cast<float>(k)) * 5.0f;
        c.Line(bx + static_cast<float>(k) * 2.0f, by, tx, ty, 1.6f, straw);
        if (g > 0.3f)
        {
            const float ear = 4.0f + 10.0f * g;
            for (int s = 0; s < 5; ++s)
            {
                const float sy = ty + static_cast<float>(s) * ear / 5.0f;
                c.Ellipse(tx - 1.8f, sy, 1.8f, 2.4f, Argb(255, 236, 200, 80));
                c.Ellipse(tx + 1.8f, sy + 1.0f, 1.8f, 2.4f, Argb(255, 214, 170, 60));
            }
            c.Line(tx, ty, tx + lean * 0.3f, ty - 6.0f, 0.8f, straw);
        }
        else
        {
            Leaf(c, tx, ty + 4.0f, 6.0f, -1.6f, straw);
        }
    }
}

// A little heap of seeds of each crop, on a scrap of sacking.
void Seeds(Canvas& c, int crop)
{
    const std::uint32_t colours[5] = {Argb(255, 200, 150, 90), Argb(255, 240, 222, 150),
                                      Argb(255, 190, 146, 84), Argb(255, 60, 60, 56),
                                      Argb(255, 226, 186, 90)};
    c.Ellipse(20.0f, 15.0f, 17.0f, 7.0f, Argb(255, 196, 170, 120));
    c.Ellipse(20.0f, 14.0f, 15.0f, 5.5f, Argb(255, 214, 190, 140));
    if (crop == 2)
    {
        // A seed potato with its sprouts.
        c.Ellipse(18.0f, 11.0f, 9.0f, 6.0f, colours[2]);
        c.Ellipse(15.0f, 9.0f, 3.0f, 2.0f, Argb(255, 226, 190, 130));
        c.Line(24.0f, 7.0f, 27.0f, 3.0f, 1.5f, Argb(255, 150, 190, 90));
        c.Line(20.0f, 6.0f, 20.0f, 2.0f, 1.5f, Argb(255, 150, 190, 90));
        return;
    }
    for (int k = 0; k < 14; ++k)
    {
        const float sx = 10.0f + static_cast<float>((k * 37) % 21);
        const float sy = 9.0f + static_cast<float>((k * 13) % 7);
        const float rx = crop == 3 ? 1.8f : 1.4f;
        const float ry = crop == 3 ? 3.0f : 1.4f;
        c.Ellipse(sx, sy, rx, ry, colours[crop]);
        if (crop == 3)
        {
            c.Line(sx, sy - 2.0f, sx, sy + 2.0f, 0.6f, Argb(255, 230, 230, 220));
        }
    }
}

struct PlantSprite
{
    const char* table;
    const char* image;
    int width;
    int height;
    int columns;
    int frames;
    std::vector<std::uint32_t> tables;
};

// The frames with tomatoes: how many, and how ripe.
void TomatoFruits(int frame, int& fruits, float& ripeness)
{
    const int f = frame + 1;
    struct Group
    {
        int first, ripe, last, fruits;
    };
    const Group groups[3] = {{14, 24, 27, 1}, {28, 36, 39, 2}, {40, 49, 52, 3}};
    fruits = 0;
    ripeness = 0.0f;
    for (const Group& group : groups)
    {
        if (f >= group.first && f <= group.last)
        {
            fruits = group.fruits;
            ripeness = f >= group.ripe ? 1.0f
                                       : static_cast<float>(f - group.first) /
                                             static_cast<float>(group.ripe - group.first);
        }
    }
}

bool Write(const std::string& folder, const PlantSprite& sprite, std::string& lua)
{
    const FrameSheet sheet{sprite.width, sprite.height, sprite.columns, sprite.frames};
    const std::string table = sprite.table;
    // The tomato's frames from 14 on and the sunflower's from 13 on are the full-grown plant with its
    // fruits; only the frames before them grow.
    const int growing = table == "Tomato" ? 13 : (table == "SunflowerM" ? 12 : sprite.frames);
    const std::map<int, float> growth = GrowthByFirstUse(sprite.tables, growing);
    const Platform::Image image = sheet.Paint(
        [&](Canvas& c, int frame)
        {
            const float g = growth.count(frame) != 0 ? growth.at(frame) : 1.0f;
            const float lean = Lean(frame);
            if (table.rfind("Carrot", 0) == 0)
            {
                Carrot(c, g, lean);
            }
            else if (table == "Tomato")
            {
                int fruits = 0;
                float ripeness = 0.0f;
                TomatoFruits(frame, fruits, ripeness);
                Tomato(c, fruits > 0 ? 1.0f : g, fruits, ripeness, lean * 0.5f);
            }
            else if (table == "PotatoesD")
            {
                Tubers(c, frame, sprite.frames);
            }
            else if (table.rfind("Potatoes", 0) == 0)
            {
                PotatoPlant(c, g, lean * 0.5f);
            }
            else if (table == "SunflowerM")
            {
                // Frames 13 to 16: the ripe stalk with 3, 3, 2 and 1 heads.
                const int heads = frame >= 12 ? std::min(3, 16 - frame) : 0;
                SunflowerStalk(c, frame >= 12 ? 1.0f : g, heads, lean * 0.5f);
            }
            else if (table.rfind("Sunflower", 0) == 0)
            {
                SunflowerHead(c, c.Width() / 2.0f, c.Height() / 2.0f,
                              static_cast<float>(frame) / static_cast<float>(sprite.frames - 1));
            }
            else
            {
                Wheat(c, g, lean);
            }
        });
    lua += sheet.LuaTable(table, sprite.image);
    return Painting::WritePng(image, folder + sprite.image);
}

} // namespace

namespace PlantArt
{

bool WriteAll(const std::string& folder)
{
    GameTables::Build();
    const std::vector<PlantSprite> sprites = {
        {"CarrotCenter", "plant_carrot1.png", 36, 48, 7, 7, {1}},
        {"CarrotRight", "plant_carrot2.png", 36, 48, 6, 6, {2}},
        {"CarrotLeft", "plant_carrot3.png", 36, 48, 6, 6, {3}},
        {"Tomato", "plant_tomato.png", 64, 98, 13, 52, {4, 5, 6, 7, 8}},
        {"PotatoesCenter", "plant_potato1.png", 40, 48, 8, 16, {9}},
        {"PotatoesRight", "plant_potato2.png", 40, 48, 8, 16, {10}},
        {"PotatoesLeft", "plant_potato3.png", 40, 48, 8, 16, {11}},
        {"PotatoesD", "plant_tubers.png", 40, 24, 11, 11, {12}},
        {"SunflowerM", "plant_sunflower.png", 64, 98, 8, 16, {13, 17, 18}},
        {"SunflowerF1", "plant_sunhead1.png", 32, 32, 9, 9, {14}},
        {"SunflowerF3", "plant_sunhead2.png", 32, 32, 9, 9, {15}},
        {"SunflowerF2", "plant_sunhead3.png", 32, 32, 9, 9, {16}},
        {"WheatCenter", "plant_wheat1.png", 48, 72, 14, 28, {19, 22}},
        {"WheatRight", "plant_wheat2.png", 48, 72, 11, 33, {20, 23}},
        {"WheatLeft", "plant_wheat3.png", 48, 72, 16, 31, {21, 24}},
    };
    std::string lua =
        "-- The crops of the garden beds: one sprite per plant part, a frame for each picture its growth\n"
        "-- tables name (the game draws table entry - 1).\n";
    bool ok = true;
    for (const PlantSprite& sprite : sprites)
    {
        ok &= Write(folder, sprite, lua);
    }
    GameTables::Free();
    std::ofstream(folder + "Plants.lua") << lua;

    const FrameSheet seeds{40, 24, 5, 5};
    ok &=
        Painting::WritePng(seeds.Paint([](Canvas& c, int frame) { Seeds(c, frame); }), folder + "seeds.png");
    std::ofstream(folder + "Seeds.lua")
        << "-- The seeds on a sown bed: carrot, tomato, potatoes, sunflower, wheat.\n"
        << seeds.LuaTable("Seeds", "seeds.png");
    return ok;
}

} // namespace PlantArt
