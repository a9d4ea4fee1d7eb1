#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/Entity/EntityRope.h"
#include "game/Game/GameTables.h"
#include "game/Util/HintManager.h"
#include "tests/game/Entity/GardenPanelFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The ropes', the thief's and the bags' sample data: every table, page element, name, hint and sound
// their code names.
class RopeAndThiefSampleDataTest : public TestSupport::GardenPanelFixture
{
};

TEST_F(RopeAndThiefSampleDataTest, TheRopeFindsItsTablePictureEffectNamesAndPage)
{
    Korrin::Sprite* table = mSprites.LoadSprite("RopeTable", "Rope.lua");
    ASSERT_NE(table, nullptr);
    EXPECT_NE(table->GetTexture(), nullptr);
    EXPECT_EQ(table->GetSrcRect().right - table->GetSrcRect().left, EntityRope::kTableWidth);
    Korrin::ParticleSystem* build = mParticles.CreateParticleSystem("RopeUp.particle", "RopeUp");
    ASSERT_NE(build, nullptr);
    EXPECT_GT(build->GetEmitterCount(), 0u);
    EntityRope rope;
    rope.Init();
    for (std::size_t level = 0; level < 3; ++level)
    {
        EXPECT_FALSE(rope.GetLinkName(level).empty()) << level;
    }
    mPanel.SetCurrentByType(Entity::kRope);
    Korrin::GuiContainer* page = mPanel.GetPanel(mPanel.GetCurrent());
    ASSERT_NE(page, nullptr);
    for (const char* element : {"TABROPE_BUY", "ROPE_UPGRADE", "ROPE_GARDEN_TEXT", "PanelRope_Upgrade"})
    {
        EXPECT_NE(page->GetByName(element), nullptr) << element;
    }
    mHints.Load();
    for (const char* hint : {"BuyTableRopeHint", "RopeHint1", "RopeHint2", "RopeHint3", "RopeHint4"})
    {
        EXPECT_NE(mHints.GetByName(hint), nullptr) << hint;
    }
    EXPECT_TRUE(Reports().empty()) << Reports().front();
}

TEST_F(RopeAndThiefSampleDataTest, TheCageAndTheBagHaveTheirFrames)
{
    for (const char* cage : {"Cell1", "Cell2", "Cell3", "BackCell1", "BackCell2", "BackCell3"})
    {
        Korrin::AnimatedSprite* sprite = mSprites.LoadAnimatedSprite(cage, "thieflist.lua");
        ASSERT_NE(sprite, nullptr) << cage;
        EXPECT_GE(sprite->GetFrameCount(), 2u) << cage;
    }
    Korrin::AnimatedSprite* bag = mSprites.LoadAnimatedSprite("ThiefBag", "thieflist.lua");
    ASSERT_NE(bag, nullptr);
    const Korrin::Array<std::uint8_t>& landing = GameTables::Frames(40);
    std::uint8_t highest = 0;
    for (std::uint32_t i = 0; i < landing.Size(); ++i)
    {
        highest = std::max(highest, landing[i]);
    }
    EXPECT_EQ(bag->GetFrameCount(), highest) << "one frame for each number of the landing sequence";
}

TEST_F(RopeAndThiefSampleDataTest, TheirSoundsAreListed)
{
    Korrin::LuaScript script;
    ASSERT_EQ(script.LoadFile("audiolist1.audio", Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    std::vector<std::string> listed;
    script.GetGlobal("audiolist1")
        .ForEachElement([&listed](int, const LuaValue& entry)
                        { listed.push_back(entry.GetField("Name").ToString()); });
    for (const char* sound : {"Board", "Rope", "ConstructionOf", "upgrade", "Cage", "catch_thief",
                              "rustle_thief", "start_thief", "Money"})
    {
        EXPECT_NE(std::find(listed.begin(), listed.end(), sound), listed.end()) << sound;
    }
}
