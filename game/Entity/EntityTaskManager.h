#pragma once

#include "game/Blank.h"

// The entities' task lists, drawn once per frame over the field.
class EntityTaskManager : public Blank
{
public:
    EntityTaskManager() = default;

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};
