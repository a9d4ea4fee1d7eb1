#pragma once

#include "engine/Gui/GuiElement.h"
#include "engine/Gui/Text.h"

class LuaValue;

namespace Korrin
{

// A caption placed in a window: its text area moves with the window.
class GuiText : public GuiElement, public Text
{
public:
    explicit GuiText(const LuaValue& table);
    ~GuiText() override;

    void Update() override;
    void Draw() override;
    void SetColour(const Colour& colour) override;
    void SetAlpha(float alpha) override;
    void SetColourV(const Colour& colour) override;
    using Text::SetColour;

    const Rect& GetRelativeArea() const { return mRelativeArea; }
    // Where the text sits in its window from the next update on.
    void SetRelativeArea(const Rect& area) { mRelativeArea = area; }

private:
    Rect mRelativeArea;
};

} // namespace Korrin
