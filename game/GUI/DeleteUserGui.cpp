#include "game/GUI/DeleteUserGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

DeleteUserGui::DeleteUserGui()
    : mDialog("DeleteUserGui", "DeleteUser.gui", "DELETE_USER_OK", "DELETE_USER_CANCEL")
{
    mActive = false;
}

void DeleteUserGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool DeleteUserGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
