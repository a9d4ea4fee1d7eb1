#pragma once

#include "game/GUI/WindowLayouts.h"
#include "game/Util/Blank.h"

#include <cstdint>
#include <string>

class GameWindowFrame;

// The window of deleting the selected player (window 10); with one player listed it shows a warning
// layout instead, whose OK deletes nothing. Either way it goes back to the player selection.
class DeleteUserGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 10;

    DeleteUserGui();

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // What a click on the control of that name does.
    void HandleClick(const std::string& name);
    GameWindowFrame* GetCurrentFrame() const { return mLayouts.Current(); }
    bool IsWarning() const { return mLayouts.Current() != nullptr && mLayouts.Current() == mWarningFrame; }
    bool IsShown() const { return mLayouts.IsShown(); }

private:
    void Hide();

    WindowLayouts mLayouts;
    GameWindowFrame* mFrame = nullptr;        // the widget manager's
    GameWindowFrame* mWarningFrame = nullptr; // the widget manager's
};
