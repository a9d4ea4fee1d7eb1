#include "tools/levelgen/LevelPictures.h"

#include "platform/Image.h"
#include "platform/JpegWriter.h"
#include "tools/Common/Painting.h"
#include "tools/GardenPictures/GardenTiles.h"
#include "tools/RopePictures/LinkTiles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

using Painting::Argb;
using Painting::Mix;
using Painting::Paint;
using Painting::WritePng;

namespace
{

constexpr int kJpegQuality = 90;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 24;
constexpr int kSheetColumns = 16;
constexpr int kSheetRows = 14;

void Set(Platform::Image& image, int x, int y, std::uint32_t colour)
{
    if (x >= 0 && y >= 0 && x < image.width && y < image.height)
    {
        image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                     static_cast<std::size_t>(x)] = colour;
    }
}

// A 5 x 7 pixel alphabet of our own for the placeholders' labels: each glyph is 7 rows of 5 bits.
const std::array<std::array<std::uint8_t, 7>, 26> kLetters = {{
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, // A
    {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}, // B
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, // C
    {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}, // D
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, // E
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}, // F
    {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, // G
    {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, // H
    {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, // I
    {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}, // J
    {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, // K
    {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}, // L
    {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, // M
    {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}, // N
    {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, // O
    {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}, // P
    {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, // Q
    {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}, // R
    {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, // S
    {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}, // T
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, // U
    {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}, // V
    {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, // W
    {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}, // X
    {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}, // Y
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}, // Z
}};

// Writes the label centred across the picture with its top at y, each font pixel scale x scale.
void DrawLabel(Platform::Image& image, const std::string& label, int y, int scale, std::uint32_t colour)
{
    const int advance = 6 * scale;
    const int width = static_cast<int>(label.size()) * advance - scale;
    int x = (image.width - width) / 2;
    for (const char c : label)
    {
        if (c >= 'A' && c <= 'Z')
        {
            const auto& glyph = kLetters[static_cast<std::size_t>(c - 'A')];
            for (int row = 0; row < 7; ++row)
            {
                for (int column = 0; column < 5; ++column)
                {
                    if ((glyph[static_cast<std::size_t>(row)] >> (4 - column) & 1) == 0)
                    {
                        continue;
                    }
                    for (int dy = 0; dy < scale; ++dy)
                    {
                        for (int dx = 0; dx < scale; ++dx)
                        {
                            Set(image, x + column * scale + dx, y + row * scale + dy, colour);
                        }
                    }
                }
            }
        }
        x += advance;
    }
}

// A JPEG, and beside it its alpha as a greyscale "_a.jpg" when the picture has clear parts.
bool WriteJpeg(const Platform::Image& image, const std::string& path, bool withAlpha)
{
    bool ok = Platform::JpegWriter::WriteFile(image, kJpegQuality, false, path);
    if (withAlpha)
    {
        Platform::Image alpha = image;
        for (std::uint32_t& pixel : alpha.pixels)
        {
            const int a = static_cast<int>(pixel >> 24);
            pixel = Argb(255, a, a, a);
        }
        ok = ok && Platform::JpegWriter::WriteFile(alpha, kJpegQuality, true,
                                                   path.substr(0, path.rfind('.')) + "_a.jpg");
    }
    if (!ok)
    {
        std::fprintf(stderr, "wf_levelgen: cannot write %s\n", path.c_str());
    }
    return ok;
}

bool InRange(int code, int first, int last)
{
    return code >= first && code <= last;
}

// One cell of a tile sheet by its tile code (frame + 1). Floors are grass over earth in the style's
// colours; ladders, ropes and their highlighted forms; the cell highlight; the wet mark; and a few
// decorations (flowers, bushes, fence, stones).
std::uint32_t TileCell(int style, int code, int x, int y)
{
    const std::uint32_t clear = 0;
    const std::array<std::uint32_t, 4> grass = {Argb(255, 92, 160, 60), Argb(255, 150, 170, 70),
                                                Argb(255, 70, 140, 110), Argb(255, 120, 150, 90)};
    const bool floor =
        InRange(code, 2, 6) || InRange(code, 180, 184) || InRange(code, 196, 200) || InRange(code, 212, 216);
    const auto floorPixel = [&]()
    {
        if (y < 6)
        {
            return ((x + y * 3) % 7 == 0)
                       ? Mix(grass[static_cast<std::size_t>(style)], Argb(255, 255, 255, 200), 0.3f)
                       : grass[static_cast<std::size_t>(style)];
        }
        const float t = static_cast<float>(y - 6) / 18.0f;
        return Mix(Argb(255, 130, 90, 50), Argb(255, 90, 60, 35), t);
    };
    if (floor)
    {
        return floorPixel();
    }
    if (std::uint32_t link = 0; LinkTiles::Cell(code, x, y, floorPixel(), link))
    {
        return link;
    }
    const auto ladder = [&](std::uint32_t wood)
    {
        if ((x >= 16 && x <= 20) || (x >= 44 && x <= 48))
        {
            return wood;
        }
        return (x > 20 && x < 44 && y % 12 >= 4 && y % 12 <= 6) ? wood : clear;
    };
    // 71 and 147 are the stairs the sample levels use for their fixed ladders, which characters climb;
    // 147 is a ladder's top, on the floor it leads down from.
    if (InRange(code, 34, 38) || code == 71)
    {
        return ladder(Argb(255, 150, 100, 50));
    }
    if (code == 147)
    {
        const std::uint32_t rail = ladder(Argb(255, 150, 100, 50));
        return y >= 6 && rail != clear ? rail : TileCell(style, 2, x, y);
    }
    const auto rope = [&](std::uint32_t colour)
    {
        const int centre = 32 + static_cast<int>(std::lround(2.0 * std::sin(y * 0.8)));
        return std::abs(x - centre) <= 2 ? colour : clear;
    };
    if (InRange(code, 65, 67) || InRange(code, 69, 72) || InRange(code, 145, 147) || code == 40 ||
        code == 56 || code == 88 || code == 104 || code == 120 || code == 85 || code == 86 || code == 87 ||
        code == 101 || code == 102 || code == 103 || code == 118 || code == 119 || code == 161)
    {
        return rope(Argb(255, 200, 170, 110));
    }
    if (code == 136 || code == 152 || code == 135 || code == 151 || code == 167 || code == 134 ||
        code == 150 || code == 166 || code == 193 || code == 209 || code == 133 || code == 149)
    {
        return rope(Argb(255, 255, 240, 120));
    }
    if (std::uint32_t soil = 0; GardenTiles::Cell(code, x, y, soil))
    {
        return soil;
    }
    if (code == 100)
    {
        const float dx = (static_cast<float>(x) - 32.0f) / 28.0f;
        const float dy = (static_cast<float>(y) - 16.0f) / 6.0f;
        return dx * dx + dy * dy <= 1.0f ? Argb(160, 40, 60, 110) : clear;
    }
    if (InRange(code, 11, 14))
    {
        // Flowers: stems with a coloured head, the colour by code.
        const std::array<std::uint32_t, 4> heads = {Argb(255, 230, 80, 90), Argb(255, 250, 220, 70),
                                                    Argb(255, 160, 110, 230), Argb(255, 250, 250, 250)};
        const int stem = (x % 16) - 8;
        if (y >= 10 && std::abs(stem) <= 0)
        {
            return Argb(255, 60, 120, 40);
        }
        const float hx = static_cast<float>(stem);
        const float hy = static_cast<float>(y - 7);
        return hx * hx + hy * hy <= 10.0f ? heads[static_cast<std::size_t>(code - 11)] : clear;
    }
    if (InRange(code, 15, 16))
    {
        // A bush.
        const float dx = (static_cast<float>(x) - 32.0f) / 30.0f;
        const float dy = (static_cast<float>(y) - 24.0f) / 22.0f;
        const float r = dx * dx + dy * dy;
        return r <= 1.0f ? Mix(Argb(255, 50, 110, 40), Argb(255, 30, 80, 30), r) : clear;
    }
    if (code == 17)
    {
        // A fence.
        const bool post = x % 32 < 5;
        const bool rail = (y >= 6 && y <= 9) || (y >= 15 && y <= 18);
        return post || rail ? Argb(255, 200, 180, 140) : clear;
    }
    if (code == 18)
    {
        // Stones.
        const float dx = (static_cast<float>(x % 32) - 16.0f) / 12.0f;
        const float dy = (static_cast<float>(y) - 18.0f) / 6.0f;
        return dx * dx + dy * dy <= 1.0f ? Argb(255, 140, 140, 130) : clear;
    }
    return clear;
}

bool WriteTileSheet(const std::string& folder, int style)
{
    const Platform::Image sheet =
        Paint(kSheetColumns * kCellWidth, kSheetRows * kCellHeight,
              [style](int x, int y)
              {
                  const int frame = (y / kCellHeight) * kSheetColumns + x / kCellWidth;
                  return TileCell(style, frame + 1, x % kCellWidth, y % kCellHeight);
              });
    return WriteJpeg(sheet, folder + "obj" + std::to_string(style + 1) + ".jpg", true);
}

// A backdrop: hills and fields in the style's colours; clear where the sky (above the horizon) and the
// water (given as a test) show through.
// The first backdrop's windmills, one under each of the three sails that the backdrop turns (their
// hubs where the skewed sail meshes have their middles): a tapering tower of stone courses with offset
// joints, shaded on its right, under a dark cap that holds the hub, with a door at its foot and a
// window; 0 outside every tower.
struct MillTowerPlace
{
    int centre;
    int top;
    float half;
};
constexpr std::array<MillTowerPlace, 3> kMillTowers{
    {{318, 135, 13.0f}, {286, 110, 10.0f}, {196, 145, 15.0f}}};

std::uint32_t MillTowerPixel(const MillTowerPlace& tower, int x, int y, float foot)
{
    const float fy = static_cast<float>(y);
    const float dx = static_cast<float>(x - tower.centre);
    const std::uint32_t outline = Argb(255, 90, 80, 70);
    // The cap: a rounded roof of dark boards from a little above the hub to the tower's top course.
    const float capHeight = tower.half * 0.9f;
    const float capTop = static_cast<float>(tower.top) - capHeight * 0.5f;
    if (fy >= capTop && fy < capTop + capHeight)
    {
        const float u = (fy - capTop) / capHeight;
        const float capHalf = (tower.half + 3.0f) * std::sqrt(std::max(0.0f, u));
        if (std::abs(dx) <= capHalf)
        {
            return std::abs(dx) > capHalf - 1.5f
                       ? outline
                       : Mix(Argb(255, 120, 60, 45), Argb(255, 70, 40, 30),
                             std::clamp(dx / (capHalf + 1.0f) * 0.5f + 0.5f, 0.0f, 1.0f));
        }
        return 0;
    }
    if (fy < capTop + capHeight || fy >= foot)
    {
        return 0;
    }
    const float below = fy - (capTop + capHeight);
    const float half = tower.half + below * 0.09f;
    if (std::abs(dx) > half)
    {
        return 0;
    }
    if (std::abs(dx) > half - 1.5f)
    {
        return outline;
    }
    const float door = tower.half * 0.35f;
    if (std::abs(dx) <= door && fy >= foot - door * 3.3f)
    {
        return std::abs(dx) > door - 1.5f || fy < foot - door * 3.3f + 1.5f ? outline
                                                                            : Argb(255, 110, 72, 40);
    }
    const float window = tower.half * 0.2f;
    if (std::abs(dx) <= window && below >= tower.half * 1.4f && below <= tower.half * 2.4f)
    {
        return Argb(255, 60, 55, 60);
    }
    const int course = static_cast<int>(below) / 9;
    const bool joint = static_cast<int>(below) % 9 == 0 || (x + (course % 2) * 7) % 14 == 0;
    std::uint32_t stone = Argb(255, 215, 205, 185);
    stone = Mix(stone, Argb(255, 150, 140, 125), std::clamp((dx + half * 0.2f) / (half * 1.2f), 0.0f, 1.0f));
    return joint ? Mix(stone, outline, 0.45f) : stone;
}

// The nearest tower's pixel at (x, y): the lowest top stands in front.
std::uint32_t MillTower(int x, int y, float foot)
{
    std::uint32_t colour = 0;
    int frontTop = -1;
    for (const MillTowerPlace& tower : kMillTowers)
    {
        if (tower.top <= frontTop)
        {
            continue;
        }
        if (const std::uint32_t pixel = MillTowerPixel(tower, x, y, foot))
        {
            colour = pixel;
            frontTop = tower.top;
        }
    }
    return colour;
}

bool WriteBackdrop(const std::string& folder, int index, int height, float horizon,
                   const std::function<bool(int, int)>& water)
{
    const std::array<std::array<std::uint32_t, 2>, 4> land = {{
        {Argb(255, 120, 170, 80), Argb(255, 70, 120, 50)},
        {Argb(255, 170, 180, 90), Argb(255, 110, 130, 60)},
        {Argb(255, 90, 160, 120), Argb(255, 50, 110, 80)},
        {Argb(255, 140, 160, 110), Argb(255, 80, 110, 70)},
    }};
    const auto& colours = land[static_cast<std::size_t>(index)];
    const Platform::Image image =
        Paint(1024, height,
              [&](int x, int y)
              {
                  const float hill =
                      horizon + 30.0f * std::sin(static_cast<float>(x) * 0.006f + static_cast<float>(index)) +
                      12.0f * std::sin(static_cast<float>(x) * 0.021f);
                  if (index == 0)
                  {
                      if (const std::uint32_t tower = MillTower(x, y, hill + 20.0f))
                      {
                          return tower;
                      }
                  }
                  if (static_cast<float>(y) < hill || water(x, y))
                  {
                      return 0u;
                  }
                  const float t = (static_cast<float>(y) - hill) / (static_cast<float>(height) - hill);
                  std::uint32_t colour = Mix(colours[0], colours[1], t);
                  // Furrows across the fields.
                  if ((y / 18) % 3 == 0 && y > static_cast<int>(hill) + 40)
                  {
                      colour = Mix(colour, Argb(255, 60, 50, 30), 0.15f);
                  }
                  return colour;
              });
    return WriteJpeg(image, folder + "bk" + std::to_string(index + 1) + ".jpg", true);
}

// How much cloud covers a point of a sky picture, 0 to 1: soft puffs made of round blobs, measured
// across the picture's width as if it wrapped round, and kept clear of its top and bottom, so that the
// tiled sky shows whole clouds and no seams.
float CloudDensity(int x, int y, int style)
{
    struct Puff
    {
        float x, y, rx, ry;
    };
    static constexpr Puff kPuffs[] = {{40.0f, 70.0f, 46.0f, 18.0f},   {80.0f, 58.0f, 30.0f, 16.0f},
                                      {210.0f, 140.0f, 56.0f, 20.0f}, {250.0f, 126.0f, 32.0f, 16.0f},
                                      {360.0f, 80.0f, 40.0f, 16.0f},  {470.0f, 180.0f, 50.0f, 18.0f},
                                      {500.0f, 168.0f, 28.0f, 14.0f}};
    constexpr float kWidth = 512.0f;
    float density = 0.0f;
    for (const Puff& puff : kPuffs)
    {
        float dx =
            std::abs(static_cast<float>(x) - std::fmod(puff.x + 67.0f * static_cast<float>(style), kWidth));
        dx = std::min(dx, kWidth - dx);
        const float dy = static_cast<float>(y) - puff.y;
        density += std::exp(-(dx * dx) / (puff.rx * puff.rx) - (dy * dy) / (puff.ry * puff.ry));
    }
    // A soft edge: thin cloud fades out, thick cloud is white.
    return std::clamp((density - 0.25f) * 1.6f, 0.0f, 1.0f);
}

bool WriteSky(const std::string& folder, int index)
{
    const std::array<std::uint32_t, 4> tops = {Argb(255, 90, 150, 220), Argb(255, 120, 170, 230),
                                               Argb(255, 80, 130, 200), Argb(255, 150, 150, 210)};
    const Platform::Image sky =
        Paint(512, 256,
              [&](int x, int y)
              {
                  const float t = static_cast<float>(y) / 256.0f;
                  std::uint32_t colour =
                      Mix(tops[static_cast<std::size_t>(index)], Argb(255, 235, 240, 250), t);
                  return Mix(colour, Argb(255, 255, 255, 255), 0.8f * CloudDensity(x, y, index));
              });
    return WriteJpeg(sky, folder + "sky" + std::to_string(index + 1) + ".jpg", false);
}

bool WriteSceneryPictures(const std::string& folder)
{
    bool ok = true;
    // Four frames of a bird, wings up to wings down.
    ok &= WritePng(Paint(256, 32,
                         [](int x, int y)
                         {
                             const int frame = x / 64;
                             const int local = x % 64 - 32;
                             const int wing = 14 - frame * 6;
                             const int yy = y - 16;
                             const bool body = std::abs(local) <= 5 && std::abs(yy) <= 2;
                             const bool wings =
                                 std::abs(local) <= 28 && std::abs(yy - wing * std::abs(local) / 28) <= 1;
                             return body || wings ? Argb(255, 40, 40, 50) : 0u;
                         }),
                   folder + "bird.png");
    ok &=
        WriteJpeg(Paint(256, 256,
                        [](int x, int y)
                        {
                            const float wave =
                                std::sin(static_cast<float>(x) * 0.1f + static_cast<float>(y) * 0.05f) *
                                std::sin(static_cast<float>(y) * 0.2f);
                            return Mix(Argb(255, 40, 100, 170), Argb(255, 120, 180, 230), 0.5f + 0.5f * wave);
                        }),
                  folder + "water.jpg", false);
    ok &= WritePng(Paint(96, 96,
                         [](int x, int y)
                         {
                             const int dx = x - 48;
                             const int dy = y - 48;
                             const bool arm =
                                 (std::abs(dx) <= 5 || std::abs(dy) <= 5) && dx * dx + dy * dy <= 46 * 46;
                             const bool cloth =
                                 ((dx > 5 && dy < -5 && dy > -20) || (dx < -5 && dy > 5 && dy < 20) ||
                                  (dy > 5 && dx > 5 && dx < 20) || (dy < -5 && dx < -5 && dx > -20)) &&
                                 dx * dx + dy * dy <= 46 * 46;
                             // The hub that holds the arms: a dark boss with a light rim.
                             const int hub = dx * dx + dy * dy;
                             if (hub <= 5 * 5)
                             {
                                 return Argb(255, 60, 40, 25);
                             }
                             if (hub <= 8 * 8)
                             {
                                 return Argb(255, 150, 110, 70);
                             }
                             return arm ? Argb(255, 120, 80, 40) : cloth ? Argb(230, 240, 235, 220) : 0u;
                         }),
                   folder + "Mill01.png");
    ok &= WritePng(Paint(96, 96,
                         [](int x, int y)
                         {
                             const int dx = x - 48;
                             const int dy = y - 48;
                             const int r2 = dx * dx + dy * dy;
                             const bool rim = r2 <= 46 * 46 && r2 >= 40 * 40;
                             const bool spoke =
                                 r2 <= 46 * 46 && (std::abs(dx) <= 2 || std::abs(dy) <= 2 ||
                                                   std::abs(dx - dy) <= 2 || std::abs(dx + dy) <= 2);
                             return rim || spoke ? Argb(255, 110, 75, 40) : 0u;
                         }),
                   folder + "bk03_whell.png");
    // A sheep grazing in four frames: the head goes down to the grass and up again.
    ok &= WritePng(Paint(256, 48,
                         [](int x, int y)
                         {
                             const int frame = x / 64;
                             const int local = x % 64;
                             const float bx = (static_cast<float>(local) - 30.0f) / 20.0f;
                             const float by = (static_cast<float>(y) - 24.0f) / 11.0f;
                             if (bx * bx + by * by <= 1.0f)
                             {
                                 return Argb(255, 245, 245, 235);
                             }
                             const bool leg = (local == 18 || local == 19 || local == 40 || local == 41) &&
                                              y > 32 && y < 46;
                             const int headY = 16 + (frame == 0 || frame == 3 ? 0 : frame * 8);
                             const float hx = (static_cast<float>(local) - 52.0f) / 6.0f;
                             const float hy = (static_cast<float>(y - headY)) / 5.0f;
                             return leg || hx * hx + hy * hy <= 1.0f ? Argb(255, 50, 45, 40) : 0u;
                         }),
                   folder + "animals.png");
    // Scenery: a flag waving in four frames.
    ok &= WritePng(
        Paint(256, 64,
              [](int x, int y)
              {
                  const int frame = x / 64;
                  const int local = x % 64;
                  if (local >= 6 && local <= 8)
                  {
                      return Argb(255, 90, 60, 30);
                  }
                  const float wave = 4.0f * std::sin(static_cast<float>(local) * 0.2f + frame * 1.5f);
                  const float top = 6.0f + wave;
                  return local > 8 && local < 50 && y > top && y < top + 24.0f ? Argb(255, 200, 50, 50) : 0u;
              }),
        folder + "scenery_flag.png");
    return ok;
}

// A labelled placeholder: a rounded panel in the kind's colour with its name in capitals.
bool WritePlaceholder(const std::string& folder, const std::string& name, const std::string& label,
                      std::uint32_t colour, int width, int height)
{
    Platform::Image image = Paint(width, height,
                                  [&](int x, int y)
                                  {
                                      const int edge = std::min({x, y, width - 1 - x, height - 1 - y});
                                      if (edge < 2)
                                      {
                                          return Argb(255, 40, 30, 20);
                                      }
                                      const float t = static_cast<float>(y) / static_cast<float>(height);
                                      return Mix(colour, Argb(255, 40, 30, 20), 0.35f * t);
                                  });
    const int scale = std::max(1, std::min(3, (width - 8) / (6 * static_cast<int>(label.size()))));
    DrawLabel(image, label, (height - 7 * scale) / 2, scale, Argb(255, 255, 255, 255));
    return WritePng(image, folder + "ph_" + name + ".png");
}

} // namespace

bool LevelPictures::WriteAll(const std::string& folderName)
{
    const std::string folder = folderName + "/";
    bool ok = true;
    for (int style = 0; style < 4; ++style)
    {
        ok &= WriteTileSheet(folder, style);
        ok &= WriteSky(folder, style);
    }
    // The mill backdrop's river runs down its middle; the river backdrop has a river and a pond; the lake
    // backdrop a river across its foot.
    // The first backdrop's river lies where the game lays its water mesh: banks given row by row.
    ok &= WriteBackdrop(
        folder, 0, 722, 300.0f,
        [](int x, int y)
        {
            constexpr float kBanks[4][3] = {{306.0f, 0.0f, 410.0f},
                                            {448.0f, 500.0f, 577.0f},
                                            {580.0f, 451.0f, 559.0f},
                                            {721.0f, 578.0f, 1007.0f}};
            const float fy = static_cast<float>(y);
            for (int row = 0; row < 3; ++row)
            {
                if (fy >= kBanks[row][0] && fy <= kBanks[row + 1][0])
                {
                    const float t = (fy - kBanks[row][0]) / (kBanks[row + 1][0] - kBanks[row][0]);
                    const float left = kBanks[row][1] + (kBanks[row + 1][1] - kBanks[row][1]) * t;
                    const float right = kBanks[row][2] + (kBanks[row + 1][2] - kBanks[row][2]) * t;
                    const float fx = static_cast<float>(x);
                    return fx > left + 6.0f && fx < right - 6.0f;
                }
            }
            return false;
        });
    ok &= WriteBackdrop(folder, 1, 678, 280.0f, [](int, int) { return false; });
    ok &= WriteBackdrop(folder, 2, 710, 290.0f,
                        [](int x, int y)
                        {
                            // The river comes down past the water wheel (centred at 296, 350).
                            const bool river = y > 318 && std::abs(x - 318 - (y - 330) / 3) < 30;
                            const float px = (static_cast<float>(x) - 820.0f) / 120.0f;
                            const float py = (static_cast<float>(y) - 560.0f) / 50.0f;
                            return river || px * px + py * py <= 1.0f;
                        });
    ok &= WriteBackdrop(folder, 3, 768, 310.0f, [](int, int y) { return y > 700; });
    ok &= WriteSceneryPictures(folder);

    struct Placeholder
    {
        const char* name;
        const char* label;
        std::uint32_t colour;
        int width;
        int height;
    };
    const Placeholder placeholders[] = {
        {"gardener", "G", Argb(255, 90, 160, 60), 32, 64},
        {"errandboy", "B", Argb(255, 80, 120, 200), 32, 64},
        {"fairy", "F", Argb(255, 220, 140, 220), 32, 64},
        {"buyer", "C", Argb(255, 230, 190, 80), 32, 64},
        {"thief", "T", Argb(255, 60, 60, 60), 32, 64},
    };
    for (const Placeholder& placeholder : placeholders)
    {
        ok &= WritePlaceholder(folder, placeholder.name, placeholder.label, placeholder.colour,
                               placeholder.width, placeholder.height);
    }
    return ok;
}
