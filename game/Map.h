#pragma once

#include "game/Blank.h"
#include "game/NamedObjectContainer.h"

// The world-map screen.
class Map : public Blank, public NamedObjectContainer
{
public:
    Map() = default;

    void Init() override {}
    void Reset() override {}
    bool Update(float dt) override { return UpdateAll(dt); }
    void Draw() override { DrawAll(); }
};
