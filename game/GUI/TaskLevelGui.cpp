#include "game/GUI/TaskLevelGui.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

TaskLevelGui::TaskLevelGui() : mDialog("TaskWindowGui", "TaskLevelGui.gui", "TASKLEVEL_OK_BUTTON", "")
{
    mActive = false;
}

void TaskLevelGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

bool TaskLevelGui::Update(float dt)
{
    if (mDialog.Update(dt))
    {
        _GetMain().GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    }
    return true;
}
