#include "game/GUI/YesNoAlertGui.h"

#include "engine/Log/LogManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameMenu.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/TaskLevelGui.h"
#include "game/Game/Game.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Main.h"

YesNoAlertGui::YesNoAlertGui() : mDialog("YesNoAlertGui", "YesNoAlertGui.gui", "YESNO_OK", "YESNO_CANCEL")
{
    mActive = false;
}

void YesNoAlertGui::ShowWarnings()
{
    GameWindowFrame* frame = mDialog.GetFrame();
    if (frame == nullptr)
    {
        return;
    }
    Korrin::GuiElement* leave = frame->GetByName(kLeaveWarning);
    Korrin::GuiElement* restart = frame->GetByName(kRestartWarning);
    for (Korrin::GuiElement* warning : {leave, restart})
    {
        if (warning != nullptr)
        {
            warning->SetVisible(false);
        }
    }
    if (leave != nullptr && (mMode == kLeaveToMainMenu || mMode == kLeaveToMap))
    {
        leave->SetVisible(true);
    }
    if (restart != nullptr && mMode == kRestart)
    {
        restart->SetVisible(true);
    }
}

void YesNoAlertGui::SetActive(bool active)
{
    Blank::SetActive(active);
    if (active)
    {
        ShowWarnings();
        mClosing = false;
    }
    mDialog.SetActive(active);
}

void YesNoAlertGui::CarryOut()
{
    switch (mMode)
    {
    case kLeaveToMainMenu:
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        if (Main* main = Main::Peek())
        {
            main->SetCurrent(Main::kMainMenuScreen);
        }
        break;
    case kLeaveToMap:
        WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        if (Game* game = Game::Peek())
        {
            game->ShowMap();
        }
        break;
    case kRestart:
    {
        const LevelTaskInfo* task = LevelTaskInfo::Peek();
        const std::uint16_t level = task != nullptr ? task->level : 1;
        if (Korrin::LogManager* log = Korrin::LogManager::Peek())
        {
            log->Write("YesNoAlertGui::Update %i", static_cast<int>(level));
        }
        if (Game* game = Game::Peek())
        {
            game->StartLevel(level);
        }
        // After the start, whose panel reset would otherwise undo the goals window's hold on it.
        WindowDialog::ShowWindow(TaskLevelGui::kWindowId);
        break;
    }
    case kBackToGameMenu:
        WindowDialog::ShowWindow(GameMenu::kWindowId);
        break;
    default:
        break;
    }
}

bool YesNoAlertGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        if (mClosing)
        {
            CarryOut();
        }
        else
        {
            WindowDialog::ShowWindow(GameGuiManager::kNoWindow);
        }
        return true;
    }
    const std::string& clicked = mDialog.GetClicked();
    if (clicked.empty())
    {
        return true;
    }
    if (clicked == "YESNO_CANCEL")
    {
        mMode = kBackToGameMenu;
    }
    else if (clicked != "YESNO_OK")
    {
        // Any other element of the layout confirms, without the click.
        mDialog.Choose(WindowDialog::Choice::Ok);
    }
    mClosing = true;
    return true;
}
