#include "game/Game/Clickable.h"

#include "engine/App/InputManager.h"
#include "game/Util/InputLocks.h"

bool Clickable::IsPointInside(const Korrin::Vector2& point)
{
    if (point.x < mRect.left || point.x > mRect.right || point.y < mRect.top || point.y > mRect.bottom)
    {
        return false;
    }
    mHover = 1;
    return true;
}

bool Clickable::TryClick()
{
    if (!LeftButtonWentDown() || InputLocks::second || InputLocks::third || mHover < 0)
    {
        return false;
    }
    ChangeGui();
    mPressed = 1;
    return true;
}

bool Clickable::LeftButtonWentDown()
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    return input != nullptr && input->IsButtonPressed(Korrin::InputManager::kLeftButton);
}
