#pragma once

#include "engine/Util/Singleton.h"
#include "game/Blank.h"
#include "game/Game/GameTables.h"
#include "game/Main.h"
#include "game/NamedObjectContainer.h"

#include <cstdint>

// The screen of a level being played.
class Game : public Blank, public NamedObjectContainer, public Korrin::Singleton<Game>
{
public:
    // The animation tables live as long as the game screen.
    Game() { GameTables::Build(); }
    ~Game() override { GameTables::Free(); }

    void Init() override {}
    void Reset() override {}
    bool Update(float dt) override { return UpdateAll(dt); }
    void Draw() override { DrawAll(); }

    // Starts the level of that number afresh from its level file.
    void StartLevel(std::uint32_t levelNumber) { mLevelNumber = levelNumber; }
    std::uint32_t GetLevelNumber() const { return mLevelNumber; }
    // Records the won level and goes on to the map.
    void CompleteLevel() { _GetMain().SetCurrent(Main::kMapScreen); }

private:
    std::uint32_t mLevelNumber = 0;
};
