#pragma once

#include "game/Blank.h"

// The main-menu screen.
class MainMenu : public Blank
{
public:
    MainMenu() = default;

    // Reads the player list and the selected player's files.
    void Init() override;
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
