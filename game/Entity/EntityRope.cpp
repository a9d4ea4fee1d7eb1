#include "game/Entity/EntityRope.h"

#include "game/Entity/FieldObjectPicture.h"
#include "game/GUI/InputLocks.h"
#include "game/Game/FieldGeometry.h"

namespace
{
// A link point stands this far above the top of its cell.
constexpr float kPointRise = 62.0f;
} // namespace

void EntityRope::AddPoint(float x, float y, std::uint8_t used)
{
    mPoints.push_back({x, y, used});
}

void EntityRope::MarkPointAtCell(std::int32_t I, std::int32_t J)
{
    for (LinkPoint& point : mPoints)
    {
        const auto pointI =
            static_cast<std::int32_t>((point.x - FieldGeometry::kOriginX) / FieldGeometry::kCellWidth);
        const auto pointJ = static_cast<std::int32_t>((point.y + kPointRise - FieldGeometry::kOriginY) /
                                                      FieldGeometry::kCellHeight);
        if (pointI == I && pointJ == J)
        {
            point.used = 1;
        }
    }
}

Korrin::Rect EntityRope::PointRect(const LinkPoint& point)
{
    return {point.x, point.y, point.x + FieldGeometry::kCellWidth,
            point.y + kPointRise + FieldGeometry::kCellHeight};
}

bool EntityRope::IsPointInside(const Korrin::Vector2& point)
{
    for (std::size_t index = 0; index < mPoints.size(); ++index)
    {
        const Korrin::Rect box = PointRect(mPoints[index]);
        if (point.x >= box.left && point.x <= box.right && point.y >= box.top && point.y <= box.bottom)
        {
            mHover = 1;
            mHoveredPoint = static_cast<std::int32_t>(index) + 1;
            return true;
        }
    }
    return false;
}

bool EntityRope::TryClick()
{
    if (!LeftButtonWentDown() || InputLocks::second || InputLocks::third || mHover < 0)
    {
        return false;
    }
    ChangeGui();
    mPressed = mHoveredPoint;
    return true;
}

void EntityRope::Draw()
{
    for (std::size_t index = 0; index < mPoints.size(); ++index)
    {
        const LinkPoint& point = mPoints[index];
        const auto number = static_cast<std::int32_t>(index) + 1;
        FieldObjectPicture::Draw(
            GetPictureSprite(),
            {point.x, point.y, point.x + FieldGeometry::kCellWidth, point.y + FieldGeometry::kCellHeight},
            mHover > 0 && mHoveredPoint == number, mPressed == number);
    }
}
