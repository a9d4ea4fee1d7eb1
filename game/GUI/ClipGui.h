#pragma once

#include "engine/Util/Singleton.h"
#include "game/Blank.h"

// The story cut-scene screen.
class ClipGui : public Blank, public Korrin::Singleton<ClipGui>
{
public:
    ClipGui() = default;

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
