#pragma once

#include "game/Entity/Entity.h"

// A garden bed on two cells, anchored at the right one. It draws in two passes: the bed under the
// characters, the plants over them.
class EntityGarden : public Entity
{
public:
    EntityGarden() { mType = kGarden; }

protected:
    Footprint GetFootprint() const override { return {1, 0, 48.0f}; }
    bool DrawsInThisPass() const override { return GetDrawCount() == 1; }
    std::string GetPicture() const override { return IsForSale() ? "ph_gardenforsale.png" : "ph_garden.png"; }
};
