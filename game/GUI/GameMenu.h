#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of the in-level game menu (pause) (window 3).
class GameMenu : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 3;

    GameMenu() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
