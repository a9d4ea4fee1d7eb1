#include "game/GUI/MainMenu.h"

#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Profile.h"

void MainMenu::Init()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mBackground = sprites->LoadSprite("Background", kBackgroundScript);
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->LoadUserList(true);
        profile->LoadAll();
    }
}

void MainMenu::Draw()
{
    if (mBackground != nullptr)
    {
        mBackground->Draw(static_cast<int>(mBackground->GetPosition().x),
                          static_cast<int>(mBackground->GetPosition().y));
    }
}
