#include "game/Entity/EntityBuilding.h"

void EntityBuilding::Reset()
{
    Entity::Reset();
    if (mSide == kNoSide)
    {
        mSide = mWalkI > 8 ? 1 : 0;
    }
}
