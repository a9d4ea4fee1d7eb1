// The end-of-level statistics' show on its own: the time and the cup from the level's clock and limits,
// the bonus counted into the score, the skip, the best time, and what OK banks.
#include "game/GUI/LevelStatistics.h"

#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

constexpr float kFrame = 1.0f / 60.0f;

class LevelStatisticsTest : public testing::Test
{
protected:
    LevelStatisticsTest()
    {
        TableCost::BuildLevelTables();
        mTask.level = 1;
        SetLimits(1, 0, 2, 0);
        mInfo.playerName = u"Anna";
    }
    ~LevelStatisticsTest() override { TableCost::FreeLevelTables(); }

    void SetLimits(std::uint8_t goldMinutes, std::uint8_t goldSeconds, std::uint8_t silverMinutes,
                   std::uint8_t silverSeconds)
    {
        mTask.goldMinutes = goldMinutes;
        mTask.goldSeconds = goldSeconds;
        mTask.silverMinutes = silverMinutes;
        mTask.silverSeconds = silverSeconds;
    }

    // Shows the window for a level time, as the level does when its goals are met.
    void Open(float levelTime)
    {
        mTask.levelTime = levelTime;
        mWindow.SetActive(false);
        mWindow.SetActive(true);
    }

    // Runs frames until the show's clock passes t.
    void RunUntil(float t)
    {
        while (mWindow.GetTime() <= t)
        {
            mWindow.Update(kFrame);
        }
    }

    GameInfo mInfo;
    LevelTaskInfo mTask;
    LevelStatistics mWindow;
};

TEST_F(LevelStatisticsTest, TheTimeIsRatedOnItsClockFaceAgainstBothLimits)
{
    const struct
    {
        const char* name;
        float levelTime;
        std::uint8_t limits[4];
        std::int32_t minutes;
        std::int32_t seconds;
        std::uint32_t cup;
        std::uint32_t total;
    } cases[] = {
        {"125.9 s shows 02:05, equal to gold", 125.9f, {2, 5, 3, 0}, 2, 5, LevelStatistics::kGoldCup, 70},
        {"a second past gold wins silver", 126.0f, {2, 5, 3, 0}, 2, 6, LevelStatistics::kSilverCup, 40},
        {"equal to silver", 180.5f, {2, 5, 3, 0}, 3, 0, LevelStatistics::kSilverCup, 40},
        {"past silver: the normal cup", 181.0f, {2, 5, 3, 0}, 3, 1, LevelStatistics::kNormalCup, 15},
        {"an hour drops out: 3605 s is 00:05", 3605.0f, {0, 5, 0, 10}, 0, 5, LevelStatistics::kGoldCup, 70},
    };
    for (const auto& c : cases)
    {
        SetLimits(c.limits[0], c.limits[1], c.limits[2], c.limits[3]);
        Open(c.levelTime);
        EXPECT_EQ(mWindow.GetLevelTime()[0], c.minutes) << c.name;
        EXPECT_EQ(mWindow.GetLevelTime()[1], c.seconds) << c.name;
        EXPECT_EQ(mWindow.GetResult(), c.cup) << c.name;
        EXPECT_EQ(mWindow.GetTotalScore(), c.total) << c.name;
        EXPECT_FLOAT_EQ(mWindow.GetScore(), 15.0f) << c.name << ": the show starts from the pass points";
        EXPECT_EQ(mWindow.GetLevelNumber(), 1u);
    }
}

TEST_F(LevelStatisticsTest, AGoldBonusIsCountedInAtHalfItsSizeASecondWithATickEveryHalfSecond)
{
    Open(30.0f);
    ASSERT_EQ(mWindow.GetResult(), LevelStatistics::kGoldCup);
    RunUntil(4.25f);
    EXPECT_FALSE(mWindow.IsExtraPointsShown()) << "the figure appears after 4.3 s";
    RunUntil(4.35f);
    EXPECT_TRUE(mWindow.IsExtraPointsShown());
    RunUntil(5.15f);
    EXPECT_FLOAT_EQ(mWindow.GetScore(), 15.0f) << "counting starts after 5.2 s";

    RunUntil(5.5f);
    const float scoreEarly = mWindow.GetScore();
    const float timeEarly = mWindow.GetTime();
    RunUntil(6.5f);
    EXPECT_NEAR((mWindow.GetScore() - scoreEarly) / (mWindow.GetTime() - timeEarly), 27.5f, 0.1f);
    EXPECT_NEAR(mWindow.GetScore() + mWindow.GetBonusLeft(), 70.0f, 0.01f)
        << "the figure falls as the score rises";

    std::vector<float> ticks;
    float timer = mWindow.GetAddScoreTimer();
    while (!mWindow.IsScoreDone() && mWindow.GetTime() < 10.0f)
    {
        mWindow.Update(kFrame);
        if (mWindow.GetAddScoreTimer() > timer)
        {
            ticks.push_back(mWindow.GetTime());
        }
        timer = mWindow.GetAddScoreTimer();
    }
    EXPECT_NEAR(mWindow.GetTime(), 7.2f, 0.05f) << "the counting lasts two seconds";
    ASSERT_GE(ticks.size(), 1u);
    for (std::size_t i = 1; i < ticks.size(); ++i)
    {
        EXPECT_NEAR(ticks[i] - ticks[i - 1], 0.5f, 2.0f * kFrame) << "tick " << i;
    }
    EXPECT_FLOAT_EQ(mWindow.GetScore(), 70.0f);
    EXPECT_FALSE(mWindow.IsExtraPointsShown()) << "the figure is gone";
}

TEST_F(LevelStatisticsTest, OkSkipsTheShowToItsEndAndTheNextOkBanksTheTotal)
{
    mInfo.totalMoney = 100;
    Open(30.0f);
    RunUntil(2.0f);
    EXPECT_TRUE(mWindow.ClickOk()) << "the skip stays in the window";
    EXPECT_TRUE(mWindow.IsSkipped());
    EXPECT_FLOAT_EQ(mWindow.GetScore(), 70.0f) << "the score jumps to its total";
    EXPECT_FALSE(mWindow.IsExtraPointsShown());
    RunUntil(8.0f);
    EXPECT_FLOAT_EQ(mWindow.GetScore(), 70.0f) << "nothing of the show runs after a skip";
    EXPECT_EQ(mInfo.totalMoney, 100u);
    EXPECT_FALSE(mWindow.ClickOk()) << "the second OK leaves the level";
    EXPECT_EQ(mInfo.totalMoney, 170u);
}

TEST_F(LevelStatisticsTest, ANormalResultShowsNoBonusAndCompletesAt5Point2Seconds)
{
    mInfo.totalMoney = 0;
    Open(500.0f);
    ASSERT_EQ(mWindow.GetResult(), LevelStatistics::kNormalCup);
    RunUntil(5.15f);
    EXPECT_FALSE(mWindow.IsScoreDone());
    RunUntil(5.25f);
    EXPECT_TRUE(mWindow.IsScoreDone());
    EXPECT_FALSE(mWindow.IsExtraPointsShown());
    EXPECT_FLOAT_EQ(mWindow.GetScore(), 15.0f);
    EXPECT_FALSE(mWindow.ClickOk()) << "once the score is complete OK leaves";
    EXPECT_EQ(mInfo.totalMoney, 15u);
}

TEST_F(LevelStatisticsTest, AFasterTimeReplacesTheBestAndItsHolderASlowerOneLeavesBoth)
{
    // Level 1's best time stands at 00:49 without a holder.
    Open(70.0f);
    EXPECT_EQ(mWindow.GetBestTime()[0], 0);
    EXPECT_EQ(mWindow.GetBestTime()[1], 49);
    EXPECT_TRUE(mWindow.GetBestName().empty());
    Open(30.9f);
    EXPECT_EQ(mWindow.GetBestTime()[1], 30);
    EXPECT_EQ(mWindow.GetBestName(), u"Anna");
    mInfo.playerName = u"Bob";
    Open(30.0f);
    EXPECT_EQ(mWindow.GetBestName(), u"Anna") << "an equal time keeps the holder";
}

TEST(LevelStatisticsCup, ThePassTypeAndTheCupCountTheirResultsDifferently)
{
    EXPECT_EQ(LevelStatistics::CupOf(kLevelPassedGold), LevelStatistics::kGoldCup);
    EXPECT_EQ(LevelStatistics::CupOf(kLevelPassedSilver), LevelStatistics::kSilverCup);
    EXPECT_EQ(LevelStatistics::CupOf(kLevelNotPassed), LevelStatistics::kNormalCup);
    EXPECT_EQ(LevelStatistics::kGoldCup, 1u);
    EXPECT_EQ(LevelStatistics::kSilverCup, 2u);
}

} // namespace
