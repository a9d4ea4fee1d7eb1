#pragma once

#include "engine/Gui/GuiElement.h"

class LuaValue;

namespace Korrin
{

class Sprite;

// A track with a filled part and a thumb, setting a value from 0 to 1 while the thumb is dragged.
class GuiSlider : public GuiElement
{
public:
    explicit GuiSlider(const LuaValue& table);
    ~GuiSlider() override;

    void Update() override;
    void Draw() override;
    void SetAlpha(float alpha) override;

    // Clamps to 0..1, sets value and shown value, and places the thumb.
    void SetValue(float value);

    float GetValue() const { return mValue; }
    float GetShownValue() const { return mShownValue; }
    // The owner notes a change by comparing the two and copying value into shown value.
    void SetShownValue(float value) { mShownValue = value; }
    void SetValueOnly(float value) { mValue = value; }
    const Vector2& GetThumbPosition() const { return mThumbPosition; }
    float GetFillLength() const { return mFillLength; }
    bool IsHorizontal() const { return mHorizontal; }
    // A track no longer than the thumb cannot be slid along: such a slider does nothing.
    bool IsUsable() const { return mUsable; }

private:
    Sprite* mImage = nullptr;
    Rect mTrack;
    Rect mFull;
    Rect mThumb;
    float mFillLength = 0.0f;
    Vector2 mThumbPosition;
    float mValue = 0.0f;
    float mShownValue = 0.0f;
    bool mHorizontal = true;
    bool mUsable = true;
};

} // namespace Korrin
