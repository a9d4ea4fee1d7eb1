#include "engine/App/TimerManager.h"
#include "engine/Render/Sprite.h"
#include "game/LevelLoadScreen.h"
#include "game/LoadingFrame.h"
#include "game/LogoScreen.h"
#include "game/MainLoadScreen.h"
#include "platform/JpegWriter.h"
#include "tests/engine/Render/SpriteFixture.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{

class LoadingScreensTest : public TestSupport::SpriteTest
{
protected:
    LoadingScreensTest()
    {
        mTimer.Reset();
        Script("main_load.lua", R"(
Background = { Image = "sheet.png", Pos = { 0, 0 }, SrcRect = { 0, 0, 64, 32 } }
Progressbar = { Image = "sheet.png", Pos = { 100, 200 }, SrcRect = { 4, 0, 54, 10 } }
ProgressbarPanel = { Image = "sheet.png", Pos = { 90, 190 }, SrcRect = { 0, 0, 64, 32 } }
)");
        std::string level;
        for (const char* part :
             {"Background", "BackgroundFence", "Fence", "Ground", "Fairy", "Gardener", "Girl", "Boy"})
        {
            level += std::string(part) +
                     " = { Image = \"sheet.png\", Pos = { 10, 20 }, SrcRect = { 0, 0, 64, 32 } }\n";
        }
        Script("level_load.lua", level);
        WriteScenes("{ FramesList = { { 0, 0, 0, 9, 0, 0, 9, 9, 9 }, { 0.5, 1, 0, 10, 0, 1, 9, 10, 9 } } }");
    }

    // Six scenes of one part each, with the given animation.
    void WriteScenes(const std::string& animation)
    {
        for (int scene = 1; scene <= LevelLoadScreen::kSceneCount; ++scene)
        {
            Script("loading_" + std::to_string(scene) + ".lua",
                   "MeshList = { \"Part\" }\nPart = { Image = \"sheet.png\", NumsCell = { 2, 2 }, "
                   "MeshSize = { 10, 10 }, Animation = " +
                       animation + " }\n");
        }
    }

    void Logo(int number)
    {
        Platform::Image picture;
        picture.width = 16;
        picture.height = 16;
        picture.pixels.assign(16 * 16, 0xFFC0C0C0u);
        Platform::JpegWriter::WriteFile(picture, 90, false,
                                        mFolder.Path() + "/media/logo" + std::to_string(number) + ".jpg");
    }

    Korrin::TimerManager mTimer;
};

TEST_F(LoadingScreensTest, EachLogoIsBlackThenFadesInStaysAndFadesOut)
{
    Logo(1);
    Logo(3);
    LogoScreen logos;
    logos.Init();
    ASSERT_EQ(logos.GetLogoCount(), 2u) << "a missing logo is skipped";
    EXPECT_EQ(logos.GetIndex(), 0);
    struct Step
    {
        float dt;
        float alpha;
        int index;
    };
    // Alpha rises by the frame time from the first second, falls from the third, and the next logo
    // begins after the fourth.
    const Step steps[] = {{0.5f, 0.0f, 0}, {0.75f, 0.75f, 0}, {0.5f, 1.0f, 0}, {1.0f, 1.0f, 0},
                          {0.5f, 0.5f, 0}, {0.5f, 0.0f, 0},   {0.5f, 0.0f, 1}};
    for (const Step& step : steps)
    {
        EXPECT_TRUE(logos.Update(step.dt));
        EXPECT_FLOAT_EQ(logos.GetAlpha(), step.alpha) << logos.GetTime();
        EXPECT_EQ(logos.GetIndex(), step.index);
    }
    EXPECT_EQ(logos.GetTime(), 0.0f) << "the next logo starts from its beginning";
    EXPECT_TRUE(logos.IsRunning());
    EXPECT_FALSE(logos.Update(4.5f)) << "the last logo has ended";
    EXPECT_FALSE(logos.IsRunning());
    EXPECT_EQ(QuadsDrawn([&] { logos.Draw(); }), 0u);
}

TEST_F(LoadingScreensTest, WithoutLogosTheLogoPhaseEndsAtOnce)
{
    LogoScreen logos;
    logos.Init();
    EXPECT_FALSE(logos.IsRunning());
    EXPECT_EQ(QuadsDrawn([&] { logos.Draw(); }), 0u);
}

TEST_F(LoadingScreensTest, TheBarGrowsFromTheLastStepToTheNextOverAFifthOfASecond)
{
    MainLoadScreen screen;
    screen.Load();
    ASSERT_NE(screen.GetBar(), nullptr);
    EXPECT_EQ(QuadsDrawn([&] { screen.ShowProgress(0.0f); }), 0u) << "progress 0 only resets";
    EXPECT_EQ(screen.GetPassesOfLastStep(), 0);

    screen.ShowProgress(0.7f);
    // The bar shows the right-hand part of its picture, 10 pixels inside its place.
    EXPECT_FLOAT_EQ(screen.GetBar()->GetSrcRect().left, 54.0f - 40.0f * 0.7f);
    EXPECT_EQ(screen.GetBar()->GetPosition().x, 110.0f);
    const std::uint64_t quads = QuadsDrawn([&] { screen.ShowProgress(1.0f); });
    const int passes = screen.GetPassesOfLastStep();
    EXPECT_GE(passes, 12);
    EXPECT_LE(passes, 13) << "a fifth of a second at 60 frames a second";
    EXPECT_EQ(quads, 3u * static_cast<std::uint64_t>(passes)) << "background, bar and frame every pass";
    EXPECT_FLOAT_EQ(screen.GetShown(), 1.0f);
    EXPECT_FLOAT_EQ(screen.GetBar()->GetSrcRect().left, 14.0f);
    EXPECT_EQ(screen.GetBar()->GetPosition().x, 110.0f) << "the place is not moved twice";

    screen.ShowProgress(7.0f);
    EXPECT_FLOAT_EQ(screen.GetShown(), 1.0f) << "held to 1";
    const std::size_t sprites = mSprites.GetCount();
    screen.Release();
    EXPECT_EQ(mSprites.GetCount(), sprites - 3);
}

TEST_F(LoadingScreensTest, ThreeLevelLoadsShowTheThreeCharacterSetsOnceEach)
{
    LevelLoadScreen::ShownSets().clear();
    for (int round = 0; round < 2; ++round)
    {
        std::set<int> sets;
        for (int load = 0; load < LevelLoadScreen::kCharacterSets; ++load)
        {
            LevelLoadScreen screen;
            EXPECT_EQ(QuadsDrawn([&] { screen.Draw(0.0f); }), 0u) << "the start draws nothing";
            sets.insert(screen.GetCharacterSet());
        }
        EXPECT_EQ(sets, (std::set<int>{0, 1, 2})) << "round " << round;
    }
}

TEST_F(LoadingScreensTest, TheLastLevelLoadingStepPlaysTheScenesToTheirEnd)
{
    LevelLoadScreen screen;
    screen.Draw(0.0f);
    screen.Draw(0.5f);
    EXPECT_LE(screen.GetPassesOfLastStep(), 13);
    screen.Draw(1.0f);
    // The scenes last 0.5 s at one and a half times the speed: about 20 passes after the bar is full.
    EXPECT_GE(screen.GetPassesOfLastStep(), 12 + 18);
    EXPECT_LE(screen.GetPassesOfLastStep(), 13 + 22);
    EXPECT_FALSE(screen.GetScene(0)->Update(0.0f)) << "played to the end";
}

TEST_F(LoadingScreensTest, AScenePartThatNeverEndsCannotHoldTheLevelLoadForEver)
{
    // Parts without key frames report that they go on, always.
    WriteScenes("nil");
    LevelLoadScreen screen;
    screen.Draw(0.0f);
    screen.Draw(1.0f);
    const int passes = screen.GetPassesOfLastStep();
    const int mostPasses =
        static_cast<int>((LoadingFrame::kStepSeconds + LevelLoadScreen::kMostSceneSeconds) * 60.0f) + 2;
    EXPECT_GT(passes, 13);
    EXPECT_LE(passes, mostPasses);
}

} // namespace
