#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of the credits (window 4).
class AboutGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 4;

    AboutGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
