#include "game/Game/LevelTaskInfo.h"

#include "game/Game/SaveLoadManager.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <span>
#include <utility>
#include <vector>

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

TEST(LevelTaskInfo, SaveRecordHoldsMoneyTimeAndEachGoalsRemainingCount)
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
    const std::vector<std::uint8_t> expected = {0xD2, 0x04, 0, 0, 3, 4, 0x00, 0x00, 0x97, 0x42, 0, 0, 0, 0};
    EXPECT_EQ(out.Bytes(), expected);

    task.money = 0;
    task.levelTime = 0;
    Korrin::BinaryReader in(out.Bytes());
    task.Load(in);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(task.money, 1234);
    EXPECT_EQ(task.reserved[1], 4);
    EXPECT_EQ(task.levelTime, 75.5f);
}

namespace
{

// A level's goals as the level file gives them, before anything was sold.
void AddLevelGoals(LevelTaskInfo& task)
{
    task.ClearGoals();
    task.AddGoal(LevelTaskInfo::kMoneyGoods, 500);
    task.AddGoal(84, 3);
    task.AddGoal(110, 2);
}

} // namespace

// A continued level once asked for every unit again: the level file gives the goals afresh, and only
// the record knows how far they had come.
TEST(LevelTaskInfo, AContinuedLevelAsksOnlyForWhatWasStillMissing)
{
    LevelTaskInfo played;
    AddLevelGoals(played);
    played.AddMoney(200);
    played.CountGoods(84, LevelTaskInfo::kCountOne);
    played.CountGoods(110, LevelTaskInfo::kCountOne);
    played.CountGoods(110, LevelTaskInfo::kCountOne);
    Korrin::BinaryWriter out;
    played.Save(out);

    LevelTaskInfo continued;
    AddLevelGoals(continued);
    Korrin::BinaryReader in(out.Bytes());
    continued.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(continued.goals[0].remaining, 300);
    EXPECT_EQ(continued.goals[1].remaining, 2);
    EXPECT_EQ(continued.goals[2].remaining, 0);
    EXPECT_EQ(continued.allGoalsMet, 0);
    Korrin::BinaryWriter again;
    continued.Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());

    // The last two units end the level as they would have before the save.
    continued.CountGoods(84, LevelTaskInfo::kCountOne);
    continued.CountGoods(84, LevelTaskInfo::kCountOne);
    EXPECT_EQ(continued.allGoalsMet, 0);
    continued.AddMoney(300);
    EXPECT_EQ(continued.allGoalsMet, 1);
}

// A level without goals (a free play or a test field) is not won by loading its save.
TEST(LevelTaskInfo, ALevelWithoutGoalsIsNotWonByLoading)
{
    LevelTaskInfo played;
    played.AddMoney(50);
    Korrin::BinaryWriter out;
    played.Save(out);

    LevelTaskInfo continued;
    Korrin::BinaryReader in(out.Bytes());
    continued.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(continued.money, 50);
    EXPECT_EQ(continued.allGoalsMet, 0);
}

// The money goal follows the money the record holds, not a count written beside it; a record whose
// goals are all met says so at once.
TEST(LevelTaskInfo, TheMoneyGoalIsRecountedFromTheLoadedMoney)
{
    LevelTaskInfo task;
    AddLevelGoals(task);
    Korrin::BinaryWriter out;
    out.WriteI32(450);
    out.WriteU8(0);
    out.WriteU8(0);
    out.WriteF32(10.0f);
    out.WriteU32(3);
    for (const auto& [goods, left] :
         {std::pair<std::uint8_t, std::int32_t>{LevelTaskInfo::kMoneyGoods, 500}, {84, 0}, {110, 0}})
    {
        out.WriteU8(goods);
        out.WriteI32(left);
    }
    Korrin::BinaryReader in(out.Bytes());
    task.Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(task.goals[0].remaining, 50);
    EXPECT_EQ(task.allGoalsMet, 0);

    std::vector<std::uint8_t> allMet = out.Bytes();
    allMet[0] = 0xF4; // 500 money
    allMet[1] = 0x01;
    LevelTaskInfo met;
    AddLevelGoals(met);
    Korrin::BinaryReader metIn(allMet);
    met.Load(metIn);
    ASSERT_TRUE(metIn.Ok());
    EXPECT_EQ(met.goals[0].remaining, 0);
    EXPECT_EQ(met.allGoalsMet, 1);
}

TEST(LevelTaskInfo, GoalCountsThatDoNotFitTheLevelAreRefused)
{
    LevelTaskInfo played;
    AddLevelGoals(played);
    played.money = 77;
    Korrin::BinaryWriter out;
    played.Save(out);
    const std::vector<std::uint8_t> saved = out.Bytes();
    // Goal k's goods byte is at 14 + 5k, its count right after it.
    constexpr std::size_t kCount = 10;
    constexpr std::size_t kSecond = 19;
    struct Case
    {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"one goal fewer than the level's", kCount, {2, 0, 0, 0}},
        {"one goal more than the level's", kCount, {4, 0, 0, 0}},
        {"a huge goal count", kCount, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"another goods than the level's goal", kSecond, {85}},
        {"a negative count", kSecond + 1, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"more than the goal asks for", kSecond + 1, {4, 0, 0, 0}},
    };
    for (const Case& c : cases)
    {
        std::vector<std::uint8_t> bytes = saved;
        std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(c.offset));
        LevelTaskInfo task;
        AddLevelGoals(task);
        task.CountGoods(84, LevelTaskInfo::kCountOne);
        Korrin::BinaryReader in(bytes);
        task.Load(in);
        EXPECT_FALSE(in.Ok()) << c.what;
        EXPECT_EQ(task.money, 0) << c.what;
        EXPECT_EQ(task.goals[1].remaining, 2) << c.what;
    }
    // (Cut right after the clock it reads as an earlier version's record: see below.)
    for (std::size_t size = 11; size < saved.size(); ++size)
    {
        LevelTaskInfo task;
        AddLevelGoals(task);
        Korrin::BinaryReader in(std::span<const std::uint8_t>(saved.data(), size));
        task.Load(in);
        EXPECT_FALSE(in.Ok()) << "cut at " << size;
        EXPECT_EQ(task.money, 0) << "cut at " << size;
    }
}

// A save of an earlier version, whose record ends after the clock, still continues: the goals as the
// level file gives them, the money goal recounted from the money.
TEST(LevelTaskInfo, AnEarlierVersionsSaveContinuesWithTheLevelsGoals)
{
    SaveLoadManager manager;
    LevelTaskInfo task;
    AddLevelGoals(task);
    Korrin::BinaryWriter out;
    out.WriteI32(450);
    out.WriteU8(3);
    out.WriteU8(4);
    out.WriteF32(75.5f);
    out.WriteU32(10); // the record's length, as the save file holds it
    Korrin::BinaryReader in(out.Bytes());
    ASSERT_TRUE(manager.LoadAll(in));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(task.money, 450);
    EXPECT_EQ(task.levelTime, 75.5f);
    EXPECT_EQ(task.goals[0].remaining, 50);
    EXPECT_EQ(task.goals[1].remaining, 3);
    EXPECT_EQ(task.goals[2].remaining, 2);
    EXPECT_EQ(task.allGoalsMet, 0);
}

TEST(LevelTaskInfo, HostileRecordValuesAreClamped)
{
    LevelTaskInfo task;
    Korrin::BinaryWriter out;
    out.WriteI32(-50);
    out.WriteU8(0);
    out.WriteU8(0);
    out.WriteF32(-std::numeric_limits<float>::infinity());
    out.WriteU32(0);
    Korrin::BinaryReader in(out.Bytes());
    task.Load(in);
    EXPECT_EQ(task.money, 0);
    EXPECT_EQ(task.levelTime, 0.0f);
}
