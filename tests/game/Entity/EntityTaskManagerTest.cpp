#include "game/Entity/EntityTaskManager.h"

#include "game/Entity/EntityGarden.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "tests/engine/LogCapture.h"

#include <gtest/gtest.h>

TEST(EntityTaskManager, GoodsIdsMapToTheirIconFrames)
{
    struct Case
    {
        std::uint8_t goods;
        std::uint16_t frame;
    };
    const Case cases[] = {{84, 5},   {112, 33}, {113, 0}, {114, 0}, {115, 34}, {117, 36}, {118, 0},
                          {119, 37}, {124, 42}, {125, 0}, {126, 2}, {128, 4},  {83, 0},   {129, 0}};
    for (const Case& test : cases)
    {
        EXPECT_EQ(EntityTaskManager::IconFrame(test.goods), test.frame) << int(test.goods);
    }
}

TEST(EntityTaskManager, ARowShowsOrdersFreePlacesToTheLimitThenLockedPlaces)
{
    TestSupport::LogCapture log;
    TableCost table;
    LevelTaskInfo task;
    task.money = 100;
    EntityTaskManager manager;
    EntityGarden garden;
    ASSERT_EQ(manager.GetQueues().size(), 1u) << "a garden bed's queue joins when it is built";
    manager.Register(&garden);
    EXPECT_EQ(manager.GetQueues().size(), 1u) << "not twice";
    garden.SetTaskLimit(3);
    garden.AddTask(84);
    garden.AddTask(126);
    EXPECT_EQ(EntityTaskManager::RowFrames(garden), (std::array<std::uint16_t, 5>{5, 2, 0, 1, 1}));
}

TEST(EntityTaskManager, TheCancelAreaTakesOneColumnMoreThanTheHighlight)
{
    const float x = 100.0f;
    const float y = 50.0f;
    struct Case
    {
        float px, py;
        std::size_t i;
        bool click, hover;
    };
    const Case cases[] = {
        {100.0f, 50.0f, 0, true, true},   {122.0f, 73.0f, 0, true, true},  {123.0f, 60.0f, 0, true, false},
        {123.0f, 60.0f, 1, true, true},   {169.0f, 60.0f, 2, true, false}, {124.0f, 60.0f, 0, false, false},
        {110.0f, 73.5f, 0, false, false}, {99.5f, 60.0f, 0, false, false},
    };
    for (const Case& test : cases)
    {
        EXPECT_EQ(EntityTaskManager::InClickArea({test.px, test.py}, x, y, test.i), test.click)
            << test.px << "," << test.py << " #" << test.i;
        EXPECT_EQ(EntityTaskManager::InHoverArea({test.px, test.py}, x, y, test.i), test.hover)
            << test.px << "," << test.py << " #" << test.i;
    }
}
