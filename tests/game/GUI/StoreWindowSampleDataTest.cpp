#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/SoundManager.h"
#include "tests/game/GUI/StoreWindowFixture.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

// The storehouse window's sample data: every table, element, effect and sound its code names.
class StoreWindowSampleDataTest : public TestSupport::StoreWindowTest
{
};

TEST_F(StoreWindowSampleDataTest, TheWindowFindsEveryPictureElementAndEffectItNames)
{
    EXPECT_TRUE(Reports().empty()) << Reports().front();
    const StoreWindowArt& art = mWindow->GetArt();
    std::vector<const Korrin::NullSprite*> sprites = {
        art.mDim,        art.mBoards[0],         art.mBoards[1], art.mMoneyIcon, art.mLockIcon,
        art.mFoundation, art.mStorehousePicture, art.mShopSlot,  art.mStoreSlot, art.mShovel,
        art.mStone};
    sprites.insert(sprites.end(), art.mShopPictures.begin(), art.mShopPictures.end());
    sprites.insert(sprites.end(), art.mShelf1Pictures.begin(), art.mShelf1Pictures.end());
    sprites.insert(sprites.end(), art.mShelf2Pictures.begin(), art.mShelf2Pictures.end());
    sprites.insert(sprites.end(), art.mStorehouseUp.begin(), art.mStorehouseUp.end());
    sprites.insert(sprites.end(), art.mStorehouseDown.begin(), art.mStorehouseDown.end());
    sprites.insert(sprites.end(), art.mFlowers.begin(), art.mFlowers.end());
    EXPECT_EQ(sprites.size(), 11u + 5u * 3u + 4u * 2u + 20u);
    for (std::size_t i = 1; i < sprites.size(); ++i)
    {
        ASSERT_NE(sprites[i], nullptr) << i;
        EXPECT_NE(sprites[i]->GetTexture(), nullptr) << i << ": " << sprites[i]->GetImageName();
    }
    struct Frames
    {
        const Korrin::AnimatedSprite* sprite;
        std::size_t count;
    };
    const Frames animated[] = {{art.mListIcons, 28},          {art.mShopGoods, 28},
                               {art.mShopNewGoods, 28},       {art.mStorehouseGoods, 28},
                               {art.mStorehouseNewGoods, 28}, {art.mDoors, 4}};
    for (const Frames& test : animated)
    {
        ASSERT_NE(test.sprite, nullptr);
        EXPECT_NE(test.sprite->GetTexture(), nullptr) << test.sprite->GetImageName();
        EXPECT_EQ(test.sprite->GetFrameCount(), test.count) << test.sprite->GetImageName();
    }
    EXPECT_EQ(art.mBoxOffsets.size(), 6u) << "one per place of a shelf";
    EXPECT_EQ(art.mLockOffsets.size(), 6u);
    EXPECT_NE(art.mListFont, nullptr);

    std::vector<std::string> names = {"title",       "TitleShop",    "TitleStorehouse",
                                      "LockBuyPage", "StoreShop_OK", "StoreShop_Cancel"};
    for (int row = 1; row <= 12; ++row)
    {
        names.push_back(std::to_string(row) + "_one");
        names.push_back(std::to_string(row) + "_all");
    }
    for (const std::string& name : names)
    {
        EXPECT_NE(mWindow->GetMainWindow()->GetByName(name), nullptr) << name;
    }
    for (const char* name : {"SaleOK", "SaleCancel"})
    {
        EXPECT_NE(dynamic_cast<Korrin::GuiButton*>(mWindow->GetSaleConfirm()->GetByName(name)), nullptr)
            << name;
    }
    for (const char* name : {"BuyOK", "BuyCancel"})
    {
        EXPECT_NE(dynamic_cast<Korrin::GuiButton*>(mWindow->GetBuyConfirm()->GetByName(name)), nullptr)
            << name;
    }
    for (const char* effect : {"selected01", "selected02"})
    {
        EXPECT_GT(
            mParticles.CreateParticleSystem(std::string(effect) + ".particle", effect)->GetEmitterCount(), 0u)
            << effect;
    }
}

TEST_F(StoreWindowSampleDataTest, TheWindowsSoundsAreListed)
{
    Korrin::LuaScript script;
    ASSERT_EQ(script.LoadFile("audiolist1.audio", Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    Korrin::LuaStackGuard guard(script.GetState());
    std::vector<std::string> listed;
    script.GetGlobal("audiolist1")
        .ForEachElement([&listed](int, const LuaValue& entry)
                        { listed.push_back(entry.GetField("Name").ToString()); });
    for (const char* sound : {"Product_pick", "Product_put", "click_button"})
    {
        EXPECT_NE(std::find(listed.begin(), listed.end(), sound), listed.end()) << sound;
    }
}

} // namespace
