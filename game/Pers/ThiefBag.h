#pragma once

#include "game/Blank.h"
#include "game/Entity/Clickable.h"
#include "game/Game/SaveLoadObject.h"

// The bags a caught thief drops: one list member of the level, clickable as a whole.
class ThiefBag : public Blank, public Clickable, public SaveLoadObject
{
public:
    static constexpr std::uint8_t kType = 137;

    // Registers with the level's SaveLoadManager when there is one.
    ThiefBag();

    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
    // No bag lies on the field yet.
    bool IsPointInside(const Korrin::Vector2& /*point*/) override { return false; }
    void ChangeGui() override {}
    void OnGuiEvent() override {}
};
