#include "game/GUI/MainMenu.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/Options.h"
#include "game/Game/Game.h"
#include "game/Main.h"
#include "game/Profile.h"

namespace
{

void PlayClick()
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (Korrin::Sound* click = sounds != nullptr ? sounds->GetSound("click_button") : nullptr)
    {
        click->Play(false);
    }
}

} // namespace

void MainMenu::Init()
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        mBackground = sprites->LoadSprite("Background", kBackgroundScript);
    }
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mButtons = widgets->CreateContainer("MenuBox", kButtonScript);
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->LoadUserList(true);
        profile->LoadAll();
    }
}

void MainMenu::SetActive(bool active)
{
    Blank::SetActive(active);
    if (mButtons != nullptr)
    {
        mButtons->SetDisabled(!active);
    }
}

bool MainMenu::Update(float /*dt*/)
{
    GameGuiManager* windows = _GetMain().GetGameGuiManager();
    if (mButtons == nullptr || windows == nullptr)
    {
        return true;
    }
    // The buttons wait while a window is shown, and come back in the first frame without one.
    if (windows->GetRequested() != GameGuiManager::kNoWindow)
    {
        return true;
    }
    if (StartSampleLevelByKey())
    {
        return true;
    }
    if (mButtons->IsDisabled())
    {
        // Enabling clears the buttons' states, so it is done once, not every frame.
        mButtons->SetDisabled(false);
    }
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (clicked == nullptr)
    {
        return true;
    }
    const std::string& name = clicked->GetName();
    if (name == "MAINMENU_PLAY")
    {
        PlayClick();
        mButtons->SetDisabled(true);
        _GetMain().SetCurrent(Main::kMapScreen);
        return false;
    }
    if (name == "MAINMENU_OPTIONS" || name == "MAINMENU_EXIT")
    {
        PlayClick();
        mButtons->SetDisabled(true);
        windows->Show(name == "MAINMENU_OPTIONS" ? Options::kWindowId : GameGuiManager::kExit);
    }
    return true;
}

bool MainMenu::StartSampleLevelByKey() const
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    Game* game = Game::Peek();
    if (input == nullptr || game == nullptr)
    {
        return false;
    }
    for (std::uint8_t level = 1; level <= kSampleLevels; ++level)
    {
        if (input->IsKeyPressed(static_cast<std::uint8_t>('0' + level)))
        {
            game->StartLevel(level);
            return true;
        }
    }
    return false;
}

void MainMenu::Draw()
{
    if (mBackground != nullptr)
    {
        mBackground->Draw(Korrin::CheckedInteger<int>(mBackground->GetPosition().x),
                          Korrin::CheckedInteger<int>(mBackground->GetPosition().y));
    }
    if (mButtons != nullptr)
    {
        mButtons->Draw();
    }
}
