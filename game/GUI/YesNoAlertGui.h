#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of a yes/no warning (window 11).
class YesNoAlertGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 11;

    YesNoAlertGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
