#include "game/MenuLeaves.h"

#include "engine/File/FileSysManager.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/RandomGenerator.h"
#include "game/Butterfly.h"
#include "game/ButterflyList.h"
#include "platform/PngCodec.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace
{

// Leaf scripts written by the test over a picture of two shapes: a red one and a blue one.
class MenuLeavesTest : public testing::Test
{
protected:
    MenuLeavesTest()
    {
        TestSupport::ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        mFolder.Write("media/.keep", "");
        Platform::Image picture;
        picture.width = 64;
        picture.height = 32;
        picture.pixels.assign(64 * 32, 0u);
        for (int y = 0; y < 32; ++y)
        {
            for (int x = 0; x < 64; ++x)
            {
                picture.pixels[static_cast<std::size_t>(y * 64 + x)] = x < 32 ? 0xFFFF0000u : 0xFF0000FFu;
            }
        }
        Platform::PngCodec::Write(picture, mFolder.Path() + "/media/leaf.png");
    }

    void Load(const std::string& keys)
    {
        mFolder.Write("media/leaves.lua",
                      "Branch = { Image = 'leaf.png', SrcRect = {0, 0, 32, 32},\n"
                      "  SrcRectList = { {0, 0, 32, 32, 0, 0}, {32, 0, 64, 32, 0, 0}, {1, 2} },\n" +
                          keys + " }\n");
        mLeaves.Load("Branch", "leaves.lua");
    }

    TestSupport::RenderFixture mRender;
    TestSupport::TempFolder mFolder{"leaves"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    Korrin::SpriteManager mSprites;
    MenuLeaves mLeaves;
};

} // namespace

TEST_F(MenuLeavesTest, LoadingTakesWellFormedEntriesAndTheDefaultSpeed)
{
    Load("LeavesList = { {10, 20, 0, 1, 0, 1, 1, 1, 1}, {1, 2, 3, 4, 5, 6, 7, 8}, {30, 40, 0.5, 2, 1.9, 0.5, "
         "0.5, 0.5, "
         "0.5}, 'x' }");
    EXPECT_FLOAT_EQ(mLeaves.baseSpeed, MenuLeaves::kDefaultSpeed);
    EXPECT_FLOAT_EQ(mLeaves.swaySpeed, MenuLeaves::kDefaultSpeed);
    EXPECT_FLOAT_EQ(mLeaves.targetSpeed, MenuLeaves::kDefaultSpeed);
    EXPECT_EQ(mLeaves.GetRects().size(), 2u) << "an entry of two numbers is skipped";
    ASSERT_EQ(mLeaves.GetLeaves().size(), 2u) << "an entry of eight numbers is skipped";
    EXPECT_EQ(mLeaves.GetLeaves()[1].rect, 1) << "the shape index is cut to a whole number";
    EXPECT_FLOAT_EQ(mLeaves.GetLeaves()[1].factor.alpha, 1.0f);
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(MenuLeavesTest, AnglesSwingBetweenTheBaseAngleAndASmallTurnAbove)
{
    Load("Velocity = 0.05, LeavesList = { {10, 20, 0, 1, 0, 1, 1, 1, 1}, {10, 20, -0.4, 1, 0, 1, 1, 1, 1} }");
    float lowest[2] = {10.0f, 10.0f};
    float highest[2] = {-10.0f, -10.0f};
    for (int frame = 0; frame < 2000; ++frame)
    {
        mLeaves.Update(1.0f / 60.0f);
        for (std::size_t leaf = 0; leaf < 2; ++leaf)
        {
            lowest[leaf] = std::min(lowest[leaf], mLeaves.GetLeaves()[leaf].angle);
            highest[leaf] = std::max(highest[leaf], mLeaves.GetLeaves()[leaf].angle);
        }
    }
    const float bases[2] = {0.0f, -0.4f};
    for (std::size_t leaf = 0; leaf < 2; ++leaf)
    {
        EXPECT_GE(lowest[leaf], bases[leaf]) << leaf;
        EXPECT_NEAR(lowest[leaf], bases[leaf], 2e-3f) << leaf;
        EXPECT_LE(highest[leaf], bases[leaf] + MenuLeaves::kSwing + 1e-6f) << leaf;
        EXPECT_NEAR(highest[leaf], bases[leaf] + MenuLeaves::kSwing, 2e-3f) << leaf;
    }
}

TEST_F(MenuLeavesTest, AGustIsCappedAtFiveTimesTheBaseAndEasesBack)
{
    Load("Velocity = 0.1, LeavesList = {}");
    mLeaves.targetSpeed = 1.0f; // ten times the base
    mLeaves.Update(0.01f);
    EXPECT_FLOAT_EQ(mLeaves.targetSpeed, 0.5f);

    // Raised by 0.1: the sway meets the falling target after about a third of a second, and both are
    // back at the base after about a second.
    Load("Velocity = 0.1, LeavesList = {}");
    mLeaves.targetSpeed = 0.2f;
    float met = -1.0f;
    float back = -1.0f;
    for (int frame = 1; frame <= 120; ++frame)
    {
        mLeaves.Update(0.01f);
        const float t = 0.01f * static_cast<float>(frame);
        if (met < 0.0f && mLeaves.swaySpeed >= mLeaves.targetSpeed - 1e-6f)
        {
            met = t;
        }
        if (back < 0.0f && mLeaves.targetSpeed == mLeaves.baseSpeed && mLeaves.swaySpeed == mLeaves.baseSpeed)
        {
            back = t;
        }
        ASSERT_GE(mLeaves.swaySpeed, mLeaves.baseSpeed);
        ASSERT_LE(mLeaves.swaySpeed, mLeaves.baseSpeed * MenuLeaves::kMostSpeedFactor);
    }
    EXPECT_NEAR(met, 1.0f / 3.0f, 0.03f);
    EXPECT_NEAR(back, 1.0f, 0.05f);
}

TEST_F(MenuLeavesTest, TheColourFactorScalesEachLeafWithoutChangingItsColour)
{
    Load("LeavesList = { {100, 100, 0, 1, 0, 1, 1, 1, 0.8}, {300, 100, 0, 1, 1, 1, 1, 1, 1} }");
    mLeaves.SetColour(1.0f, 1.0f, 1.0f, 0.5f);
    for (const MenuLeaves::Leaf& leaf : mLeaves.GetLeaves())
    {
        EXPECT_FLOAT_EQ(leaf.factor.alpha, 0.5f);
    }
    EXPECT_FLOAT_EQ(mLeaves.GetLeaves()[0].colour.alpha, 0.8f);
    EXPECT_FLOAT_EQ(mLeaves.GetLeaves()[1].colour.alpha, 1.0f);
}

TEST_F(MenuLeavesTest, AButterflyAndLeavesAreDrawnWhereTheyStand)
{
    Load("LeavesList = { {200, 200, 0, 1, 0, 1, 1, 1, 1}, {600, 400, 0, 2, 1, 1, 1, 1, 1} }");
    mFolder.Write("media/fly.lua", "Fly = { Image = 'leaf.png', SrcRect = {0, 0, 32, 32},\n"
                                   "  Animation = { FramesList = { {32, 0, 64, 32}, {0, 0, 32, 32} } },\n"
                                   "  FrameSit2 = { {1, 0} }, V = 100, dV = 0, LandingHeight = 0 }\n"
                                   "Path = { List2 = { {800, 600, 1} } }\n");
    Korrin::RandomGenerator random(3);
    ButterflyList butterflies(random);
    LoadButterfly(butterflies, "fly.lua", "Fly", "Path", 1.0f);
    for (int frame = 0; frame < 10; ++frame)
    {
        butterflies.butterflies[0]->Update(0.1f);
    }
    ASSERT_EQ(butterflies.butterflies[0]->state, Butterfly::kResting);

    Korrin::RenderSystem& render = mRender.Render();
    render.BeginFrame();
    render.BeginScene(nullptr);
    mLeaves.Update(0.0f);
    mLeaves.Draw();
    DrawButterflies(butterflies);
    render.EndScene();
    const Platform::Image picture = mRender.BackBuffer();
    auto at = [&picture](int x, int y) { return picture.At(x, y) & 0xFFFFFFu; };
    EXPECT_EQ(at(200, 200), 0xFF0000u) << "the first leaf, red, drawn about its place";
    EXPECT_EQ(at(600, 400), 0x0000FFu) << "the second, blue and twice as large";
    EXPECT_EQ(at(628, 428), 0x0000FFu);
    EXPECT_EQ(at(800, 600), 0xFF0000u) << "the butterfly, resting on its point in its sitting frame";
    EXPECT_EQ(at(100, 600), at(1000, 20)) << "nothing where no leaf or butterfly is";
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty()) << mRender.Log().Text();
    DeleteButterflies(butterflies);
}
