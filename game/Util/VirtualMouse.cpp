#include "game/Util/VirtualMouse.h"

#include "engine/App/InputManager.h"
#include "engine/Render/RenderSystem.h"

bool VirtualMousePosition(Korrin::Vector2& out)
{
    const Korrin::InputManager* input = Korrin::InputManager::Peek();
    Korrin::RenderSystem* render = Korrin::RenderSystem::Peek();
    if (input == nullptr || render == nullptr)
    {
        return false;
    }
    const Korrin::Vector2* point = render->WindowToVirtual({input->GetX(), input->GetY()});
    if (point == nullptr)
    {
        return false;
    }
    out = *point;
    return true;
}
