#include "engine/Gui/Font.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>

// The entities' sample data: the pictures their scripts name exist and hold the frames the code reads.
class EntitySampleDataTest : public TestSupport::SampleMediaTest
{
};

TEST_F(EntitySampleDataTest, TheEntitiesPicturesHaveTheirFrames)
{
    struct Case
    {
        const char* table;
        const char* file;
        std::size_t frames;
    };
    const Case cases[] = {{"BuyersArrow", "BuyersArrow.lua", 4},
                          {"BuildingTaskList", "GuiBuilding.lua", 43},
                          {"ShopObj", "shop.lua", 28}};
    for (const Case& test : cases)
    {
        Korrin::AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(test.table, test.file);
        ASSERT_NE(sprite, nullptr) << test.table;
        EXPECT_EQ(sprite->GetFrameCount(), test.frames) << test.table;
        EXPECT_NE(sprite->GetTexture(), nullptr) << test.table;
    }
    Korrin::Sprite* lid = mSprites.LoadSprite("BackDoor", "StoreHouse.lua");
    ASSERT_NE(lid, nullptr);
    EXPECT_NE(lid->GetTexture(), nullptr);
    for (const char* effect : {"stealing", "BuildingUp", "BuildingUpgrade"})
    {
        EXPECT_GT(
            mParticles.CreateParticleSystem(std::string(effect) + ".particle", effect)->GetEmitterCount(), 0u)
            << effect;
    }
    EXPECT_TRUE(Reports().empty()) << Reports().front();
}

TEST_F(EntitySampleDataTest, TheGameFontsHaveTheUpgradeButtonsSmile)
{
    for (const char* font : {"font01.fnt", "font02.fnt", "font03.fnt", "font04.fnt"})
    {
        const Korrin::Font* loaded = mFonts.GetFont(font);
        ASSERT_NE(loaded, nullptr) << font;
        EXPECT_NE(loaded->FindGlyph(u'\u263A'), nullptr) << font;
    }
}
