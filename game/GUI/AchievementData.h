#pragma once

#include <cstdint>
#include <string>

// One achievement: its texts and prize from the definitions, and the player's progress towards its
// target.
class AchievementData
{
public:
    static constexpr std::uint32_t kComplete = 1;
    static constexpr std::uint32_t kAnnounced = 2;
    static constexpr std::uint32_t kShownOnMenu = 4;

    AchievementData() = default;
    virtual ~AchievementData() = default;

    std::string GetHeader() const { return mHeader; }
    std::string GetDescription() const { return mDescription; }
    bool IsComplete() const { return (mFlags & kComplete) != 0; }

    std::string mHeader;
    std::string mDescription;
    std::uint32_t mPrize = 0;
    std::uint32_t mProgress = 0;
    std::uint32_t mMaxProgress = 0;
    std::uint32_t mFlags = 0;
};
