#pragma once

#include "game/Entity/PlaceholderEntity.h"
#include "game/Entity/StoreCellManager.h"

// The shop on two cells, anchored at the left one; buyers queue before it. Its shelves are a grid of
// four by three goods cells, saved after its entity record.
class EntityShop : public PlaceholderEntity
{
public:
    EntityShop();

    void Init() override;
    bool Update(float dt) override;
    void Save(Korrin::BinaryWriter& out) override;
    void Load(Korrin::BinaryReader& in) override;

    StoreCellManager& GetCells() { return mCells; }

protected:
    Footprint GetFootprint() const override { return {0, 1, 96.0f}; }
    std::string GetPicture() const override { return "field_shop.png"; }

private:
    StoreCellManager mCells{4, 3};
};
