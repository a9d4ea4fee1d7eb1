#include "game/GUI/TextButton.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/Font.h"
#include "engine/Render/RenderSystem.h"
#include "game/Util/VirtualMouse.h"

namespace
{

// First glyph's top-left corner on the rectangle's top-left corner.
constexpr std::uint32_t kTopLeft = 17;

bool LeftButtonDown()
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    return input != nullptr && input->IsButtonDown(Korrin::InputManager::kLeftButton);
}

} // namespace

TextButton::TextButton()
{
    const Korrin::Colour white{1.0f, 1.0f, 1.0f, 1.0f};
    SetColours(white, white, white);
}

void TextButton::SetColours(const Korrin::Colour& normal, const Korrin::Colour& hover,
                            const Korrin::Colour& pressed)
{
    mColours.Elements().resize(3, Korrin::Colour{1.0f, 1.0f, 1.0f, 1.0f});
    mColours[kNormal] = normal;
    mColours[kHover] = hover;
    mColours[kPressed] = pressed;
}

void TextButton::RefreshState(bool inside, bool leftDown)
{
    if (!inside)
    {
        mState = kNormal;
        return;
    }
    mState = leftDown ? kPressed : kHover;
}

bool TextButton::Contains(const Korrin::Vector2& point) const
{
    // Written so that a coordinate that is not a number counts as outside.
    return point.x >= mRect.left && point.x <= mRect.right && point.y >= mRect.top && point.y <= mRect.bottom;
}

bool TextButton::Update()
{
    Korrin::Vector2 mouse;
    const bool known = VirtualMousePosition(mouse);
    return UpdateWith(known ? &mouse : nullptr, LeftButtonDown());
}

bool TextButton::UpdateWith(const Korrin::Vector2* mouse, bool leftDown)
{
    const bool inside = mouse != nullptr && Contains(*mouse);
    const bool wasPressed = mState == kPressed;
    RefreshState(inside, leftDown);
    return inside && wasPressed && mState == kHover;
}

void TextButton::Draw()
{
    const Korrin::Colour& colour = mColours[mState];
    if (mFont != nullptr)
    {
        mFont->DrawAlignedScaled(mRect, mText, mSpacingRatio, 1.0f, mScaleX, mScaleY, colour, kTopLeft);
    }
    Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    if (mUnderlineWidth > 0 && render != nullptr)
    {
        render->DrawLine(mRect.left, mRect.bottom, mRect.left + static_cast<float>(mUnderlineWidth),
                         mRect.bottom, colour.ToARGB());
    }
}
