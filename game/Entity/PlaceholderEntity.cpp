#include "game/Entity/PlaceholderEntity.h"

#include "game/Entity/FieldObjectPicture.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GamePanel.h"

#include <algorithm>

namespace
{
constexpr float kTaskRowRise = 25.0f;
} // namespace

PlaceholderEntity::PlaceholderEntity(std::uint8_t type)
{
    mType = type;
    TakeCostRecord();
}

PlaceholderEntity::~PlaceholderEntity()
{
    FieldObjectPicture::Release(mPicture);
}

void PlaceholderEntity::Init()
{
    FieldObjectPicture::Release(mPicture);
    mPicture = FieldObjectPicture::Load(GetPicture());
}

bool PlaceholderEntity::Update(float /*dt*/)
{
    return true;
}

void PlaceholderEntity::Draw()
{
    if (DrawsInThisPass())
    {
        FieldObjectPicture::Draw(mPicture, GetRect(), GetHover() > 0, IsSelected());
    }
}

void PlaceholderEntity::OnPlaced()
{
    const Footprint footprint = GetFootprint();
    const float bottom = mY + FieldGeometry::kCellHeight;
    SetRect({mX - static_cast<float>(footprint.cellsLeft) * FieldGeometry::kCellWidth,
             bottom - footprint.height,
             mX + static_cast<float>(footprint.cellsRight + 1) * FieldGeometry::kCellWidth, bottom});
    // The order queue's icons sit in a row just above the picture.
    SetTaskPosition(GetRect().left, GetRect().top - kTaskRowRise);
}

void PlaceholderEntity::ChangeGui()
{
    GamePanel* panel = GamePanel::Peek();
    if (panel == nullptr)
    {
        return;
    }
    const std::uint16_t page = GamePanel::PanelOfType(mType);
    const bool garden = page == 1;
    const bool building = page == 3;
    if (mPanelMode == 1 && (garden || building))
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
    const std::uint32_t levels = mType == kStorehouse || mType == kRope ? 4 : 3;
    const bool twoTabs = garden || building || mType == kWaterWell;
    panel->SetPanelParam(twoTabs ? this : nullptr, panel->GetIconIndex(),
                         std::min<std::uint32_t>(mUpgradeLevel, levels - 1), levels, 0);
}
