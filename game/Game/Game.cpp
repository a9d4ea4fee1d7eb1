#include "game/Game/Game.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/TextureManager.h"
#include "engine/Sound/Sound.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/Game/GameInfo.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/GameTables.h"
#include "game/Game/Level.h"
#include "game/Game/LevelProgressView.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Main.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Profile.h"
#include "game/Util/InputLocks.h"

#include <algorithm>

namespace
{
constexpr std::uint8_t kStorehouseWindow = 0;
constexpr std::uint32_t kNewLevelAchievement = 6;
constexpr std::uint32_t kMoneyAchievement = 5;

bool StorehouseWindowRequested()
{
    const Main* main = Main::Peek();
    return main != nullptr && main->GetGameGuiManager() != nullptr &&
           main->GetGameGuiManager()->GetRequested() == kStorehouseWindow;
}
} // namespace

Game::Game()
    : mAnimations(std::make_unique<PersAnimationManager>()),
      mParticles(std::make_unique<GameParticleManager>())
{
    GameTables::Build();
}

Game::~Game()
{
    Korrin::LogManager::GetInstance()->Write("Game::~Game()");
    GameTables::Free();
    DeleteAll();
    mLevel = nullptr;
    mPanel = nullptr;
    mAnimations.reset();
    mParticles.reset();
}

void Game::Init()
{
    if (mLevel == nullptr)
    {
        mLevel = new Level();
        Add("Level", mLevel, true);
    }
    if (mPanel == nullptr)
    {
        mPanel = new GamePanel();
        Add("GamePanel", mPanel, true);
    }
    NamedObjectContainer::InitAll();
    mPanel->SetActive(false);
    ResetPanelPages();
    mParticles->Load();
}

std::string Game::MusicTrack(std::uint16_t levelNumber)
{
    return "Track" + std::to_string(levelNumber % 3 + 1);
}

void Game::PlayLevelMusic(std::uint16_t levelNumber)
{
    Main* main = Main::Peek();
    Korrin::SoundManager* sounds = Korrin::SoundManager::Peek();
    if (main == nullptr || sounds == nullptr)
    {
        return;
    }
    // A missing track is logged by the sound manager; the level then plays without music.
    Korrin::Sound* music = sounds->GetSound(MusicTrack(levelNumber));
    main->SetMusic(music);
    if (music != nullptr)
    {
        music->Play(true);
    }
}

namespace
{

// The pictures of the level before stay loaded while the next one is built: levels share backdrops, tile
// sheets, entities and characters, which are then not read and decoded again.
class HeldTextures
{
public:
    HeldTextures() : mTextures(Korrin::TextureManager::Peek())
    {
        if (mTextures != nullptr)
        {
            mTextures->HoldAll();
        }
    }
    ~HeldTextures()
    {
        if (mTextures != nullptr)
        {
            mTextures->ReleaseHeld();
        }
    }
    HeldTextures(const HeldTextures&) = delete;
    HeldTextures& operator=(const HeldTextures&) = delete;

private:
    Korrin::TextureManager* mTextures;
};

} // namespace

bool Game::StartLevel(std::uint16_t levelNumber)
{
    const HeldTextures held;
    mLevelNumber = levelNumber;
    if (Korrin::SoundManager* sounds = Korrin::SoundManager::Peek())
    {
        sounds->StopMusic();
    }
    // One level at a time: the old one goes before the new one is made.
    Level* old = mLevel;
    delete old;
    mLevel = new Level();
    if (old != nullptr)
    {
        Replace("Level", mLevel);
    }
    else
    {
        Add("Level", mLevel, true);
    }
    if (mPanel != nullptr)
    {
        mPanel->Reset();
    }
    if (!mLevel->Load(levelNumber))
    {
        // Reported by the load; an empty level cannot be played, so the player goes back to the map.
        ShowMap();
        return false;
    }
    mLevel->InitAll();
    mLevel->ResetLevel();
    PlayLevelMusic(levelNumber);
    if (mPanel != nullptr)
    {
        mPanel->SetActive(true);
        ResetPanelPages();
    }
    if (Main* main = Main::Peek(); main != nullptr && main->Count() > Main::kGameScreen)
    {
        main->SetCurrent(Main::kGameScreen);
    }
    return true;
}

void Game::ResetPanelPages()
{
    if (mPanel == nullptr)
    {
        return;
    }
    if (Korrin::GuiContainer* page = mPanel->GetPanel(mPanel->GetCurrent()))
    {
        page->SetDisabled(true);
    }
    if (Korrin::GuiContainer* top = mPanel->GetTopInfo())
    {
        top->SetDisabled(false);
        top->SetVisible(true);
        for (std::uint16_t i = 0; i < top->GetCount(); ++i)
        {
            top->GetByIndex(i)->ClearMouse();
        }
    }
}

void Game::ShowMap()
{
    if (mPanel != nullptr)
    {
        mPanel->SetActive(false);
    }
    if (Main* main = Main::Peek(); main != nullptr && main->Count() > Main::kMapScreen)
    {
        main->SetCurrent(Main::kMapScreen);
    }
}

void Game::ShowProgressOnMap(std::uint16_t highestLevel)
{
    Main* main = Main::Peek();
    auto* map = main != nullptr ? dynamic_cast<LevelProgressView*>(main->Find("Map")) : nullptr;
    if (map != nullptr)
    {
        map->ShowNewHighestLevel(highestLevel);
    }
}

void Game::CompleteLevel()
{
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    GameInfo* info = GameInfo::Peek();
    if (task == nullptr || info == nullptr)
    {
        return;
    }
    const std::uint16_t level = task->level;
    AchievementSystem* achievements = AchievementSystem::Peek();
    if (info->highestLevel < level)
    {
        const std::uint16_t before = info->highestLevel;
        info->highestLevel = std::min(level, kHighestLevel);
        // Winning the last level again keeps the highest level where it is: nothing new appears.
        if (info->highestLevel > before)
        {
            ShowProgressOnMap(info->highestLevel);
        }
        if (achievements != nullptr)
        {
            achievements->AddProgress(kNewLevelAchievement, 1);
        }
    }
    if (Profile* profile = Profile::Peek())
    {
        profile->RestartUnreachedSales();
    }
    if (achievements != nullptr)
    {
        achievements->AddProgress(kMoneyAchievement, static_cast<std::uint32_t>(std::max(task->money, 0)));
        // The statistics window asks whether the level itself completed any; these two do not count.
        achievements->mCompletedCount = 0;
    }
    if (level >= 1)
    {
        info->SetLevelPassType(task->RateTime(), level - 1u);
    }
}

bool Game::Update(float dt)
{
    if (InputLocks::third)
    {
        dt = 0.0f;
    }
    if (const Korrin::InputManager* input = Korrin::InputManager::Peek();
        input != nullptr && input->IsButtonReleased(Korrin::InputManager::kLeftButton))
    {
        // A click that set the lock keeps the level from taking clicks until the button comes up.
        InputLocks::second = false;
    }
    mParticles->Update();
    if (StorehouseWindowRequested())
    {
        return true;
    }
    return UpdateAll(dt);
}

void Game::Draw()
{
    if (StorehouseWindowRequested())
    {
        return;
    }
    DrawAll();
    mParticles->Draw();
    if (mLevel != nullptr)
    {
        mLevel->DrawOverlays();
    }
}
