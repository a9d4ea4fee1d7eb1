#include "game/Entity/BuildingWorker.h"

#include "game/Entity/EntityWorker.h"

bool BuildingWorker::IsActive(const EntityWorker* worker)
{
    return worker != nullptr && worker->IsActive();
}

bool BuildingWorker::IsBusy(const EntityWorker* worker)
{
    return worker != nullptr && worker->IsBusy();
}

void BuildingWorker::SetBusy(EntityWorker* worker, bool busy)
{
    if (worker != nullptr)
    {
        worker->SetBusy(busy);
    }
}

bool BuildingWorker::IsFirstVisitPending(const EntityWorker* worker)
{
    return worker != nullptr && worker->IsFirstVisitPending();
}

std::uint8_t BuildingWorker::GetCarriedGoods(const EntityWorker* worker)
{
    return worker != nullptr ? worker->GetCarriedGoods() : 0;
}

void BuildingWorker::SetCarriedGoods(EntityWorker* worker, std::uint8_t goods)
{
    if (worker != nullptr)
    {
        worker->SetCarriedGoods(goods);
    }
}

bool BuildingWorker::CarriesBothInputs(const EntityWorker* worker)
{
    return worker != nullptr && worker->IsDeliveringBothInputs();
}

bool BuildingWorker::IsBringingOutAUnit(const EntityWorker* worker)
{
    return worker != nullptr && worker->IsBringingOutAUnit();
}

std::uint16_t BuildingWorker::GetUpgradeLevel(const EntityWorker* worker)
{
    return worker != nullptr ? worker->GetUpgradeLevel() : 0;
}

const CostRecord& BuildingWorker::GetCost(const EntityWorker* worker)
{
    static const CostRecord none;
    return worker != nullptr ? worker->GetCost() : none;
}

bool BuildingWorker::Upgrade(EntityWorker* worker)
{
    return worker != nullptr && worker->Upgrade();
}

bool BuildingWorker::GoTo(EntityWorker* worker, const WalkTarget& target, std::uint8_t mode)
{
    return worker != nullptr && worker->GoTo(target, mode);
}

void BuildingWorker::SetDream(EntityWorker* worker, std::int32_t frame)
{
    if (worker != nullptr)
    {
        worker->SetDream(frame);
    }
}

void BuildingWorker::StartAction(EntityWorker* worker, std::int32_t code)
{
    if (worker != nullptr)
    {
        worker->StartAction(code);
    }
}

void BuildingWorker::PlayIdle(EntityWorker* worker, float dt)
{
    if (worker != nullptr)
    {
        worker->PlayIdle(dt);
    }
}

bool BuildingWorker::IsFairy(const EntityWorker* worker)
{
    return worker != nullptr && worker->GetType() == EntityWorker::kFairy;
}
