#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of the achievements (window 6).
class AchievementSystemGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 6;

    AchievementSystemGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
