#include "engine/Render/AnimatedSprite.h"

#include "tests/engine/Render/SpriteFixture.h"

#include <cmath>
#include <vector>

using Korrin::AnimatedSprite;
using Korrin::Rect;

namespace
{

class AnimatedSpriteTest : public TestSupport::SpriteTest
{
protected:
    AnimatedSprite* Load(const std::string& table)
    {
        AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(table, "anim.lua");
        EXPECT_EQ(mSprites.GetCount(), mCount + 1);
        ++mCount;
        return sprite;
    }

    // x of the DrawEx values after each of a number of updates.
    static std::vector<float> Swing(AnimatedSprite& sprite, float dt, int updates)
    {
        std::vector<float> xs;
        for (int i = 0; i < updates; ++i)
        {
            sprite.Update(dt);
            xs.push_back(sprite.GetDrawEx()[0]);
        }
        return xs;
    }

    std::size_t mCount = 0;
};

const char* const kScript = R"(
Sheet = { Image = "sheet.png", Animation = { FramesCols = 4, FramesRows = 2, NumFrames = 6, Speed = 10 } }
Looping = { Image = "sheet.png", Animation = { FramesCols = 4, FramesRows = 2, NumFrames = 6, Speed = 10, Loop = 1 } }
Listed = { Image = "sheet.png", Animation = { FramesCols = 4, FramesRows = 2,
           FramesList = { { 0, 0, 10, 10 }, { 1, 2 }, { 10, 0, 20, 10 } } } }
Swinging = { Image = "sheet.png", DrawEx = { { 0, 0, 1, 1, 0, 0, 0, 0 }, { 100, 0, 1, 1, 0, 0, 0, 2 } } }
Restarting = { Image = "sheet.png", DrawEx = { Type = 1, { 0, 0, 1, 1, 0, 0, 0, 0 }, { 100, 0, 1, 1, 0, 0, 0, 2 } } }
Scaled = { Image = "sheet.png", DrawScale = { { 10, 20, 30, 40, 0 }, { 10, 20, 50, 60, 1 } } }
Scrolling = { Image = "sheet.png", MoveUV = { 0.5, -1 } }
Hostile = { Image = "sheet.png", Animation = { FramesCols = 1e9, FramesRows = -3, NumFrames = 1e12 } }
)";

} // namespace

TEST_F(AnimatedSpriteTest, AGridSheetGivesItsFramesRowByRow)
{
    Script("anim.lua", kScript);
    AnimatedSprite* sheet = Load("Sheet");
    ASSERT_EQ(sheet->GetFrameCount(), 6u);
    EXPECT_EQ(sheet->GetFrameRect(0), (Rect{0, 0, 16, 16}));
    EXPECT_EQ(sheet->GetFrameRect(3), (Rect{48, 0, 64, 16}));
    EXPECT_EQ(sheet->GetFrameRect(5), (Rect{16, 16, 32, 32}));
    EXPECT_EQ(sheet->GetFrameRect(6), Rect{}) << "past the end: an all-zero rectangle";
    AnimatedSprite* listed = Load("Listed");
    ASSERT_EQ(listed->GetFrameCount(), 2u)
        << "a list replaces the grid; entries without four numbers are skipped";
    EXPECT_EQ(listed->GetFrameRect(1), (Rect{10, 0, 20, 10}));
    AnimatedSprite* hostile = Load("Hostile");
    EXPECT_LE(hostile->GetFrameCount(), 65535u);
}

TEST_F(AnimatedSpriteTest, FramesStepAtTheirSpeedAndHoldOrLoop)
{
    Script("anim.lua", kScript);
    AnimatedSprite* sheet = Load("Sheet");
    sheet->Update(0.26f);
    EXPECT_NEAR(sheet->GetFramePosition(), 2.6f, 1e-5f);
    EXPECT_EQ(sheet->GetCurrentFrame(), 2);
    EXPECT_EQ(sheet->GetSrcRect(), (Rect{32, 0, 48, 16}));
    sheet->Update(0.3f);
    EXPECT_FLOAT_EQ(sheet->GetFramePosition(), 5.0f);
    sheet->Update(1.0f);
    EXPECT_FLOAT_EQ(sheet->GetFramePosition(), 5.0f);

    AnimatedSprite* looping = Load("Looping");
    looping->Update(0.55f);
    EXPECT_EQ(looping->GetCurrentFrame(), 5);
    looping->Update(0.05f);
    EXPECT_FLOAT_EQ(looping->GetFramePosition(), 0.0f);
}

TEST_F(AnimatedSpriteTest, DrawExKeysSwingBackOrStartAgain)
{
    Script("anim.lua", kScript);
    AnimatedSprite* swinging = Load("Swinging");
    EXPECT_EQ(Swing(*swinging, 0.5f, 11), (std::vector<float>{25, 50, 75, 100, 100, 75, 50, 25, 0, 0, 25}));
    AnimatedSprite* restarting = Load("Restarting");
    EXPECT_EQ(restarting->GetType(), AnimatedSprite::kStartAgain);
    EXPECT_EQ(Swing(*restarting, 0.5f, 5), (std::vector<float>{25, 50, 75, 0, 25}));
    EXPECT_EQ(QuadsDrawn([&] { restarting->Draw(); }), 1u);
}

TEST_F(AnimatedSpriteTest, DrawScaleKeysAlwaysSwingAndScrollingMovesTextureCoordinates)
{
    Script("anim.lua", kScript);
    AnimatedSprite* scaled = Load("Scaled");
    scaled->Update(0.5f);
    EXPECT_FLOAT_EQ(scaled->GetDrawScale()[2], 40.0f);
    scaled->Update(0.5f);
    scaled->Update(0.5f);
    scaled->Update(0.5f);
    EXPECT_FLOAT_EQ(scaled->GetDrawScale()[2], 40.0f) << "on its way back";
    QuadsDrawn([&] { scaled->Draw(); });
    EXPECT_FLOAT_EQ(scaled->GetVertex(1).x - scaled->GetVertex(0).x, 40.0f);

    AnimatedSprite* scrolling = Load("Scrolling");
    const float u = scrolling->GetVertex(0).u;
    const float v = scrolling->GetVertex(0).v;
    scrolling->Update(0.5f);
    EXPECT_FLOAT_EQ(scrolling->GetVertex(0).u, u + 0.25f);
    EXPECT_FLOAT_EQ(scrolling->GetVertex(0).v, v - 0.5f);
}

TEST_F(AnimatedSpriteTest, FrameDrawsClampTheIndexAndCopiesShareTheLookNotTheTexture)
{
    Script("anim.lua", kScript);
    AnimatedSprite* sheet = Load("Sheet");
    EXPECT_EQ(QuadsDrawn([&] { sheet->DrawFrame(40, 10, 10); }), 1u);
    EXPECT_EQ(sheet->GetSrcRect(), (Rect{16, 16, 32, 32}));
    AnimatedSprite* none = mSprites.CreateAnimatedSprite("empty");
    EXPECT_EQ(QuadsDrawn([&] { none->DrawFrame(0, 10, 10); }), 0u) << "no frames: nothing";

    AnimatedSprite* copy = mSprites.CreateAnimatedSprite("empty");
    sheet->Update(0.26f);
    *copy = *sheet;
    EXPECT_EQ(copy->GetFrameCount(), 6u);
    EXPECT_EQ(copy->GetCurrentFrame(), 2);
    EXPECT_EQ(copy->GetTexture(), nullptr);
}

TEST_F(AnimatedSpriteTest, NumbersThatAreNotANumberOrTooLargeGiveZeroOrTheLimitAndDrawSafely)
{
    // 0/0 is not a number; 1e30 lies far beyond any pixel or frame count.
    Script("wild.lua", R"(
WildColour = { Image = "sheet.png", Colour = { 0/0, 1e30, -1e30, 0.5 } }
WildRect = { Image = "sheet.png", SrcRect = { 0/0, 8, 1e30, -1e30 } }
WildKeys = { Image = "sheet.png", DrawScale = { { 0/0, 1e30, 1e30, 0/0, 0 }, { 0/0, 0, 0, 0, 1 } } }
WildFrames = { Image = "sheet.png", SrcRect = { 0, 0, 1e30, 0/0 },
               Animation = { FramesCols = 0/0, FramesRows = 1e30, NumFrames = 1e30, Speed = 0/0 } }
)");
    constexpr float kMostInt = 2147483648.0f;
    const struct
    {
        const char* table;
        std::uint32_t colour;
        Rect source;
    } cases[] = {
        {"WildColour", 0x8000FF00u, Rect{0, 0, 64, 32}},
        {"WildRect", 0xFFFFFFFFu, Rect{0, 8, kMostInt, -kMostInt}},
        {"WildKeys", 0xFFFFFFFFu, Rect{0, 0, 64, 32}},
        {"WildFrames", 0xFFFFFFFFu, Rect{0, 0, kMostInt, 0}},
    };
    for (const auto& test : cases)
    {
        AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(test.table, "wild.lua");
        ASSERT_NE(sprite, nullptr) << test.table;
        EXPECT_EQ(sprite->GetVertex(0).colour, test.colour) << test.table;
        EXPECT_EQ(sprite->GetSrcRect(), test.source) << test.table;
        sprite->Update(0.5f);
        QuadsDrawn(
            [&]
            {
                sprite->Draw();
                sprite->DrawAt(Korrin::Vector2{std::nanf(""), 1e30f});
                sprite->DrawEx(std::nanf(""), 1e30f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
                sprite->DrawFrameAt(Korrin::Vector2{-1e30f, std::nanf("")}, 0);
                sprite->DrawInRectRestoring(Rect{0, 0, 100, 100}, std::nanf(""), 1e30f);
            });
    }
    AnimatedSprite* keys = mSprites.LoadAnimatedSprite("WildKeys", "wild.lua");
    QuadsDrawn([&] { keys->Draw(); });
    EXPECT_EQ(keys->GetVertex(0).x, 0.0f) << "a position that is not a number draws at 0";
    EXPECT_EQ(keys->GetVertex(1).x, kMostInt) << "a width too large is held at the largest";
}
