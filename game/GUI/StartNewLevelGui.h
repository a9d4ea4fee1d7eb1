#pragma once

#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>

// The window of starting a new level (window 12): its confirmation plays the story clip the map set,
// which hands over to the level, or starts the level at once with its new-character card or goals.
// The action waits one drawn frame after the slide-out (phase 0, then 2 at the slide-out's end, 1 after
// the next draw).
class StartNewLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 12;
    static constexpr std::int32_t kNoClip = -1;
    static constexpr std::uint32_t kPhaseShown = 0;
    static constexpr std::uint32_t kPhaseDrawn = 1;
    static constexpr std::uint32_t kPhaseClosed = 2;

    StartNewLevelGui();

    void Init() override;
    void Reset() override { Update(0.0f); }
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }
    std::uint32_t GetPhase() const { return mPhase; }

    // The level to start (its number - 1) and the story clip to play first, set by the world map.
    void SetLevelIndex(std::uint32_t level) { mLevelIndex = level; }
    void SetClip(std::int32_t clip) { mClip = clip; }
    std::uint32_t GetLevelIndex() const { return mLevelIndex; }
    std::int32_t GetClip() const { return mClip; }

private:
    bool StartClip();
    bool StartLevel();

    WindowDialog mDialog;
    std::uint32_t mPhase = kPhaseShown;
    std::uint32_t mLevelIndex = 0;
    std::int32_t mClip = kNoClip;
};
