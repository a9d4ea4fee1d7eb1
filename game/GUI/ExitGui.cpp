#include "game/GUI/ExitGui.h"

#include "engine/App/Application.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GameGlobals.h"
#include "game/Main.h"
#include "platform/Services.h"

ExitGui::ExitGui()
{
    mActive = true;
}

void ExitGui::Reset()
{
    mConfirmed = false;
    mCancelled = false;
}

bool ExitGui::Update(float /*dt*/)
{
    if (mCancelled)
    {
        mCancelled = false;
        if (Main* main = Main::Peek(); main != nullptr && main->GetGameGuiManager() != nullptr)
        {
            main->GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
        }
        return false;
    }
    if (!mConfirmed)
    {
        return true;
    }
    mConfirmed = false;
    if (const Korrin::Application* application = Korrin::Application::GetCurrent(); application != nullptr)
    {
        Platform::Services::Current().Window().DestroyWindow(application->GetWindow());
    }
    GameGlobals::quit = true;
    return false;
}
