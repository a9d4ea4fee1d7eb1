#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of typing a new player's name (window 9).
class TypeNameGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 9;

    TypeNameGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
