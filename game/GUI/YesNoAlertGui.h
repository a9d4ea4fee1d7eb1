#pragma once

#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>

// The game menu's confirmation (window 11) of leaving the level (to the main menu or the map) or of
// restarting it, with the warning of its mode; cancelling goes back to the game menu.
class YesNoAlertGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 11;
    static constexpr std::int32_t kNoMode = -1;
    static constexpr std::int32_t kLeaveToMainMenu = 0;
    static constexpr std::int32_t kLeaveToMap = 1;
    static constexpr std::int32_t kRestart = 2;
    static constexpr std::int32_t kBackToGameMenu = 3;
    static constexpr const char* kLeaveWarning = "YESNO_LEAVE_LEVEL_WARNING_TEXT";
    static constexpr const char* kRestartWarning = "YESNO_RESTART_LEVEL_WARNING_TEXT";

    YesNoAlertGui();

    void Init() override { mDialog.Init(); }
    void Reset() override { Update(0.0f); }
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    WindowDialog& GetDialog() { return mDialog; }

    // Set by the game menu before it shows the window.
    std::int32_t mMode = kNoMode;

private:
    void ShowWarnings();
    void CarryOut();

    WindowDialog mDialog;
    bool mClosing = false;
};
