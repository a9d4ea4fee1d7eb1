// Paints the world map and its shop, and writes the map's script with the places of its buttons,
// decorations and water:
//
//   wf_map_pictures OUTPUT_FOLDER

#include "tools/ClipPictures/Art.h"
#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"
#include "tools/MapPictures/MapArt.h"
#include "tools/MapPictures/MapLayout.h"
#include "tools/MapPictures/MapPictureBasics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using MapLayout::Point;
using MapPictures::Blank;
using MapPictures::kHeight;
using MapPictures::kWidth;
using MapPictures::Noise;
using Painting::Argb;
using Painting::Mix;

struct Frame
{
    int left;
    int top;
    int right;
    int bottom;
};

float SmoothNoise(float x, float y, float cell)
{
    const int ix = static_cast<int>(std::floor(x / cell));
    const int iy = static_cast<int>(std::floor(y / cell));
    const float fx = x / cell - static_cast<float>(ix);
    const float fy = y / cell - static_cast<float>(iy);
    const float a = Noise(ix, iy);
    const float b = Noise(ix + 1, iy);
    const float c = Noise(ix, iy + 1);
    const float d = Noise(ix + 1, iy + 1);
    const float sx = fx * fx * (3 - 2 * fx);
    const float sy = fy * fy * (3 - 2 * fy);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float Horizon(float x)
{
    return 176.0f + 10.0f * std::sin(x * 0.011f) + 6.0f * std::sin(x * 0.029f + 1.0f);
}

float DistanceToSegment(Point p, Point a, Point b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float length = dx * dx + dy * dy;
    const float t =
        length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0f, 1.0f) : 0.0f;
    return std::hypot(p.x - (a.x + dx * t), p.y - (a.y + dy * t));
}

float DistanceToPath(Point p)
{
    const std::vector<Point>& bends = MapLayout::PathBends();
    float best = 1e9f;
    for (std::size_t i = 0; i + 1 < bends.size(); ++i)
    {
        best = std::min(best, DistanceToSegment(p, bends[i], bends[i + 1]));
    }
    return best;
}

bool NearWater(float x, float y, float margin)
{
    for (float dx : {-margin, 0.0f, margin})
    {
        for (float dy : {-margin, 0.0f, margin})
        {
            if (MapLayout::IsWater(x + dx, y + dy))
            {
                return true;
            }
        }
    }
    return false;
}

std::uint32_t Ground(int x, int y)
{
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float horizon = Horizon(fx);
    if (fy < horizon)
    {
        return 0u;
    }
    const float distance = std::clamp((fy - horizon) / 90.0f, 0.0f, 1.0f);
    const std::uint32_t far = Argb(255, 130, 176, 112);
    const float patch = SmoothNoise(fx, fy, 60.0f);
    const float fine = Noise(x, y);
    std::uint32_t grass = Mix(Argb(255, 96, 164, 64), Argb(255, 132, 190, 80), patch);
    grass = Mix(grass, Argb(255, 70, 136, 52), fine * 0.18f);
    return Mix(far, grass, distance);
}

void PaintHills(Platform::Image& image)
{
    Canvas top(image, 0, 96, kWidth, 110);
    top.Hills(96.0f, 60.0f, 0.009f, 0.6f, Argb(255, 150, 184, 150), Argb(255, 134, 176, 124));
    top.Hills(104.0f, 36.0f, 0.017f, 2.4f, Argb(255, 126, 170, 108), Argb(255, 120, 168, 100));
}

void PaintFields(Canvas& c)
{
    struct Field
    {
        std::vector<Canvas::Point> corners;
        std::uint32_t colour;
    };
    const std::vector<Field> fields{
        {{{846, 440}, {1016, 444}, {1022, 592}, {858, 588}}, Argb(255, 226, 198, 96)},
        {{{260, 190}, {420, 186}, {430, 222}, {250, 226}}, Argb(255, 196, 170, 90)},
        {{{700, 196}, {860, 192}, {870, 230}, {690, 232}}, Argb(255, 150, 110, 70)},
        {{{280, 300}, {420, 296}, {424, 392}, {276, 396}}, Argb(255, 150, 200, 90)},
    };
    for (const Field& field : fields)
    {
        c.Polygon(field.corners, field.colour);
        // Furrows across the field.
        const float top = std::min(field.corners[0].second, field.corners[1].second);
        const float bottom = std::max(field.corners[2].second, field.corners[3].second);
        for (float y = top + 4; y < bottom - 2; y += 7)
        {
            c.Line(field.corners[0].first + 4, y, field.corners[1].first - 4, y, 1.2f,
                   Mix(field.colour, Argb(255, 60, 50, 20), 0.2f));
        }
    }
}

void PaintForest(Canvas& c)
{
    // Woods along the far edge and in the corners, kept off the path, the water and the boards' corner.
    std::uint32_t seed = 5;
    for (int i = 0; i < 420; ++i)
    {
        seed = seed * 214013u + 2531011u;
        const float x = static_cast<float>((seed >> 16) % 1024u);
        seed = seed * 214013u + 2531011u;
        const float y = 170.0f + static_cast<float>((seed >> 16) % 600u);
        const bool edge = y < 215.0f || x < 30.0f || x > 1000.0f || y > 755.0f;
        const bool corner = (x > 960.0f && y < 300.0f) || (x < 40.0f && y > 250.0f && y < 400.0f);
        if (!(edge || corner) || DistanceToPath({x, y}) < 34.0f || NearWater(x, y, 14.0f) ||
            y < Horizon(x) + 4.0f)
        {
            continue;
        }
        const float r = 7.0f + static_cast<float>((seed >> 8) % 6u);
        c.Circle(x + 2, y + 3, r, Argb(90, 20, 50, 10));
        c.Circle(x, y, r, Argb(255, 48, 110, 46));
        c.Circle(x - r * 0.3f, y - r * 0.3f, r * 0.6f, Argb(255, 70, 140, 56));
    }
}

void PaintPath(Canvas& c)
{
    const std::vector<Point>& bends = MapLayout::PathBends();
    for (std::size_t i = 0; i + 1 < bends.size(); ++i)
    {
        c.Line(bends[i].x, bends[i].y, bends[i + 1].x, bends[i + 1].y, 26.0f, Argb(255, 150, 116, 70));
    }
    for (std::size_t i = 0; i + 1 < bends.size(); ++i)
    {
        c.Line(bends[i].x, bends[i].y, bends[i + 1].x, bends[i + 1].y, 20.0f, Argb(255, 214, 184, 128));
    }
    std::uint32_t seed = 11;
    for (std::size_t i = 0; i + 1 < bends.size(); ++i)
    {
        for (float t = 0; t < 1.0f; t += 0.08f)
        {
            seed = seed * 214013u + 2531011u;
            const float x =
                bends[i].x + (bends[i + 1].x - bends[i].x) * t + static_cast<float>((seed >> 16) % 14u) - 7;
            const float y =
                bends[i].y + (bends[i + 1].y - bends[i].y) * t + static_cast<float>((seed >> 20) % 10u) - 5;
            c.Circle(x, y, 1.4f, Argb(255, 180, 150, 100));
        }
    }
}

// The water as the map shows it: the meshes' strips with their corners rounded, then shrunk a little so
// that the holes in the landscape always lie over water.
class WaterMask
{
public:
    WaterMask() : mCover(static_cast<std::size_t>(kWidth * kHeight), 0.0f)
    {
        std::vector<float> raw(mCover.size());
        for (int y = 0; y < kHeight; ++y)
        {
            for (int x = 0; x < kWidth; ++x)
            {
                raw[Index(x, y)] =
                    MapLayout::IsWater(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) ? 1.0f
                                                                                                   : 0.0f;
            }
        }
        Blur(raw, mCover, 7);
    }

    // 1 deep in the water, 0 far from it.
    float Cover(int x, int y) const { return mCover[Index(x, y)]; }

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kWidth + x); }

    static void Blur(const std::vector<float>& in, std::vector<float>& out, int radius)
    {
        std::vector<float> across(in.size());
        const float span = static_cast<float>(2 * radius + 1);
        for (int y = 0; y < kHeight; ++y)
        {
            for (int x = 0; x < kWidth; ++x)
            {
                float sum = 0.0f;
                for (int d = -radius; d <= radius; ++d)
                {
                    sum += in[Index(std::clamp(x + d, 0, kWidth - 1), y)];
                }
                across[Index(x, y)] = sum / span;
            }
        }
        for (int y = 0; y < kHeight; ++y)
        {
            for (int x = 0; x < kWidth; ++x)
            {
                float sum = 0.0f;
                for (int d = -radius; d <= radius; ++d)
                {
                    sum += across[Index(x, std::clamp(y + d, 0, kHeight - 1))];
                }
                out[Index(x, y)] = sum / span;
            }
        }
    }

    std::vector<float> mCover;
};

constexpr float kOpenWater = 0.66f;

void PaintBanksAndClearWater(Platform::Image& image, const WaterMask& water)
{
    const std::uint32_t sand = Argb(255, 186, 164, 110);
    const std::uint32_t wetSand = Argb(255, 150, 128, 84);
    const std::uint32_t reeds = Argb(255, 62, 112, 46);
    for (int y = 0; y < kHeight; ++y)
    {
        for (int x = 0; x < kWidth; ++x)
        {
            std::uint32_t& pixel = image.pixels[static_cast<std::size_t>(y * kWidth + x)];
            const float cover = water.Cover(x, y);
            if (cover >= kOpenWater)
            {
                pixel = 0u;
            }
            else if (cover >= 0.45f)
            {
                pixel = Mix(sand, wetSand, (cover - 0.45f) / (kOpenWater - 0.45f));
            }
            else if (cover >= 0.3f)
            {
                pixel = Mix(pixel, sand, (cover - 0.3f) / 0.15f);
            }
            else if (cover > 0.08f && (pixel >> 24) != 0)
            {
                pixel = Mix(pixel, reeds, 0.5f * (cover - 0.08f) / 0.22f);
            }
        }
    }
}

void PaintBridges(Canvas& c)
{
    // Planks wherever the path crosses water, with rails on both sides.
    const std::vector<Point>& bends = MapLayout::PathBends();
    for (std::size_t i = 0; i + 1 < bends.size(); ++i)
    {
        const float dx = bends[i + 1].x - bends[i].x;
        const float dy = bends[i + 1].y - bends[i].y;
        const float length = std::hypot(dx, dy);
        const float nx = -dy / length;
        const float ny = dx / length;
        for (float s = 0; s < length; s += 5.0f)
        {
            const float x = bends[i].x + dx * s / length;
            const float y = bends[i].y + dy * s / length;
            if (!NearWater(x, y, 10.0f))
            {
                continue;
            }
            const std::uint32_t plank =
                static_cast<int>(s / 5.0f) % 2 == 0 ? Argb(255, 160, 108, 60) : Argb(255, 140, 94, 52);
            c.Line(x - nx * 15, y - ny * 15, x + nx * 15, y + ny * 15, 4.6f, plank);
            c.Circle(x - nx * 15, y - ny * 15, 2.5f, Argb(255, 96, 60, 34));
            c.Circle(x + nx * 15, y + ny * 15, 2.5f, Argb(255, 96, 60, 34));
        }
    }
}

void PaintSpeckles(Canvas& c)
{
    std::uint32_t seed = 23;
    const std::uint32_t petals[] = {Argb(255, 250, 250, 250), Argb(255, 250, 220, 80),
                                    Argb(255, 230, 100, 120)};
    for (int i = 0; i < 900; ++i)
    {
        seed = seed * 214013u + 2531011u;
        const float x = static_cast<float>((seed >> 16) % 1024u);
        seed = seed * 214013u + 2531011u;
        const float y = static_cast<float>((seed >> 16) % 768u);
        if (y < Horizon(x) + 30.0f || DistanceToPath({x, y}) < 16.0f || NearWater(x, y, 6.0f))
        {
            continue;
        }
        if (i % 9 == 0)
        {
            c.Ellipse(x, y, 4.0f, 2.6f, Argb(255, 150, 146, 136));
            c.Ellipse(x - 1, y - 1, 2.5f, 1.4f, Argb(255, 190, 186, 176));
        }
        else if (i % 3 == 0)
        {
            c.Circle(x, y, 1.3f, petals[i % 3]);
        }
        else
        {
            c.Line(x, y, x + 1.5f, y - 4.0f, 1.0f, Argb(200, 60, 120, 40));
        }
    }
}

Platform::Image PaintBackground()
{
    Platform::Image image = Painting::Paint(kWidth, kHeight, Ground);
    PaintHills(image);
    Canvas c(image, 0, 0, kWidth, kHeight);
    PaintFields(c);
    PaintForest(c);
    PaintPath(c);
    const WaterMask water;
    PaintBanksAndClearWater(image, water);
    PaintBridges(c);
    PaintSpeckles(c);
    return image;
}

Platform::Image PaintSky()
{
    Platform::Image image =
        Painting::Paint(512, 128,
                        [](int, int y)
                        {
                            const float t = static_cast<float>(y) / 127.0f;
                            return Mix(Argb(255, 100, 160, 226), Argb(255, 214, 232, 244), t);
                        });
    // Clouds that wrap around, so that the sky can drift without a seam.
    for (int offset : {-512, 0, 512})
    {
        Canvas c(image, 0, 0, 512, 128);
        const float o = static_cast<float>(offset);
        for (const auto& cloud : {std::array<float, 3>{80, 40, 1.0f}, {250, 70, 0.8f}, {420, 30, 1.2f}})
        {
            for (int puff = 0; puff < 5; ++puff)
            {
                const float x = cloud[0] + o + static_cast<float>(puff) * 14.0f * cloud[2];
                const float y = cloud[1] - static_cast<float>(puff % 2) * 6.0f;
                c.Circle(x, y, 13.0f * cloud[2], Argb(230, 255, 255, 255));
            }
        }
    }
    return image;
}

std::vector<Frame> PackItems(const std::vector<MapLayout::Item>& items, int& width, int& height)
{
    width = 1024;
    std::vector<Frame> frames;
    int x = 0;
    int y = 0;
    int rowHeight = 0;
    for (const MapLayout::Item& item : items)
    {
        if (x + item.width > width)
        {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        frames.push_back({x, y, x + item.width, y + item.height});
        x += item.width;
        rowHeight = std::max(rowHeight, item.height);
    }
    height = y + rowHeight;
    return frames;
}

std::string FramesList(const std::vector<Frame>& frames, const char* indent)
{
    std::ostringstream out;
    for (const Frame& frame : frames)
    {
        out << indent << "{ " << frame.left << ", " << frame.top << ", " << frame.right << ", "
            << frame.bottom << " },\n";
    }
    return out.str();
}

bool WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    if (!out)
    {
        std::fprintf(stderr, "wf_map_pictures: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

std::string MenuButton(const char* name, int x, int y)
{
    std::ostringstream out;
    out << "    { Type = \"button\", Name = \"" << name << "\", Image = \"gui_widgets.png\", Pos = {" << x
        << ", " << y << "},\n"
        << "      Normal = {48, 0, 168, 36}, Over = {48, 36, 168, 72}, Pressed = {48, 72, 168, 108},\n"
        << "      Disabled = {48, 108, 168, 144}, Caption = \"" << name << "\",\n"
        << "      TextNormal = { Font = \"font02.fnt\", TextArea = {0, 0, 120, 36}, HAlign = \"center\", "
           "VAlign = "
           "\"center\" },\n"
        << "      TextOver = { Font = \"font02.fnt\", TextArea = {0, 0, 120, 36}, HAlign = \"center\", "
           "VAlign = "
           "\"center\", Colour = {1, 1, 0.8, 1} },\n"
        << "      TextPressed = { Font = \"font02.fnt\", TextArea = {0, 2, 120, 38}, HAlign = \"center\", "
           "VAlign = "
           "\"center\" },\n"
        << "      TextDisabled = { Font = \"font02.fnt\", TextArea = {0, 0, 120, 36}, HAlign = \"center\", "
           "VAlign = "
           "\"center\", Colour = {0.6, 0.6, 0.6, 1} } },\n";
    return out.str();
}

std::string MapScript(const std::vector<MapLayout::Item>& items, const std::vector<Frame>& itemFrames)
{
    std::ostringstream out;
    out << "-- The world map, written by the map painter: the landscape and its sky, the decorations (one "
           "frame\n"
           "-- of \"item_icons\" each, by item index), the level buttons along the path (six frames per "
           "type:\n"
           "-- locked, open, passed, gold cup, silver cup, waiting for goods) and the water under the "
           "banks.\n\n";
    out << "background = { Image = \"map_background.png\", SrcRect = { 0, 0, 1024, 768 }, Pos = { 0, 0 } }\n";
    out << "sky = { Image = \"map_sky.jpg\", SrcRect = { 0, 0, 512, 128 }, MoveUV = { 0.006, 0 },\n"
           "        DrawScale = { { 0, 0, 1024, 300, 0 } } }\n";
    out << "item_icons = { Image = \"map_items.png\", SrcRect = { " << itemFrames[0].left << ", "
        << itemFrames[0].top << ", " << itemFrames[0].right << ", " << itemFrames[0].bottom
        << " },\n  Animation = { FramesList = {\n"
        << FramesList(itemFrames, "    ") << "  } } }\n";
    std::vector<Frame> buttonFrames;
    for (int frame = 0; frame < 12; ++frame)
    {
        buttonFrames.push_back({frame * 36, 0, frame * 36 + 36, 48});
    }
    out << "button_icons = { Image = \"map_buttons.png\", SrcRect = { 0, 0, 36, 48 },\n  Animation = { "
           "FramesList = {\n"
        << FramesList(buttonFrames, "    ") << "  } } }\n";
    out << "button_selection = { Image = \"map_buttons.png\", SrcRect = { 432, 0, 468, 48 } }\n";
    out << "cup_selection = { Image = \"map_buttons.png\", SrcRect = { 468, 0, 504, 48 } }\n\n";
    out << "menu_buttons = {\n    Pos = { 0, 0 },\n"
        << MenuButton("MAP_SHOP", 892, 598) << MenuButton("MAP_MENU", 892, 642) << "}\n\n";
    out << "-- Effect: 0 blink, 1 sink, 2 fade, 3 none. AddFunctional: 2 turns the mill wheels, 3 the water "
           "wheel,\n"
           "-- 5 brings the first three animals back once the item is gone.\nitems = {\n";
    for (std::size_t index = 0; index < items.size(); ++index)
    {
        const MapLayout::Item& item = items[index];
        out << "    { Pos = { " << item.pos.x << ", " << item.pos.y << " }, Z = " << item.z
            << ", Effect = " << item.effect << ", Draw = " << (item.shownAtStart ? 1 : 0)
            << ", TimeEffect = 1.5, AddFunctional = " << item.functional << " }, -- " << index << " "
            << item.kind << "\n";
    }
    out << "}\n\nbuttons = {\n";
    const std::vector<Point> buttons = MapLayout::ButtonPositions();
    for (std::size_t index = 0; index < buttons.size(); ++index)
    {
        // The buttons beyond the river carry the blue ring.
        const int type = index >= 40 ? 1 : 0;
        out << "    { Pos = { " << buttons[index].x << ", " << buttons[index].y << " }, Type = " << type
            << " }, -- level " << index + 1 << "\n";
    }
    out << "}\n\n-- The water under the banks; the map places each row of a mesh from bank to bank.\n";
    for (const MapWater::Shape& water : MapWater::Shapes())
    {
        const bool pond = std::string(water.table) == "pond";
        out << water.table << " = { Image = \"water.jpg\", NumsCell = { 2, " << water.rows.size()
            << " }, MeshSize = { 256, 256 }, SrcRect = { 0, 0, " << (pond ? 384 : 128) << ", "
            << (pond ? 128 : 512) << " } }\n";
    }
    return out.str();
}

bool WriteMapPictures(const std::string& folder)
{
    bool ok = Painting::WritePng(PaintBackground(), folder + "/map_background.png");
    ok &= Painting::WriteJpeg(PaintSky(), folder + "/map_sky.jpg");

    const std::vector<MapLayout::Item> items = MapLayout::Items();
    int sheetWidth = 0;
    int sheetHeight = 0;
    const std::vector<Frame> frames = PackItems(items, sheetWidth, sheetHeight);
    Platform::Image sheet = Blank(sheetWidth, sheetHeight);
    for (std::size_t index = 0; index < items.size(); ++index)
    {
        Canvas c(sheet, frames[index].left, frames[index].top, items[index].width, items[index].height);
        MapArt::Decoration(c, items[index].kind);
    }
    ok &= Painting::WritePng(sheet, folder + "/map_items.png");

    Platform::Image buttons = Blank(36 * 14, 48);
    for (int type = 0; type < 2; ++type)
    {
        for (int state = 0; state < 6; ++state)
        {
            Canvas c(buttons, (type * 6 + state) * 36, 0, 36, 48);
            MapArt::LevelButton(c, type, state);
        }
    }
    for (int cup = 0; cup < 2; ++cup)
    {
        Canvas c(buttons, (12 + cup) * 36, 0, 36, 48);
        MapArt::Selection(c, cup == 1);
    }
    ok &= Painting::WritePng(buttons, folder + "/map_buttons.png");

    Platform::Image wheel = Blank(64, 64);
    Canvas wheelCanvas(wheel, 0, 0, 64, 64);
    MapArt::WaterWheel(wheelCanvas);
    ok &= Painting::WritePng(wheel, folder + "/map_whell.png");

    const std::array<const char*, 4> animals{"sheep", "duck", "chicken", "cow"};
    Platform::Image animalSheet = Blank(48 * 4, 36 * 4);
    for (std::size_t kind = 0; kind < animals.size(); ++kind)
    {
        for (int frame = 0; frame < 4; ++frame)
        {
            Canvas c(animalSheet, frame * 48, static_cast<int>(kind) * 36, 48, 36);
            MapArt::Animal(c, animals[kind], frame);
        }
    }
    ok &= Painting::WritePng(animalSheet, folder + "/map_animals.png");
    ok &= WriteText(folder + "/Map.lua", MapScript(items, frames));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: wf_map_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = WriteMapPictures(folder);
    ok &= MapPictures::WriteShopPictures(folder);
    ok &= MapPictures::WriteBoardPictures(folder);
    return ok ? 0 : 1;
}
