#include "game/GUI/MainMenu.h"

#include "engine/App/InputManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Game/Game.h"
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

bool MainMenu::Update(float /*dt*/)
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    Game* game = Game::Peek();
    if (input == nullptr || game == nullptr)
    {
        return true;
    }
    for (std::uint8_t level = 1; level <= kSampleLevels; ++level)
    {
        if (input->IsKeyPressed(static_cast<std::uint8_t>('0' + level)))
        {
            game->StartLevel(level);
            break;
        }
    }
    return true;
}

void MainMenu::Draw()
{
    if (mBackground != nullptr)
    {
        mBackground->Draw(static_cast<int>(mBackground->GetPosition().x),
                          static_cast<int>(mBackground->GetPosition().y));
    }
}
