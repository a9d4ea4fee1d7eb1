#include "engine/Render/Sprite.h"

#include "engine/Render/Texture.h"
#include "tests/engine/Render/SpriteFixture.h"

#include <gmock/gmock.h>

using Korrin::NullSprite;
using Korrin::Rect;
using Korrin::RenderData;
using Korrin::Sprite;
using TestSupport::ReportRecorder;

namespace
{

class SpriteTest : public TestSupport::SpriteTest
{
};

struct Corner
{
    float x, y, u, v;
};

std::vector<Corner> Corners(const NullSprite& sprite)
{
    std::vector<Corner> corners;
    for (int i = 0; i < 4; ++i)
    {
        const Korrin::Vertex& vertex = sprite.GetVertex(i);
        corners.push_back({vertex.x, vertex.y, vertex.u, vertex.v});
    }
    return corners;
}

MATCHER_P4(IsCorner, x, y, u, v, "")
{
    return arg.x == x && arg.y == y && arg.u == u && arg.v == v;
}

} // namespace

TEST_F(SpriteTest, DrawWritesTheQuadBottomLeftFirstWithMatchingTextureCoordinates)
{
    Sprite* sprite = mSprites.CreateSprite("Sheet.png");
    ASSERT_NE(sprite->GetTexture(), nullptr);
    EXPECT_EQ(sprite->GetSrcRect(), (Rect{0, 0, 64, 32}));
    sprite->SetSrcRect(16, 8, 32, 24);
    EXPECT_EQ(QuadsDrawn([&] { sprite->Draw(100, 50); }), 1u);
    EXPECT_THAT(Corners(*sprite), testing::ElementsAre(IsCorner(100.0f, 66.0f, 0.25f, 0.75f),
                                                       IsCorner(116.0f, 66.0f, 0.5f, 0.75f),
                                                       IsCorner(116.0f, 50.0f, 0.5f, 0.25f),
                                                       IsCorner(100.0f, 50.0f, 0.25f, 0.25f)));
    sprite->SetMirrorH(true);
    sprite->SetMirrorV(true);
    sprite->SetSrcRect(16, 8, 32, 24);
    EXPECT_THAT(Corners(*sprite), testing::ElementsAre(IsCorner(100.0f, 66.0f, 0.5f, 0.25f),
                                                       IsCorner(116.0f, 66.0f, 0.25f, 0.25f),
                                                       IsCorner(116.0f, 50.0f, 0.25f, 0.75f),
                                                       IsCorner(100.0f, 50.0f, 0.5f, 0.75f)));
}

TEST_F(SpriteTest, AMissingImageDrawsUntexturedAndIsLogged)
{
    Sprite* sprite = mSprites.CreateSprite("nothing.png");
    EXPECT_EQ(sprite->GetTexture(), nullptr);
    EXPECT_NE(mRender.Log().Text().find("NullSprite::LoadImage is NULL nothing.png"), std::string::npos);
    Sprite* empty = mSprites.CreateSprite("empty");
    EXPECT_EQ(empty->GetSrcRect(), Rect{});
    EXPECT_EQ(QuadsDrawn([&] { sprite->DrawScale(0, 0, 10, 10); }), 1u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
}

TEST_F(SpriteTest, DrawExOfAnOddSizeIsOnePixelWider)
{
    Sprite* sprite = mSprites.CreateSprite("sheet.png");
    sprite->SetSrcRect(0, 0, 15, 10);
    QuadsDrawn([&] { sprite->DrawEx(100.0f, 100.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f); });
    EXPECT_FLOAT_EQ(sprite->GetVertex(1).x - sprite->GetVertex(0).x, 16.0f);
    EXPECT_FLOAT_EQ(sprite->GetVertex(0).y - sprite->GetVertex(3).y, 10.0f);
    EXPECT_FLOAT_EQ(sprite->GetVertex(0).x, 92.0f); // centred on (x + pivot)
    // A quarter turn about (x, y) with the pivot 10 to the right moves the centre below (x, y).
    QuadsDrawn([&] { sprite->DrawEx(100.0f, 100.0f, 1.0f, 1.0f, 1.5707964f, 10.0f, 0.0f); });
    const float centreX = (sprite->GetVertex(0).x + sprite->GetVertex(2).x) * 0.5f;
    const float centreY = (sprite->GetVertex(0).y + sprite->GetVertex(2).y) * 0.5f;
    EXPECT_NEAR(centreX, 100.0f, 1e-3);
    EXPECT_NEAR(centreY, 110.0f, 1e-3);
}

TEST_F(SpriteTest, DrawInRectClipsAndKeepsTheNarrowedRectangle)
{
    Sprite* sprite = mSprites.CreateSprite("sheet.png");
    const Rect clip{100, 100, 200, 200};
    EXPECT_EQ(QuadsDrawn([&] { sprite->DrawInRect(Rect{0, 0, 64, 32}, clip, 300.0f, 120.0f); }), 0u);
    EXPECT_EQ(QuadsDrawn([&] { sprite->DrawInRect(Rect{0, 0, 64, 32}, clip, 68.0f, 120.0f); }), 1u);
    // The right half shows, placed at the clip's left edge.
    EXPECT_EQ(sprite->GetSrcRect(), (Rect{32, 0, 64, 32}));
    EXPECT_FLOAT_EQ(sprite->GetVertex(0).x, 100.0f);
    EXPECT_FLOAT_EQ(sprite->GetVertex(1).x, 132.0f);

    sprite->SetSrcRect(0, 0, 64, 32);
    QuadsDrawn([&] { sprite->DrawInRectRestoring(clip, 150.0f, 180.0f); });
    EXPECT_EQ(sprite->GetSrcRect(), (Rect{0, 0, 64, 32}));
    EXPECT_FLOAT_EQ(sprite->GetVertex(1).x, 200.0f);
    EXPECT_FLOAT_EQ(sprite->GetVertex(0).y, 200.0f);
}

TEST_F(SpriteTest, LoadsEveryKeyOfATable)
{
    Script("things.lua", R"(
Plain = { Image = "sheet.png", Pos = { 5, 6 }, SrcRect = { 8, 4, 40 }, Colour = { 0.5, 0.25 },
          BlendMode = "add", MirrorH = 1 }
Misspelt = { Image = "sheet.png", BlendMode = "adde" }
Alpha = { BlendMode = "alpha" }
)");
    Sprite* plain = mSprites.LoadSprite("Plain", "things.lua");
    EXPECT_EQ(plain->GetImageName(), "sheet.png");
    EXPECT_EQ(plain->GetPosition(), (Korrin::Vector2{5, 6}));
    EXPECT_EQ(plain->GetSrcRect(), (Rect{8, 4, 40, 0}));
    EXPECT_EQ(plain->GetColour(), (Korrin::Colour{0.5f, 0.25f, 1.0f, 1.0f}));
    EXPECT_EQ(plain->GetVertex(2).colour, 0xFF8040FFu);
    EXPECT_EQ(plain->GetBlendMode(), RenderData::kBlendAdd);
    EXPECT_TRUE(plain->IsMirroredH());
    EXPECT_FLOAT_EQ(plain->GetVertex(0).u, 40.0f / 64.0f);
    EXPECT_EQ(mSprites.LoadSprite("Misspelt", "things.lua")->GetBlendMode(), RenderData::kBlendInverseColour);
    EXPECT_EQ(mSprites.LoadSprite("Alpha", "things.lua")->GetBlendMode(), RenderData::kBlendAlpha);
    // A table that is not there leaves the base state.
    Sprite* missing = mSprites.LoadSprite("Nothing", "things.lua");
    EXPECT_EQ(missing->GetTexture(), nullptr);
    EXPECT_EQ(missing->GetColour(), (Korrin::Colour{1, 1, 1, 1}));
}

TEST_F(SpriteTest, TheManagerDeletesOnlyWhatItHolds)
{
    Sprite* kept = mSprites.CreateSprite("sheet.png");
    Sprite stranger("empty");
    mSprites.DeleteSprite(&stranger);
    EXPECT_EQ(mSprites.GetCount(), 1u);
    Korrin::Texture* texture = kept->GetTexture();
    Sprite* second = mSprites.CreateSprite("SHEET.PNG");
    EXPECT_EQ(second->GetTexture(), texture);
    EXPECT_EQ(texture->GetReferenceCount(), 1);
    mSprites.DeleteSprite(kept);
    EXPECT_EQ(mSprites.GetCount(), 1u);
    EXPECT_EQ(texture->GetReferenceCount(), 0);
    mSprites.DeleteAll();
    EXPECT_EQ(Korrin::TextureManager::GetInstance()->GetTextureCount(), 0u);
}

TEST_F(SpriteTest, AGivenTextureIsHeldAndGivenBackInBalance)
{
    Korrin::TextureManager* textures = Korrin::TextureManager::GetInstance();
    Korrin::Texture* frame = textures->CreateRenderTexture("RenderTexture");
    Sprite* sprite = mSprites.CreateSprite("empty");
    sprite->SetTexture(frame);
    EXPECT_EQ(sprite->GetSrcRect(), (Rect{0, 0, 1024, 768}));
    EXPECT_FLOAT_EQ(sprite->GetVertex(2).x, 1024.0f);
    mSprites.DeleteSprite(sprite);
    // The texture's creator still holds it.
    ASSERT_EQ(textures->GetRenderTextures().size(), 1u);
    EXPECT_EQ(textures->GetRenderTextures()[0], frame);
    EXPECT_EQ(frame->GetReferenceCount(), 0);
}
