#pragma once

#include "game/Entity/Entity.h"

#include <vector>

// The level's ropes and ladders: one entity holding every link point. A click on a link point selects
// the rope with that point's number (from 1) as its pressed value.
class EntityRope : public Entity
{
public:
    ~EntityRope() override;
    struct LinkPoint
    {
        float x = 0.0f;
        float y = 0.0f;
        std::uint8_t used = 0;
    };

    EntityRope() { mType = kRope; }

    void AddPoint(float x, float y, std::uint8_t used);
    const std::vector<LinkPoint>& GetPoints() const { return mPoints; }

    bool IsPointInside(const Korrin::Vector2& point) override;
    bool TryClick() override;

    void Init() override;
    void Draw() override;

private:
    // The link point's clickable box: one cell wide, from the point down to the foot of its cell.
    static Korrin::Rect PointRect(const LinkPoint& point);

    std::vector<LinkPoint> mPoints;
    std::int32_t mHoveredPoint = kNone;
    Korrin::Sprite* mPointPicture = nullptr;
};
