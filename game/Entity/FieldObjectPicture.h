#pragma once

#include "engine/Util/Rect.h"

#include <string>

namespace Korrin
{
class Sprite;
} // namespace Korrin

// The labelled placeholder pictures of the field's entities and characters: stretched over the object's
// rectangle, lighter while hovered, framed in yellow while selected.
class FieldObjectPicture
{
public:
    // Null when there is no sprite manager or no picture name.
    static Korrin::Sprite* Load(const std::string& picture);
    // Gives the sprite back to the sprite manager and clears the pointer.
    static void Release(Korrin::Sprite*& sprite);
    static void Draw(Korrin::Sprite* sprite, const Korrin::Rect& rect, bool hovered, bool selected);
};
