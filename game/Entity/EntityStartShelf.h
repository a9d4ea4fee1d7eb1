#pragma once

#include "game/Entity/Entity.h"

// A thief's start shelf: where a thief runs onto the field. It has no behaviour of its own.
class EntityStartShelf : public Entity
{
public:
    EntityStartShelf() { mType = kStartShelf; }

    bool Update(float /*dt*/) override { return false; }
    void Draw() override {}
    void ChangeGui() override {}
    void OnGuiEvent() override {}
};
