#include "game/GUI/LevelStatistics.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Game/Game.h"
#include "game/Main.h"

bool LevelStatistics::Update(float /*dt*/)
{
    if (!mConfirmed)
    {
        return true;
    }
    mConfirmed = false;
    if (Game* game = Game::Peek())
    {
        game->CompleteLevel();
        game->ShowMap();
    }
    if (GameGuiManager* windows = _GetMain().GetGameGuiManager())
    {
        windows->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
