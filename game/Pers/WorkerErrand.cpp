#include "game/Pers/WorkerErrand.h"

#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/Random.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/LevelLookup.h"
#include "game/Pers/Pers.h"

namespace
{

constexpr float kDeliveredWorkRate = 1.0f;

} // namespace

EntityStorehouse* WorkerErrand::Storehouse()
{
    EntityManager* entities = LevelLookup::Entities();
    return entities != nullptr ? dynamic_cast<EntityStorehouse*>(entities->GetEntity(Entity::kStorehouse))
                               : nullptr;
}

bool WorkerErrand::StorehouseTarget(WalkTarget& out)
{
    EntityStorehouse* store = Storehouse();
    return store != nullptr && store->GetWalkTarget(&out, 0);
}

EntityBuilding* WorkerErrand::Building(Entity* home)
{
    return dynamic_cast<EntityBuilding*>(home);
}

bool WorkerErrand::StoreCarried(Pers& worker, EntityStorehouse& store)
{
    if (!store.GetCells().PutGoods(worker.GetCarriedGoods()))
    {
        worker.SetDream(kCannotGoOn);
        return false;
    }
    Korrin::PlaySoundOnce("adding_goods_to_storehouse");
    worker.SetCarriedGoods(0);
    worker.SetDream(Pers::kNoDream);
    return true;
}

void WorkerErrand::StartWork(EntityBuilding& building)
{
    if (building.GetRunsLeft() == EntityBuilding::kNoRun)
    {
        return;
    }
    building.SetRemainingWork(EntityBuilding::kFullWork);
    building.SetWorkRate(kDeliveredWorkRate);
    building.SetWorkProgress(0.0f);
    building.SetDoorRate(-EntityBuilding::kDoorRate);
}

bool WorkerErrand::NagDue(float& timer, float dt, float interval, std::int32_t dream)
{
    timer += dt;
    if (timer <= interval)
    {
        return false;
    }
    timer = 0.0f;
    return dream == kCannotGoOn || (dream >= kFirstMissingInput && dream <= kLastMissingInput);
}

int WorkerErrand::IdleNumber()
{
    return Korrin::Rand() % 3 + 1;
}
