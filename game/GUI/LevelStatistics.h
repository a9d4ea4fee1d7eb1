#pragma once

#include "game/Blank.h"
#include "game/GUI/WindowDialog.h"

#include <cstdint>

// The end-of-level statistics (window 2), shown a second after every goal is met; its confirmation
// records the won level.
class LevelStatistics : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 2;

    LevelStatistics();

    void Init() override { mDialog.Init(); }
    void Reset() override { mConfirmed = false; }
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    // The player confirmed the statistics, as the OK control does.
    void Confirm();

private:
    void Complete();

    WindowDialog mDialog;
    bool mConfirmed = false;
};
