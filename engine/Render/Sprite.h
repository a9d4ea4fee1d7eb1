#pragma once

#include "engine/Render/NullSprite.h"

#include <string>

namespace Korrin
{

// A drawable of one quad; every picture of the game is drawn through these calls.
class Sprite : public NullSprite
{
public:
    static constexpr const char* kNoImage = "empty";

    // From an image name; "empty" makes a drawable without texture.
    explicit Sprite(const std::string& image);
    // From the named table of a script file.
    Sprite(const std::string& table, const std::string& file);
    Sprite();
    ~Sprite() override;

    void Draw(int x, int y);
    // As Draw, stretched to w x h.
    void DrawScale(int x, int y, int width, int height);
    // Scaled about the pivot's offset from (x, y), then rotated by angle radians about (x, y).
    void DrawEx(float x, float y, float scaleX, float scaleY, float angle, float pivotX, float pivotY);
    // Draws the part of source placed at (x, y) that lies inside clip; the narrowed rectangle stays set.
    void DrawInRect(const Rect& source, const Rect& clip, float x, float y);
    // DrawInRect with the drawable's own rectangle, which is kept afterwards.
    void DrawInRectRestoring(const Rect& clip, float x, float y);
};

} // namespace Korrin
