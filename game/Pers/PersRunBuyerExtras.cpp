#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Animation.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/Random.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Entity/StoreEntityServices.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Pers/PersRunBuyer.h"

#include <algorithm>
#include <cmath>

// What the player sees of a buyer besides its walk: the bubble's counts and complaints, the small
// performance some kinds give once on the way to the queue, the finger inviting a click during it, and
// the turning while it waits in the queue.

namespace
{
constexpr float kSleepSeconds = 5.0f;
constexpr float kAwakeTimer = -5.0f;
constexpr float kTurnPeriod = 0.25f;
constexpr float kFingerFramesPerSecond = 8.0f;
constexpr float kBlinkSpeed = 4.0f;
constexpr float kComplaintSteadySeconds = 1.0f;
// The bubble frames of the three climbing complaints.
constexpr std::int32_t kFirstComplaintFrame = 35;
constexpr std::int32_t kLastComplaintFrame = 37;
// The professor's effect shows once his eating is past this key frame.
constexpr std::uint16_t kProfessorEffectKey = 18;
// The counts sit at this place of the bubble.
const Korrin::Vector2 kDigitsOffset{49.0f, 36.0f};

} // namespace

Korrin::Vector2 PersRunBuyer::KindFingerOffset(std::uint8_t kind)
{
    switch (kind)
    {
    case kSleeper:
        return {20.0f, -124.0f};
    case 150:
        return {20.0f, -130.0f};
    default:
        return KindHasExtra(kind) ? Korrin::Vector2{20.0f, -140.0f} : Korrin::Vector2{};
    }
}

void PersRunBuyer::PickExtraStop()
{
    mExtraStops.clear();
    mRunCells.clear();
    if (mPath.size() < 2)
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Path is too small!!");
        }
        return;
    }
    for (std::size_t k = 1; k + 1 < mPath.size(); ++k)
    {
        if (mPath[k - 1].J == mPath[k].J && mPath[k + 1].J == mPath[k].J)
        {
            if (Korrin::LogManager* log = Korrin::LogManager::Peek())
            {
                log->Write("value added to queue - %i; %i", mPath[k].I, mPath[k].J);
            }
            mRunCells.push_back(mPath[k]);
        }
    }
    if (mRunCells.empty())
    {
        return;
    }
    // The clock's seconds: under a fixed step they count frames, so a scripted run repeats.
    const Korrin::TimerManager* timer = Korrin::TimerManager::Peek();
    Korrin::SeedRand(static_cast<std::uint32_t>(timer != nullptr ? timer->GetElapsed() : 0.0f));
    if (KindHasExtra(mKind))
    {
        mExtraStops.push_back(mRunCells[static_cast<std::size_t>(Korrin::Rand()) % mRunCells.size()]);
    }
}

bool PersRunBuyer::StartExtraIfAtStop()
{
    IJ here;
    GetIJ(here.I, here.J);
    if (mHold != 0 || std::find(mExtraStops.begin(), mExtraStops.end(), here) == mExtraStops.end())
    {
        return false;
    }
    PlayAnimation("walk_idle", kKeepFacing);
    if (!mPath.empty())
    {
        mPath.erase(mPath.begin());
    }
    mExtraStops.clear();
    mKeptSpeed = mWalkSpeed;
    mHold = 1;
    if (mKind == kPrincess)
    {
        mKeptWish = GetFrameIndexDream();
        SetDream(kPrincessWish);
    }
    else if (mKind == kProfessor)
    {
        mMonsterPosition = {FieldGeometry::CellX(here.I) + 32.0f, FieldGeometry::CellY(here.J)};
    }
    else if (mKind == kMusician)
    {
        Korrin::PlaySoundOnce("musician_extra");
    }
    return true;
}

void PersRunBuyer::StartProfessorExtra()
{
    // His monster eats at the stop: he lets go of the player's hand and hides his wish meanwhile.
    if (Level* level = Level::Peek())
    {
        level->SetPendingObject(nullptr);
    }
    ClearHover();
    ClearPressed();
    if (mMonster != nullptr)
    {
        mMonster->SetAnimation("eat_monster");
        mMonster->GetState().mTime = 0.0f;
    }
    StoreEntityServices::PlaySoundOrLog("professor_extra");
    mKeptWish = GetFrameIndexDream();
    SetDream(-1);
    mWalkSpeed = mKeptSpeed;
}

bool PersRunBuyer::StepExtras()
{
    const std::string animation = GetAnimationName();
    if (animation == "walk_idle")
    {
        if (mKind != kSleeper && mKind != kProfessor)
        {
            mWalkSpeed = mKeptSpeed;
            mAnimationSpeed = mKeptSpeed;
            return false;
        }
        PlayAnimation("extra", kKeepFacing);
        if (mKind == kProfessor)
        {
            StartProfessorExtra();
        }
        return true;
    }
    if (animation == "extra")
    {
        if (mKind == kSleeper)
        {
            PlayAnimation("sleep", kKeepFacing);
            mSleepTimer = kSleepSeconds;
        }
        else if (mKind == kProfessor)
        {
            PlayAnimation("run", kKeepFacing);
            SetDream(mKeptWish);
        }
        else
        {
            mWalkSpeed = mKeptSpeed;
        }
        return true;
    }
    if (animation == "sleep")
    {
        mWalkSpeed = kWalkSpeed;
        return true;
    }
    if (animation == "awake")
    {
        mWalkSpeed = mKeptSpeed;
        PlayAnimation("run", kKeepFacing);
        return true;
    }
    if (animation == "doesnt_awake")
    {
        // Clicked while asleep: it sleeps on until its time is up.
        mWalkSpeed = kWalkSpeed;
        PlayAnimation("sleep", kKeepFacing);
        return true;
    }
    return false;
}

bool PersRunBuyer::InExtra() const
{
    return mKind == kProfessor && GetAnimationName() == "extra";
}

void PersRunBuyer::UpdateBubbleBlink(float dt)
{
    if (mDreamFrame >= kFirstComplaintFrame && mDreamFrame <= kLastComplaintFrame)
    {
        mBubbleCountdown = std::max(mBubbleCountdown - dt, 0.0f);
        if (mBubbleCountdown == 0.0f)
        {
            mBlinkPhase += kBlinkSpeed * dt;
            if (mDream != nullptr)
            {
                mDream->SetColour(1.0f, 1.0f, 1.0f, std::fabs(std::sin(mBlinkPhase)));
            }
        }
        return;
    }
    mBlinkPhase = 0.0f;
    mBubbleCountdown = kComplaintSteadySeconds;
    if (mDream != nullptr)
    {
        mDream->SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    }
}

float PersRunBuyer::GetBubbleAlpha() const
{
    return mDream != nullptr ? mDream->GetColour().alpha : 1.0f;
}

void PersRunBuyer::UpdateMonster(float dt)
{
    if (!InExtra() || mMonster == nullptr)
    {
        return;
    }
    mMonster->SetMirror(mFacing == kRight ? 1 : 0);
    mMonster->Advance(mAnimationSpeed * dt, kLeft);
    if (mEffectShown == 0 && mFigure != nullptr && mFigure->GetCurrent() != nullptr &&
        mFigure->GetState().mLastKeyFrame > kProfessorEffectKey)
    {
        ShowProfessorEffect();
    }
}

void PersRunBuyer::ShowProfessorEffect()
{
    mEffectShown = 1;
    const Korrin::Vector2 place = mFacing == kRight
                                      ? Korrin::Vector2{mPosition.x + 15.0f, mPosition.y + 30.0f}
                                      : Korrin::Vector2{mPosition.x - 25.0f, mPosition.y + 30.0f};
    if (GameParticleManager* effects = GameParticleManager::Peek())
    {
        effects->AddParticleToDQ(kParticleProfessor, place);
    }
}

bool PersRunBuyer::Update(float dt)
{
    if (mKind == kSleeper)
    {
        if (mSleepTimer > 0.0f)
        {
            mSleepTimer -= dt;
        }
        else if (GetAnimationName() == "sleep")
        {
            PlayAnimation("awake", kKeepFacing);
            mSleepTimer = kAwakeTimer;
        }
    }
    UpdateBubbleBlink(dt);
    if (GetAnimationName() == "walk_idle" && mFinger != nullptr)
    {
        mFingerTimer += kFingerFramesPerSecond * dt;
        if (mFingerTimer >= static_cast<float>(mFinger->GetFrameCount()) - 1.0f)
        {
            mFingerTimer = 0.0f;
        }
    }
    UpdateMonster(dt);
    PlayIdle(dt);
    return PersRun::Update(dt);
}

void PersRunBuyer::PlayIdle(float dt)
{
    if (mQueuePlace < 0 || GetAnimationName() != "stand")
    {
        return;
    }
    mAnimationTimer += dt;
    if (mAnimationTimer > kTurnPeriod)
    {
        mAnimationTimer = 0.0f;
        PlayAnimation("turn" + std::to_string(Korrin::Rand() % 3 + 1), kKeepFacing);
    }
}

void PersRunBuyer::Draw()
{
    const bool extra = GetAnimationName() == "extra";
    const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (!extra && mCarriedGoods != 0 && skeleton != nullptr && mCarryBone >= 0 &&
        static_cast<std::size_t>(mCarryBone) < skeleton->GetBoneCount())
    {
        Korrin::Bone* bone = skeleton->GetBone(static_cast<std::uint16_t>(mCarryBone));
        if (bone->mFrame > 0.0f)
        {
            const auto frame = static_cast<std::uint32_t>(GetGoodsIndex(mCarriedGoods) + 1);
            const std::string& name = GetAnimationName();
            ApplyCarriedCorrection(bone, frame, mFacing, name == "drope" || name == "drope1");
        }
    }
    PersRun::Draw();
    if (InExtra() && mMonster != nullptr)
    {
        mMonster->DrawSkeleton();
    }
}

void PersRunBuyer::DrawDream()
{
    PersRun::DrawDream();
    if (mBubbleHidden != 0 || mFigure == nullptr)
    {
        return;
    }
    if (!InExtra() && GetFrameIndexDream() > 0 && mDreamFrame >= 0)
    {
        const Korrin::Vector2 at{mBubblePosition.x + kDigitsOffset.x, mBubblePosition.y + kDigitsOffset.y};
        if (mReservedDigits != nullptr)
        {
            mReservedDigits->DrawFrameAt(at, mQueueWord);
        }
        if (mWantedDigits != nullptr)
        {
            mWantedDigits->DrawFrameAt(at, static_cast<std::uint16_t>(mWantedCount));
        }
    }
    if (GetAnimationName() == "walk_idle" && mFinger != nullptr)
    {
        IJ here;
        GetIJ(here.I, here.J);
        const Korrin::Vector2 offset = KindFingerOffset(mKind);
        mFinger->DrawFrameAt(
            {FieldGeometry::CellX(here.I) + offset.x, FieldGeometry::CellY(here.J) + offset.y},
            static_cast<std::uint16_t>(mFingerTimer));
    }
}
