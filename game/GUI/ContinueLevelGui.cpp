#include "game/GUI/ContinueLevelGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"
#include "game/Profile.h"

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
    if (!mDialog.Update(dt))
    {
        return true;
    }
    Profile* profile = Profile::Peek();
    _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    if (profile == nullptr)
    {
        return true;
    }
    if (mDialog.GetChoice() != WindowDialog::Choice::Ok)
    {
        profile->DeleteSavedGame();
        return true;
    }
    profile->levelInPlay = static_cast<std::int32_t>(mLevelIndex);
    profile->LoadGame();
    return false;
}
