#pragma once

#include "game/Util/Blank.h"

#include <cstdint>
#include <string>

class GameWindowFrame;

namespace Korrin
{
class GuiList;
} // namespace Korrin

// The window of choosing the player (window 8): the list "PROFILES_LIST" shows the profile's players
// (the profile keeps the list; the window only shows it and passes the selection on), with OK (the
// selected player becomes the current one), Cancel, Create (window 9) and Delete (window 10).
class PlayerSelectGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 8;

    PlayerSelectGui();

    void Init() override;
    void Reset() override {}
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // What a click on the control of that name does.
    void HandleClick(const std::string& name);
    GameWindowFrame* GetFrame() const { return mFrame; }
    Korrin::GuiList* GetList() const;
    bool IsShown() const { return mShown; }

private:
    // Fills the list from the profile and selects the profile's selected player.
    void ShowPlayers();
    void SelectCurrentPlayer();
    void Hide();

    GameWindowFrame* mFrame = nullptr; // the widget manager's
    bool mShown = false;
    bool mCreate = false;
    bool mDelete = false;
};
