#pragma once

#include "game/Entity/Entity.h"

#include <array>
#include <cstdint>
#include <memory>

class HintArrow;

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The water well: the player pays for pails of water (three kinds, orders 126 to 128); the winch winds
// the first one up and the gardener takes it to water a bed, the kind deciding how many fruits the bed
// bears. A level starts with three prepaid small pails. Each of its three levels has its own picture.
class EntityWaterWell : public Entity
{
public:
    static constexpr std::uint8_t kSmallPail = 126;
    static constexpr std::uint8_t kPailKinds = 3;
    static constexpr std::uint8_t kLevels = 3;
    // The winch's whole turn, in frame-table steps.
    static constexpr float kWindingLimit = 17.0f;
    static constexpr float kWindingRate = 7.0f;
    static constexpr std::uint8_t kPrepaidPails = 3;

    EntityWaterWell();
    ~EntityWaterWell() override;

    void Init() override;
    // Level 0, three prepaid pails at unchanged money, the hit rectangle and the queue's icon row.
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    bool Upgrade() override;
    bool IsEmptyFor(std::uint8_t mode, std::int32_t i, std::int32_t j) override;
    // The thief takes the first order.
    bool Interact(std::uint8_t mode, std::int32_t i, std::int32_t j) override;
    void DrawOverlay() override;

    void ChangeGui() override;
    void OnGuiEvent() override;
    bool IsPointInside(const Korrin::Vector2& point) override;
    bool TryClick() override;

    // An emptied queue leaves the winch down.
    bool RemoveTask(std::uint8_t index, bool refund) override;
    // The gardener takes the first order: the well is busy until the gardener has lifted the pail.
    bool PopTask();

    bool IsBusy() const { return mBusy != 0; }
    // The gardener, once it holds the pail: the winch goes down for the next order.
    void ReleasePail()
    {
        mBusy = 0;
        mWinding = 0.0f;
    }
    std::uint8_t GetCurrentKind() const { return mCurrentKind; }
    float GetWinding() const { return mWinding; }
    // Where the hint arrow is drawn while the queue is empty.
    Korrin::Vector2 ArrowPlace() const;

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a busy flag, pail kind or winding position out of range.
    void Load(Korrin::BinaryReader& in) override;

private:
    // An upgrade would be taken: below the unlocked maximum and the last level.
    bool CanRise() const { return mUpgradeLevel < mCost.upgradeLevel && mUpgradeLevel < mCost.maxLevel; }
    // The pail kind shown: the one taken while busy, else the first order's; -1 for none.
    std::int32_t ShownPailKind() const;
    void FillTaskButtons();

    std::array<Korrin::AnimatedSprite*, kLevels> mPictures{};
    std::array<Korrin::AnimatedSprite*, kPailKinds> mPails{};
    std::uint8_t mBusy = 0;
    std::uint8_t mCurrentKind = 0;
    float mWinding = 0.0f;
    std::unique_ptr<HintArrow> mArrow;
    std::uint32_t mReserved = 0;
};
