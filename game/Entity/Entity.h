#pragma once

#include "game/Blank.h"
#include "game/Entity/FieldObject.h"
#include "game/Game/SaveLoadObject.h"

#include <cstdint>
#include <string>
#include <vector>

class Pers;

namespace Korrin
{
class Sprite;
} // namespace Korrin

// Every object that stands on the game field. The level places it on its anchor cell, registers it with
// the entity manager (which gives it its save id) and links its worker; the entity kinds decide what
// they draw in which of the manager's passes.
class Entity : public Blank, public FieldObject, public SaveLoadObject
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

    // Registers its saved record with the level's SaveLoadManager when there is one.
    Entity();
    ~Entity() override;

    // Loads the entity's picture.
    void Init() override;
    void Reset() override { mUpgradeLevel = 0; }
    bool Update(float dt) override;
    void Draw() override;
    virtual void SetUpgradeLevel(std::uint16_t level) { mUpgradeLevel = level; }
    // Shows the entity's page on the game panel: the page of its type (its worker's page while that tab
    // is chosen), its upgrade dots, and itself as the owner of the page's tabs where it has two.
    void ChangeGui() override;
    // Drawn by the level above the field, after every draw pass.
    virtual void DrawOverlay() {}

    // Puts the entity on cell (I, J): its walk cell, its position (the cell's top-left corner) and its
    // screen rectangle.
    void Place(std::int32_t i, std::int32_t j);

    std::uint16_t GetUpgradeLevel() const { return mUpgradeLevel; }
    float GetX() const { return mX; }
    float GetY() const { return mY; }
    std::int32_t GetWalkI() const { return mWalkI; }
    std::int32_t GetWalkJ() const { return mWalkJ; }
    Pers* GetWorker() const { return mWorker; }
    void SetWorker(Pers* worker) { mWorker = worker; }
    std::uint8_t GetSide() const { return mSide; }
    void SetSide(std::uint8_t side) { mSide = side; }
    std::uint32_t GetSaveId() const { return mSaveId; }
    void SetSaveId(std::uint32_t id) { mSaveId = id; }
    // A lot still for sale (a garden bed or a building not yet bought).
    bool IsForSale() const { return mForSale != 0; }
    void SetForSale(bool forSale) { mForSale = forSale ? 1 : 0; }
    // Which page of a two-tab panel shows for the entity: 0 its own, 1 its worker's.
    std::uint32_t GetSelectedTab() const { return mSelectedTab; }
    void SetSelectedTab(std::uint32_t tab) { mSelectedTab = tab; }
    // The tasks queued on the entity (at most kMaxTasks).
    static constexpr std::size_t kMaxTasks = 5;
    std::size_t GetTaskCount() const { return mTasks.size(); }
    // False when the queue is full.
    bool AddTask(std::uint8_t task);
    void ClearTasks() { mTasks.clear(); }

protected:
    // The cells the entity covers: columns from anchor - cellsLeft to anchor + cellsRight, and its
    // height in pixels up from the bottom of its anchor row.
    struct Footprint
    {
        std::int32_t cellsLeft = 0;
        std::int32_t cellsRight = 0;
        float height = 48.0f;
    };
    virtual Footprint GetFootprint() const { return {}; }
    // Whether this draw pass of the entity manager is the one in which this entity draws.
    virtual bool DrawsInThisPass() const { return true; }
    // The placeholder picture that stands for the entity until it has art of its own; "" for none.
    virtual std::string GetPicture() const { return ""; }

    std::uint16_t mUpgradeLevel = 0;
    float mX = 0.0f;
    float mY = 0.0f;
    std::int32_t mWalkI = 0;
    std::int32_t mWalkJ = 0;
    Pers* mWorker = nullptr;
    std::uint8_t mSide = kNoSide;
    std::uint8_t mForSale = 0;
    std::uint32_t mSaveId = 0;
    std::uint32_t mSelectedTab = 0;
    std::vector<std::uint8_t> mTasks;

private:
    Korrin::Sprite* mPicture = nullptr;
};
