#include "game/GUI/ContinueLevelGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"
#include "game/Profile.h"

ContinueLevelGui::ContinueLevelGui()
    : mDialog("ContinueLevelGui", "ContinueLevelGui.gui", "CONTINUE_OK", "CONTINUE_CANCEL")
{
    mActive = false;
    mDialog.KeepShownAfterSlideOut();
}

void ContinueLevelGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

void ContinueLevelGui::Resume()
{
    Profile* profile = Profile::Peek();
    if (profile != nullptr)
    {
        profile->levelInPlay = static_cast<std::int32_t>(mLevelIndex);
        profile->LoadGame();
    }
    // A level that could not be built leaves the player on the map, where this window must not stay.
    const GameGuiManager* windows = GameGuiManager::Current();
    if (windows != nullptr && windows->GetShown() == kWindowId)
    {
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
    }
}

bool ContinueLevelGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        if (mDialog.GetChoice() == WindowDialog::Choice::Ok)
        {
            Resume();
        }
        else
        {
            WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        }
        return true;
    }
    const std::string& clicked = mDialog.GetClicked();
    if (clicked == "CONTINUE_CANCEL")
    {
        if (Profile* profile = Profile::Peek())
        {
            profile->DeleteSavedGame();
        }
    }
    else if (!clicked.empty() && !mDialog.IsControl(clicked))
    {
        // Any other element of the layout closes the window without loading or deleting anything.
        mDialog.Choose(WindowDialog::Choice::None);
    }
    return true;
}
