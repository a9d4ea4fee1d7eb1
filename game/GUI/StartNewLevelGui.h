#pragma once

#include "game/Blank.h"
#include "game/GUI/WindowDialog.h"

#include <cstdint>

// The window of starting a new level (window 12): its confirmation plays the story clip the map set,
// which hands over to the level, or starts the level at once.
class StartNewLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 12;
    static constexpr std::int32_t kNoClip = -1;

    StartNewLevelGui();

    void Init() override { mDialog.Init(); }
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }

    // The level to start (its number - 1) and the story clip to play first, set by the world map.
    std::uint32_t mLevelIndex = 0;
    std::int32_t mClip = kNoClip;

private:
    WindowDialog mDialog;
};
