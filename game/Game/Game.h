#pragma once

#include "engine/Util/Singleton.h"
#include "game/Util/Blank.h"
#include "game/Util/NamedObjectContainer.h"

#include <cstdint>
#include <memory>

class GameParticleManager;
class GamePanel;
class Level;
class PersAnimationManager;

// The screen on which the levels are played: it holds the running level, starts a level on request and
// records a won level in the player's progress.
class Game : public Blank, public NamedObjectContainer, public Korrin::Singleton<Game>
{
public:
    static constexpr std::uint16_t kHighestLevel = 66;

    // Builds the game's static tables, which live as long as the game screen.
    Game();
    ~Game() override;

    static Game* GetInstance()
    {
        return CheckedInstance("Game::mSingleton==NULL", Korrin::kGameModule, "Source\\Game\\Game", 30);
    }

    // Creates an empty level, so that one exists before the first start.
    void Init() override;
    void Reset() override { ResetAll(); }
    bool Update(float dt) override;
    void Draw() override;

    // Replaces the running level with the level of that number, loaded afresh, and shows it with its music.
    // A level that fails to load (reported) is not started: the world map shows instead, and false.
    bool StartLevel(std::uint16_t levelNumber);
    // Records the running level as won: the highest level, the map's board, the achievements, the rating.
    void CompleteLevel();
    void ShowMap();

    Level* GetLevel() const { return mLevel; }
    GamePanel* GetPanel() const { return mPanel; }
    // The number of the level last started; 0 before the first.
    std::uint16_t GetLevelNumber() const { return mLevelNumber; }
    // The music track of a level: Track1, Track2 or Track3.
    static std::string MusicTrack(std::uint16_t levelNumber);

private:
    void PlayLevelMusic(std::uint16_t levelNumber);
    // The reached level's item fades in on the map, and the map shows the board of that progress.
    void ShowProgressOnMap(std::uint16_t highestLevel);

    // The panel's top strip takes input again, its pages none until an object is selected.
    void ResetPanelPages();

    Level* mLevel = nullptr;
    GamePanel* mPanel = nullptr;
    std::unique_ptr<PersAnimationManager> mAnimations;
    std::unique_ptr<GameParticleManager> mParticles;
    std::uint16_t mLevelNumber = 0;
};
