#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/Random.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Entity/LevelLookup.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Entity/Plant.h"
#include "game/Game/GameField.h"
#include "game/Pers/PersRunGardener.h"
#include "game/Pers/WorkerErrand.h"

#include <cmath>
#include <string>

namespace
{

// A crop with an unknown id is harvested as wheat.
constexpr std::uint8_t kFallbackCrop = Plant::kWheat;
constexpr std::uint8_t kWaterFruitBase = 125;

void Log(const char* text)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", text);
    }
}

} // namespace

void PersRunGardener::OnPathEnd(std::int32_t I, std::int32_t J)
{
    if (mWalkTarget == nullptr)
    {
        Log("EndPathAnimation");
        Stand();
        return;
    }
    if (mFirstVisitPending != 0)
    {
        if (mMagic != nullptr)
        {
            const Korrin::Vector2 root = GetRootPosition();
            mMagic->SetPosition({root.x, root.y + 30.0f});
            mMagic->Restart();
        }
        mFirstVisitPending = 0;
        PlayAnimation("magic", kKeepFacing);
        mWaitingForAnimationEnd = 1;
        Korrin::PlaySoundOnce("pers_magic");
        mBusy = 1;
        return;
    }
    Log("PersRunGardener::EndPathAnimation");
    if (mBusy == 0)
    {
        Stand();
        Log("STT11");
        return;
    }
    switch (mWalkTarget->GetType())
    {
    case Entity::kWaterWell:
        ArriveAtWell(I, J);
        break;
    case Entity::kStorehouse:
        ArriveAtStorehouse();
        break;
    case Entity::kGarden:
        ArriveAtGarden();
        break;
    default:
        Stand();
        Log("STT11");
        break;
    }
}

void PersRunGardener::ArriveAtWell(std::int32_t I, std::int32_t J)
{
    EntityWaterWell* well = TargetWell();
    if (well == nullptr)
    {
        return;
    }
    mPouring = 0.0f;
    if (well->GetTaskCount() > 0)
    {
        mCrop = well->GetTask(0);
        well->PopTask();
        mWorkPhase = kDrawingWater;
        PlayAnimation("getwater", kRight);
        mWaitingForAnimationEnd = 1;
        return;
    }
    // Another gardener or the thief took the order: the next well with one, else back to the garden.
    EntityGarden* garden = Garden();
    if (garden == nullptr)
    {
        Stand();
        mBusy = 0;
        return;
    }
    WalkTarget target;
    if (!garden->FindNearestWaterWell(I, J, target))
    {
        garden->GetWalkTarget(&target, EntityGarden::kIdleTarget);
    }
    GoTo(target, 0);
    mBusy = 0;
}

void PersRunGardener::ArriveAtStorehouse()
{
    Log("TE_STOREHOUSE");
    EntityStorehouse* storehouse = WorkerErrand::Storehouse();
    if (storehouse != nullptr && storehouse->GetCells().PutGoods(mCarriedGoods))
    {
        Korrin::PlaySoundOnce("adding_goods_to_storehouse");
        mCarriedGoods = 0;
    }
    else
    {
        SetDream(kDreamStorehouseFull);
    }
    Stand();
    mBusy = 0;
}

void PersRunGardener::ArriveAtGarden()
{
    EntityGarden* garden = TargetGarden();
    if (garden == nullptr)
    {
        return;
    }
    if (IsWater(mCarriedGoods))
    {
        garden->FillFirstEmptyBed(static_cast<std::uint8_t>(mCarriedGoods - kWaterFruitBase));
        PlayAnimation("setwater", kKeepFacing);
        mWaitingForAnimationEnd = 1;
        mWorkPhase = kWatering;
        return;
    }
    if (mCarriedGoods != 0)
    {
        Stand();
        return;
    }
    std::uint8_t fruits = 0;
    const std::uint8_t ripe = garden->IsCurrentBedRipe(fruits);
    if (ripe != 0 && mSowingFlag == 0)
    {
        StartHarvest(ripe, fruits);
        return;
    }
    mSowingFlag = 0;
    if (garden->GetTaskCount() > 0 && Sow(*garden))
    {
        return;
    }
    Stand();
    mWaitingForAnimationEnd = 0;
    mBusy = 0;
    Log("STT");
}

void PersRunGardener::StartHarvest(std::uint8_t crop, std::uint8_t fruits)
{
    SetDream(kNoDream);
    const Harvest harvest = HarvestOf(crop, fruits);
    PlayAnimation(harvest.animation, kLeft);
    mCarryCorrectionId = harvest.correction;
    mHarvestFrame = harvest.frame;
    mCrop = IsCrop(crop) ? crop : kFallbackCrop;
    mWaitingForAnimationEnd = 1;
    mWorkPhase = kHarvesting;
}

bool PersRunGardener::Sow(EntityGarden& garden)
{
    std::size_t bed = 0;
    while (bed < EntityGarden::kBeds && garden.GetBed(bed).HasCrop())
    {
        ++bed;
    }
    if (bed == EntityGarden::kBeds)
    {
        // Every bed grows: the paid order waits in the queue until one is free.
        return false;
    }
    mCrop = garden.GetTask(0);
    garden.GetBed(bed).SetType(mCrop);
    garden.RemoveTask(0, false);
    mWorkPhase = kSowing;
    PlayAnimation("drip", kKeepFacing);
    mWaitingForAnimationEnd = 1;
    Log("SET DRIP");
    return true;
}

void PersRunGardener::RetryStorehouse()
{
    EntityStorehouse* storehouse = WorkerErrand::Storehouse();
    if (storehouse == nullptr || storehouse->GetCells().IsFull())
    {
        Stand();
        mBusy = 0;
        return;
    }
    WalkTarget target;
    storehouse->GetWalkTarget(&target, 0);
    GoTo(target, 0);
    SetDream(kNoDream);
    mBusy = 1;
}

void PersRunGardener::HandBack()
{
    if (IsCrop(mCarriedGoods))
    {
        EntityStorehouse* storehouse = WorkerErrand::Storehouse();
        if (storehouse == nullptr || !storehouse->GetCells().PutGoodsInstant(mCarriedGoods))
        {
            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
            {
                log->Write("PersRunGardener: no room in the storehouse for goods %i of a dismissed gardener",
                           static_cast<int>(mCarriedGoods));
            }
        }
        mCarriedGoods = 0;
    }
    if (mWorkPhase == kDrawingWater)
    {
        if (auto* well = dynamic_cast<EntityWaterWell*>(mWalkTarget))
        {
            well->ReleasePail();
        }
    }
}
