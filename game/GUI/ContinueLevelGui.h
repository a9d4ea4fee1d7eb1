#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of continuing a saved level (window 13).
class ContinueLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 13;

    ContinueLevelGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
