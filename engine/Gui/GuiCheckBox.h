#pragma once

#include "engine/Gui/GuiElement.h"

class LuaValue;

namespace Korrin
{

class Sprite;

// A box that flips between checked and unchecked when the mouse button goes down over it.
class GuiCheckBox : public GuiElement
{
public:
    explicit GuiCheckBox(const LuaValue& table);
    ~GuiCheckBox() override;

    void Update() override;
    void Draw() override;
    void SetColour(const Colour& colour) override;
    void SetAlpha(float alpha) override;

    bool IsChecked() const { return mChecked; }
    void SetChecked(bool checked) { mChecked = checked; }

private:
    Sprite* mImage = nullptr;
    Rect mCheckedRect;
    Rect mUncheckedRect;
    // Set while the press that toggled is still held, so holding does not toggle again.
    bool mLatch = false;
    bool mChecked = false;
};

} // namespace Korrin
