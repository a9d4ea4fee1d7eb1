#include "engine/Gui/CursorManager.h"

#include "engine/Render/RenderSystem.h"
#include "engine/Render/Sprite.h"
#include "engine/Render/Texture.h"
#include "engine/Util/CheckedInteger.h"

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
    if (mCursorSprite == nullptr || mCursorSprite->GetTexture() == nullptr)
    {
        return;
    }
    RenderSystem* render = RenderSystem::Peek();
    if (render == nullptr || render->GetDevice() == nullptr)
    {
        return;
    }
    render->GetDevice()->SetCursorProperties(CheckedInteger<int>(mHotSpotX), CheckedInteger<int>(mHotSpotY),
                                             mCursorSprite->GetTexture()->GetDeviceTexture());
}

} // namespace Korrin
