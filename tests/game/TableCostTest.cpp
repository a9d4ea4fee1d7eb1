#include "game/Game/TableCost.h"

#include "game/Game/GameTables.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

TEST(TableCost, RecordsHoldTheirRowsUnlockLevelsAndOwnedFlags)
{
    TableCost table;
    EXPECT_EQ(table.Records().size(), 22u);

    CostRecord rope;
    ASSERT_TRUE(table.GetCost(1, rope));
    EXPECT_EQ(rope.maxLevel, 3);
    EXPECT_EQ(rope.rows.back().price, 3500u);
    EXPECT_EQ(rope.unlockLevel, 2);
    EXPECT_EQ(rope.owned, 1);
    EXPECT_EQ(table.GetCostPtr(131)->owned, 1) << "both shop boxes stand from the start";

    const CostRecord* shop = table.GetCostPtr(17);
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->maxLevel, 4);
    EXPECT_EQ(shop->rows[4].price, 41500u);

    const CostRecord* sandwich = table.GetCostPtr(54);
    ASSERT_NE(sandwich, nullptr);
    EXPECT_EQ(sandwich->unlockLevel, 51);
    EXPECT_EQ(sandwich->owned, 0);

    CostRecord none;
    EXPECT_FALSE(table.GetCost(2, none));
    EXPECT_EQ(table.GetCostPtr(139), nullptr);

    // Ascending ids: the order of the player's upgrade file.
    EXPECT_EQ(table.Records().begin()->first, 1);
    EXPECT_EQ(table.Records().rbegin()->first, 138);
}

TEST(TableCost, LevelValueTakesTheLastRowPastTheEnd)
{
    TableCost table;
    const CostRecord* gardener = table.GetCostPtr(132);
    ASSERT_NE(gardener, nullptr);
    EXPECT_EQ(CostRecord::GetLevelValue(0, *gardener), 70);
    EXPECT_EQ(CostRecord::GetLevelValue(2, *gardener), 250);
    EXPECT_EQ(CostRecord::GetLevelValue(9, *gardener), 250);
    EXPECT_EQ(CostRecord::GetLevelValue(3, CostRecord{}), 0);
}

TEST(TableCost, FillPutsEveryUpgradeLevelBackToZero)
{
    TableCost table;
    table.GetCostPtr(5)->upgradeLevel = 3;
    table.GetCostPtr(26)->owned = 1;
    table.Records().erase(10);
    table.Fill();
    for (const auto& [id, record] : table.Records())
    {
        EXPECT_EQ(record.upgradeLevel, 0) << int(id);
    }
    EXPECT_EQ(table.GetCostPtr(26)->owned, 0);
    EXPECT_NE(table.GetCostPtr(10), nullptr);
}

TEST(TableCost, PricesAndOrderCostsByGoods)
{
    struct Case
    {
        std::uint8_t goods;
        std::uint16_t sale;
        std::uint16_t storeHouse;
        std::uint16_t order;
    };
    for (const Case& c :
         {Case{84, 60, 90, 5}, Case{90, 0, 0, 110}, Case{113, 355, 710, 0}, Case{114, 1000, 2000, 0},
          Case{118, 500, 1000, 0}, Case{119, 12000, 18000, 4000}, Case{122, 7300, 11000, 2400},
          Case{125, 0, 0, 0}, Case{128, 0, 0, 36}, Case{83, 0, 0, 0}, Case{129, 0, 0, 0}})
    {
        EXPECT_EQ(TableCost::GetSalePrice(c.goods), c.sale) << int(c.goods);
        EXPECT_EQ(TableCost::GetStoreHousePrice(c.goods), c.storeHouse) << int(c.goods);
        EXPECT_EQ(TableCost::GetGoodsCost(c.goods - TableCost::kFirstGoodsId), c.order) << int(c.goods);
    }
    EXPECT_EQ(TableCost::GetGoodsCost(-1), 0);
    EXPECT_EQ(TableCost::GetGoodsCost(45), 0);
}

TEST(TableCost, LevelStarsAndDefaultBestTimes)
{
    TableCost::BuildLevelTables();
    ASSERT_EQ(gLevelStars.size(), kLevelCount);
    ASSERT_EQ(gBestTimes.size(), kLevelCount);
    EXPECT_EQ(gLevelStars[0].complete, 15);
    EXPECT_EQ(gLevelStars[0].gold, 55);
    EXPECT_EQ(gLevelStars[39].silver, 15000);
    EXPECT_EQ(gLevelStars[66].gold, 92000);

    struct Time
    {
        std::size_t level;
        std::uint32_t minutes;
        std::uint32_t seconds;
    };
    for (const Time& t :
         {Time{0, 0, 49}, Time{2, 2, 0}, Time{12, 6, 32}, Time{29, 4, 50}, Time{30, 5, 30}, Time{66, 5, 30}})
    {
        EXPECT_EQ(gBestTimes[t.level].minutes, t.minutes) << t.level;
        EXPECT_EQ(gBestTimes[t.level].seconds, t.seconds) << t.level;
        EXPECT_TRUE(gBestTimes[t.level].name.empty());
    }

    TestSupport::ReportRecorder::Clear();
    EXPECT_EQ(gLevelStars[67].complete, 0);
    EXPECT_NE(TestSupport::ReportRecorder::LastDescription().find("index>size"), std::string::npos);
    TableCost::FreeLevelTables();
}

TEST(GameLookups, GoodsIndexHelperKindAndBuildingProduct)
{
    struct Goods
    {
        std::uint8_t id;
        std::int32_t index;
    };
    for (const Goods& g :
         {Goods{83, -1}, Goods{84, 0}, Goods{89, 5}, Goods{90, -1}, Goods{92, 6}, Goods{122, 18},
          Goods{125, 27}, Goods{126, 19}, Goods{128, 21}, Goods{129, -1}, Goods{0, -1}, Goods{255, -1}})
    {
        EXPECT_EQ(GetGoodsIndex(g.id), g.index) << int(g.id);
        EXPECT_LT(GetGoodsIndex(g.id), kGoodsIndexCount);
    }

    struct Kind
    {
        std::uint8_t type;
        std::uint8_t kind;
    };
    for (const Kind& k : {Kind{5, 0}, Kind{26, 1}, Kind{62, 1}, Kind{38, 2}, Kind{66, 2}, Kind{136, 3},
                          Kind{17, 4}, Kind{0, 4}, Kind{255, 4}})
    {
        EXPECT_EQ(GetHelperKind(k.type), k.kind) << int(k.type);
    }

    struct Product
    {
        std::uint8_t building;
        std::uint8_t goods;
    };
    for (const Product& p : {Product{26, 98}, Product{30, 89}, Product{54, 119}, Product{66, 107},
                             Product{5, 0}, Product{27, 0}})
    {
        EXPECT_EQ(GetBuildingProduct(p.building), p.goods) << int(p.building);
    }
    // Every building's product has a dense index.
    for (const std::uint8_t building : {26, 30, 34, 38, 42, 46, 50, 54, 58, 62, 66})
    {
        EXPECT_GE(GetGoodsIndex(GetBuildingProduct(building)), 0) << int(building);
    }
}

TEST(GameTables, ArraysHaveTheirLengthsAndDescribeEachOther)
{
    GameTables::Build();
    const std::uint32_t frameLengths[] = {13, 12, 9,  9,  64, 71, 75, 10, 4,  72, 64, 63, 11,
                                          56, 56, 47, 53, 6,  4,  68, 71, 53, 15, 9,  9};
    for (std::uint32_t array = 0; array < 25; ++array)
    {
        EXPECT_EQ(GameTables::Frames(array).Size(), frameLengths[array]) << array;
    }
    for (std::uint32_t array = 33; array <= 38; ++array)
    {
        EXPECT_EQ(GameTables::Frames(array).Size(), 18u) << array;
    }
    EXPECT_EQ(GameTables::Frames(40).Size(), 13u);
    // The sunflower heads' offsets, one per stalk frame (the stalk's frames run 1 to 12).
    for (std::uint32_t array = 30; array <= 32; ++array)
    {
        EXPECT_EQ(GameTables::Offsets(array).Size(), 12u) << array;
    }
    EXPECT_EQ(GameTables::Offsets(30)[7], (Korrin::Vector2{-7, -26}));
    EXPECT_EQ(GameTables::Offsets(32)[11], (Korrin::Vector2{-21, 16}));

    // Each count is the last index of the sequence it describes.
    EXPECT_EQ(GameTables::LastIndexes(25)[1], 8.0f);
    EXPECT_EQ(GameTables::LastIndexes(26)[2], 74.0f);
    EXPECT_EQ(GameTables::LastIndexes(28)[4], 5.0f);
    EXPECT_EQ(GameTables::LastIndexes(29).Size(), 6u);
    for (std::uint32_t index = 0; index < 6; ++index)
    {
        EXPECT_EQ(GameTables::LastIndexes(39)[index], 17.0f);
    }

    EXPECT_EQ(GameTables::Frames(8)[0], 49);
    EXPECT_EQ(GameTables::Frames(12)[10], 11);
    EXPECT_EQ(GameTables::Frames(15)[37], 0);
    EXPECT_EQ(GameTables::Frames(15)[38], 1);
    EXPECT_EQ(GameTables::Frames(24)[0], 27);

    GameTables::Free();
    EXPECT_EQ(GameTables::Frames(4).Size(), 0u);
}
