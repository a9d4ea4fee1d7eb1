#pragma once

#include "game/Entity/BuyersArrow.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityStartShelf.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Game/FieldGeometry.h"
#include "game/Game/GameField.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"

// One entity of every kind, registered with a save manager of its own in a fixed order, so that a saved
// level's entity records (tests/fixtures/saves/EntityRecords.dat) can be read by every kind's loader.
// The shop and the storehouse have a set of their own (StoreRecordSet.h).
struct EntityRecordSet
{
    // The rope's field has one link, on column 3 from row 10 (its table's cell) down to row 12, and the
    // level's table on it.
    EntityRecordSet()
    {
        for (std::int32_t j = 10; j <= 12; ++j)
        {
            field.SetObjectCode(3, j, EntityRope::kLinkCode);
        }
        field.SetTile(3, 10, 66);
        rope.SetGameField(&field);
        rope.AddPoint(FieldGeometry::CellX(3), FieldGeometry::CellY(10) - EntityRope::kTableRise, 0);
    }

    TableCost table;
    SaveLoadManager records;
    GameField field;
    EntityRope rope;
    BuyersArrow entry{Entity::kBuyersEntry};
    BuyersArrow exit{Entity::kBuyersExit};
    EntityGarden garden;
    EntityWaterWell well;
    EntityBuilding juicer{30};
    EntityStartShelf shelf;
};
