#include "game/GUI/GameWindowFrame.h"

#include "tests/engine/Render/SpriteFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace
{

constexpr float kFrame = 1.0f / 60.0f;

class GameWindowFrameTest : public TestSupport::SpriteTest
{
protected:
    GameWindowFrameTest()
    {
        Script("window.gui", R"(
Win = {
    Image = "sheet.png", SrcRect = { 0, 0, 64, 32 }, Pos = { 300, 200 },
    { Type = "button", Name = "WIN_OK", Image = "sheet.png", Pos = { 10, 5 }, Normal = { 0, 0, 20, 10 } },
}
)");
        mWindow = std::make_unique<GameWindowFrame>("Win", "window.gui");
    }

    std::unique_ptr<GameWindowFrame> mWindow;
};

TEST_F(GameWindowFrameTest, ItSlidesInFromTheUpperLeftAndFadesInAtTwoAndAHalfASecond)
{
    EXPECT_EQ(mWindow->GetTarget(), (Korrin::Vector2{300.0f, 200.0f}));
    EXPECT_EQ(mWindow->GetStart(), (Korrin::Vector2{200.0f, 150.0f}));
    EXPECT_EQ(mWindow->GetEnd(), (Korrin::Vector2{400.0f, 150.0f}));
    mWindow->SetDisabled(true);
    mWindow->Show();
    EXPECT_FALSE(mWindow->IsDisabled());
    EXPECT_EQ(mWindow->GetPlace(), mWindow->GetStart());
    EXPECT_EQ(mWindow->GetByName("win_ok")->GetPosition(), (Korrin::Vector2{210.0f, 155.0f}))
        << "children follow";

    mWindow->UpdateAnimation(kFrame);
    // 10 pixels along the way to the place, (100, 50) long.
    EXPECT_NEAR(mWindow->GetPlace().x, 200.0f + 10.0f * 100.0f / std::sqrt(12500.0f), 1e-3f);
    EXPECT_NEAR(mWindow->GetPlace().y, 150.0f + 10.0f * 50.0f / std::sqrt(12500.0f), 1e-3f);
    EXPECT_NEAR(mWindow->GetProgress(), 2.5f / 60.0f, 1e-6f);
    for (int frame = 2; frame <= 12; ++frame)
    {
        mWindow->UpdateAnimation(kFrame);
    }
    EXPECT_EQ(mWindow->GetPlace(), mWindow->GetTarget())
        << "the twelfth step passes the place and rests there";
    EXPECT_NEAR(mWindow->GetProgress(), 0.5f, 1e-5f);
    for (int frame = 13; frame <= 30; ++frame)
    {
        mWindow->UpdateAnimation(kFrame);
    }
    EXPECT_EQ(mWindow->GetProgress(), 1.0f);
    EXPECT_EQ(mWindow->GetPlace(), mWindow->GetTarget());
    EXPECT_EQ(mWindow->GetState(), GameWindowFrame::kOpening);
}

TEST_F(GameWindowFrameTest, ItSlidesOutToTheUpperRightFadingTwiceAsFastThenTakesNoInput)
{
    mWindow->Show();
    for (int frame = 0; frame < 30; ++frame)
    {
        mWindow->UpdateAnimation(kFrame);
    }
    mWindow->Hide();
    EXPECT_EQ(mWindow->GetState(), GameWindowFrame::kClosing);
    int frames = 0;
    while (!mWindow->HasClosed() && frames < 100)
    {
        mWindow->UpdateAnimation(kFrame);
        ++frames;
    }
    EXPECT_GE(frames, 12) << "5 a second from 1";
    EXPECT_LE(frames, 13);
    EXPECT_TRUE(mWindow->IsDisabled());
    EXPECT_EQ(mWindow->GetProgress(), 0.0f);
    EXPECT_GT(mWindow->GetPlace().x, 300.0f);
    EXPECT_LT(mWindow->GetPlace().y, 200.0f);
    for (int frame = 0; frame < 10; ++frame)
    {
        mWindow->UpdateAnimation(kFrame);
    }
    EXPECT_EQ(mWindow->GetPlace(), mWindow->GetEnd()) << "it comes to rest at its end place";
}

TEST_F(GameWindowFrameTest, AFrameAtItsPlaceOnOneAxisOnlyKeepsMoving)
{
    mWindow->Show();
    mWindow->UpdatePosition(Korrin::Vector2{300.0f, 170.0f});
    mWindow->UpdateAnimation(kFrame);
    EXPECT_EQ(mWindow->GetPlace(), (Korrin::Vector2{300.0f, 180.0f})) << "straight down, no snap";
    mWindow->UpdateAnimation(kFrame);
    mWindow->UpdateAnimation(kFrame);
    EXPECT_EQ(mWindow->GetPlace(), mWindow->GetTarget());
    mWindow->UpdateAnimation(kFrame);
    EXPECT_EQ(mWindow->GetPlace(), mWindow->GetTarget()) << "at its goal it stays";
    mWindow->SetState(GameWindowFrame::kHeld);
    const float progress = mWindow->GetProgress();
    mWindow->UpdateAnimation(kFrame);
    EXPECT_EQ(mWindow->GetProgress(), progress) << "held still";
}

TEST_F(GameWindowFrameTest, TheScreenBehindIsDimmedAsFarAsTheFrameHasFadedIn)
{
    const auto blueAt = [&](int x, int y) { return mRender.BackBuffer().At(x, y) & 0xFF; };
    auto drawn = [&]
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        mWindow->Draw();
        render.EndScene();
    };
    mWindow->Show();
    drawn();
    const std::uint32_t undimmed = blueAt(1000, 700);
    for (int frame = 0; frame < 30; ++frame)
    {
        mWindow->UpdateAnimation(kFrame);
    }
    drawn();
    const std::uint32_t dimmed = blueAt(1000, 700);
    EXPECT_NEAR(static_cast<double>(dimmed), undimmed * 0.6, 2.0) << undimmed;
}

TEST_F(GameWindowFrameTest, ACentredWindowSlidesToItsPlaceWithoutDrifting)
{
    Script("centred.gui", R"(Centred = { Image = "sheet.png", SrcRect = { 0, 0, 64, 32 }, Pos = { 512, 384 },
                                         HAlign = "center", VAlign = "center" })");
    GameWindowFrame centred("Centred", "centred.gui");
    centred.Show();
    for (int frame = 0; frame < 60; ++frame)
    {
        centred.UpdateAnimation(kFrame);
    }
    // The slide works on the place before anchoring, so the window rests centred on its place.
    EXPECT_EQ(centred.GetPlace(), (Korrin::Vector2{512.0f, 384.0f}));
    EXPECT_EQ(centred.GetPosition(), (Korrin::Vector2{480.0f, 368.0f}));
}

} // namespace
