#pragma once

#include "game/Entity/PlaceholderEntity.h"

// The water well: one cell. Its order queue joins the task manager when it is built.
class EntityWaterWell : public PlaceholderEntity
{
public:
    EntityWaterWell();

protected:
    Footprint GetFootprint() const override { return {0, 0, 72.0f}; }
    std::string GetPicture() const override { return "field_well.png"; }
};
