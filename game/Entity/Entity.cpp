#include "game/Entity/Entity.h"

#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Entity/FieldObjectPicture.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/SaveLoadManager.h"

Entity::Entity()
{
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

Entity::~Entity()
{
    FieldObjectPicture::Release(mPicture);
}

void Entity::Init()
{
    FieldObjectPicture::Release(mPicture);
    mPicture = FieldObjectPicture::Load(GetPicture());
}

bool Entity::Update(float /*dt*/)
{
    return true;
}

void Entity::Draw()
{
    if (DrawsInThisPass())
    {
        FieldObjectPicture::Draw(mPicture, GetRect(), GetHover() > 0, IsSelected());
    }
}

void Entity::Place(std::int32_t i, std::int32_t j)
{
    mWalkI = i;
    mWalkJ = j;
    mX = FieldGeometry::CellX(i);
    mY = FieldGeometry::CellY(j);
    const Footprint footprint = GetFootprint();
    const float bottom = mY + FieldGeometry::kCellHeight;
    SetRect({mX - static_cast<float>(footprint.cellsLeft) * FieldGeometry::kCellWidth,
             bottom - footprint.height,
             mX + static_cast<float>(footprint.cellsRight + 1) * FieldGeometry::kCellWidth, bottom});
}
