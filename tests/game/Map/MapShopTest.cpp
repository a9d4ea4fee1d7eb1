#include "engine/File/FileSysManager.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Map.h"
#include "game/MapShopGui.h"

#include <gtest/gtest.h>

namespace
{

constexpr std::size_t kGardener = 0;
constexpr std::size_t kRope = MapShopGui::kRopeIndex;

class MapShopTest : public testing::Test
{
protected:
    MapShopTest()
    {
        mInfo.highestLevel = 2;
        mInfo.totalMoney = 100;
        // The price table's own records start with the rope bought; these players have none yet.
        Record(1).owned = 0;
    }

    CostRecord& Record(std::uint8_t id) { return *mTable.GetCostPtr(id); }

    GameInfo mInfo;
    TableCost mTable;
    MapShopGui mShop;
};

} // namespace

TEST_F(MapShopTest, BuyingTheRopeMarksItBoughtAndTakesItsPrice)
{
    ASSERT_TRUE(mShop.Buy(kRope));
    EXPECT_EQ(Record(1).owned, 1);
    EXPECT_EQ(Record(1).upgradeLevel, 0);
    EXPECT_EQ(mInfo.totalMoney, 20u);
}

TEST_F(MapShopTest, APurchaseAboveTheMoneyOrPastTheLastRowChangesNothing)
{
    mInfo.totalMoney = 79;
    EXPECT_FALSE(mShop.Buy(kRope)) << "a stale button must not buy the rope for 79";
    EXPECT_EQ(Record(1).owned, 0);
    EXPECT_EQ(mInfo.totalMoney, 79u);

    mInfo.totalMoney = 100000;
    Record(132).upgradeLevel = Record(132).maxLevel;
    EXPECT_FALSE(mShop.Buy(kGardener)) << "the gardener has no row past its last level";
    EXPECT_EQ(Record(132).upgradeLevel, Record(132).maxLevel);
    EXPECT_EQ(mInfo.totalMoney, 100000u);

    Record(132).upgradeLevel = 0;
    Record(132).rows.resize(1);
    EXPECT_FALSE(mShop.Buy(kGardener)) << "a record without the row of the next level";
    EXPECT_EQ(Record(132).upgradeLevel, 0);
}

TEST(MapShopNames, TheGoodsTableAndTheHintNames)
{
    EXPECT_EQ(MapShopGui::GetIdByIndex(20), 1);
    EXPECT_EQ(MapShopGui::GetIdByIndex(22), 0);
    EXPECT_EQ(MapShopGui::GetIndexById(138), 21);
    EXPECT_EQ(MapShopGui::GetIndexById(200), 0);
    EXPECT_EQ(MapShopGui::GetNameById(131), "ShopBox");
    EXPECT_EQ(MapShopGui::GetNameById(2), "Name not found ! (MapShopGui)");
    EXPECT_EQ(MapShopGui::HintName(0, 0), "GardenerHint0");
    EXPECT_EQ(MapShopGui::HintName(MapShopGui::kRopeIndex, 2), "RopeUpgradeHint2");
    EXPECT_EQ(MapShopGui::HintName(MapShopGui::kRopeIndex, 4), "");
    EXPECT_EQ(MapShopGui::ArrowTarget(20).x, 153.0f * 2 + 403.0f);
    EXPECT_EQ(MapShopGui::ArrowTarget(7).y, 154.0f + 118.0f);
}

TEST(MapHints, BestTimesReadWithTwoDigitsAtLeast)
{
    EXPECT_EQ(Map::FormatBestTime(1, 5), u"01:05");
    EXPECT_EQ(Map::FormatBestTime(125, 0), u"125:00");
}

TEST(MapHints, TheRopesTitleFollowsTheLevelThatBringsEachUpgrade)
{
    EXPECT_EQ(Map::GoodsSlot(1, 2, 0), 20);
    EXPECT_EQ(Map::GoodsSlot(1, 8, 1), 21);
    EXPECT_EQ(Map::GoodsSlot(1, 13, 2), 22);
    EXPECT_EQ(Map::GoodsSlot(1, 23, 3), 23);
    EXPECT_EQ(Map::GoodsSlot(1, 40, 2), 22) << "elsewhere the title of the upgrade required";
    EXPECT_EQ(Map::GoodsSlot(138, 40, 1), 24);
    EXPECT_EQ(Map::GoodsSlot(99, 3, 0), -1);
    EXPECT_EQ(Map::GoodsFrameBase(5), 49);
    EXPECT_EQ(Map::GoodsFrameBase(99), 0);
}

TEST(MapShopTutorial, ATutorialOfTheMapScreenRunsNoLevelRoutine)
{
    Korrin::FileSysManager files(std::string(WF_FIXTURES_DIR) + "/../../media");
    EducationSlot slot;
    slot.Start("Educationshop.lua", 1, true);
    ASSERT_NE(slot.Get(), nullptr);
    EXPECT_FALSE(slot.Get()->HasLevelRoutines());
    slot.Start("Educationshop.lua", EducationSlot::kLevelScreen, true);
    EXPECT_TRUE(slot.Get()->HasLevelRoutines());
}
