#pragma once

#include "game/Blank.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/MapSettings.h"
#include "game/NamedObjectContainer.h"

// The world-map screen.
class Map : public Blank, public NamedObjectContainer
{
public:
    Map() { mSettings.Load(); }

    void Init() override {}
    void Reset() override {}
    bool Update(float dt) override { return UpdateAll(dt); }
    void Draw() override { DrawAll(); }

    const MapSettings& GetSettings() const { return mSettings; }
    ProgressBoardManager& GetBoards() { return mBoards; }

private:
    MapSettings mSettings;
    ProgressBoardManager mBoards;
};
