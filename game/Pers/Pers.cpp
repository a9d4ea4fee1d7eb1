#include "game/Pers/Pers.h"

#include "engine/App/TimerManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Bone.h"
#include "engine/Render/Skeleton.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "game/Entity/CorrectionTable.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/LevelLookup.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/Level.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr std::uint8_t kCarriedSuffixKind = 145;
constexpr float kPi = std::numbers::pi_v<float>;

Korrin::ParticleSystem* RunningEffect(const char* name)
{
    Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek();
    if (particles == nullptr)
    {
        return nullptr;
    }
    Korrin::ParticleSystem* system = particles->CreateParticleSystem(std::string(name) + ".particle", name);
    for (std::size_t i = 0; i < system->GetEmitterCount(); ++i)
    {
        system->GetBaseParticleSystem(i)->SetActive(false);
    }
    return system;
}

void DeleteEffect(Korrin::ParticleSystem* system)
{
    if (Korrin::ParticleManager* particles = Korrin::ParticleManager::Peek(); particles && system)
    {
        particles->DeleteParticleSystem(system);
    }
}

void DeleteDrawable(Korrin::NullSprite* sprite)
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek(); sprites && sprite)
    {
        sprites->DeleteSprite(sprite);
    }
}

bool AnyEmitterActive(Korrin::ParticleSystem* system)
{
    return system != nullptr && system->HasActiveEmitter();
}

bool IsWorkerType(std::uint8_t type)
{
    return type == Pers::kGardener || type == Pers::kErrandBoy || type == Pers::kFairy;
}

} // namespace

Pers::Pers(std::uint8_t type) : mCorrections(std::make_unique<CorrectionTable>())
{
    mType = type;
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

Pers::~Pers()
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("Pers::~Pers()");
    }
    ClearFigures();
    DeleteDrawable(mMark);
    DeleteDrawable(mDream);
    for (Korrin::ParticleSystem* effect : mPathEffects)
    {
        DeleteEffect(effect);
    }
    mCorrections.reset();
    DeleteEffect(mUpgradeEffect);
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Unregister(this);
    }
}

void Pers::TakeCostRecord()
{
    const TableCost* table = TableCost::Peek();
    if (table == nullptr || !table->GetCost(mType, mCost))
    {
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("Don't find cost");
        }
    }
}

void Pers::ClearFigures()
{
    mFigure = nullptr;
    mFigureIndex = 0;
    mFigures.clear();
}

void Pers::AddFigure(std::int32_t listId, const std::string& listFile)
{
    mFigures.push_back(std::make_unique<PersAnimatedManager>(listId, listFile, &mPosition));
}

void Pers::Init()
{
    // A character whose look has no figure stands still and draws nothing.
    if (!mFigures.empty())
    {
        SetPersAnimated(0);
    }
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        DeleteDrawable(mMark);
        DeleteDrawable(mDream);
        mMark = sprites->CreateSprite("mark.png");
        mMark->SetSrcRect(0, 0, 78, 45);
        mDream = sprites->LoadAnimatedSprite("CharDream", "CharDream.lua");
    }
    LoadEffects();
    FindCarryBone();
    float x = 0.0f;
    float y = 0.0f;
    if (ReadSkeletonNumber("OffsetCenterHeadX", x) && ReadSkeletonNumber("OffsetCenterHeadY", y))
    {
        mHeadOffset = {x, y};
    }
}

void Pers::LoadEffects()
{
    for (Korrin::ParticleSystem* effect : mPathEffects)
    {
        DeleteEffect(effect);
    }
    mPathEffects.clear();
    for (const char* name : {"char_path", "char_endpath"})
    {
        if (Korrin::ParticleSystem* effect = RunningEffect(name))
        {
            mPathEffects.push_back(effect);
        }
    }
    DeleteEffect(mUpgradeEffect);
    mUpgradeEffect = IsWorkerType(mType) ? RunningEffect("UpgradeUpPersPS") : nullptr;
}

void Pers::FindCarryBone()
{
    mCarryBone = -1;
    const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (skeleton == nullptr)
    {
        return;
    }
    for (std::size_t i = 0; i < skeleton->GetBoneCount(); ++i)
    {
        if (skeleton->GetBone(static_cast<std::uint16_t>(i))->GetName() == "obj_right")
        {
            mCarryBone = static_cast<std::int32_t>(i);
        }
    }
}

bool Pers::ReadSkeletonNumber(const char* name, float& value) const
{
    const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (skeleton == nullptr || skeleton->GetFileName().empty())
    {
        return false;
    }
    Korrin::LuaScript script;
    script.LoadFile(skeleton->GetFileName(), Korrin::LuaScript::IfMissing::Log);
    Korrin::LuaStackGuard guard(script.GetState());
    const LuaValue number = script.GetGlobal(name);
    if (lua_type(number.GetState(), number.GetIndex()) != LUA_TNUMBER || !std::isfinite(number.ToFloat()))
    {
        return false;
    }
    value = number.ToFloat();
    return true;
}

void Pers::SetPersAnimated(std::uint16_t index)
{
    if (index >= mFigures.size())
    {
        Korrin::ReportAndBreak("Error Pers::SetPersAnimated s=" + std::to_string(mFigures.size()) +
                                   "i=" + std::to_string(index),
                               Korrin::kGameModule, "Source\\Pers\\Pers", 170);
        return;
    }
    mFigureIndex = index;
    mFigure = mFigures[index].get();
}

void Pers::SetDirection(std::uint8_t facing)
{
    mFacing = facing;
    if ((facing == kLeft || facing == kRight) && mFigure != nullptr)
    {
        mFigure->SetMirror(facing);
    }
}

std::uint16_t Pers::GetNextFrameId() const
{
    return CostRecord::GetLevelValue(static_cast<std::uint16_t>(mUpgradeLevel + 1), mCost);
}

void Pers::ChangeGui()
{
    if (mHomeEntity != nullptr)
    {
        mHomeEntity->ChangeGui();
    }
}

void Pers::OnGuiEvent()
{
    if (mHomeEntity != nullptr)
    {
        mHomeEntity->OnGuiEvent();
    }
}

Korrin::Vector2 Pers::GetRootPosition() const
{
    const Korrin::Skeleton* skeleton = mFigure != nullptr ? mFigure->GetSkeleton() : nullptr;
    if (skeleton == nullptr || skeleton->GetRoot() == nullptr)
    {
        return mPosition;
    }
    return skeleton->GetRoot()->mWorldPosition;
}

const std::string& Pers::GetAnimationName() const
{
    static const std::string kNoName;
    return mFigure != nullptr ? mFigure->GetAnimationName() : kNoName;
}

bool Pers::IsPointInside(const Korrin::Vector2& point)
{
    if (mFigure == nullptr)
    {
        return false;
    }
    const Korrin::Vector2 root = GetRootPosition();
    mRect = {root.x - 32.0f, root.y - 64.0f, root.x + 32.0f, root.y + 32.0f};
    if (point.x < mRect.left || point.x > mRect.right || point.y < mRect.top || point.y > mRect.bottom)
    {
        return false;
    }
    mHover = 1;
    return true;
}

bool Pers::TryClick()
{
    if (!Clickable::TryClick())
    {
        return false;
    }
    ShowPath();
    Clickable* selection = nullptr;
    if (mHomeEntity != nullptr)
    {
        mHomeEntity->SetHover(1);
        mHomeEntity->SetPanelMode(3);
        mHomeEntity->TryClick();
        selection = mHomeEntity;
    }
    if (Level* level = Level::Peek())
    {
        level->SetPendingObject(selection);
    }
    return true;
}

bool Pers::SelectsHomeOnClick() const
{
    return IsWorkerType(GetType());
}

bool Pers::HasPanelPage() const
{
    return GetType() != kBuyer && GetType() != kThief;
}

void Pers::SetActive(bool on)
{
    mSelectable = on ? 1 : 0;
    mFirstVisitPending = on ? 1 : 0;
    mCarriedGoods = 0;
    mActive = on ? 1 : 0;
    SetDream(kNoDream);
    if (on)
    {
        if (!mFigures.empty())
        {
            SetPersAnimated(0);
        }
        mUpgradeLevel = 0;
    }
}

bool Pers::Upgrade()
{
    ++mUpgradeLevel;
    if (mUpgradeLevel > mCost.upgradeLevel)
    {
        mUpgradeLevel = mCost.upgradeLevel;
        return false;
    }
    Korrin::PlaySoundOnce("upgrade");
    if (mUpgradeEffect != nullptr)
    {
        mUpgradeEffect->SetPosition(mPosition);
        mUpgradeEffect->Restart();
    }
    return true;
}

void Pers::SetIJ(std::int32_t I, std::int32_t J)
{
    mPosition = {FieldGeometry::CellX(I), FieldGeometry::CellY(J)};
}

void Pers::GetIJ(std::int32_t& I, std::int32_t& J) const
{
    I = static_cast<std::int32_t>((mPosition.x - FieldGeometry::kOriginX) / FieldGeometry::kCellWidth);
    J = static_cast<std::int32_t>((mPosition.y - FieldGeometry::kOriginY) / FieldGeometry::kCellHeight);
}

std::string Pers::GetAnimationVariant(const std::string& name) const
{
    return mCarriedGoods > 0 ? name + "1" : name;
}

void Pers::PlayAnimation(const std::string& name, std::uint8_t facing)
{
    if (mFigure == nullptr)
    {
        return;
    }
    if (facing != kKeepFacing)
    {
        SetDirection(facing);
    }
    if (mFigure->SetAnimation(GetAnimationVariant(name)))
    {
        mAnimationTimer = 0.0f;
    }
}

bool Pers::GoTo(const WalkTarget& /*target*/, std::uint8_t /*mode*/)
{
    return true;
}

void Pers::UpdatePathEffects(float dt)
{
    for (Korrin::ParticleSystem* effect : mPathEffects)
    {
        effect->Update(dt);
    }
    if (mPathEffects.size() < 2 || mPathEffects[0]->GetEmitterCount() == 0)
    {
        return;
    }
    const Korrin::Moveable& marker = mPathEffects[0]->GetBaseParticleSystem(0)->GetPath();
    if (marker.GetCount() == 0)
    {
        return;
    }
    // The end marker shows once, when the moving marker arrives.
    if (!AnyEmitterActive(mPathEffects[1]) && AnyEmitterActive(mPathEffects[0]) &&
        marker.GetTravelled() == marker.GetKey(marker.GetCount() - 1))
    {
        mPathEffects[1]->Restart();
    }
}

bool Pers::Update(float dt)
{
    if (mFigure == nullptr)
    {
        return true;
    }
    UpdatePathEffects(dt);
    if (mUpgradeEffect != nullptr)
    {
        mUpgradeEffect->Update(dt);
    }
    if (mFigure->Advance(dt * mAnimationSpeed, mFacing))
    {
        return OnAnimationEnd();
    }
    return true;
}

void Pers::Draw()
{
    if (mFigure == nullptr)
    {
        return;
    }
    mFigure->DrawSkeleton();
    DrawMark();
    if (mUpgradeEffect != nullptr)
    {
        mUpgradeEffect->Draw({0.0f, 0.0f});
    }
}

void Pers::DrawMark()
{
    const Korrin::Vector2 root = GetRootPosition();
    const Korrin::TimerManager* timer = Korrin::TimerManager::Peek();
    const float t = (timer != nullptr ? timer->GetElapsed() : 0.0f) * 7.0f;
    if ((mPressed > kNone || mHover > kNone) && mMark != nullptr)
    {
        mMark->DrawEx(root.x, root.y, 1.0f + 0.1f * std::sin(t), 1.0f + 0.1f * std::cos(t), 0.0f, 0.0f, 0.0f);
    }
    for (Korrin::ParticleSystem* effect : mPathEffects)
    {
        effect->Draw({0.0f, 0.0f});
    }
}

bool Pers::HasDream() const
{
    return mDreamFrame >= 0 && mFigure != nullptr &&
           !(mKind == kCarriedSuffixKind && GetAnimationName() == "extra");
}

bool Pers::IsAtStorehouse(const Korrin::Vector2& root) const
{
    const EntityManager* entities = LevelLookup::Entities();
    const Entity* storehouse = entities != nullptr ? entities->GetEntity(Entity::kStorehouse) : nullptr;
    if (storehouse == nullptr)
    {
        return false;
    }
    const Korrin::Rect& box = storehouse->GetRect();
    return box.left - 50.0f <= root.x && root.x <= box.right + 50.0f && box.top <= root.y &&
           root.y <= box.bottom;
}

bool Pers::FindDreamPosition(Korrin::Vector2& at) const
{
    if (!HasDream())
    {
        return false;
    }
    const Korrin::Vector2 root = GetRootPosition();
    if (IsAtStorehouse(root))
    {
        return false;
    }
    const float a = root.x / 1024.0f * kPi / 2.0f + kPi / 4.0f;
    at = {std::cos(a) * 65.0f - 50.0f + root.x + mHeadOffset.x,
          std::sin(a) * -100.0f + 25.0f + root.y + mHeadOffset.y};
    return true;
}

void Pers::DrawDream()
{
    mBubbleHidden = 0;
    if (!HasDream())
    {
        return;
    }
    Korrin::Vector2 at;
    if (!FindDreamPosition(at))
    {
        mBubbleHidden = 1;
        return;
    }
    mBubblePosition = {at.x, at.y - mDreamLift};
    if (mDream == nullptr)
    {
        return;
    }
    const auto frame = static_cast<std::uint16_t>(std::min(mDreamFrame, 0xFFFF));
    if (mDreamLift > 0.0f)
    {
        DrawRaisedDream(frame);
        return;
    }
    mDream->DrawFrameAt(mBubblePosition, frame);
}

void Pers::PlanDreamTail(std::span<const Korrin::Vector2> placed)
{
    mDreamTail.Clear();
    Korrin::Vector2 at;
    if (mDreamLift > 0.0f && FindDreamPosition(at))
    {
        const Korrin::Vector2 root = GetRootPosition();
        mDreamTail.Plan({at.x, at.y - mDreamLift}, at, {root.x + mHeadOffset.x, root.y + mHeadOffset.y},
                        placed);
    }
}

void Pers::DrawRaisedDream(std::uint16_t frame)
{
    // Whole pixels, as an unraised bubble is drawn, so that the two parts meet without a seam.
    const float x = std::trunc(mBubblePosition.x);
    const float y = std::trunc(mBubblePosition.y);
    const float right = x + DreamTail::kFrameWidth;
    const float bottom = y + DreamTail::kFrameHeight;
    mDream->DrawFrameInRect(frame, x, y, {x + DreamTail::kTailRight, y, right, bottom});
    mDream->DrawFrameInRect(frame, x, y, {x, y, x + DreamTail::kTailRight, y + DreamTail::kTailTop});
    for (std::size_t index = 0; index < mDreamTail.GetCount(); ++index)
    {
        const DreamTail::Puff& puff = mDreamTail.GetPuff(index);
        const Korrin::Vector2& source = puff.big ? DreamTail::kBigPuff : DreamTail::kSmallPuff;
        const float reach = (puff.big ? DreamTail::kBigRadius : DreamTail::kSmallRadius) + 0.5f;
        const float left = std::round(puff.centre.x - source.x);
        const float top = std::round(puff.centre.y - source.y);
        const Korrin::Vector2 drawn{left + source.x, top + source.y};
        mDream->DrawFrameInRect(frame, left, top,
                                {drawn.x - reach, drawn.y - reach, drawn.x + reach, drawn.y + reach});
    }
}

void Pers::ApplyCarriedCorrection(Korrin::Bone* bone, std::uint32_t id, std::uint8_t facing, bool scaleOnly)
{
    if (bone == nullptr || mFigure == nullptr)
    {
        return;
    }
    const Correction* c = mCorrections->Find(GetAnimationName(), id);
    if (c == nullptr)
    {
        return;
    }
    bone->mScale = {c->sX, c->sY};
    if (!scaleOnly)
    {
        bone->mAngle = facing == kRight ? -c->angle : c->angle;
        bone->mOffset = {c->pX, c->pY};
        if (const Korrin::Bone* parent = bone->GetParent())
        {
            float ox = c->pX * c->sX;
            float oy = c->pY * c->sY;
            if (bone->mMirrorHorizontal)
            {
                ox = -ox;
            }
            if (bone->mMirrorVertical)
            {
                oy = -oy;
            }
            const float r = bone->mAngle;
            bone->mWorldPosition = {parent->mWorldPosition.x + ox * std::cos(r) - oy * std::sin(r),
                                    parent->mWorldPosition.y + ox * std::sin(r) + oy * std::cos(r)};
        }
    }
    bone->mFrame = static_cast<float>(id);
}

void Pers::Save(Korrin::BinaryWriter& out)
{
    if (mFigure == nullptr)
    {
        return;
    }
    out.WriteU16(mFigureIndex);
    out.WriteU8(mFacing);
    out.WriteU16(mUpgradeLevel);
    out.WriteU8(mActive);
    out.WriteI32(mDreamFrame);
    out.WriteU8(mBusy);
    out.WriteI32(mCarryBone);
    out.WriteU8(mCarriedGoods);
    out.WriteF32(mAnimationSpeed);
    out.WriteF32(mWalkSpeed);
    out.WriteU8(mFirstVisitPending);
    out.WriteF32(mAnimationTimer);
    out.WriteU16(mQueueWord);
    out.WriteU8(mKind);
    out.WriteU8(mClicked);
    out.WriteU8(mSelectable);
    out.WriteU8(mType);
    mFigure->Save(out);
    out.WriteI32(mTargetCell.I);
    out.WriteI32(mTargetCell.J);
    out.WriteI32(mWalkTarget != nullptr ? static_cast<std::int32_t>(mWalkTarget->GetSaveId()) : -1);
}

void Pers::Load(Korrin::BinaryReader& in)
{
    if (mFigure == nullptr)
    {
        return;
    }
    const std::uint16_t figureIndex = in.ReadU16();
    const std::uint8_t facing = in.ReadU8();
    const std::uint16_t upgradeLevel = in.ReadU16();
    const std::uint8_t active = in.ReadU8();
    const std::int32_t dreamFrame = in.ReadI32();
    const std::uint8_t busy = in.ReadU8();
    const std::int32_t carryBone = in.ReadI32();
    const std::uint8_t carriedGoods = in.ReadU8();
    const float animationSpeed = in.ReadF32();
    const float walkSpeed = in.ReadF32();
    const std::uint8_t firstVisitPending = in.ReadU8();
    const float animationTimer = in.ReadF32();
    const std::uint16_t queueWord = in.ReadU16();
    const std::uint8_t kind = in.ReadU8();
    const std::uint8_t clicked = in.ReadU8();
    const std::uint8_t selectable = in.ReadU8();
    const std::uint8_t type = in.ReadU8();
    const Korrin::Skeleton* skeleton =
        figureIndex < mFigures.size() ? mFigures[figureIndex]->GetSkeleton() : nullptr;
    const auto bones = static_cast<std::int32_t>(skeleton != nullptr ? skeleton->GetBoneCount() : 0);
    const bool upgradeInRange = upgradeLevel == 0 || upgradeLevel < mCost.rows.size();
    if (!in.Ok() || figureIndex >= mFigures.size() || facing > kDown || !upgradeInRange || carryBone < -1 ||
        carryBone >= bones || !std::isfinite(animationSpeed) || !std::isfinite(walkSpeed) ||
        !std::isfinite(animationTimer) || kind != mKind || type != mType)
    {
        in.Fail();
        return;
    }
    mFigureIndex = figureIndex;
    mFacing = facing;
    mUpgradeLevel = upgradeLevel;
    mActive = active;
    mDreamFrame = dreamFrame;
    mBusy = busy;
    mCarryBone = carryBone;
    mCarriedGoods = carriedGoods;
    mAnimationSpeed = animationSpeed;
    mWalkSpeed = walkSpeed;
    mFirstVisitPending = firstVisitPending;
    mAnimationTimer = animationTimer;
    mQueueWord = queueWord;
    mClicked = clicked;
    mSelectable = selectable;
    LoadFigureAndTarget(in);
}

void Pers::LoadFigureAndTarget(Korrin::BinaryReader& in)
{
    SetPersAnimated(mFigureIndex);
    mFigure->Load(in);
    if (!in.Ok())
    {
        return;
    }
    if (mFacing == kLeft || mFacing == kRight)
    {
        mFigure->SetMirror(mFacing);
    }
    // Poses the skeleton at the restored time.
    mFigure->Advance(0.0f, mFacing);
    mTargetCell.I = in.ReadI32();
    mTargetCell.J = in.ReadI32();
    const std::int32_t walkTarget = in.ReadI32();
    const EntityManager* entities = LevelLookup::Entities();
    mWalkTarget = walkTarget >= 0 && entities != nullptr
                      ? entities->GetEntityById(static_cast<std::uint32_t>(walkTarget))
                      : nullptr;
}
