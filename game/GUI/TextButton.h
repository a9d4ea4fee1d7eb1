#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/SafeVector.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <string>

namespace Korrin
{
class Font;
} // namespace Korrin

// A clickable line of text outside the widget tree: its owner places it, updates it once a frame, reads
// the click from the update and draws it. It polls the mouse itself and shows one colour per state.
class TextButton
{
public:
    enum State : std::uint32_t
    {
        kNormal = 0,
        kHover = 1,
        kPressed = 2,
    };

    TextButton();
    virtual ~TextButton() = default;

    void SetColours(const Korrin::Colour& normal, const Korrin::Colour& hover, const Korrin::Colour& pressed);
    std::u16string GetText() const { return mText; }
    // True on the frame in which the left button is let go over the button after being held over it.
    bool Update();
    // The same step with the pointer on the virtual screen given (null when unknown) and the left button.
    bool UpdateWith(const Korrin::Vector2* mouse, bool leftDown);
    // The text, and the underline when it has a width, in the colour of the state.
    void Draw();

    std::uint32_t GetState() const { return mState; }
    const Korrin::Colour& GetColour() const { return mColours[mState]; }

    // Hit area and text position on the virtual screen.
    Korrin::Rect mRect;
    Korrin::Font* mFont = nullptr; // the font manager's
    std::u16string mText;
    float mScaleX = 1.0f;
    float mScaleY = 1.0f;
    float mSpacingRatio = 1.0f;
    // Used only when the owner measures the text.
    float mHeightRatio = 1.0f;
    // In pixels from the rectangle's left edge; 0 draws none.
    std::uint32_t mUnderlineWidth = 0;
    // The owner's switch; the button itself does not read it.
    bool mShown = true;

private:
    // Inside (all four edges count) with the left button down: pressed; inside: hover; else normal.
    void RefreshState(bool inside, bool leftDown);
    bool Contains(const Korrin::Vector2& point) const;

    Korrin::SafeVector<Korrin::Colour> mColours{"TextButton colours"};
    std::uint32_t mState = kNormal;
};
