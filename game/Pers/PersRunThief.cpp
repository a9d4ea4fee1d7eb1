#include "game/Pers/PersRunThief.h"

#include "engine/Log/LogManager.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/Random.h"
#include "game/Entity/Entity.h"
#include "game/Entity/PanelControls.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/Level.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Pers/ThiefBag.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr const char* kListFile = "thieflist.lua";
constexpr std::uint32_t kCaughtAchievement = 2;
constexpr std::uint8_t kWalkModeBase = 50;
// The cage stands this far up and left of the figure it closes over.
constexpr float kCageOffsetX = 50.0f;
constexpr float kCageOffsetY = 70.0f;

PersThiefManager* ThiefManager()
{
    PersManager* characters = PersManager::Peek();
    return characters != nullptr ? &characters->GetThiefManager() : nullptr;
}

bool IsStealing(const std::string& animation)
{
    return animation == "stealing" || animation == "stealing1";
}

} // namespace

PersRunThief::PersRunThief() : PersRun(kThief)
{
    mKind = kThief;
}

PersRunThief::~PersRunThief()
{
    ReleaseCage();
}

void PersRunThief::Init()
{
    ClearFigures();
    AddFigure(kThief, kListFile);
    PersRun::Init();
    PlayAnimation("stand", kKeepFacing);
    LoadCage();
    ResetCage();
}

void PersRunThief::LoadCage()
{
    ReleaseCage();
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr)
    {
        return;
    }
    for (std::size_t n = 0; n < mCageFront.size(); ++n)
    {
        const std::string number = std::to_string(n + 1);
        mCageFront[n] = sprites->LoadAnimatedSprite("Cell" + number, kListFile);
        mCageBack[n] = sprites->LoadAnimatedSprite("BackCell" + number, kListFile);
    }
}

void PersRunThief::ReleaseCage()
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    for (auto* list : {&mCageFront, &mCageBack})
    {
        for (Korrin::AnimatedSprite*& sprite : *list)
        {
            if (sprites != nullptr && sprite != nullptr)
            {
                sprites->DeleteSprite(sprite);
            }
            sprite = nullptr;
        }
    }
}

void PersRunThief::ResetCage()
{
    mCageProgress = 0.0f;
    // The cage's look is the level bought in the map shop; the record's final level would never change.
    CostRecord cage;
    const TableCost* table = TableCost::Peek();
    mCageLevel =
        table != nullptr && table->GetCost(kCageId, cage)
            ? std::min<std::uint16_t>(cage.upgradeLevel, static_cast<std::uint16_t>(mCageFront.size() - 1))
            : 0;
}

float PersRunThief::GetCageFull() const
{
    const Korrin::AnimatedSprite* front = mCageFront[mCageLevel];
    return front != nullptr ? static_cast<float>(front->GetFrameCount()) : 0.0f;
}

void PersRunThief::Reset()
{
    ResetCage();
}

void PersRunThief::SetActive(bool on)
{
    PersRun::SetActive(on);
    ResetCage();
    mHidden = 1;
}

bool PersRunThief::IsPointInside(const Korrin::Vector2& point)
{
    return mHidden == 0 && PersRun::IsPointInside(point);
}

bool PersRunThief::TryClick()
{
    if (mHidden != 0 || !PersRun::TryClick())
    {
        return false;
    }
    Korrin::PlaySoundOnce("Cage");
    CatchStep();
    return true;
}

void PersRunThief::CatchStep()
{
    if (IsStealing(GetAnimationName()))
    {
        PlayAnimation("stand", kKeepFacing);
    }
    mCageProgress += kCatchStep;
    const float full = GetCageFull();
    if (mCageProgress > full)
    {
        mCageProgress = full;
        Caught();
    }
}

void PersRunThief::Caught()
{
    const Korrin::Vector2 where = mPosition;
    const Korrin::Vector2 root = GetRootPosition();
    SetActive(false);
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("AddCellTimeFrame");
    }
    if (const Level* level = Level::Peek())
    {
        if (auto* bags = dynamic_cast<ThiefBag*>(level->Find("ThiefBagList")))
        {
            bags->AddBag(where.x, where.y);
        }
    }
    if (GameParticleManager* particles = GameParticleManager::Peek())
    {
        particles->AddParticleToDQ(kParticleDeleteThief, {root.x, root.y - 40.0f});
    }
    Korrin::PlaySoundOnce("catch_thief");
    if (AchievementSystem* achievements = AchievementSystem::Peek())
    {
        achievements->AddProgress(kCaughtAchievement, 1);
    }
}

void PersRunThief::ChooseNextTarget()
{
    PersThiefManager* manager = ThiefManager();
    const PersThiefManager::Target* target = manager != nullptr ? manager->ChooseTarget() : nullptr;
    // With nothing to rob the thief stands where he is.
    if (target == nullptr || target->entity == nullptr)
    {
        PlayAnimation("stand", kKeepFacing);
        return;
    }
    mTargetSlot = target->part;
    WalkTarget walk;
    target->entity->GetWalkTarget(&walk, static_cast<std::uint8_t>(target->part + kWalkModeBase));
    if (GoTo(walk, 0))
    {
        mHidden = 0;
    }
    else
    {
        PlayAnimation("stand", kKeepFacing);
    }
}

void PersRunThief::OnPathEnd(std::int32_t I, std::int32_t J)
{
    PersThiefManager* manager = ThiefManager();
    if (mWalkTarget == nullptr || manager == nullptr || !manager->MayStealHere(this) ||
        mWalkTarget->IsEmptyFor(mTargetSlot, I, J))
    {
        ChooseNextTarget();
        return;
    }
    PlayAnimation(mWalkTarget->GetType() == Entity::kGarden ? "stealing1" : "stealing", kKeepFacing);
}

bool PersRunThief::OnAnimationEnd()
{
    const std::string animation = GetAnimationName();
    if (animation == "firstrun")
    {
        PlayAnimation((Korrin::Rand() & 1) != 0 ? "bush" : "bush1", kKeepFacing);
    }
    else if (animation == "bush" || animation == "bush1")
    {
        PlayAnimation("tremble", kKeepFacing);
        Korrin::PlaySoundOnce("rustle_thief");
    }
    else if (animation == "tremble")
    {
        PlayAnimation("standshort", kKeepFacing);
        if (GameParticleManager* particles = GameParticleManager::Peek())
        {
            const Korrin::Vector2 root = GetRootPosition();
            particles->AddParticleToDQ(kParticleBushThief, {root.x - 20.0f, root.y - 40.0f});
        }
    }
    else if (animation == "standshort")
    {
        ChooseNextTarget();
    }
    else if (animation == "stand")
    {
        if (mPath.empty())
        {
            ChooseNextTarget();
        }
    }
    else if (IsStealing(animation))
    {
        if (mWalkTarget != nullptr)
        {
            std::int32_t I = 0;
            std::int32_t J = 0;
            GetIJ(I, J);
            mWalkTarget->Interact(mTargetSlot, I, J);
        }
        ChooseNextTarget();
    }
    return true;
}

bool PersRunThief::Update(float dt)
{
    mCageProgress = std::max(0.0f, mCageProgress - dt);
    PersRun::Update(dt);
    return true;
}

void PersRunThief::Draw()
{
    if (mFigure == nullptr || mFigure->GetSkeleton() == nullptr)
    {
        return;
    }
    const Korrin::Vector2 root = GetRootPosition();
    const int x = static_cast<int>(root.x - kCageOffsetX);
    const int y = static_cast<int>(root.y - kCageOffsetY);
    const auto frame = static_cast<std::uint16_t>(mCageProgress);
    // The cage stands only while it closes: its first frames already show the back wall and the bars'
    // top, which would cage every thief on the run.
    Korrin::AnimatedSprite* back = mCageProgress > 0.0f ? mCageBack[mCageLevel] : nullptr;
    Korrin::AnimatedSprite* front = mCageProgress > 0.0f ? mCageFront[mCageLevel] : nullptr;
    if (back != nullptr)
    {
        back->DrawFrame(frame, x, y);
    }
    PersRun::Draw();
    if (front != nullptr)
    {
        front->DrawFrame(frame, x, y);
    }
}

void PersRunThief::Save(Korrin::BinaryWriter& out)
{
    PersRun::Save(out);
    out.WriteU8(mHidden);
    out.WriteU8(mTargetSlot);
    out.WriteF32(mCageProgress);
}

void PersRunThief::Load(Korrin::BinaryReader& in)
{
    PersRun::Load(in);
    const std::uint8_t hidden = in.ReadU8();
    const std::uint8_t slot = in.ReadU8();
    const float progress = in.ReadF32();
    if (!in.Ok() || hidden > 1 || slot >= kTargetSlots || !std::isfinite(progress) || progress < 0.0f)
    {
        in.Fail();
        return;
    }
    mHidden = hidden;
    mTargetSlot = slot;
    mCageProgress = progress;
}
