#include "game/Game/GameInfo.h"

#include "game/GUI/AchievementSystem.h"
#include "game/Game/TableCost.h"

namespace
{

constexpr std::uint32_t kBestTimeAchievement = 9;

std::uint64_t TotalSeconds(std::uint32_t minutes, std::uint32_t seconds)
{
    return static_cast<std::uint64_t>(minutes) * 60 + seconds;
}

} // namespace

GameInfo::GameInfo()
{
    for (std::uint32_t level = 0; level < kLevelCount; ++level)
    {
        passTypes.push_back(kLevelNotPassed);
    }
}

void GameInfo::SetLevelPassType(LevelPassType value, std::uint32_t index)
{
    if (index >= passTypes.size())
    {
        Korrin::ReportAndBreak("Trying to set wrong level", Korrin::kGameModule, "Source\\Game\\GameInfo",
                               80);
        return;
    }
    if (value > passTypes[index])
    {
        passTypes[index] = value;
    }
}

LevelPassType GameInfo::GetLevelPassType(std::uint32_t index)
{
    if (index >= passTypes.size())
    {
        Korrin::ReportAndBreak("Trying to get wrong level num.", Korrin::kGameModule,
                               "Source\\Game\\GameInfo", 97);
        return kLevelNotPassed;
    }
    return passTypes[index];
}

void GameInfo::SetBestTime(std::uint32_t index, std::uint32_t minutes, std::uint32_t seconds,
                           const std::u16string& playerNameValue)
{
    if (index >= gBestTimes.size())
    {
        return;
    }
    TimeScoreItem& best = gBestTimes[index];
    if (TotalSeconds(minutes, seconds) >= TotalSeconds(best.minutes, best.seconds))
    {
        return;
    }
    best = TimeScoreItem(minutes, seconds, playerNameValue);
    if (AchievementSystem* achievements = AchievementSystem::Peek())
    {
        achievements->AddProgress(kBestTimeAchievement, 1);
    }
}

TimeScoreItem GameInfo::GetBestTime(std::uint32_t index)
{
    if (index >= gBestTimes.size())
    {
        Korrin::ReportAndBreak("Trying to set wrong level", Korrin::kGameModule, "Source\\Game\\GameInfo",
                               72);
        return TimeScoreItem();
    }
    return gBestTimes[index];
}
