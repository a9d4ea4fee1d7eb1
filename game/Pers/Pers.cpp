#include "game/Pers/Pers.h"

#include "game/Entity/FieldObjectPicture.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/SaveLoadManager.h"

namespace
{
constexpr float kWidth = 32.0f;
constexpr float kHeight = 64.0f;
} // namespace

Pers::Pers(std::uint8_t type, std::uint8_t kind) : mKind(kind)
{
    mType = type;
    if (SaveLoadManager* manager = SaveLoadManager::Peek())
    {
        manager->Register(this);
    }
}

void Pers::SetActive(bool on)
{
    Blank::SetActive(on);
    SetSelectable(on);
    mOverlay = on ? 1 : 0;
    mSwitchedOn = on ? 1 : 0;
}

void Pers::SetIJ(std::int32_t I, std::int32_t J)
{
    mCell = {I, J};
    const float x = FieldGeometry::CellX(I) + (FieldGeometry::kCellWidth - kWidth) / 2.0f;
    const float bottom = FieldGeometry::CellY(J) + FieldGeometry::kCellHeight;
    SetRect({x, bottom - kHeight, x + kWidth, bottom});
}

Pers::~Pers()
{
    FieldObjectPicture::Release(mPicture);
}

void Pers::Init()
{
    const char* picture = "ph_buyer.png";
    switch (mType)
    {
    case kGardener:
        picture = "ph_gardener.png";
        break;
    case kErrandBoy:
        picture = "ph_errandboy.png";
        break;
    case kFairy:
        picture = "ph_fairy.png";
        break;
    case kThief:
        picture = "ph_thief.png";
        break;
    default:
        break;
    }
    FieldObjectPicture::Release(mPicture);
    mPicture = FieldObjectPicture::Load(picture);
}

void Pers::Draw()
{
    FieldObjectPicture::Draw(mPicture, GetRect(), GetHover() > 0, IsSelected());
}

Korrin::Vector2 Pers::GetPosition() const
{
    return {GetRect().left, GetRect().top};
}
