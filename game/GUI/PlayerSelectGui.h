#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of choosing the player (window 8).
class PlayerSelectGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 8;

    PlayerSelectGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
