#include "game/GUI/PlayerSelectGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

PlayerSelectGui::PlayerSelectGui() : mDialog("Profiles", "Profiles.gui", "Profiles_OK", "Profiles_Cancel")
{
    mActive = false;
}

void PlayerSelectGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool PlayerSelectGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
