#include "platform/FrameDamage.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace
{

using Platform::FrameDamage;
using Platform::PixelRect;
using Platform::RasterState;
using Platform::ScreenVertex;

constexpr int kWidth = 200; // not a whole number of tiles
constexpr int kHeight = 100;

// Two triangles of a square with its top-left corner at (x, y).
struct Square
{
    double x = 0.0;
    double y = 0.0;
    double side = 10.0;
    std::uint64_t state = FrameDamage::HashState(RasterState{}, 0, 0);
};

void Draw(FrameDamage& damage, const Square& square)
{
    const ScreenVertex a{square.x, square.y, 0, 0, 0xFFFFFFFFu};
    const ScreenVertex b{square.x + square.side, square.y, 1, 0, 0xFFFFFFFFu};
    const ScreenVertex c{square.x + square.side, square.y + square.side, 1, 1, 0xFFFFFFFFu};
    const ScreenVertex d{square.x, square.y + square.side, 0, 1, 0xFFFFFFFFu};
    damage.AddTriangle(square.state, a, b, c);
    damage.AddTriangle(square.state, c, d, a);
}

std::vector<PixelRect> Frame(FrameDamage& damage, const std::vector<Square>& squares, int width = kWidth,
                             int height = kHeight)
{
    damage.BeginFrame(width, height);
    damage.AddClear(0x203040u);
    for (const Square& square : squares)
    {
        Draw(damage, square);
    }
    return damage.EndFrame();
}

bool Covers(const std::vector<PixelRect>& rectangles, int x, int y)
{
    for (const PixelRect& r : rectangles)
    {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
        {
            return true;
        }
    }
    return false;
}

int Area(const std::vector<PixelRect>& rectangles)
{
    int area = 0;
    for (const PixelRect& r : rectangles)
    {
        area += (r.right - r.left) * (r.bottom - r.top);
    }
    return area;
}

TEST(FrameDamage, AFirstFrameIsWholeAndTheSameFrameAgainChangesNothing)
{
    FrameDamage damage;
    const std::vector<Square> scene = {{20, 20}, {150, 70, 25}};
    EXPECT_EQ(Area(Frame(damage, scene)), kWidth * kHeight);
    EXPECT_TRUE(Frame(damage, scene).empty());
    damage.Forget();
    EXPECT_EQ(Area(Frame(damage, scene)), kWidth * kHeight);
    // A new size has nothing to compare with.
    EXPECT_EQ(Area(Frame(damage, scene, 64, 64)), 64 * 64);
}

TEST(FrameDamage, AMovedSquareChangesTheTilesOfBothPlacesOnly)
{
    FrameDamage damage;
    Frame(damage, {{40, 40}, {150, 5}});
    const std::vector<PixelRect> changed = Frame(damage, {{44.25, 40}, {150, 5}});
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{40, 40}, {49, 49}, {54, 49}})
    {
        EXPECT_TRUE(Covers(changed, x, y)) << x << "," << y;
    }
    EXPECT_FALSE(Covers(changed, 155, 10)); // the square that stayed
    EXPECT_LE(Area(changed), 4 * FrameDamage::kTileSide * FrameDamage::kTileSide);
}

TEST(FrameDamage, WhatTellsTwoFramesApart)
{
    struct Case
    {
        const char* name;
        std::vector<Square> before;
        std::vector<Square> after;
    };
    Square textured{60, 60};
    textured.state = FrameDamage::HashState(RasterState{}, 7, 1);
    Square relocked = textured;
    relocked.state = FrameDamage::HashState(RasterState{}, 7, 2); // the texture's pixels changed
    Square other = textured;
    other.state = FrameDamage::HashState(RasterState{}, 8, 1); // another texture
    Square blended = textured;
    RasterState additive;
    additive.destinationBlend = Platform::BlendFactor::One;
    blended.state = FrameDamage::HashState(additive, 7, 1);
    const Square under{55, 55, 20};
    const Case cases[] = {
        {"the texture's pixels", {textured}, {relocked}},
        {"another texture", {textured}, {other}},
        {"the blend", {textured}, {blended}},
        {"the order of two overlapping squares", {textured, under}, {under, textured}},
        {"a square that went", {textured, under}, {under}},
    };
    for (const Case& test : cases)
    {
        FrameDamage damage;
        Frame(damage, test.before);
        EXPECT_TRUE(Covers(Frame(damage, test.after), 62, 62)) << test.name;
    }
}

TEST(FrameDamage, PrimitivesOffTheTargetOrNotFiniteAreTakenSafely)
{
    FrameDamage damage;
    Frame(damage, {{20, 20}});
    // Far outside the target: no tile changes, and no coordinate overflows.
    EXPECT_TRUE(Frame(damage, {{20, 20}, {1e12, -1e12}, {-500, 30}}).empty());
    Frame(damage, {{20, 20}});
    damage.BeginFrame(kWidth, kHeight);
    damage.AddClear(0x203040u);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    damage.AddLine(FrameDamage::HashState(RasterState{}, 0, 0), {nan, 3, 0, 0, 0}, {5, 5, 0, 0, 0});
    EXPECT_EQ(Area(damage.EndFrame()), kWidth * kHeight);
}

TEST(FrameDamage, RowsOfTheSameColumnsMergeIntoOneRectangle)
{
    FrameDamage damage;
    Frame(damage, {});
    const std::vector<PixelRect> changed =
        Frame(damage, {{40, 5, 10}, {40, 40, 10}, {40, 75, 10}, {130, 20, 5}});
    // The squares above each other in the tiles x 32..63 make one rectangle three tiles tall; the square
    // on its own another.
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[0].left, 32);
    EXPECT_EQ(changed[0].right, 64);
    EXPECT_EQ(changed[0].top, 0);
    EXPECT_EQ(changed[0].bottom, 3 * FrameDamage::kTileSide);
    EXPECT_EQ(changed[1].left, 128);
}

} // namespace

namespace
{

// Which 32 x 32 tiles of a 256 x 256 target a frame gives as changed, as "column,row" strings.
std::vector<std::string> ChangedTiles(const std::vector<PixelRect>& rectangles)
{
    std::vector<std::string> tiles;
    for (int row = 0; row < 8; ++row)
    {
        for (int column = 0; column < 8; ++column)
        {
            if (Covers(rectangles, column * 32, row * 32))
            {
                tiles.push_back(std::to_string(column) + "," + std::to_string(row));
            }
        }
    }
    return tiles;
}

} // namespace

// A 64 x 64 texture drawn four times its size over a 256 x 256 target, its texels changed in one
// rectangle: only the tiles that sample those texels change, with their filtered neighbours, and with
// the far edges a wrapping sampler reads beside the near ones.
TEST(FrameDamage, ChangedTexelsOfADrawnTextureChangeTheTilesThatSampleThem)
{
    const ScreenVertex a{0, 0, 0, 0, 0xFFFFFFFFu};
    const ScreenVertex b{256, 0, 1, 0, 0xFFFFFFFFu};
    const ScreenVertex c{256, 256, 1, 1, 0xFFFFFFFFu};
    const ScreenVertex d{0, 256, 0, 1, 0xFFFFFFFFu};
    const std::uint64_t state = FrameDamage::HashState(RasterState{}, 7, 0);
    struct Case
    {
        const char* name;
        PixelRect texels;
        std::vector<std::string> tiles;
    };
    const Case cases[] = {
        // Texel 25 lands on pixels 100 to 104; its neighbour 24 (pixels 96 on) is filtered with it.
        {"inside", {25, 25, 26, 26}, {"2,2", "3,2", "2,3", "3,3"}},
        {"the top-left corner", {0, 0, 1, 1}, {"0,0", "7,0", "0,7", "7,7"}},
        {"the right edge", {63, 30, 64, 31}, {"0,3", "7,3", "0,4", "7,4"}},
        {"nowhere", {}, {}},
    };
    for (const Case& test : cases)
    {
        FrameDamage damage;
        for (int frame = 0; frame < 2; ++frame)
        {
            damage.BeginFrame(256, 256);
            damage.AddClear(0);
            damage.AddTriangle(state, a, b, c);
            damage.AddTriangle(state, c, d, a);
            if (!test.texels.IsEmpty())
            {
                const std::uint64_t change = FrameDamage::HashState(RasterState{}, 100 + frame, 0);
                damage.AddTextureChanges(change, a, b, c, 64, 64, {test.texels});
                damage.AddTextureChanges(change, c, d, a, 64, 64, {test.texels});
            }
            const std::vector<PixelRect>& changed = damage.EndFrame();
            if (frame == 1)
            {
                EXPECT_EQ(ChangedTiles(changed), test.tiles) << test.name;
            }
        }
    }
}
