#include "game/GUI/StartNewLevelGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

StartNewLevelGui::StartNewLevelGui()
    : mDialog("StartNewLevelGui", "StartNewLevelGui.gui", "STARTNEW_OK", "STARTNEW_CANCEL")
{
    mActive = false;
}

void StartNewLevelGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool StartNewLevelGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
