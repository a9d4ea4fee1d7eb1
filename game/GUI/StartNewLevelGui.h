#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of starting a new level (window 12).
class StartNewLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 12;

    StartNewLevelGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
