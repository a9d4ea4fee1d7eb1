#include "game/Game/MoneyAnimatedSprite.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/RenderSystem.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>

using TestSupport::ReportRecorder;

namespace
{

class MoneyAnimatedSpriteTest : public TestSupport::SampleMediaTest
{
protected:
    MoneyAnimatedSpriteTest() { mMoney.Init(); }

    // Draws the figures inside a scene.
    void DrawFrame()
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        mMoney.Draw();
        render.EndScene();
    }

    MoneyAnimatedSprite mMoney;
};

} // namespace

TEST_F(MoneyAnimatedSpriteTest, TheFigureFadesInHoldsAndFadesOut)
{
    const std::pair<float, float> cases[] = {{0.0f, 0.0f}, {0.15f, 0.5f}, {0.3f, 1.0f}, {0.5f, 1.0f},
                                             {0.7f, 1.0f}, {0.85f, 0.5f}, {1.0f, 0.0f}};
    for (const auto& [u, alpha] : cases)
    {
        EXPECT_NEAR(MoneyAnimatedSprite::Alpha(u), alpha, 1e-5f) << u;
    }
}

TEST_F(MoneyAnimatedSpriteTest, ADelayedFigureWaitsThenLivesItsTimeAndGoes)
{
    ASSERT_NE(mMoney.GetCoin(), nullptr);
    ASSERT_EQ(mMoney.GetCoin()->GetFrameCount(), 8u);
    mMoney.Add(0.5f, "+25", 400.0f, 300.0f, {1.0f, 0.8f, 0.2f, 1.0f});
    const MoneyAnimatedSprite::Entry& entry = mMoney.GetEntries().front();
    EXPECT_FLOAT_EQ(entry.t, -0.5f);
    mMoney.Update(0.25f);
    EXPECT_LT(entry.t, 0.0f) << "still waiting";
    mMoney.Update(0.25f + 0.98f); // t = 0.98 = 0.7 x 1.4
    EXPECT_NEAR(entry.colour.alpha, 1.0f, 1e-4f);
    EXPECT_EQ(entry.frame, static_cast<std::uint16_t>(static_cast<int>(0.98f * 15.0f) % 8));
    mMoney.Update(0.42f); // t = 1.4: invisible, still kept
    ASSERT_EQ(mMoney.GetEntries().size(), 1u);
    EXPECT_NEAR(entry.colour.alpha, 0.0f, 1e-4f);
    mMoney.Update(0.01f);
    EXPECT_TRUE(mMoney.GetEntries().empty());
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(MoneyAnimatedSpriteTest, TheCoinRisesAHundredPixelsASecondAndIsDrawnOnlyOnceItsTimeCame)
{
    mMoney.Add(0.0f, "+10", 400.0f, 300.0f, {1.0f, 1.0f, 1.0f, 1.0f});
    mMoney.Add(1.0f, "+20", 100.0f, 100.0f, {1.0f, 1.0f, 1.0f, 1.0f});
    mMoney.Update(0.5f);
    DrawFrame();
    EXPECT_EQ(mMoney.GetCoin()->GetPosition(), (Korrin::Vector2{400.0f, 250.0f}))
        << "the waiting figure is not drawn, so the coin was last drawn for the first";
    EXPECT_EQ(mMoney.GetCoin()->GetColour(), (Korrin::Colour{1.0f, 1.0f, 1.0f, 1.0f})) << "white again";
}
