#include "game/Entity/Entity.h"

#include "engine/Render/Sprite.h"
#include "engine/Render/SpriteManager.h"
#include "game/Entity/FieldObjectPicture.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GamePanel.h"
#include "game/Game/SaveLoadManager.h"

#include <algorithm>

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

bool Entity::AddTask(std::uint8_t task)
{
    if (mTasks.size() >= kMaxTasks)
    {
        return false;
    }
    mTasks.push_back(task);
    return true;
}

void Entity::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    const std::uint16_t page = GamePanel::PanelOfType(mType);
    const bool garden = page == 1;
    const bool building = page == 3;
    if (mSelectedTab == 1 && (garden || building))
    {
        panel->SetCurrent(garden ? GamePanel::kGardenerPage : GamePanel::kWorkerPage);
    }
    else
    {
        panel->SetCurrentByType(mType);
    }
    if (panel->GetCurrent() == 0)
    {
        return;
    }
    const bool wideDots = mType == kStorehouse || mType == kRope;
    panel->upgradeMax = wideDots ? 4 : 3;
    panel->upgradeLevel = std::min<std::uint32_t>(mUpgradeLevel, panel->upgradeMax - 1);
    panel->tabOwner = garden || building || mType == kWaterWell ? this : nullptr;
}
