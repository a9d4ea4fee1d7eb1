#include "game/Game/LevelTaskInfo.h"

#include "game/Game/Clickable.h"
#include "game/Game/Level.h"
#include "game/Game/SaveLoadManager.h"

#include <algorithm>
#include <cmath>
#include <vector>

LevelTaskInfo::LevelTaskInfo()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

void LevelTaskInfo::Save(Korrin::BinaryWriter& out)
{
    out.WriteI32(money);
    out.WriteU8(reserved[0]);
    out.WriteU8(reserved[1]);
    out.WriteF32(levelTime);
    out.WriteU32(static_cast<std::uint32_t>(goals.size()));
    for (const Obj& goal : goals)
    {
        out.WriteU8(goal.goods);
        out.WriteI32(goal.remaining);
    }
}

void LevelTaskInfo::Load(Korrin::BinaryReader& in)
{
    const std::int32_t loadedMoney = in.ReadI32();
    const std::uint8_t first = in.ReadU8();
    const std::uint8_t second = in.ReadU8();
    const float loadedTime = in.ReadF32();
    std::vector<std::int32_t> remaining;
    const bool withCounts = !IsEarlierRecord(in);
    if (withCounts && !ReadRemaining(in, remaining))
    {
        in.Fail();
        return;
    }
    // The money never goes below 0 and the clock never runs backwards, whatever the file says.
    money = std::max(loadedMoney, 0);
    reserved[0] = first;
    reserved[1] = second;
    levelTime = (std::isfinite(loadedTime) && loadedTime > 0.0f) ? loadedTime : 0.0f;
    for (std::size_t k = 0; k < remaining.size(); ++k)
    {
        goals[k].remaining = remaining[k];
    }
    RecountAfterLoad();
}

// Saves of earlier versions end the record after the clock: in a save file the record's own length
// (10) follows it, where a record of this version holds its goal count. Such a save is continued with
// the goals as the level file gives them (all that those versions kept) and the money goal recounted.
bool LevelTaskInfo::IsEarlierRecord(const Korrin::BinaryReader& in) const
{
    if (!in.Ok() || in.AtEnd())
    {
        return in.Ok();
    }
    Korrin::BinaryReader ahead = in;
    return ahead.ReadU32() == kEarlierRecordBytes && ahead.Ok() && goals.size() != kEarlierRecordBytes;
}

// The goals themselves come from the level file: the record only says how far each has come, and
// must name the same goals in the same order.
bool LevelTaskInfo::ReadRemaining(Korrin::BinaryReader& in, std::vector<std::int32_t>& remaining) const
{
    const std::uint32_t count = in.ReadU32();
    if (!in.Ok() || count != goals.size())
    {
        return false;
    }
    for (const Obj& goal : goals)
    {
        const std::uint8_t goods = in.ReadU8();
        const std::int32_t left = in.ReadI32();
        if (!in.Ok() || goods != goal.goods || left < 0 || left > std::max(goal.target, 0))
        {
            return false;
        }
        remaining.push_back(left);
    }
    return true;
}

// The money goal follows the money itself, which the record holds; whether every goal is met follows
// the counts.
void LevelTaskInfo::RecountAfterLoad()
{
    for (Obj& goal : goals)
    {
        if (goal.goods == kMoneyGoods && goal.remaining > 0)
        {
            const std::int64_t left = static_cast<std::int64_t>(goal.target) - money;
            goal.remaining = left > 0 ? static_cast<std::int32_t>(left) : 0;
        }
    }
    // A level without goals is never won by them, in play or after loading.
    const bool everyGoalMet =
        std::all_of(goals.begin(), goals.end(), [](const Obj& goal) { return goal.remaining <= 0; });
    allGoalsMet = !goals.empty() && everyGoalMet ? 1 : 0;
}

void LevelTaskInfo::ClearGoals()
{
    goals.clear();
    buyerKinds.clear();
}

void LevelTaskInfo::AddGoal(std::uint8_t goods, std::int32_t target)
{
    goals.push_back(Obj{goods, target, target});
    std::stable_sort(goals.begin(), goals.end(), CompareGoals);
}

bool LevelTaskInfo::CompareGoals(const Obj& a, const Obj& b)
{
    if (a.goods == kMoneyGoods || b.goods == kMoneyGoods)
    {
        return a.goods == kMoneyGoods && b.goods != kMoneyGoods;
    }
    return a.goods < b.goods;
}

bool LevelTaskInfo::AddMoney(std::int32_t amount)
{
    const std::int64_t total = static_cast<std::int64_t>(money) + amount;
    if (total < 0 || total > INT32_MAX)
    {
        return false;
    }
    money = static_cast<std::int32_t>(total);
    CountGoods(kMoneyGoods, money);
    // The selected object's panel page shows prices and buttons that depend on the money.
    if (const Level* running = Level::Peek(); running != nullptr && running->GetPendingObject() != nullptr)
    {
        running->GetPendingObject()->ChangeGui();
    }
    return true;
}

void LevelTaskInfo::CountGoods(std::uint8_t goods, std::int32_t amount)
{
    bool justMet = false;
    for (Obj& goal : goals)
    {
        if (goal.goods != goods || goal.remaining == 0)
        {
            continue;
        }
        if (amount == kCountOne)
        {
            --goal.remaining;
        }
        else
        {
            const std::int64_t left = static_cast<std::int64_t>(goal.target) - amount;
            goal.remaining = left > 0 ? static_cast<std::int32_t>(left) : 0;
        }
        justMet = justMet || goal.remaining <= 0;
        goal.remaining = std::max(goal.remaining, 0);
    }
    if (!justMet)
    {
        return;
    }
    allGoalsMet = 1;
    for (const Obj& goal : goals)
    {
        if (goal.remaining > 0)
        {
            allGoalsMet = 0;
        }
    }
}

namespace
{

std::uint32_t WholeSeconds(float time)
{
    constexpr float kLongest = 1.0e9f;
    if (!std::isfinite(time) || time <= 0.0f)
    {
        return 0;
    }
    return static_cast<std::uint32_t>(std::min(time, kLongest));
}

} // namespace

std::uint32_t LevelTaskInfo::ClockMinutes() const
{
    return (WholeSeconds(levelTime) / 60) % 60;
}

std::uint32_t LevelTaskInfo::ClockSeconds() const
{
    return WholeSeconds(levelTime) % 60;
}

LevelPassType LevelTaskInfo::RateTime() const
{
    const std::uint32_t time = ClockMinutes() * 60 + ClockSeconds();
    const std::uint32_t gold = goldMinutes * 60u + goldSeconds;
    const std::uint32_t silver = silverMinutes * 60u + silverSeconds;
    if (time <= gold)
    {
        return kLevelPassedGold;
    }
    return time <= silver ? kLevelPassedSilver : kLevelNotPassed;
}
