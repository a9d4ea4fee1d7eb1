#include "game/Butterfly.h"

#include "engine/App/InputManager.h"
#include "engine/File/FileSysManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/RandomGenerator.h"
#include "game/ButterflyList.h"
#include "platform/PngCodec.h"
#include "platform/WindowSystem.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

constexpr float kTwoPi = 6.2831855f;

// Butterfly scripts written by the test, over a picture of five 32 x 32 frames.
class ButterflyTest : public testing::Test
{
protected:
    ButterflyTest()
    {
        TestSupport::ReportRecorder::Clear();
        mFiles.AddDirectory("media");
        mFolder.Write("media/.keep", "");
        Platform::Image picture;
        picture.width = 160;
        picture.height = 32;
        picture.pixels.assign(160 * 32, 0xFFE08020u);
        Platform::PngCodec::Write(picture, mFolder.Path() + "/media/wings.png");
    }
    ~ButterflyTest() override { DeleteButterflies(mList); }

    // A file with one butterfly table of the given keys and one path of the given points.
    Butterfly& Load(const std::string& keys, const std::string& points, float baseScale = 1.0f)
    {
        const std::string file = "fly" + std::to_string(mList.butterflies.size()) + ".lua";
        mFolder.Write("media/" + file,
                      "Fly = { Image = 'wings.png', SrcRect = {0, 0, 32, 32},\n"
                      "  Animation = { FramesList = { {0,0,32,32}, {32,0,64,32}, {64,0,96,32}, {96,0,128,32},"
                      " {128,0,160,32} } },\n" +
                          keys + " }\nPath = { List2 = { " + points + " } }\n");
        LoadButterfly(mList, file, "Fly", "Path", baseScale);
        return *mList.butterflies.Elements().back();
    }

    TestSupport::RenderFixture mRender;
    TestSupport::TempFolder mFolder{"butterflies"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    Korrin::SpriteManager mSprites;
    Korrin::RandomGenerator mRandom{7};
    ButterflyList mList{mRandom};
};

// Runs frames of dt until the butterfly reaches the state (or the time runs out).
bool RunUntil(Butterfly& butterfly, std::uint32_t state, float dt = 1.0f / 60.0f, float most = 60.0f)
{
    for (float t = 0.0f; t < most; t += dt)
    {
        butterfly.Update(dt);
        if (butterfly.state == state)
        {
            return true;
        }
    }
    return false;
}

} // namespace

TEST_F(ButterflyTest, APathKeepsTheFirstOfRepeatedPlacesAndSkipsBrokenEntries)
{
    Butterfly& butterfly =
        Load("", "{10, 20, 1}, {30, 40, 2}, {10, 20, 5}, {50, 60}, 'x', {30, 40.5, 3}, {30, 40, 9}");
    ASSERT_EQ(butterfly.points.size(), 3u);
    EXPECT_FLOAT_EQ(butterfly.points[0].scale, 1.0f) << "the first of a place counts";
    EXPECT_FLOAT_EQ(butterfly.points[1].scale, 2.0f);
    EXPECT_FLOAT_EQ(butterfly.points[2].y, 40.5f) << "only exactly equal places repeat";
}

TEST_F(ButterflyTest, KeysTakeTheirDefaultsSpreadByTheGeneratorAndFramesOutsideTheSpriteAreDropped)
{
    Butterfly& defaults = Load("", "{0, 0, 1}");
    EXPECT_FLOAT_EQ(defaults.landingHeight, 20.0f);
    EXPECT_GE(defaults.speed, 20.0f);
    EXPECT_LE(defaults.speed, 40.0f);
    EXPECT_FLOAT_EQ(std::fmod(defaults.speed - 20.0f, 2.0f), 0.0f) << "steps of 0.2 x dV";
    EXPECT_FLOAT_EQ(defaults.wobble, defaults.baseWobble);

    Butterfly& framed = Load(
        "Style = 1, FrameFly2 = { {1, 0}, {0, 0}, {4.9, 0}, {5, 0}, {2}, {-1, 0}, {3, 7} }", "{0, 0, 1}");
    EXPECT_EQ(framed.style, 1u);
    EXPECT_EQ(framed.flyFrames.Elements(), (std::vector<std::uint16_t>{1, 4, 3}));
}

TEST_F(ButterflyTest, ASpeedAtOrBelowZeroIsRaisedSoThatFlightsStayFinite)
{
    Butterfly& butterfly = Load("V = 0, dV = 0", "{100, 100, 1}, {300, 200, 1}");
    EXPECT_FLOAT_EQ(butterfly.speed, Butterfly::kLeastSpeed);
    for (int frame = 0; frame < 600; ++frame)
    {
        butterfly.Update(1.0f / 60.0f);
        ASSERT_TRUE(std::isfinite(butterfly.x) && std::isfinite(butterfly.y) &&
                    std::isfinite(butterfly.scale))
            << "frame " << frame;
    }
    EXPECT_NE(mRender.Log().Text().find("Butterfly 'Fly'"), std::string::npos) << mRender.Log().Text();
}

TEST_F(ButterflyTest, OnePointLandsRestsAndRisesStraightUpToLandAgain)
{
    Butterfly& butterfly = Load("V = 30, dV = 0, LandingHeight = 15", "{200, 300, 1.5}", 0.5f);
    EXPECT_FLOAT_EQ(butterfly.x, 0.0f) << "a single point is not a restart's start";
    ASSERT_TRUE(RunUntil(butterfly, Butterfly::kResting));
    EXPECT_FLOAT_EQ(butterfly.x, 200.0f);
    EXPECT_FLOAT_EQ(butterfly.y, 300.0f);
    EXPECT_FLOAT_EQ(butterfly.scale, 0.75f);
    ASSERT_TRUE(RunUntil(butterfly, Butterfly::kFlying));
    // The flight rises by the landing height only: 15 / 30 s, with the base wobble kept.
    EXPECT_NEAR(butterfly.duration, 0.5f, 1e-5f);
    EXPECT_NEAR(butterfly.wobble, 0.0f, 1e-5f)
        << "no whole wobble fits into half a second: it rises straight";
    ASSERT_TRUE(RunUntil(butterfly, Butterfly::kLanding));
    EXPECT_FLOAT_EQ(butterfly.x, 200.0f);
}

TEST_F(ButterflyTest, AFlightOfNoLengthKeepsItsBaseWobble)
{
    Butterfly& butterfly = Load("V = 30, dV = 0, LandingHeight = 0", "{200, 300, 1}");
    ASSERT_TRUE(RunUntil(butterfly, Butterfly::kResting));
    ASSERT_TRUE(RunUntil(butterfly, Butterfly::kFlying));
    EXPECT_FLOAT_EQ(butterfly.duration, 0.0f);
    EXPECT_FLOAT_EQ(butterfly.wobble, butterfly.baseWobble);
    butterfly.Update(1.0f / 60.0f);
    EXPECT_TRUE(std::isfinite(butterfly.x) && std::isfinite(butterfly.y));
}

TEST_F(ButterflyTest, TwoPointsMakeItFlyBackAndForth)
{
    Butterfly& butterfly = Load("V = 60, dV = 0, A = 0, dA = 0", "{100, 100, 1}, {400, 100, 2}");
    std::vector<std::uint16_t> targets;
    for (int flight = 0; flight < 4; ++flight)
    {
        ASSERT_TRUE(RunUntil(butterfly, Butterfly::kResting, 0.05f));
        targets.push_back(butterfly.to);
        ASSERT_TRUE(RunUntil(butterfly, Butterfly::kFlying, 0.05f));
        EXPECT_EQ(butterfly.sprite->IsMirroredH(),
                  butterfly.points[butterfly.to].x < butterfly.points[butterfly.from].x);
    }
    EXPECT_EQ(targets, (std::vector<std::uint16_t>{1, 0, 1, 0}));
    // Half way along the flight the size is half way between the points' factors.
    const float half = butterfly.duration / 2.0f;
    while (butterfly.time < half)
    {
        butterfly.Update(0.01f);
    }
    const float along = std::fabs(butterfly.x - butterfly.points[butterfly.from].x) / 300.0f;
    const float fromScale = butterfly.points[butterfly.from].scale;
    const float toScale = butterfly.points[butterfly.to].scale;
    EXPECT_NEAR(along, 0.5f, 0.02f);
    EXPECT_NEAR(butterfly.scale, fromScale + along * (toScale - fromScale), 0.02f);
}

TEST_F(ButterflyTest, TheWobbleFitsAWholeNumberOfPeriodsIntoAFlight)
{
    struct Case
    {
        float periods; // base wobble x duration / 2 pi
        float fitted;
    };
    const Case cases[] = {{2.3f, 2.0f}, {2.5f, 3.0f}, {2.7f, 3.0f}, {3.0f, 3.0f}};
    for (const Case& c : cases)
    {
        // A flight of 300 pixels at 100 per second: 3 seconds.
        const float wobble = c.periods * kTwoPi / 3.0f;
        Butterfly& butterfly =
            Load("V = 100, dV = 0, dW = 0, LandingHeight = 0, W = " + std::to_string(wobble),
                 "{0, 0, 1}, {300, 0, 1}");
        butterfly.state = Butterfly::kTakingOff;
        butterfly.from = 0;
        butterfly.to = 1;
        butterfly.time = 0.0f;
        butterfly.duration = 0.0f;
        butterfly.NextState();
        ASSERT_NEAR(butterfly.duration, 3.0f, 1e-5f);
        EXPECT_NEAR(butterfly.wobble * butterfly.duration / kTwoPi, c.fitted, 1e-3f) << c.periods;
    }
}

TEST_F(ButterflyTest, TheFrameCounterWrapsEvery256Ticks)
{
    Butterfly& butterfly = Load("FrameFly2 = { {1, 0}, {2, 0}, {3, 0} }", "{0, 0, 1}, {5000, 0, 1}");
    butterfly.state = Butterfly::kFlying;
    struct Case
    {
        float time;
        std::uint16_t frame;
    };
    // At 40 frames a second: tick 255 is 255 mod 3 = 0, tick 256 wraps to 0 as well, tick 257 to 1.
    const Case cases[] = {
        {0.0f, 1}, {1.0f / 40.0f, 2}, {255.0f / 40.0f, 1}, {256.5f / 40.0f, 1}, {257.5f / 40.0f, 2}};
    for (const Case& c : cases)
    {
        butterfly.time = c.time;
        butterfly.UpdateFrame();
        EXPECT_EQ(butterfly.frame, c.frame) << c.time;
    }
}

TEST_F(ButterflyTest, ARestingButterflyTakesOffUnderThePointerOnlyWhileItsOwnerReacts)
{
    Butterfly& butterfly = Load("V = 60, dV = 0", "{512, 384, 1}, {100, 100, 1}");
    ASSERT_TRUE(RunUntil(butterfly, Butterfly::kResting));
    const float x = butterfly.x;
    const float y = butterfly.y;
    Korrin::InputManager input(0);
    // Without a window the pointer's client place is its place on the virtual screen.
    mRender.Services().Window().MoveCursor(Platform::CursorPoint{static_cast<int>(x), static_cast<int>(y)});
    input.Update();
    ASSERT_TRUE(butterfly.IsUnderCursor());
    mList.reaction = false;
    butterfly.Update(0.01f);
    EXPECT_EQ(butterfly.state, Butterfly::kResting);
    mList.reaction = true;
    butterfly.Update(0.01f);
    EXPECT_EQ(butterfly.state, Butterfly::kTakingOff);
}
