#include "game/GUI/DeleteUserGui.h"

#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/PlayerSelectGui.h"
#include "game/GUI/WindowDialog.h"
#include "game/Main.h"
#include "game/Profile.h"

DeleteUserGui::DeleteUserGui()
{
    mActive = false;
}

void DeleteUserGui::Init()
{
    if (mFrame == nullptr)
    {
        mFrame = GameWindowFrame::Create("DeleteUserGui", "DeleteUser.gui");
        mWarningFrame = GameWindowFrame::Create("DeleteUserWarningGui", "DeleteUserWarning.gui");
    }
    mLayouts.Adopt(mFrame, mWarningFrame);
}

void DeleteUserGui::Reset()
{
    for (GameWindowFrame* frame : {mFrame, mWarningFrame})
    {
        if (frame != nullptr)
        {
            frame->UpdateAnimation(0.0f);
        }
    }
}

void DeleteUserGui::SetActive(bool active)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("DeleteUserGui::SetEnabled");
    }
    const Profile* profile = Profile::Peek();
    const bool several = profile != nullptr && profile->GetPlayers().size() > 1;
    mLayouts.Choose(several || mWarningFrame == nullptr ? mFrame : mWarningFrame);
    Blank::SetActive(active);
    mLayouts.Open(active);
}

bool DeleteUserGui::Update(float dt)
{
    if (mLayouts.UpdateUntilClosed(dt, PlayerSelectGui::kWindowId))
    {
        return true;
    }
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr)
    {
        HandleClick(clicked->GetName());
    }
    return true;
}

void DeleteUserGui::HandleClick(const std::string& name)
{
    GameWindowFrame* current = mLayouts.Current();
    if (current == nullptr || current->GetState() == GameWindowFrame::kClosing)
    {
        return;
    }
    const std::string suffix = IsWarning() ? "_WARNING" : "";
    if (name == "DELETE_USER_OK" + suffix)
    {
        WindowDialog::PlayClick();
        // The profile deletes nothing while only one player is listed.
        if (Profile* profile = Profile::Peek())
        {
            profile->DeleteUser();
        }
        Hide();
    }
    else if (name == "DELETE_USER_CANCEL")
    {
        WindowDialog::PlayClick();
        Hide();
    }
}

void DeleteUserGui::Hide()
{
    mLayouts.Current()->Hide();
}

void DeleteUserGui::Draw()
{
    mLayouts.Draw();
}
