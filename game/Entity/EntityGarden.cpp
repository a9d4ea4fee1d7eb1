#include "game/Entity/EntityGarden.h"

#include "game/Entity/EntityTaskManager.h"

EntityGarden::EntityGarden() : PlaceholderEntity(kGarden)
{
    if (EntityTaskManager* tasks = EntityTaskManager::Peek())
    {
        tasks->Register(this);
    }
}
