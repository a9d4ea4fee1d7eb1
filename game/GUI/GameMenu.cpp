#include "game/GUI/GameMenu.h"

#include "game/GUI/GameGuiManager.h"
#include "game/GUI/Options.h"
#include "game/GUI/YesNoAlertGui.h"
#include "game/Main.h"
#include "game/Profile.h"

GameMenu::GameMenu()
    : mDialog("GameMenu", "GameMenu.gui", kContinue, "", {kMap, kMainMenu, kRestart, kSettings})
{
    mActive = false;
}

void GameMenu::SetActive(bool active)
{
    Blank::SetActive(active);
    mLeaving = false;
    mSettings = false;
    if (active)
    {
        WindowDialog::LockPanel();
    }
    mDialog.SetActive(active);
}

void GameMenu::CloseAfterSlideOut()
{
    if (!mLeaving)
    {
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        return;
    }
    if (!mSettings)
    {
        WindowDialog::ShowWindow(YesNoAlertGui::kWindowId);
        return;
    }
    WindowDialog::ShowWindow(Options::kWindowId);
    GameGuiManager* windows = GameGuiManager::Current();
    if (auto* options =
            windows != nullptr ? dynamic_cast<Options*>(windows->Get(Options::kWindowId)) : nullptr)
    {
        options->SetReturnToGameMenu();
    }
}

void GameMenu::Leave(std::int32_t mode, bool save)
{
    GameGuiManager* windows = GameGuiManager::Current();
    if (auto* alert = windows != nullptr
                          ? dynamic_cast<YesNoAlertGui*>(windows->Get(YesNoAlertGui::kWindowId))
                          : nullptr)
    {
        alert->mMode = mode;
    }
    if (Profile* profile = Profile::Peek(); save && profile != nullptr)
    {
        profile->SaveGame();
    }
    mLeaving = true;
}

void GameMenu::OnClick(const std::string& name)
{
    if (name == kContinue)
    {
        WindowDialog::UnlockPanel();
    }
    else if (name == kMap)
    {
        Leave(YesNoAlertGui::kLeaveToMap, true);
    }
    else if (name == kMainMenu)
    {
        Leave(YesNoAlertGui::kLeaveToMainMenu, true);
    }
    else if (name == kRestart)
    {
        Leave(YesNoAlertGui::kRestart, false);
    }
    else if (name == kSettings)
    {
        mSettings = true;
        mLeaving = true;
    }
}

bool GameMenu::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        CloseAfterSlideOut();
        return true;
    }
    const std::string& clicked = mDialog.GetClicked();
    if (clicked.empty())
    {
        return true;
    }
    // Every element of the menu clicks; the dialog already did for its own controls.
    if (!mDialog.IsControl(clicked))
    {
        WindowDialog::PlayClick();
    }
    OnClick(clicked);
    return true;
}
