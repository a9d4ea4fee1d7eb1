#include "game/Pers/PersThiefManager.h"

#include "engine/Log/LogManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Util/Random.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityStartShelf.h"
#include "game/Entity/PanelControls.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Pers/PersRunThief.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr std::int32_t kSecondsPerMinute = 60;
// Thieves left of the middle run out to the right.
constexpr std::int32_t kMiddleColumn = 8;

std::int32_t ClockSeconds(std::int32_t minutes, std::int32_t seconds)
{
    return minutes * kSecondsPerMinute + seconds;
}

} // namespace

PersThiefManager::PersThiefManager()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

PersThiefManager::~PersThiefManager()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Unregister(this);
    }
}

void PersThiefManager::AddThief(PersRunThief* thief)
{
    mThieves.push_back(thief);
}

void PersThiefManager::AddStartShelf(EntityManager& entities, std::int32_t i, std::int32_t j,
                                     std::uint8_t minutes, std::uint8_t seconds)
{
    auto* shelf = new EntityStartShelf();
    entities.Register(shelf);
    shelf->Place(i, j);
    mStartShelfList.push_back({i, j, minutes, seconds});
    mShelves.push_back({i, j, minutes, seconds});
    mTargets.push_back({shelf, 0});
}

void PersThiefManager::AddTarget(Entity* entity)
{
    if (entity->GetType() == Entity::kShop)
    {
        mTargets.push_back({entity, 1});
        mTargets.push_back({entity, 2});
        return;
    }
    mTargets.push_back({entity, 0});
}

void PersThiefManager::ClearShelfCells(GameField& field) const
{
    for (const StartShelf& shelf : mShelves)
    {
        if (FieldGeometry::IsInside(shelf.I, shelf.J + 1))
        {
            field.SetObjectCode(shelf.I, shelf.J + 1, 0);
        }
    }
}

void PersThiefManager::ScheduleSeries(std::uint8_t minutes, std::uint8_t seconds)
{
    for (const StartShelf& shelf : mShelves)
    {
        std::int32_t minute = minutes + shelf.minutes;
        std::int32_t second = seconds + shelf.seconds;
        if (second > 59)
        {
            ++minute;
            second -= kSecondsPerMinute;
        }
        mStartShelfList.push_back({shelf.I, shelf.J, static_cast<std::uint8_t>(std::min(minute, 255)),
                                   static_cast<std::uint8_t>(std::min(second, 59))});
    }
}

void PersThiefManager::StartThief(std::uint8_t minutes, std::uint8_t seconds, float dt)
{
    if (mStartShelfList.empty())
    {
        mRefillTimer += dt;
        if (mRefillTimer > kRefillDelay)
        {
            ScheduleSeries(minutes, seconds);
            mRefillTimer = 0.0f;
        }
        return;
    }
    // Whole clock seconds: comparing minutes and seconds apart would never start an entry at second 59.
    const std::int32_t now = ClockSeconds(minutes, seconds);
    const auto due = std::find_if(mStartShelfList.begin(), mStartShelfList.end(),
                                  [now](const StartShelf& entry)
                                  { return now > ClockSeconds(entry.minutes, entry.seconds); });
    if (due == mStartShelfList.end())
    {
        return;
    }
    const auto free = std::find_if(mThieves.begin(), mThieves.end(),
                                   [](const PersRunThief* thief) { return !thief->IsActive(); });
    if (free != mThieves.end())
    {
        PersRunThief& thief = **free;
        thief.SetActive(true);
        thief.SetIJ(due->I, due->J);
        thief.SetDirection(due->I < kMiddleColumn ? Pers::kRight : Pers::kLeft);
        thief.PlayAnimation("firstrun", Pers::kKeepFacing);
        Korrin::PlaySoundOnce("start_thief");
        ++mStarted;
    }
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write(" mStartShelfList.erase(it); ");
    }
    mStartShelfList.erase(due);
}

const PersThiefManager::Target* PersThiefManager::ChooseTarget()
{
    if (mWorkingTargets.empty())
    {
        mWorkingTargets = mTargets;
    }
    if (mWorkingTargets.empty())
    {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(Korrin::Rand()) % mWorkingTargets.size();
    return &mWorkingTargets[index];
}

bool PersThiefManager::MayStealHere(const PersRunThief* thief) const
{
    std::int32_t I = 0;
    std::int32_t J = 0;
    thief->GetIJ(I, J);
    return std::none_of(mThieves.begin(), mThieves.end(),
                        [thief, I, J](const PersRunThief* other)
                        {
                            if (other == thief || !other->IsActive())
                            {
                                return false;
                            }
                            const std::string& animation = other->GetAnimationName();
                            if (animation != "stand" && animation != "stealing" && animation != "stealing1")
                            {
                                return false;
                            }
                            std::int32_t i = 0;
                            std::int32_t j = 0;
                            other->GetIJ(i, j);
                            return i == I && j == J;
                        });
}

bool PersThiefManager::IsThiefInBush() const
{
    return std::any_of(mThieves.begin(), mThieves.end(),
                       [](const PersRunThief* thief)
                       {
                           const std::string& animation = thief->GetAnimationName();
                           return animation == "bush" || animation == "bush1";
                       });
}

void PersThiefManager::Save(Korrin::BinaryWriter& out)
{
    out.WriteU32(mStarted);
    out.WriteF32(mRefillTimer);
    out.WriteU32(static_cast<std::uint32_t>(mStartShelfList.size()));
    for (const StartShelf& entry : mStartShelfList)
    {
        out.WriteI32(entry.I);
        out.WriteI32(entry.J);
        out.WriteU8(entry.minutes);
        out.WriteU8(entry.seconds);
    }
}

void PersThiefManager::Load(Korrin::BinaryReader& in)
{
    const std::uint32_t started = in.ReadU32();
    const float timer = in.ReadF32();
    const std::uint32_t count = in.ReadU32();
    if (!in.Ok() || !std::isfinite(timer) || timer < 0.0f || !in.CheckCount(count, 10, kMaxPendingStarts))
    {
        in.Fail();
        return;
    }
    std::list<StartShelf> pending;
    for (std::uint32_t n = 0; n < count; ++n)
    {
        StartShelf entry;
        entry.I = in.ReadI32();
        entry.J = in.ReadI32();
        entry.minutes = in.ReadU8();
        entry.seconds = in.ReadU8();
        if (!in.Ok() || !FieldGeometry::IsInside(entry.I, entry.J) || entry.seconds >= kSecondsPerMinute)
        {
            in.Fail();
            return;
        }
        pending.push_back(entry);
    }
    mStarted = started;
    mRefillTimer = timer;
    mStartShelfList = std::move(pending);
}
