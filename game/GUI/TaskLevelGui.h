#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of the level's goals, shown as the level starts (window 1).
class TaskLevelGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 1;

    TaskLevelGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
