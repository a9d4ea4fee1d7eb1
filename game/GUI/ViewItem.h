#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

class LuaValue;

// One piece of the credits' scrolling content: a picture, an animation or a text, placed relative to
// the window and drawn only inside a clip rectangle.
class ViewItem
{
public:
    virtual ~ViewItem() = default;

    virtual bool Update(float dt) = 0;
    virtual void Draw(Korrin::Rect clip) = 0;
    virtual void GetColour(Korrin::Colour& colour) const = 0;
    virtual void SetColour(Korrin::Colour colour) = 0;
    virtual void LoadData(const LuaValue& data) = 0;

    Korrin::Vector2 position{0.0f, 0.0f};
};
