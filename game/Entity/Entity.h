#pragma once

#include "game/Entity/EntityTask.h"
#include "game/Entity/EntityWorker.h"
#include "game/Game/Clickable.h"
#include "game/Game/CostRecord.h"
#include "game/Game/SaveLoadObject.h"
#include "game/Util/Blank.h"

#include <cstdint>

class Entity;
class Pers;

namespace Korrin
{
class GuiButton;
} // namespace Korrin

// Where a character stands to use an entity.
struct WalkTarget
{
    std::int32_t I = 0;
    std::int32_t J = 0;
    Entity* entity = nullptr;
};

// Every object that stands on the game field. The level places it on its cell, registers it with the
// entity manager (which gives it its save id), adds it to its clickables and links its worker; the entity
// kinds decide what they draw in which of the manager's passes.
class Entity : public Blank, public Clickable, public EntityTask, public SaveLoadObject
{
public:
    static constexpr std::uint8_t kNoSide = 255;

    // Type codes of the field entities.
    static constexpr std::uint8_t kRope = 1;
    static constexpr std::uint8_t kBuyersEntry = 2;
    static constexpr std::uint8_t kBuyersExit = 3;
    static constexpr std::uint8_t kGarden = 5;
    static constexpr std::uint8_t kStorehouse = 10;
    static constexpr std::uint8_t kWaterWell = 14;
    static constexpr std::uint8_t kShop = 17;
    static constexpr std::uint8_t kStartShelf = 155;

    // Registers its record with the level's SaveLoadManager when there is one.
    Entity();
    ~Entity() override;
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    void Init() override {}
    // Back to upgrade level 0.
    void Reset() override { mUpgradeLevel = 0; }
    virtual void SetUpgradeLevel(std::uint16_t level) { mUpgradeLevel = level; }
    // One level up; false, and held at the unlocked maximum, when that maximum is passed.
    virtual bool Upgrade();
    // True when the entity holds nothing for a character to act on at the cell.
    virtual bool IsEmptyFor(std::uint8_t /*mode*/, std::int32_t /*i*/, std::int32_t /*j*/) { return true; }
    // Lets a character act on the entity at the cell.
    virtual bool Interact(std::uint8_t /*mode*/, std::int32_t /*i*/, std::int32_t /*j*/) { return true; }
    // Fills out (when given) with the walk cell and the entity; always true.
    virtual bool GetWalkTarget(WalkTarget* out, std::uint8_t mode);
    // Drawn by the level above the field, after every draw pass, for the entities of the overlay list.
    virtual void DrawOverlay() {}
    virtual void DrawExtra() {}
    // The storehouse, the largest, stands behind the others.
    bool IsClickedLast() const override { return GetType() == kStorehouse; }

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a record that the live entity cannot take (another type code, a side or an
    // upgrade level out of range, a queue too long).
    void Load(Korrin::BinaryReader& in) override;

    // Fills a panel's upgrade button with the price of the next level: a smile at the last level, locked
    // past the unlocked maximum, else the price, disabled while the money does not reach it.
    void SetUpgradeButton(std::uint16_t price, Korrin::GuiButton* button) const;
    // The same rule for anything with a level and a price record (a shop's shelf half); smileFrame says
    // whether the last level's smile also sets the button's frame.
    static void FillUpgradeButton(std::uint16_t level, const CostRecord& cost, std::uint16_t price,
                                  Korrin::GuiButton* button, bool smileFrame);

    // Puts the entity on cell (I, J): its walk cell and its position (the cell's top-left corner).
    void Place(std::int32_t i, std::int32_t j);

    const CostRecord& GetCost() const { return mCost; }
    std::uint16_t GetUpgradeLevel() const { return mUpgradeLevel; }
    float GetX() const { return mX; }
    float GetY() const { return mY; }
    std::int32_t GetWalkI() const { return mWalkI; }
    std::int32_t GetWalkJ() const { return mWalkJ; }
    // The character the entity employs, for those above the entities; the entity itself drives it as
    // its worker.
    Pers* GetWorker() const { return mWorker != nullptr ? mWorker->GetCharacter() : nullptr; }
    void SetWorker(EntityWorker* worker) { mWorker = worker; }
    std::uint8_t GetSide() const { return mSide; }
    void SetSide(std::uint8_t side) { mSide = side; }
    std::uint8_t GetStateByte() const { return mStateByte; }
    std::uint32_t GetSaveId() const { return mSaveId; }
    void SetSaveId(std::uint32_t id) { mSaveId = id; }

protected:
    // The price record of the entity's type code from TableCost; a missing one is logged and leaves
    // the zero record.
    void TakeCostRecord();
    // Called by Place once the position is set: the kinds size their screen rectangle here.
    virtual void OnPlaced() {}

    CostRecord mCost;
    std::uint16_t mUpgradeLevel = 0;
    float mX = 0.0f;
    float mY = 0.0f;
    std::int32_t mWalkI = 0;
    std::int32_t mWalkJ = 0;
    EntityWorker* mWorker = nullptr;
    std::uint8_t mSide = kNoSide;
    std::uint8_t mStateByte = 0;
    std::uint32_t mSaveId = 0;
};
