#pragma once

#include "game/Blank.h"
#include "game/GUI/WindowDialog.h"

#include <cstdint>

// The window of starting a new level (window 12). It shows its layout and closes on its controls.
class StartNewLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 12;

    StartNewLevelGui();

    void Init() override { mDialog.Init(); }
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }

private:
    WindowDialog mDialog;
};
