#pragma once

#include "game/Blank.h"

#include <cstdint>

// The end-of-level statistics (window 2), shown a second after every goal is met.
class LevelStatistics : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 2;

    LevelStatistics() { mActive = false; }

    void Init() override {}
    void Reset() override { mConfirmed = false; }
    bool Update(float dt) override;
    void Draw() override {}

    // The player confirmed the statistics; acted on in the next Update.
    void Confirm() { mConfirmed = true; }

private:
    bool mConfirmed = false;
};
