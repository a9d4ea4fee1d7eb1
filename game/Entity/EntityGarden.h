#pragma once

#include "game/Entity/PlaceholderEntity.h"

// A garden bed on two cells, anchored at the right one. It draws in two passes: the bed under the
// characters, the plants over them. Its order queue joins the task manager when it is built.
class EntityGarden : public PlaceholderEntity
{
public:
    EntityGarden();

    // The upgrade level stays as the level file gave it.
    void Reset() override {}
    // A bed still for sale (not yet bought).
    bool IsForSale() const { return mForSale != 0; }
    void SetForSale(bool forSale) { mForSale = forSale ? 1 : 0; }

protected:
    Footprint GetFootprint() const override { return {1, 0, 48.0f}; }
    bool DrawsInThisPass() const override { return GetDrawCount() == 1; }
    std::string GetPicture() const override
    {
        return IsForSale() ? "field_gardenforsale.png" : "field_garden.png";
    }

private:
    std::uint8_t mForSale = 0;
};
