#pragma once

#include "engine/Gui/GuiElement.h"

class LuaValue;

namespace Korrin
{

class Sprite;

// A picture in a window; it never takes the mouse.
class GuiImage : public GuiElement
{
public:
    explicit GuiImage(const LuaValue& table);
    ~GuiImage() override;

    bool CheckMouse() override;
    void Draw() override;
    void SetColour(const Colour& colour) override;
    void SetAlpha(float alpha) override;

    // The part of the picture shown, each coordinate cut to whole pixels.
    void SetSrcRect(const Rect& source);
    Sprite* GetSprite() const { return mSprite; }

private:
    Sprite* mSprite = nullptr;
};

} // namespace Korrin
