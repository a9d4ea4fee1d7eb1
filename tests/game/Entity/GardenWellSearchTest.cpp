#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "tests/engine/LogCapture.h"
#include "tests/game/Level/LevelFileBuilder.h"

#include <gtest/gtest.h>
#include <vector>

using TestSupport::LevelFileBuilder;

namespace
{

// A level with a garden on row 10 (beds at columns 2 and 3) and wells where each case puts them; the
// floor of row 10 joins them, row 5 is a ledge no path reaches.
class GardenWellSearchTest : public testing::Test
{
protected:
    void Build(const std::vector<std::pair<int, int>>& wells)
    {
        LevelFileBuilder level = LevelFileBuilder::Complete();
        level.Floor(10);
        level.Floor(5, 12, 15);
        level.Object(2, 10, 5);
        level.Object(3, 10, 5);
        for (const auto& [i, j] : wells)
        {
            level.Object(i, j, 14);
        }
        mLevel.Build(level.Parsed());
        LevelTaskInfo::Peek()->money = 1000;
        // The wells start without orders here; each case orders where it needs.
        for (const auto& [i, j] : wells)
        {
            while (WellAt(i, j)->GetTaskCount() > 0)
            {
                WellAt(i, j)->RemoveTask(0, false);
            }
        }
    }

    EntityGarden& Garden() { return dynamic_cast<EntityGarden&>(*mLevel.GetEntityManager()->GetEntity(5)); }

    // The well standing on the cell; null when there is none.
    EntityWaterWell* WellAt(int i, int j)
    {
        const auto [first, last] = mLevel.GetEntityManager()->GetEntities().equal_range(Entity::kWaterWell);
        for (auto it = first; it != last; ++it)
        {
            if (it->second->GetWalkI() == i && it->second->GetWalkJ() == j)
            {
                return dynamic_cast<EntityWaterWell*>(it->second);
            }
        }
        return nullptr;
    }

    void Order(int i, int j)
    {
        ASSERT_NE(WellAt(i, j), nullptr);
        ASSERT_TRUE(WellAt(i, j)->AddTask(EntityWaterWell::kSmallPail));
    }

    TestSupport::LogCapture mLog;
    TableCost mTable;
    Level mLevel;
};

} // namespace

TEST_F(GardenWellSearchTest, TheNearestWellWithAnOrderIsChosenByPathLength)
{
    Build({{6, 10}, {12, 10}, {14, 10}});
    Order(12, 10);
    Order(14, 10);
    WalkTarget target;
    ASSERT_TRUE(Garden().FindNearestWaterWell(3, 10, target));
    EXPECT_EQ(target.entity, WellAt(12, 10)) << "the well at 6 has no order";
    EXPECT_EQ(target.I, 12);
    Order(6, 10);
    ASSERT_TRUE(Garden().FindNearestWaterWell(3, 10, target));
    EXPECT_EQ(target.entity, WellAt(6, 10));
}

TEST_F(GardenWellSearchTest, AWellNoPathReachesIsChosenOnlyWithoutAReachableOne)
{
    Build({{14, 5}, {8, 10}});
    Order(14, 5);
    WalkTarget target;
    ASSERT_TRUE(Garden().FindNearestWaterWell(3, 10, target)) << "a well with an order was found";
    EXPECT_EQ(target.entity, nullptr) << "but no path reaches it";
    EXPECT_EQ(target.I, 14);
    EXPECT_EQ(target.J, 5);
    Order(8, 10);
    ASSERT_TRUE(Garden().FindNearestWaterWell(3, 10, target));
    EXPECT_EQ(target.entity, WellAt(8, 10));
}

TEST_F(GardenWellSearchTest, WithoutAnOrderNoWellIsFoundAndTheTargetStaysOnTheBed)
{
    Build({{8, 10}});
    WalkTarget target;
    EXPECT_FALSE(Garden().FindNearestWaterWell(3, 10, target));
    EXPECT_EQ(target.I, 3);
    EXPECT_EQ(target.J, 10);
    EXPECT_EQ(target.entity, nullptr);
}
