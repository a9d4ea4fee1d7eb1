// Writes the story clips' pictures and their composite visuals ("scene_1.anim" to "scene_6.3.anim",
// each with its picture sheet), the butterflies' and the leaves' pictures and the smoke puff, all
// painted from flat shapes of our own.
//
//   wf_clip_pictures OUTPUT_FOLDER

#include "tools/ClipPictures/Art.h"
#include "tools/ClipPictures/Sheet.h"
#include "tools/Common/Painting.h"

#include <cmath>
#include <cstdio>
#include <string>

using Painting::Argb;

namespace
{

constexpr float kScreenW = 1024.0f;
constexpr float kScreenH = 768.0f;

Key At(float time, float x, float y, float w, float h, float shift = 0.0f)
{
    return Key{time, x, y, w, h, shift};
}

// The whole screen, from a half-size painting.
void AddBackdrop(Sheet& sheet, const std::string& name, const Sheet::Painter& painter)
{
    sheet.Add(name, 512, 384, painter, {At(0, 0, 0, kScreenW, kScreenH)});
}

Sheet::Painter LandscapeOf(const Art::Sky& sky, float phase)
{
    return [sky, phase](Canvas& c) { Art::Landscape(c, sky, phase); };
}

// The landscape with a knoll rising from the far hills where a house stands on it, so that the house's
// foot meets the ground: centre and radii in the backdrop's own pixels (half the screen's).
Sheet::Painter LandscapeWithKnoll(const Art::Sky& sky, float phase, float cx, float cy, float rx, float ry)
{
    return [sky, phase, cx, cy, rx, ry](Canvas& c)
    {
        const auto w = static_cast<float>(c.Width());
        const auto h = static_cast<float>(c.Height());
        c.Gradient(0, 0, w, h, sky.top, sky.bottom);
        c.Hills(h * 0.68f, h * 0.16f, 0.018f, phase, sky.farHill,
                Painting::Mix(sky.farHill, sky.nearHill, 0.5f));
        c.Ellipse(cx, cy, rx, ry, Painting::Mix(sky.farHill, sky.nearHill, 0.2f));
        c.Ellipse(cx, cy + ry * 0.35f, rx * 0.92f, ry * 0.7f,
                  Painting::Mix(sky.farHill, sky.nearHill, 0.45f));
        c.Hills(h * 0.86f, h * 0.12f, 0.011f, phase + 2.0f, sky.nearHill,
                Painting::Mix(sky.nearHill, Argb(255, 0, 0, 0), 0.3f));
    };
}

void SkyOnly(Canvas& c, const Art::Sky& sky)
{
    c.Gradient(0, 0, static_cast<float>(c.Width()), static_cast<float>(c.Height()), sky.top, sky.bottom);
}

void HillsOnly(Canvas& c, const Art::Sky& sky)
{
    const auto h = static_cast<float>(c.Height());
    c.Hills(h * 0.68f, h * 0.16f, 0.018f, 1.0f, sky.farHill, sky.nearHill);
    c.Hills(h * 0.86f, h * 0.12f, 0.011f, 3.0f, sky.nearHill,
            Painting::Mix(sky.nearHill, Argb(255, 0, 0, 0), 0.3f));
}

void DriverHead(Canvas& c)
{
    const auto w = static_cast<float>(c.Width());
    const auto h = static_cast<float>(c.Height());
    c.Rect(w * 0.15f, h * 0.6f, w * 0.85f, h, Argb(255, 50, 80, 150));
    c.Circle(w / 2, h * 0.45f, w * 0.28f, Argb(255, 242, 200, 160));
    c.Circle(w * 0.6f, h * 0.42f, w * 0.04f, Argb(255, 40, 30, 26));
    c.Ellipse(w / 2, h * 0.22f, w * 0.45f, h * 0.05f, Argb(255, 110, 70, 40));
    c.Rect(w * 0.28f, 0, w * 0.72f, h * 0.22f, Argb(255, 110, 70, 40));
}

// The street: the owner's car drives up, stalls, drives on and stops at the gate; the lamps of the
// house light up. Parts 7 and 8 are the wheels, 5 the lit windows; 3, 4 and 11 to 17 stand in front.
void SceneOneStreet(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeWithKnoll(Art::DaySky(), 0.5f, 380.0f, 250.0f, 140.0f, 40.0f));
    sheet.Add("Road", 512, 48, Art::Road, {At(0, 0, 600, kScreenW, 96)});
    sheet.AddStill("House", 320, 256, 600, 180, [](Canvas& c) { Art::Manor(c, false); });
    sheet.AddStill("Tree", 240, 420, -40, 230, [](Canvas& c) { Art::Tree(c, Argb(255, 70, 140, 60)); });
    sheet.AddStill("Pillar", 70, 250, 930, 470, Art::Pillar);
    sheet.AddStill("Lamps", 320, 256, 600, 180, Art::WindowLights);
    const float stops[][2] = {{0, -330}, {3, 30}, {5, 30}, {9, 520}};
    auto moving = [&stops](float dx, float y, float w, float h)
    {
        std::vector<Key> keys;
        for (const auto& stop : stops)
        {
            keys.push_back(At(stop[0], stop[1] + dx, y, w, h));
        }
        return keys;
    };
    sheet.Add("Car", 380, 160, Art::CarBody, moving(-80, 505, 380, 160));
    sheet.Add("RearWheel", 72, 72, Art::Wheel, moving(-36, 616, 72, 72));
    sheet.Add("FrontWheel", 72, 72, Art::Wheel, moving(194, 616, 72, 72));
    sheet.Add("Driver", 60, 80, DriverHead, moving(40, 470, 60, 80));
    sheet.Add("Trunk", 60, 50, Art::Trunk, moving(-120, 555, 60, 50));
    sheet.AddStill("HedgeLeft", 380, 80, 0, 690, Art::Hedge);
    sheet.AddStill("HedgeRight", 330, 80, 700, 690, Art::Hedge);
    sheet.AddStill("FlowersLeft", 170, 70, 370, 700, [](Canvas& c) { Art::Flowers(c, 7); });
    sheet.AddStill("FlowersRight", 170, 66, 540, 704, [](Canvas& c) { Art::Flowers(c, 19); });
    sheet.AddStill("BushLeft", 120, 44, 300, 728, [](Canvas& c) { Art::Bush(c, Argb(255, 80, 150, 60)); });
    sheet.AddStill("BushMiddle", 90, 40, 650, 730, [](Canvas& c) { Art::Bush(c, Argb(255, 90, 160, 70)); });
    sheet.AddStill("BushRight", 140, 44, 870, 726, [](Canvas& c) { Art::Bush(c, Argb(255, 80, 150, 60)); });
}

// The meeting at the gate: the owner waits; the companion walks in (a visual of its own).
void SceneOneMeeting(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeWithKnoll(Art::DaySky(), 2.0f, 360.0f, 250.0f, 150.0f, 40.0f));
    sheet.AddStill("House", 400, 320, 520, 110, [](Canvas& c) { Art::Manor(c, false); });
    sheet.Add("Path", 256, 128, Art::Path, {At(0, 300, 560, 520, 208)});
    sheet.AddStill("Pillar", 70, 250, 220, 400, Art::Pillar);
    sheet.AddStill("Owner", 120, 320, 330, 330, [](Canvas& c) { Art::Owner(c, true); });
    sheet.AddStill("Hedge", 512, 100, 0, 680, Art::Hedge);
    sheet.Add("Hedge2", 512, 100, Art::Hedge, {At(0, 512, 680, 512, 100)});
}

void SceneOneCompanion(Sheet& sheet)
{
    sheet.AddStill("Body", 140, 220, 1040, 260, [](Canvas& c) { Art::Companion(c, false); });
    std::vector<Key> stride;
    for (int step = 0; step <= 4; ++step)
    {
        stride.push_back(
            At(0.25f * static_cast<float>(step), 1040, 478, 140, 84, step % 2 == 0 ? -16.0f : 16.0f));
    }
    sheet.Add(
        "Legs", 140, 84, [](Canvas& c) { Art::Legs(c, Argb(255, 90, 70, 50)); }, stride);
}

// Up the path to the house: both walk away, getting smaller; the visual ends after 14 seconds.
void SceneOneWalkUp(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DuskSky(), 1.0f));
    sheet.AddStill("House", 400, 320, 312, 110, [](Canvas& c) { Art::Manor(c, false); });
    sheet.Add("Path", 256, 160, Art::Path, {At(0, 212, 420, 600, 348)});
    sheet.Add("Owner", 120, 320, [](Canvas& c) { Art::Owner(c, true); },
              {At(0, 380, 470, 100, 267), At(14, 470, 360, 40, 107)});
    sheet.Add("Companion", 140, 300, [](Canvas& c) { Art::Companion(c, true); },
              {At(0, 540, 500, 110, 236), At(14, 520, 368, 45, 96)});
    sheet.AddStill("BushLeft", 240, 90, 0, 680, [](Canvas& c) { Art::Bush(c, Argb(255, 60, 110, 60)); });
    sheet.AddStill("BushRight", 240, 90, 784, 680, [](Canvas& c) { Art::Bush(c, Argb(255, 60, 110, 60)); });
}

// The first harvest: the beds' plants grow under the sun.
void SceneTwoGarden(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DaySky(), 3.0f));
    sheet.Add("Sun", 128, 128, [](Canvas& c) { Art::Sun(c, 64, 64, 26); },
              {At(0, 60, 200, 128, 128), At(12, 420, 40, 128, 128)});
    const float beds[] = {120, 400, 680};
    for (int bed = 0; bed < 3; ++bed)
    {
        sheet.AddStill("Bed" + std::to_string(bed), 240, 110, beds[bed], 540, Art::Bed);
    }
    for (int plant = 0; plant < 6; ++plant)
    {
        const float x = beds[plant / 2] + 30.0f + static_cast<float>(plant % 2) * 110.0f;
        const bool tomato = plant >= 4;
        const float w = tomato ? 70.0f : 90.0f;
        const float h = tomato ? 140.0f : 70.0f;
        const float start = 1.0f + static_cast<float>(plant);
        sheet.Add("Plant" + std::to_string(plant), tomato ? 70 : 90, tomato ? 140 : 70,
                  tomato ? Sheet::Painter(Art::Tomato) : Sheet::Painter(Art::Cabbage),
                  {At(0, x, 590, w, 0), At(start, x, 590, w, 0), At(start + 4.0f, x, 590 - h, w, h)});
    }
    sheet.AddStill("Companion", 150, 300, 860, 360, [](Canvas& c) { Art::Companion(c, true); });
}

// The shop opens: buyers walk in to the counter where the companion serves.
void SceneTwoShop(Sheet& sheet)
{
    AddBackdrop(sheet, "Wall", Art::ShopWall);
    sheet.AddStill("Companion", 160, 260, 430, 260, [](Canvas& c) { Art::Companion(c, false); });
    sheet.AddStill("Counter", 620, 200, 200, 470, Art::Counter);
    const std::uint32_t coats[] = {Argb(255, 170, 60, 80), Argb(255, 70, 120, 90), Argb(255, 120, 90, 160)};
    const std::uint32_t hats[] = {Argb(255, 240, 220, 120), Argb(255, 90, 60, 40), Argb(255, 200, 80, 80)};
    for (int buyer = 0; buyer < 3; ++buyer)
    {
        const float begin = 2.0f * static_cast<float>(buyer);
        const float stop = 640.0f + 130.0f * static_cast<float>(buyer);
        sheet.Add("Buyer" + std::to_string(buyer), 120, 300,
                  [&coats, &hats, buyer](Canvas& c) { Art::Buyer(c, coats[buyer], hats[buyer]); },
                  {At(0, 1100, 420, 120, 300), At(begin, 1100, 420, 120, 300),
                   At(begin + 5.0f, stop, 420, 120, 300)});
    }
}

// Day turns to night: the day sky fades over the night sky, the moon rises and the windows light up.
void SceneThree(Sheet& sheet)
{
    AddBackdrop(sheet, "Night",
                [](Canvas& c)
                {
                    SkyOnly(c, Art::NightSky());
                    Art::Stars(c, 90, 11);
                });
    sheet.Add("Day", 256, 192, [](Canvas& c) { SkyOnly(c, Art::DuskSky()); },
              {At(0, 0, 0, kScreenW, kScreenH)});
    AddBackdrop(sheet, "Hills", [](Canvas& c) { HillsOnly(c, Art::NightSky()); });
    sheet.AddStill("House", 320, 256, 380, 300, [](Canvas& c) { Art::Manor(c, false); });
    sheet.Add("Moon", 128, 128, Art::Moon, {At(0, 760, 430, 128, 128), At(20, 700, 70, 128, 128)});
    sheet.AddStill("Lamps", 320, 256, 380, 300, Art::WindowLights);
    sheet.AddStill("Tree", 220, 340, 60, 330, [](Canvas& c) { Art::Tree(c, Argb(255, 40, 80, 50)); });
    sheet.AddStill("Hedge", 512, 90, 0, 690, Art::Hedge);
    sheet.Add("Hedge2", 512, 90, Art::Hedge, {At(0, 512, 690, 512, 90)});
}

// Planning the estate's growth over a table.
void SceneFourPlan(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DaySky(), 4.0f));
    sheet.AddStill("Owner", 130, 340, 230, 320, [](Canvas& c) { Art::Owner(c, true); });
    sheet.AddStill("Table", 300, 200, 370, 470, Art::Table);
    sheet.Add("Companion", 160, 320, [](Canvas& c) { Art::Companion(c, true); },
              {At(0, 680, 340, 160, 320), At(1, 680, 340, 160, 320, 0), At(1.5f, 690, 336, 160, 324),
               At(2, 680, 340, 160, 320)});
}

// The estate grows: a mill (part 9) and a bakery (part 10) rise beside the house.
void SceneFourGrowth(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DaySky(), 5.0f));
    sheet.AddStill("House", 300, 240, 100, 300, [](Canvas& c) { Art::Manor(c, false); });
    sheet.Add("Field", 256, 74, [](Canvas& c) { Art::Field(c, Argb(255, 200, 180, 90)); },
              {At(0, 0, 620, kScreenW, 148)});
    sheet.AddStill("TreeLeft", 160, 260, 10, 330, [](Canvas& c) { Art::Tree(c, Argb(255, 70, 140, 60)); });
    sheet.AddStill("TreeRight", 160, 260, 880, 360, [](Canvas& c) { Art::Tree(c, Argb(255, 60, 130, 70)); });
    sheet.AddStill("Fence", 300, 70, 420, 560, Art::Fence);
    sheet.AddStill("BushLeft", 200, 60, 200, 560, [](Canvas& c) { Art::Bush(c, Argb(255, 80, 150, 60)); });
    sheet.AddStill("Flowers", 170, 66, 30, 640, [](Canvas& c) { Art::Flowers(c, 5); });
    sheet.AddStill("BushRight", 200, 60, 740, 580, [](Canvas& c) { Art::Bush(c, Argb(255, 80, 150, 60)); });
    sheet.AddStill("Mill", 200, 330, 480, 250, Art::Mill);
    sheet.AddStill("Bakery", 220, 190, 720, 400, Art::Bakery);
}

// The fair: tents and bunting, and a balloon rising into the sky.
void SceneFive(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DaySky(), 6.0f));
    sheet.Add("Balloon", 160, 220, Art::Balloon,
              {At(0, 440, 360, 160, 220), At(3, 440, 360, 160, 220), At(25, 560, -60, 110, 150)});
    const std::uint32_t stripes[] = {Argb(255, 220, 60, 60), Argb(255, 60, 120, 210), Argb(255, 70, 160, 80)};
    const float tents[][2] = {{90, 400}, {380, 380}, {720, 410}};
    for (int tent = 0; tent < 3; ++tent)
    {
        sheet.AddStill("Tent" + std::to_string(tent), 220, 230, tents[tent][0], tents[tent][1],
                       [&stripes, tent](Canvas& c) { Art::Tent(c, stripes[tent]); });
    }
    sheet.Add("Bunting", 512, 40, Art::Bunting, {At(0, 0, 320, kScreenW, 60)});
    const std::uint32_t coats[] = {Argb(255, 170, 60, 80), Argb(255, 70, 120, 90), Argb(255, 120, 90, 160)};
    for (int buyer = 0; buyer < 3; ++buyer)
    {
        const float x = 200.0f + 280.0f * static_cast<float>(buyer);
        sheet.Add("Visitor" + std::to_string(buyer), 110, 270,
                  [&coats, buyer](Canvas& c) { Art::Buyer(c, coats[buyer], Argb(255, 240, 220, 120)); },
                  {At(0, x, 500, 110, 270), At(1.0f + static_cast<float>(buyer), x, 490, 110, 272),
                   At(2.0f + static_cast<float>(buyer), x, 500, 110, 270)});
    }
}

// Fireworks over the estate at night: windows (14, 15) light up, bursts 16 to 18 and then 11 to 13.
void SceneSixFireworks(Sheet& sheet)
{
    AddBackdrop(sheet, "Night",
                [](Canvas& c)
                {
                    SkyOnly(c, Art::NightSky());
                    Art::Stars(c, 70, 23);
                });
    AddBackdrop(sheet, "Hills", [](Canvas& c) { HillsOnly(c, Art::NightSky()); });
    sheet.AddStill("House", 320, 256, 350, 300, [](Canvas& c) { Art::Manor(c, false); });
    sheet.AddStill("TreeLeft", 200, 320, 40, 330, [](Canvas& c) { Art::Tree(c, Argb(255, 30, 70, 40)); });
    sheet.AddStill("TreeRight", 200, 320, 780, 340, [](Canvas& c) { Art::Tree(c, Argb(255, 30, 70, 40)); });
    sheet.AddStill("Hedge", 512, 90, 0, 690, Art::Hedge);
    sheet.Add("Hedge2", 512, 90, Art::Hedge, {At(0, 512, 690, 512, 90)});
    sheet.AddStill("Fence", 300, 70, 360, 590, Art::Fence);
    sheet.AddStill("PillarLeft", 60, 200, 270, 480, Art::Pillar);
    sheet.AddStill("PillarRight", 60, 200, 700, 480, Art::Pillar);
    sheet.AddStill("Bush", 200, 60, 120, 640, [](Canvas& c) { Art::Bush(c, Argb(255, 40, 90, 50)); });
    const std::uint32_t late[] = {Argb(255, 120, 200, 255), Argb(255, 255, 120, 200),
                                  Argb(255, 255, 230, 120)};
    const float lateAt[][2] = {{120, 40}, {720, 30}, {430, 10}};
    for (int burst = 0; burst < 3; ++burst)
    {
        sheet.AddStill("Late" + std::to_string(burst), 200, 200, lateAt[burst][0], lateAt[burst][1],
                       [&late, burst](Canvas& c) { Art::Burst(c, late[burst]); });
    }
    sheet.AddStill("Lamps", 320, 256, 350, 300, Art::WindowLights);
    sheet.AddStill("Lantern", 120, 120, 240, 420,
                   [](Canvas& c) { c.Glow(60, 60, 58, Argb(200, 255, 200, 110)); });
    const std::uint32_t early[] = {Argb(255, 255, 90, 70), Argb(255, 120, 255, 140),
                                   Argb(255, 200, 140, 255)};
    const float earlyAt[][2] = {{260, 60}, {560, 70}, {820, 20}};
    for (int burst = 0; burst < 3; ++burst)
    {
        sheet.AddStill("Early" + std::to_string(burst), 180, 180, earlyAt[burst][0], earlyAt[burst][1],
                       [&early, burst](Canvas& c) { Art::Burst(c, early[burst]); });
    }
}

// The owner and the companion, proud of the estate, under bunting.
void SceneSixFriends(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DaySky(), 7.0f));
    sheet.Add("Bunting", 512, 40, Art::Bunting, {At(0, 0, 80, kScreenW, 60)});
    sheet.AddStill("Owner", 150, 400, 300, 280, [](Canvas& c) { Art::Owner(c, true); });
    sheet.Add("Companion", 180, 360, [](Canvas& c) { Art::Companion(c, true); },
              {At(0, 560, 320, 180, 360), At(0.5f, 560, 300, 180, 380), At(1, 560, 320, 180, 360),
               At(1.5f, 560, 300, 180, 380), At(2, 560, 320, 180, 360)});
    sheet.AddStill("Hedge", 512, 90, 0, 690, Art::Hedge);
    sheet.Add("Hedge2", 512, 90, Art::Hedge, {At(0, 512, 690, 512, 90)});
}

// The shop full of buyers.
void SceneSixShop(Sheet& sheet)
{
    AddBackdrop(sheet, "Wall", Art::ShopWall);
    sheet.AddStill("Companion", 160, 260, 430, 260, [](Canvas& c) { Art::Companion(c, false); });
    sheet.AddStill("Counter", 620, 200, 200, 470, Art::Counter);
    const std::uint32_t coats[] = {Argb(255, 170, 60, 80), Argb(255, 70, 120, 90), Argb(255, 120, 90, 160),
                                   Argb(255, 200, 140, 60), Argb(255, 60, 90, 150)};
    for (int buyer = 0; buyer < 5; ++buyer)
    {
        const float x = 20.0f + 200.0f * static_cast<float>(buyer);
        const float y = 440.0f + static_cast<float>(buyer % 2) * 30.0f;
        sheet.Add("Buyer" + std::to_string(buyer), 120, 300,
                  [&coats, buyer](Canvas& c) { Art::Buyer(c, coats[buyer], Argb(255, 240, 220, 120)); },
                  {At(0, x, y, 120, 300), At(0.4f + 0.2f * static_cast<float>(buyer), x, y - 10, 120, 300),
                   At(1.0f + 0.2f * static_cast<float>(buyer), x, y, 120, 300)});
    }
}

// Sunset: the mill's sails (part 5) turn slowly beside the house.
void SceneSixSunset(Sheet& sheet)
{
    AddBackdrop(sheet, "Sky", LandscapeOf(Art::DuskSky(), 8.0f));
    sheet.Add("Sun", 128, 128, [](Canvas& c) { Art::Sun(c, 64, 64, 30); },
              {At(0, 720, 260, 160, 160), At(14, 720, 330, 160, 160)});
    sheet.Add("Field", 256, 74, [](Canvas& c) { Art::Field(c, Argb(255, 190, 150, 80)); },
              {At(0, 0, 620, kScreenW, 148)});
    sheet.AddStill("House", 300, 240, 100, 380, [](Canvas& c) { Art::Manor(c, false); });
    sheet.AddStill("Tower", 160, 300, 520, 330,
                   [](Canvas& c)
                   {
                       c.Polygon({{20, 300}, {45, 40}, {115, 40}, {140, 300}}, Argb(255, 226, 214, 196));
                       c.Polygon({{35, 45}, {80, 0}, {125, 45}}, Argb(255, 130, 80, 60));
                       c.Rect(66, 240, 94, 300, Argb(255, 110, 70, 40));
                       c.Rect(70, 120, 90, 150, Argb(255, 70, 90, 110));
                   });
    sheet.AddStill("Sails", 300, 300, 450, 200, Art::MillSails);
}

// A butterfly's frames in a row of 64 x 64: wings open, closing, folded, opening, and at rest.
void PaintButterflies(const std::string& folder)
{
    Platform::Image sheet;
    sheet.width = 384;
    sheet.height = 256;
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * sheet.height, 0u);
    const std::uint32_t wings[][2] = {{Argb(255, 250, 160, 40), Argb(255, 250, 220, 120)},
                                      {Argb(255, 70, 130, 230), Argb(255, 170, 210, 255)},
                                      {Argb(255, 230, 80, 140), Argb(255, 255, 190, 220)},
                                      {Argb(255, 250, 240, 110), Argb(255, 255, 255, 220)}};
    const float open[] = {1.0f, 0.7f, 0.35f, 0.1f, 0.55f, 0.2f};
    for (int row = 0; row < 4; ++row)
    {
        for (int frame = 0; frame < 6; ++frame)
        {
            Canvas c(sheet, frame * 64, row * 64, 64, 64);
            const float spread = open[frame];
            for (const float side : {-1.0f, 1.0f})
            {
                c.Ellipse(32 + side * 14 * spread, 24, 13 * spread + 1, 14, wings[row][0]);
                c.Ellipse(32 + side * 10 * spread, 42, 9 * spread + 1, 10, wings[row][0]);
                c.Ellipse(32 + side * 15 * spread, 22, 5 * spread + 0.5f, 5, wings[row][1]);
            }
            c.Ellipse(32, 33, 3, 15, Argb(255, 50, 36, 30));
            c.Line(31, 19, 25, 8, 1.5f, Argb(255, 50, 36, 30));
            c.Line(33, 19, 39, 8, 1.5f, Argb(255, 50, 36, 30));
        }
    }
    Painting::WritePng(sheet, folder + "/butterflies.png");
}

// Leaf shapes of 64 x 40, the stem at the left: light, mid and dark green; and a small twig.
void PaintLeaves(const std::string& folder)
{
    Platform::Image sheet;
    sheet.width = 256;
    sheet.height = 64;
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * sheet.height, 0u);
    const std::uint32_t greens[] = {Argb(255, 120, 190, 80), Argb(255, 80, 150, 60), Argb(255, 50, 110, 50)};
    for (int shape = 0; shape < 3; ++shape)
    {
        Canvas c(sheet, shape * 64, 0, 64, 40);
        c.Line(0, 20, 12, 20, 3, Argb(255, 90, 70, 40));
        c.Polygon({{8, 20}, {24, 6}, {48, 6}, {62, 20}, {48, 34}, {24, 34}}, greens[shape]);
        c.Line(10, 20, 58, 20, 1.5f, Painting::Mix(greens[shape], Argb(255, 255, 255, 200), 0.4f));
    }
    Painting::WritePng(sheet, folder + "/leaves.png");
}

void PaintSmokePuff(const std::string& folder)
{
    Platform::Image puff;
    puff.width = 64;
    puff.height = 64;
    puff.pixels.assign(64 * 64, 0u);
    Canvas c(puff, 0, 0, 64, 64);
    c.Glow(32, 32, 31, Argb(255, 255, 255, 255));
    Painting::WritePng(puff, folder + "/smoke_puff.png");
}

bool WriteScene(const std::string& folder, const std::string& name, void (*build)(Sheet&))
{
    std::string prefix = name;
    for (char& ch : prefix)
    {
        ch = ch == '.' ? '_' : ch;
    }
    Sheet sheet(name + ".png", prefix + "_");
    build(sheet);
    return sheet.Write(folder, name + ".anim");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::pair<const char*, void (*)(Sheet&)> scenes[] = {
        {"scene_1", SceneOneStreet},   {"scene_1.1", SceneOneMeeting}, {"scene_1.1.quib", SceneOneCompanion},
        {"scene_1.2", SceneOneWalkUp}, {"scene_2", SceneTwoGarden},    {"scene_2.1", SceneTwoShop},
        {"scene_3", SceneThree},       {"scene_4", SceneFourPlan},     {"scene_4.1", SceneFourGrowth},
        {"scene_5", SceneFive},        {"scene_6", SceneSixFireworks}, {"scene_6.1", SceneSixFriends},
        {"scene_6.2", SceneSixShop},   {"scene_6.3", SceneSixSunset}};
    bool ok = true;
    for (const auto& [name, build] : scenes)
    {
        ok = WriteScene(folder, name, build) && ok;
    }
    PaintButterflies(folder);
    PaintLeaves(folder);
    PaintSmokePuff(folder);
    return ok ? 0 : 1;
}
