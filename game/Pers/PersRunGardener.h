#pragma once

#include "game/Entity/BedGardener.h"
#include "game/Pers/PersRun.h"

#include <cstdint>

class EntityGarden;
class EntityWaterWell;

namespace Korrin
{
class ParticleSystem;
} // namespace Korrin

// The gardener of a garden bed: sent by its garden's decisions, it sows the seed orders, fetches pails
// at the wells, waters the sown beds, harvests the ripe crops and carries them to the storehouse. It
// acts when a walk ends, advances its work as its animation plays and finishes each action when the
// animation ends. One figure from "gardenerlist.lua", whose "ObjList" says how the goods sit in his hand.
class PersRunGardener final : public PersRun, public BedGardener
{
public:
    static constexpr std::uint8_t kKindCode = 5;

    // Work phases.
    static constexpr std::uint8_t kNoWork = 0;
    static constexpr std::uint8_t kSowing = 1;
    static constexpr std::uint8_t kDrawingWater = 2;
    static constexpr std::uint8_t kWatering = 3;
    static constexpr std::uint8_t kHarvesting = 4;
    static constexpr std::uint8_t kIdling = 122;

    // "gardener_no" sounds this often while the gardener waits.
    static constexpr float kNagInterval = 11.0f;
    // The emptying of a pail, in its carry frames.
    static constexpr float kFullPour = 7.0f;
    // Idle animations start at most this often.
    static constexpr float kIdleStep = 0.025f;

    // Walk speeds by level.
    static constexpr float kFirstSpeed = 2.0f;

    // The harvest of a crop: its animation, the carry frame of the crop in hand and the animation's
    // frame after which the fruit is taken.
    struct Harvest
    {
        const char* animation;
        std::uint16_t correction;
        std::uint32_t frame;
    };
    static Harvest HarvestOf(std::uint8_t crop, std::uint8_t fruits);

    static bool IsCrop(std::uint8_t goods);

    PersRunGardener();
    ~PersRunGardener() override;

    void Init() override;
    bool TryClick() override;
    // On or off, the work in hand is dropped and the walk speed is the first level's.
    void SetActive(bool on) override;
    // Levels 1 and 2 walk faster.
    bool Upgrade() override;
    // sowing: 1 when the garden sends the gardener to sow.
    bool GoTo(const WalkTarget& target, std::uint8_t sowing) override;
    // The garden's "nothing to do": a short idle animation now and then.
    void PlayIdle(float dt) override;
    bool OnAnimationEnd() override;
    bool Update(float dt) override;
    void Draw() override;
    void OnPathEnd(std::int32_t I, std::int32_t J) override;

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a work phase, crop, carried goods, harvest frame, correction or pouring out of
    // range, a timer that is not a number, or a work phase whose walk target is not the entity it works
    // on (sowing at a garden, drawing water at a well).
    void Load(Korrin::BinaryReader& in) override;

    // A crop in hand that the storehouse has no room for is logged.
    void HandBack() override;

    std::uint8_t GetWorkPhase() const { return mWorkPhase; }
    std::uint8_t GetCrop() const { return mCrop; }
    float GetPouring() const { return mPouring; }
    std::uint32_t GetHarvestFrame() const { return mHarvestFrame; }
    std::uint16_t GetCarryCorrectionId() const { return mCarryCorrectionId; }
    bool IsSplitDraw() const { return mSplitDraw != 0; }
    bool IsBedOver() const { return mBedOver != 0; }
    bool GetSowingFlag() const { return mSowingFlag != 0; }
    float GetNagTimer() const { return mNagTimer; }
    bool GetIdleFlag() const { return mIdleFlag != 0; }
    // The sprite frame the carry bone shows this frame; -1 where the animation's own frame stays.
    std::int32_t CarryFrame() const;

private:
    // The current animation's key frame (0 without one).
    std::uint32_t AnimationFrame() const;
    EntityGarden* Garden() const;
    // The walk target as the entity a step needs; a report when it is not.
    EntityGarden* TargetGarden() const;
    EntityWaterWell* TargetWell() const;
    void ArriveAtWell(std::int32_t I, std::int32_t J);
    void ArriveAtStorehouse();
    void ArriveAtGarden();
    void StartHarvest(std::uint8_t crop, std::uint8_t fruits);
    // Sows the first order on the first free bed; false, with the order kept, when every bed grows.
    bool Sow(EntityGarden& garden);
    void AdvanceWork(float dt);
    void AdvanceHarvest(std::uint32_t frame);
    void RetryStorehouse();
    void Stand();
    void DrawSplit();

    std::uint8_t mWorkPhase = kNoWork;
    std::uint32_t mHarvestFrame = 0;
    std::uint16_t mCarryCorrectionId = 0;
    std::uint8_t mCrop = 0;
    float mPouring = 0.0f;
    Korrin::ParticleSystem* mMagic = nullptr;
    std::int32_t mHat01 = -1;
    std::int32_t mHat02 = -1;
    std::uint8_t mSplitDraw = 0;
    std::uint8_t mBedOver = 0;
    std::uint8_t mIdleFlag = 0;
    std::uint8_t mSowingFlag = 0;
    float mNagTimer = 0.0f;
};
