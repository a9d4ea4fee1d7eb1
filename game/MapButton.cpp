#include "game/MapButton.h"

#include "engine/App/InputManager.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"
#include "game/Util/VirtualMouse.h"

std::int32_t MapButton::pressedId = MapButton::kNothingPressed;
std::uint32_t MapButton::sCreated = 0;

MapButton::MapButton() : id(sCreated++) {}

void MapButton::Load(const LuaValue& table)
{
    Korrin::LuaStackGuard guard(table.GetState());
    table.GetField("Pos").GetVector2(pos);
    if (const LuaValue kind = table.GetField("Type"); kind.IsNumber())
    {
        type = Korrin::CheckedInteger<std::int32_t>(kind.ToFloat());
    }
}

bool MapButton::Contains(const Korrin::Vector2& point) const
{
    return point.x >= pos.x + 5.0f && point.x <= pos.x + 30.0f && point.y >= pos.y + 10.0f &&
           point.y <= pos.y + 40.0f;
}

std::uint32_t MapButton::UpdateMouse(bool blocked)
{
    Korrin::Vector2 cursor{-1.0f, -1.0f};
    const bool known = VirtualMousePosition(cursor);
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    const bool down = input != nullptr && input->IsButtonDown(Korrin::InputManager::kLeftButton);
    return UpdateMouseAt(blocked || !known, cursor, down);
}

std::uint32_t MapButton::UpdateMouseAt(bool blocked, const Korrin::Vector2& cursor, bool leftDown)
{
    const auto self = static_cast<std::int32_t>(id);
    mouse = kNone;
    if (!blocked && Contains(cursor))
    {
        if (leftDown)
        {
            if (pressedId == kNothingPressed)
            {
                pressedId = self;
            }
            mouse = pressedId == self ? kPressed : kNone;
        }
        else if (pressedId == self)
        {
            pressedId = kNothingPressed;
            mouse = kClicked;
        }
        else
        {
            mouse = kHover;
        }
        return mouse;
    }
    if (!leftDown && pressedId == self)
    {
        pressedId = kNothingPressed;
    }
    return mouse;
}
