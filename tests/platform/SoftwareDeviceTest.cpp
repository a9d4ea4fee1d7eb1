#include "platform/SoftwareDevice.h"

#include "platform/PngCodec.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace
{

using Platform::DeviceResult;
using Platform::Matrix4;
using Platform::SoftwareDevice;

// Vertices in target pixels: the projection maps (0, 0)-(w, h) onto the target with y downwards.
Matrix4 PixelProjection(float width, float height)
{
    return Matrix4::Scaling(1.0f, -1.0f, 1.0f) * Matrix4::Translation(-0.5f, height + 0.5f, 0.0f) *
           Matrix4::OrthoOffCenterLH(0.0f, width, 0.0f, height, 0.0f, 1.0f);
}

struct DeviceFixture
{
    explicit DeviceFixture(int threads, int width = 64, int height = 48)
        : device(nullptr, threads, {width, height, true}), vertices(device.CreateVertexBuffer(400)),
          indices(device.CreateIndexBuffer(600))
    {
        std::uint16_t* index = indices->Lock();
        for (std::uint16_t quad = 0; quad < 100; ++quad)
        {
            const std::uint16_t base = static_cast<std::uint16_t>(quad * 4);
            const std::uint16_t pattern[6] = {base,
                                              static_cast<std::uint16_t>(base + 1),
                                              static_cast<std::uint16_t>(base + 2),
                                              static_cast<std::uint16_t>(base + 2),
                                              static_cast<std::uint16_t>(base + 3),
                                              base};
            std::copy(std::begin(pattern), std::end(pattern), index + quad * 6);
        }
        indices->Unlock();
        device.SetStreamSource(vertices.get());
        device.SetIndices(indices.get());
        device.SetProjection(PixelProjection(static_cast<float>(width), static_cast<float>(height)));
    }

    // Quads of the given corners in virtual pixels, all in one draw call.
    void DrawQuads(const std::vector<Platform::Vertex>& corners)
    {
        Platform::Vertex* out = vertices->Lock(true);
        std::copy(corners.begin(), corners.end(), out);
        vertices->Unlock();
        device.DrawIndexedTriangles(corners.size(), corners.size() / 2);
    }

    SoftwareDevice device;
    std::unique_ptr<Platform::VertexBuffer> vertices;
    std::unique_ptr<Platform::IndexBuffer> indices;
};

std::vector<Platform::Vertex> Quad(float x, float y, float w, float h, std::uint32_t colour)
{
    return {{x, y + h, 0.5f, colour, 0, 1},
            {x + w, y + h, 0.5f, colour, 1, 1},
            {x + w, y, 0.5f, colour, 1, 0},
            {x, y, 0.5f, colour, 0, 0}};
}

TEST(SoftwareDevice, WorkerBandsDrawTheSamePictureAsOneThread)
{
    std::vector<Platform::Vertex> scene;
    std::uint32_t seed = 7;
    auto next = [&seed](int range)
    {
        seed = seed * 214013u + 2531011u;
        return static_cast<float>(((seed >> 16) & 0x7FFF) % static_cast<std::uint32_t>(range));
    };
    for (int i = 0; i < 90; ++i)
    {
        const std::uint32_t colour = 0x80000000u | (static_cast<std::uint32_t>(next(0x7FFF)) * 0x201u);
        const auto quad = Quad(next(70) - 6.5f, next(60) - 6.25f, next(30) + 0.5f, next(30) + 1.0f, colour);
        scene.insert(scene.end(), quad.begin(), quad.end());
    }
    Platform::Image pictures[2];
    const int threads[2] = {1, 5};
    for (int run = 0; run < 2; ++run)
    {
        DeviceFixture fixture(threads[run]);
        fixture.device.BeginScene();
        fixture.device.Clear(0x123456u);
        fixture.DrawQuads(scene);
        fixture.device.EndScene();
        fixture.device.ReadBackBuffer(pictures[run]);
    }
    EXPECT_EQ(pictures[0].pixels, pictures[1].pixels);
}

TEST(SoftwareDevice, ProjectionMapsVirtualPixelsOntoTargetPixels)
{
    DeviceFixture fixture(1, 8, 4);
    fixture.device.BeginScene();
    fixture.device.Clear(0);
    fixture.DrawQuads(Quad(2, 1, 3, 2, 0xFFFFFFFFu));
    fixture.device.EndScene();
    Platform::Image picture;
    fixture.device.ReadBackBuffer(picture);
    std::string covered;
    for (int y = 0; y < 4; ++y)
    {
        for (int x = 0; x < 8; ++x)
        {
            covered += (picture.At(x, y) & 0xFFFFFF) != 0 ? '#' : '.';
        }
        covered += '/';
    }
    EXPECT_EQ(covered, "......../..###.../..###.../......../");
}

TEST(SoftwareDevice, LostDeviceDrawsNothingUntilReset)
{
    DeviceFixture fixture(2);
    EXPECT_EQ(fixture.device.TestCooperativeLevel(), DeviceResult::Ok);
    fixture.device.MakeLost();
    EXPECT_EQ(fixture.device.Present(), DeviceResult::DeviceLost);
    EXPECT_EQ(fixture.device.TestCooperativeLevel(), DeviceResult::DeviceLost);
    EXPECT_FALSE(fixture.device.Reset({64, 48, true}));
    EXPECT_EQ(fixture.device.CreateTexture(16, 16, Platform::TextureUsage::RenderTarget), nullptr);
    fixture.device.BeginScene();
    fixture.DrawQuads(Quad(0, 0, 64, 48, 0xFFFFFFFFu));
    fixture.device.EndScene();
    EXPECT_EQ(fixture.device.Statistics().drawCalls, 0u);

    fixture.device.AllowReset();
    EXPECT_EQ(fixture.device.TestCooperativeLevel(), DeviceResult::DeviceNotReset);
    ASSERT_TRUE(fixture.device.Reset({32, 16, true}));
    EXPECT_EQ(fixture.device.TestCooperativeLevel(), DeviceResult::Ok);
    EXPECT_EQ(fixture.device.BackBufferWidth(), 32);
    EXPECT_EQ(fixture.device.Present(), DeviceResult::Ok);
}

TEST(SoftwareDevice, RenderTargetsReadBackOpaqueAndRecordsDrawCalls)
{
    DeviceFixture fixture(1);
    auto target = fixture.device.CreateTexture(16, 16, Platform::TextureUsage::RenderTarget);
    ASSERT_NE(target, nullptr);
    EXPECT_FALSE(fixture.device.SetRenderTarget(
        fixture.device.CreateTexture(4, 4, Platform::TextureUsage::Plain).get()));
    ASSERT_TRUE(fixture.device.SetRenderTarget(target.get()));
    fixture.device.RecordDrawCalls(4);
    fixture.device.BeginScene();
    fixture.device.Clear(0x00FF0000u);
    fixture.DrawQuads(Quad(0, 0, 4, 4, 0x40FFFFFFu));
    fixture.device.EndScene();
    fixture.device.SetRenderTarget(nullptr);
    Platform::Image picture;
    Platform::GraphicsDevice::ReadTexture(*target, picture);
    EXPECT_EQ(picture.At(10, 10), 0xFFFF0000u);
    EXPECT_EQ(picture.At(1, 1) >> 24, 0xFFu);
    ASSERT_EQ(fixture.device.DrawCalls().size(), 1u);
    EXPECT_EQ(fixture.device.DrawCalls()[0].primitives, 2u);
    EXPECT_EQ(fixture.device.DrawCalls()[0].vertices, 4u);
}

// The bytes of a PNG file of a picture of one colour.
std::vector<std::uint8_t> PngFileOf(int width, int height, std::uint32_t colour)
{
    Platform::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour);
    const std::string path = "device-picture.png";
    EXPECT_TRUE(Platform::PngCodec::Write(image, path));
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::remove(path.c_str());
    return bytes;
}

TEST(SoftwareDevice, MakesTexturesFromPictureFilesAtTheirOwnSize)
{
    const std::vector<std::uint8_t> bytes = PngFileOf(3, 5, 0x80112233u);
    ASSERT_FALSE(bytes.empty());
    DeviceFixture fixture(1);
    int width = 0;
    int height = 0;
    auto texture = fixture.device.CreateTextureFromFileInMemory(bytes.data(), bytes.size(), width, height);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 5);
    EXPECT_EQ(texture->At(2, 4), 0x80112233u);
    // The storage is not cleared before the picture is copied in, but the padding past each row is.
    for (int y = 0; y < 5; ++y)
    {
        for (int x = 3; x < texture->PitchPixels(); ++x)
        {
            EXPECT_EQ(texture->At(x, y), 0u) << x << ", " << y;
        }
    }
    EXPECT_EQ(fixture.device.CreateTextureFromFileInMemory(bytes.data(), 10, width, height), nullptr);
}

TEST(SoftwareDevice, RefusesAPictureWiderThanItsTexturesBeforeDecodingIt)
{
    const int wide = SoftwareDevice::kMaxTextureSide + 1;
    const std::vector<std::uint8_t> bytes = PngFileOf(wide, 1, 0xFF405060u);
    ASSERT_FALSE(bytes.empty());
    DeviceFixture fixture(1);
    int width = 0;
    int height = 0;
    EXPECT_EQ(fixture.device.CreateTextureFromFileInMemory(bytes.data(), bytes.size(), width, height),
              nullptr);
    EXPECT_EQ(Platform::GraphicsDevice::DecodePicture(bytes.data(), bytes.size(), wide - 1), nullptr);
    const auto decoded = Platform::GraphicsDevice::DecodePicture(bytes.data(), bytes.size(), wide);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->At(wide - 1, 0), 0xFF405060u);
}

} // namespace

namespace
{

// What one step of the frame sequence below does to a device: its textures, and which of them it draws.
struct FrameSteps
{
    explicit FrameSteps(SoftwareDevice& device)
        : mDevice(device), mTarget(device.CreateTexture(32, 32, Platform::TextureUsage::RenderTarget))
    {
        Paint(0);
    }

    // The picture's pixels, different for every generation.
    void Paint(std::uint32_t generation)
    {
        if (!mPicture || generation == 4)
        {
            // A texture made anew, perhaps where the last one lay.
            mPicture.reset();
            mPicture = mDevice.CreateTexture(8, 8, Platform::TextureUsage::Plain);
        }
        Platform::DeviceTexture::LockedRect locked = mPicture->Lock();
        for (int y = 0; y < 8; ++y)
        {
            auto* row = reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch);
            for (int x = 0; x < 8; ++x)
            {
                row[x] =
                    0x80000000u | static_cast<std::uint32_t>((x * 31 + y * 17 + generation * 70) * 0x010305);
            }
        }
        mPicture->Unlock();
    }

    SoftwareDevice& mDevice;
    std::unique_ptr<Platform::DeviceTexture> mTarget;
    std::unique_ptr<Platform::DeviceTexture> mPicture;
};

} // namespace

// A frame drawn only where its draws changed gives the same pixels as the frame drawn whole, through
// moves, changed and new textures, a render target drawn anew, and frames that draw over the last one.
TEST(SoftwareDevice, FramesDrawnWhereTheyChangedMatchFramesDrawnWhole)
{
    constexpr int kWidth = 100;
    constexpr int kHeight = 70;
    struct Step
    {
        const char* name;
        float spriteX;
        std::uint32_t paint; // the picture's generation
        bool redrawTarget;
        bool clear;
    };
    const Step steps[] = {
        {"first", 10, 0, true, true},
        {"the same again", 10, 0, false, true},
        {"a sprite moved by a fraction", 10.5f, 0, false, true},
        {"the picture painted anew", 10.5f, 1, false, true},
        {"the same again", 10.5f, 1, false, true},
        {"a new picture", 10.5f, 4, false, true},
        {"the render target drawn anew", 10.5f, 4, true, true},
        {"no clear: drawn over the last frame", 40, 4, false, false},
        {"the same again, with a clear", 40, 4, false, true},
        {"the same again", 40, 4, false, true},
    };
    DeviceFixture changesOnly(3, kWidth, kHeight);
    DeviceFixture whole(3, kWidth, kHeight);
    whole.device.SetDrawsChangesOnly(false);
    FrameSteps changesOnlyTextures(changesOnly.device);
    FrameSteps wholeTextures(whole.device);
    for (const Step& step : steps)
    {
        Platform::Image pictures[2];
        int index = 0;
        for (auto [fixture, textures] :
             {std::pair{&changesOnly, &changesOnlyTextures}, std::pair{&whole, &wholeTextures}})
        {
            SoftwareDevice& device = fixture->device;
            if (step.paint != 0)
            {
                textures->Paint(step.paint);
            }
            if (step.redrawTarget)
            {
                device.SetRenderTarget(textures->mTarget.get());
                device.BeginScene();
                device.Clear(0x102030u + step.paint);
                device.SetTexture(nullptr);
                fixture->DrawQuads(
                    Quad(4, 4, 20, 10, 0xC0FF8040u + static_cast<std::uint32_t>(step.spriteX)));
                device.EndScene();
                device.SetRenderTarget(nullptr);
            }
            device.BeginScene();
            if (step.clear)
            {
                device.Clear(0x405060u);
            }
            device.SetTexture(textures->mTarget.get());
            fixture->DrawQuads(Quad(60, 30, 32, 32, 0xFFFFFFFFu));
            device.SetTexture(textures->mPicture.get());
            std::vector<Platform::Vertex> sprites = Quad(step.spriteX, 8, 24, 16, 0xFFFFFFFFu);
            const auto still = Quad(70, 2, 20, 20, 0x80FFFFFFu);
            sprites.insert(sprites.end(), still.begin(), still.end());
            fixture->DrawQuads(sprites);
            device.SetTexture(nullptr);
            fixture->DrawQuads(Quad(5, 50, 40, 12, 0x60FFFFFFu));
            device.EndScene();
            device.ReadBackBuffer(pictures[index++]);
        }
        ASSERT_EQ(pictures[0].pixels, pictures[1].pixels) << step.name;
    }
}

namespace
{

// How the render target is put on the screen.
enum class Placing
{
    OneToOne,
    Scaled, // three times, so that a texel's neighbours reach across tiles of the screen
    Rotated,
    Repeated, // texture coordinates past the target's edge, wrapped
};

std::vector<Platform::Vertex> PlacedTarget(Placing placing)
{
    switch (placing)
    {
    case Placing::OneToOne:
        return Quad(10, 6, 48, 40, 0xFFFFFFFFu);
    case Placing::Scaled:
        return Quad(1, 2.25f, 144, 120, 0xFFFFFFFFu);
    case Placing::Rotated:
        return {{60, 125, 0.5f, 0xFFFFFFFFu, 0, 1},
                {170, 90, 0.5f, 0xFFFFFFFFu, 1, 1},
                {140, 3, 0.5f, 0xFFFFFFFFu, 1, 0},
                {25, 40, 0.5f, 0xFFFFFFFFu, 0, 0}};
    case Placing::Repeated:
    {
        std::vector<Platform::Vertex> corners = Quad(5, 5, 160, 100, 0xFFFFFFFFu);
        for (Platform::Vertex& corner : corners)
        {
            corner.u = corner.u * 2.0f - 0.25f;
            corner.v = corner.v * 1.5f;
        }
        return corners;
    }
    }
    return {};
}

} // namespace

// A render target drawn into the back buffer: the back buffer is redrawn only where the target's own run
// changed it, wherever and however the target lands, and whole when that cannot be known.
TEST(SoftwareDevice, ARenderTargetRedrawnInPlacesIsShownAsIfDrawnWhole)
{
    using Platform::TextureFilter;
    struct Step
    {
        const char* name;
        std::vector<float> squares; // a run into the target before the frame for each, the square there
        Placing placing;
        TextureFilter filter;
    };
    // The target's tiles split at column 32: squares from 32 on change only its right tile.
    const Step steps[] = {
        {"first", {6}, Placing::OneToOne, TextureFilter::Point},
        {"one to one, the square moved", {9}, Placing::OneToOne, TextureFilter::Point},
        {"one to one, the target untouched", {}, Placing::OneToOne, TextureFilter::Point},
        {"one to one, filtered", {12}, Placing::OneToOne, TextureFilter::Linear},
        {"scaled", {15}, Placing::Scaled, TextureFilter::Linear},
        {"scaled, the square in the right tile", {33}, Placing::Scaled, TextureFilter::Linear},
        {"scaled, beside the tiles' border", {32}, Placing::Scaled, TextureFilter::Linear},
        {"scaled, at the edge that wraps", {44}, Placing::Scaled, TextureFilter::Linear},
        {"scaled, back from the edge", {40}, Placing::Scaled, TextureFilter::Linear},
        {"two runs between frames", {18, 40}, Placing::Scaled, TextureFilter::Linear},
        {"scaled, after two runs", {40}, Placing::Scaled, TextureFilter::Point},
        {"rotated", {21}, Placing::Rotated, TextureFilter::Linear},
        {"rotated, the square moved", {24}, Placing::Rotated, TextureFilter::Linear},
        {"rotated, the target untouched", {}, Placing::Rotated, TextureFilter::Linear},
        {"repeated", {27}, Placing::Repeated, TextureFilter::Linear},
        {"repeated, the square at the edge", {44}, Placing::Repeated, TextureFilter::Linear},
    };
    DeviceFixture changesOnly(3, 200, 130);
    DeviceFixture whole(3, 200, 130);
    whole.device.SetDrawsChangesOnly(false);
    std::unique_ptr<Platform::DeviceTexture> targets[2] = {
        changesOnly.device.CreateTexture(48, 40, Platform::TextureUsage::RenderTarget),
        whole.device.CreateTexture(48, 40, Platform::TextureUsage::RenderTarget)};
    for (const Step& step : steps)
    {
        Platform::Image pictures[2];
        for (int index = 0; index < 2; ++index)
        {
            DeviceFixture& fixture = index == 0 ? changesOnly : whole;
            SoftwareDevice& device = fixture.device;
            device.SetProjection(PixelProjection(48, 40));
            for (const float square : step.squares)
            {
                device.SetRenderTarget(targets[index].get());
                device.BeginScene();
                device.Clear(0x203040u);
                device.SetTexture(nullptr);
                fixture.DrawQuads(Quad(square, 12, 4, 5, 0xFFF0C020u));
                fixture.DrawQuads(Quad(20, 25, 10, 8, 0x8040A0FFu));
                device.EndScene();
                device.SetRenderTarget(nullptr);
            }
            device.SetProjection(PixelProjection(200, 130));
            device.BeginScene();
            device.Clear(0x102010u);
            device.SetFilter(step.filter);
            device.SetAddress(Platform::TextureAddress::Wrap);
            device.SetTexture(targets[index].get());
            fixture.DrawQuads(PlacedTarget(step.placing));
            device.SetTexture(nullptr);
            fixture.DrawQuads(Quad(170, 100, 15, 10, 0x90FFFFFFu));
            device.EndScene();
            device.ReadBackBuffer(pictures[index]);
        }
        ASSERT_EQ(pictures[0].pixels, pictures[1].pixels) << step.name;
    }
}

// A draw that replaces every pixel of a piece of the frame (blending and the alpha test off) hides the
// draws before it there; one that may leave a pixel as it was hides nothing. The frame's clear colour
// changes each time, so every piece (a row of tiles) is drawn anew.
TEST(SoftwareDevice, OnlyADrawThatReplacesAWholePieceHidesWhatLiesUnderIt)
{
    struct Case
    {
        const char* name;
        float top; // the cover's top edge (half a pixel above on the target, whose centres lie below it)
        bool blend;
        bool alphaTest;
    };
    const Case cases[] = {
        {"covering from the tiles' border", 32, false, false},
        {"half a pixel short of the border", 33, false, false},
        {"blended", 32, true, false},
        {"alpha tested", 32, false, true},
    };
    for (const Case& test : cases)
    {
        DeviceFixture changesOnly(3, 64, 128);
        DeviceFixture whole(3, 64, 128);
        whole.device.SetDrawsChangesOnly(false);
        std::unique_ptr<Platform::DeviceTexture> pictures[2];
        for (int frame = 0; frame < 3; ++frame)
        {
            Platform::Image shown[2];
            for (int index = 0; index < 2; ++index)
            {
                DeviceFixture& fixture = index == 0 ? changesOnly : whole;
                SoftwareDevice& device = fixture.device;
                if (!pictures[index])
                {
                    // Texels with alpha 0 in every other column: the alpha test leaves those pixels alone.
                    pictures[index] = device.CreateTexture(8, 8, Platform::TextureUsage::Plain);
                    Platform::DeviceTexture::LockedRect locked = pictures[index]->Lock();
                    for (int y = 0; y < 8; ++y)
                    {
                        auto* row = reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch);
                        for (int x = 0; x < 8; ++x)
                        {
                            row[x] = (x % 2 == 0 ? 0xFF000000u : 0u) | 0x00C08040u;
                        }
                    }
                    pictures[index]->Unlock();
                }
                device.BeginScene();
                device.Clear(0x102030u + static_cast<std::uint32_t>(frame) * 0x203010u);
                device.SetTexture(nullptr);
                fixture.DrawQuads(Quad(20, 20, 30, 50, 0xFF40FF40u));
                device.SetAlphaBlendEnabled(test.blend);
                device.SetAlphaTest(test.alphaTest, 0x40);
                device.SetTexture(pictures[index].get());
                fixture.DrawQuads(Quad(0, test.top, 64, 97 - test.top, 0x80FFFFFFu));
                device.SetAlphaBlendEnabled(false);
                device.SetAlphaTest(false, 0);
                device.EndScene();
                device.ReadBackBuffer(shown[index]);
            }
            ASSERT_EQ(shown[0].pixels, shown[1].pixels) << test.name << ", frame " << frame;
        }
    }
}

// A cover blended alpha hides what lies under it only where its every pixel is surely opaque: one opaque
// colour over an opaque texture (a render target reads so). Frames drawn where they changed and frames
// drawn whole must both show what a run that hides nothing shows; the last frame makes one texel of
// the texture transparent through a lock.
TEST(SoftwareDevice, ABlendedCoverHidesWhatLiesUnderItOnlyWhereItIsSurelyOpaque)
{
    enum class Source
    {
        OpaqueTexture,
        RenderTarget,
        NoTexture,
    };
    struct Case
    {
        const char* name;
        Source source;
        std::uint32_t colour;
        Platform::BlendFactor destination;
        bool alphaTest;
    };
    using Platform::BlendFactor;
    const Case cases[] = {
        {"opaque texture, white", Source::OpaqueTexture, 0xFFFFFFFFu, BlendFactor::InverseSourceAlpha, true},
        {"opaque texture, opaque tint", Source::OpaqueTexture, 0xFF80C040u, BlendFactor::InverseSourceAlpha,
         false},
        {"opaque texture, alpha 254", Source::OpaqueTexture, 0xFEFFFFFFu, BlendFactor::InverseSourceAlpha,
         true},
        {"opaque texture, added", Source::OpaqueTexture, 0xFFFFFFFFu, BlendFactor::One, false},
        {"opaque texture, inverse colour", Source::OpaqueTexture, 0xFFFFFFFFu,
         BlendFactor::InverseSourceColour, false},
        {"render target, white", Source::RenderTarget, 0xFFFFFFFFu, BlendFactor::InverseSourceAlpha, true},
        {"render target, half transparent", Source::RenderTarget, 0x80FFFFFFu,
         BlendFactor::InverseSourceAlpha, true},
        {"no texture, opaque colour", Source::NoTexture, 0xFF336699u, BlendFactor::InverseSourceAlpha, true},
        {"no texture, alpha 128", Source::NoTexture, 0x80336699u, BlendFactor::InverseSourceAlpha, false},
    };
    constexpr int kWidth = 96;
    constexpr int kHeight = 96;
    constexpr int kFrames = 3;
    for (const Case& test : cases)
    {
        // Drawn where changed, drawn whole, and drawn whole behind a first quad that covers nothing, which
        // keeps the draw from counting as a cover.
        DeviceFixture fixtures[3] = {DeviceFixture(1, kWidth, kHeight), DeviceFixture(3, kWidth, kHeight),
                                     DeviceFixture(3, kWidth, kHeight)};
        fixtures[1].device.SetDrawsChangesOnly(false);
        fixtures[2].device.SetDrawsChangesOnly(false);
        std::unique_ptr<Platform::DeviceTexture> textures[3];
        for (int frame = 0; frame < kFrames; ++frame)
        {
            Platform::Image shown[3];
            for (int index = 0; index < 3; ++index)
            {
                DeviceFixture& fixture = fixtures[index];
                SoftwareDevice& device = fixture.device;
                if (!textures[index] && test.source == Source::RenderTarget)
                {
                    textures[index] = device.CreateTexture(16, 16, Platform::TextureUsage::RenderTarget);
                    device.SetRenderTarget(textures[index].get());
                    device.BeginScene();
                    device.Clear(0x00204060u);
                    fixture.DrawQuads(Quad(2, 3, 9, 7, 0x90FFC080u));
                    device.EndScene();
                    device.SetRenderTarget(nullptr);
                }
                else if (!textures[index] && test.source == Source::OpaqueTexture)
                {
                    textures[index] = device.CreateTexture(16, 16, Platform::TextureUsage::Plain);
                }
                if (test.source == Source::OpaqueTexture && (frame == 0 || frame == kFrames - 1))
                {
                    Platform::DeviceTexture::LockedRect locked = textures[index]->Lock();
                    for (int y = 0; y < 16; ++y)
                    {
                        auto* row = reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch);
                        for (int x = 0; x < 16; ++x)
                        {
                            const bool holed = frame == kFrames - 1 && x == 5 && y == 9;
                            row[x] =
                                (holed ? 0u : 0xFF000000u) | static_cast<std::uint32_t>(x * 0x0F0400 + y * 9);
                        }
                    }
                    textures[index]->Unlock();
                }
                device.BeginScene();
                device.Clear(0x102030u + static_cast<std::uint32_t>(frame) * 0x203010u);
                device.SetTexture(nullptr);
                device.SetAlphaBlendEnabled(true);
                device.SetAlphaTest(true, 1);
                device.SetDestinationBlend(BlendFactor::InverseSourceAlpha);
                fixture.DrawQuads(Quad(10, 12, 40, 50, 0xC040FF40u));
                device.SetTexture(textures[index].get());
                device.SetDestinationBlend(test.destination);
                device.SetAlphaTest(test.alphaTest, 0xFF);
                std::vector<Platform::Vertex> cover = Quad(0, 0, kWidth, kHeight, test.colour);
                if (index == 2)
                {
                    const std::vector<Platform::Vertex> nothing = Quad(1, 1, 0, 0, test.colour);
                    cover.insert(cover.begin(), nothing.begin(), nothing.end());
                }
                fixture.DrawQuads(cover);
                device.SetTexture(nullptr);
                device.SetDestinationBlend(BlendFactor::InverseSourceAlpha);
                device.SetAlphaTest(true, 1);
                fixture.DrawQuads(Quad(30, 40, 20, 8, 0x80FF2020u));
                device.EndScene();
                device.ReadBackBuffer(shown[index]);
            }
            ASSERT_EQ(shown[0].pixels, shown[2].pixels)
                << test.name << ", frame " << frame << ", changes only";
            ASSERT_EQ(shown[1].pixels, shown[2].pixels) << test.name << ", frame " << frame << ", whole";
        }
    }
}

// A run drawn where it changed is shared among the threads only when it has much to draw; either way its
// pixels are those of the frame drawn whole.
TEST(SoftwareDevice, ChangedRunsOfMuchWorkAreSharedAndGiveTheSamePixels)
{
    struct Step
    {
        const char* name;
        std::uint32_t background;
        float spriteX;
        bool shared;
    };
    const Step steps[] = {
        {"first: every layer everywhere", 0x102030u, 100, true},
        {"a sprite moved: little to draw", 0x102030u, 140, false},
        {"the background changed: every layer again", 0x302010u, 140, true},
    };
    DeviceFixture changesOnly(8, 1024, 768);
    DeviceFixture whole(1, 1024, 768);
    whole.device.SetDrawsChangesOnly(false);
    std::uint64_t shared = 0;
    for (const Step& step : steps)
    {
        Platform::Image pictures[2];
        for (int index = 0; index < 2; ++index)
        {
            DeviceFixture& fixture = index == 0 ? changesOnly : whole;
            fixture.device.BeginScene();
            fixture.device.Clear(step.background);
            fixture.device.SetAlphaBlendEnabled(true);
            fixture.device.SetTexture(nullptr);
            std::vector<Platform::Vertex> layers;
            for (std::uint32_t layer = 0; layer < 10; ++layer)
            {
                const auto veil = Quad(0, 0, 1024, 768, 0x20000000u | (layer * 0x1F3D5Bu & 0xFFFFFFu));
                layers.insert(layers.end(), veil.begin(), veil.end());
            }
            const auto sprite = Quad(step.spriteX, 300, 40, 30, 0xFFFFFFFFu);
            layers.insert(layers.end(), sprite.begin(), sprite.end());
            fixture.DrawQuads(layers);
            fixture.device.EndScene();
            fixture.device.ReadBackBuffer(pictures[index]);
        }
        ASSERT_EQ(pictures[0].pixels, pictures[1].pixels) << step.name;
        shared += step.shared ? 1 : 0;
        EXPECT_EQ(changesOnly.device.SharedChangedRuns(), shared) << step.name;
    }
}

// Opaque covers that between them hide parts of a clear leave those parts uncleared; every other pixel
// must still show the clear through the veil drawn over all. The reference clears the same colour with
// a quad drawn unblended, which is run in full.
TEST(SoftwareDevice, AClearIsSkippedOnlyWhereLaterOpaqueCoversHideIt)
{
    struct Cover
    {
        float x, y, w, h;
    };
    struct Case
    {
        const char* name;
        std::vector<Cover> covers;
    };
    const Case cases[] = {
        {"a strip over the top", {{0, 0, 64, 20}}},
        {"a strip under the bottom", {{0, 30, 64, 18}}},
        {"a strip down the right side", {{40, 0, 24, 48}}},
        {"a block that spans neither way", {{10, 10, 20, 20}}},
        {"a side block that trims only once the top strip has", {{0, 16, 30, 32}, {0, 0, 64, 20}}},
        {"covers over everything", {{0, 0, 64, 24}, {0, 24, 64, 24}}},
    };
    constexpr std::uint32_t kClear = 0x903010u;
    for (const Case& test : cases)
    {
        for (int threads : {1, 3})
        {
            Platform::Image pictures[2];
            for (int index = 0; index < 2; ++index)
            {
                DeviceFixture fixture(threads);
                fixture.device.SetDrawsChangesOnly(index == 0);
                fixture.device.BeginScene();
                fixture.device.Clear(index == 0 ? kClear : 0x000000u);
                fixture.device.SetTexture(nullptr);
                fixture.device.SetAlphaBlendEnabled(false);
                fixture.device.SetAlphaTest(false, 0);
                if (index == 1)
                {
                    fixture.DrawQuads(Quad(0, 0, 64, 48, 0xFF000000u | kClear));
                }
                std::vector<Platform::Vertex> covers;
                for (const Cover& cover : test.covers)
                {
                    const auto quad = Quad(cover.x, cover.y, cover.w, cover.h, 0xFF2060A0u);
                    covers.insert(covers.end(), quad.begin(), quad.end());
                }
                fixture.DrawQuads(covers);
                fixture.device.SetAlphaBlendEnabled(true);
                fixture.device.SetAlphaTest(true, 1);
                fixture.DrawQuads(Quad(0, 0, 64, 48, 0x60FFFFFFu));
                fixture.device.EndScene();
                fixture.device.ReadBackBuffer(pictures[index]);
            }
            ASSERT_EQ(pictures[0].pixels, pictures[1].pixels) << test.name << ", " << threads << " threads";
        }
    }
}
