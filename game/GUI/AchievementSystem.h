#pragma once

#include "engine/Util/Singleton.h"

#include <cstdint>
#include <map>
#include <string>

namespace Korrin
{
class BinaryWriter;
}

// The player's achievements: progress towards each defined achievement and the prizes won. The
// definitions come from Define (the achievement data is loaded by Init once the front end has it).
class AchievementSystem : public Korrin::Singleton<AchievementSystem>
{
public:
    static constexpr std::uint32_t kCompleteFlag = 1;

    AchievementSystem() = default;

    static AchievementSystem* GetInstance()
    {
        return CheckedInstance("AchievementSystem::mSingleton==NULL", Korrin::kGameModule,
                               "Source\\GUI\\AchievementSystem", 20);
    }

    // Loads the achievement definitions; those come with the achievements window's data.
    void Init() {}
    void Define(std::uint32_t id, std::uint32_t maximum, std::uint32_t prize);
    // True when this call completed the achievement.
    bool AddProgress(std::uint32_t id, std::uint32_t amount);

    // The player's achievement file; false when it is not written (it cannot be, or a file of other
    // achievements is kept there and nothing changed).
    bool Save(const std::string& fileName) const;
    // The file's bytes.
    void Write(Korrin::BinaryWriter& out) const;
    // Clears every achievement first; false when the file is missing, damaged (kept aside), or well
    // formed but of other achievements than the defined ones (kept as it is; they stay cleared).
    bool Load(const std::string& fileName);

    std::uint32_t GetPrizeTotal() const { return mPrizeTotal; }
    std::uint32_t GetProgress(std::uint32_t id) const;
    bool IsComplete(std::uint32_t id) const;

    // Achievements completed since the count was last cleared.
    std::uint32_t newlyCompleted = 0;

private:
    struct Achievement
    {
        std::uint32_t maximum = 0;
        std::uint32_t prize = 0;
        std::uint32_t progress = 0;
        std::uint32_t flags = 0;
    };

    void ClearProgress();
    void ResetRewardWindow();

    std::map<std::uint32_t, Achievement> mAchievements;
    std::uint32_t mPrizeTotal = 0;
};
