#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Game/Level.h"
#include "tests/engine/LogCapture.h"
#include "tests/game/Level/LevelFileBuilder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// Entities that write down their name, and their own draw count where it chooses what they draw, each
// time they draw.
template <typename Base>
class Recording : public Base
{
public:
    Recording(std::vector<std::string>& record, const char* name, bool withCount = true)
        : mRecord(record), mName(name), mWithCount(withCount)
    {
    }
    void Draw() override
    {
        mRecord.push_back(mName + (mWithCount ? std::to_string(this->GetDrawCount()) : ""));
    }

private:
    std::vector<std::string>& mRecord;
    std::string mName;
    bool mWithCount;
};

} // namespace

TEST(DrawPasses, GardensDrawTwiceTheStorehouseLastAndOthersOnce)
{
    TestSupport::LogCapture log;
    std::vector<std::string> record;
    EntityManager entities;
    entities.Register(new Recording<EntityStorehouse>(record, "store"));
    entities.Register(new Recording<EntityGarden>(record, "garden"));
    entities.Register(new Recording<EntityWaterWell>(record, "well", false));
    entities.Register(new Recording<EntityGarden>(record, "garden"));
    for (int frame = 0; frame < 2; ++frame)
    {
        record.clear();
        entities.ClearDrawCount();
        for (int pass = 0; pass < 3; ++pass)
        {
            record.push_back("pass" + std::to_string(pass));
            entities.Draw();
            entities.CountDraw();
        }
        EXPECT_EQ(record, (std::vector<std::string>{"pass0", "garden0", "garden0", "pass1", "garden1",
                                                    "garden1", "well", "pass2", "store0"}))
            << "frame " << frame;
    }
}

TEST(DrawPasses, TheLevelDrawsTheFieldTwiceAndTheEntitiesAndCharactersThreeTimes)
{
    TestSupport::LogCapture log;
    Level level;
    level.Build(TestSupport::LevelFileBuilder::Complete().Parsed());
    // The draw list, as the level's container keeps it.
    struct Probe : Level
    {
        static const Korrin::SafeVector<Blank*>& DrawList(const Level& level)
        {
            return static_cast<const Probe&>(level).mDrawList;
        }
    };
    const auto& list = Probe::DrawList(level);
    std::vector<std::string> order;
    for (Blank* member : list)
    {
        for (const char* name :
             {"Background", "EntityTaskManager", "GameField", "EntityManager", "PersManager", "ThiefBagList"})
        {
            if (level.Find(name) == member)
            {
                order.push_back(name);
            }
        }
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"Background", "GameField", "EntityManager", "GameField",
                                        "EntityManager", "PersManager", "EntityTaskManager", "PersManager",
                                        "EntityManager", "PersManager", "ThiefBagList"}));
}
