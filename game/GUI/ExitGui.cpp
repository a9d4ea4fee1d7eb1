#include "game/GUI/ExitGui.h"

#include "engine/App/Application.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"
#include "game/Util/GameGlobals.h"
#include "platform/Services.h"

ExitGui::ExitGui() : mDialog("ExitGui", "ExitGui.gui", "EXIT_GAME_OK", "EXIT_GAME_CANCEL")
{
    mActive = true;
}

void ExitGui::Reset()
{
    mConfirmed = false;
    mCancelled = false;
}

void ExitGui::SetActive(bool active)
{
    Blank::SetActive(active);
    mDialog.SetActive(active);
}

void ExitGui::Cancel()
{
    mCancelled = true;
    mDialog.Choose(WindowDialog::Choice::Cancel);
}

bool ExitGui::Quit()
{
    mConfirmed = false;
    if (const Korrin::Application* application = Korrin::Application::GetCurrent(); application != nullptr)
    {
        Platform::Services::Current().Window().DestroyWindow(application->GetWindow());
    }
    GameGlobals::quit = true;
    return false;
}

bool ExitGui::Update(float dt)
{
    if (mConfirmed)
    {
        return Quit();
    }
    const bool closed = mDialog.Update(dt);
    if (mDialog.GetChoice() == WindowDialog::Choice::Ok && mDialog.IsShown())
    {
        // Leaving does not wait for the slide-out.
        return Quit();
    }
    const bool cancelledWithoutFrame = mCancelled && mDialog.GetFrame() == nullptr;
    if (closed || cancelledWithoutFrame)
    {
        mCancelled = false;
        if (Main* main = Main::Peek(); main != nullptr && main->GetGameGuiManager() != nullptr)
        {
            main->GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
        }
        return false;
    }
    return true;
}
