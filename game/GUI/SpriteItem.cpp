#include "game/GUI/SpriteItem.h"

#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"

void SpriteItem::Draw(Korrin::Rect clip)
{
    if (sprite != nullptr)
    {
        sprite->DrawInRectRestoring(clip, position.x, position.y);
    }
}

void SpriteItem::GetColour(Korrin::Colour& colour) const
{
    if (sprite != nullptr)
    {
        colour = sprite->GetColour();
    }
}

void SpriteItem::SetColour(Korrin::Colour colour)
{
    if (sprite != nullptr)
    {
        sprite->SetColourV(colour);
    }
}

void SpriteItem::LoadData(const LuaValue& data)
{
    if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
    {
        sprite = sprites->CreateSpriteFromTable(data);
    }
}
