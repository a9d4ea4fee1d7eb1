#include "game/GUI/GameMenu.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

GameMenu::GameMenu() : mDialog("GameMenu", "GameMenu.gui", "GAMEMENU_CONTINUE_BUTTON", "")
{
    mActive = false;
}

void GameMenu::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool GameMenu::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
