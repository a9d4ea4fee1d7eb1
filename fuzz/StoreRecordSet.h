#pragma once

#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"

// The storehouse and the shop, registered with a save manager of their own, so that their saved records
// (tests/fixtures/saves/StoreRecords.dat) can be read by their loaders.
struct StoreRecordSet
{
    TableCost table;
    SaveLoadManager records;
    EntityStorehouse storehouse;
    EntityShop shop;
};
