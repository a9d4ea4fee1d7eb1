#pragma once

#include "game/Entity/PlaceholderEntity.h"
#include "game/Entity/StoreCellManager.h"

// The level's storehouse: two cells wide from its anchor, drawn in the entity manager's last pass. Its
// boxes are a grid of three by four goods cells, saved after its entity record.
class EntityStorehouse : public PlaceholderEntity
{
public:
    EntityStorehouse();

    void Init() override;
    // A side not set by the level is chosen from the column: right of the middle faces the other way.
    void Reset() override;
    bool Update(float dt) override;
    void Save(Korrin::BinaryWriter& out) override;
    void Load(Korrin::BinaryReader& in) override;

    StoreCellManager& GetCells() { return mCells; }

protected:
    Footprint GetFootprint() const override { return {0, 1, 96.0f}; }
    std::string GetPicture() const override { return "field_storehouse.png"; }

private:
    StoreCellManager mCells{3, 4};
};
