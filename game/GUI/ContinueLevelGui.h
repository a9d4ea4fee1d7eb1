#pragma once

#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>

// The window of continuing a saved level (window 13): its confirmation restores the saved level, its
// cancel deletes the save.
class ContinueLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 13;

    ContinueLevelGui();

    void Init() override { mDialog.Init(); }
    void Reset() override { Update(0.0f); }
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }

    // The saved level (its number - 1), set by the world map.
    void SetLevelIndex(std::uint32_t level) { mLevelIndex = level; }
    std::uint32_t GetLevelIndex() const { return mLevelIndex; }

private:
    void Resume();

    WindowDialog mDialog;
    std::uint32_t mLevelIndex = 0;
};
