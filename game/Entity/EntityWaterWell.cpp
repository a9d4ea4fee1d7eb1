#include "game/Entity/EntityWaterWell.h"

#include "game/Entity/EntityTaskManager.h"

EntityWaterWell::EntityWaterWell() : PlaceholderEntity(kWaterWell)
{
    if (EntityTaskManager* tasks = EntityTaskManager::Peek())
    {
        tasks->Register(this);
    }
}
