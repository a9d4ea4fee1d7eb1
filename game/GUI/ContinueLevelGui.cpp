#include "game/GUI/ContinueLevelGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

ContinueLevelGui::ContinueLevelGui()
    : mDialog("ContinueLevelGui", "ContinueLevelGui.gui", "CONTINUE_OK", "CONTINUE_CANCEL")
{
    mActive = false;
}

void ContinueLevelGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool ContinueLevelGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
