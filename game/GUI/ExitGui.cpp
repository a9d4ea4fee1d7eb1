#include "game/GUI/ExitGui.h"

#include "engine/App/Application.h"
#include "game/GameGlobals.h"
#include "platform/Services.h"

ExitGui::ExitGui()
{
    mActive = true;
}

void ExitGui::Reset()
{
    mConfirmed = false;
}

bool ExitGui::Update(float /*dt*/)
{
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
