#pragma once

#include "tools/autoplay/Player.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Hands;

// The whole main road as a new player with tips on: the name window, Play and the opening clip, then
// every level from the map in order (the map-shop purchases a level requires bought first, each level
// played by a Player through its windows, tutorial, card and clips), the final clip after level 67,
// the main menu, and Exit.
class RoadPlayer
{
public:
    struct Options
    {
        bool trace = false;
        float giveUpSeconds = 0.0f;
        std::int32_t lastLevel = 67;
    };
    using LevelDone = std::function<void(std::int32_t level, const LevelOutcome& outcome)>;

    RoadPlayer(const Options& options, LevelDone levelDone)
        : mOptions(options), mLevelDone(std::move(levelDone))
    {
    }

    bool Think(std::uint64_t frame, Hands& hands);

    // Reached the main menu after the final clip and asked to exit.
    bool ReachedTheEnd() const { return mEnded; }
    const std::string& Failure() const { return mFailure; }
    bool SawFinalClip() const { return mFinalClip; }

private:
    bool AtMap(Hands& hands);
    // The next level's player, from the map or from the clip that starts it.
    bool StartLevel(Hands& hands);
    bool BuyRequirements(std::int32_t level, Hands& hands);
    void Fail(const std::string& why);
    void Trace(const char* format, ...) const;

    Options mOptions;
    LevelDone mLevelDone;
    std::unique_ptr<Player> mPlayer;
    std::int32_t mLevel = 0;
    std::uint64_t mFrame = 0;
    bool mNamed = false;
    bool mEnded = false;
    bool mFinalClip = false;
    bool mExiting = false;
    int mShopClicks = 0;
    std::string mFailure;
};
