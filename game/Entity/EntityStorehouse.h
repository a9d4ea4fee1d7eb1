#pragma once

#include "game/Entity/Entity.h"
#include "game/Entity/StoreCellManager.h"

// The level's storehouse: two cells wide from its anchor, drawn in the entity manager's last pass.
class EntityStorehouse : public Entity
{
public:
    EntityStorehouse() { mType = kStorehouse; }

    // A side not set by the level is chosen from the column: right of the middle faces the other way.
    void Reset() override;
    StoreCellManager& GetCells() { return mCells; }

protected:
    Footprint GetFootprint() const override { return {0, 1, 96.0f}; }
    std::string GetPicture() const override { return "ph_storehouse.png"; }

private:
    StoreCellManager mCells;
};
