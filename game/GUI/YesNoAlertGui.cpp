#include "game/GUI/YesNoAlertGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

YesNoAlertGui::YesNoAlertGui() : mDialog("YesNoAlertGui", "YesNoAlertGui.gui", "YESNO_OK", "YESNO_CANCEL")
{
    mActive = false;
}

void YesNoAlertGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool YesNoAlertGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
