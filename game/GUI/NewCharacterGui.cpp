#include "game/GUI/NewCharacterGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

NewCharacterGui::NewCharacterGui() : mDialog("NewCharacterGui", "NewCharacterGui.gui", "NC_OK_BUTTON", "")
{
    mActive = false;
}

void NewCharacterGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool NewCharacterGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
