#include "game/Pers/ThiefBag.h"

#include "game/Game/SaveLoadManager.h"

ThiefBag::ThiefBag()
{
    mType = kType;
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}
