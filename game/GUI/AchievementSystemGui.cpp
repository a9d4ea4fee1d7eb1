#include "game/GUI/AchievementSystemGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

AchievementSystemGui::AchievementSystemGui()
    : mDialog("AchievementGui", "AchievementGui.lua", "ACHIEV_OK_BUTTON", "")
{
    mActive = false;
}

void AchievementSystemGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool AchievementSystemGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
