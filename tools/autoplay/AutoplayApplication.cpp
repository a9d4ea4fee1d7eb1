#include "tools/autoplay/AutoplayApplication.h"

#include "game/GUI/GameGuiManager.h"
#include "game/Main.h"

bool AutoplayApplication::IsLevelInPlay()
{
    const Main* main = Main::Peek();
    if (main == nullptr || main->GetCurrent() != Main::kGameScreen)
    {
        return false;
    }
    const GameGuiManager* windows = main->GetGameGuiManager();
    return windows != nullptr && windows->GetShown() >= GameGuiManager::kNoWindow;
}
