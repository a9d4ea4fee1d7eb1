#include "game/GUI/AnimatedSpriteItem.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/SpriteManager.h"

bool AnimatedSpriteItem::Update(float dt)
{
    if (animation == nullptr)
    {
        return false;
    }
    animation->Update(dt);
    return true;
}

void AnimatedSpriteItem::LoadData(const LuaValue& data)
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        animation = sprites->CreateAnimatedSpriteFromTable(data);
        sprite = animation;
    }
}
