#include "engine/Gui/GuiElement.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Render/RenderSystem.h"

namespace Korrin
{

GuiElement::GuiElement() = default;

GuiElement::~GuiElement() = default;

void GuiElement::UpdatePosition(const Vector2& parentPosition)
{
    mPosition = Vector2{mLocalPosition.x + parentPosition.x, mLocalPosition.y + parentPosition.y};
}

void GuiElement::HandleInput() {}

void GuiElement::Update() {}

void GuiElement::Draw() {}

void GuiElement::SetColour(const Colour& /*colour*/) {}

void GuiElement::SetAlpha(float /*alpha*/) {}

void GuiElement::ClearMouse()
{
    mOver = false;
    mPressed = false;
    mMouseState = kMouseNone;
}

Vector2 GuiElement::MousePosition()
{
    InputManager* input = InputManager::Peek();
    if (input == nullptr)
    {
        return Vector2{};
    }
    // The snapshot is in the window's pixels; widgets live on the virtual screen.
    const Vector2 window{input->GetX(), input->GetY()};
    RenderSystem* render = RenderSystem::Peek();
    const Vector2* screen = render != nullptr ? render->WindowToVirtual(window) : nullptr;
    return screen != nullptr ? *screen : window;
}

bool GuiElement::IsLeftButtonHeld()
{
    const InputManager* input = InputManager::Peek();
    return input != nullptr && input->IsButtonDown(InputManager::kLeftButton);
}

Rect GuiElement::SizeOf(const Rect& rect)
{
    return Rect{0.0f, 0.0f, rect.right - rect.left, rect.bottom - rect.top};
}

bool GuiElement::PointInRect(const Vector2& point, const Rect& rect)
{
    return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

bool GuiElement::CheckMouse()
{
    if (mDisabled || !mVisible)
    {
        return false;
    }
    const Vector2 mouse = MousePosition();
    // An element without a hit area (a button without its image part, a window as loaded) is never
    // under the mouse; the edges of a real area count as inside.
    const bool hasArea = mHitRect.right > mHitRect.left && mHitRect.bottom > mHitRect.top;
    mOver = hasArea && PointInRect(mouse, Rect{mHitRect.left + mPosition.x, mHitRect.top + mPosition.y,
                                               mHitRect.right + mPosition.x, mHitRect.bottom + mPosition.y});
    const bool held = IsLeftButtonHeld();
    if (mOver)
    {
        mMouseState = kMouseOver;
        if (held)
        {
            mPressed = true;
            mMouseState = kMouseDown;
        }
    }
    if (!held)
    {
        if (mOver && mPressed)
        {
            mMouseState = kMouseClicked;
        }
        else if (!mOver)
        {
            mMouseState = mPressed ? kMouseNone : kMouseOut;
        }
        mPressed = false;
    }
    if (mMouseState == kMouseClicked)
    {
        if (GuiManager* manager = GuiManager::GetInstance())
        {
            manager->SetMessages(this);
        }
        mMouseState = kMouseNone;
    }
    return true;
}

} // namespace Korrin
