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
    for (GameWindowFrame* frame : {mFrame, mWarningFrame})
    {
        if (frame != nullptr)
        {
            frame->SetDisabled(true);
        }
    }
    mCurrent = mFrame;
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
    mCurrent = several || mWarningFrame == nullptr ? mFrame : mWarningFrame;
    Blank::SetActive(active);
    if (mCurrent == nullptr)
    {
        return;
    }
    mCurrent->SetDisabled(!active);
    if (active)
    {
        mCurrent->Show();
        mShown = true;
    }
}

bool DeleteUserGui::Update(float dt)
{
    if (mCurrent == nullptr)
    {
        return true;
    }
    mCurrent->UpdateAnimation(dt);
    if (mCurrent->HasClosed())
    {
        if (mShown)
        {
            mCurrent->SetDisabled(true);
            mShown = false;
            _GetMain().GetGameGuiManager()->Show(PlayerSelectGui::kWindowId);
        }
        return true;
    }
    mShown = true;
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr)
    {
        HandleClick(clicked->GetName());
    }
    return true;
}

void DeleteUserGui::HandleClick(const std::string& name)
{
    if (mCurrent == nullptr || mCurrent->GetState() == GameWindowFrame::kClosing)
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
    mCurrent->Hide();
}

void DeleteUserGui::Draw()
{
    if (mShown && mCurrent != nullptr)
    {
        mCurrent->Draw();
    }
}
