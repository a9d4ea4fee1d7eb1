#pragma once

#include "game/GUI/SpriteItem.h"

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// An animation of the credits, drawn as a still picture is.
class AnimatedSpriteItem : public SpriteItem
{
public:
    // False without an animation.
    bool Update(float dt) override;
    void LoadData(const LuaValue& data) override;

    Korrin::AnimatedSprite* animation = nullptr; // the same drawable as the sprite
};
