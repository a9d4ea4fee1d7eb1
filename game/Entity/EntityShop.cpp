#include "game/Entity/EntityShop.h"

EntityShop::EntityShop() : PlaceholderEntity(kShop) {}

void EntityShop::Init()
{
    PlaceholderEntity::Init();
    mCells.Init();
}

bool EntityShop::Update(float dt)
{
    mCells.Update(dt);
    return true;
}

void EntityShop::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    mCells.Save(out);
}

void EntityShop::Load(Korrin::BinaryReader& in)
{
    Entity::Load(in);
    mCells.Load(in);
}
