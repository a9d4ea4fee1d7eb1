#include "engine/File/FileSysManager.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Entity/BuyersArrow.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Game/Level.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersRunBuyer.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{

// Level `number` of the sample data with its characters initialised; the first buyer let in at the
// entrance and sent to the shop's queue, a third of a second of play.
void Play(Level& level, std::uint16_t number)
{
    ASSERT_TRUE(level.Load(number)) << number;
    level.GetPersManager()->Init();
    level.ResetLevel();
    EntityManager& entities = *level.GetEntityManager();
    PersRunBuyer* buyer = level.GetPersManager()->GetBuyers().begin()->second;
    WalkTarget entrance;
    entities.GetEntity(Entity::kBuyersEntry)->GetWalkTarget(&entrance, 1);
    buyer->SetIJ(entrance.I, entrance.J);
    buyer->SetActive(true);
    const IJ tail = level.GetPersManager()->GetQueuePlace(PersManager::kTailPlace);
    const WalkTarget shop{tail.I, tail.J, entities.GetEntity(Entity::kShop)};
    EXPECT_TRUE(buyer->GoTo(shop, 0)) << number << ": " << entrance.I << "," << entrance.J;
    for (int frame = 0; frame < 20; ++frame)
    {
        level.GetPersManager()->Update(1.0f / 60.0f);
    }
}

} // namespace

TEST(PersSave, TheCharactersOfASampleLevelReadBackToTheSameBytes)
{
    TestSupport::LogCapture log;
    TestSupport::ReportRecorder::Clear();
    Korrin::FileSysManager files(std::filesystem::path(WF_GAME_BINARY).parent_path().string());
    files.AddDirectory("media");
    TableCost table;
    Korrin::SkeletonManager skeletons;
    PersAnimationManager animations;
    for (std::uint16_t number = 1; number <= 3; ++number)
    {
        Korrin::BinaryWriter saved;
        {
            Level played;
            Play(played, number);
            ASSERT_FALSE(played.GetPersManager()->GetBuyers().begin()->second->GetPath().empty())
                << "the buyer is on its way";
            SaveLoadManager::GetInstance()->SaveAll(saved);
        }
        Level restarted;
        ASSERT_TRUE(restarted.Load(number));
        restarted.GetPersManager()->Init();
        restarted.ResetLevel();
        Korrin::BinaryReader in(saved.Bytes());
        ASSERT_TRUE(SaveLoadManager::GetInstance()->LoadAll(in)) << number;
        EXPECT_TRUE(in.AtEnd()) << number;
        const PersRunBuyer& buyer = *restarted.GetPersManager()->GetBuyers().begin()->second;
        EXPECT_TRUE(buyer.IsActive()) << number;
        EXPECT_EQ(buyer.GetAnimationName(), "run") << number;
        Korrin::BinaryWriter again;
        SaveLoadManager::GetInstance()->SaveAll(again);
        EXPECT_EQ(again.Bytes(), saved.Bytes()) << number;
    }
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}
