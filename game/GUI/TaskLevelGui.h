#pragma once

#include "game/Blank.h"
#include "game/GUI/WindowDialog.h"

#include <cstdint>

// The window of the level's goals, shown as the level starts (window 1). It shows its layout and closes on
// its controls.
class TaskLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 1;

    TaskLevelGui();

    void Init() override { mDialog.Init(); }
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }

private:
    WindowDialog mDialog;
};
