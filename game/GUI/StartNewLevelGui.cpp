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
    mDialog.KeepShownAfterSlideOut();
}

void StartNewLevelGui::Init()
{
    mDialog.Init();
}

void StartNewLevelGui::SetActive(bool active)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("StartNewLevelGui::SetEnabled");
    }
    Blank::SetActive(active);
    mPhase = kPhaseShown;
    mDialog.SetActive(active);
}

void StartNewLevelGui::Draw()
{
    mDialog.Draw();
    if (mDialog.IsShown() && mPhase == kPhaseClosed)
    {
        mPhase = kPhaseDrawn;
    }
}

bool StartNewLevelGui::StartClip()
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
    if (Main* main = Main::Peek())
    {
        main->SetCurrent(Main::kScriptMovieScreen);
    }
    WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
    return false;
}

bool StartNewLevelGui::StartLevel()
{
    Korrin::LogManager::GetInstance()->Write("StartNewLevelGui::Update %i",
                                             static_cast<int>(mLevelIndex + 1));
    // The level first: its start resets the panel that the card's goals window holds.
    Game* game = Game::Peek();
    if (game != nullptr && !game->StartLevel(static_cast<std::uint16_t>(mLevelIndex + 1)))
    {
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        return false;
    }
    WindowDialog::ShowWindow(NewCharacterGui::kWindowId);
    GameGuiManager* windows = GameGuiManager::Current();
    if (auto* card = windows != nullptr
                         ? dynamic_cast<NewCharacterGui*>(windows->Get(NewCharacterGui::kWindowId))
                         : nullptr)
    {
        card->SetCharacter(static_cast<int>(mLevelIndex));
    }
    return false;
}

bool StartNewLevelGui::Update(float dt)
{
    if (!mDialog.Update(dt))
    {
        return true;
    }
    if (mPhase == kPhaseShown)
    {
        mPhase = kPhaseClosed;
    }
    if (mPhase != kPhaseDrawn)
    {
        return true;
    }
    if (mDialog.GetChoice() != WindowDialog::Choice::Ok)
    {
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        return true;
    }
    return mClip != kNoClip ? StartClip() : StartLevel();
}
