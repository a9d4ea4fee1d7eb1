#pragma once

#include "game/Entity/Entity.h"
#include "game/Game/CostRecord.h"

#include <cstdint>

class EntityWorker;

// What a production building uses of its worker (an errand boy or a fairy), in one place: the building
// plans the worker's errands and reads its hands, its level and its price through these calls only.
class BuildingWorker
{
public:
    static bool IsActive(const EntityWorker* worker);
    // Busy on an errand or an action, or still walking or flying.
    static bool IsBusy(const EntityWorker* worker);
    static void SetBusy(EntityWorker* worker, bool busy);
    static bool IsFirstVisitPending(const EntityWorker* worker);
    // The goods in the worker's hands; 0 for none.
    static std::uint8_t GetCarriedGoods(const EntityWorker* worker);
    static void SetCarriedGoods(EntityWorker* worker, std::uint8_t goods);
    // A fairy carrying both inputs of one order, until they are inside: flying in at the door her load
    // shows only the first, though the second goes in with it.
    static bool CarriesBothInputs(const EntityWorker* worker);
    // The worker is bringing out a unit that the building has already counted out of the door and that
    // is not yet in its hands.
    static bool IsBringingOutAUnit(const EntityWorker* worker);
    static std::uint16_t GetUpgradeLevel(const EntityWorker* worker);
    static const CostRecord& GetCost(const EntityWorker* worker);
    static bool Upgrade(EntityWorker* worker);
    static bool GoTo(EntityWorker* worker, const WalkTarget& target, std::uint8_t mode);
    static void SetDream(EntityWorker* worker, std::int32_t frame);
    static void StartAction(EntityWorker* worker, std::int32_t code);
    static void PlayIdle(EntityWorker* worker, float dt);
    static bool IsFairy(const EntityWorker* worker);
};
