#pragma once

#include "engine/Util/SafeVector.h"
#include "engine/Util/Singleton.h"
#include "game/Game/LevelPassType.h"
#include "game/Game/TimeScoreItem.h"

#include <cstdint>
#include <string>

// The current player's progress: the highest level reached, the money across levels and how well each
// level was passed.
class GameInfo : public Korrin::Singleton<GameInfo>
{
public:
    GameInfo();

    static GameInfo* GetInstance()
    {
        return CheckedInstance("GameInfo::mSingleton==NULL", Korrin::kGameModule, "Source\\Game\\GameInfo",
                               10);
    }
    // The highest level reached, 0 while there is no game information; the map screens read it.
    static std::uint16_t HighestLevelReached()
    {
        const GameInfo* info = Peek();
        return info != nullptr ? info->highestLevel : 0;
    }

    // Keeps only an improvement.
    void SetLevelPassType(LevelPassType value, std::uint32_t index);
    LevelPassType GetLevelPassType(std::uint32_t index);
    // Replaces the level's best time only with a strictly shorter one, which counts for achievement 9.
    void SetBestTime(std::uint32_t index, std::uint32_t minutes, std::uint32_t seconds,
                     const std::u16string& name);
    TimeScoreItem GetBestTime(std::uint32_t index);

    std::uint16_t highestLevel = 0;
    std::uint32_t totalMoney = 0;
    Korrin::SafeVector<LevelPassType> passTypes{"GameInfo::passTypes"};
    std::string name;
    std::u16string playerName;
};
