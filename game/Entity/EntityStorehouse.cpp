#include "game/Entity/EntityStorehouse.h"

EntityStorehouse::EntityStorehouse() : PlaceholderEntity(kStorehouse) {}

void EntityStorehouse::Init()
{
    PlaceholderEntity::Init();
    mCells.Init();
}

void EntityStorehouse::Reset()
{
    Entity::Reset();
    if (mSide == kNoSide)
    {
        mSide = mWalkI >= 8 ? 1 : 0;
    }
}

bool EntityStorehouse::Update(float dt)
{
    mCells.Update(dt);
    return true;
}

void EntityStorehouse::Save(Korrin::BinaryWriter& out)
{
    Entity::Save(out);
    mCells.Save(out);
}

void EntityStorehouse::Load(Korrin::BinaryReader& in)
{
    Entity::Load(in);
    mCells.Load(in);
}
