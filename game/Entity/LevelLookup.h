#pragma once

#include "game/Game/Level.h"

class EntityManager;
class GameField;

// The running level's named objects that the field entities reach; null when there is no level or the
// level lacks the object.
namespace LevelLookup
{

inline EntityManager* Entities()
{
    const Level* level = Level::Peek();
    return level != nullptr ? level->GetEntityManager() : nullptr;
}

inline GameField* Field()
{
    const Level* level = Level::Peek();
    return level != nullptr ? level->GetGameField() : nullptr;
}

} // namespace LevelLookup
