#include "game/GUI/PlayerSelectGui.h"

#include "engine/Gui/GuiList.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "game/GUI/DeleteUserGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/TypeNameGui.h"
#include "game/GUI/WindowDialog.h"
#include "game/Game/GameInfo.h"
#include "game/Main.h"
#include "game/Profile.h"

PlayerSelectGui::PlayerSelectGui()
{
    mActive = false;
}

void PlayerSelectGui::Init()
{
    if (mFrame == nullptr)
    {
        mFrame = GameWindowFrame::Create("Profiles", "Profiles.gui");
    }
    if (mFrame != nullptr)
    {
        mFrame->SetDisabled(true);
    }
}

Korrin::GuiList* PlayerSelectGui::GetList() const
{
    return mFrame != nullptr ? dynamic_cast<Korrin::GuiList*>(mFrame->GetByName("PROFILES_LIST")) : nullptr;
}

void PlayerSelectGui::SetActive(bool active)
{
    if (Korrin::LogManager* log = Korrin::LogManager::Peek())
    {
        log->Write("PlayerSelectGui::SetEnabled %s", active ? "true" : "false");
    }
    Blank::SetActive(active);
    mCreate = false;
    mDelete = false;
    if (mFrame == nullptr)
    {
        return;
    }
    mFrame->SetDisabled(!active);
    if (active)
    {
        ShowPlayers();
        mFrame->Show();
        mShown = true;
    }
}

void PlayerSelectGui::ShowPlayers()
{
    Korrin::GuiList* list = GetList();
    const Profile* profile = Profile::Peek();
    if (list == nullptr || profile == nullptr)
    {
        return;
    }
    while (list->GetCount() > 0)
    {
        list->RemoveItem(list->GetCount() - 1);
    }
    for (const Profile::Player& player : profile->GetPlayers())
    {
        list->AddItem(player.name, player.number);
    }
    list->SetSelected(profile->GetSelectedIndex());
}

bool PlayerSelectGui::Update(float dt)
{
    if (mFrame == nullptr)
    {
        return true;
    }
    mFrame->UpdateAnimation(dt);
    if (mFrame->HasClosed())
    {
        if (mShown)
        {
            mFrame->SetDisabled(true);
            mShown = false;
            const std::uint32_t next = mCreate
                                           ? TypeNameGui::kWindowId
                                           : (mDelete ? DeleteUserGui::kWindowId : GameGuiManager::kNoWindow);
            _GetMain().GetGameGuiManager()->Show(next);
        }
        return true;
    }
    mShown = true;
    // The player clicked in the list: the profile's selection follows.
    if (const Korrin::GuiList* list = GetList(); list != nullptr && Profile::Peek() != nullptr)
    {
        Profile::GetInstance()->SetSelectedIndex(list->GetSelectedIndex());
    }
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    if (const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr)
    {
        HandleClick(clicked->GetName());
    }
    return true;
}

void PlayerSelectGui::HandleClick(const std::string& name)
{
    if (mFrame == nullptr || mFrame->GetState() == GameWindowFrame::kClosing)
    {
        return;
    }
    Profile* profile = Profile::Peek();
    if (name == "Profiles_OK")
    {
        WindowDialog::PlayClick();
        if (profile != nullptr)
        {
            profile->SaveAll();
            profile->LoadAll();
        }
        Hide();
    }
    else if (name == "Profiles_Cancel")
    {
        WindowDialog::PlayClick();
        SelectCurrentPlayer();
        Hide();
    }
    else if (name == "Profiles_Create")
    {
        WindowDialog::PlayClick();
        Hide();
        mCreate = true;
    }
    else if (name == "Profiles_Delete")
    {
        WindowDialog::PlayClick();
        Hide();
        mDelete = true;
    }
}

// Cancel leaves the current player selected, however the list's selection was moved.
void PlayerSelectGui::SelectCurrentPlayer()
{
    Korrin::GuiList* list = GetList();
    const GameInfo* info = GameInfo::Peek();
    if (list == nullptr || info == nullptr)
    {
        return;
    }
    const int index = list->FindItem(info->playerName);
    if (index >= 0 && index != list->GetSelectedIndex())
    {
        list->SetSelected(index);
        if (Profile* profile = Profile::Peek())
        {
            profile->SetSelectedIndex(index);
        }
    }
}

void PlayerSelectGui::Hide()
{
    mFrame->Hide();
}

void PlayerSelectGui::Draw()
{
    if (mShown && mFrame != nullptr)
    {
        mFrame->Draw();
    }
}
