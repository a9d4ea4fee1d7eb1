#include "game/Entity/BuildingWorker.h"

#include "game/Pers/Pers.h"

bool BuildingWorker::IsActive(const Pers* worker)
{
    return worker != nullptr && worker->IsSwitchedOn();
}

bool BuildingWorker::IsBusy(const Pers* /*worker*/)
{
    return false;
}

void BuildingWorker::SetBusy(Pers* /*worker*/, bool /*busy*/) {}

bool BuildingWorker::IsFirstVisitPending(const Pers* /*worker*/)
{
    return false;
}

std::uint8_t BuildingWorker::GetCarriedGoods(const Pers* /*worker*/)
{
    return 0;
}

void BuildingWorker::SetCarriedGoods(Pers* /*worker*/, std::uint8_t /*goods*/) {}

bool BuildingWorker::HasDoubleLoad(const Pers* /*worker*/)
{
    return false;
}

std::uint16_t BuildingWorker::GetUpgradeLevel(const Pers* /*worker*/)
{
    return 0;
}

const CostRecord& BuildingWorker::GetCost(const Pers* /*worker*/)
{
    static const CostRecord none;
    return none;
}

bool BuildingWorker::Upgrade(Pers* /*worker*/)
{
    return false;
}

bool BuildingWorker::GoTo(Pers* /*worker*/, const WalkTarget& /*target*/, std::uint8_t /*mode*/)
{
    return false;
}

void BuildingWorker::SetDream(Pers* /*worker*/, std::int32_t /*frame*/) {}

void BuildingWorker::StartAction(Pers* /*worker*/, std::int32_t /*code*/) {}

void BuildingWorker::PlayIdle(Pers* /*worker*/, float /*dt*/) {}

bool BuildingWorker::IsFairy(const Pers* worker)
{
    return worker != nullptr && worker->GetType() == Pers::kFairy;
}
