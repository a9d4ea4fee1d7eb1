#pragma once

#include "game/Blank.h"

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The main-menu screen.
class MainMenu : public Blank
{
public:
    static constexpr const char* kBackgroundScript = "menu_background.lua";

    MainMenu() = default;

    // Loads the menu's pictures; reads the player list and the selected player's files.
    void Init() override;
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override;

private:
    Korrin::Sprite* mBackground = nullptr; // the sprite manager's
};
