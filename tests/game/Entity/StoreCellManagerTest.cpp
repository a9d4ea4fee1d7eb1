#include "game/Entity/StoreCellManager.h"

#include "engine/Util/Random.h"
#include "tests/engine/LogCapture.h"

#include <gtest/gtest.h>

namespace
{

class StoreCellManagerTest : public testing::Test
{
protected:
    StoreCell& Cell(std::size_t n) { return mGrid.GetCells().at(n); }
    // Every cell locked but the first `open`.
    void OpenOnly(std::size_t open)
    {
        for (std::size_t n = 0; n < mGrid.GetCells().size(); ++n)
        {
            Cell(n).unlocked = n < open ? 1 : 0;
        }
    }

    TestSupport::LogCapture mLog;
    StoreCellManager mGrid{3, 4};
};

} // namespace

TEST_F(StoreCellManagerTest, GoodsGoInAndOutWithTheirAnimation)
{
    EXPECT_FALSE(mGrid.PutGoods(0));
    ASSERT_TRUE(mGrid.PutGoods(84));
    EXPECT_EQ(Cell(0).fadeRate, 1.0f);
    EXPECT_TRUE(mGrid.HasGoods(84)) << "an arriving cell counts";
    mGrid.Update(0.3f);
    EXPECT_FLOAT_EQ(Cell(0).animation, 0.3f);
    mGrid.Update(0.3f);
    EXPECT_EQ(Cell(0).animation, StoreCellManager::kFullValue);
    EXPECT_TRUE(Cell(0).IsSettled());
    ASSERT_TRUE(mGrid.PickItemAnimatedById(84));
    EXPECT_EQ(Cell(0).goods, 84) << "the goods stay until the animation ends";
    EXPECT_FALSE(mGrid.HasGoods(84));
    EXPECT_FALSE(mGrid.PickItemAnimatedById(84)) << "a leaving cell is not taken twice";
    mGrid.Update(0.6f);
    EXPECT_EQ(Cell(0).goods, 0);
    EXPECT_TRUE(Cell(0).IsSettled());
}

TEST_F(StoreCellManagerTest, AnArrivingCellTakenTurnsRoundFromWhereItIs)
{
    mGrid.PutGoods(85);
    mGrid.Update(0.2f);
    ASSERT_TRUE(mGrid.PickItemAnimatedByNum(0));
    EXPECT_FLOAT_EQ(Cell(0).animation, 0.2f);
    EXPECT_EQ(Cell(0).fadeRate, -1.0f);
    mGrid.PutGoodsInstant(86);
    ASSERT_TRUE(mGrid.PickItemAnimatedByNum(1));
    EXPECT_EQ(Cell(1).animation, StoreCellManager::kFullValue) << "a settled cell starts from full";
}

TEST_F(StoreCellManagerTest, ALeavingCellIsNotFreeUntilItEmpties)
{
    OpenOnly(1);
    mGrid.PutGoodsInstant(84);
    EXPECT_TRUE(mGrid.IsFull());
    mGrid.PickItemAnimatedById(84);
    EXPECT_FALSE(mGrid.PutGoods(85)) << "the only empty-to-be cell is still leaving";
    EXPECT_TRUE(mGrid.IsFull());
    mGrid.Update(1.0f);
    EXPECT_TRUE(mGrid.PutGoods(85));
}

TEST_F(StoreCellManagerTest, LockedCellsCountForGoodsButNotForRoomOrEmptiness)
{
    OpenOnly(2);
    Cell(5).goods = 87; // a locked cell with goods, as a downgraded owner leaves it
    EXPECT_TRUE(mGrid.IsEmpty());
    EXPECT_TRUE(mGrid.HasGoods(87));
    EXPECT_EQ(mGrid.GetGoodsCounts(), (std::map<std::uint8_t, std::uint32_t>{{87, 1}}));
    Korrin::Vector2 at;
    EXPECT_FALSE(mGrid.StealItem(at)) << "nothing to steal while only locked cells hold goods";
    mGrid.PutGoodsInstant(84);
    mGrid.PutGoods(84);
    EXPECT_TRUE(mGrid.IsFull());
    EXPECT_FALSE(mGrid.IsEmpty());
    EXPECT_EQ(mGrid.GetGoodsCounts(), (std::map<std::uint8_t, std::uint32_t>{{84, 2}, {87, 1}}));
}

TEST_F(StoreCellManagerTest, TheThiefStealsARandomKeptCellLockedOnesIncluded)
{
    OpenOnly(1);
    Cell(0).goods = 84;
    Cell(0).x = 10.0f;
    Cell(0).y = 20.0f;
    Cell(7).goods = 88;
    Cell(7).x = 70.0f;
    // The candidates are cells 0 and 7; the seeded generator picks by its next number modulo 2.
    Korrin::SeedRand(1);
    const int next = Korrin::Rand();
    Korrin::SeedRand(1);
    Korrin::Vector2 at;
    ASSERT_TRUE(mGrid.StealItem(at));
    const std::size_t stolen = next % 2 == 0 ? 0 : 7;
    EXPECT_EQ(Cell(stolen).goods, 0);
    EXPECT_EQ(at.x, stolen == 0 ? 10.0f : 70.0f);
    EXPECT_NE(Cell(7 - stolen).goods, 0);
}

TEST_F(StoreCellManagerTest, TakingAtOnceAndOutOfRangeNumbers)
{
    mGrid.PutGoods(84);
    Cell(0).buyer = 3;
    EXPECT_FALSE(mGrid.TakeGoodsInstant(0));
    EXPECT_FALSE(mGrid.TakeGoodsInstant(85));
    ASSERT_TRUE(mGrid.TakeGoodsInstant(84)) << "an arriving cell is taken at once";
    EXPECT_EQ(Cell(0).goods, 0);
    EXPECT_EQ(Cell(0).buyer, 0);
    EXPECT_FALSE(mGrid.PickItemAnimatedByNum(12));
    EXPECT_NE(mLog.Text().find("Выход за предела массива 12>=12"), std::string::npos);
    EXPECT_FALSE(mGrid.PickItemAnimatedByNum(0)) << "an empty cell";
    EXPECT_FALSE(mGrid.PickItemAnimatedById(0));
}

TEST_F(StoreCellManagerTest, TheSaveBlockRoundTripsAndIs252BytesForTwelveCells)
{
    mGrid.PutGoods(84);
    mGrid.Update(0.25f);
    Cell(3).unlocked = 0;
    Cell(1).buyer = 140;
    Cell(2).x = 12.5f;
    Korrin::BinaryWriter out;
    mGrid.Save(out);
    ASSERT_EQ(out.Bytes().size(), 252u);

    StoreCellManager copy{3, 4};
    Korrin::BinaryReader in(out.Bytes());
    copy.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    Korrin::BinaryWriter again;
    copy.Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());
}

TEST_F(StoreCellManagerTest, HostileBlocksAreRefusedAndLeaveTheCells)
{
    mGrid.PutGoodsInstant(84);
    Korrin::BinaryWriter good;
    mGrid.Save(good);
    const std::vector<std::uint8_t> bytes = good.Bytes();
    struct Case
    {
        const char* name;
        std::size_t offset;
        std::vector<std::uint8_t> patch;
    };
    const Case cases[] = {
        {"width differs from the grid", 0, {4, 0, 0, 0}},
        {"height differs from the grid", 4, {5, 0, 0, 0}},
        {"count differs from width x height", 8, {11, 0, 0, 0}},
        {"huge count", 8, {0xFF, 0xFF, 0xFF, 0x7F}},
        {"unlocked flag of 2", 12 + 7, {2}},
        {"animation value NaN", 12 + 3, {0x00, 0x00, 0xC0, 0x7F}},
        {"x infinite", 12 + 8, {0x00, 0x00, 0x80, 0x7F}},
    };
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> hostile = bytes;
        std::copy(test.patch.begin(), test.patch.end(), hostile.begin() + static_cast<long>(test.offset));
        StoreCellManager grid{3, 4};
        grid.PutGoodsInstant(99);
        Korrin::BinaryReader in(hostile);
        grid.Load(in);
        EXPECT_FALSE(in.Ok()) << test.name;
        EXPECT_EQ(grid.GetCells().size(), 12u) << test.name;
        EXPECT_EQ(grid.GetCells()[0].goods, 99) << test.name;
    }
    std::vector<std::uint8_t> shortBlock(bytes.begin(), bytes.end() - 1);
    Korrin::BinaryReader in(shortBlock);
    StoreCellManager grid{3, 4};
    grid.Load(in);
    EXPECT_FALSE(in.Ok()) << "truncated";
}
