#pragma once

#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>

// The in-level game menu (window 3): back to the level, to the map or the main menu (both saving the
// level first and asking the yes/no window), restart (asking, saving nothing) or the settings. It holds
// the in-level panel while it is open.
class GameMenu : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 3;
    static constexpr const char* kContinue = "GAMEMENU_CONTINUE_BUTTON";
    static constexpr const char* kMap = "GAMEMENU_MAPE_BUTTON";
    static constexpr const char* kMainMenu = "GAMEMENU_MAINMENU_BUTTON";
    static constexpr const char* kRestart = "GAMEMENU_RESTART_BUTTON";
    static constexpr const char* kSettings = "GAMEMENU_SETTINGS_BUTTON";

    GameMenu();

    void Init() override { mDialog.Init(); }
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }
    bool IsLeaving() const { return mLeaving; }

private:
    void OnClick(const std::string& name);
    // Leaving asks the yes/no window in that mode first; the map and the main menu save the level.
    void Leave(std::int32_t mode, bool save);
    void CloseAfterSlideOut();

    WindowDialog mDialog;
    bool mLeaving = false;
    bool mSettings = false;
};
