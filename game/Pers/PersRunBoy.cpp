#include "game/Pers/PersRunBoy.h"

#include "engine/Render/Skeleton.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Game/GameTables.h"
#include "game/Pers/WorkerErrand.h"

#include <cmath>

namespace
{

constexpr std::uint8_t kMill = 26;
constexpr std::uint8_t kFlour = 98;
constexpr float kMagicBelowRoot = 30.0f;

} // namespace

PersRunBoy::PersRunBoy(std::uint8_t kind) : PersRun(kErrandBoy)
{
    mKind = kind;
    TakeCostRecord();
    mWalkSpeed = kHiredSpeed;
}

std::string PersRunBoy::KindListFile(std::uint8_t kind)
{
    switch (kind)
    {
    case 26:
        return "boy_miller_list.lua";
    case 30:
        return "boy_juicer_list.lua";
    case 34:
        return "boy_tomat_list.lua";
    case 46:
        return "boy_baker_list.lua";
    case 50:
        return "boy_sunflower_list.lua";
    case 62:
        return "boy_packer_list.lua";
    default:
        return {};
    }
}

std::uint8_t PersRunBoy::InputOf(std::uint8_t kind)
{
    const BuildingKind* building = BuildingKind::Find(kind);
    return building != nullptr ? building->firstInput : 0;
}

void PersRunBoy::Init()
{
    ClearFigures();
    AddFigure(kErrandBoy, "boy_normal_list.lua");
    const std::string kindFile = KindListFile(mKind);
    if (!kindFile.empty())
    {
        AddFigure(mKind, kindFile);
        mCorrections->Load(kindFile, "ObjList");
    }
    PersRun::Init();
    PlayAnimation("stand", kKeepFacing);
}

void PersRunBoy::SetActive(bool on)
{
    PersRun::SetActive(on);
    if (on)
    {
        mWalkSpeed = kHiredSpeed;
        mNagTimer = 0.0f;
    }
}

bool PersRunBoy::Upgrade()
{
    if (!PersRun::Upgrade())
    {
        return false;
    }
    if (mUpgradeLevel == 1)
    {
        mWalkSpeed = kLevel1Speed;
    }
    else if (mUpgradeLevel == 2)
    {
        mWalkSpeed = kLevel2Speed;
    }
    return true;
}

std::string PersRunBoy::GetAnimationVariant(const std::string& name) const
{
    if (mCarriedGoods == 0)
    {
        return name;
    }
    return name + (mKind == kMill && mCarriedGoods == kFlour ? "2" : "1");
}

EntityBuilding* PersRunBoy::Building() const
{
    return WorkerErrand::Building(mHomeEntity);
}

bool PersRunBoy::Plays(const char* name) const
{
    return GetAnimationName() == name;
}

bool PersRunBoy::IsBringingOutAUnit() const
{
    return GetCarriedGoods() == 0 && Plays("out_house");
}

void PersRunBoy::StartAction(std::int32_t code)
{
    EntityBuilding* building = Building();
    if (code != 0 || building == nullptr)
    {
        return;
    }
    PlayAnimation("out_house", building->GetSide());
    mBusy = 1;
    building->SetWorkerInside(true);
    mWaitingForAnimationEnd = 1;
}

void PersRunBoy::PlayIdle(float dt)
{
    mAnimationTimer += dt;
    if (mAnimationTimer <= kIdleDelay)
    {
        return;
    }
    mAnimationTimer = 0.0f;
    if (mDreamFrame == WorkerErrand::kCannotGoOn)
    {
        PlayAnimation("idle_p", kKeepFacing);
    }
    else
    {
        PlayAnimation("idle" + std::to_string(WorkerErrand::IdleNumber()), kKeepFacing);
    }
    mWaitingForAnimationEnd = 1;
    mBusy = 1;
}

void PersRunBoy::OnPathEnd(std::int32_t /*I*/, std::int32_t /*J*/)
{
    if (mWalkTarget == nullptr || mBusy == 0)
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    if (mWalkTarget->GetType() == mKind)
    {
        if (EntityBuilding* building = Building(); building != nullptr && !Plays("magic"))
        {
            ArriveAtBuilding(*building);
        }
        return;
    }
    if (mWalkTarget->GetType() == Entity::kStorehouse)
    {
        ArriveAtStorehouse();
    }
}

void PersRunBoy::ArriveAtBuilding(EntityBuilding& building)
{
    if (mCarriedGoods == 0 || mCarriedGoods != InputOf(mKind))
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    PlayAnimation("in_house", building.GetSide());
    mBusy = 1;
    building.SetWorkerInside(true);
    mWaitingForAnimationEnd = 1;
}

void PersRunBoy::ArriveAtStorehouse()
{
    EntityStorehouse* store = WorkerErrand::Storehouse();
    EntityBuilding* building = Building();
    if (store != nullptr && mCarriedGoods != 0)
    {
        WorkerErrand::StoreCarried(*this, *store);
    }
    const std::uint8_t input = InputOf(mKind);
    if (store != nullptr && building != nullptr && mCarriedGoods == 0 &&
        building->GetRunsLeft() == EntityBuilding::kNoRun && building->GetTaskCount() > 0 &&
        store->GetCells().HasGoods(input))
    {
        store->GetCells().PickItemAnimatedById(input);
        // The order's run starts while his hands are still empty.
        building->RemoveTask(0, false);
        mCarriedGoods = input;
    }
    StandFree();
}

void PersRunBoy::StandFree()
{
    PlayAnimation("stand", kKeepFacing);
    mBusy = 0;
}

bool PersRunBoy::StandsAtBuilding() const
{
    WalkTarget door;
    if (mHomeEntity == nullptr || !mHomeEntity->GetWalkTarget(&door, 0))
    {
        return false;
    }
    std::int32_t I = 0;
    std::int32_t J = 0;
    GetIJ(I, J);
    return I == door.I && J == door.J;
}

bool PersRunBoy::OnAnimationEnd()
{
    if (mFirstVisitPending != 0 && StandsAtBuilding())
    {
        BeginMagic();
        return false;
    }
    if (mWaitingForAnimationEnd != 0)
    {
        FinishAnimation();
        mWaitingForAnimationEnd = 0;
    }
    return true;
}

void PersRunBoy::BeginMagic()
{
    const Korrin::Vector2 root = GetRootPosition();
    mMagic.Start({root.x, root.y + kMagicBelowRoot});
    // A look without the kind's clothes keeps its own.
    if (mFigures.size() > 1)
    {
        SetPersAnimated(1);
        SetDirection(mFacing);
    }
    Korrin::PlaySoundOnce("pers_magic");
    mFirstVisitPending = 0;
    PlayAnimation("magic", kKeepFacing);
    mWaitingForAnimationEnd = 1;
    mBusy = 1;
}

void PersRunBoy::FinishAnimation()
{
    EntityBuilding* building = Building();
    if (Plays("in_house1"))
    {
        mCarriedGoods = 0;
        if (building != nullptr)
        {
            WorkerErrand::StartWork(*building);
            building->SetWorkerInside(false);
        }
        StandFree();
    }
    else if (Plays("out_house"))
    {
        LeaveWithProduct();
    }
    else if (mDreamFrame == WorkerErrand::kCannotGoOn)
    {
        RetryStorehouse();
    }
    else
    {
        StandFree();
    }
}

void PersRunBoy::LeaveWithProduct()
{
    EntityBuilding* building = Building();
    if (building != nullptr)
    {
        building->SetWorkerInside(false);
    }
    mCarriedGoods = GetBuildingProduct(mKind);
    WalkTarget store;
    if (WorkerErrand::StorehouseTarget(store))
    {
        GoTo(store, 0);
    }
    SetDream(kNoDream);
    mBusy = 1;
    if (building != nullptr)
    {
        SetDirection(building->GetSide());
    }
}

void PersRunBoy::RetryStorehouse()
{
    EntityStorehouse* store = WorkerErrand::Storehouse();
    WalkTarget target;
    if (store != nullptr && !store->GetCells().IsFull() && store->GetWalkTarget(&target, 0))
    {
        GoTo(target, 0);
        SetDream(kNoDream);
        mBusy = 1;
        return;
    }
    StandFree();
}

bool PersRunBoy::Update(float dt)
{
    if (WorkerErrand::NagDue(mNagTimer, dt, kNagInterval, mDreamFrame))
    {
        Korrin::PlaySoundOnce("boy_no");
    }
    mMagic.Update(dt);
    PersRun::Update(dt);
    return true;
}

void PersRunBoy::Draw()
{
    Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (mCarriedGoods != 0 && skeleton != nullptr && mCarryBone >= 0 &&
        static_cast<std::size_t>(mCarryBone) < skeleton->GetBoneCount())
    {
        const std::int32_t index = GetGoodsIndex(mCarriedGoods);
        ApplyCarriedCorrection(skeleton->GetBone(static_cast<std::uint16_t>(mCarryBone)),
                               static_cast<std::uint32_t>(index + 1), mFacing, false);
    }
    PersRun::Draw();
    mMagic.Draw();
    if (EntityBuilding* building = Building(); building != nullptr && building->IsWorkerInside())
    {
        building->DrawExtra();
    }
}

void PersRunBoy::Save(Korrin::BinaryWriter& out)
{
    if (mFigure == nullptr)
    {
        return;
    }
    PersRun::Save(out);
    out.WriteF32(mNagTimer);
}

void PersRunBoy::Load(Korrin::BinaryReader& in)
{
    if (mFigure == nullptr)
    {
        return;
    }
    PersRun::Load(in);
    const float nagTimer = in.ReadF32();
    if (!in.Ok() || !(nagTimer >= 0.0f && nagTimer <= kNagInterval))
    {
        in.Fail();
        return;
    }
    mNagTimer = nagTimer;
}
