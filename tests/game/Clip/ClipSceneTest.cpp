#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/TextureManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "game/ClipScene1.h"
#include "game/ClipScene2.h"
#include "game/ClipScene3.h"
#include "game/ClipScene4.h"
#include "game/ClipScene5.h"
#include "game/ClipScene6.h"
#include "game/Game/GameInfo.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>
#include <lua.hpp>
#include <memory>
#include <vector>

namespace
{

// A frame of 1/64 s: scene times then land exactly on the timelines' whole and half seconds.
constexpr float kFrame = 1.0f / 64.0f;

std::unique_ptr<ClipText> MakeScene(int number)
{
    switch (number)
    {
    case 1:
        return std::make_unique<ClipScene1>();
    case 2:
        return std::make_unique<ClipScene2>();
    case 3:
        return std::make_unique<ClipScene3>();
    case 4:
        return std::make_unique<ClipScene4>();
    case 5:
        return std::make_unique<ClipScene5>();
    default:
        return std::make_unique<ClipScene6>();
    }
}

// Scene 1 with its parts in reach.
class OpenSceneOne : public ClipScene1
{
public:
    using ClipText::Part;
};

// The story scenes on the sample data, with the translated texts and the player's name.
class ClipSceneTest : public TestSupport::SampleMediaTest
{
protected:
    ClipSceneTest()
    {
        mLocale.Load("strings.xml");
        mInfo.playerName = u"Ada";
    }

    // Runs the scene in frames of kFrame until its time reaches the given one; false once it ended.
    static bool RunTo(ClipText& scene, float time)
    {
        bool going = true;
        while (scene.GetTime() < time)
        {
            going = scene.Advance(kFrame) && going;
        }
        return going;
    }

    Korrin::LocaleManager mLocale;
    GameInfo mInfo;
};

struct TextProbe
{
    float time;
    int index;
};

} // namespace

// Each window's bounds are strict: the index changes one frame after the window opens, and a text
// stays after its window until the next one replaces it.
TEST_F(ClipSceneTest, EachSceneShowsItsTextsInTheirWindows)
{
    const std::vector<std::pair<int, std::vector<TextProbe>>> scenes = {
        {1,
         {{8, -1},
          {8 + kFrame, 0},
          {16, 0},
          {17, 0},
          {17 + kFrame, 1},
          {30, 1},
          {30 + kFrame, 2},
          {38, 2},
          {38 + kFrame, 3},
          {43, 3}}},
        {2, {{3, -1}, {3 + kFrame, 0}, {12, 0}, {12 + kFrame, 1}, {19, 1}, {19 + kFrame, 2}, {25.5f, 2}}},
        {3, {{1, -1}, {1 + kFrame, 0}, {9, 0}, {9 + kFrame, 1}, {20, 1}}},
        {4,
         {{2, -1},
          {2 + kFrame, 0},
          {9, 0},
          {9 + kFrame, 1},
          {16, 1},
          {16 + kFrame, 2},
          {26, 2},
          {26 + kFrame, 3},
          {31, 3},
          {31 + kFrame, 4},
          {34.5f, 4}}},
        {5, {{4, -1}, {4 + kFrame, 0}, {11, 0}, {11 + kFrame, 1}, {17, 1}, {17 + kFrame, 2}, {28, 2}}},
        {6,
         {{2, -1},
          {2 + kFrame, 0},
          {8, 0},
          {8 + kFrame, 1},
          {12, 1},
          {12 + kFrame, 2},
          {17, 2},
          {17 + kFrame, 3},
          {22, 3},
          {22 + kFrame, 4},
          {28, 4},
          {28 + kFrame, 5},
          {42, 5}}},
    };
    for (const auto& [number, probes] : scenes)
    {
        std::unique_ptr<ClipText> scene = MakeScene(number);
        scene->Init();
        for (const TextProbe& probe : probes)
        {
            RunTo(*scene, probe.time);
            EXPECT_EQ(scene->GetTextIndex(), probe.index) << "scene " << number << " at " << probe.time;
        }
        scene->Release();
    }
    EXPECT_TRUE(Reports().empty());
}

TEST_F(ClipSceneTest, AFrameLongerThanAOneSecondWindowStepsOverItsText)
{
    struct Case
    {
        int scene;
        float before; // just before the window, in frames of kFrame
        int shownBefore;
    };
    const Case cases[] = {{4, 25.5f, 2}, {5, 10.5f, 0}, {6, 7.5f, 0}, {6, 16.5f, 2}};
    for (const Case& c : cases)
    {
        std::unique_ptr<ClipText> scene = MakeScene(c.scene);
        scene->Init();
        RunTo(*scene, c.before);
        ASSERT_EQ(scene->GetTextIndex(), c.shownBefore) << "scene " << c.scene;
        scene->Advance(2.0f);
        EXPECT_EQ(scene->GetTextIndex(), c.shownBefore) << "scene " << c.scene << " stepped over its text";
        scene->Release();
    }
}

TEST_F(ClipSceneTest, TheBlackCoverDarkensFromItsStartAndTheCaptionFadesWithTheTimeline)
{
    struct Case
    {
        int scene;
        float time;
        float cover;
    };
    // Scene 1's cover darkens only until 38 s, so the frames strictly inside 37..38 count.
    const Case cases[] = {{1, 37, 0},       {1, 37.5f, 0.5f}, {1, 40, 63 * kFrame}, {2, 24, 0},
                          {2, 24.5f, 0.5f}, {2, 26, 1},       {3, 24, 1},           {6, 41.25f, 0.25f}};
    for (const Case& c : cases)
    {
        std::unique_ptr<ClipText> scene = MakeScene(c.scene);
        scene->Init();
        RunTo(*scene, c.time);
        EXPECT_NEAR(scene->GetCoverAlpha(), c.cover, 1e-4f) << "scene " << c.scene << " at " << c.time;
        scene->Release();
    }

    // Scene 2's first caption fades in over its window's first second and out in the second before
    // the next one.
    ClipScene2 scene;
    scene.Init();
    RunTo(scene, 3.5f);
    EXPECT_NEAR(scene.GetTextColour().alpha, 0.5f, 1e-4f);
    RunTo(scene, 10.0f);
    EXPECT_FLOAT_EQ(scene.GetTextColour().alpha, 1.0f);
    RunTo(scene, 11.5f);
    EXPECT_NEAR(scene.GetTextColour().alpha, 0.5f, 1e-4f);
    RunTo(scene, 12.0f);
    EXPECT_NEAR(scene.GetTextColour().alpha, 1.0f / 64.0f, 1e-4f);
    scene.Release();
}

TEST_F(ClipSceneTest, ScenesEndOnTheFirstFrameAboveTheirLastSecond)
{
    const std::pair<int, float> ends[] = {{2, 26}, {3, 26}, {4, 35}, {5, 29}, {6, 43}};
    for (const auto& [number, end] : ends)
    {
        std::unique_ptr<ClipText> scene = MakeScene(number);
        scene->Init();
        EXPECT_TRUE(RunTo(*scene, end)) << "scene " << number;
        EXPECT_FALSE(scene->Advance(kFrame)) << "scene " << number;
        scene->Release();
    }
}

TEST_F(ClipSceneTest, TheOpeningSceneEndsWithItsLastAnimationOrAtFortyFiveSeconds)
{
    OpenSceneOne ending;
    ending.Init();
    float over = 0.0f;
    while (over == 0.0f && ending.GetTime() < 50.0f)
    {
        over = ending.Advance(kFrame) ? 0.0f : ending.GetTime();
    }
    EXPECT_GT(over, 30.0f) << "not before its last phase";
    EXPECT_LT(over, ClipScene1::kLastSecond) << "the sample's last animation ends first";
    ending.Release();

    // Without keys an animation never reports its end: the time limit ends the scene.
    OpenSceneOne endless;
    endless.Init();
    Korrin::LuaScript script;
    lua_newtable(script.GetState());
    const LuaValue noKeys(script.GetState(), lua_gettop(script.GetState()));
    for (int part = 0; endless.Part(2, part) != nullptr; ++part)
    {
        endless.Part(2, part)->LoadAnimation(noKeys);
    }
    EXPECT_TRUE(RunTo(endless, ClipScene1::kLastSecond));
    EXPECT_FALSE(endless.Advance(kFrame));
    endless.Release();
}

TEST_F(ClipSceneTest, TheOpeningSceneDrivesTheCarWalksTheCompanionInAndLightsTheLamps)
{
    OpenSceneOne scene;
    scene.Init();
    // The wheels turn while the car drives (before 3 s, and after 5 s up to 9 s), not while it stands.
    RunTo(scene, 3.0f);
    const float stalled = scene.GetTurnAngle();
    EXPECT_NEAR(stalled, 3.0f - kFrame, 1e-3f);
    RunTo(scene, 5.0f);
    EXPECT_FLOAT_EQ(scene.GetTurnAngle(), stalled);
    EXPECT_FALSE(scene.GetSmoke()->GetBaseParticleSystem(0)->GetSettings().loop);
    RunTo(scene, 7.0f);
    EXPECT_TRUE(scene.GetSmoke()->GetBaseParticleSystem(0)->GetSettings().loop);
    EXPECT_GT(scene.GetTurnAngle(), stalled + 1.9f);
    // The smoke follows the rear wheel: 120 to its left and 20 above its middle.
    float x = 0.0f;
    float y = 0.0f;
    ASSERT_TRUE(PartMiddle(*scene.Part(0, 7), x, y));
    EXPECT_FLOAT_EQ(scene.GetSmoke()->GetBaseParticleSystem(0)->GetPosition().x, x - 120.0f);
    EXPECT_FLOAT_EQ(scene.GetSmoke()->GetBaseParticleSystem(2)->GetPosition().x, x - 120.0f + 440.0f);
    // The lamps are lit from 4 s on.
    EXPECT_FLOAT_EQ(scene.Part(0, 5)->GetColour().alpha, 1.0f);
    // The companion walks in from 17 s at 30 pixels a second and stops at -290.
    RunTo(scene, 17.0f - kFrame);
    EXPECT_FLOAT_EQ(scene.GetCompanionOffset(), 0.0f);
    RunTo(scene, 19.0f - kFrame);
    EXPECT_NEAR(scene.GetCompanionOffset(), -60.0f, 0.01f);
    RunTo(scene, 29.0f);
    EXPECT_FLOAT_EQ(scene.GetCompanionOffset(), ClipScene1::kCompanionStop);
    scene.Release();
}

TEST_F(ClipSceneTest, TheLastCaptionNamesThePlayer)
{
    ClipScene6 scene;
    scene.Init();
    RunTo(scene, 28.5f);
    ASSERT_EQ(scene.GetTextIndex(), ClipScene6::kNamedCaption);
    EXPECT_EQ(scene.CaptionText(), std::u16string(mLocale.getStringByNameAsUtf16("scene_6_5")) + u"Ada" +
                                       std::u16string(mLocale.getStringByNameAsUtf16("scene_6_6")));
    EXPECT_EQ(scene.CaptionText(), u"Thank you, Ada! The estate flourishes, and its story goes on.");
    // Earlier captions are the scene's own texts.
    ClipScene6 early;
    early.Init();
    RunTo(early, 3.0f);
    EXPECT_EQ(early.CaptionText(), mLocale.getStringByNameAsUtf16("scene_6"));
    early.Release();
    scene.Release();
}

TEST_F(ClipSceneTest, ThePartFadesMoveAtOnePerSecondFromTheirCues)
{
    ClipScene3 night;
    night.Init();
    RunTo(night, 6.5f);
    EXPECT_NEAR(night.GetDayFade(), 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(night.GetNightFade(), 0.0f);
    RunTo(night, 9.0f);
    EXPECT_NEAR(night.GetNightFade(), 0.5f, 1e-4f);
    night.Release();

    ClipScene4 growth;
    growth.Init();
    RunTo(growth, 22.5f);
    EXPECT_FLOAT_EQ(growth.GetMillFade(), 1.0f);
    EXPECT_NEAR(growth.GetBakeryFade(), 0.5f, 1e-4f);
    growth.Release();

    // Scene 6: the late bursts come in from 6.5 s and go again from 9.2 s.
    ClipScene6 fireworks;
    fireworks.Init();
    RunTo(fireworks, 9.0f);
    EXPECT_FLOAT_EQ(fireworks.GetColours(2)[0].alpha, 1.0f);
    EXPECT_FLOAT_EQ(fireworks.GetColours(1)[2].alpha, 0.0f) << "the early bursts are gone by 9 s";
    EXPECT_FLOAT_EQ(fireworks.GetColours(0)[1].alpha, 1.0f);
    fireworks.Release();
}

TEST_F(ClipSceneTest, ReleasingAtAnyMomentLeavesTheManagersAsTheyWere)
{
    // The captions' font stays with the font manager once loaded.
    ClipScene2().Release();
    for (int number = 1; number <= 6; ++number)
    {
        for (const float moment : {0.0f, 10.0f, 30.0f})
        {
            const std::size_t sprites = mSprites.GetCount();
            const std::size_t particles = mParticles.GetCount();
            std::unique_ptr<ClipText> scene = MakeScene(number);
            scene->Init();
            EXPECT_GT(mSprites.GetCount(), sprites);
            RunTo(*scene, moment);
            scene->Release();
            scene.reset();
            EXPECT_EQ(mSprites.GetCount(), sprites) << "scene " << number << " at " << moment;
            EXPECT_EQ(mParticles.GetCount(), particles) << "scene " << number << " at " << moment;
        }
    }
}
