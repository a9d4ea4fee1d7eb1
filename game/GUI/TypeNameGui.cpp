#include "game/GUI/TypeNameGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

TypeNameGui::TypeNameGui() : mDialog("TypeNameGui", "TypeNameGui.gui", "TYPENAME_OK", "TYPENAME_CANCEL")
{
    mActive = false;
}

void TypeNameGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool TypeNameGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
