#pragma once

#include "game/GUI/WindowDialog.h"
#include "game/Util/Blank.h"

#include <cstdint>

// The window that asks whether to leave the program (window 15). Confirming destroys the main window
// and raises the quit flag, so that the frame in progress ends and the program shuts down.
class ExitGui : public Blank
{
public:
    static constexpr std::uint8_t kWindowId = 15;

    ExitGui();

    void Init() override { mDialog.Init(); }
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override { mDialog.Draw(); }
    void SetActive(bool active) override;

    // The player confirmed leaving, as the OK control does; acted on in the next Update.
    void Confirm() { mConfirmed = true; }
    // The player stayed, as the Cancel control does; the window closes.
    void Cancel();

private:
    bool Quit();

    WindowDialog mDialog;
    bool mConfirmed = false;
    bool mCancelled = false;
};
