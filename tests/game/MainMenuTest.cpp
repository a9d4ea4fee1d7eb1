#include "game/MainMenu.h"

#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/MenuMill.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(MainMenuTest, TheEyesBlinkForThreeFramesEveryFourPointThreeSeconds)
{
    const struct
    {
        float clock;
        std::uint16_t frame;
    } cases[] = {
        // Tenths of a second (read mid-tenth, away from rounding): 40, 41, 42 blink, 43 is 0 again.
        {0.0f, 0},
        {3.95f, 0},
        {4.05f, 1},
        {4.15f, 2},
        {4.25f, 1},
        {4.35f, 0},
        {8.35f, 1},
        // The count keeps only its low 8 bits: 255 is 40 (a blink), 256 counts as 0 again.
        {25.55f, 1},
        {25.65f, 0},
    };
    for (const auto& each : cases)
    {
        EXPECT_EQ(MainMenu::EyeFrameAt(each.clock), each.frame) << each.clock;
    }
}

TEST(MainMenuTest, DraggingUpOverTheRightHalfSpeedsTheSailsAndThePullBringsThemBack)
{
    MenuMill mill;
    const Korrin::Vector2 centre{640.0f, 300.0f};
    mill.Drag({700.0f, 340.0f}, {700.0f, 300.0f}, centre, 0.1f);
    EXPECT_FLOAT_EQ(mill.speed, 0.4f + 4.0f);
    mill.Drag({560.0f, 340.0f}, {560.0f, 300.0f}, centre, 0.1f);
    EXPECT_FLOAT_EQ(mill.speed, 0.4f) << "the same move on the left half slows them";
    mill.speed = 3.0f;
    for (int frame = 0; frame < 900; ++frame)
    {
        mill.Turn(1.0f / 60.0f);
    }
    EXPECT_NEAR(mill.speed, 0.4f, 1e-3f);
}

TEST(MainMenuTest, AViolentDragLeavesTheSailsFiniteAndTheAngleWithinATurn)
{
    MenuMill mill;
    const Korrin::Vector2 centre{640.0f, 300.0f};
    for (int frame = 0; frame < 200; ++frame)
    {
        // Up and down the whole sails in one frame each, faster and faster.
        const float reach = 100.0f * static_cast<float>(frame);
        mill.Drag({740.0f, 300.0f + reach}, {740.0f, 300.0f - reach}, centre, 1.0f / 60.0f);
        mill.Turn(1.0f / 60.0f);
        ASSERT_TRUE(std::isfinite(mill.speed)) << frame;
        ASSERT_TRUE(std::isfinite(mill.angle)) << frame;
        EXPECT_LE(std::fabs(mill.angle), MenuMill::kFullTurn);
        EXPECT_LE(std::fabs(mill.speed - mill.restSpeed), MenuMill::kMostSpeedOffset);
    }
}

TEST(MainMenuTest, AGustInTheBranchSquareCountsItsEdgesAndStopsAtFiveTimesTheBaseSpeed)
{
    const float base = 0.05f;
    const struct
    {
        Korrin::Vector2 from;
        Korrin::Vector2 to;
        float target;
    } cases[] = {
        {{900, 560}, {900, 600}, 5 * base},    // on the left edge: |0 - 40 / 3| -> 13 steps of 0.1, capped
        {{950, 600}, {950, 620}, 5 * base},    // onto the bottom edge
        {{950, 570}, {954, 570}, base + 0.1f}, // |4 x 0.25| -> 1
        {{950, 570}, {952, 570}, base},        // less than a whole step
        {{899, 570}, {950, 570}, base},        // from outside
        {{950, 570}, {950, 621}, base},        // to outside
    };
    for (const auto& each : cases)
    {
        EXPECT_FLOAT_EQ(MainMenu::GustTarget(base, base, each.from, each.to), each.target)
            << each.from.x << "," << each.from.y << " -> " << each.to.x << "," << each.to.y;
    }
}

TEST(MainMenuTest, RewardItemsTakeTheirOwnDefaultsSkipEntriesWithoutAKeyAndKeepTheFirstOfAKey)
{
    Korrin::LuaScript script;
    ASSERT_EQ(
        luaL_dostring(script.GetState(),
                      "items = {"
                      "  { Key = 4, NFrame = 7, Pos = {10, 20}, TimeEffect = 3, HitRect = {1, 2, 3, 4} },"
                      "  { NFrame = 2, Pos = {5, 5} },"             // no key: skipped
                      "  { Key = 5 },"                              // defaults, not item 4's
                      "  { Key = 4, NFrame = 9 },"                  // a second 4: dropped
                      "  { Key = 6, HitRect = {1, 2, 'wide', 4} }," // a broken rectangle
                      "  'not a table',"
                      "}"),
        0);
    Korrin::LuaStackGuard guard(script.GetState());
    MainMenu menu;
    menu.ReadRewardItems(script.GetGlobal("items"));
    const std::map<std::int32_t, RewardItem>& items = menu.GetRewardItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items.at(4).frame, 7u);
    EXPECT_FLOAT_EQ(items.at(4).appearTime, 3.0f);
    const RewardItem& fresh = items.at(5);
    EXPECT_EQ(fresh.frame, 0u);
    EXPECT_FLOAT_EQ(fresh.x, 0.0f);
    EXPECT_FLOAT_EQ(fresh.y, 0.0f);
    EXPECT_FLOAT_EQ(fresh.appearTime, RewardItem::kDefaultAppearTime);
    EXPECT_FLOAT_EQ(fresh.hitRect.right, 0.0f);
    EXPECT_FLOAT_EQ(items.at(6).hitRect.right, 0.0f) << "a rectangle that is not four numbers is not taken";
}
