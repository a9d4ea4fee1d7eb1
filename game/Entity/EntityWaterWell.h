#pragma once

#include "game/Entity/Entity.h"

// The water well: one cell.
class EntityWaterWell : public Entity
{
public:
    EntityWaterWell() { mType = kWaterWell; }

protected:
    Footprint GetFootprint() const override { return {0, 0, 72.0f}; }
    std::string GetPicture() const override { return "ph_well.png"; }
};
