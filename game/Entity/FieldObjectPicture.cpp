#include "game/Entity/FieldObjectPicture.h"

#include "engine/Render/RenderSystem.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"

namespace
{
constexpr std::uint32_t kSelectionColour = 0xFFFFE040u;
} // namespace

Korrin::Sprite* FieldObjectPicture::Load(const std::string& picture)
{
    Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek();
    if (sprites == nullptr || picture.empty())
    {
        return nullptr;
    }
    return sprites->CreateSprite(picture);
}

void FieldObjectPicture::Release(Korrin::Sprite*& sprite)
{
    if (sprite != nullptr)
    {
        if (Korrin::SpriteManager* sprites = Korrin::SpriteManager::Peek())
        {
            sprites->DeleteSprite(sprite);
        }
        sprite = nullptr;
    }
}

void FieldObjectPicture::Draw(Korrin::Sprite* sprite, const Korrin::Rect& rect, bool hovered, bool selected)
{
    if (sprite == nullptr)
    {
        return;
    }
    const float shade = hovered || selected ? 1.0f : 0.85f;
    sprite->SetColour(shade, shade, shade, 1.0f);
    sprite->DrawScale(static_cast<int>(rect.left), static_cast<int>(rect.top),
                      static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top));
    Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    if (!selected || render == nullptr)
    {
        return;
    }
    // A frame two pixels wide just inside the rectangle.
    for (float inset = 0.0f; inset < 2.0f; inset += 1.0f)
    {
        const float left = rect.left + inset;
        const float top = rect.top + inset;
        const float right = rect.right - 1.0f - inset;
        const float bottom = rect.bottom - 1.0f - inset;
        render->DrawLine(left, top, right, top, kSelectionColour);
        render->DrawLine(right, top, right, bottom, kSelectionColour);
        render->DrawLine(right, bottom, left, bottom, kSelectionColour);
        render->DrawLine(left, bottom, left, top, kSelectionColour);
    }
}
