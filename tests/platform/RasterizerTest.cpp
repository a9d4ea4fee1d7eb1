#include "platform/Rasterizer.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace
{

using Platform::BlendFactor;
using Platform::DeviceTexture;
using Platform::PixelRect;
using Platform::Rasterizer;
using Platform::RasterState;
using Platform::ScreenVertex;
using Platform::TextureAddress;
using Platform::TextureFilter;
using Platform::TextureUsage;

constexpr std::uint16_t kQuadIndices[6] = {0, 1, 2, 2, 3, 0};

// A quad in pixel space, corners in the order the engine writes them: bottom-left, bottom-right,
// top-right, top-left, with the texture's bottom edge at the bottom.
struct Quad
{
    ScreenVertex corners[4];
};

Quad MakeQuad(double left, double top, double right, double bottom, std::uint32_t colour = 0xFFFFFFFFu)
{
    Quad quad;
    quad.corners[0] = {left, bottom, 0.0, 1.0, colour};
    quad.corners[1] = {right, bottom, 1.0, 1.0, colour};
    quad.corners[2] = {right, top, 1.0, 0.0, colour};
    quad.corners[3] = {left, top, 0.0, 0.0, colour};
    return quad;
}

void Draw(DeviceTexture& target, const RasterState& state, const Quad& quad)
{
    Rasterizer::DrawTriangles(target, state, quad.corners, 4, kQuadIndices, 2,
                              PixelRect::Rows(0, target.Height()));
}

// The covered pixels as a picture of '#' and '.', one string per row.
std::vector<std::string> Coverage(const DeviceTexture& target)
{
    std::vector<std::string> rows;
    for (int y = 0; y < target.Height(); ++y)
    {
        std::string row;
        for (int x = 0; x < target.Width(); ++x)
        {
            row += (target.At(x, y) & 0xFFFFFFu) != 0 ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

DeviceTexture BlackTarget(int width, int height)
{
    DeviceTexture target(width, height, TextureUsage::RenderTarget);
    Rasterizer::Clear(target, 0, PixelRect::Rows(0, height));
    return target;
}

DeviceTexture TextureOf(int width, int height, const std::vector<std::uint32_t>& pixels)
{
    DeviceTexture texture(width, height, TextureUsage::Plain);
    DeviceTexture::LockedRect locked = texture.Lock();
    for (int y = 0; y < height; ++y)
    {
        auto* row = reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch);
        for (int x = 0; x < width; ++x)
        {
            row[x] = pixels[static_cast<std::size_t>(y * width + x)];
        }
    }
    texture.Unlock();
    return texture;
}

TEST(Rasterizer, CoversPixelCentresWithTheTopLeftRule)
{
    struct Case
    {
        const char* name;
        double left, top, right, bottom;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"centres on the left and top edges are in, on the right and bottom edges out",
         1.0,
         1.0,
         3.0,
         2.0,
         {"....", ".##.", "....", "...."}},
        {"edges between centres", 0.5, 0.5, 2.5, 2.5, {"....", ".##.", ".##.", "...."}},
        {"a quad narrower than a pixel that holds no centre draws nothing",
         1.2,
         1.2,
         1.8,
         1.8,
         {"....", "....", "....", "...."}},
        {"clipped at the target's edges", -5.0, -5.0, 1.5, 10.0, {"##..", "##..", "##..", "##.."}},
    };
    for (const Case& testCase : cases)
    {
        DeviceTexture target = BlackTarget(4, 4);
        Draw(target, RasterState{}, MakeQuad(testCase.left, testCase.top, testCase.right, testCase.bottom));
        EXPECT_EQ(Coverage(target), testCase.expected) << testCase.name;
    }
}

TEST(Rasterizer, TrianglesSharingAnEdgeCoverEachPixelOnce)
{
    // A rotated quad goes through the triangle path; with additive blending a pixel drawn twice shows.
    DeviceTexture target = BlackTarget(16, 16);
    RasterState state;
    state.destinationBlend = BlendFactor::One;
    const std::uint32_t grey = 0xFF404040u;
    const ScreenVertex corners[4] = {
        {2.3, 8.1, 0, 0, grey}, {8.2, 1.7, 0, 0, grey}, {14.1, 7.9, 0, 0, grey}, {8.0, 14.6, 0, 0, grey}};
    Rasterizer::DrawTriangles(target, state, corners, 4, kQuadIndices, 2, PixelRect::Rows(0, 16));
    int covered = 0;
    for (int y = 0; y < 16; ++y)
    {
        for (int x = 0; x < 16; ++x)
        {
            const std::uint32_t pixel = target.At(x, y) & 0xFFFFFFu;
            EXPECT_TRUE(pixel == 0 || pixel == 0x404040u) << x << "," << y;
            covered += pixel != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(covered, 60);
}

TEST(Rasterizer, BlendsTexelTimesColourBySourceAlpha)
{
    struct Case
    {
        const char* name;
        BlendFactor destination;
        std::uint32_t texel;
        std::uint32_t colour;
        std::uint32_t expected;
    };
    // The target holds 0x806040 before each draw.
    const std::vector<Case> cases = {
        {"alpha, opaque", BlendFactor::InverseSourceAlpha, 0xFF102030u, 0xFFFFFFFFu, 0xFF102030u},
        {"alpha, half", BlendFactor::InverseSourceAlpha, 0x80FFFFFFu, 0xFFFFFFFFu, 0xFFBFB0A0u},
        {"alpha, vertex colour halves the texel", BlendFactor::InverseSourceAlpha, 0xFFFFFFFFu, 0xFF808080u,
         0xFF808080u},
        {"add", BlendFactor::One, 0xFF204060u, 0xFFFFFFFFu, 0xFFA0A0A0u},
        {"add saturates", BlendFactor::One, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"add weighs the source by its alpha", BlendFactor::One, 0x80404040u, 0xFFFFFFFFu, 0xFFA08060u},
        {"inverse colour, white source over the target gives the source", BlendFactor::InverseSourceColour,
         0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu},
        {"inverse colour, black source keeps the target", BlendFactor::InverseSourceColour, 0xFF000000u,
         0xFFFFFFFFu, 0xFF806040u},
        {"inverse colour, texels of alpha 0 fail the alpha test", BlendFactor::InverseSourceColour,
         0x00FFFFFFu, 0xFFFFFFFFu, 0xFF806040u},
        {"alpha, texels of alpha 0 fail the alpha test", BlendFactor::InverseSourceAlpha, 0x00FFFFFFu,
         0xFFFFFFFFu, 0xFF806040u},
        {"colour of alpha 0 fails the alpha test", BlendFactor::One, 0xFFFFFFFFu, 0x00FFFFFFu, 0xFF806040u},
    };
    for (const Case& testCase : cases)
    {
        DeviceTexture target(2, 2, TextureUsage::RenderTarget);
        Rasterizer::Clear(target, 0x806040u, PixelRect::Rows(0, 2));
        const DeviceTexture texture = TextureOf(1, 1, {testCase.texel});
        RasterState state;
        state.texture = &texture;
        state.filter = TextureFilter::Point;
        state.destinationBlend = testCase.destination;
        Draw(target, state, MakeQuad(-0.5, -0.5, 1.5, 1.5, testCase.colour));
        EXPECT_EQ(target.At(0, 0), testCase.expected) << testCase.name;
        EXPECT_EQ(target.At(1, 1), testCase.expected) << testCase.name;
    }
}

// A texture copied one texel per pixel under one vertex colour takes the fast path, four pixels at a time;
// drawn one column at a time it takes the pixel-by-pixel arithmetic. Both give the same pixels, alpha
// test included (texels that the colour takes to alpha 0 leave the target as it was).
TEST(Rasterizer, TintedOneToOneCopiesMatchThePixelByPixelArithmetic)
{
    constexpr int kSide = 11;
    std::vector<std::uint32_t> texels;
    for (int i = 0; i < kSide * kSide; ++i)
    {
        const std::uint32_t alphas[6] = {0u, 1u, 2u, 0x80u, 0xFEu, 0xFFu};
        texels.push_back((alphas[i % 6] << 24) |
                         static_cast<std::uint32_t>(i * 0x010305 + 0x203040) % 0x1000000u);
    }
    const DeviceTexture texture = TextureOf(kSide, kSide, texels);
    for (const BlendFactor blend : {BlendFactor::InverseSourceAlpha, BlendFactor::One})
    {
        for (const std::uint32_t tint : {0xFF80C040u, 0x80FFFFFFu, 0x01FF8000u})
        {
            RasterState state;
            state.texture = &texture;
            state.filter = TextureFilter::Point;
            state.destinationBlend = blend;
            DeviceTexture whole = BlackTarget(kSide, kSide);
            DeviceTexture byColumns = BlackTarget(kSide, kSide);
            for (DeviceTexture* target : {&whole, &byColumns})
            {
                Rasterizer::Clear(*target, 0x406080u, PixelRect::Rows(0, kSide));
            }
            // Corners half a pixel out: texel centres on pixel centres.
            Draw(whole, state, MakeQuad(-0.5, -0.5, kSide - 0.5, kSide - 0.5, tint));
            for (int x = 0; x < kSide; ++x)
            {
                Quad column = MakeQuad(x - 0.5, -0.5, x + 0.5, kSide - 0.5, tint);
                const double u0 = static_cast<double>(x) / kSide;
                const double u1 = static_cast<double>(x + 1) / kSide;
                column.corners[0].u = column.corners[3].u = u0;
                column.corners[1].u = column.corners[2].u = u1;
                Draw(byColumns, state, column);
            }
            for (int y = 0; y < kSide; ++y)
            {
                for (int x = 0; x < kSide; ++x)
                {
                    ASSERT_EQ(whole.At(x, y), byColumns.At(x, y))
                        << "pixel " << x << "," << y << " tint " << std::hex << tint;
                }
            }
        }
    }
}

// A veil without texture under one colour is blended four pixels at a time; drawn one column at a time it
// takes the pixel-by-pixel arithmetic. Both give the same pixels over any background, for every blend and
// alpha test.
TEST(Rasterizer, UntexturedSpansMatchThePixelByPixelArithmetic)
{
    constexpr int kWidthPixels = 13;
    constexpr int kHeightPixels = 3;
    struct Case
    {
        bool blend;
        BlendFactor destination;
        std::uint8_t alphaReference;
    };
    const Case cases[] = {{true, BlendFactor::InverseSourceAlpha, 1},
                          {true, BlendFactor::One, 1},
                          {true, BlendFactor::InverseSourceColour, 1},
                          {false, BlendFactor::InverseSourceAlpha, 1},
                          {true, BlendFactor::InverseSourceAlpha, 0x90}};
    for (const Case& test : cases)
    {
        for (const std::uint32_t colour : {0xFFFFFFFFu, 0x80204060u, 0x01FFFFFFu, 0xC0FF8000u, 0x00FFFFFFu})
        {
            RasterState state;
            state.blendEnabled = test.blend;
            state.destinationBlend = test.destination;
            state.alphaReference = test.alphaReference;
            DeviceTexture whole = BlackTarget(kWidthPixels, kHeightPixels);
            DeviceTexture byColumns = BlackTarget(kWidthPixels, kHeightPixels);
            for (DeviceTexture* target : {&whole, &byColumns})
            {
                for (int y = 0; y < kHeightPixels; ++y)
                {
                    for (int x = 0; x < kWidthPixels; ++x)
                    {
                        target->Row(y)[x] =
                            0xFF000000u | static_cast<std::uint32_t>((x * 37 + y * 91) * 0x010203);
                    }
                }
            }
            Draw(whole, state, MakeQuad(-0.5, -0.5, kWidthPixels - 0.5, kHeightPixels - 0.5, colour));
            for (int x = 0; x < kWidthPixels; ++x)
            {
                Draw(byColumns, state, MakeQuad(x - 0.5, -0.5, x + 0.5, kHeightPixels - 0.5, colour));
            }
            for (int y = 0; y < kHeightPixels; ++y)
            {
                for (int x = 0; x < kWidthPixels; ++x)
                {
                    ASSERT_EQ(whole.At(x, y), byColumns.At(x, y))
                        << "case " << (&test - cases) << " colour " << std::hex << colour << " at " << x;
                }
            }
        }
    }
}

// Copied one texel per pixel without blending, a texture replaces the pixels its alpha test lets through,
// made opaque; a render target, whose texels are all opaque, replaces every pixel.
TEST(Rasterizer, OneToOneCopiesReplaceThePixelsTheTestLetsThrough)
{
    const std::vector<std::uint32_t> texels = {0x00112233u, 0x80445566u, 0xFF778899u, 0x01AABBCCu};
    struct Case
    {
        const char* name;
        TextureUsage usage;
        bool blend;
        bool alphaTest;
        std::vector<std::uint32_t> expected;
    };
    const std::uint32_t kept = 0xFF806040u;
    const Case cases[] = {
        {"no blend, no test",
         TextureUsage::Plain,
         false,
         false,
         {0xFF112233u, 0xFF445566u, 0xFF778899u, 0xFFAABBCCu}},
        {"no blend, the test keeps alpha 0",
         TextureUsage::Plain,
         false,
         true,
         {kept, 0xFF445566u, 0xFF778899u, 0xFFAABBCCu}},
        {"a render target blended",
         TextureUsage::RenderTarget,
         true,
         true,
         {0xFF112233u, 0xFF445566u, 0xFF778899u, 0xFFAABBCCu}},
    };
    for (const Case& test : cases)
    {
        DeviceTexture texture(4, 1, test.usage);
        DeviceTexture::LockedRect locked = texture.Lock();
        std::copy(texels.begin(), texels.end(), reinterpret_cast<std::uint32_t*>(locked.bits));
        texture.Unlock();
        DeviceTexture target = BlackTarget(4, 1);
        Rasterizer::Clear(target, kept, PixelRect::Rows(0, 1));
        RasterState state;
        state.texture = &texture;
        state.blendEnabled = test.blend;
        state.alphaTest = test.alphaTest;
        Draw(target, state, MakeQuad(-0.5, -0.5, 3.5, 0.5));
        for (int x = 0; x < 4; ++x)
        {
            EXPECT_EQ(target.At(x, 0), test.expected[static_cast<std::size_t>(x)])
                << test.name << " at " << x;
        }
    }
}

TEST(Rasterizer, WithoutTextureDrawsTheVertexColour)
{
    DeviceTexture target = BlackTarget(2, 1);
    Draw(target, RasterState{}, MakeQuad(-0.5, -0.5, 0.5, 0.5, 0xFF336699u));
    EXPECT_EQ(target.At(0, 0), 0xFF336699u);
    EXPECT_EQ(target.At(1, 0), 0xFF000000u);
}

TEST(Rasterizer, PointAndLinearFiltering)
{
    // A 2 x 1 texture black | white stretched over 8 pixels.
    const DeviceTexture texture = TextureOf(2, 1, {0xFF000000u, 0xFFFFFFFFu});
    RasterState state;
    state.texture = &texture;
    state.address = TextureAddress::Clamp;
    state.filter = TextureFilter::Point;
    DeviceTexture pointTarget = BlackTarget(8, 1);
    Draw(pointTarget, state, MakeQuad(-0.5, -0.5, 7.5, 0.5));
    std::vector<std::uint32_t> pointRow;
    for (int x = 0; x < 8; ++x)
    {
        pointRow.push_back(pointTarget.At(x, 0) & 0xFFu);
    }
    EXPECT_EQ(pointRow, (std::vector<std::uint32_t>{0, 0, 0, 0, 255, 255, 255, 255}));

    state.filter = TextureFilter::Linear;
    DeviceTexture linearTarget = BlackTarget(8, 1);
    Draw(linearTarget, state, MakeQuad(-0.5, -0.5, 7.5, 0.5));
    std::vector<std::uint32_t> linearRow;
    for (int x = 0; x < 8; ++x)
    {
        linearRow.push_back(linearTarget.At(x, 0) & 0xFFu);
    }
    // Clamped at both ends, a ramp between the two texel centres.
    EXPECT_EQ(linearRow.front(), 0u);
    EXPECT_EQ(linearRow.back(), 255u);
    for (std::size_t i = 1; i < linearRow.size(); ++i)
    {
        EXPECT_LE(linearRow[i - 1], linearRow[i]);
    }
    EXPECT_GT(linearRow[3], 0u);
    EXPECT_LT(linearRow[4], 255u);
}

TEST(Rasterizer, WrapRepeatsAndClampStretchesTheEdge)
{
    const DeviceTexture texture = TextureOf(2, 1, {0xFF0000FFu, 0xFFFF0000u});
    RasterState state;
    state.texture = &texture;
    state.filter = TextureFilter::Point;
    auto row = [&](TextureAddress address)
    {
        state.address = address;
        DeviceTexture target = BlackTarget(8, 1);
        Quad quad = MakeQuad(-0.5, -0.5, 7.5, 0.5);
        quad.corners[1].u = 2.0; // u from 0 to 2 across the quad
        quad.corners[2].u = 2.0;
        Draw(target, state, quad);
        std::string colours;
        for (int x = 0; x < 8; ++x)
        {
            colours += (target.At(x, 0) & 0xFFu) != 0 ? 'b' : 'r';
        }
        return colours;
    };
    EXPECT_EQ(row(TextureAddress::Wrap), "bbrrbbrr");
    EXPECT_EQ(row(TextureAddress::Clamp), "bbrrrrrr");
}

TEST(Rasterizer, LinesLeaveOutTheirLastPixel)
{
    DeviceTexture target = BlackTarget(6, 3);
    const ScreenVertex ends[2] = {{1.0, 1.0, 0, 0, 0xFFFFFFFFu}, {5.0, 1.0, 0, 0, 0xFFFFFFFFu}};
    Rasterizer::DrawLines(target, RasterState{}, ends, 1, PixelRect::Rows(0, 3));
    EXPECT_EQ(Coverage(target), (std::vector<std::string>{"......", ".####.", "......"}));
}

// Triangles at random, and quads along the axes one texel per pixel and stretched, so that every kind of
// span kernel draws: a scene whose pixels must not depend on the clip they are drawn under.
struct ClipScene
{
    std::vector<ScreenVertex> vertices;
    std::vector<std::uint16_t> indices;
    std::size_t triangles = 0;
};

ClipScene MakeClipScene(bool gradients)
{
    ClipScene scene;
    std::uint32_t seed = 12345;
    auto next = [&seed]
    {
        seed = seed * 214013u + 2531011u;
        return static_cast<double>((seed >> 16) & 0x7FFF) / 32767.0;
    };
    auto colour = [&]
    { return gradients ? 0xFF000000u | static_cast<std::uint32_t>(next() * 0xFFFFFF) : 0xFFFFFFFFu; };
    for (int triangle = 0; triangle < 60; ++triangle)
    {
        for (int corner = 0; corner < 3; ++corner)
        {
            scene.indices.push_back(static_cast<std::uint16_t>(scene.vertices.size()));
            scene.vertices.push_back({next() * 80 - 8, next() * 80 - 8, next() * 3, next() * 3, colour()});
        }
    }
    // left, top, width, height in pixels; texels per pixel across
    const double quads[][5] = {
        {3, 5, 16, 16, 1.0}, {-6, 30, 40, 9, 1.0}, {20, 2, 50, 60, 0.37}, {41, 41, 30, 30, 1.0}};
    const std::uint32_t tint = gradients ? 0xC080FF40u : 0xFFFFFFFFu;
    for (const auto& quad : quads)
    {
        const auto base = static_cast<std::uint16_t>(scene.vertices.size());
        const double u = quad[2] * quad[4] / 16.0;
        const double v = quad[3] * quad[4] / 16.0;
        // Texel centres fall on pixel centres: the spans of the one-to-one quads sample as points.
        const double x = quad[0] - 0.5;
        const double y = quad[1] - 0.5;
        scene.vertices.push_back({x, y + quad[3], 0.0, v, tint});
        scene.vertices.push_back({x + quad[2], y + quad[3], u, v, tint});
        scene.vertices.push_back({x + quad[2], y, u, 0.0, tint});
        scene.vertices.push_back({x, y, 0.0, 0.0, tint});
        for (const std::uint16_t index : kQuadIndices)
        {
            scene.indices.push_back(static_cast<std::uint16_t>(base + index));
        }
    }
    scene.triangles = scene.indices.size() / 3;
    return scene;
}

TEST(Rasterizer, BandsAndTilesGiveTheSamePictureAsOnePass)
{
    const int size = 64;
    std::vector<std::uint32_t> texels;
    for (int i = 0; i < 16 * 16; ++i)
    {
        // Alphas from clear to opaque, so that the alpha test and every blend have work.
        texels.push_back(static_cast<std::uint32_t>(i * 0x01030507u) |
                         (i % 3 == 0 ? 0xFF000000u : 0x40000000u));
    }
    const DeviceTexture texture = TextureOf(16, 16, texels);
    struct Case
    {
        TextureFilter filter;
        TextureAddress address;
        bool blend;
        BlendFactor destination;
        bool alphaTest;
        bool gradients;
    };
    const Case cases[] = {
        {TextureFilter::Linear, TextureAddress::Wrap, true, BlendFactor::InverseSourceAlpha, true, true},
        {TextureFilter::Linear, TextureAddress::Clamp, true, BlendFactor::InverseSourceAlpha, false, false},
        {TextureFilter::Point, TextureAddress::Wrap, true, BlendFactor::One, false, false},
        {TextureFilter::Point, TextureAddress::Clamp, true, BlendFactor::InverseSourceColour, true, true},
        {TextureFilter::Linear, TextureAddress::Wrap, false, BlendFactor::InverseSourceAlpha, true, false},
        {TextureFilter::Linear, TextureAddress::Wrap, true, BlendFactor::One, false, true},
    };
    // Uneven tiles, and bands of whole rows as the worker threads take them.
    std::vector<PixelRect> tiles;
    const int columns[] = {0, 5, 13, 32, 33, 64};
    const int rows[] = {0, 7, 30, 31, 64};
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 5; ++column)
        {
            tiles.push_back({columns[column], rows[row], columns[column + 1], rows[row + 1]});
        }
    }
    for (const Case& test : cases)
    {
        const ClipScene scene = MakeClipScene(test.gradients);
        RasterState state;
        state.texture = &texture;
        state.filter = test.filter;
        state.address = test.address;
        state.blendEnabled = test.blend;
        state.destinationBlend = test.destination;
        state.alphaTest = test.alphaTest;
        auto draw = [&](DeviceTexture& target, const PixelRect& clip)
        {
            Rasterizer::DrawTriangles(target, state, scene.vertices.data(), scene.vertices.size(),
                                      scene.indices.data(), scene.triangles, clip);
        };
        DeviceTexture whole = BlackTarget(size, size);
        draw(whole, PixelRect::Rows(0, size));
        DeviceTexture tiled = BlackTarget(size, size);
        for (const PixelRect& tile : tiles)
        {
            draw(tiled, tile);
        }
        DeviceTexture banded = BlackTarget(size, size);
        for (int band = 0; band < 4; ++band)
        {
            draw(banded, PixelRect::Rows(rows[band], rows[band + 1]));
        }
        for (int y = 0; y < size; ++y)
        {
            for (int x = 0; x < size; ++x)
            {
                ASSERT_EQ(whole.At(x, y), tiled.At(x, y))
                    << "tiles, case " << (&test - cases) << " at " << x << "," << y;
                ASSERT_EQ(whole.At(x, y), banded.At(x, y))
                    << "bands, case " << (&test - cases) << " at " << x << "," << y;
            }
        }
    }
}

// Linear filtering worked out pixel by pixel from the rules of the device: texel coordinates in 16.16
// fixed point, half a texel back from the pixel centre; the four texels addressed (wrap: a mask on a power
// of two, else modulo; clamp); blended across then down, or down then across along a texel row (dt 0)
// under white vertices; times the colour ((texel x (colour + 1)) >> 8 per channel); the alpha test; the
// blend. Texture coordinates are planes in multiples of 1/4096 and corners lie on quarter pixels, so the
// rasterizer's doubles hold them exactly and every pixel's coordinates are known as integers.
namespace LinearReference
{

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t weight)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
    {
        result |= ((((a >> shift) & 0xFFu) * (256 - weight) + ((b >> shift) & 0xFFu) * weight) >> 8) << shift;
    }
    return result;
}

int Address(std::int64_t coordinate, int size, TextureAddress address)
{
    if (address == TextureAddress::Clamp)
    {
        return static_cast<int>(std::clamp<std::int64_t>(coordinate, 0, size - 1));
    }
    const std::int64_t wrapped = coordinate % size;
    return static_cast<int>(wrapped < 0 ? wrapped + size : wrapped);
}

struct Sampling
{
    const std::vector<std::uint32_t>* texels = nullptr;
    int width = 0;
    int height = 0;
    TextureAddress address = TextureAddress::Wrap;
    bool downFirst = false;
};

std::uint32_t Sample(const Sampling& sampling, std::int64_t s, std::int64_t t)
{
    const int xa = Address(s >> 16, sampling.width, sampling.address);
    const int xb = Address((s >> 16) + 1, sampling.width, sampling.address);
    const int ya = Address(t >> 16, sampling.height, sampling.address);
    const int yb = Address((t >> 16) + 1, sampling.height, sampling.address);
    auto texel = [&](int x, int y)
    { return (*sampling.texels)[static_cast<std::size_t>(y * sampling.width + x)]; };
    const auto fx = static_cast<std::uint32_t>((s >> 8) & 0xFF);
    const auto fy = static_cast<std::uint32_t>((t >> 8) & 0xFF);
    if (sampling.downFirst)
    {
        return Lerp(Lerp(texel(xa, ya), texel(xa, yb), fy), Lerp(texel(xb, ya), texel(xb, yb), fy), fx);
    }
    return Lerp(Lerp(texel(xa, ya), texel(xb, ya), fx), Lerp(texel(xa, yb), texel(xb, yb), fx), fy);
}

std::uint32_t Modulate(std::uint32_t texel, std::uint32_t colour)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
    {
        result |= ((((texel >> shift) & 0xFFu) * (((colour >> shift) & 0xFFu) + 1)) >> 8) << shift;
    }
    return result;
}

std::uint32_t Blend(std::uint32_t source, std::uint32_t destination, bool add)
{
    const std::uint32_t alpha = source >> 24;
    const std::uint32_t weight = alpha + (alpha >> 7);
    if (!add)
    {
        return Lerp(destination, source, weight) | 0xFF000000u;
    }
    std::uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8)
    {
        const std::uint32_t value =
            ((destination >> shift) & 0xFFu) + ((((source >> shift) & 0xFFu) * weight) >> 8);
        result |= std::min(value, 255u) << shift;
    }
    return result;
}

// A texture coordinate over the target: (base + x * dx + y * dy) / 4096.
struct Plane
{
    std::int64_t base = 0;
    std::int64_t dx = 0;
    std::int64_t dy = 0;

    double At(double x, double y) const { return (static_cast<double>(base) + x * dx + y * dy) / 4096.0; }
    // The 16.16 texel coordinate the rasterizer samples at a pixel centre.
    std::int64_t Fixed(int x, int y, int size) const { return (base + x * dx + y * dy) * size * 16 - 32768; }
};

} // namespace LinearReference

// The engine's random rule, for scenes that are the same on every run.
class SceneRandom
{
public:
    explicit SceneRandom(std::uint32_t seed) : mSeed(seed) {}

    int Next(int range)
    {
        mSeed = mSeed * 214013u + 2531011u;
        return static_cast<int>((mSeed >> 16) & 0x7FFF) % range;
    }

private:
    std::uint32_t mSeed;
};

struct LinearCase
{
    int textureWidth;
    int textureHeight;
    TextureAddress address;
    BlendFactor blend;
    std::uint32_t colour;
    int alphaReference; // 0: the test is off
};

// Every combination of texture size (a power of two wraps by mask, the other by modulo; only a power of
// two steps one texel per pixel in whole 1/4096ths), addressing, blend, colour and alpha test.
std::vector<LinearCase> LinearCases()
{
    std::vector<LinearCase> cases;
    for (const auto& [width, height] : {std::pair{16, 8}, std::pair{13, 7}})
    {
        for (const TextureAddress address : {TextureAddress::Wrap, TextureAddress::Clamp})
        {
            for (const BlendFactor blend : {BlendFactor::InverseSourceAlpha, BlendFactor::One})
            {
                for (const std::uint32_t colour : {0xFFFFFFFFu, 0xC080FF40u, 0x60FFFFFFu})
                {
                    for (const int alphaReference : {0, 1, 0x80})
                    {
                        cases.push_back({width, height, address, blend, colour, alphaReference});
                    }
                }
            }
        }
    }
    return cases;
}

std::vector<std::uint32_t> LinearTexels(const LinearCase& test, SceneRandom& random)
{
    std::vector<std::uint32_t> texels;
    for (int i = 0; i < test.textureWidth * test.textureHeight; ++i)
    {
        const std::uint32_t alphas[] = {0u, 1u, 0x7Fu, 0x80u, 0xFFu, 0xFFu, 0xC3u};
        texels.push_back((alphas[random.Next(7)] << 24) |
                         static_cast<std::uint32_t>(random.Next(0x8000) * 0x209 + random.Next(512)));
    }
    return texels;
}

struct LinearTriangle
{
    LinearReference::Plane u;
    LinearReference::Plane v;
    ScreenVertex corners[3];
};

// Kinds 0 to 2: turned and scaled; along texel rows (dt 0); about one texel per pixel across (exactly, a
// 256th more or less, or mirrored), which kind 3 also is, on texel rows near the texture's own columns, so
// that spans read the texture's rows as they stand. Coordinates reach past the texture.
LinearTriangle RandomLinearTriangle(const LinearCase& test, int kind, SceneRandom& random, int width,
                                    int height)
{
    LinearTriangle triangle;
    LinearReference::Plane& u = triangle.u;
    LinearReference::Plane& v = triangle.v;
    u = {random.Next(40000) - 20000, random.Next(900) - 450, random.Next(900) - 450};
    v = {random.Next(40000) - 20000, kind == 0 ? random.Next(900) - 450 : 0, random.Next(900) - 450};
    if (kind >= 2 && test.textureWidth == 16)
    {
        const int direction = kind == 2 && random.Next(2) == 0 ? -1 : 1;
        u.dx = (4096 / test.textureWidth + random.Next(3) - 1) * direction;
    }
    if (kind == 3 && test.textureWidth == 16)
    {
        const int texelV = 4096 / test.textureHeight;
        u.base = random.Next(512) - 256 - random.Next(24) * 4096 / test.textureWidth;
        u.dy = random.Next(64) - 32;
        v.base = texelV / 2 + texelV * random.Next(4);
        v.dy = texelV * (random.Next(3) - 1);
    }
    for (ScreenVertex& corner : triangle.corners)
    {
        corner.x = (random.Next(width * 4 + 40) - 20) / 4.0;
        corner.y = (random.Next(height * 4 + 40) - 20) / 4.0;
        corner.u = u.At(corner.x, corner.y);
        corner.v = v.At(corner.x, corner.y);
        corner.colour = test.colour;
    }
    return triangle;
}

constexpr std::uint16_t kTriangleIndices[3] = {0, 1, 2};

DeviceTexture PatternTarget(int width, int height)
{
    DeviceTexture target = BlackTarget(width, height);
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            target.Row(y)[x] = 0xFF000000u | static_cast<std::uint32_t>((x * 53 + y * 97) * 0x010307);
        }
    }
    return target;
}

// The pattern with the triangle drawn over it pixel by pixel by the reference arithmetic.
std::vector<std::uint32_t> ExpectedLinearPicture(const LinearCase& test,
                                                 const std::vector<std::uint32_t>& texels,
                                                 const LinearTriangle& triangle, int width, int height)
{
    // Which pixels the triangle covers, whatever it draws.
    DeviceTexture coverage = BlackTarget(width, height);
    RasterState solid;
    solid.blendEnabled = false;
    ScreenVertex white[3] = {triangle.corners[0], triangle.corners[1], triangle.corners[2]};
    for (ScreenVertex& corner : white)
    {
        corner.colour = 0xFFFFFFFFu;
    }
    Rasterizer::DrawTriangles(coverage, solid, white, 3, kTriangleIndices, 1, PixelRect::Rows(0, height));
    const LinearReference::Sampling sampling{&texels, test.textureWidth, test.textureHeight, test.address,
                                             test.colour == 0xFFFFFFFFu && triangle.v.dx == 0};
    const DeviceTexture pattern = PatternTarget(width, height);
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            std::uint32_t pixel = pattern.At(x, y);
            if (coverage.At(x, y) == 0xFFFFFFFFu)
            {
                const std::uint32_t source = LinearReference::Modulate(
                    LinearReference::Sample(sampling, triangle.u.Fixed(x, y, test.textureWidth),
                                            triangle.v.Fixed(x, y, test.textureHeight)),
                    test.colour);
                if ((source >> 24) >= static_cast<std::uint32_t>(test.alphaReference))
                {
                    pixel = LinearReference::Blend(source, pixel, test.blend == BlendFactor::One);
                }
            }
            expected.push_back(pixel);
        }
    }
    return expected;
}

TEST(Rasterizer, LinearSpansMatchTheTexelArithmeticAtEveryPixel)
{
    constexpr int kWidth = 76;
    constexpr int kHeight = 20;
    SceneRandom random(777);
    for (const LinearCase& test : LinearCases())
    {
        const std::vector<std::uint32_t> texels = LinearTexels(test, random);
        const DeviceTexture texture = TextureOf(test.textureWidth, test.textureHeight, texels);
        RasterState state;
        state.texture = &texture;
        state.address = test.address;
        state.destinationBlend = test.blend;
        state.alphaTest = test.alphaReference != 0;
        state.alphaReference = static_cast<std::uint8_t>(test.alphaReference);
        for (int triangleNumber = 0; triangleNumber < 6; ++triangleNumber)
        {
            const int kind = triangleNumber < 4 ? triangleNumber : triangleNumber - 4;
            const LinearTriangle triangle = RandomLinearTriangle(test, kind, random, kWidth, kHeight);
            const std::vector<std::uint32_t> expected =
                ExpectedLinearPicture(test, texels, triangle, kWidth, kHeight);
            // Drawn whole, then in columns 1 to 9 pixels wide: spans of every short length.
            for (int strip = 0; strip <= 9; ++strip)
            {
                DeviceTexture target = PatternTarget(kWidth, kHeight);
                const int stripWidth = strip == 0 ? kWidth : strip;
                for (int left = 0; left < kWidth; left += stripWidth)
                {
                    Rasterizer::DrawTriangles(target, state, triangle.corners, 3, kTriangleIndices, 1,
                                              {left, 0, left + stripWidth, kHeight});
                }
                for (int y = 0; y < kHeight; ++y)
                {
                    for (int x = 0; x < kWidth; ++x)
                    {
                        ASSERT_EQ(target.At(x, y), expected[static_cast<std::size_t>(y * kWidth + x)])
                            << "pixel " << x << "," << y << " texture " << test.textureWidth
                            << (test.address == TextureAddress::Wrap ? " wrap" : " clamp")
                            << (test.blend == BlendFactor::One ? " add" : " alpha") << " colour " << std::hex
                            << test.colour << std::dec << " reference " << test.alphaReference << " kind "
                            << kind << " strip " << strip;
                    }
                }
            }
        }
    }
}

TEST(Rasterizer, ClearsOnlyInsideItsClip)
{
    DeviceTexture target = BlackTarget(5, 3);
    Rasterizer::Clear(target, 0xFFFFFF, {1, 1, 3, 9});
    EXPECT_EQ(Coverage(target), (std::vector<std::string>{".....", ".##..", ".##.."}));
}

TEST(Rasterizer, IgnoresIndicesPastTheVerticesAndNonFiniteCorners)
{
    DeviceTexture target = BlackTarget(4, 4);
    const Quad quad = MakeQuad(0, 0, 4, 4);
    const std::uint16_t badIndices[6] = {0, 1, 9, 9, 3, 0};
    Rasterizer::DrawTriangles(target, RasterState{}, quad.corners, 4, badIndices, 2, PixelRect::Rows(0, 4));
    Quad broken = MakeQuad(0, 0, 4, 4);
    broken.corners[2].x = std::numeric_limits<double>::quiet_NaN();
    Rasterizer::DrawTriangles(target, RasterState{}, broken.corners, 4, kQuadIndices, 2,
                              PixelRect::Rows(0, 4));
    EXPECT_EQ(Coverage(target), (std::vector<std::string>{"....", "....", "....", "...."}));
}

} // namespace
