#pragma once

#include "engine/Util/Singleton.h"
#include "game/Util/Blank.h"
#include "game/Util/NamedObjectContainer.h"

#include <cstdint>
#include <memory>

class AchievementSystem;
class EducationSlot;
class GameGuiManager;
class GameInfo;
class HintManager;
class LoadProgress;
class TableCost;

namespace Korrin
{
class Sound;
} // namespace Korrin

// The screen manager: owns the screens (by index: 0 "Game", 1 "Map", 2 "MainMenu", 3 "ScriptMoview"),
// the modal window registry and the game-wide managers, and updates and draws the current screen.
class Main : public Blank, public NamedObjectContainer, public Korrin::Singleton<Main>
{
public:
    static constexpr std::uint16_t kGameScreen = 0;
    static constexpr std::uint16_t kMapScreen = 1;
    static constexpr std::uint16_t kMainMenuScreen = 2;
    static constexpr std::uint16_t kScriptMovieScreen = 3;

    Main();
    ~Main() override;

    // Blank: Main is driven through its container operations, not as a member of another container.
    void Init() override {}
    void Reset() override { ResetAll(); }
    bool Update(float dt) override { return UpdateAll(dt); }
    void Draw() override { DrawAll(); }

    static constexpr const char* kCacheList = "CacheList.lua";

    // Loads every member and screen, once, on the first frame after the logo, behind a progress bar.
    void Load();
    // Keeps the pictures that "CacheList.lua" names loaded for the program's life.
    void CacheList();
    void InitAll() override { Load(); }
    void ResetAll() override;
    bool UpdateAll(float dt) override { return UpdateList(dt); }
    void DrawAll() override { DrawList(); }

    bool UpdateList(float dt);
    void DrawList();
    void SetCurrent(std::uint16_t index);
    std::uint16_t GetCurrent() const { return mCurrent; }

    GameGuiManager* GetGameGuiManager() const { return mGuiManager.get(); }
    AchievementSystem* GetAchievementSystem() const { return mAchievements.get(); }
    TableCost* GetTableCost() const { return mTableCost.get(); }
    GameInfo* GetGameInfo() const { return mGameInfo.get(); }
    HintManager* GetHintManager() const { return mHintManager.get(); }
    EducationSlot* GetEducationSlot() const { return mEducationSlot.get(); }
    // The music that plays now (owned by the sound manager); null for none.
    Korrin::Sound* GetMusic() const { return mMusic; }
    void SetMusic(Korrin::Sound* music) { mMusic = music; }
    // The screen a level draws while its members initialise.
    static std::unique_ptr<LoadProgress> MakeLevelLoadScreen();

private:
    std::uint16_t mCurrent = 0;
    std::unique_ptr<TableCost> mTableCost;
    std::unique_ptr<GameInfo> mGameInfo;
    std::unique_ptr<AchievementSystem> mAchievements;
    std::unique_ptr<GameGuiManager> mGuiManager;
    std::unique_ptr<HintManager> mHintManager;
    std::unique_ptr<EducationSlot> mEducationSlot;
    Korrin::Sound* mMusic = nullptr;
};

// The screen manager; reports "Main::mSingleton==NULL" when there is none.
Main& _GetMain();
