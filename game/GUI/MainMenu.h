#pragma once

#include "game/Blank.h"

#include <cstdint>

namespace Korrin
{
class GuiContainer;
class Sprite;
} // namespace Korrin

// The main-menu screen: its picture and its button box (play, achievements, options, exit).
class MainMenu : public Blank
{
public:
    static constexpr const char* kBackgroundScript = "menu_background.lua";
    static constexpr const char* kButtonScript = "menu_button.lua";
    static constexpr std::uint8_t kSampleLevels = 3;

    MainMenu() = default;

    // Loads the menu's pictures and buttons; reads the player list and the selected player's files.
    void Init() override;
    // Each time the menu comes up: a player whose every level holds gold earns the all-gold achievement.
    void Reset() override;
    // False on the frame in which a button switched the screen. Until the world map offers the levels,
    // the keys 1 to 3 start the sample levels.
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    Korrin::GuiContainer* GetButtons() const { return mButtons; }

private:
    // Play: the opening clip for a player before the story, else the world map.
    void Play();
    bool StartSampleLevelByKey() const;

    Korrin::Sprite* mBackground = nullptr;    // the sprite manager's
    Korrin::GuiContainer* mButtons = nullptr; // the widget manager's
};
