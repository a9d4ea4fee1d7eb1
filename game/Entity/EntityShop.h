#pragma once

#include "game/Entity/Entity.h"
#include "game/Entity/StoreCellManager.h"

// The shop on two cells, anchored at the left one; buyers queue before it.
class EntityShop : public Entity
{
public:
    EntityShop() { mType = kShop; }

    StoreCellManager& GetCells() { return mCells; }

protected:
    Footprint GetFootprint() const override { return {0, 1, 96.0f}; }
    std::string GetPicture() const override { return "ph_shop.png"; }

private:
    StoreCellManager mCells;
};
