#pragma once

#include "engine/Util/Vector2.h"
#include "game/Game/CostRecord.h"

#include <cstdint>

class Pers;
struct WalkTarget;

// The character an entity employs (a building's errand boy or fairy, a garden's gardener), as the entity
// drives it: hiring and upgrading, sending it on its errands, reading its hands and setting its bubble.
// The characters implement it, so that the entities need not know them.
class EntityWorker
{
public:
    // Type codes of the characters.
    static constexpr std::uint8_t kGardener = 132;
    static constexpr std::uint8_t kErrandBoy = 133;
    static constexpr std::uint8_t kFairy = 134;
    static constexpr std::uint8_t kBuyer = 135;
    static constexpr std::uint8_t kThief = 136;

    static constexpr std::int32_t kNoDream = -1;

    // The character itself, for those above the entities.
    virtual Pers* GetCharacter() = 0;
    virtual std::uint8_t GetType() const = 0;

    virtual bool IsActive() const = 0;
    virtual void SetActive(bool on) = 0;
    // Busy on an errand or an action, or still walking or flying.
    virtual bool IsBusy() const = 0;
    virtual void SetBusy(bool busy) = 0;
    virtual bool IsFirstVisitPending() const = 0;
    // The goods in the worker's hands; 0 for none.
    virtual std::uint8_t GetCarriedGoods() const = 0;
    virtual void SetCarriedGoods(std::uint8_t goods) = 0;
    // A fairy carrying both inputs of one order, until they are inside: flying in at the door her load
    // shows only the first, though the second goes in with it.
    virtual bool IsDeliveringBothInputs() const = 0;
    // Bringing out a unit that the building has already counted out of the door and that is not yet in
    // the worker's hands.
    virtual bool IsBringingOutAUnit() const = 0;

    virtual std::uint16_t GetUpgradeLevel() const = 0;
    virtual const CostRecord& GetCost() const = 0;
    // The price of the next upgrade.
    virtual std::uint16_t GetNextFrameId() const = 0;
    // One level up; false past the highest.
    virtual bool Upgrade() = 0;

    virtual bool GoTo(const WalkTarget& target, std::uint8_t mode) = 0;
    virtual void SetIJ(std::int32_t I, std::int32_t J) = 0;
    virtual void GetIJ(std::int32_t& I, std::int32_t& J) const = 0;
    virtual const Korrin::Vector2& GetPosition() const = 0;
    virtual void SetDream(std::int32_t frame) = 0;
    virtual std::int32_t GetFrameIndexDream() const = 0;
    virtual void StartAction(std::int32_t code) = 0;
    // The entity's "nothing to do": an idle animation now and then.
    virtual void PlayIdle(float dt) = 0;
    // Selected together with its entity.
    virtual void SetPressed(std::int32_t pressed) = 0;

protected:
    EntityWorker() = default;
    EntityWorker(const EntityWorker&) = default;
    EntityWorker& operator=(const EntityWorker&) = default;
    // Not deleted through the interface: the character manager owns the characters.
    ~EntityWorker() = default;
};
