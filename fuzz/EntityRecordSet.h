#pragma once

#include "game/Entity/BuyersArrow.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityStartShelf.h"
#include "game/Entity/EntityWaterWell.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"

// One entity of every kind, registered with a save manager of its own in a fixed order, so that a saved
// level's entity records (tests/fixtures/saves/EntityRecords.dat) can be read by every kind's loader.
// The shop and the storehouse have a set of their own (StoreRecordSet.h).
struct EntityRecordSet
{
    TableCost table;
    SaveLoadManager records;
    EntityRope rope;
    BuyersArrow entry{Entity::kBuyersEntry};
    BuyersArrow exit{Entity::kBuyersExit};
    EntityGarden garden;
    EntityWaterWell well;
    EntityBuilding juicer{30};
    EntityStartShelf shelf;
};
