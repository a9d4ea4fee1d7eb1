// The garden's decisions for its gardener: where it walks next and why it waits.
#include "engine/Log/LogManager.h"
#include "game/Entity/BedGardener.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/LevelLookup.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"

#include <vector>

namespace
{
// Longer paths than this never reach a well.
constexpr std::int32_t kWellSearchLimit = 500;

void Log(const char* text)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", text);
    }
}

// The gardener takes new work while it shows no bubble or only waits for water.
bool IsFree(const EntityWorker* gardener)
{
    const std::int32_t dream = gardener != nullptr ? gardener->GetFrameIndexDream() : EntityWorker::kNoDream;
    return dream == EntityWorker::kNoDream || dream == BedGardener::kDreamNoWater;
}

bool WaitsForWater(const Plant& bed)
{
    return bed.HasCrop() && bed.GetFruitCount() == 0;
}

} // namespace

bool EntityGarden::FindNearestWaterWell(std::int32_t i, std::int32_t j, WalkTarget& out)
{
    out = {i, j, nullptr};
    EntityManager* entities = LevelLookup::Entities();
    GameField* field = LevelLookup::Field();
    if (entities == nullptr || field == nullptr)
    {
        return false;
    }
    bool found = false;
    std::int32_t best = kWellSearchLimit;
    std::vector<IJ> path;
    const auto [first, last] = entities->GetEntities().equal_range(kWaterWell);
    for (auto it = first; it != last; ++it)
    {
        Entity* well = it->second;
        if (well->GetTaskCount() == 0)
        {
            continue;
        }
        found = true;
        field->FindPath({i, j}, {well->GetWalkI(), well->GetWalkJ()}, path);
        const auto steps = static_cast<std::int32_t>(path.size());
        if (path.empty())
        {
            if (best == kWellSearchLimit)
            {
                out = {well->GetWalkI(), well->GetWalkJ(), nullptr};
            }
        }
        else if (steps < best)
        {
            out = {well->GetWalkI(), well->GetWalkJ(), well};
            best = steps;
        }
    }
    return found;
}

WalkTarget EntityGarden::IdlePlace() const
{
    const bool right = mSide == 0 || (mSide != 1 && mWalkI < FieldGeometry::kColumns / 2);
    return {right ? mWalkI + 1 : mWalkI - 2, mWalkJ, const_cast<EntityGarden*>(this)};
}

WalkTarget EntityGarden::BedTarget(std::size_t index) const
{
    return {mBeds[index]->GetWalkI(), mBeds[index]->GetWalkJ(), const_cast<EntityGarden*>(this)};
}

std::size_t EntityGarden::FindBed(bool (*test)(const Plant&)) const
{
    for (std::size_t b = 0; b < kBeds; ++b)
    {
        if (test(*mBeds[b]))
        {
            return b;
        }
    }
    return kBeds;
}

bool EntityGarden::GetWalkTarget(WalkTarget* out, std::uint8_t kind)
{
    WalkTarget target = IdlePlace();
    bool available = false;
    switch (kind)
    {
    case kIdleTarget:
        available = true;
        break;
    case kSowTarget:
        available = BedTargetIf(
            IsFree(mWorker), [](const Plant& p) { return !p.HasCrop(); }, target);
        break;
    case kWaterTarget:
        if (!IsFree(mWorker))
        {
            return false;
        }
        available = BedTargetIf(true, WaitsForWater, target);
        if (!available && mWorker != nullptr)
        {
            // Nobody waits for the pail any more: it is poured away and the gardener goes back.
            mWorker->SetCarriedGoods(0);
        }
        break;
    case kHarvestTarget:
        if (!IsFree(mWorker))
        {
            return false;
        }
        mCurrentBed = static_cast<std::uint32_t>(
            FindBed([](const Plant& p) { return p.HasCrop() && p.GetFruitCount() > 0 && p.IsRipe(); }));
        available = mCurrentBed < kBeds;
        if (available)
        {
            target = BedTarget(mCurrentBed);
        }
        break;
    case kStorehouseTarget:
        return StorehouseTarget(out);
    case kFirstCropTarget:
        available = true;
        BedTargetIf(
            true, [](const Plant& p) { return p.HasCrop(); }, target);
        break;
    default:
        return false;
    }
    // The water target names the idle place even when no bed waits.
    if (out != nullptr && (available || kind == kWaterTarget))
    {
        *out = target;
    }
    return available;
}

bool EntityGarden::BedTargetIf(bool allowed, bool (*test)(const Plant&), WalkTarget& target) const
{
    const std::size_t bed = allowed ? FindBed(test) : kBeds;
    if (bed >= kBeds)
    {
        return false;
    }
    target = BedTarget(bed);
    return true;
}

bool EntityGarden::StorehouseTarget(WalkTarget* out)
{
    const std::uint8_t carried = mWorker != nullptr ? mWorker->GetCarriedGoods() : 0;
    if (carried == 0 || BedGardener::IsWater(carried))
    {
        return false;
    }
    Log("0 param==4");
    Log("param==4");
    EntityManager* entities = LevelLookup::Entities();
    auto* storehouse =
        entities != nullptr ? dynamic_cast<EntityStorehouse*>(entities->GetEntity(kStorehouse)) : nullptr;
    if (storehouse == nullptr)
    {
        return false;
    }
    if (storehouse->GetCells().IsFull())
    {
        mWorker->SetDream(BedGardener::kDreamStorehouseFull);
        return false;
    }
    mWorker->SetDream(BedGardener::kDreamToStorehouse);
    Log("DFDSDSD");
    return storehouse->GetWalkTarget(out, 0);
}

void EntityGarden::UpdateTask(float dt)
{
    mDecisionTimer += dt;
    if (mDecisionTimer <= kDecisionInterval)
    {
        return;
    }
    mDecisionTimer = 0.0f;
    if (!IsGardenerHired() || mWorker->IsBusy())
    {
        return;
    }
    EntityWorker& gardener = *mWorker;
    WalkTarget target;
    if (gardener.IsFirstVisitPending() && GetWalkTarget(&target, kIdleTarget))
    {
        Log("EntityGarden::UpdateTask Нечего  GetFirstBuy");
        Send(target, 0, dt);
        return;
    }
    if (GetWalkTarget(&target, kStorehouseTarget))
    {
        Log("EntityGarden::UpdateTask относим на склад ");
        if (!Send(target, 0, dt))
        {
            Log("EntityGarden::UpdateTask относим на склад1");
        }
        return;
    }
    if (GetWalkTarget(&target, kHarvestTarget))
    {
        Log("EntityGarden::UpdateTask собираем урожай");
        if (gardener.GoTo(target, 0))
        {
            gardener.SetDream(EntityWorker::kNoDream);
            gardener.SetBusy(true);
            return;
        }
    }
    if (!mTasks.empty() && GetWalkTarget(&target, kSowTarget) && gardener.GoTo(target, 1))
    {
        gardener.SetBusy(true);
        Log("EntityGarden::UpdateTask САЖАЕМ");
        return;
    }
    if (SendForWater(dt))
    {
        return;
    }
    GetWalkTarget(&target, kIdleTarget);
    Log("EntityGarden::UpdateTask Нечего не далаем");
    gardener.GoTo(target, 0);
    gardener.SetBusy(false);
    gardener.PlayIdle(dt);
}

bool EntityGarden::Send(const WalkTarget& target, std::uint8_t sowing, float dt)
{
    EntityWorker& gardener = *mWorker;
    if (gardener.GoTo(target, sowing))
    {
        gardener.SetDream(EntityWorker::kNoDream);
        gardener.SetBusy(true);
        return true;
    }
    gardener.SetDream(BedGardener::kDreamNoWay);
    gardener.PlayIdle(dt);
    return false;
}

bool EntityGarden::SendForWater(float dt)
{
    EntityWorker& gardener = *mWorker;
    const std::int32_t dream = gardener.GetFrameIndexDream();
    if (dream != EntityWorker::kNoDream && dream != BedGardener::kDreamNoWater &&
        dream != BedGardener::kDreamNoWay)
    {
        return false;
    }
    for (const std::unique_ptr<Plant>& bed : mBeds)
    {
        if (!bed->HasCrop() || bed->GetSownMark() == 0 || bed->GetFruitCount() != 0)
        {
            gardener.SetDream(EntityWorker::kNoDream);
            continue;
        }
        WalkTarget target;
        if (!FindNearestWaterWell(bed->GetWalkI(), bed->GetWalkJ(), target))
        {
            gardener.SetDream(BedGardener::kDreamNoWater);
            Log("EntityGarden::UpdateTask думаем о колодце");
            gardener.PlayIdle(dt);
            return true;
        }
        if (target.entity == nullptr)
        {
            gardener.SetDream(BedGardener::kDreamNoWay);
            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
            {
                log->Write("EntityGarden::UpdateTask думаем о веревке %i,%i", target.I, target.J);
            }
            gardener.GoTo(target, 0);
            gardener.PlayIdle(dt);
            return true;
        }
        gardener.SetDream(EntityWorker::kNoDream);
        if (gardener.GoTo(target, 0))
        {
            gardener.SetBusy(true);
            return true;
        }
    }
    return false;
}
