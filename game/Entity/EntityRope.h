#pragma once

#include "game/Entity/PlaceholderEntity.h"

#include <vector>

// The level's ropes and ladders: one entity holding every link point. A click on a link point selects
// the rope with that point's number (from 1) as its pressed value.
class EntityRope : public PlaceholderEntity
{
public:
    struct LinkPoint
    {
        float x = 0.0f;
        float y = 0.0f;
        std::uint8_t used = 0;
    };

    EntityRope() : PlaceholderEntity(kRope) {}

    void AddPoint(float x, float y, std::uint8_t used);
    // Flags every link point in the cell: a character's route would need a rope there.
    void MarkPointAtCell(std::int32_t I, std::int32_t J);
    const std::vector<LinkPoint>& GetPoints() const { return mPoints; }

    bool IsPointInside(const Korrin::Vector2& point) override;
    bool TryClick() override;

    void Draw() override;

protected:
    std::string GetPicture() const override { return "field_rope.png"; }

private:
    // The link point's clickable box: one cell wide, from the point down to the foot of its cell.
    static Korrin::Rect PointRect(const LinkPoint& point);

    std::vector<LinkPoint> mPoints;
    std::int32_t mHoveredPoint = kNone;
};
