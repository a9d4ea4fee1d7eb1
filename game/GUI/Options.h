#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of the settings (window 5).
class Options : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 5;

    Options() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
