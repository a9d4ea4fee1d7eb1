#pragma once

#include "game/Blank.h"

#include <cstdint>

// The window of deleting a player (window 10).
class DeleteUserGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 10;

    DeleteUserGui() { mActive = false; }

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
