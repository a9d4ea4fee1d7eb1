#include "game/Entity/EntityStorehouse.h"

void EntityStorehouse::Reset()
{
    Entity::Reset();
    if (mSide == kNoSide)
    {
        mSide = mWalkI >= 8 ? 1 : 0;
    }
}
