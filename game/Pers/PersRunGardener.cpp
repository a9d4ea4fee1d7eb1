#include "game/Pers/PersRunGardener.h"

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
#include "game/Pers/WorkerErrand.h"

#include <cmath>
#include <string>

namespace
{

constexpr const char* kListFile = "gardenerlist.lua";
constexpr const char* kSource = "Source\\Pers\\PersRunGardener";
constexpr float kSecondSpeed = 2.5f;
constexpr float kThirdSpeed = 3.0f;

// After these frames of their animations: the seeds show in the hand, the bed counts as sown, the pail
// is lifted, the water pours.
constexpr std::uint32_t kSeedsShownAfter = 5;
constexpr std::uint32_t kSeedsSownAfter = 8;
constexpr std::uint32_t kPailLiftedAfter = 3;
constexpr std::uint32_t kPouringAfter = 2;

// How fast the pail empties, per unit of walk speed and second.
constexpr float kPourRate = 10.0f;

// The carry bone's frames: the seeds (crop - 83) and the three pails emptying (+ pouring).
constexpr std::int32_t kSeedFrameBase = 83;
constexpr std::int32_t kPailFrameBase[3] = {21, 30, 39};

// The harvest draws the soil over the hands until these frames: the crop comes out of the ground.
constexpr std::uint32_t kCarrotOutAt = 6;
constexpr std::uint32_t kDeepCropOutAt = 10;

// The largest harvest frame and the carry frames of the crops in hand.
constexpr std::uint32_t kLastHarvestFrame = 3;
constexpr std::uint16_t kFirstCropFrame = 6;
constexpr std::uint16_t kLastCropFrame = 20;

void Log(const char* text)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("%s", text);
    }
}

// One of the five idle animations with a crop in hand, variant 1 or 2; "idle_wat" for anything else.
std::string IdleWithGoods(std::uint8_t goods)
{
    const char* stem = nullptr;
    switch (goods)
    {
    case Plant::kCarrot:
        stem = "idle_carrot0";
        break;
    case Plant::kTomato:
        stem = "idle_tomato0";
        break;
    case Plant::kPotatoes:
        stem = "idle_potatoes0";
        break;
    case Plant::kSunflower:
        stem = "idle_sunflower0";
        break;
    case Plant::kWheat:
        stem = "idle_wheat0";
        break;
    default:
        return "idle_wat";
    }
    return stem + std::to_string(1 + Korrin::Rand() % 2);
}

} // namespace

bool PersRunGardener::IsCrop(std::uint8_t goods)
{
    return goods >= Plant::kCarrot && goods <= Plant::kWheat;
}

PersRunGardener::Harvest PersRunGardener::HarvestOf(std::uint8_t crop, std::uint8_t fruits)
{
    // Columns: three fruits, two, any other count.
    const std::size_t column = fruits == 3 ? 0 : (fruits == 2 ? 1 : 2);
    static constexpr Harvest kCarrot[3] = {{"carrot03", 8, 2}, {"carrot02", 7, 2}, {"carrot01", 6, 2}};
    static constexpr Harvest kTomato[3] = {{"tomato03", 11, 3}, {"tomato02", 10, 3}, {"tomato01", 9, 3}};
    static constexpr Harvest kPotatoes[3] = {
        {"potatoes03", 17, 3}, {"potatoes02", 16, 3}, {"potatoes01", 15, 3}};
    static constexpr Harvest kSunflower[3] = {
        {"sunflower03", 14, 1}, {"sunflower02", 13, 3}, {"sunflower01", 12, 3}};
    static constexpr Harvest kWheat[3] = {{"wheat03", 20, 3}, {"wheat02", 19, 3}, {"wheat01", 18, 3}};
    switch (crop)
    {
    case Plant::kCarrot:
        return kCarrot[column];
    case Plant::kTomato:
        return kTomato[column];
    case Plant::kPotatoes:
        return kPotatoes[column];
    case Plant::kSunflower:
        return kSunflower[column];
    default:
        return kWheat[column];
    }
}

PersRunGardener::PersRunGardener() : PersRun(kGardener)
{
    mKind = kKindCode;
    TakeCostRecord();
}

PersRunGardener::~PersRunGardener()
{
    Log("PersRunGardener::~PersRunGardener()");
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
        particles != nullptr && mMagic != nullptr)
    {
        particles->DeleteParticleSystem(mMagic);
    }
}

void PersRunGardener::Init()
{
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
        particles != nullptr && mMagic == nullptr)
    {
        mMagic = particles->CreateParticleSystem("char_magic.particle", "char_magic");
        for (std::size_t i = 0; i < mMagic->GetEmitterCount(); ++i)
        {
            mMagic->GetBaseParticleSystem(i)->SetActive(false);
        }
    }
    ClearFigures();
    AddFigure(kGardener, kListFile);
    PersRun::Init();
    mHat01 = -1;
    mHat02 = -1;
    if (const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr)
    {
        for (std::size_t i = 0; i < skeleton->GetBoneCount(); ++i)
        {
            const std::string& name = skeleton->GetBone(static_cast<std::uint16_t>(i))->GetName();
            if (name == "hat01")
            {
                mHat01 = static_cast<std::int32_t>(i);
            }
            else if (name == "hat02")
            {
                mHat02 = static_cast<std::int32_t>(i);
            }
        }
    }
    Stand();
    mCorrections->Load(kListFile, "ObjList");
}

bool PersRunGardener::TryClick()
{
    mClicked = 1;
    return PersRun::TryClick();
}

void PersRunGardener::SetActive(bool on)
{
    PersRun::SetActive(on);
    mNagTimer = 0.0f;
    mPouring = 0.0f;
    mWorkPhase = kNoWork;
    mWalkSpeed = kFirstSpeed;
    mHarvestFrame = 0;
    mCarryCorrectionId = 0;
    mCrop = 0;
    mSplitDraw = 0;
    mBedOver = 0;
}

bool PersRunGardener::Upgrade()
{
    if (!PersRun::Upgrade())
    {
        return false;
    }
    if (mUpgradeLevel == 1)
    {
        mWalkSpeed = kSecondSpeed;
    }
    else if (mUpgradeLevel == 2)
    {
        mWalkSpeed = kThirdSpeed;
    }
    return true;
}

bool PersRunGardener::GoTo(const WalkTarget& target, std::uint8_t sowing)
{
    mSowingFlag = sowing;
    return PersRun::GoTo(target, 0);
}

EntityGarden* PersRunGardener::Garden() const
{
    return dynamic_cast<EntityGarden*>(mHomeEntity);
}

EntityGarden* PersRunGardener::TargetGarden() const
{
    auto* garden = dynamic_cast<EntityGarden*>(mWalkTarget);
    if (garden == nullptr)
    {
        Korrin::ReportAndBreak("Don't ptr to type t", Korrin::kGameModule, kSource, __LINE__);
    }
    return garden;
}

EntityWaterWell* PersRunGardener::TargetWell() const
{
    auto* well = dynamic_cast<EntityWaterWell*>(mWalkTarget);
    if (well == nullptr)
    {
        Korrin::ReportAndBreak("Don't ptr to type t", Korrin::kGameModule, kSource, __LINE__);
    }
    return well;
}

std::uint32_t PersRunGardener::AnimationFrame() const
{
    return mFigure != nullptr && mFigure->GetCurrent() != nullptr ? mFigure->GetState().mLastKeyFrame : 0u;
}

void PersRunGardener::Stand()
{
    PlayAnimation("stand", kKeepFacing);
}

bool PersRunGardener::Update(float dt)
{
    mNagTimer += dt;
    if (mNagTimer > kNagInterval)
    {
        mNagTimer = 0.0f;
        if (mDreamFrame == kDreamStorehouseFull || mDreamFrame == kDreamNoWay || mDreamFrame == kDreamNoWater)
        {
            Korrin::PlaySoundOnce("gardener_no");
        }
    }
    if (mMagic != nullptr)
    {
        mMagic->Update(dt);
    }
    PersRun::Update(dt);
    if (mWalkTarget != nullptr)
    {
        AdvanceWork(dt);
    }
    return true;
}

void PersRunGardener::AdvanceWork(float dt)
{
    const std::uint32_t frame = AnimationFrame();
    switch (mWorkPhase)
    {
    case kSowing:
        if (frame > kSeedsSownAfter)
        {
            if (EntityGarden* garden = TargetGarden())
            {
                garden->MarkFirstUnmarkedBed();
            }
            mWorkPhase = kNoWork;
        }
        break;
    case kDrawingWater:
        if (frame > kPailLiftedAfter)
        {
            if (IsWater(mCrop))
            {
                mCarriedGoods = mCrop;
                if (EntityWaterWell* well = TargetWell())
                {
                    well->ReleasePail();
                }
            }
            mCrop = 0;
            mWorkPhase = kNoWork;
        }
        break;
    case kWatering:
        if (frame > kPouringAfter)
        {
            mPouring += mWalkSpeed * dt * kPourRate;
            if (mPouring > kFullPour)
            {
                mPouring = kFullPour;
                std::int32_t I = 0;
                std::int32_t J = 0;
                GetIJ(I, J);
                if (GameField* field = Field())
                {
                    field->AddCellMark(I, J);
                }
                mWorkPhase = kNoWork;
            }
        }
        break;
    case kHarvesting:
        if (frame > mHarvestFrame)
        {
            AdvanceHarvest(frame);
        }
        break;
    default:
        break;
    }
}

void PersRunGardener::AdvanceHarvest(std::uint32_t frame)
{
    if (mCrop == Plant::kCarrot)
    {
        mSplitDraw = frame < kCarrotOutAt ? 1 : 0;
    }
    else if (mCrop == Plant::kPotatoes)
    {
        mSplitDraw = frame < kDeepCropOutAt ? 1 : 0;
    }
    else if (mCrop == Plant::kWheat)
    {
        mSplitDraw = frame < kDeepCropOutAt ? 1 : 0;
        mBedOver = mSplitDraw;
    }
    if (mCarriedGoods == 0)
    {
        Log("Update ANI_GETPLANT");
        mCarriedGoods = mCrop;
        if (EntityGarden* garden = Garden())
        {
            garden->HarvestCurrentBed();
        }
    }
}

bool PersRunGardener::OnAnimationEnd()
{
    mIdleFlag = 0;
    if (mWaitingForAnimationEnd == 0)
    {
        return true;
    }
    Log("PersRunGardener::EndAnimation !mUseEndAnimation");
    const std::string& name = GetAnimationName();
    if (name == "drip" || name == "magic")
    {
        Stand();
        mBusy = 0;
    }
    else if (name == "getwater")
    {
        WalkTarget target;
        if (EntityGarden* garden = Garden())
        {
            // The bed that waits for the pail; the idle place when none does any more.
            garden->GetWalkTarget(&target, EntityGarden::kIdleTarget);
            garden->GetWalkTarget(&target, EntityGarden::kWaterTarget);
        }
        GoTo(target, 0);
    }
    else if (name == "setwater1")
    {
        mCarriedGoods = 0;
        Stand();
        mBusy = 0;
    }
    else if (mWorkPhase == kHarvesting)
    {
        Log("ANI_GETPLANT");
        mCarriedGoods = mCrop;
        mWorkPhase = kNoWork;
        mSplitDraw = 0;
        mBedOver = 0;
        mBusy = 0;
        Stand();
    }
    else if (mDreamFrame == kDreamStorehouseFull)
    {
        RetryStorehouse();
        mWorkPhase = kNoWork;
    }
    else
    {
        Stand();
        mBusy = 0;
        mWorkPhase = kNoWork;
    }
    mWaitingForAnimationEnd = 0;
    return true;
}

void PersRunGardener::PlayIdle(float dt)
{
    mAnimationTimer += dt;
    if (mAnimationTimer <= kIdleStep)
    {
        return;
    }
    mAnimationTimer = 0.0f;
    std::string name;
    if (mDreamFrame == kDreamStorehouseFull || mDreamFrame == kDreamNoWay)
    {
        name = IdleWithGoods(mCarriedGoods);
        if (IsCrop(mCarriedGoods) && mCarriedGoods != Plant::kTomato)
        {
            mIdleFlag = 1;
        }
        mWorkPhase = kIdling;
    }
    else if (mDreamFrame == kDreamNoWater)
    {
        name = "idle_wat";
        mIdleFlag = 1;
    }
    else
    {
        name = "idle_st0" + std::to_string(1 + Korrin::Rand() % 4);
        mIdleFlag = 1;
    }
    PlayAnimation(name, kKeepFacing);
    mWaitingForAnimationEnd = 1;
    mBusy = 1;
}

std::int32_t PersRunGardener::CarryFrame() const
{
    if (mWorkPhase == kSowing && AnimationFrame() > kSeedsShownAfter)
    {
        return static_cast<std::int32_t>(mCrop) - kSeedFrameBase;
    }
    if (IsWater(mCarriedGoods))
    {
        return kPailFrameBase[mCarriedGoods - kFirstWater] + static_cast<std::int32_t>(mPouring);
    }
    if (mWorkPhase == kNoWork && mCarriedGoods != 0)
    {
        return mCarryCorrectionId;
    }
    return -1;
}

void PersRunGardener::Draw()
{
    Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (skeleton == nullptr || mCarryBone < 0 ||
        static_cast<std::size_t>(mCarryBone) >= skeleton->GetBoneCount())
    {
        return;
    }
    if (mFirstVisitPending != 0)
    {
        if (mHat01 > 0)
        {
            skeleton->GetBone(static_cast<std::uint16_t>(mHat01))->mFrame = 2.0f;
        }
        if (mHat02 > 0)
        {
            skeleton->GetBone(static_cast<std::uint16_t>(mHat02))->mFrame = 1.0f;
        }
    }
    Korrin::Bone* carry = skeleton->GetBone(static_cast<std::uint16_t>(mCarryBone));
    if (const std::int32_t frame = CarryFrame(); frame >= 0)
    {
        carry->mFrame = static_cast<float>(frame);
        if (mWorkPhase == kNoWork && !IsWater(mCarriedGoods))
        {
            ApplyCarriedCorrection(carry, mCarryCorrectionId, mFacing, false);
        }
    }
    if (mSplitDraw != 0)
    {
        DrawSplit();
    }
    else
    {
        mFigure->DrawSkeleton();
    }
    DrawMark();
    if (mMagic != nullptr)
    {
        mMagic->Draw({0.0f, 0.0f});
    }
    if (mUpgradeEffect != nullptr)
    {
        mUpgradeEffect->Draw({0.0f, 0.0f});
    }
}

void PersRunGardener::DrawSplit()
{
    Korrin::Skeleton* skeleton = mFigure->GetSkeleton();
    const Korrin::Bone* carry = skeleton->GetBone(static_cast<std::uint16_t>(mCarryBone));
    for (std::size_t i = 0; i < skeleton->GetBoneCount(); ++i)
    {
        Korrin::Bone* bone = skeleton->GetDrawBone(static_cast<std::uint16_t>(i));
        bone->Draw();
        if (bone != carry)
        {
            continue;
        }
        // The crop comes out of the ground: the bed and its soil are drawn again over the hands.
        std::int32_t I = 0;
        std::int32_t J = 0;
        GetIJ(I, J);
        if (EntityGarden* garden = mBedOver != 0 ? Garden() : nullptr)
        {
            for (std::size_t b = 0; b < EntityGarden::kBeds; ++b)
            {
                Plant& bed = garden->GetBed(b);
                if (bed.GetWalkI() == I && bed.GetWalkJ() == J)
                {
                    bed.Draw();
                }
            }
        }
        if (GameField* field = Field())
        {
            field->ShowCellHighlight(I, J);
        }
    }
}

void PersRunGardener::Save(Korrin::BinaryWriter& out)
{
    PersRun::Save(out);
    out.WriteU8(mWorkPhase);
    out.WriteU32(mHarvestFrame);
    out.WriteU16(mCarryCorrectionId);
    out.WriteU8(mCrop);
    out.WriteF32(mPouring);
    out.WriteU8(mSplitDraw);
    out.WriteU8(mBedOver);
    out.WriteU8(mIdleFlag);
    out.WriteU8(mSowingFlag);
    out.WriteF32(mNagTimer);
}

void PersRunGardener::Load(Korrin::BinaryReader& in)
{
    PersRun::Load(in);
    const std::uint8_t phase = in.ReadU8();
    const std::uint32_t harvestFrame = in.ReadU32();
    const std::uint16_t correction = in.ReadU16();
    const std::uint8_t crop = in.ReadU8();
    const float pouring = in.ReadF32();
    const std::uint8_t splitDraw = in.ReadU8();
    const std::uint8_t bedOver = in.ReadU8();
    const std::uint8_t idle = in.ReadU8();
    const std::uint8_t sowing = in.ReadU8();
    const float nag = in.ReadF32();
    const bool phaseKnown = phase == kNoWork || phase == kSowing || phase == kDrawingWater ||
                            phase == kWatering || phase == kHarvesting || phase == kIdling;
    // Sowing goes on at the garden and drawing water at the well: any other target would be reported.
    const bool targetFits =
        (phase != kSowing || dynamic_cast<EntityGarden*>(mWalkTarget) != nullptr) &&
        (phase != kDrawingWater || dynamic_cast<EntityWaterWell*>(mWalkTarget) != nullptr);
    const bool cropKnown = crop == 0 || IsCrop(crop) || IsWater(crop);
    const bool carriedKnown = mCarriedGoods == 0 || IsCrop(mCarriedGoods) || IsWater(mCarriedGoods);
    const bool correctionKnown =
        correction == 0 || (correction >= kFirstCropFrame && correction <= kLastCropFrame);
    const bool flags = splitDraw <= 1 && bedOver <= 1 && idle <= 1 && sowing <= 1;
    const bool numbers = std::isfinite(pouring) && pouring >= 0.0f && pouring <= kFullPour &&
                         std::isfinite(nag) && nag >= 0.0f;
    if (!in.Ok() || !phaseKnown || !targetFits || !cropKnown || !carriedKnown ||
        harvestFrame > kLastHarvestFrame || !correctionKnown || !flags || !numbers)
    {
        in.Fail();
        return;
    }
    mWorkPhase = phase;
    mHarvestFrame = harvestFrame;
    mCarryCorrectionId = correction;
    mCrop = crop;
    mPouring = pouring;
    mSplitDraw = splitDraw;
    mBedOver = bedOver;
    mIdleFlag = idle;
    mSowingFlag = sowing;
    mNagTimer = nag;
}
