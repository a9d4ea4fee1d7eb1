// Where the goals window puts the board, the goods rows and the portraits, which portrait's hint the
// mouse asks for, and how it writes times.
#include "game/GUI/TaskLevelGui.h"

#include "game/GUI/ClockText.h"
#include "game/Game/LevelTaskInfo.h"

#include <gtest/gtest.h>

namespace
{

const Korrin::Vector2 kAnchor{272.5f, 114.5f};

TEST(TaskLevelGuiLayout, TheBoardAndTheFirstGoodsRowFollowWhetherTheFirstGoalIsMoney)
{
    const struct
    {
        const char* name;
        std::vector<std::uint8_t> goods;
        std::uint16_t board;
        int firstRow;
    } cases[] = {
        {"money only", {LevelTaskInfo::kMoneyGoods}, 0, 256},
        {"money and goods", {84, LevelTaskInfo::kMoneyGoods, 92}, 0, 256},
        {"goods only", {84, 85, 86}, 1, 266},
        {"no goals", {}, 1, 266},
    };
    for (const auto& c : cases)
    {
        LevelTaskInfo task;
        for (const std::uint8_t goods : c.goods)
        {
            task.AddGoal(goods, 10);
        }
        EXPECT_EQ(TaskLevelGui::BoardFrame(task), c.board) << c.name;
        EXPECT_EQ(TaskLevelGui::GoodsRowsTop(kAnchor.y, TaskLevelGui::FirstGoalIsMoney(task)), c.firstRow)
            << c.name << ": A.y + 147 -/+ 5, truncated";
    }
}

TEST(TaskLevelGuiLayout, TimesKeepTwoDigitsAndLongMinutesInFull)
{
    const struct
    {
        std::uint32_t minutes;
        std::uint32_t seconds;
        const char16_t* shown;
    } cases[] = {
        {3, 5, u"03:05"}, {12, 7, u"12:07"}, {0, 0, u"00:00"}, {105, 30, u"105:30"}, {9, 59, u"09:59"}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(ClockText(c.minutes, c.seconds), c.shown);
    }
}

TEST(TaskLevelGuiLayout, PortraitsAreCentredAndOnlyTheBandAskForAHint)
{
    constexpr std::uint32_t w = 40;
    constexpr std::uint32_t h = 40;
    EXPECT_EQ(TaskLevelGui::PortraitsLeft(kAnchor.x, 1, w), 490) << "trunc(A.x + 218)";
    EXPECT_EQ(TaskLevelGui::PortraitsLeft(kAnchor.x, 2, w), 465) << "trunc(A.x + 218 - 0.5 (w + 10))";
    EXPECT_EQ(TaskLevelGui::PortraitsLeft(kAnchor.x, 3, w), 440);

    // Two portraits from x 465 and 515; hovered from y trunc(A.y + 435) = 549, the band from A.y + 433.
    const struct
    {
        const char* name;
        Korrin::Vector2 mouse;
        int portrait;
    } cases[] = {
        {"first portrait", {470.0f, 560.0f}, 0},
        {"second portrait's left edge", {515.0f, 560.0f}, 1},
        {"first portrait's right edge", {505.0f, 549.0f}, 0},
        {"gap between the portraits", {510.0f, 560.0f}, -1},
        {"drawn from A.y + 432, hovered from A.y + 435", {470.0f, 548.0f}, -1},
        {"below the band's bottom A.y + 473", {470.0f, 588.0f}, -1},
        {"on the band's bottom edge (edges count)", {470.0f, 587.5f}, 0},
        {"left of the band (A.x + 103)", {375.0f, 560.0f}, -1},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(TaskLevelGui::HoveredPortrait(c.mouse, kAnchor, 2, w, h), c.portrait) << c.name;
    }
    EXPECT_EQ(TaskLevelGui::HoveredPortrait({470.0f, 560.0f}, kAnchor, 0, w, h), -1)
        << "a level without buyers";
}

} // namespace
