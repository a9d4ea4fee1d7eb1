#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Mesh.h"
#include "engine/Util/Random.h"
#include "game/Util/AniMeshContainer.h"
#include "game/Util/AnimatedObject.h"
#include "game/Util/AnimatedObjectList.h"
#include "game/Util/HintArrow.h"
#include "game/Util/RotateMesh.h"
#include "tests/engine/Render/SpriteFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace
{

constexpr const char* kBird = R"(
Bird = { Image = "sheet.png", SrcRect = { 0, 0, 10, 10 },
         Animation = { FramesCols = 5, FramesRows = 1, NumFrames = 5 } }
Smoke = { Image = "sheet.png", SrcRect = { 0, 0, 10, 10 },
          Animation = { FramesCols = 2, FramesRows = 1, Loop = 1 } }
)";

class AnimatedVisualsTest : public TestSupport::SpriteTest
{
protected:
    AnimatedVisualsTest()
    {
        Korrin::SeedRand(1);
        Platform::Image other;
        other.width = 16;
        other.height = 16;
        other.pixels.assign(16 * 16, 0xFF20A020u);
        Platform::PngCodec::Write(other, mFolder.Path() + "/media/other.png");
        // Two parts over the grey sheet; the first moves 10 pixels right over one second.
        Script("parts.mesh", R"(
MeshList = { "A", "B" }
ImageList = { "sheet.png", "other.png" }
A = { Image = "sheet.png", NumsCell = { 2, 2 }, MeshSize = { 32, 32 }, SrcRect = { 0, 0, 32, 32 },
      Animation = { FramesList = { { 0, 0, 0, 32, 0, 0, 32, 32, 32 }, { 1, 10, 0, 42, 0, 10, 32, 42, 32 } } } }
B = { Image = "sheet.png", NumsCell = { 2, 2 }, MeshSize = { 32, 32 }, SrcRect = { 0, 0, 32, 32 },
      Animation = { FramesList = { { 0, 0, 0, 32, 0, 0, 32, 32, 32 }, { 1, 0, 0, 32, 0, 0, 32, 32, 32 } } } }
)");
        Script("hintarrow.mesh", R"(
MeshList = { "Arrow" }
ImageList = { "sheet.png" }
Arrow = { Image = "sheet.png", NumsCell = { 2, 2 }, MeshSize = { 10, 10 }, SrcRect = { 0, 0, 10, 10 } }
)");
        Script("birds.lua", std::string(kBird) + R"(
Birds = {
    { 100, 200, "Bird", 0, 2, 1, 0.5 },
    { "x", 7, "Smoke" },
    { 5, 6, "Bird", 4.6, 1, 0.2 },
    "not a table",
}
)");
    }

    Korrin::AnimatedSprite* LoadSprite(const char* table)
    {
        Script("sprite.lua", kBird);
        return mSprites.LoadAnimatedSprite(table, "sprite.lua");
    }

    // The colour of a back-buffer pixel after drawing.
    template <typename Drawing>
    std::uint32_t PixelAfter(int x, int y, Drawing drawing)
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        drawing();
        render.EndScene();
        return mRender.BackBuffer().At(x, y);
    }
};

TEST_F(AnimatedVisualsTest, AListReadsItsObjectsByPositionWithDefaults)
{
    AnimatedObjectList list;
    list.Load("birds.lua", "Birds");
    ASSERT_EQ(list.GetCount(), 3u) << "the value that is not a table is skipped";
    const AnimatedObject* first = list.Get(0);
    EXPECT_EQ(first->GetX(), 100.0f);
    EXPECT_EQ(first->GetY(), 200.0f);
    EXPECT_EQ(first->GetPeriod(), 10u) << "a period of 0 waits 10 seconds and more";
    EXPECT_GE(first->GetNextStart(), 10.0f);
    EXPECT_LE(first->GetNextStart(), 19.0f);
    EXPECT_EQ(first->GetScale(), 2.0f);
    EXPECT_TRUE(first->IsEnabled());
    EXPECT_EQ(first->GetAlpha(), 0.5f);

    const AnimatedObject* second = list.Get(1);
    EXPECT_EQ(second->GetX(), 0.0f) << "x and y are both numbers or both 0";
    EXPECT_EQ(second->GetY(), 0.0f);
    EXPECT_TRUE(second->IsPlaying()) << "a continuous animation plays from the start";
    EXPECT_EQ(second->GetScale(), 1.0f);
    EXPECT_EQ(second->GetAlpha(), 1.0f);

    const AnimatedObject* third = list.Get(2);
    EXPECT_EQ(third->GetPeriod(), 5u) << "taken to the nearest whole second";
    EXPECT_FALSE(third->IsEnabled()) << "0.2 is nearest to 0";

    list.Load("birds.lua", "Nothing");
    EXPECT_EQ(list.GetCount(), 3u) << "a missing table adds nothing";
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_TRUE(list.GetName().empty());
}

TEST_F(AnimatedVisualsTest, APeriodOfZeroWaitsTenToNineteenSeconds)
{
    std::set<float> waits;
    for (int i = 0; i < 200; ++i)
    {
        AnimatedObject object;
        object.Init(0, 0, LoadSprite("Bird"), 0.0f, 1.0f, true, 1.0f);
        waits.insert(object.GetNextStart());
    }
    EXPECT_EQ(*waits.begin(), 10.0f);
    EXPECT_EQ(*waits.rbegin(), 19.0f);
    EXPECT_EQ(waits.size(), 10u);
}

TEST_F(AnimatedVisualsTest, APlayShowsEachFrameOnceAtSevenASecondAndThenWaitsAgain)
{
    AnimatedObject object;
    object.Init(0, 0, LoadSprite("Bird"), 3.0f, 1.0f, true, 1.0f);
    const float wait = object.GetNextStart();
    EXPECT_TRUE(object.Update(wait)); // the wait is over: a play starts
    ASSERT_TRUE(object.IsPlaying());
    std::vector<int> frames;
    while (object.IsPlaying())
    {
        ASSERT_TRUE(object.Update(1.0f / 7.0f));
        frames.push_back(object.GetFrame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5})) << "the play ends when the frame reaches 5";
    EXPECT_GE(object.GetNextStart(), 3.0f);
    EXPECT_LE(object.GetNextStart(), 5.0f);

    AnimatedObject disabled;
    disabled.Init(0, 0, LoadSprite("Bird"), 3.0f, 1.0f, false, 1.0f);
    EXPECT_FALSE(disabled.Update(100.0f));
    disabled.Restart();
    EXPECT_FALSE(disabled.IsPlaying()) << "a disabled object does not restart";

    AnimatedObject blank;
    blank.Init(0, 0, nullptr, 3.0f, 1.0f, true, 1.0f);
    EXPECT_FALSE(blank.Update(0.1f)) << "nothing to show";
}

TEST_F(AnimatedVisualsTest, ShowingAndHidingTheFirstThreeNeedsThree)
{
    AnimatedObjectList list;
    list.Load("birds.lua", "Birds");
    EXPECT_TRUE(list.HideFirstThree());
    for (std::size_t i = 0; i < 3; ++i)
    {
        EXPECT_FALSE(list.Get(i)->IsEnabled());
        EXPECT_FALSE(list.Get(i)->IsPlaying());
    }
    EXPECT_TRUE(list.ShowFirstThree());
    EXPECT_TRUE(list.Get(2)->IsEnabled());
    EXPECT_EQ(list.Get(2)->GetNextStart(), 0.0f) << "shown from the start of its wait";
    EXPECT_TRUE(list.Hide(1));
    EXPECT_FALSE(list.Get(1)->IsEnabled());
    EXPECT_FALSE(list.Hide(3));

    Script("two.lua", std::string(kBird) + "Two = { { 1, 1, \"Bird\" }, { 2, 2, \"Bird\", 3, 1, 0 } }");
    AnimatedObjectList two;
    two.Load("two.lua", "Two");
    EXPECT_FALSE(two.ShowFirstThree());
    EXPECT_FALSE(two.HideFirstThree());
    EXPECT_TRUE(two.Get(0)->IsEnabled()) << "nothing changed";
    EXPECT_FALSE(two.Get(1)->IsEnabled());
}

TEST_F(AnimatedVisualsTest, AContainerLoadsItsPartsAndImagesAndGivesThemBackOnReload)
{
    Korrin::TextureManager& textures = *mRender.Render().GetTextureManager();
    {
        AniMeshContainer container;
        container.Load("parts.mesh", true);
        ASSERT_EQ(container.GetEntityCount(), 2u);
        ASSERT_EQ(container.GetTextureCount(), 2u);
        EXPECT_EQ(container.GetEntity(0)->name, "A");
        EXPECT_EQ(container.GetEntity(-1), nullptr);
        EXPECT_EQ(container.GetEntity(2), nullptr);
        Korrin::Texture* other = container.GetTexture(1);
        ASSERT_NE(other, nullptr);
        const std::int32_t references = other->GetReferenceCount();
        const std::size_t sprites = mSprites.GetCount();
        container.Load("parts.mesh", true);
        EXPECT_EQ(container.GetTexture(1)->GetReferenceCount(), references)
            << "the first load's are given back";
        EXPECT_EQ(mSprites.GetCount(), sprites) << "the first load's meshes are deleted";
    }
    EXPECT_EQ(textures.GetTextureCount(), 0u) << "every picture was given back";
    EXPECT_EQ(mSprites.GetCount(), 0u);
}

TEST_F(AnimatedVisualsTest, AContainerAnimatesAllPartsAndDrawsTheChosenImage)
{
    AniMeshContainer container;
    container.Load("parts.mesh", true);
    container.SetAnimationTime(0.5f);
    EXPECT_EQ(container.GetEntity(0)->mesh->GetTime(), 0.5f);
    EXPECT_TRUE(container.Update(0.25f));
    EXPECT_FALSE(container.Update(1.0f)) << "both parts rest on their last frame";
    container.SetLoop(1);
    EXPECT_TRUE(container.GetEntity(1)->mesh->IsLooping());

    const std::uint32_t grey = 0xFF808080u;
    const std::uint32_t green = 0xFF20A020u;
    const std::uint32_t white = 0xFFFFFFFFu;
    container.GetEntity(0)->visible = false;
    EXPECT_EQ(PixelAfter(5, 5, [&] { container.Draw(0, 0, 0, false); }), grey);
    EXPECT_EQ(PixelAfter(5, 5, [&] { container.Draw(1, 0, 0, false); }), green);
    EXPECT_EQ(PixelAfter(5, 5, [&] { container.Draw(7, 0, 0, false); }), white)
        << "past the list: no texture";
    EXPECT_EQ(container.GetEntity(1)->mesh->GetTexture(), container.GetTexture(0))
        << "its own texture is back";
    EXPECT_EQ(QuadsDrawn([&] { container.DrawFirstEntities(0, 0, 0, 1, false); }), 0u) << "part 0 is hidden";
    EXPECT_EQ(QuadsDrawn([&] { container.DrawEntitiesFrom(0, 0, 0, 1, true); }), 2u) << "twice";

    AniMeshContainer plain;
    plain.Load("parts.mesh", false);
    EXPECT_EQ(plain.GetTextureCount(), 0u);
    EXPECT_EQ(QuadsDrawn([&] { plain.Draw(0, 0, 0, false); }), 2u);
    EXPECT_EQ(QuadsDrawn([&] { plain.DrawFirstEntities(0, 0, 0, 2, false); }), 0u) << "image-list mode only";
}

TEST_F(AnimatedVisualsTest, FlippingMirrorsEveryKey)
{
    AniMeshContainer container;
    container.Load("parts.mesh", false);
    container.FlipHorizontal();
    const auto& frames = container.GetEntity(0)->mesh->GetFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[1].positions[1].x, -42.0f);
    EXPECT_EQ(frames[1].positions[1].y, 0.0f);
}

TEST_F(AnimatedVisualsTest, TheHintArrowStandsAboveAndLeftOfItsTarget)
{
    HintArrow arrow;
    arrow.Load(); // nothing to load into before its owner made it
    EXPECT_EQ(arrow.GetContainer(), nullptr);
    arrow.Create();
    arrow.Load();
    ASSERT_EQ(arrow.GetContainer()->GetEntityCount(), 1u);
    EXPECT_TRUE(arrow.GetContainer()->GetEntity(0)->mesh->IsLooping());
    const Korrin::Vector2 target{200.0f, 300.0f};
    // The arrow (a grid of one 5 x 5 cell) lands at (82, 123).
    EXPECT_EQ(PixelAfter(82, 123, [&] { arrow.Draw(target); }), 0xFF808080u);
    EXPECT_NE(PixelAfter(81, 123, [&] { arrow.Draw(target); }), 0xFF808080u);
    EXPECT_NE(PixelAfter(82, 122, [&] { arrow.Draw(target); }), 0xFF808080u);
    EXPECT_EQ(PixelAfter(86, 127, [&] { arrow.Draw(target); }), 0xFF808080u);
    arrow.Release();
    EXPECT_EQ(arrow.GetContainer(), nullptr);
}

TEST_F(AnimatedVisualsTest, RotatingTurnsTheTextureFurtherAboutThePivotAtEachCall)
{
    Script("wheel.lua", R"(Wheel = { Image = "sheet.png", NumsCell = { 2, 2 }, MeshSize = { 64, 32 },
                                      SrcRect = { 0, 0, 64, 32 } })");
    Korrin::Mesh* wheel = mSprites.LoadMesh("Wheel", "wheel.lua");
    const float quarter = 3.14159265f / 2.0f;
    // The top-left corner (0, 0) of the texture, in texture pixels about the pivot (32, 16), after each
    // call: a quarter turn per call, the last call with no time turning nothing.
    struct Step
    {
        float time;
        float u;
        float v;
    };
    const Step steps[] = {
        {1.0f, 48.0f, -16.0f}, {1.0f, 64.0f, 32.0f}, {0.0f, 64.0f, 32.0f}, {2.0f, 0.0f, 0.0f}};
    for (const Step& step : steps)
    {
        RotateMesh(*wheel, step.time, quarter, 0.5f, 0.5f);
        EXPECT_NEAR(wheel->GridVertex(0, 0).u, step.u / 64.0f, 1e-5f) << step.time;
        EXPECT_NEAR(wheel->GridVertex(0, 0).v, step.v / 32.0f, 1e-5f) << step.time;
    }
    EXPECT_NEAR(wheel->GridVertex(1, 1).u, 1.0f, 1e-5f) << "a full turn brings the plain coordinates back";
    EXPECT_NEAR(wheel->GridVertex(1, 1).v, 1.0f, 1e-5f);
}

TEST_F(AnimatedVisualsTest, AnHourOfSmallTurnsKeepsTheTexturesSize)
{
    Script("wheel.lua", R"(Wheel = { Image = "sheet.png", NumsCell = { 1, 1 }, MeshSize = { 64, 32 },
                                      SrcRect = { 0, 0, 64, 32 } })");
    Korrin::Mesh* wheel = mSprites.LoadMesh("Wheel", "wheel.lua");
    // The corner's distance from the pivot (32, 16), in texture pixels.
    const auto radius = [&]
    {
        const Korrin::Vertex& corner = wheel->GridVertex(0, 0);
        return std::hypot(corner.u * 64.0f - 32.0f, corner.v * 32.0f - 16.0f);
    };
    const float before = radius();
    for (int frame = 0; frame < 60 * 60 * 60; ++frame)
    {
        RotateMesh(*wheel, 1.0f / 60.0f, 0.1f, 0.5f, 0.5f);
    }
    EXPECT_NEAR(radius(), before, 0.01f);
}

} // namespace
