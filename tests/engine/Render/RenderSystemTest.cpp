#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using Korrin::RenderData;
using Korrin::RenderSystem;
using Korrin::Texture;
using Korrin::TextureManager;
using Platform::DrawRecord;
using TestSupport::QuadBlock;
using TestSupport::RenderFixture;
using TestSupport::ReportRecorder;

namespace
{

class RenderSystemTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    RenderFixture mFixture;
    RenderSystem& mRender = mFixture.Render();
    Platform::GraphicsDevice& mDevice = mFixture.Device();
};

std::vector<std::uint32_t> Primitives(const std::vector<DrawRecord>& calls)
{
    std::vector<std::uint32_t> primitives;
    for (const DrawRecord& call : calls)
    {
        primitives.push_back(call.primitives);
    }
    return primitives;
}

} // namespace

TEST_F(RenderSystemTest, AThousandEqualQuadsTakeTwoDrawCalls)
{
    Texture* texture = TextureManager::GetInstance()->CreateRenderTexture("sheet");
    std::vector<std::unique_ptr<QuadBlock>> sprites;
    for (int i = 0; i < 1000; ++i)
    {
        sprites.push_back(
            std::make_unique<QuadBlock>(static_cast<float>(i % 100), 10.0f, 8.0f, 8.0f, texture));
    }
    mDevice.RecordDrawCalls(8);
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    for (const auto& sprite : sprites)
    {
        mRender.AddRenderData(&sprite->data);
    }
    mRender.EndScene();
    // A batch flushes when it would reach 4000 vertices: 999 quads, then the last one.
    EXPECT_EQ(Primitives(mDevice.DrawCalls()), (std::vector<std::uint32_t>{999 * 2, 2}));
    EXPECT_EQ(mDevice.DrawCalls()[0].vertices, 999u * 4);
}

TEST_F(RenderSystemTest, StateChangesFlushAndEqualStatesShareACall)
{
    TextureManager* textures = TextureManager::GetInstance();
    Texture* first = textures->CreateRenderTexture("first");
    Texture* second = textures->CreateRenderTexture("second");
    QuadBlock a(0, 0, 4, 4, first);
    QuadBlock b(8, 0, 4, 4, first);
    QuadBlock c(16, 0, 4, 4, second);
    QuadBlock d(24, 0, 4, 4, second);
    d.data.mBlendMode = RenderData::kBlendAdd;
    QuadBlock e(32, 0, 4, 4, second);
    e.data.mBlendMode = RenderData::kBlendAdd;
    e.data.mFilter = RenderData::kFilterPoint;
    QuadBlock f(40, 0, 4, 4, second);
    f.data.mBlendMode = RenderData::kBlendAdd;
    f.data.mFilter = RenderData::kFilterPoint;
    f.data.mAddressing = RenderData::kAddressClamp;
    mDevice.RecordDrawCalls(16);
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    for (QuadBlock* block : {&a, &b, &c, &d, &e, &f})
    {
        mRender.AddRenderData(&block->data);
    }
    mRender.EndScene();
    const auto& calls = mDevice.DrawCalls();
    ASSERT_EQ(Primitives(calls), (std::vector<std::uint32_t>{4, 2, 2, 2, 2}));
    EXPECT_EQ(calls[0].texture, first->GetDeviceTexture());
    EXPECT_EQ(calls[1].texture, second->GetDeviceTexture());
    EXPECT_EQ(calls[2].destinationBlend, Platform::BlendFactor::One);
    EXPECT_EQ(calls[3].filter, Platform::TextureFilter::Point);
    EXPECT_EQ(calls[4].address, Platform::TextureAddress::Clamp);
}

TEST_F(RenderSystemTest, LinesBetweenQuadsFlushAtEverySwitch)
{
    QuadBlock quad(0, 0, 4, 4);
    mDevice.RecordDrawCalls(16);
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    mRender.AddRenderData(&quad.data);
    mRender.DrawLine(0, 0, 10, 10, 0xFFFFFFFFu);
    mRender.DrawLine(0, 5, 10, 5, 0xFFFFFFFFu);
    mRender.AddRenderData(&quad.data);
    mRender.DrawLine(0, 0, 10, 10, 0xFFFFFFFFu);
    mRender.EndScene();
    const auto& calls = mDevice.DrawCalls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, DrawRecord::Kind::Triangles);
    EXPECT_EQ(calls[1].kind, DrawRecord::Kind::Lines);
    EXPECT_EQ(calls[1].primitives, 2u);
    EXPECT_EQ(calls[2].kind, DrawRecord::Kind::Triangles);
    EXPECT_EQ(calls[3].kind, DrawRecord::Kind::Lines);
}

TEST_F(RenderSystemTest, ABlockWithNoSceneOpenChangesStatesOnly)
{
    Texture* texture = TextureManager::GetInstance()->CreateRenderTexture("outside");
    QuadBlock quad(0, 0, 4, 4, texture);
    quad.data.mBlendMode = RenderData::kBlendInverseColour;
    const auto before = mDevice.Statistics();
    mRender.AddRenderData(&quad.data);
    EXPECT_EQ(mDevice.Statistics().textureChanges, before.textureChanges + 1);
    EXPECT_EQ(mDevice.Statistics().blendChanges, before.blendChanges + 1);
    // Open a scene: the states are remembered, so the same block changes nothing more.
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    mRender.AddRenderData(&quad.data);
    mRender.EndScene();
    EXPECT_EQ(mDevice.Statistics().textureChanges, before.textureChanges + 1);
    EXPECT_EQ(mDevice.Statistics().blendChanges, before.blendChanges + 1);
    EXPECT_EQ(mDevice.Statistics().drawCalls, before.drawCalls + 1);
}

TEST_F(RenderSystemTest, RefusesBlocksThatWouldOverrunTheBufferOrBreakTheQuads)
{
    std::vector<Korrin::Vertex> many(4001);
    RenderData tooMany;
    tooMany.mVertexData = many.data();
    tooMany.mVertexCount = 4001;
    tooMany.mPrimitive = RenderData::kLines;
    RenderData sixCorners;
    sixCorners.mVertexData = many.data();
    sixCorners.mVertexCount = 6;
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    mRender.AddRenderData(&tooMany);
    EXPECT_EQ(ReportRecorder::LastDescription(), "RenderSystem::AddRenderData (mVertexCount>4000)");
    mRender.AddRenderData(&sixCorners);
    EXPECT_EQ(ReportRecorder::LastDescription(), "RenderSystem::AddRenderData (quad mVertexCount!=4)");
    mRender.AddRenderData(nullptr);
    mRender.EndScene();
    EXPECT_EQ(mDevice.Statistics().drawCalls, 0u);
}

TEST_F(RenderSystemTest, ClearColourStartsAsTheEngineBlue)
{
    EXPECT_EQ(mRender.GetClearColour().ToARGB(), 0x00004D99u);
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    mRender.EndScene();
    EXPECT_EQ(mFixture.BackBuffer().At(500, 300), 0xFF004D99u);
}

TEST_F(RenderSystemTest, DrawsASpriteOnExactPixelsAtWholeAndHalfCoordinates)
{
    struct Case
    {
        float x, y;
        int firstColumn, firstRow;
    };
    // Pixel centres lie at whole coordinates after the half-pixel shift: a corner at a whole or a half
    // coordinate covers from that pixel on; a quarter past the half moves it one on.
    for (const Case& testCase :
         {Case{10.0f, 20.0f, 10, 20}, Case{10.5f, 20.5f, 10, 20}, Case{10.75f, 20.75f, 11, 21}})
    {
        mRender.SetClearColour({0, 0, 0, 0});
        QuadBlock quad(testCase.x, testCase.y, 3.0f, 2.0f);
        mRender.BeginFrame();
        mRender.BeginScene(nullptr);
        mRender.AddRenderData(&quad.data);
        mRender.EndScene();
        const Platform::Image picture = mFixture.BackBuffer();
        int covered = 0;
        for (int y = 15; y < 30; ++y)
        {
            for (int x = 5; x < 20; ++x)
            {
                const bool inside = x >= testCase.firstColumn && x < testCase.firstColumn + 3 &&
                                    y >= testCase.firstRow && y < testCase.firstRow + 2;
                EXPECT_EQ(picture.At(x, y) == 0xFFFFFFFFu, inside) << testCase.x << " " << x << "," << y;
                covered += inside ? 1 : 0;
            }
        }
        EXPECT_EQ(covered, 6);
    }
}

TEST(RenderSystemMapping, FullScreenOnAWideDisplayHasSideBars)
{
    Platform::DisplayMetrics wide = Platform::HeadlessWindowSystem::DefaultMetrics();
    RenderFixture fixture(false, wide);
    RenderSystem& render = fixture.Render();
    EXPECT_EQ(render.GetScreenWidth(), 1920u);
    EXPECT_EQ(render.GetScreenHeight(), 1080u);
    EXPECT_FLOAT_EQ(render.GetBorderX(), 240.0f);
    EXPECT_FLOAT_EQ(render.GetBorderY(), 0.0f);
    EXPECT_EQ(fixture.Device().BackBufferWidth(), 1920);
    const Korrin::Vector2* mapped = render.WindowToVirtual({240.0f + 720.0f, 540.0f});
    EXPECT_FLOAT_EQ(mapped->x, 512.0f);
    EXPECT_FLOAT_EQ(mapped->y, 384.0f);
    EXPECT_EQ(mapped, &render.GetVirtualCursor());
}

TEST(RenderSystemMapping, WindowPointsScaleWithTheClientArea)
{
    RenderFixture fixture(true);
    Platform::WindowSystem& windows = fixture.Services().Window();
    const std::uint32_t style = Platform::WindowStyle::Overlapped;
    const Platform::DisplayMetrics metrics = windows.Metrics();
    windows.CreateAppWindow(
        "Test", style, Platform::WindowSystem::OuterRectForClient(metrics, 1024, 768, style),
        [&windows](Platform::WindowHandle w, std::uint32_t m, std::uintptr_t f, std::intptr_t s)
        { return windows.DefaultProcedure(w, m, f, s); });
    EXPECT_EQ(*fixture.Render().WindowToVirtual({100.0f, 700.0f}), (Korrin::Vector2{100.0f, 700.0f}));
    windows.PlaceWindow(windows.MainWindow(),
                        Platform::WindowSystem::OuterRectForClient(metrics, 512, 384, style), false);
    EXPECT_EQ(*fixture.Render().WindowToVirtual({100.0f, 300.0f}), (Korrin::Vector2{200.0f, 600.0f}));
}

TEST_F(RenderSystemTest, LostDeviceFramesDrawNothingAndRenderTexturesComeBackEmpty)
{
    Texture* target = TextureManager::GetInstance()->CreateRenderTexture("frame");
    mRender.SetClearColour({1.0f, 0.0f, 0.0f, 0.0f});
    mRender.BeginFrame();
    mRender.BeginScene(target);
    mRender.EndScene();
    Platform::Image picture;
    Platform::GraphicsDevice::ReadTexture(*target->GetDeviceTexture(), picture);
    ASSERT_EQ(picture.At(5, 5), 0xFFFF0000u);

    mDevice.MakeLost();
    ASSERT_EQ(mDevice.Present(), Platform::DeviceResult::DeviceLost);
    mRender.SetDeviceLost(true);
    const auto before = mDevice.Statistics();
    QuadBlock quad(0, 0, 100, 100);
    for (int frame = 0; frame < 3; ++frame)
    {
        mRender.BeginFrame();
        mRender.BeginScene(target);
        mRender.AddRenderData(&quad.data);
        mRender.EndScene();
        mRender.BeginScene(nullptr);
        mRender.EndScene();
    }
    EXPECT_EQ(mDevice.Statistics().drawCalls, before.drawCalls);
    EXPECT_EQ(mDevice.Statistics().clears, before.clears);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());

    mDevice.AllowReset();
    mRender.BeginFrame(); // resets
    EXPECT_TRUE(mRender.IsDeviceLost());
    mRender.BeginFrame(); // works again
    EXPECT_FALSE(mRender.IsDeviceLost());
    ASSERT_NE(target->GetDeviceTexture(), nullptr);
    EXPECT_EQ(target->GetWidth(), 1024.0f);
    Platform::GraphicsDevice::ReadTexture(*target->GetDeviceTexture(), picture);
    EXPECT_EQ(picture.At(5, 5), 0xFF000000u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(RenderSystemTest, ARenderTextureGivenBackLeavesTheResetList)
{
    TextureManager* textures = TextureManager::GetInstance();
    Texture* kept = textures->CreateRenderTexture("kept");
    Texture* dropped = textures->CreateRenderTexture("dropped");
    ASSERT_EQ(textures->GetRenderTextures().size(), 2u);
    textures->UnloadTexture(dropped);
    EXPECT_EQ(textures->GetRenderTextures(), (std::vector<Texture*>{kept}));
    // A reset touches only the live one (a freed one would trip the address checks).
    mRender.Reset(true);
    EXPECT_NE(kept->GetDeviceTexture(), nullptr);
}

TEST_F(RenderSystemTest, ANewFrameKeepsTheDeviceFilterThatTheBatchRemembers)
{
    // The frame's render states would otherwise put the device back to linear while the batch still
    // believes it is point, and the next point-filtered block would be drawn smoothed.
    QuadBlock sharp(0, 0, 4, 4);
    sharp.data.mFilter = RenderData::kFilterPoint;
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    mRender.AddRenderData(&sharp.data);
    mRender.EndScene();
    mDevice.RecordDrawCalls(4);
    mRender.BeginFrame();
    mRender.BeginScene(nullptr);
    mRender.AddRenderData(&sharp.data);
    mRender.EndScene();
    ASSERT_EQ(mDevice.DrawCalls().size(), 1u);
    EXPECT_EQ(mDevice.DrawCalls()[0].filter, Platform::TextureFilter::Point);
}
