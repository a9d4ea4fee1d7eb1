#include "engine/Gui/CursorManager.h"

namespace Korrin
{

namespace
{
bool gCursorManagerCreated = false;
} // namespace

CursorManager::CursorManager() = default;
CursorManager::~CursorManager() = default;

CursorManager* CursorManager::GetInstance()
{
    return CheckedInstance("CursorManager::mSingleton==NULL", kEngineModule, "Source\\Gui\\CursorManager",
                           10);
}

bool CursorManager::WasCreated()
{
    return gCursorManagerCreated;
}

void CursorManager::MarkCreated()
{
    gCursorManagerCreated = true;
}

void CursorManager::SetDeviceCursor()
{
    // The frame is presented by our own device, which draws no cursor of its own: the picture is drawn
    // with the frame instead (the game's pretty cursor), so there is nothing to hand over yet.
}

} // namespace Korrin
