#include "game/GUI/WindowDialog.h"

#include "engine/Gui/GuiManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/GameWindowFrame.h"

#include <utility>

WindowDialog::WindowDialog(std::string container, std::string layout, std::string okName,
                           std::string cancelName)
    : mContainer(std::move(container)), mLayout(std::move(layout)), mOkName(std::move(okName)),
      mCancelName(std::move(cancelName))
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
    if (mFrame == nullptr)
    {
        return;
    }
    mFrame->SetDisabled(!active);
    if (active)
    {
        mChoice = Choice::None;
        mFrame->Show();
    }
}

void WindowDialog::PlayClick()
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (Korrin::Sound* click = sounds != nullptr ? sounds->GetSound("click_button") : nullptr)
    {
        click->Play(false);
    }
}

void WindowDialog::Choose(Choice choice)
{
    mChoice = choice;
    if (mFrame != nullptr && mFrame->GetState() != GameWindowFrame::kClosing)
    {
        mFrame->Hide();
    }
}

bool WindowDialog::Update(float dt)
{
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
        mShown = false;
        return true;
    }
    mShown = true;
    const Korrin::GuiManager* manager = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = manager != nullptr ? manager->GetMessage() : nullptr;
    if (clicked == nullptr || mFrame->GetState() == GameWindowFrame::kClosing)
    {
        return false;
    }
    if (clicked->GetName() == mOkName)
    {
        PlayClick();
        Choose(Choice::Ok);
    }
    else if (!mCancelName.empty() && clicked->GetName() == mCancelName)
    {
        PlayClick();
        Choose(Choice::Cancel);
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
