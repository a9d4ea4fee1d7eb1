#include "game/Game/LevelFile.h"

#include "tests/engine/LogCapture.h"
#include "tests/game/Level/LevelFileBuilder.h"

#include <gtest/gtest.h>

using TestSupport::LevelFileBuilder;

namespace
{

class LevelFileTest : public testing::Test
{
protected:
    TestSupport::LogCapture mLog;
};

// Offsets of the fixed head, as every level file has them.
constexpr std::size_t kMoneyOffset = 5;
constexpr std::size_t kGoalsOffset = 9;
constexpr std::size_t kThiefCountOffset = 39;
constexpr std::size_t kGridBytes = 16 * 26 * 2;

} // namespace

TEST_F(LevelFileTest, ReadsEveryFieldInItsPlace)
{
    LevelFileBuilder level;
    level.background = 2;
    level.gold[0] = 4;
    level.gold[1] = 30;
    level.silver[0] = 7;
    level.silver[1] = 5;
    level.money = 1234;
    level.goals = {{1, 10}, {0, 99}, {20, 500}};
    level.thieves = {{1, 30, 3, 14}};
    level.goods = {1, 0, 5};
    level.buyers = {1, 0, 14, 2, 2, 2, 2, 2, 2, 2};
    level.decorations[1][LevelFileBuilder::Index(4, 25)] = 17;
    level.Tile(15, 25, 66);
    level.ignored.fill(0xFFFF);
    level.Object(0, 0, 10);
    level.scenery = {{"Flag", 100.0f, 228.0f, 1, -2}};
    const std::vector<std::uint8_t> bytes = level.Bytes();
    ASSERT_EQ(bytes[kMoneyOffset], 1234 & 0xFF);
    ASSERT_EQ(bytes[kGoalsOffset], 1);
    ASSERT_EQ(bytes[kThiefCountOffset], 1);

    LevelFile file;
    ASSERT_TRUE(file.Parse(bytes, "lev01.lev"));
    EXPECT_EQ(file.backgroundType, 2);
    EXPECT_EQ(file.goldMinutes, 4);
    EXPECT_EQ(file.goldSeconds, 30);
    EXPECT_EQ(file.silverMinutes, 7);
    EXPECT_EQ(file.silverSeconds, 5);
    EXPECT_EQ(file.money, 1234);
    EXPECT_EQ(file.goals[0].code, 1);
    EXPECT_EQ(file.goals[0].target, 10u);
    EXPECT_EQ(file.goals[1].code, 0);
    EXPECT_EQ(file.goals[2].target, 500u);
    ASSERT_EQ(file.thieves.size(), 1u);
    EXPECT_EQ(file.thieves[0].minutes, 1);
    EXPECT_EQ(file.thieves[0].J, 14);
    EXPECT_EQ(file.storeGoods, (std::vector<std::uint8_t>{1, 5}));
    EXPECT_EQ(file.buyerCount, 10);
    EXPECT_EQ(file.buyers, (std::vector<std::uint8_t>{1, 14, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(file.decorations[1][LevelFileBuilder::Index(4, 25)], 17);
    EXPECT_EQ(file.tiles[LevelFileBuilder::Index(15, 25)], 66);
    EXPECT_EQ(file.objects[0], 10);
    ASSERT_EQ(file.scenery.size(), 1u);
    EXPECT_EQ(file.scenery[0].table, "Flag");
    EXPECT_EQ(file.scenery[0].y, 228.0f);
    EXPECT_EQ(file.scenery[0].kind, 1);
    EXPECT_EQ(file.scenery[0].drawOrder, -2);
}

TEST_F(LevelFileTest, ThievesOffTheFieldAndBuyersOfNoKindAreLeftOut)
{
    LevelFileBuilder level;
    level.thieves = {{0, 10, 16, 3}, {0, 20, 15, 25}, {0, 30, 2, 26}, {0, 40, 255, 255}};
    level.buyers = {0, 15, 138, 255, 1, 14, 3, 3, 3};
    LevelFile file;
    ASSERT_TRUE(file.Parse(level.Bytes(), "lev05.lev"));
    ASSERT_EQ(file.thieves.size(), 1u);
    EXPECT_EQ(file.thieves[0].I, 15);
    EXPECT_EQ(file.thieves[0].J, 25);
    // A code above 14 would make a gardener, a worker or a thief of a buyer.
    EXPECT_EQ(file.buyers, (std::vector<std::uint8_t>{1, 14, 3, 3, 3}));
    EXPECT_EQ(file.buyerCount, 9);
    EXPECT_NE(mLog.Text().find("lev05.lev: thief 0 stands on (16, 3) outside the field"), std::string::npos);
    EXPECT_NE(mLog.Text().find("lev05.lev: buyer 1 has the unknown kind 15"), std::string::npos);
}

TEST_F(LevelFileTest, SceneryIsReadOnlyAsFarAsTheFileHoldsIt)
{
    struct Case
    {
        const char* what;
        std::int32_t count;
        std::size_t written;
        std::size_t expected;
    };
    const Case cases[] = {
        {"count of none", 0, 0, 0},
        {"negative count", -5, 1, 0},
        {"count as written", 2, 2, 2},
        {"count beyond the file", 2000000000, 2, 2},
        {"count of one with more written", 1, 3, 1},
    };
    for (const Case& c : cases)
    {
        LevelFileBuilder level;
        level.sceneryCount = c.count;
        for (std::size_t s = 0; s < c.written; ++s)
        {
            level.scenery.push_back({"Flag" + std::to_string(s), 1.0f, 2.0f, 0, 0});
        }
        LevelFile file;
        ASSERT_TRUE(file.Parse(level.Bytes(), "lev.lev")) << c.what;
        EXPECT_EQ(file.scenery.size(), c.expected) << c.what;
    }
}

TEST_F(LevelFileTest, ATableNameWithoutItsEndIsCutAtItsField)
{
    LevelFileBuilder level;
    level.scenery = {{std::string(60, 'x'), 5.0f, 6.0f, 0, 3}, {"Next", 7.0f, 8.0f, 1, 4}};
    LevelFile file;
    ASSERT_TRUE(file.Parse(level.Bytes(), "lev.lev"));
    ASSERT_EQ(file.scenery.size(), 2u);
    EXPECT_EQ(file.scenery[0].table, std::string(60, 'x'));
    EXPECT_EQ(file.scenery[0].x, 5.0f);
    EXPECT_EQ(file.scenery[0].drawOrder, 3);
    EXPECT_EQ(file.scenery[1].table, "Next");
    EXPECT_EQ(file.scenery[1].kind, 1);
}

TEST_F(LevelFileTest, AFileTooShortForItsGridsIsRefusedAtEveryLength)
{
    LevelFileBuilder level;
    level.thieves = {{1, 2, 3, 4}};
    level.goods = {1, 2};
    level.scenery = {{"Flag", 1.0f, 2.0f, 0, 0}};
    const std::vector<std::uint8_t> bytes = level.Bytes();
    const std::size_t scenery = 60 + 4 + 4 + 1 + 4;
    const std::size_t gridsEnd = bytes.size() - scenery - 4;
    for (std::size_t length = 0; length <= bytes.size(); ++length)
    {
        LevelFile file;
        const bool read = file.Parse(std::span(bytes.data(), length), "cut.lev");
        EXPECT_EQ(read, length >= gridsEnd) << "length " << length;
        if (read)
        {
            EXPECT_EQ(file.scenery.size(), length == bytes.size() ? 1u : 0u) << "length " << length;
        }
    }
    EXPECT_EQ(gridsEnd, 40u + 4u + 1u + 2u + 1u + 9u + 6u * kGridBytes);
}
