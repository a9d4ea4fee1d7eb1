#include "fuzz/EntityRecordSet.h"
#include "tests/engine/LogCapture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace
{
std::vector<std::uint8_t> Fixture()
{
    std::ifstream file(WF_FIXTURES_DIR "/saves/EntityRecords.dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
} // namespace

TEST(EntityRecords, TheHandBuiltRecordsOfEveryKindReadBackByteForByte)
{
    TestSupport::LogCapture log;
    const std::vector<std::uint8_t> saved = Fixture();
    ASSERT_FALSE(saved.empty());
    EntityRecordSet set;
    Korrin::BinaryReader in(saved);
    ASSERT_TRUE(set.records.LoadAll(in));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(set.garden.GetTask(1), 85);
    EXPECT_EQ(set.garden.GetBed(0).GetCrop(), 84);
    EXPECT_EQ(set.garden.GetBed(0).GetFruitCount(), 2);
    EXPECT_FALSE(set.garden.GetBed(1).HasCrop());
    EXPECT_TRUE(set.well.IsBusy());
    EXPECT_EQ(set.well.GetWinding(), 6.5f);
    EXPECT_EQ(set.juicer.GetStateByte(), 1);
    Korrin::BinaryWriter again;
    set.records.SaveAll(again);
    EXPECT_EQ(again.Bytes(), saved);
}

TEST(EntityRecords, EveryCutOfTheRecordsIsRefused)
{
    TestSupport::LogCapture log;
    const std::vector<std::uint8_t> saved = Fixture();
    for (std::size_t length = 0; length < saved.size(); length += 7)
    {
        EntityRecordSet set;
        const std::vector<std::uint8_t> cut(saved.begin(), saved.begin() + static_cast<long>(length));
        Korrin::BinaryReader in(cut);
        EXPECT_FALSE(set.records.LoadAll(in)) << length;
    }
}
