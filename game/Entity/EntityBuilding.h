#pragma once

#include "game/Entity/PlaceholderEntity.h"

// A production building on four cells of a row, anchored at the rightmost one; its type code is the
// building kind's base code (26, 30, ..., 66).
class EntityBuilding : public PlaceholderEntity
{
public:
    explicit EntityBuilding(std::uint8_t kind) : PlaceholderEntity(kind) {}

    // Keeps the upgrade level the level file gave, chooses a side not set by the level from the column,
    // and lets the task manager show the order queue.
    void Reset() override;
    // A building still for sale (not yet built).
    bool IsForSale() const { return mForSale != 0; }
    void SetForSale(bool forSale) { mForSale = forSale ? 1 : 0; }

protected:
    Footprint GetFootprint() const override { return {3, 0, 120.0f}; }
    std::string GetPicture() const override
    {
        return IsForSale() ? "field_buildingforsale.png" : "field_building" + std::to_string(mType) + ".png";
    }

private:
    std::uint8_t mForSale = 0;
};
