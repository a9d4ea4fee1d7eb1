#include "game/GUI/MainMenu.h"

#include "game/Profile.h"

void MainMenu::Init()
{
    if (Profile* profile = Profile::Peek())
    {
        profile->LoadUserList(true);
        profile->LoadAll();
    }
}
