#include "game/GUI/WindowLayouts.h"

#include "game/GUI/GameGuiManager.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/Main.h"

#include <initializer_list>

void WindowLayouts::Adopt(GameWindowFrame* first, GameWindowFrame* second)
{
    for (GameWindowFrame* frame : {first, second})
    {
        if (frame != nullptr)
        {
            frame->SetDisabled(true);
        }
    }
    mCurrent = first;
}

void WindowLayouts::Open(bool active)
{
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

bool WindowLayouts::UpdateUntilClosed(float dt, std::uint8_t next)
{
    if (mCurrent == nullptr)
    {
        return true;
    }
    mCurrent->UpdateAnimation(dt);
    if (!mCurrent->HasClosed())
    {
        mShown = true;
        return false;
    }
    if (mShown)
    {
        mCurrent->SetDisabled(true);
        mShown = false;
        _GetMain().GetGameGuiManager()->Show(next);
    }
    return true;
}

void WindowLayouts::Draw() const
{
    if (mShown && mCurrent != nullptr)
    {
        mCurrent->Draw();
    }
}
