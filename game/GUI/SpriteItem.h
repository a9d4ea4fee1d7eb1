#pragma once

#include "game/GUI/ViewItem.h"

namespace Korrin
{
class Sprite;
} // namespace Korrin

// A still picture of the credits; its sprite belongs to the sprite manager.
class SpriteItem : public ViewItem
{
public:
    bool Update(float /*dt*/) override { return true; }
    // Only the part inside the clip rectangle; the sprite's own source rectangle is kept.
    void Draw(Korrin::Rect clip) override;
    void GetColour(Korrin::Colour& colour) const override;
    void SetColour(Korrin::Colour colour) override;
    void LoadData(const LuaValue& data) override;

    Korrin::Sprite* sprite = nullptr;
};
