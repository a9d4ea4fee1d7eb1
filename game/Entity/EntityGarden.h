#pragma once

#include "engine/Util/Vector2.h"
#include "game/Entity/Entity.h"
#include "game/Entity/Plant.h"
#include "game/Util/AniMeshContainer.h"

#include <array>
#include <cstdint>
#include <memory>

class HintArrow;

namespace Korrin
{
class AnimatedSprite;
class Font;
class GuiButton;
class ParticleSystem;
} // namespace Korrin

// A garden of two beds on two cells, anchored at the right one. The player buys it, upgrades it and
// orders seeds; its hired gardener sows, fetches water, harvests and carries the crops to the
// storehouse, sent by the garden's decisions every 0.3 s. It draws its ground in the entity manager's
// first pass, its table, sale sign and seeds in the second.
class EntityGarden : public Entity
{
public:
    static constexpr std::uint16_t kStages = 5;
    static constexpr std::size_t kBeds = 2;
    static constexpr std::uint32_t kNoBed = kBeds;
    // Panel modes: the garden's page, the gardener's; a click on the gardener leaves 3.
    static constexpr std::uint32_t kGardenPage = 0;
    static constexpr std::uint32_t kGardenerPage = 1;
    static constexpr std::uint32_t kGardenerClicked = 3;
    static constexpr float kNoDismissal = -1.0f;
    static constexpr float kDecisionInterval = 0.3f;
    // Walk-target kinds: the idle place, a bed to sow, the bed that waits for water, a ripe bed, the
    // storehouse with the crop in hand, the first bed with a crop.
    static constexpr std::uint8_t kIdleTarget = 0;
    static constexpr std::uint8_t kSowTarget = 1;
    static constexpr std::uint8_t kWaterTarget = 2;
    static constexpr std::uint8_t kHarvestTarget = 3;
    static constexpr std::uint8_t kStorehouseTarget = 4;
    static constexpr std::uint8_t kFirstCropTarget = 50;

    EntityGarden();
    ~EntityGarden() override;

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    bool IsEmptyFor(std::uint8_t mode, std::int32_t i, std::int32_t j) override;
    // The thief takes a growing crop from the bed on the cell.
    bool Interact(std::uint8_t mode, std::int32_t i, std::int32_t j) override;
    bool GetWalkTarget(WalkTarget* out, std::uint8_t kind) override;
    void DrawOverlay() override;

    void ChangeGui() override;
    void OnGuiEvent() override;
    bool IsPointInside(const Korrin::Vector2& point) override;
    bool TryClick() override;

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on flags, a stage or a bed index out of range, timers that are not numbers, or a
    // bed record that fails.
    void Load(Korrin::BinaryReader& in) override;

    // A bed still for sale (not yet bought).
    bool IsForSale() const { return mForSale != 0; }
    void SetForSale(bool forSale) { mForSale = forSale ? 1 : 0; }
    bool IsGardenerHired() const;
    bool IsUnattended() const { return mUnattended != 0; }
    bool IsConstructing() const { return mConstructing != 0; }
    float GetSaleCountdown() const { return mSaleCountdown; }
    std::uint32_t GetCurrentBed() const { return mCurrentBed; }
    Plant& GetBed(std::size_t index) { return *mBeds[index]; }

    // The floor tiles of the beds: the unattended look or the tended soil; optionally clearing the
    // object codes under them.
    void MarkBedCells(bool unattended, bool clearObjects);
    // The look of a garden without a gardener (weeds on the beds, the dry-soil tiles), or the tended one.
    void SetUnattended(bool unattended);

    // The gardener's operations, on the beds in order.
    void MarkFirstUnmarkedBed();
    void FillFirstEmptyBed(std::uint8_t fruits);
    // The crop of the current bed when it is ripe (its fruit count in count); 0 otherwise.
    std::uint8_t IsCurrentBedRipe(std::uint8_t& count);
    void HarvestCurrentBed();
    // The nearest well with an order, by the length of the path from (I, J): found wells count even
    // when no path reaches them (a target without entity), but only while no reachable one was seen.
    bool FindNearestWaterWell(std::int32_t i, std::int32_t j, WalkTarget& out);
    // The gardener's next errand, decided every 0.3 s.
    void UpdateTask(float dt);

private:
    // The gardener's price record; empty without the cost table.
    static CostRecord GardenerCost();
    AniMeshContainer* CurrentStage() const;
    Korrin::AnimatedSprite* StageSprite(std::uint16_t level) const;
    void SetPartFrames(AniMeshContainer* visual, Korrin::AnimatedSprite* sprite, bool unattended);
    void UpdateDismissal(float dt);
    void FinishDismissal();
    void UpdateGardenerPage();
    void AnimateStage(float dt);
    bool HasGrowingBed() const;
    bool IsHighlighted() const { return mHover == 1 || mPressed == 1; }
    void DrawSign();
    WalkTarget IdlePlace() const;
    WalkTarget BedTarget(std::size_t index) const;
    // The first bed that passes the test; kBeds when none does.
    std::size_t FindBed(bool (*test)(const Plant&)) const;
    // The first bed that passes the test, when allowed, as the target; false when there is none.
    bool BedTargetIf(bool allowed, bool (*test)(const Plant&), WalkTarget& target) const;
    // The storehouse with a crop in hand: the gardener's bubble says whether it has room.
    bool StorehouseTarget(WalkTarget* out);
    // A walk order that clears the bubble and keeps the gardener busy; a failed one shows "no way" and
    // lets it idle.
    bool Send(const WalkTarget& target, std::uint8_t sowing, float dt);
    // The nearest well with an order for the first sown bed without water; true when the decision ends.
    bool SendForWater(float dt);
    std::uint16_t PriceOfNextLevel() const;
    bool CanRise() const { return mUpgradeLevel < mCost.upgradeLevel && mUpgradeLevel < mCost.maxLevel; }
    void FillGardenPage();
    void FillGardenerPage();
    void FillGardenerUpgrade(Korrin::GuiButton& upgrade, const CostRecord& cost, std::uint16_t level,
                             std::int32_t money);
    void FillTaskButtons();
    bool Pay(std::int32_t price);
    void BuyGarden();
    void HireGardener();
    void UpgradeGarden();
    void UpgradeGardener();

    std::array<std::unique_ptr<AniMeshContainer>, kStages> mStages;
    std::unique_ptr<AniMeshContainer> mConstruction;
    std::array<std::unique_ptr<Plant>, kBeds> mBeds;
    float mDecisionTimer = 0.0f;
    std::uint8_t mForSale = 0;
    AniMeshContainer mTable;
    std::array<Korrin::AnimatedSprite*, kStages> mStageSprites{};
    Korrin::AnimatedSprite* mSign = nullptr;
    Korrin::Vector2 mSignOffset;
    Korrin::Font* mFont = nullptr;
    float mSaleCountdown = kNoDismissal;
    std::uint8_t mConstructing = 0;
    std::unique_ptr<HintArrow> mArrow;
    Korrin::ParticleSystem* mBuildEffect = nullptr;
    Korrin::ParticleSystem* mUpgradeEffect = nullptr;
    std::uint8_t mUnattended = 0;
    std::uint32_t mCurrentBed = 0;
    // The loop flag a record gave, kept for a garden whose visuals are not loaded (it is saved again).
    std::uint8_t mLoadedLoop = 0;
};
