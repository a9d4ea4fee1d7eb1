#include "fuzz/StoreRecordSet.h"
#include "tests/engine/LogCapture.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace
{
std::vector<std::uint8_t> Fixture()
{
    std::ifstream file(WF_FIXTURES_DIR "/saves/StoreRecords.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Where the records start in the fixture: the storehouse's, its length, then the shop's.
constexpr std::size_t kStorehouseBytes = 254;
constexpr std::size_t kShop = kStorehouseBytes + 4;
// Fields of the shop's record.
constexpr std::size_t kCellsBlock = 23;
constexpr std::size_t kFigure = kCellsBlock + 252;
constexpr std::size_t kServingNumber = kFigure + 62;
constexpr std::size_t kShopLevel = kServingNumber + 4;

template <typename T>
std::vector<std::uint8_t> With(std::vector<std::uint8_t> bytes, std::size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof(value));
    return bytes;
}
} // namespace

TEST(StoreRecords, TheHandBuiltRecordsReadBackByteForByte)
{
    TestSupport::LogCapture log;
    const std::vector<std::uint8_t> saved = Fixture();
    ASSERT_EQ(saved.size(), kShop + kShopLevel + 2 + 4);
    StoreRecordSet set;
    Korrin::BinaryReader in(saved);
    ASSERT_TRUE(set.records.LoadAll(in));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(set.storehouse.GetUpgradeLevel(), 1);
    EXPECT_EQ(set.storehouse.GetCells().GetCells()[5].unlocked, 1);
    EXPECT_EQ(set.storehouse.GetCells().GetCells()[6].unlocked, 0);
    EXPECT_EQ(set.shop.GetUpgradeLevel(), 1);
    EXPECT_EQ(set.shop.GetLeftRowLevel(), 1);
    EXPECT_EQ(set.shop.GetErrandState(), 2u);
    EXPECT_EQ(set.shop.GetCarriedGoods(), 84);
    EXPECT_EQ(set.shop.GetServingId(), 3);
    EXPECT_TRUE(set.shop.IsBusy());
    EXPECT_EQ(set.shop.GetSpeedFactor(), 1.4f);
    EXPECT_EQ(set.shop.GetCells().GetCells()[2].buyer, 3);
    Korrin::BinaryWriter again;
    set.records.SaveAll(again);
    EXPECT_EQ(again.Bytes(), saved);
}

TEST(StoreRecords, EveryCutOfTheRecordsIsRefused)
{
    TestSupport::LogCapture log;
    const std::vector<std::uint8_t> saved = Fixture();
    for (std::size_t length = 0; length < saved.size(); length += 5)
    {
        StoreRecordSet set;
        const std::vector<std::uint8_t> cut(saved.begin(), saved.begin() + static_cast<long>(length));
        Korrin::BinaryReader in(cut);
        EXPECT_FALSE(set.records.LoadAll(in)) << length;
    }
}

TEST(StoreRecords, HostileValuesAreRefused)
{
    TestSupport::LogCapture log;
    const std::vector<std::uint8_t> saved = Fixture();
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<std::uint8_t> noTerminator = saved;
    std::memset(noTerminator.data() + kShop + kFigure, 'a', 50);
    const Case cases[] = {
        {"a storehouse level past its last", With<std::uint16_t>(saved, kStorehouseBytes - 2, 4)},
        {"a storehouse grid of another size", With<std::uint32_t>(saved, 0, 4)},
        {"a left row level past the record's last", With<std::uint16_t>(saved, kShop, 3)},
        {"a right row level past the record's last", With<std::uint16_t>(saved, kShop + 2, 3)},
        {"an errand state past 14", With<std::uint32_t>(saved, kShop + 4, 15)},
        {"more carried than twelve cells", With<std::uint32_t>(saved, kShop + 8, 13)},
        {"a busy flag of 2", With<std::uint8_t>(saved, kShop + 13, 2)},
        {"carried goods without goods", With<std::uint8_t>(saved, kShop + 14, 200)},
        {"a speed below 1", With<float>(saved, kShop + 15, 0.5f)},
        {"a speed above 2", With<float>(saved, kShop + 15, 2.5f)},
        {"a speed that is no number", With<float>(saved, kShop + 15, std::nanf(""))},
        {"a search start past the cells", With<std::uint32_t>(saved, kShop + 19, 12)},
        {"a shelf grid of another size", With<std::uint32_t>(saved, kShop + kCellsBlock, 3)},
        {"an animation the companion has not", With<char>(saved, kShop + kFigure + 4, 'x')},
        {"an animation name without its end", noTerminator},
        {"a figure out of this world", With<float>(saved, kShop + kFigure + 50, INFINITY)},
        {"a shop level past its last", With<std::uint16_t>(saved, kShop + kShopLevel, 5)},
    };
    for (const Case& test : cases)
    {
        StoreRecordSet set;
        Korrin::BinaryReader in(test.bytes);
        EXPECT_FALSE(set.records.LoadAll(in)) << test.name;
    }
    // The served buyer's number is looked up, not trusted: a number no character has serves nobody.
    StoreRecordSet set;
    const std::vector<std::uint8_t> unknownBuyer = With<std::int32_t>(saved, kShop + kServingNumber, 77);
    Korrin::BinaryReader in(unknownBuyer);
    EXPECT_TRUE(set.records.LoadAll(in));
}
