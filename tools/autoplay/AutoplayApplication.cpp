#include "tools/autoplay/AutoplayApplication.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

bool AutoplayApplication::MayGoUndrawn()
{
    const Main* main = Main::Peek();
    if (main == nullptr ||
        (main->GetCurrent() != Main::kGameScreen && main->GetCurrent() != Main::kScriptMovieScreen))
    {
        return false;
    }
    const GameGuiManager* windows = main->GetGameGuiManager();
    return windows != nullptr && windows->GetShown() >= GameGuiManager::kNoWindow;
}
