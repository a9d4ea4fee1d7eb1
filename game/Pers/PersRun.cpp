#include "game/Pers/PersRun.h"

#include "engine/Log/LogManager.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/LevelLookup.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Pers/PersManager.h"

#include <cmath>

namespace
{

constexpr std::uint8_t kRopeKindRope = 1;
constexpr std::uint8_t kRopeKindStairs = 2;
constexpr std::uint8_t kRopeKindBetterStairs = 3;
constexpr std::uint8_t kRopeKindTeleport = 4;
constexpr std::uint16_t kLinkObjectCode = 1;
// Buyers too heavy for stairs climb them as ropes.
constexpr std::uint8_t kHeavyBuyer = 147;
constexpr std::uint8_t kPrincessBuyer = 148;

// The climbing speed factors of rope, stairs and better stairs.
constexpr float kRopeSpeed = 0.6f;
constexpr float kStairsSpeed = 0.9f;
constexpr float kBetterStairsSpeed = 1.2f;

void WriteCells(Korrin::BinaryWriter& out, const std::vector<IJ>& cells)
{
    out.WriteU32(static_cast<std::uint32_t>(cells.size()));
    for (const IJ& cell : cells)
    {
        out.WriteI32(cell.I);
        out.WriteI32(cell.J);
    }
}

bool ReadCells(Korrin::BinaryReader& in, std::vector<IJ>& cells)
{
    const std::uint32_t count = in.ReadU32();
    if (!in.CheckCount(count, 8, PersRun::kMaxPathCells))
    {
        return false;
    }
    cells.clear();
    for (std::uint32_t k = 0; k < count; ++k)
    {
        const IJ cell{in.ReadI32(), in.ReadI32()};
        if (!FieldGeometry::IsInside(cell.I, cell.J))
        {
            return false;
        }
        cells.push_back(cell);
    }
    return in.Ok();
}

} // namespace

PersRun::PersRun(std::uint8_t type) : Pers(type)
{
    mWalkSpeed = 2.0f;
    // The level places its characters before their Init: they stand where the usual offset puts them.
    mOffsetUp = kDefaultOffsetUp;
}

PersRun::~PersRun()
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("PersRun::~PersRun()");
    }
}

GameField* PersRun::Field()
{
    const Level* level = Level::Peek();
    return level != nullptr ? level->GetGameField() : nullptr;
}

void PersRun::Init()
{
    Pers::Init();
    const float placedWith = mOffsetUp;
    mOffsetUp = kDefaultOffsetUp;
    ReadSkeletonNumber("OffsetUp", mOffsetUp);
    // A character placed before its Init keeps its cell.
    mPosition.y += placedWith - mOffsetUp;
}

void PersRun::SetActive(bool on)
{
    Pers::SetActive(on);
    mWaitingForAnimationEnd = 0;
    mMovedOff = 0;
    PlayAnimation("stand", kKeepFacing);
    mBusy = 0;
    mPath.clear();
    mPreviewPath.clear();
}

void PersRun::SetIJ(std::int32_t I, std::int32_t J)
{
    mPosition = {FieldGeometry::CellX(I) + 35.0f, FieldGeometry::CellY(J) - mOffsetUp};
}

void PersRun::GetIJ(std::int32_t& I, std::int32_t& J) const
{
    I = static_cast<std::int32_t>((mPosition.x - FieldGeometry::kOriginX) / FieldGeometry::kCellWidth);
    J = static_cast<std::int32_t>((mPosition.y + mOffsetUp - FieldGeometry::kOriginY) /
                                  FieldGeometry::kCellHeight);
}

bool PersRun::GoTo(const WalkTarget& target, std::uint8_t /*mode*/)
{
    mTargetCell = {target.I, target.J};
    mWalkTarget = target.entity;
    IJ here;
    GetIJ(here.I, here.J);
    if (GameField* field = Field())
    {
        field->FindPath(here, mTargetCell, mPath);
    }
    if (here == mTargetCell)
    {
        mPath.clear();
    }
    else if (mType != kThief && mWalkTarget != nullptr && mWalkTarget->GetType() == Entity::kStorehouse &&
             mPath.size() >= 2 && target.I < mPath[mPath.size() - 2].I)
    {
        // Coming from the right, the character stops one cell short of the storehouse's cell.
        mPath.pop_back();
    }
    if (mPath.empty())
    {
        if (!EnsureFreeCell())
        {
            PlayAnimation("stand", kKeepFacing);
            mBusy = 0;
        }
        return false;
    }
    mMovedOff = 0;
    if (mPath.size() > 1)
    {
        if (mPath[1].I < here.I)
        {
            PlayAnimation("run", kLeft);
        }
        else if (mPath[1].I > here.I)
        {
            PlayAnimation("run", kRight);
        }
    }
    return true;
}

bool PersRun::EnsureFreeCell()
{
    if (IsBusy() || mMovedOff != 0)
    {
        return false;
    }
    // Marked before the walk: a walk that cannot start comes back here and must stop, not try again.
    mMovedOff = 1;
    IJ cell;
    GetIJ(cell.I, cell.J);
    const GameField* field = Field();
    if (field != nullptr && !field->IsCellFree(cell.I, cell.J) && field->FindFreeCellNear(cell))
    {
        GoTo({cell.I, cell.J, nullptr}, 0);
    }
    mMovedOff = 1;
    return true;
}

bool PersRun::Update(float dt)
{
    if (!Pers::Update(dt))
    {
        return false;
    }
    if (mPath.empty() || mHold != 0)
    {
        return true;
    }
    std::int32_t I = 0;
    std::int32_t J = 0;
    GetIJ(I, J);
    if (mPath.front() == IJ{I, J})
    {
        mPath.erase(mPath.begin());
        if (mPath.empty())
        {
            OnPathEnd(I, J);
            return true;
        }
    }
    const IJ next = mPath.front();
    if (next.I > I)
    {
        PlayAnimation("run", kRight);
    }
    else if (next.I < I)
    {
        PlayAnimation("run", kLeft);
    }
    else if (next.J < J)
    {
        PlayAnimation("moveup", kUp);
    }
    else if (next.J > J)
    {
        PlayAnimation("movedown", kDown);
    }
    else
    {
        PlayAnimation("stand", kKeepFacing);
    }
    return true;
}

void PersRun::PlayAnimation(const std::string& name, std::uint8_t facing)
{
    mAnimationSpeed = mWalkSpeed;
    const bool up = name == "moveup";
    if (!up && name != "movedown")
    {
        Pers::PlayAnimation(name, facing);
        return;
    }
    const GameField* field = Field();
    if (field == nullptr)
    {
        return;
    }
    std::int32_t I = 0;
    std::int32_t J = 0;
    GetIJ(I, J);
    const auto kind = static_cast<std::uint8_t>(field->GetRopeKind(I, up ? J - 1 : J));
    SetDirection(kLeft);
    if (facing != kKeepFacing)
    {
        SetDirection(facing);
    }
    PlayClimb(kind, up, I, J);
}

void PersRun::PlayClimb(std::uint8_t kind, bool up, std::int32_t I, std::int32_t J)
{
    const std::string rope = up ? "moveup_rope" : "movedown_rope";
    const std::string ladder = up ? "moveup_ladder" : "movedown_ladder";
    switch (kind)
    {
    case kRopeKindRope:
        Pers::PlayAnimation(rope, kKeepFacing);
        mAnimationSpeed = mWalkSpeed * kRopeSpeed;
        break;
    case kRopeKindStairs:
        Pers::PlayAnimation(mKind == kHeavyBuyer || mKind == kPrincessBuyer ? rope : ladder, kKeepFacing);
        mAnimationSpeed = mWalkSpeed * kStairsSpeed;
        break;
    case kRopeKindBetterStairs:
        Pers::PlayAnimation(ladder, kKeepFacing);
        mAnimationSpeed = mWalkSpeed * kBetterStairsSpeed;
        break;
    case kRopeKindTeleport:
        Teleport(I, J, up ? -1 : 1);
        break;
    default:
        break; // no link here: the animation that plays goes on
    }
}

void PersRun::Teleport(std::int32_t I, std::int32_t J, std::int32_t step)
{
    const GameField* field = Field();
    std::int32_t end = J;
    while (field != nullptr && field->GetObjectCode(I, end + step) == kLinkObjectCode)
    {
        if (!mPath.empty())
        {
            mPath.erase(mPath.begin());
        }
        end += step;
    }
    SetIJ(I, end);
    FacePathStart(I);
    PlayAnimation("stand", kKeepFacing);
    if (PersManager* characters = PersManager::Peek())
    {
        characters->PlaceTeleportEffect(I, J, I, end);
    }
}

void PersRun::FacePathStart(std::int32_t I)
{
    if (mPath.empty())
    {
        return;
    }
    if (mPath.front().I < I)
    {
        SetDirection(kLeft);
    }
    else if (mPath.front().I > I)
    {
        SetDirection(kRight);
    }
}

void PersRun::ShowPath()
{
    if (!mPath.empty() || mPathEffects.size() < 2)
    {
        return;
    }
    for (Korrin::ParticleSystem* effect : mPathEffects)
    {
        if (effect->HasActiveEmitter())
        {
            return;
        }
    }
    mPathEffects[0]->Restart();
    if (mPathEffects[0]->GetEmitterCount() == 0)
    {
        return;
    }
    mPathEffects[0]->GetBaseParticleSystem(0)->GetPath().Clear();
    IJ here;
    GetIJ(here.I, here.J);
    if (GameField* field = Field())
    {
        field->FindPathIgnoringRopes(here, mTargetCell, mPreviewPath);
    }
    AddPreviewPoints();
}

void PersRun::AddPreviewPoints()
{
    Korrin::Moveable& marker = mPathEffects[0]->GetBaseParticleSystem(0)->GetPath();
    float previousY = 0.0f;
    for (const IJ& cell : mPreviewPath)
    {
        const float x = FieldGeometry::CellX(cell.I) + 32.0f;
        const float y = FieldGeometry::CellY(cell.J) - 10.0f;
        if (y != previousY)
        {
            if (previousY != 0.0f)
            {
                marker.AddPoint({x, previousY});
            }
            marker.AddPoint({x, y});
            previousY = y;
        }
    }
    EntityManager* entities = LevelLookup::Entities();
    auto* rope =
        dynamic_cast<EntityRope*>(entities != nullptr ? entities->GetEntity(Entity::kRope) : nullptr);
    for (std::size_t k = 0; rope != nullptr && k + 1 < mPreviewPath.size(); ++k)
    {
        if (mPreviewPath[k].J != mPreviewPath[k + 1].J)
        {
            rope->MarkPointAtCell(mPreviewPath[k].I, mPreviewPath[k].J);
        }
    }
    if (!mPreviewPath.empty())
    {
        const IJ& last = mPreviewPath.back();
        const float x = FieldGeometry::CellX(last.I) + 32.0f;
        const float y = FieldGeometry::CellY(last.J) - 10.0f;
        marker.AddPoint({x, y});
        mPathEffects[1]->SetPosition({x, y + 20.0f});
    }
    marker.SetVelocity(kMarkerSpeed);
    marker.RecalcDistances();
}

void PersRun::Save(Korrin::BinaryWriter& out)
{
    Pers::Save(out);
    out.WriteF32(mOffsetUp);
    out.WriteU8(mWaitingForAnimationEnd);
    out.WriteU8(mMovedOff);
    out.WriteU8(mHold);
    WriteCells(out, mPath);
    WriteCells(out, mPreviewPath);
}

void PersRun::Load(Korrin::BinaryReader& in)
{
    Pers::Load(in);
    const float offsetUp = in.ReadF32();
    mWaitingForAnimationEnd = in.ReadU8();
    mMovedOff = in.ReadU8();
    mHold = in.ReadU8();
    if (!in.Ok() || !std::isfinite(offsetUp) || !ReadCells(in, mPath) || !ReadCells(in, mPreviewPath))
    {
        in.Fail();
        return;
    }
    mOffsetUp = offsetUp;
}
