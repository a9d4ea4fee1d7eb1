#pragma once

#include "engine/Util/Singleton.h"
#include "game/Blank.h"
#include "game/NamedObjectContainer.h"

// The screen of a level being played.
class Game : public Blank, public NamedObjectContainer, public Korrin::Singleton<Game>
{
public:
    Game() = default;

    void Init() override {}
    void Reset() override {}
    bool Update(float dt) override { return UpdateAll(dt); }
    void Draw() override { DrawAll(); }
};
