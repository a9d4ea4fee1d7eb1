#include "game/GUI/StartNewLevelGui.h"

#include "engine/Log/LogManager.h"
#include "game/ClipGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/NewCharacterGui.h"
#include "game/Game/Game.h"
#include "game/Main.h"
#include "game/Profile.h"

StartNewLevelGui::StartNewLevelGui()
    : mDialog("StartNewLevelGui", "StartNewLevelGui.gui", "STARTNEW_OK", "STARTNEW_CANCEL")
{
    mActive = false;
}

void StartNewLevelGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool StartNewLevelGui::Update(float dt)
{
    if (!mDialog.Update(dt))
    {
        return true;
    }
    GameGuiManager* windows = _GetMain().GetGameGuiManager();
    if (mDialog.GetChoice() != WindowDialog::Choice::Ok)
    {
        windows->Show(GameGuiManager::kNoWindow);
        return true;
    }
    if (mClip != kNoClip)
    {
        if (mClip >= 1 && mClip <= 6)
        {
            if (Profile* profile = Profile::Peek())
            {
                profile->SetStoryStage(mClip - 1);
            }
        }
        if (ClipGui* clips = ClipGui::Peek(); clips != nullptr && mClip >= 0 && mClip <= 6)
        {
            clips->StartClip(mClip);
        }
        mClip = kNoClip;
        _GetMain().SetCurrent(Main::kScriptMovieScreen);
        windows->Show(GameGuiManager::kNoWindow);
        return false;
    }
    windows->Show(NewCharacterGui::kWindowId);
    if (auto* card = dynamic_cast<NewCharacterGui*>(windows->Get(NewCharacterGui::kWindowId)))
    {
        card->SetCharacter(mLevelIndex);
    }
    Korrin::LogManager::GetInstance()->Write("StartNewLevelGui::Update %i",
                                             static_cast<int>(mLevelIndex + 1));
    if (Game* game = Game::Peek())
    {
        game->StartLevel(static_cast<std::uint16_t>(mLevelIndex + 1));
    }
    return false;
}
