#pragma once

#include "game/Blank.h"

// The window that asks whether to leave the program. Confirming destroys the main window and raises
// the quit flag, so that the frame in progress ends and the program shuts down.
class ExitGui : public Blank
{
public:
    ExitGui();

    void Init() override {}
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override {}

    // The player confirmed leaving; acted on in the next Update.
    void Confirm() { mConfirmed = true; }
    // The player stayed; the window closes in the next Update.
    void Cancel() { mCancelled = true; }

private:
    bool mConfirmed = false;
    bool mCancelled = false;
};
