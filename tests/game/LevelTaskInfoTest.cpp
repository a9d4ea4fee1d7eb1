#include "game/Game/LevelTaskInfo.h"

#include "game/Game/SaveLoadManager.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(LevelTaskInfo, MoneyNeverGoesBelowZero)
{
    LevelTaskInfo task;
    task.money = 300;
    EXPECT_FALSE(task.AddMoney(-301));
    EXPECT_EQ(task.money, 300);
    EXPECT_TRUE(task.AddMoney(-300));
    EXPECT_EQ(task.money, 0);
    EXPECT_TRUE(task.AddMoney(50));
    EXPECT_EQ(task.money, 50);
}

TEST(LevelTaskInfo, MoneyGoalCountsTheRunningTotalAndStaysMet)
{
    LevelTaskInfo task;
    task.AddGoal(LevelTaskInfo::kMoneyGoods, 500);
    task.AddMoney(300);
    EXPECT_EQ(task.goals[0].remaining, 200);
    EXPECT_EQ(task.allGoalsMet, 0);
    task.AddMoney(200);
    EXPECT_EQ(task.goals[0].remaining, 0);
    EXPECT_EQ(task.allGoalsMet, 1);
    task.AddMoney(-400);
    EXPECT_EQ(task.goals[0].remaining, 0);
}

TEST(LevelTaskInfo, GoalsSortMoneyFirstAndCountTogether)
{
    LevelTaskInfo task;
    task.AddGoal(110, 1);
    task.AddGoal(84, 2);
    task.AddGoal(LevelTaskInfo::kMoneyGoods, 100);
    task.AddGoal(84, 1);
    ASSERT_EQ(task.goals.size(), 4u);
    EXPECT_EQ(task.goals[0].goods, LevelTaskInfo::kMoneyGoods);
    EXPECT_EQ(task.goals[1].goods, 84);
    EXPECT_EQ(task.goals[2].goods, 84);
    EXPECT_EQ(task.goals[3].goods, 110);

    task.CountGoods(84, LevelTaskInfo::kCountOne);
    EXPECT_EQ(task.goals[1].remaining, 1);
    EXPECT_EQ(task.goals[2].remaining, 0);
    task.CountGoods(110, LevelTaskInfo::kCountOne);
    task.CountGoods(110, LevelTaskInfo::kCountOne); // already met: nothing
    EXPECT_EQ(task.goals[3].remaining, 0);
    EXPECT_EQ(task.allGoalsMet, 0); // money and one unit of 84 are still open
    task.CountGoods(84, LevelTaskInfo::kCountOne);
    EXPECT_EQ(task.allGoalsMet, 0);
    task.AddMoney(100);
    EXPECT_EQ(task.allGoalsMet, 1);
    task.CountGoods(99, LevelTaskInfo::kCountOne);
    EXPECT_EQ(task.allGoalsMet, 1);

    task.ClearGoals();
    EXPECT_TRUE(task.goals.empty());
}

TEST(LevelTaskInfo, TimeIsRatedByItsClockFaceWithinTheHour)
{
    LevelTaskInfo task;
    task.goldMinutes = 2;
    task.goldSeconds = 0;
    task.silverMinutes = 5;
    task.silverSeconds = 30;
    struct Case
    {
        float seconds;
        LevelPassType rating;
    };
    // A level of an hour or more is rated by its minutes within the hour: stored best times rely on it.
    for (const Case& c :
         {Case{0.0f, kLevelPassedGold}, Case{120.9f, kLevelPassedGold}, Case{121.0f, kLevelPassedSilver},
          Case{330.0f, kLevelPassedSilver}, Case{331.0f, kLevelNotPassed}, Case{61 * 60.0f, kLevelPassedGold},
          Case{63 * 60.0f + 10, kLevelPassedSilver},
          Case{std::numeric_limits<float>::quiet_NaN(), kLevelPassedGold}, Case{1.0e30f, kLevelNotPassed}})
    {
        task.levelTime = c.seconds;
        EXPECT_EQ(task.RateTime(), c.rating) << c.seconds;
    }
    task.levelTime = 61 * 60.0f + 5;
    EXPECT_EQ(task.ClockMinutes(), 1u);
    EXPECT_EQ(task.ClockSeconds(), 5u);
}

TEST(LevelTaskInfo, SaveRecordIsTenBytesAndLoadsBack)
{
    SaveLoadManager manager;
    LevelTaskInfo task;
    EXPECT_EQ(manager.Count(), 1u);
    task.money = 1234;
    task.reserved[0] = 3;
    task.reserved[1] = 4;
    task.levelTime = 75.5f;
    Korrin::BinaryWriter out;
    task.Save(out);
    const std::vector<std::uint8_t> expected = {0xD2, 0x04, 0, 0, 3, 4, 0x00, 0x00, 0x97, 0x42};
    EXPECT_EQ(out.Bytes(), expected);

    task.money = 0;
    task.levelTime = 0;
    Korrin::BinaryReader in(out.Bytes());
    task.Load(in);
    EXPECT_EQ(task.money, 1234);
    EXPECT_EQ(task.reserved[1], 4);
    EXPECT_EQ(task.levelTime, 75.5f);
}

TEST(LevelTaskInfo, HostileRecordValuesAreClamped)
{
    LevelTaskInfo task;
    Korrin::BinaryWriter out;
    out.WriteI32(-50);
    out.WriteU8(0);
    out.WriteU8(0);
    out.WriteF32(-std::numeric_limits<float>::infinity());
    Korrin::BinaryReader in(out.Bytes());
    task.Load(in);
    EXPECT_EQ(task.money, 0);
    EXPECT_EQ(task.levelTime, 0.0f);
}
