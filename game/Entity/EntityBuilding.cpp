#include "game/Entity/EntityBuilding.h"

#include "game/Entity/EntityTaskManager.h"

void EntityBuilding::Reset()
{
    if (mSide == kNoSide)
    {
        mSide = mWalkI > 8 ? 1 : 0;
    }
    if (EntityTaskManager* tasks = EntityTaskManager::Peek())
    {
        tasks->Register(this);
    }
}
