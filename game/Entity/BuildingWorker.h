#pragma once

#include "game/Entity/Entity.h"
#include "game/Game/CostRecord.h"

#include <cstdint>

class Pers;

// What a production building uses of its worker (an errand boy or a fairy), in one place: the building
// plans the worker's errands and reads its hands, its level and its price through these calls only.
class BuildingWorker
{
public:
    static bool IsActive(const Pers* worker);
    // Busy on an errand or an action, or still walking or flying.
    static bool IsBusy(const Pers* worker);
    static void SetBusy(Pers* worker, bool busy);
    static bool IsFirstVisitPending(const Pers* worker);
    // The goods in the worker's hands; 0 for none.
    static std::uint8_t GetCarriedGoods(const Pers* worker);
    static void SetCarriedGoods(Pers* worker, std::uint8_t goods);
    // A fairy carrying both inputs of one order, until they are inside: flying in at the door her load
    // shows only the first, though the second goes in with it.
    static bool CarriesBothInputs(const Pers* worker);
    // The worker is bringing out a unit that the building has already counted out of the door and that
    // is not yet in its hands.
    static bool IsBringingOutAUnit(const Pers* worker);
    static std::uint16_t GetUpgradeLevel(const Pers* worker);
    static const CostRecord& GetCost(const Pers* worker);
    static bool Upgrade(Pers* worker);
    static bool GoTo(Pers* worker, const WalkTarget& target, std::uint8_t mode);
    static void SetDream(Pers* worker, std::int32_t frame);
    static void StartAction(Pers* worker, std::int32_t code);
    static void PlayIdle(Pers* worker, float dt);
    static bool IsFairy(const Pers* worker);
};
