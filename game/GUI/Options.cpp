#include "game/GUI/Options.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

Options::Options() : mDialog("Options", "Options.gui", "OPT_OK_BUTTON", "")
{
    mActive = false;
}

void Options::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool Options::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
