#include "game/ClipGui.h"

#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Sound/PlaySoundOnce.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/ClipScene1.h"
#include "game/ClipScene2.h"
#include "game/ClipScene3.h"
#include "game/ClipScene4.h"
#include "game/ClipScene5.h"
#include "game/ClipScene6.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/TaskLevelGui.h"
#include "game/Game/Game.h"
#include "game/Main.h"

namespace
{

constexpr std::int32_t kOpeningClip = 1;
constexpr std::int32_t kLastClip = 6;

std::unique_ptr<ClipText> MakeScene(std::int32_t clip)
{
    switch (clip)
    {
    case 1:
        return std::make_unique<ClipScene1>();
    case 2:
        return std::make_unique<ClipScene2>();
    case 3:
        return std::make_unique<ClipScene3>();
    case 4:
        return std::make_unique<ClipScene4>();
    case 5:
        return std::make_unique<ClipScene5>();
    case 6:
        return std::make_unique<ClipScene6>();
    default:
        return nullptr;
    }
}

} // namespace

ClipGui::ClipGui() = default;

ClipGui::~ClipGui()
{
    if (mScene != nullptr)
    {
        mScene->Release();
    }
}

void ClipGui::Init()
{
    if (Korrin::GuiManager* widgets = Korrin::GuiManager::Peek())
    {
        mSkipContainer = widgets->CreateContainer(kLayoutTable, kLayoutFile);
    }
    if (mSkipContainer != nullptr)
    {
        mSkipContainer->SetDisabled(true);
        ShowSkipButton(false);
    }
}

void ClipGui::SetActive(bool active)
{
    Blank::SetActive(active);
    if (mSkipContainer != nullptr)
    {
        mSkipContainer->SetDisabled(!active);
    }
}

void ClipGui::ShowSkipButton(bool shown)
{
    mSkipContainer->SetVisible(shown);
    for (std::size_t index = 0; index < mSkipContainer->GetCount(); ++index)
    {
        if (Korrin::GuiElement* child = mSkipContainer->GetByIndex(static_cast<std::uint16_t>(index)))
        {
            child->SetVisible(shown);
        }
    }
}

void ClipGui::StartClip(std::int32_t clip)
{
    mClip = clip;
    if (mScene != nullptr)
    {
        mScene->Release();
        mScene.reset();
    }
    if (mSkipContainer != nullptr)
    {
        mSkipContainer->SetDisabled(false);
        ShowSkipButton(true);
    }
    mScene = MakeScene(clip);
    if (mScene == nullptr)
    {
        return;
    }
    mScene->Init();
    if (clip == kLastClip)
    {
        PlayMenuMusic();
    }
}

void ClipGui::PlayMenuMusic()
{
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (sounds == nullptr)
    {
        return;
    }
    sounds->StopMusic();
    Korrin::Sound* music = sounds->GetSound("MainMenu");
    if (Main* main = Main::Peek())
    {
        main->SetMusic(music);
    }
    if (music != nullptr)
    {
        music->Play(true);
    }
}

bool ClipGui::Update(float /*dt*/)
{
    if (mScene == nullptr)
    {
        // Nothing plays (a clip number without a scene): back to the menu rather than a screen that
        // waits for ever.
        levelToStart = kNoLevel;
        HideSkipButton();
        ShowMainMenu();
        return true;
    }
    const Korrin::GuiManager* widgets = Korrin::GuiManager::Peek();
    const Korrin::GuiElement* clicked = widgets != nullptr ? widgets->GetMessage() : nullptr;
    if (mSkipContainer != nullptr && clicked != nullptr && clicked->GetName() == kSkipButton)
    {
        Korrin::PlaySoundOnce("click_button");
        EndClip();
    }
    if (mScene != nullptr && !mScene->Update())
    {
        EndClip();
    }
    return true;
}

void ClipGui::Draw()
{
    if (mScene != nullptr)
    {
        mScene->Draw();
    }
    if (mSkipContainer != nullptr)
    {
        mSkipContainer->Draw();
    }
}

void ClipGui::EndClip()
{
    if (mScene == nullptr)
    {
        return;
    }
    mScene->Release();
    mScene.reset();
    HandOver();
}

void ClipGui::HideSkipButton()
{
    if (mSkipContainer != nullptr)
    {
        mSkipContainer->SetDisabled(true);
        ShowSkipButton(false);
    }
}

void ClipGui::ShowMainMenu()
{
    if (Main* main = Main::Peek())
    {
        main->SetCurrent(Main::kMainMenuScreen);
    }
}

void ClipGui::HandOver()
{
    HideSkipButton();
    Game* game = Game::Peek();
    const std::int32_t level = mClip == kOpeningClip ? 1 : levelToStart;
    levelToStart = kNoLevel;
    if (level != kNoLevel && game != nullptr)
    {
        // The level first: starting it resets the panel that the goals window locks.
        game->StartLevel(static_cast<std::uint16_t>(level));
        ShowGoalsWindow();
        return;
    }
    ShowMainMenu();
}

void ClipGui::ShowGoalsWindow()
{
    if (GameGuiManager* windows = GameGuiManager::Current())
    {
        windows->Show(TaskLevelGui::kWindowId);
    }
}
