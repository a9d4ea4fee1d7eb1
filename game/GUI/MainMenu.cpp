#include "game/GUI/MainMenu.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "engine/Util/CheckedInteger.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/AchievementSystemGui.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/Options.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Profile.h"

namespace
{

constexpr std::uint32_t kAllGoldAchievement = 12;

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

void MainMenu::Reset()
{
    GameInfo* info = GameInfo::Peek();
    AchievementSystem* achievements = AchievementSystem::Peek();
    if (info == nullptr || achievements == nullptr)
    {
        return;
    }
    for (std::uint32_t level = 0; level < kLevelCount; ++level)
    {
        if (info->GetLevelPassType(level) != kLevelPassedGold)
        {
            return;
        }
    }
    achievements->AddProgress(kAllGoldAchievement, 1);
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
        Play();
        return false;
    }
    if (name == "MAINMENU_OPTIONS" || name == "MAINMENU_EXIT" || name == "MAINMENU_ACHIEVEMENTS")
    {
        PlayClick();
        mButtons->SetDisabled(true);
        windows->Show(name == "MAINMENU_OPTIONS"        ? Options::kWindowId
                      : name == "MAINMENU_ACHIEVEMENTS" ? AchievementSystemGui::kWindowId
                                                        : GameGuiManager::kExit);
    }
    return true;
}

void MainMenu::Play()
{
    // A player who has seen no clip yet starts the story with the opening clip; any other the map.
    Profile* profile = Profile::Peek();
    ClipGui* clips = ClipGui::Peek();
    if (profile != nullptr && clips != nullptr && profile->storyStage < 0)
    {
        profile->SetStoryStage(0);
        clips->StartClip(1);
        _GetMain().SetCurrent(Main::kScriptMovieScreen);
        return;
    }
    _GetMain().SetCurrent(Main::kMapScreen);
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
