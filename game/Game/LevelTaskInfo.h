#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "game/Game/LevelPassType.h"
#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <vector>

// What a level asks of the player and how far the player has come: goals, money, clock, time limits,
// buyer kinds. Its saved record is the money, two reserved bytes, the level time and how many units
// each goal still asks for.
class LevelTaskInfo : public SaveLoadObject, public Korrin::Singleton<LevelTaskInfo>
{
public:
    static constexpr std::uint8_t kMoneyGoods = 125;
    static constexpr std::int32_t kCountOne = -1;

    struct Obj
    {
        std::uint8_t goods = 0;
        std::int32_t target = 0;
        std::int32_t remaining = 0;
    };

    // Registers with the level's SaveLoadManager when there is one.
    LevelTaskInfo();

    static LevelTaskInfo* GetInstance()
    {
        return CheckedInstance("LevelTaskInfo::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\Game\\LevelTaskInfo", 20);
    }

    void Save(Korrin::BinaryWriter& out) override;
    void Load(Korrin::BinaryReader& in) override;

    void ClearGoals();
    void AddGoal(std::uint8_t goods, std::int32_t target);
    // Money first, then ascending goods id.
    static bool CompareGoals(const Obj& a, const Obj& b);
    // Refuses (false, nothing changed) a change that would take the money below 0; otherwise counts the
    // money goal and refreshes the panel page of the level's selected object.
    bool AddMoney(std::int32_t amount);
    // amount -1 counts one unit; any other amount is a running total.
    void CountGoods(std::uint8_t goods, std::int32_t amount);

    // The level clock as a clock face: whole minutes within the hour and seconds. A level of an hour or
    // more is rated by its minutes within the hour; stored best times rely on it.
    std::uint32_t ClockMinutes() const;
    std::uint32_t ClockSeconds() const;
    // 2 within the gold limit, 1 within the silver limit, else 0.
    LevelPassType RateTime() const;

    std::uint16_t level = 0;
    Korrin::SafeVector<Obj> goals{"LevelTaskInfo::goals"};
    std::vector<std::uint8_t> buyerKinds;
    std::uint8_t goldMinutes = 0;
    std::uint8_t goldSeconds = 0;
    std::uint8_t silverMinutes = 0;
    std::uint8_t silverSeconds = 0;
    std::int32_t money = 0;
    std::uint8_t reserved[2] = {0, 0};
    float levelTime = 0.0f;
    std::uint8_t allGoalsMet = 0;
    std::uint32_t backgroundType = 0;

private:
    bool ReadRemaining(Korrin::BinaryReader& in, std::vector<std::int32_t>& remaining) const;
    void RecountAfterLoad();
};
