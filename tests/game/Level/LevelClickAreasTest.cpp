// Every level of the sample series, built from its level file: a click anywhere on the field reaches the
// object drawn there, so no object's click rectangle may cover a clickable part of another (the
// storehouse's flag, a bed, a lot, the well, the shop, a thief's bush).
#include "engine/Util/Rect.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/Level.h"
#include "game/Main.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

class LevelClickAreasTest : public TestSupport::SampleMediaTest
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
        }
        return parts;
    }

    Main mMain;
    Game mGame;
};

} // namespace

TEST_F(LevelClickAreasTest, NoObjectsClickRectangleCoversAPartOfAnother)
{
    // A replay of every level: no tutorial runs.
    mMain.GetGameInfo()->highestLevel = 67;
    for (std::uint16_t level = 1; level <= 67; ++level)
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
