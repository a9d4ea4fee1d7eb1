#include "game/GUI/AboutGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

AboutGui::AboutGui() : mDialog("AboutGui", "AboutGui.lua", "ABOUT_OK_BUTTON", "")
{
    mActive = false;
}

void AboutGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool AboutGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
