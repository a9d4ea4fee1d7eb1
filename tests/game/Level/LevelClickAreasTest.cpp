// Every level of the sample series, built from its level file: a click anywhere on the field reaches the
// object drawn there, so no object's click rectangle may cover a clickable part of another (the
// storehouse's flag, a bed, a lot, the well, the shop, a thief's bush, a rope's table or link); and every
// worker, gardener and buyer can walk from his object to the storehouse (a rope still to buy counts as
// bought), once the beds have marked their cells (a bed drawn over a ladder cuts it).
#include "engine/Util/Rect.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/Game.h"
#include "game/Game/GameField.h"
#include "game/Game/GameInfo.h"
#include "game/Game/Level.h"
#include "game/Main.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// A run of levels, first to last: the series is checked in a few parts that a parallel run spreads.
struct LevelRange
{
    std::uint16_t first;
    std::uint16_t last;
};

class LevelClickAreasTest : public TestSupport::SampleMediaTest,
                            public testing::WithParamInterface<LevelRange>
{
protected:
    LevelClickAreasTest() { mGame.Init(); }

    struct Part
    {
        const Entity* owner;
        std::string name;
        Korrin::Rect rect;
    };

    static bool HasArea(const Korrin::Rect& rect) { return rect.right > rect.left && rect.bottom > rect.top; }
    static bool Overlap(const Korrin::Rect& a, const Korrin::Rect& b)
    {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    }

    static std::string Text(const Korrin::Rect& r)
    {
        return " (" + std::to_string(static_cast<int>(r.left)) + ", " +
               std::to_string(static_cast<int>(r.top)) + ", " + std::to_string(static_cast<int>(r.right)) +
               ", " + std::to_string(static_cast<int>(r.bottom)) + ")";
    }

    // The clickable parts of the level's objects: each one's rectangle, and the storehouse's flag.
    std::vector<Part> Parts() const
    {
        std::vector<Part> parts;
        for (const auto& [type, entity] : mGame.GetLevel()->GetEntityManager()->GetEntities())
        {
            if (!entity->IsSelectable())
            {
                continue;
            }
            const std::string name = "object " + std::to_string(type);
            if (HasArea(entity->GetRect()))
            {
                parts.push_back({entity, name, entity->GetRect()});
            }
            if (const auto* storehouse = dynamic_cast<const EntityStorehouse*>(entity))
            {
                parts.push_back({entity, "the storehouse's flag", storehouse->GetFlagRect()});
            }
            if (const auto* rope = dynamic_cast<const EntityRope*>(entity))
            {
                AddRopeParts(*rope, parts);
            }
        }
        return parts;
    }

    // A rope's tables (where one is still to buy) and its links, each link column from its top cell to
    // its bottom one: a bought link answers a click for its upgrade.
    void AddRopeParts(const EntityRope& rope, std::vector<Part>& parts) const
    {
        for (const EntityRope::RopeTablePoint& table : rope.GetPoints())
        {
            parts.push_back(
                {&rope,
                 "the rope's table",
                 {table.x, table.y, table.x + EntityRope::kTableWidth, table.y + EntityRope::kTableHeight}});
        }
        const GameField* field = mGame.GetLevel()->GetGameField();
        for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
        {
            for (std::int32_t j = 0; j < FieldGeometry::kRows; ++j)
            {
                if (field->GetObjectCode(i, j) != EntityRope::kLinkCode)
                {
                    continue;
                }
                const std::int32_t top = j;
                while (j + 1 < FieldGeometry::kRows &&
                       field->GetObjectCode(i, j + 1) == EntityRope::kLinkCode)
                {
                    ++j;
                }
                parts.push_back(
                    {&rope,
                     "the link in column " + std::to_string(i),
                     {FieldGeometry::CellX(i), FieldGeometry::CellY(top),
                      FieldGeometry::CellX(i) + FieldGeometry::kCellWidth, FieldGeometry::CellY(j + 1)}});
            }
        }
    }

    // The objects whose characters walk to the storehouse: each building's door, each bed's gardener, the
    // well and the shop's counter.
    static bool WalksToTheStorehouse(const Entity& entity)
    {
        const std::uint8_t type = entity.GetType();
        return dynamic_cast<const EntityBuilding*>(&entity) != nullptr || type == Entity::kGarden ||
               type == Entity::kWaterWell || type == Entity::kShop;
    }

    Main mMain;
    Game mGame;
};

} // namespace

TEST_P(LevelClickAreasTest, NoObjectsClickRectangleCoversAPartOfAnother)
{
    // A replay of every level: no tutorial runs.
    mMain.GetGameInfo()->highestLevel = 67;
    for (std::uint16_t level = GetParam().first; level <= GetParam().last; ++level)
    {
        SCOPED_TRACE("level " + std::to_string(level));
        ASSERT_TRUE(mGame.StartLevel(level));
        const std::vector<Part> parts = Parts();
        for (std::size_t a = 0; a < parts.size(); ++a)
        {
            for (std::size_t b = a + 1; b < parts.size(); ++b)
            {
                if (parts[a].owner != parts[b].owner)
                {
                    EXPECT_FALSE(Overlap(parts[a].rect, parts[b].rect))
                        << parts[a].name << Text(parts[a].rect) << " and " << parts[b].name
                        << Text(parts[b].rect) << " overlap";
                }
            }
        }
    }
}

TEST_P(LevelClickAreasTest, EveryObjectsCharacterCanWalkToTheStorehouse)
{
    mMain.GetGameInfo()->highestLevel = 67;
    for (std::uint16_t level = GetParam().first; level <= GetParam().last; ++level)
    {
        SCOPED_TRACE("level " + std::to_string(level));
        ASSERT_TRUE(mGame.StartLevel(level));
        Level* running = mGame.GetLevel();
        GameField* field = running->GetGameField();
        ASSERT_NE(field, nullptr);
        WalkTarget store;
        bool hasStore = false;
        for (const auto& [type, entity] : running->GetEntityManager()->GetEntities())
        {
            if (type == Entity::kStorehouse)
            {
                hasStore = entity->GetWalkTarget(&store, 0);
            }
        }
        ASSERT_TRUE(hasStore);
        for (const auto& [type, entity] : running->GetEntityManager()->GetEntities())
        {
            WalkTarget from;
            if (!WalksToTheStorehouse(*entity) || !entity->GetWalkTarget(&from, 0))
            {
                continue;
            }
            std::vector<IJ> path;
            EXPECT_TRUE((from.I == store.I && from.J == store.J) ||
                        field->FindPathIgnoringRopes({from.I, from.J}, {store.I, store.J}, path))
                << "object " << static_cast<int>(type) << " at cell " << from.I << "," << from.J
                << " has no way to the storehouse at " << store.I << "," << store.J;
        }
        for (std::int32_t i = 0; i < FieldGeometry::kColumns; ++i)
        {
            for (std::int32_t j = 1; j < FieldGeometry::kRows; ++j)
            {
                const bool linkEnds = field->GetObjectCode(i, j - 1) == EntityRope::kLinkCode &&
                                      field->GetObjectCode(i, j) != EntityRope::kLinkCode;
                EXPECT_FALSE(linkEnds && field->GetWalkKind(i, j - 1) != GameField::kFloor)
                    << "the rope's link in column " << i << " ends above the floor, at row " << j - 1;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Series, LevelClickAreasTest,
    testing::Values(LevelRange{1, 17}, LevelRange{18, 34}, LevelRange{35, 51}, LevelRange{52, 67}),
    [](const testing::TestParamInfo<LevelRange>& range)
    { return "Levels" + std::to_string(range.param.first) + "To" + std::to_string(range.param.last); });
