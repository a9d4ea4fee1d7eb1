#include "engine/Gui/GuiDrawing.h"

#include "engine/Render/AnimatedSprite.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Util/CheckedInteger.h"

namespace Korrin
{

Sprite* GuiDrawing::CreateSprite(const std::string& imageName)
{
    // Without a sprite manager (a test of layouts alone) widgets have no pictures.
    SpriteManager* sprites = SpriteManager::Peek();
    return sprites != nullptr ? sprites->CreateSprite(imageName) : nullptr;
}

Sprite* GuiDrawing::CreateSpriteFromTable(const LuaValue& table)
{
    SpriteManager* sprites = SpriteManager::Peek();
    return sprites != nullptr ? sprites->CreateSpriteFromTable(table) : nullptr;
}

Vector2 GuiDrawing::GetSpritePosition(const Sprite* sprite)
{
    return sprite != nullptr ? sprite->GetPosition() : Vector2{};
}

Rect GuiDrawing::GetSourceRect(const Sprite* sprite)
{
    return sprite != nullptr ? sprite->GetSrcRect() : Rect{};
}

void GuiDrawing::DrawPart(Sprite* sprite, const Rect& source, const Vector2& position)
{
    if (sprite != nullptr)
    {
        sprite->SetSrcRectF(source);
        sprite->Draw(CheckedInteger<int>(position.x), CheckedInteger<int>(position.y));
    }
}

void GuiDrawing::Draw(Sprite* sprite, const Vector2& position)
{
    if (sprite != nullptr)
    {
        sprite->Draw(CheckedInteger<int>(position.x), CheckedInteger<int>(position.y));
    }
}

void GuiDrawing::DrawPartInRect(Sprite* sprite, const Rect& source, const Rect& clip, const Vector2& position)
{
    if (sprite != nullptr)
    {
        sprite->DrawInRect(source, clip, position.x, position.y);
    }
}

void GuiDrawing::SetSourceRect(Sprite* sprite, const Rect& source)
{
    if (sprite != nullptr)
    {
        sprite->SetSrcRectF(source);
    }
}

void GuiDrawing::SetColour(Sprite* sprite, const Colour& colour)
{
    if (sprite != nullptr)
    {
        sprite->SetColourV(colour);
    }
}

void GuiDrawing::SetAlpha(Sprite* sprite, float alpha)
{
    if (sprite != nullptr)
    {
        Colour colour = sprite->GetColour();
        colour.alpha = alpha;
        sprite->SetColourV(colour);
    }
}

AnimatedSprite* GuiDrawing::CreateAnimatedSpriteFromTable(const LuaValue& table)
{
    SpriteManager* sprites = SpriteManager::Peek();
    return sprites != nullptr ? sprites->CreateAnimatedSpriteFromTable(table) : nullptr;
}

Vector2 GuiDrawing::GetSpritePosition(const AnimatedSprite* sprite)
{
    return sprite != nullptr ? sprite->GetPosition() : Vector2{};
}

std::size_t GuiDrawing::GetFrameCount(const AnimatedSprite* sprite)
{
    return sprite != nullptr ? sprite->GetFrameCount() : 0;
}

void GuiDrawing::DrawFrame(AnimatedSprite* sprite, std::uint16_t frame, const Vector2& position)
{
    if (sprite != nullptr)
    {
        sprite->DrawFrame(frame, CheckedInteger<int>(position.x), CheckedInteger<int>(position.y));
    }
}

void GuiDrawing::SetColour(AnimatedSprite* sprite, const Colour& colour)
{
    if (sprite != nullptr)
    {
        sprite->SetColourV(colour);
    }
}

void GuiDrawing::SetAlpha(AnimatedSprite* sprite, float alpha)
{
    if (sprite != nullptr)
    {
        Colour colour = sprite->GetColour();
        colour.alpha = alpha;
        sprite->SetColourV(colour);
    }
}

} // namespace Korrin
