#include "game/Pers/PersFairy.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Game/GameTables.h"
#include "game/Pers/WorkerErrand.h"

#include <cmath>
#include <numbers>

namespace
{

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kErrandHoverRate = 4.0f;
constexpr float kWingRate = 10.0f;
constexpr float kWingTilt = 0.4f;
constexpr float kWingPivot = 30.0f;
constexpr float kMagicBelowRoot = 30.0f;

// The frame counts of the in and out animations by kind, which say when the fairy passes the door.
std::int32_t InFrames(std::uint8_t kind)
{
    return kind == 58 || kind == 66 ? 11 : 13;
}

std::int32_t OutFrames(std::uint8_t kind)
{
    switch (kind)
    {
    case 42:
        return 15;
    case 54:
        return 14;
    default:
        return 10;
    }
}

} // namespace

PersFairy::PersFairy(std::uint8_t kind) : Pers(kFairy), mControlPoints(kControlPoints)
{
    mKind = kind;
    TakeCostRecord();
    mWalkSpeed = kStartSpeed;
}

PersFairy::~PersFairy()
{
    mControlPoints.clear();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (Korrin::AnimatedSprite* wings : mWings)
    {
        if (sprites != nullptr && wings != nullptr)
        {
            sprites->DeleteSprite(wings);
        }
    }
}

std::string PersFairy::KindListFile(std::uint8_t kind)
{
    switch (kind)
    {
    case 38:
        return "fairy_roaster_list.lua";
    case 42:
        return "fairy_confectionery_list.lua";
    case 54:
        return "fairy_sandwich_list.lua";
    case 58:
        return "fairy_dough_list.lua";
    case 66:
        return "fairy_friedpotatoes_list.lua";
    default:
        return {};
    }
}

std::string PersFairy::WingsFile(const std::string& listFile)
{
    const std::string suffix = "_list.lua";
    if (listFile.size() < suffix.size() ||
        listFile.compare(listFile.size() - suffix.size(), suffix.size(), suffix) != 0)
    {
        return {};
    }
    return listFile.substr(0, listFile.size() - suffix.size()) + "_wings.lua";
}

std::uint8_t PersFairy::FirstInput(std::uint8_t kind)
{
    const BuildingKind* building = BuildingKind::Find(kind);
    return building != nullptr ? building->firstInput : 0;
}

std::uint8_t PersFairy::SecondInput(std::uint8_t kind)
{
    const BuildingKind* building = BuildingKind::Find(kind);
    return building != nullptr ? building->secondInput : 0;
}

Korrin::Vector2 PersFairy::CellPoint(std::int32_t I, std::int32_t J)
{
    return {static_cast<float>(I) * 64.0f + 32.0f, static_cast<float>(J) * 24.0f + 8.0f};
}

void PersFairy::AddWings(const std::string& listFile)
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    mWings.push_back(sprites != nullptr ? sprites->LoadAnimatedSprite("Wings", WingsFile(listFile))
                                        : nullptr);
}

void PersFairy::Init()
{
    ClearFigures();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (Korrin::AnimatedSprite* wings : mWings)
    {
        if (sprites != nullptr && wings != nullptr)
        {
            sprites->DeleteSprite(wings);
        }
    }
    mWings.clear();
    AddFigure(kFairy, "fairy_normal_list.lua");
    AddWings("fairy_normal_list.lua");
    const std::string kindFile = KindListFile(mKind);
    if (!kindFile.empty())
    {
        AddFigure(mKind, kindFile);
        AddWings(kindFile);
    }
    Pers::Init();
    FindBodyBone();
    PlayAnimation("run", kKeepFacing);
}

void PersFairy::FindBodyBone()
{
    mBodyBone = -1;
    const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    for (std::size_t i = 0; skeleton != nullptr && i < skeleton->GetBoneCount(); ++i)
    {
        if (skeleton->GetBone(static_cast<std::uint16_t>(i))->GetName() == "body")
        {
            mBodyBone = static_cast<std::int32_t>(i);
        }
    }
}

void PersFairy::SetActive(bool on)
{
    Pers::SetActive(on);
    mBusy = 0;
    mFlightParameter = 0.0f;
    PlayAnimation("run", kKeepFacing);
    mFlying = 0;
    mErrand = kNoErrand;
    mDoubleLoad = 0;
    mFlightPosition = mPosition;
    mTargetCell = {-10, -10};
    mWalkTarget = nullptr;
    if (!mFigures.empty())
    {
        SetPersAnimated(0);
    }
    if (on)
    {
        mWalkSpeed = kHiredSpeed;
        mNagTimer = 0.0f;
    }
    mWingPhase = 0.0f;
}

bool PersFairy::Upgrade()
{
    if (!Pers::Upgrade())
    {
        return false;
    }
    if (mUpgradeLevel == 1)
    {
        mWalkSpeed = kLevel1Speed;
        mFlightRate = kLevel1FlightRate;
    }
    else if (mUpgradeLevel == 2)
    {
        mWalkSpeed = kLevel2Speed;
        mFlightRate = kLevel2FlightRate;
    }
    return true;
}

void PersFairy::SetIJ(std::int32_t I, std::int32_t J)
{
    Korrin::LogManager* log = Korrin::LogManager::Peek();
    if (log != nullptr)
    {
        log->Write("PersFairy::SetIJ %i,%i", I, J);
    }
    mPosition = CellPoint(I, J);
    mFlightPosition = mPosition;
    if (log != nullptr)
    {
        log->Write("PersFairy::SetIJ %f,%f", static_cast<double>(mPosition.x),
                   static_cast<double>(mPosition.y));
    }
    mTargetCell = {I, J};
    mWalkTarget = mHomeEntity;
    mFlying = 0;
    Arrive();
}

void PersFairy::GetIJ(std::int32_t& I, std::int32_t& J) const
{
    I = static_cast<std::int32_t>(mFlightPosition.x / 64.0f);
    J = static_cast<std::int32_t>((mFlightPosition.y - 40.0f) / 24.0f) + 2;
}

std::string PersFairy::GetAnimationVariant(const std::string& name) const
{
    if (mCarriedGoods == 0)
    {
        return name;
    }
    return name + (mDoubleLoad != 0 ? "2" : "1");
}

EntityBuilding* PersFairy::Building() const
{
    return WorkerErrand::Building(mHomeEntity);
}

bool PersFairy::Plays(const char* name) const
{
    return GetAnimationName() == name;
}

bool PersFairy::IsDeliveringBothInputs() const
{
    return GetCarriedGoods() != 0 && (HasDoubleLoad() || Plays("in_fairy1"));
}

bool PersFairy::IsBringingOutAUnit() const
{
    // Called out, she first waits for her hover to come round.
    return GetCarriedGoods() == 0 && (mErrand == kLeaveBuilding || Plays("out_fairy"));
}

void PersFairy::StartAction(std::int32_t code)
{
    if (code != 0)
    {
        return;
    }
    mErrand = kLeaveBuilding;
    mFlying = 0;
    mBusy = 1;
}

void PersFairy::PlayIdle(float dt)
{
    mAnimationTimer += dt;
    if (mAnimationTimer <= kIdleDelay)
    {
        return;
    }
    mAnimationTimer = 0.0f;
    const std::string mood = mDreamFrame == WorkerErrand::kCannotGoOn ? "idle_fairy2" : "idle_fairy1";
    PlayAnimation(mood + std::to_string(WorkerErrand::IdleNumber()), kKeepFacing);
    mIdlePlaying = 1;
    mBusy = 1;
}

void PersFairy::Arrive()
{
    // A fairy that is not hired, or not yet made up, runs no errands (the level places it before it
    // hires it and before it makes its figures).
    if (mActive == 0 || mFigure == nullptr)
    {
        return;
    }
    if (mFirstVisitPending != 0)
    {
        BeginMagic();
        return;
    }
    if (mBusy == 0 || mWalkTarget == nullptr)
    {
        return;
    }
    if (mWalkTarget->GetType() == mKind)
    {
        if (mCarriedGoods != 0 && mCarriedGoods == FirstInput(mKind))
        {
            mErrand = kEnterBuilding;
            mFlying = 0;
            mBusy = 1;
        }
        return;
    }
    if (mWalkTarget->GetType() == Entity::kStorehouse)
    {
        ArriveAtStorehouse();
    }
}

void PersFairy::BeginMagic()
{
    const Korrin::Vector2 root = GetRootPosition();
    mMagic.Start({root.x, root.y + kMagicBelowRoot});
    // A look without the kind's clothes keeps its own.
    if (mFigures.size() > 1)
    {
        SetPersAnimated(1);
        SetDirection(mFacing);
    }
    PlayAnimation("magic", kKeepFacing);
    mFirstVisitPending = 0;
    Korrin::PlaySoundOnce("pers_magic");
    mBusy = 1;
}

void PersFairy::ArriveAtStorehouse()
{
    EntityStorehouse* store = WorkerErrand::Storehouse();
    EntityBuilding* building = Building();
    if (store != nullptr && mCarriedGoods != 0)
    {
        WorkerErrand::StoreCarried(*this, *store);
    }
    if (store != nullptr && building != nullptr && mCarriedGoods == 0 &&
        building->GetRunsLeft() == EntityBuilding::kNoRun)
    {
        StoreCellManager& cells = store->GetCells();
        const std::uint8_t first = FirstInput(mKind);
        const std::uint8_t second = SecondInput(mKind);
        if (cells.HasGoods(first) && cells.HasGoods(second) && building->GetTaskCount() > 0)
        {
            cells.PickItemAnimatedById(first);
            cells.PickItemAnimatedById(second);
            mDoubleLoad = 1;
            // The order's run starts while its hands are still empty.
            building->RemoveTask(0, false);
            mCarriedGoods = first;
        }
        else
        {
            SetDream(WorkerErrand::kCannotGoOn);
        }
    }
    PlayAnimation("run", kKeepFacing);
    mBusy = 0;
}

bool PersFairy::OnAnimationEnd()
{
    EntityBuilding* building = Building();
    if (Plays("in_fairy1"))
    {
        mCarriedGoods = 0;
        if (building != nullptr)
        {
            WorkerErrand::StartWork(*building);
            building->SetWorkerInside(false);
        }
        mBusy = 0;
    }
    else if (Plays("out_fairy"))
    {
        if (building != nullptr)
        {
            building->SetWorkerInside(false);
        }
        mCarriedGoods = GetBuildingProduct(mKind);
        FlyToStorehouse();
        SetDream(kNoDream);
        mBusy = 1;
        if (building != nullptr)
        {
            SetDirection(building->GetSide());
        }
    }
    else if (Plays("magic"))
    {
        mBusy = 0;
    }
    if (mDreamFrame == WorkerErrand::kCannotGoOn)
    {
        EntityStorehouse* store = WorkerErrand::Storehouse();
        if (store != nullptr && !store->GetCells().IsFull())
        {
            FlyToStorehouse();
            mBusy = 1;
            SetDream(kNoDream);
            PlayAnimation("run", kKeepFacing);
            mIdlePlaying = 0;
        }
        else
        {
            PlayAnimation("run", kKeepFacing);
            mBusy = 0;
        }
    }
    else
    {
        PlayAnimation("run", kKeepFacing);
    }
    if (mIdlePlaying != 0)
    {
        mIdlePlaying = 0;
        mBusy = 0;
    }
    return true;
}

void PersFairy::FlyToStorehouse()
{
    WalkTarget store;
    if (WorkerErrand::StorehouseTarget(store))
    {
        GoTo(store, 0);
    }
}

bool PersFairy::Update(float dt)
{
    if (WorkerErrand::NagDue(mNagTimer, dt, kNagInterval, mDreamFrame))
    {
        Korrin::PlaySoundOnce("fairy_no");
    }
    mWingPhase += kWingRate * dt;
    if (mWingPhase > kWingPhaseEnd)
    {
        mWingPhase = 0.0f;
    }
    mMagic.Update(dt);
    if (mFlying != 0)
    {
        UpdateFlight(dt);
    }
    else
    {
        UpdateHover(dt);
    }
    Pers::Update(dt);
    if (mErrand == kNoErrand)
    {
        FollowDoor();
    }
    return true;
}

void PersFairy::UpdateHover(float dt)
{
    const bool waiting = mErrand != kNoErrand;
    if (!(waiting && mFlightParameter == 0.0f))
    {
        mFlightParameter += waiting ? kErrandHoverRate * dt : dt;
    }
    if (mFlightParameter > kTwoPi)
    {
        mFlightParameter = 0.0f;
    }
    mPosition.y = mFlightPosition.y + kHoverHeight * std::sin(mFlightParameter);
    if (mFlightParameter == 0.0f && waiting)
    {
        StartErrand();
    }
}

void PersFairy::StartErrand()
{
    if (mErrand == kEnterBuilding)
    {
        mDoubleLoad = 0;
        PlayAnimation("in_fairy", kKeepFacing);
    }
    else if (mErrand == kLeaveBuilding)
    {
        PlayAnimation("out_fairy", kKeepFacing);
        mCarriedGoods = 0;
    }
    if (const EntityBuilding* building = Building())
    {
        SetDirection(building->GetSide());
    }
    mErrand = kNoErrand;
}

void PersFairy::FollowDoor()
{
    EntityBuilding* building = Building();
    if (building == nullptr || mFigure == nullptr)
    {
        return;
    }
    std::int32_t frames = 0;
    if (Plays("in_fairy1"))
    {
        frames = InFrames(mKind);
    }
    else if (Plays("out_fairy"))
    {
        frames = OutFrames(mKind);
    }
    else
    {
        return;
    }
    const std::int32_t f = mFigure->GetState().mLastKeyFrame;
    if (f > frames - 2)
    {
        building->SetWorkerInside(false);
    }
    else if (f > 1)
    {
        building->SetWorkerInside(true);
    }
}

void PersFairy::Draw()
{
    DrawWings();
    Pers::Draw();
    if (EntityBuilding* building = Building(); building != nullptr && building->IsWorkerInside())
    {
        building->DrawExtra();
    }
    mMagic.Draw();
}

void PersFairy::DrawWings()
{
    if (mFigureIndex >= mWings.size() || mWings[mFigureIndex] == nullptr)
    {
        return;
    }
    Korrin::Vector2 at;
    float angle = 0.0f;
    bool mirrored = false;
    const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (skeleton != nullptr && mBodyBone >= 0 &&
        static_cast<std::size_t>(mBodyBone) < skeleton->GetBoneCount())
    {
        const Korrin::Bone* body = skeleton->GetBone(static_cast<std::uint16_t>(mBodyBone));
        at = body->mWorldPosition;
        angle = body->mAngle;
        mirrored = body->mMirrorHorizontal;
    }
    Korrin::AnimatedSprite& wings = *mWings[mFigureIndex];
    wings.SetMirrorH(mirrored);
    const auto frame = static_cast<std::uint16_t>(mWingPhase);
    if (mirrored)
    {
        wings.DrawFrameEx(frame, at.x, at.y, 1.0f, 1.0f, angle + kWingTilt, -kWingPivot, 0.0f);
    }
    else
    {
        wings.DrawFrameEx(frame, at.x, at.y, 1.0f, 1.0f, angle - kWingTilt, kWingPivot, 0.0f);
    }
}
