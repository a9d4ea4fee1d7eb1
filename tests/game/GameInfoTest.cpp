#include "game/Game/GameInfo.h"

#include "game/GUI/AchievementSystem.h"
#include "game/Game/TableCost.h"
#include "tests/support/AchievementDefinitions.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

class GameInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TableCost::BuildLevelTables();
        TestSupport::DefineAchievements(mAchievements, "{ {Id = 9, MaxProgress = 3} }");
    }
    void TearDown() override { TableCost::FreeLevelTables(); }

    AchievementSystem mAchievements;
    GameInfo mInfo;
};

TEST_F(GameInfoTest, PassTypesOnlyImprove)
{
    EXPECT_EQ(mInfo.passTypes.size(), kLevelCount);
    mInfo.SetLevelPassType(kLevelPassedGold, 3);
    mInfo.SetLevelPassType(kLevelPassedSilver, 3);
    EXPECT_EQ(mInfo.GetLevelPassType(3), kLevelPassedGold);

    TestSupport::ReportRecorder::Clear();
    mInfo.SetLevelPassType(kLevelPassedGold, 67);
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "Trying to set wrong level");
    EXPECT_EQ(mInfo.GetLevelPassType(67), kLevelNotPassed);
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "Trying to get wrong level num.");
}

TEST_F(GameInfoTest, OnlyAStrictlyBetterTimeReplacesTheBestAndCounts)
{
    const TimeScoreItem start = mInfo.GetBestTime(0); // 0:49
    mInfo.SetBestTime(0, 0, 49, u"Equal");
    EXPECT_TRUE(mInfo.GetBestTime(0).name.empty());
    EXPECT_EQ(mAchievements.GetData(9)->mProgress, 0u);

    mInfo.SetBestTime(0, 0, 48, u"Ann");
    EXPECT_EQ(mInfo.GetBestTime(0).name, u"Ann");
    EXPECT_EQ(mInfo.GetBestTime(0).seconds, 48u);
    EXPECT_EQ(mAchievements.GetData(9)->mProgress, 1u);
    EXPECT_EQ(start.seconds, 49u);

    // Huge times do not wrap round into short ones.
    mInfo.SetBestTime(1, 0x4444444u, 0, u"Wrap");
    EXPECT_TRUE(mInfo.GetBestTime(1).name.empty());

    mInfo.SetBestTime(67, 0, 1, u"Nobody"); // out of range: nothing
    TestSupport::ReportRecorder::Clear();
    const TimeScoreItem none = mInfo.GetBestTime(67);
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "Trying to set wrong level");
    EXPECT_EQ(none.minutes, 0u);
    EXPECT_TRUE(none.name.empty());
}
