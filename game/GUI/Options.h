#pragma once

#include "game/Util/Blank.h"

#include <cstdint>
#include <string>

class GameWindowFrame;

// The window of the settings (window 5): the two volume sliders act while they move; the three check
// boxes (tips, full screen, decorated cursor) take effect, and the settings file is written, on OK.
class Options : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 5;

    Options();

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetActive(bool active) override;

    // The game menu calls it right after showing this window, so that OK brings the game menu back.
    void SetReturnToGameMenu() { mReturnToGameMenu = true; }
    // What a click on the control of that name does.
    void HandleClick(const std::string& name);
    GameWindowFrame* GetFrame() const { return mFrame; }
    bool IsShown() const { return mShown; }

private:
    void ShowCurrentValues();
    void ApplyMovedSliders();
    void ApplyAndSave();

    GameWindowFrame* mFrame = nullptr; // the widget manager's
    bool mShown = false;
    bool mReturnToGameMenu = false;
    // The sliders' values last applied to the sound: a slider that has not moved since is left alone, so
    // a slider still at its first value never silences the player's volumes.
    float mMusicApplied = 0.0f;
    float mSoundApplied = 0.0f;
};
