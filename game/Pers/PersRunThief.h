#pragma once

#include "game/Pers/PersRun.h"

#include <array>

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The thief: the thief manager starts him from a start shelf; he hides in a bush, trembles, then walks
// from target to target and steals. Clicks close a cage over him; once it is shut he is caught, drops a
// bag of money and leaves the field until the manager starts him again.
class PersRunThief final : public PersRun
{
public:
    // Each click closes the cage this many frames; the cage opens again one frame a second.
    static constexpr float kCatchStep = 0.7f;
    static constexpr std::uint8_t kTargetSlots = 3;
    static constexpr std::uint8_t kCageId = 138;

    PersRunThief();
    ~PersRunThief() override;

    void Init() override;
    void Reset() override;
    // Also resets the cage and hides him.
    void SetActive(bool on) override;
    // A hidden thief is never hovered nor clicked.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // A click while he is on the field closes the cage one step.
    bool TryClick() override;
    bool OnAnimationEnd() override;
    bool Update(float dt) override;
    void Draw() override;
    void OnPathEnd(std::int32_t I, std::int32_t J) override;

    // Fields after the walking character's record: hidden, target slot, the cage's progress.
    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a hidden byte other than 0 or 1, a target slot past 2 or a cage progress
    // that is negative or not a finite number.
    void Load(Korrin::BinaryReader& in) override;

    // Picks a random rob target of the thief manager and walks to it; stands when there is none or
    // the walk cannot start.
    void ChooseNextTarget();
    // One successful click: interrupts a theft and closes the cage; a shut cage catches him.
    void CatchStep();

    bool IsHidden() const { return mHidden != 0; }
    std::uint8_t GetTargetSlot() const { return mTargetSlot; }
    float GetCageProgress() const { return mCageProgress; }
    // The number of frames of the cage's front picture.
    float GetCageFull() const;
    // The cage's pictures by the cage level bought in the map shop (0 to 2).
    std::uint16_t GetCageLevel() const { return mCageLevel; }

private:
    void ResetCage();
    void LoadCage();
    void ReleaseCage();
    void Caught();

    std::uint8_t mHidden = 1;
    std::uint8_t mTargetSlot = 0;
    float mCageProgress = 0.0f;
    std::uint16_t mCageLevel = 0;
    std::array<Korrin::AnimatedSprite*, 3> mCageFront{};
    std::array<Korrin::AnimatedSprite*, 3> mCageBack{};
};
