#include "game/Entity/BuildingWorker.h"

#include "game/Pers/Pers.h"

bool BuildingWorker::IsActive(const Pers* worker)
{
    return worker != nullptr && worker->IsActive();
}

bool BuildingWorker::IsBusy(const Pers* worker)
{
    return worker != nullptr && worker->IsBusy();
}

void BuildingWorker::SetBusy(Pers* worker, bool busy)
{
    if (worker != nullptr)
    {
        worker->SetBusy(busy);
    }
}

bool BuildingWorker::IsFirstVisitPending(const Pers* worker)
{
    return worker != nullptr && worker->IsFirstVisitPending();
}

std::uint8_t BuildingWorker::GetCarriedGoods(const Pers* worker)
{
    return worker != nullptr ? worker->GetCarriedGoods() : 0;
}

void BuildingWorker::SetCarriedGoods(Pers* worker, std::uint8_t goods)
{
    if (worker != nullptr)
    {
        worker->SetCarriedGoods(goods);
    }
}

bool BuildingWorker::CarriesBothInputs(const Pers* worker)
{
    return worker != nullptr && worker->IsDeliveringBothInputs();
}

bool BuildingWorker::IsBringingOutAUnit(const Pers* worker)
{
    return worker != nullptr && worker->IsBringingOutAUnit();
}

std::uint16_t BuildingWorker::GetUpgradeLevel(const Pers* worker)
{
    return worker != nullptr ? worker->GetUpgradeLevel() : 0;
}

const CostRecord& BuildingWorker::GetCost(const Pers* worker)
{
    static const CostRecord none;
    return worker != nullptr ? worker->GetCost() : none;
}

bool BuildingWorker::Upgrade(Pers* worker)
{
    return worker != nullptr && worker->Upgrade();
}

bool BuildingWorker::GoTo(Pers* worker, const WalkTarget& target, std::uint8_t mode)
{
    return worker != nullptr && worker->GoTo(target, mode);
}

void BuildingWorker::SetDream(Pers* worker, std::int32_t frame)
{
    if (worker != nullptr)
    {
        worker->SetDream(frame);
    }
}

void BuildingWorker::StartAction(Pers* worker, std::int32_t code)
{
    if (worker != nullptr)
    {
        worker->StartAction(code);
    }
}

void BuildingWorker::PlayIdle(Pers* worker, float dt)
{
    if (worker != nullptr)
    {
        worker->PlayIdle(dt);
    }
}

bool BuildingWorker::IsFairy(const Pers* worker)
{
    return worker != nullptr && worker->GetType() == Pers::kFairy;
}
