#pragma once

#include "game/Entity/Entity.h"

// A production building on four cells of a row, anchored at the rightmost one; its type code is the
// building kind's base code (26, 30, ..., 66).
class EntityBuilding : public Entity
{
public:
    EntityBuilding() = default;

    // A side not set by the level is chosen from the column.
    void Reset() override;

protected:
    Footprint GetFootprint() const override { return {3, 0, 120.0f}; }
    std::string GetPicture() const override
    {
        return IsForSale() ? "ph_buildingforsale.png" : "ph_building.png";
    }
};
