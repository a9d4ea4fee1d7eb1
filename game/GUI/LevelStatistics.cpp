#include "game/GUI/LevelStatistics.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Game/Game.h"
#include "game/Main.h"

LevelStatistics::LevelStatistics()
    : mDialog("LevelStatisticsWindow", "LevelStatistics.lua", "LEV_STAT_OK_BUTTON", "")
{
    mActive = false;
}

void LevelStatistics::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

void LevelStatistics::Confirm()
{
    mConfirmed = true;
    mDialog.Choose(WindowDialog::Choice::Ok);
}

void LevelStatistics::Complete()
{
    mConfirmed = false;
    _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    if (Game* game = Game::Peek())
    {
        game->CompleteLevel();
        game->ShowMap();
    }
}

bool LevelStatistics::Update(float dt)
{
    const bool closed = mDialog.Update(dt);
    if (closed && mDialog.GetChoice() == WindowDialog::Choice::Ok)
    {
        Complete();
        return false;
    }
    if (mConfirmed && mDialog.GetFrame() == nullptr)
    {
        // Without a frame there is no slide-out to wait for.
        Complete();
        return false;
    }
    return true;
}
