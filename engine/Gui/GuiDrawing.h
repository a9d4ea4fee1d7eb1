#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <cstddef>
#include <cstdint>
#include <string>

class LuaValue;

namespace Korrin
{

class AnimatedSprite;
class Sprite;

// What the widgets do with their pictures, in one place: each takes a sprite that may be null (a
// layout without that picture) and then does nothing.
class GuiDrawing
{
public:
    // A sprite of the sprite manager from an image name, or from a sprite table.
    static Sprite* CreateSprite(const std::string& imageName);
    static Sprite* CreateSpriteFromTable(const LuaValue& table);
    // The sprite's position as its table gave it ("Pos").
    static Vector2 GetSpritePosition(const Sprite* sprite);
    // The sprite's source rectangle (all zero without a sprite).
    static Rect GetSourceRect(const Sprite* sprite);

    // Draws the part of the picture at the position, truncated to whole pixels.
    static void DrawPart(Sprite* sprite, const Rect& source, const Vector2& position);
    // Draws the sprite with its own source rectangle.
    static void Draw(Sprite* sprite, const Vector2& position);
    // Draws the part of the picture placed at the position, cut to the clip rectangle.
    static void DrawPartInRect(Sprite* sprite, const Rect& source, const Rect& clip, const Vector2& position);
    static void SetSourceRect(Sprite* sprite, const Rect& source);
    static void SetColour(Sprite* sprite, const Colour& colour);
    // Keeps the sprite's red, green and blue.
    static void SetAlpha(Sprite* sprite, float alpha);

    // An animated sprite of the sprite manager from its table; drawn at a frame the owner chooses.
    static AnimatedSprite* CreateAnimatedSpriteFromTable(const LuaValue& table);
    static Vector2 GetSpritePosition(const AnimatedSprite* sprite);
    static std::size_t GetFrameCount(const AnimatedSprite* sprite);
    static void DrawFrame(AnimatedSprite* sprite, std::uint16_t frame, const Vector2& position);
    static void SetColour(AnimatedSprite* sprite, const Colour& colour);
    static void SetAlpha(AnimatedSprite* sprite, float alpha);
};

} // namespace Korrin
