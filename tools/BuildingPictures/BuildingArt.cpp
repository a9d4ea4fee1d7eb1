#include "tools/BuildingPictures/BuildingArt.h"

#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

using Painting::Argb;
using Painting::Mix;

namespace BuildingArt
{

namespace
{

// Building coordinates: the meshes are drawn 249 pixels left of and 174 above the anchor cell's corner,
// so the four cells of a building run from x 57 to 313 and the floor lies at y 198.
constexpr float kGround = 198.0f;
constexpr float kBodyLeft = 70.0f;
constexpr float kBodyRight = 306.0f;
// The door fills the anchor cell, where the worker stands.
constexpr float kDoorX = 263.0f;
// The mill's sails on its gable: their square's left edge, its drop below the roof's top, its side.
constexpr float kWheelLeft = kBodyLeft + 60.0f;
constexpr float kWheelDrop = 10.0f;
constexpr float kWheelSize = 84.0f;
constexpr float kDoorWidth = 36.0f;
constexpr float kDoorHeight = 56.0f;
constexpr int kDoorFrames = 5;
constexpr int kWorkFrames = 4;
// The atlas: parts packed in shelves left of a stripe of juice that a tube scrolls through.
constexpr int kAtlasWidth = 512;
constexpr int kStripe = 16;
constexpr int kPackWidth = kAtlasWidth - kStripe;
constexpr float kSmokeTime = 1.2f;
constexpr float kRiseTime = 2.5f;

const std::uint32_t kDark = Argb(255, 46, 32, 22);
const std::uint32_t kTimber = Argb(255, 92, 62, 38);
const std::uint32_t kWindowLit = Argb(255, 255, 222, 120);
const std::uint32_t kGlass = Argb(255, 150, 196, 220);
const std::uint32_t kBrick = Argb(255, 150, 70, 50);
const std::uint32_t kStone = Argb(255, 150, 146, 136);

struct Part
{
    std::string name;
    // Where it stands in building coordinates.
    float x = 0.0f;
    float y = 0.0f;
    int w = 0;
    int h = 0;
    std::function<void(Canvas&, int frame)> paint;
    int frames = 1;
    // A clear margin kept round it in the atlas (a turning picture samples past its corners).
    int pad = 0;
    enum Motion
    {
        kStill,
        kSmoke,
        kRise,
        kSway
    } motion = kStill;
    // Not a mesh part: only its frames are read (the door and the working sprites).
    bool sheetOnly = false;
    bool stripe = false;
    int sx = 0;
    int sy = 0;
};

// Top of the walls and of the roof for a level 1 to 3.
float WallTop(int level)
{
    return 112.0f - 16.0f * static_cast<float>(level - 1);
}

float RoofTop(int level)
{
    return 46.0f - 14.0f * static_cast<float>(level - 1);
}

std::uint32_t Darker(std::uint32_t colour, float amount)
{
    return Mix(colour, Argb(static_cast<int>(colour >> 24), 0, 0, 0), amount);
}

void Window(Canvas& c, float x, float y, float w, float h)
{
    c.Rect(x - 2, y - 2, x + w + 2, y + h + 2, kTimber);
    c.Rect(x, y, x + w, y + h, kWindowLit);
    c.Rect(x + w / 2 - 1, y, x + w / 2 + 1, y + h, kTimber);
    c.Rect(x, y + h / 2 - 1, x + w, y + h / 2 + 1, kTimber);
}

void PaintBody(Canvas& c, const Kind& kind, int level)
{
    const float wallTop = WallTop(level) - RoofTop(level);
    const float width = static_cast<float>(c.Width());
    const float height = static_cast<float>(c.Height());
    // Walls with corner posts and a stone footing.
    c.Gradient(4, wallTop, width - 4, height, Mix(kind.wall, Argb(255, 255, 255, 255), 0.15f), kind.wall);
    c.Rect(4, height - 12, width - 4, height, kStone);
    for (float x : {4.0f, width / 2 - 3, width - 12})
    {
        c.Rect(x, wallTop, x + 8, height - 12, kTimber);
    }
    c.Rect(4, wallTop, width - 4, wallTop + 6, kTimber);
    // The roof: a gable overhanging the walls, with a ridge beam; a richer level gets a golden ridge.
    c.Polygon({{0, wallTop + 4}, {width * 0.5f, 0}, {width, wallTop + 4}}, Darker(kind.roof, 0.3f));
    c.Polygon({{8, wallTop}, {width * 0.5f, 6}, {width - 8, wallTop}}, kind.roof);
    for (int row = 1; row < 4; ++row)
    {
        const float y = 6 + (wallTop - 6) * static_cast<float>(row) / 4.0f;
        const float half = (width * 0.5f - 8) * (y - 6) / (wallTop - 6);
        c.Line(width * 0.5f - half, y, width * 0.5f + half, y, 1.5f, Darker(kind.roof, 0.25f));
    }
    c.Line(width * 0.5f - 4, 6, width * 0.5f + 4, 6, 5, level == 3 ? Argb(255, 240, 200, 60) : kDark);
    // Windows: one row per level, the doorway's dark inside at the door cell.
    for (int row = 0; row < level; ++row)
    {
        const float y = wallTop + 14 + 26.0f * static_cast<float>(row);
        if (y + 18 > height - 70)
        {
            break;
        }
        Window(c, 30, y, 22, 18);
        Window(c, 90, y, 22, 18);
    }
    if (kind.work == Kind::kWheel)
    {
        // The sails' axle comes out of a timber housing on the gable, so they turn on the house.
        const float cx = kWheelLeft + kWheelSize / 2 - kBodyLeft;
        const float cy = kWheelDrop + kWheelSize / 2;
        c.Rect(cx - 12, cy - 12, cx + 12, cy + 14, kDark);
        c.Rect(cx - 10, cy - 10, cx + 10, cy + 12, kTimber);
        c.Circle(cx, cy, 7, kDark);
    }
    const float doorLeft = kDoorX - kBodyLeft;
    c.Rect(doorLeft - 3, height - kDoorHeight - 3, doorLeft + kDoorWidth + 3, height, kTimber);
    c.Rect(doorLeft, height - kDoorHeight, doorLeft + kDoorWidth, height, kDark);
}

void PaintChimney(Canvas& c, int /*frame*/)
{
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    c.Rect(0, 4, w, h, kBrick);
    for (float y = 8; y < h; y += 8)
    {
        c.Line(0, y, w, y, 1, Darker(kBrick, 0.3f));
    }
    c.Rect(-2, 0, w + 2, 6, kDark);
}

void PaintSmoke(Canvas& c, int /*frame*/)
{
    c.Glow(14, 26, 13, Argb(200, 220, 220, 220));
    c.Glow(22, 12, 11, Argb(160, 230, 230, 230));
}

// A hanging board under the eaves beside the door with the product on it.
void PaintPorch(Canvas& c, int ordinal)
{
    const float w = static_cast<float>(c.Width());
    c.Line(10, 0, w - 6, 0, 4, kTimber);
    c.Line(12, 0, 12, 8, 2, kDark);
    c.Line(w - 12, 0, w - 12, 8, 2, kDark);
    c.Rect(4, 8, w - 4, static_cast<float>(c.Height()), Argb(255, 196, 150, 96));
    c.Rect(6, 10, w - 6, static_cast<float>(c.Height()) - 2, Argb(255, 236, 214, 168));
    PaintProduct(c, ordinal, 8, 12, w - 16);
}

void PaintDoor(Canvas& c, float width)
{
    const float h = static_cast<float>(c.Height());
    if (width < 1.0f)
    {
        return;
    }
    c.Rect(0, 0, width, h, Argb(255, 130, 84, 44));
    for (float x = 0; x < width; x += 9)
    {
        c.Line(x, 0, x, h, 1, Argb(255, 90, 56, 30));
    }
    c.Line(0, 12, width, 12, 3, kDark);
    c.Line(0, h - 12, width, h - 12, 3, kDark);
    if (width > 12)
    {
        c.Circle(width - 6, h * 0.55f, 2.5f, Argb(255, 230, 190, 70));
    }
}

void PaintFlowers(Canvas& c, int /*frame*/)
{
    const float w = static_cast<float>(c.Width());
    c.Rect(0, 10, w, 18, kTimber);
    for (float x = 4; x < w; x += 8)
    {
        c.Line(x, 10, x, 4, 2, Argb(255, 60, 130, 50));
        c.Circle(x, 4, 3,
                 (static_cast<int>(x) / 8) % 2 == 0 ? Argb(255, 230, 80, 90) : Argb(255, 250, 220, 80));
    }
}

void PaintLamp(Canvas& c, int /*frame*/)
{
    c.Line(2, 0, 2, 30, 2, kDark);
    c.Line(2, 2, 12, 2, 2, kDark);
    c.Glow(12, 14, 10, Argb(180, 255, 220, 120));
    c.Rect(8, 6, 16, 18, kWindowLit);
    c.Rect(7, 4, 17, 6, kDark);
}

void PaintBarrel(Canvas& c, int /*frame*/)
{
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    c.Ellipse(w / 2, h / 2, w / 2, h / 2, Argb(255, 150, 96, 50));
    c.Rect(1, h * 0.25f, w - 1, h * 0.25f + 3, kDark);
    c.Rect(1, h * 0.7f, w - 1, h * 0.7f + 3, kDark);
}

void PaintFence(Canvas& c, int /*frame*/)
{
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    c.Rect(0, 6, w, 9, kTimber);
    c.Rect(0, h - 8, w, h - 5, kTimber);
    for (float x = 1; x < w; x += 8)
    {
        c.Polygon({{x, 4}, {x + 2.5f, 0}, {x + 5, 4}, {x + 5, h}, {x, h}}, Argb(255, 200, 170, 120));
    }
}

// Sails of a mill on a round hub, with a clear margin for turning.
void PaintWheel(Canvas& c, int /*frame*/)
{
    const float centre = static_cast<float>(c.Width()) / 2.0f;
    const float r = centre - 2;
    for (int sail = 0; sail < 4; ++sail)
    {
        const float a = static_cast<float>(sail) * 1.5707963f + 0.3f;
        const float ex = centre + std::cos(a) * r;
        const float ey = centre + std::sin(a) * r;
        const float nx = -std::sin(a) * 9;
        const float ny = std::cos(a) * 9;
        c.Line(centre, centre, ex, ey, 3, kTimber);
        c.Polygon({{centre + std::cos(a) * 10, centre + std::sin(a) * 10},
                   {ex, ey},
                   {ex + nx, ey + ny},
                   {centre + std::cos(a) * 10 + nx, centre + std::sin(a) * 10 + ny}},
                  Argb(235, 240, 232, 210));
    }
    c.Circle(centre, centre, 6, kDark);
}

// A glass pipe on a stand; its juice is the atlas's stripe, scrolled by the working look.
void PaintStripe(Canvas& c)
{
    const float h = static_cast<float>(c.Height());
    for (float y = 0; y < h; y += 16)
    {
        c.Rect(0, y, 16, y + 16, Argb(255, 250, 150, 40));
        c.Circle(8, y + 5, 2.5f, Argb(255, 255, 220, 150));
        c.Circle(5, y + 12, 1.5f, Argb(255, 255, 210, 130));
    }
}

// The working part of the kinds with frames: frame 0 at rest, 1 to 3 working.
void PaintWork(Canvas& c, const Kind& kind, int frame)
{
    const float w = static_cast<float>(c.Width());
    const float h = static_cast<float>(c.Height());
    const float phase = static_cast<float>(frame);
    if (kind.ordinal == 4)
    {
        // The roaster's drum over a fire.
        c.Rect(2, h - 10, w - 2, h, kStone);
        if (frame > 0)
        {
            c.Glow(w / 2, h - 12, 14 + 3 * phase, Argb(230, 255, 140, 40));
        }
        c.Ellipse(w / 2, h / 2 - 4, w / 2 - 4, h / 3, Argb(255, 110, 110, 120));
        c.Line(8, h / 2 - 4 + (frame % 2) * 3, w - 8, h / 2 - 4 - (frame % 2) * 3, 2, kDark);
        return;
    }
    if (kind.ordinal == 6)
    {
        // The bakery's oven mouth: dark at rest, glowing and flickering while baking.
        c.Ellipse(w / 2, h, w / 2, h, kBrick);
        c.Ellipse(w / 2, h, w / 2 - 6, h - 6, frame == 0 ? kDark : Argb(255, 255, 120 + 30 * frame, 40));
        if (frame > 0)
        {
            c.Glow(w / 2, h - 4, 10 + 2 * phase, Argb(200, 255, 240, 160));
        }
        return;
    }
    // The oil press: a screw that lowers its plate onto the seeds.
    const float plate = 10 + 6 * phase;
    c.Rect(2, 0, 6, h, kTimber);
    c.Rect(w - 6, 0, w - 2, h, kTimber);
    c.Rect(2, 0, w - 2, 5, kTimber);
    c.Line(w / 2, 5, w / 2, plate, 3, kDark);
    c.Rect(8, plate, w - 8, plate + 4, kStone);
    c.Rect(8, h - 10, w - 8, h, Argb(255, 235, 200, 60));
}

void AddPart(std::vector<Part>& parts, const std::string& name, float x, float y, int w, int h,
             std::function<void(Canvas&, int)> paint, Part::Motion motion = Part::kStill)
{
    Part part;
    part.name = name;
    part.x = x;
    part.y = y;
    part.w = w;
    part.h = h;
    part.paint = std::move(paint);
    part.motion = motion;
    parts.push_back(std::move(part));
}

// The kind's working part and where the working looks expect it among the parts.
int WorkIndex(const Kind& kind, int level)
{
    switch (kind.ordinal)
    {
    case 1:
        return 9 - level; // the sails: 8, 7, 6
    case 2:
        return 4;
    case 4:
        return 3;
    case 6:
        return level < 3 ? 2 : 0;
    case 7:
        return level == 2 ? 6 : 7;
    default:
        return -1;
    }
}

Part WorkPart(const Kind& kind, int level)
{
    Part part;
    if (kind.work == Kind::kWheel)
    {
        part.name = "Wheel";
        part.w = part.h = static_cast<int>(kWheelSize);
        part.x = kWheelLeft;
        part.y = RoofTop(level) + kWheelDrop;
        part.pad = 22;
        part.paint = PaintWheel;
    }
    else if (kind.work == Kind::kTube)
    {
        part.name = "Tube";
        part.w = 14;
        part.h = 64;
        part.x = 200;
        part.y = kGround - 72;
        part.stripe = true;
    }
    else
    {
        part.name = "Work";
        part.frames = kWorkFrames;
        const bool oven = kind.ordinal == 6;
        part.w = oven ? 40 : 44;
        part.h = oven ? 24 : 44;
        // The third bakery draws its oven first, outdoors beside the house.
        part.x = oven ? (level == 3 ? 22.0f : 170.0f) : 178.0f;
        part.y = kGround - static_cast<float>(part.h) - (oven && level < 3 ? 14.0f : 0.0f);
        part.paint = [&kind](Canvas& c, int frame) { PaintWork(c, kind, frame); };
    }
    return part;
}

// The parts of one level's mesh in drawing order; back is set to how many stand behind the worker.
std::vector<Part> LevelParts(const Kind& kind, int level, int& back)
{
    std::vector<Part> parts;
    const float wallTop = WallTop(level);
    const float roofTop = RoofTop(level);
    AddPart(parts, "Body", kBodyLeft, roofTop, static_cast<int>(kBodyRight - kBodyLeft),
            static_cast<int>(kGround - roofTop),
            [&kind, level](Canvas& c, int) { PaintBody(c, kind, level); });
    AddPart(parts, "Chimney", 214, roofTop + 4, 16, static_cast<int>(wallTop - roofTop - 10), PaintChimney);
    AddPart(parts, "Smoke", 208, roofTop - 34, 36, 40, PaintSmoke, Part::kSmoke);
    const int ordinal = kind.ordinal;
    AddPart(parts, "Porch", 210, kGround - 96, 48, 44, [ordinal](Canvas& c, int) { PaintPorch(c, ordinal); });
    AddPart(parts, "Door", kDoorX, kGround - kDoorHeight, static_cast<int>(kDoorWidth),
            static_cast<int>(kDoorHeight), [](Canvas& c, int) { PaintDoor(c, kDoorWidth); });
    AddPart(parts, "Flowers", 98, WallTop(level) + 34, 36, 18, PaintFlowers);
    AddPart(parts, "Lamp", 244, kGround - 80, 20, 30, PaintLamp);
    AddPart(parts, "Fence", 60, kGround - 22, 48, 22, PaintFence);
    AddPart(parts, "Barrel", 306, kGround - 26, 20, 26, PaintBarrel);
    const int workIndex = WorkIndex(kind, level);
    if (workIndex >= 0)
    {
        // The kind's working part takes its place; a filler gives way so the count stays.
        parts.insert(parts.begin() + std::min<int>(workIndex, static_cast<int>(parts.size())),
                     WorkPart(kind, level));
        for (auto it = parts.end() - 1; it != parts.begin(); --it)
        {
            if (it->name == "Barrel" || it->name == "Fence")
            {
                if (static_cast<int>(it - parts.begin()) != workIndex)
                {
                    parts.erase(it);
                    break;
                }
            }
        }
    }
    back = 0;
    while (back < static_cast<int>(parts.size()) && parts[static_cast<std::size_t>(back)].name != "Porch")
    {
        ++back;
    }
    return parts;
}

// Places every part in the atlas, shelf by shelf; returns the atlas height (a multiple of the stripe's
// period, so that the stripe repeats seamlessly).
int Pack(std::vector<Part*>& parts)
{
    int x = 0;
    int y = 0;
    int shelf = 0;
    for (Part* part : parts)
    {
        if (part->stripe)
        {
            continue;
        }
        const int w = part->w * part->frames + 2 * part->pad + 2;
        const int h = part->h + 2 * part->pad + 2;
        if (x + w > kPackWidth)
        {
            x = 0;
            y += shelf;
            shelf = 0;
        }
        part->sx = x + part->pad + 1;
        part->sy = y + part->pad + 1;
        x += w;
        shelf = std::max(shelf, h);
    }
    const int height = y + shelf;
    return (height + kStripe - 1) / kStripe * kStripe;
}

Platform::Image PaintAtlas(std::vector<Part*>& parts)
{
    const int height = Pack(parts);
    Platform::Image atlas = Painting::Paint(kAtlasWidth, height, [](int, int) { return 0u; });
    for (Part* part : parts)
    {
        if (part->stripe)
        {
            part->sx = kPackWidth + 1;
            part->sy = 0;
            continue;
        }
        for (int frame = 0; frame < part->frames; ++frame)
        {
            Canvas canvas(atlas, part->sx + frame * part->w, part->sy, part->w, part->h);
            part->paint(canvas, frame);
        }
    }
    Canvas stripe(atlas, kPackWidth, 0, kStripe, height);
    PaintStripe(stripe);
    return atlas;
}

// The not-hired look: the same picture grey and dim.
Platform::Image Idle(const Platform::Image& lit)
{
    Platform::Image dim = lit;
    for (std::uint32_t& pixel : dim.pixels)
    {
        const int r = static_cast<int>((pixel >> 16) & 0xFF);
        const int g = static_cast<int>((pixel >> 8) & 0xFF);
        const int b = static_cast<int>(pixel & 0xFF);
        const int grey = (r * 3 + g * 6 + b) / 10;
        const auto fade = [grey](int channel) { return (channel * 3 + grey * 7) / 10 * 7 / 10; };
        pixel = Argb(static_cast<int>(pixel >> 24), fade(r), fade(g), fade(b));
    }
    return dim;
}

std::string Corners(float x, float y, float w, float h)
{
    std::ostringstream text;
    text << x << ", " << y << ", " << x + w << ", " << y << ", " << x << ", " << y + h << ", " << x + w
         << ", " << y + h;
    return text.str();
}

void WriteMeshPart(std::ostream& out, const Part& part, const std::string& image)
{
    const float x = part.x;
    const float y = part.y;
    const auto w = static_cast<float>(part.w);
    const auto h = static_cast<float>(part.h);
    out << part.name << " = {\n    Image = \"" << image << "\",\n    NumsCell = { 2, 2 },\n    MeshSize = { "
        << part.w << ", " << part.h << " },\n    SrcRect = { " << part.sx << ", " << part.sy << ", "
        << part.sx + part.w << ", " << part.sy + part.h << " },\n    Animation = { FramesList = {\n";
    switch (part.motion)
    {
    case Part::kSmoke:
        out << "        { 0, " << Corners(x + 4, y + 14, w - 8, h - 14) << " },\n";
        out << "        { " << kSmokeTime / 2 << ", " << Corners(x - 2, y - 6, w + 4, h + 4) << " },\n";
        out << "        { " << kSmokeTime << ", " << Corners(x + 4, y + 14, w - 8, h - 14) << " },\n";
        break;
    case Part::kRise:
        out << "        { 0, " << Corners(x, kGround - 2, w, 2) << " },\n";
        out << "        { " << kRiseTime << ", " << Corners(x, y, w, h) << " },\n";
        break;
    case Part::kSway:
        out << "        { 0, " << Corners(x, y, w, h) << " },\n";
        out << "        { 0.5, " << x + 3 << ", " << y << ", " << x + w + 3 << ", " << y << ", " << x << ", "
            << y + h << ", " << x + w << ", " << y + h << " },\n";
        out << "        { 1, " << Corners(x, y, w, h) << " },\n";
        break;
    case Part::kStill:
        out << "        { 0, " << Corners(x, y, w, h) << " },\n";
        break;
    }
    out << "    } },\n}\n";
}

bool WriteMesh(const std::string& path, const std::vector<Part*>& parts, const std::string& lit,
               const std::string& idle, const char* about)
{
    std::ofstream out(path);
    out << "-- " << about << "\nMeshList = {";
    for (std::size_t i = 0; i < parts.size(); ++i)
    {
        out << (i == 0 ? " " : ", ") << "\"" << parts[i]->name << "\"";
    }
    out << " }\nImageList = { \"" << lit << "\", \"" << idle << "\" }\n\n";
    for (const Part* part : parts)
    {
        WriteMeshPart(out, *part, lit);
    }
    out.flush();
    if (!out)
    {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::string Sheet(const std::string& image, const Part& part)
{
    std::ostringstream text;
    text << "{ Image = \"" << image << "\", SrcRect = { " << part.sx << ", " << part.sy << ", "
         << part.sx + part.w * part.frames << ", " << part.sy + part.h
         << " },\n    Animation = { FramesCols = " << part.frames
         << ", FramesRows = 1, NumFrames = " << part.frames << " } }\n";
    return text.str();
}

} // namespace

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds{
        {"Mill", 1, false, Argb(255, 170, 60, 50), Argb(255, 236, 226, 200), Kind::kWheel},
        {"Juicer", 2, false, Argb(255, 230, 130, 40), Argb(255, 246, 232, 196), Kind::kTube},
        {"TomatoB", 3, false, Argb(255, 200, 40, 40), Argb(255, 240, 224, 200), Kind::kNone},
        {"Roaster", 4, true, Argb(255, 110, 70, 40), Argb(255, 226, 206, 170), Kind::kFrames},
        {"Confectionery", 5, true, Argb(255, 230, 120, 170), Argb(255, 252, 236, 240), Kind::kNone},
        {"Bakery", 6, false, Argb(255, 190, 120, 50), Argb(255, 244, 226, 180), Kind::kFrames},
        {"OilB", 7, false, Argb(255, 220, 190, 40), Argb(255, 238, 232, 200), Kind::kFrames},
        {"SandwichB", 8, true, Argb(255, 90, 150, 70), Argb(255, 240, 236, 206), Kind::kNone},
        {"DoughB", 9, true, Argb(255, 200, 180, 140), Argb(255, 246, 240, 226), Kind::kNone},
        {"Packing", 10, false, Argb(255, 120, 100, 70), Argb(255, 222, 200, 160), Kind::kNone},
        {"FriedPotatoesB", 11, true, Argb(255, 220, 60, 50), Argb(255, 250, 230, 150), Kind::kNone},
    };
    return kinds;
}

void PaintProduct(Canvas& c, int ordinal, float x, float y, float size)
{
    const float s = size;
    const float cx = x + s / 2;
    const std::uint32_t glass = Argb(200, 220, 240, 250);
    switch (ordinal)
    {
    case 1: // a sack of flour
        c.Ellipse(cx, y + s * 0.62f, s * 0.36f, s * 0.34f, Argb(255, 240, 236, 220));
        c.Polygon({{cx - s * 0.14f, y + s * 0.3f},
                   {cx + s * 0.14f, y + s * 0.3f},
                   {cx + s * 0.2f, y + s * 0.1f},
                   {cx - s * 0.2f, y + s * 0.1f}},
                  Argb(255, 228, 222, 200));
        c.Line(cx - s * 0.15f, y + s * 0.3f, cx + s * 0.15f, y + s * 0.3f, 2, kTimber);
        c.Ellipse(cx, y + s * 0.66f, s * 0.12f, s * 0.08f, Argb(255, 210, 180, 90));
        break;
    case 2: // a glass of orange juice
    case 3: // a bottle of tomato sauce
    case 7: // a bottle of oil
    {
        const std::uint32_t juice = ordinal == 2   ? Argb(255, 250, 150, 40)
                                    : ordinal == 3 ? Argb(255, 210, 30, 30)
                                                   : Argb(255, 240, 205, 50);
        if (ordinal == 2)
        {
            c.Polygon({{cx - s * 0.3f, y + s * 0.1f},
                       {cx + s * 0.3f, y + s * 0.1f},
                       {cx + s * 0.22f, y + s * 0.95f},
                       {cx - s * 0.22f, y + s * 0.95f}},
                      glass);
            c.Polygon({{cx - s * 0.27f, y + s * 0.3f},
                       {cx + s * 0.27f, y + s * 0.3f},
                       {cx + s * 0.2f, y + s * 0.9f},
                       {cx - s * 0.2f, y + s * 0.9f}},
                      juice);
        }
        else
        {
            c.Rect(cx - s * 0.22f, y + s * 0.4f, cx + s * 0.22f, y + s * 0.95f, juice);
            c.Polygon({{cx - s * 0.22f, y + s * 0.4f},
                       {cx - s * 0.08f, y + s * 0.2f},
                       {cx + s * 0.08f, y + s * 0.2f},
                       {cx + s * 0.22f, y + s * 0.4f}},
                      juice);
            c.Rect(cx - s * 0.08f, y + s * 0.05f, cx + s * 0.08f, y + s * 0.22f, juice);
            c.Rect(cx - s * 0.1f, y, cx + s * 0.1f, y + s * 0.08f, kTimber);
            c.Rect(cx - s * 0.16f, y + s * 0.55f, cx + s * 0.16f, y + s * 0.75f, Argb(255, 250, 245, 230));
        }
        break;
    }
    case 4: // roasted beans
        for (const auto& [bx, by] : {std::pair{0.32f, 0.4f}, {0.62f, 0.36f}, {0.46f, 0.68f}})
        {
            c.Ellipse(x + s * bx, y + s * by, s * 0.17f, s * 0.23f, Argb(255, 100, 56, 30));
            c.Line(x + s * bx, y + s * (by - 0.18f), x + s * bx, y + s * (by + 0.18f), 1.5f,
                   Argb(255, 50, 26, 14));
        }
        break;
    case 5: // a cake with a cherry
        c.Rect(cx - s * 0.4f, y + s * 0.45f, cx + s * 0.4f, y + s * 0.9f, Argb(255, 180, 110, 60));
        c.Rect(cx - s * 0.4f, y + s * 0.38f, cx + s * 0.4f, y + s * 0.5f, Argb(255, 250, 190, 210));
        c.Rect(cx - s * 0.4f, y + s * 0.64f, cx + s * 0.4f, y + s * 0.7f, Argb(255, 250, 240, 240));
        c.Circle(cx, y + s * 0.3f, s * 0.1f, Argb(255, 210, 20, 40));
        break;
    case 6: // a loaf of bread
        c.Ellipse(cx, y + s * 0.6f, s * 0.44f, s * 0.26f, Argb(255, 200, 130, 60));
        for (float k : {-0.2f, 0.0f, 0.2f})
        {
            c.Line(cx + s * (k - 0.06f), y + s * 0.5f, cx + s * (k + 0.06f), y + s * 0.66f, 2,
                   Argb(255, 240, 200, 140));
        }
        break;
    case 8: // a sandwich
        c.Polygon(
            {{x + s * 0.1f, y + s * 0.45f}, {x + s * 0.9f, y + s * 0.45f}, {x + s * 0.5f, y + s * 0.2f}},
            Argb(255, 230, 190, 120));
        c.Rect(x + s * 0.08f, y + s * 0.45f, x + s * 0.92f, y + s * 0.55f, Argb(255, 90, 170, 60));
        c.Rect(x + s * 0.08f, y + s * 0.55f, x + s * 0.92f, y + s * 0.65f, Argb(255, 220, 90, 90));
        c.Rect(x + s * 0.08f, y + s * 0.65f, x + s * 0.92f, y + s * 0.8f, Argb(255, 230, 190, 120));
        break;
    case 9: // a ball of dough in a bowl
        c.Circle(cx, y + s * 0.5f, s * 0.28f, Argb(255, 245, 230, 200));
        c.Polygon({{x + s * 0.08f, y + s * 0.55f},
                   {x + s * 0.92f, y + s * 0.55f},
                   {x + s * 0.75f, y + s * 0.92f},
                   {x + s * 0.25f, y + s * 0.92f}},
                  Argb(255, 120, 150, 200));
        break;
    case 10: // a parcel tied with string
        c.Rect(x + s * 0.12f, y + s * 0.25f, x + s * 0.88f, y + s * 0.9f, Argb(255, 200, 160, 100));
        c.Line(cx, y + s * 0.25f, cx, y + s * 0.9f, 2, Argb(255, 180, 40, 40));
        c.Line(x + s * 0.12f, y + s * 0.55f, x + s * 0.88f, y + s * 0.55f, 2, Argb(255, 180, 40, 40));
        c.Circle(cx, y + s * 0.22f, s * 0.08f, Argb(255, 180, 40, 40));
        break;
    default: // fried potatoes in a paper cone
        for (float k = -0.2f; k <= 0.21f; k += 0.1f)
        {
            c.Rect(cx + s * k - 2, y + s * 0.1f, cx + s * k + 2, y + s * 0.55f, Argb(255, 250, 210, 70));
        }
        c.Polygon({{x + s * 0.18f, y + s * 0.45f}, {x + s * 0.82f, y + s * 0.45f}, {cx, y + s * 0.98f}},
                  Argb(255, 210, 40, 40));
        break;
    }
}

bool WriteKind(const Kind& kind, const std::string& folder)
{
    const std::string stem = kind.stem;
    std::ostringstream lua;
    lua << "-- " << stem << ": the click rectangle round the house, and per level its door and what the\n"
        << "-- building draws behind its worker.\n"
        << "OffHRect = { " << 249.0f - kBodyLeft << ", " << 174.0f - RoofTop(1) << ", " << kBodyRight - 249.0f
        << ", " << kGround - 174.0f << " }\n";
    bool written = true;
    for (int level = 1; level <= 3; ++level)
    {
        int back = 0;
        std::vector<Part> parts = LevelParts(kind, level, back);
        Part door;
        door.name = "DoorSheet";
        door.w = static_cast<int>(kDoorWidth);
        door.h = static_cast<int>(kDoorHeight);
        door.frames = kDoorFrames;
        door.sheetOnly = true;
        // The leaf turns on its hinge: narrower frame by frame, its hinge side staying put.
        door.paint = [](Canvas& c, int frame)
        { PaintDoor(c, kDoorWidth * (1.0f - static_cast<float>(frame) / static_cast<float>(kDoorFrames))); };
        Part scaffold;
        scaffold.name = "Scaffold";
        scaffold.x = kBodyLeft - 6;
        scaffold.y = RoofTop(1) - 6;
        scaffold.w = static_cast<int>(kBodyRight - kBodyLeft) + 12;
        scaffold.h = static_cast<int>(kGround - RoofTop(1)) + 6;
        scaffold.paint = [](Canvas& c, int)
        {
            const float w = static_cast<float>(c.Width());
            const float h = static_cast<float>(c.Height());
            for (float x : {2.0f, w / 3, 2 * w / 3, w - 4})
            {
                c.Line(x, 0, x, h, 3, kTimber);
            }
            for (float y = 20; y < h; y += 40)
            {
                c.Line(0, y, w, y, 3, kTimber);
                c.Line(0, y, w / 3, y + 38, 2, Darker(kTimber, 0.2f));
            }
        };
        std::vector<Part*> atlasParts;
        for (Part& part : parts)
        {
            atlasParts.push_back(&part);
        }
        atlasParts.push_back(&door);
        if (level == 1)
        {
            atlasParts.push_back(&scaffold);
        }
        const Platform::Image atlas = PaintAtlas(atlasParts);
        const std::string n = std::to_string(level);
        const std::string lit = stem + n + "_a.png";
        const std::string idle = stem + n + "_b.png";
        written = Painting::WritePng(atlas, folder + lit) && written;
        written = Painting::WritePng(Idle(atlas), folder + idle) && written;
        std::vector<Part*> meshParts;
        const Part* work = nullptr;
        for (Part& part : parts)
        {
            meshParts.push_back(&part);
            work = part.name == "Work" ? &part : work;
        }
        written = WriteMesh(folder + stem + n + ".building", meshParts, lit, idle,
                            "The look of this building at one level: its parts, back to front.") &&
                  written;
        lua << "BackIndex" << n << " = " << back << "\n";
        lua << "DoorOff" << n << " = { 0, 0, 0, 0, 0 }\n";
        lua << "Door" << n << " = " << Sheet(lit, door);
        if (work != nullptr)
        {
            lua << "Working" << n << " = " << Sheet(lit, *work);
        }
        if (level == 1)
        {
            // The construction: scaffolding, and the house rising inside it.
            Part body = parts.front();
            body.motion = Part::kRise;
            written = WriteMesh(folder + stem + "_up.building", {&body, &scaffold}, lit, idle,
                                "The building going up inside its scaffolding.") &&
                      written;
        }
    }
    std::ofstream out(folder + stem + ".lua");
    out << lua.str();
    out.flush();
    return written && static_cast<bool>(out);
}

} // namespace BuildingArt
