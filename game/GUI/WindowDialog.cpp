#include "game/GUI/WindowDialog.h"

#include "engine/Gui/GuiManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/Game/GamePanel.h"
#include "game/Main.h"
#include "game/Util/GuiSound.h"

#include <algorithm>
#include <utility>

WindowDialog::WindowDialog(std::string container, std::string layout, std::string okName,
                           std::string cancelName, std::vector<std::string> otherControls)
    : mContainer(std::move(container)), mLayout(std::move(layout)), mOkName(std::move(okName)),
      mCancelName(std::move(cancelName)), mOtherControls(std::move(otherControls))
{
}

void WindowDialog::Init()
{
    if (mFrame == nullptr)
    {
        mFrame = GameWindowFrame::Create(mContainer, mLayout);
    }
    if (mFrame != nullptr)
    {
        mFrame->SetDisabled(true);
    }
}

void WindowDialog::SetActive(bool active)
{
    mShown = active;
    mClicked.clear();
    if (mFrame == nullptr)
    {
        return;
    }
    mFrame->SetDisabled(!active);
    if (active)
    {
        mChoice = Choice::None;
        mControl.clear();
        mFrame->Show();
    }
}

void WindowDialog::PlayClick()
{
    PlayGuiSound("click_button");
}

void WindowDialog::ShowWindow(std::uint8_t id)
{
    const Main* main = Main::Peek();
    if (GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr)
    {
        windows->Show(id);
    }
}

namespace
{

GamePanel* PanelOfRunningLevel()
{
    const Main* main = Main::Peek();
    return main != nullptr && main->GetCurrent() == Main::kGameScreen ? GamePanel::Peek() : nullptr;
}

} // namespace

void WindowDialog::LockPanel()
{
    if (GamePanel* panel = PanelOfRunningLevel())
    {
        panel->LockForWindow();
    }
}

void WindowDialog::UnlockPanel()
{
    if (GamePanel* panel = PanelOfRunningLevel())
    {
        panel->UnlockAfterWindow();
    }
}

bool WindowDialog::IsControl(const std::string& name) const
{
    if (name.empty())
    {
        return false;
    }
    return name == mOkName || name == mCancelName ||
           std::find(mOtherControls.begin(), mOtherControls.end(), name) != mOtherControls.end();
}

void WindowDialog::Choose(Choice choice)
{
    mChoice = choice;
    if (mFrame != nullptr && mFrame->GetState() != GameWindowFrame::kClosing)
    {
        mFrame->Hide();
    }
}

void WindowDialog::ChooseControl(const std::string& name)
{
    mControl = name;
    Choose(Choice::Other);
}

bool WindowDialog::Update(float dt)
{
    mClicked.clear();
    if (mFrame == nullptr)
    {
        return false;
    }
    mFrame->UpdateAnimation(dt);
    if (mFrame->HasClosed())
    {
        if (!mShown)
        {
            return false;
        }
        mFrame->SetDisabled(true);
        mShown = mKeepShown;
        return true;
    }
    mShown = true;
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr;
    if (clicked == nullptr || mFrame->GetState() == GameWindowFrame::kClosing)
    {
        return false;
    }
    mClicked = clicked->GetName();
    if (!IsControl(mClicked))
    {
        return false;
    }
    PlayClick();
    if (mClicked == mOkName)
    {
        mControl = mClicked;
        Choose(Choice::Ok);
    }
    else if (mClicked == mCancelName)
    {
        mControl = mClicked;
        Choose(Choice::Cancel);
    }
    else
    {
        ChooseControl(mClicked);
    }
    return false;
}

void WindowDialog::Draw()
{
    if (mShown && mFrame != nullptr)
    {
        mFrame->Draw();
    }
}
