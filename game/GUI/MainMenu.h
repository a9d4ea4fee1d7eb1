#pragma once

#include "game/Blank.h"

#include <cstdint>

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The main-menu screen.
class MainMenu : public Blank
{
public:
    static constexpr const char* kBackgroundScript = "menu_background.lua";
    static constexpr std::uint8_t kSampleLevels = 3;

    MainMenu() = default;

    // Loads the menu's pictures; reads the player list and the selected player's files.
    void Init() override;
    void Reset() override {}
    // Until the menu has its buttons, the keys 1 to 3 start the sample levels.
    bool Update(float dt) override;
    void Draw() override;

private:
    Korrin::Sprite* mBackground = nullptr; // the sprite manager's
};
