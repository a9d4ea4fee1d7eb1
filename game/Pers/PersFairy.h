#pragma once

#include "engine/Util/Vector2.h"
#include "game/Pers/Pers.h"
#include "game/Pers/WorkerMagic.h"

#include <string>
#include <vector>

class EntityBuilding;

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// The flying worker of a production building that takes two inputs. The building plans its errands as it
// does the errand boy's; the fairy flies each one along a cubic curve that bends upwards, hovers where it
// arrives, and does its part when a flight or an animation ends: takes both inputs of the next order from
// the storehouse, slips into the building at the next low point of its hover, comes out with a unit of
// the product and stores it. On its first visit after it is hired it changes, with a sparkle, from its
// own look (figure 0) into its building's (figure 1); each look has its own wings.
class PersFairy final : public Pers
{
public:
    enum Errand : std::uint32_t
    {
        kNoErrand = 0,
        kEnterBuilding = 1,
        kLeaveBuilding = 2,
    };

    static constexpr std::size_t kControlPoints = 4;
    static constexpr float kStartSpeed = 35.0f;
    static constexpr float kHiredSpeed = 90.0f;
    static constexpr float kLevel1Speed = 130.0f;
    static constexpr float kLevel2Speed = 200.0f;
    static constexpr float kLevel1FlightRate = 0.329442f;
    static constexpr float kLevel2FlightRate = 0.530734f;
    static constexpr float kNagInterval = 10.0f;
    static constexpr float kIdleDelay = 0.025f;
    // The bends of a flight: steeply down the screen, or any other way.
    static constexpr float kSteepBend = 250.0f;
    static constexpr float kBend = 150.0f;
    static constexpr float kHoverHeight = 10.0f;
    static constexpr float kWingPhaseEnd = 2.5f;
    // Makes the building plan at its next update.
    static constexpr float kPlanNow = 21335.0f;

    // kind: the building's type code (38, 42, 54, 58 or 66).
    explicit PersFairy(std::uint8_t kind);
    ~PersFairy() override;

    void Init() override;
    void SetActive(bool on) override;
    bool Upgrade() override;
    // Hovers above the cell and does what it came for there.
    void SetIJ(std::int32_t I, std::int32_t J) override;
    void GetIJ(std::int32_t& I, std::int32_t& J) const override;
    bool IsBusy() const override { return mBusy != 0 || mFlying != 0; }
    // "2" with both inputs in hand, "1" with any other goods, nothing with empty hands.
    std::string GetAnimationVariant(const std::string& name) const override;
    // Mode 0 plain, 1 the fetch, 2 carrying back; the same target again answers true, except in mode 2.
    bool GoTo(const WalkTarget& target, std::uint8_t mode) override;
    // 0: the product is ready; it comes out at the next low point of its hover.
    void StartAction(std::int32_t code) override;
    void PlayIdle(float dt) override;
    bool OnAnimationEnd() override;
    bool Update(float dt) override;
    void Draw() override;

    void Save(Korrin::BinaryWriter& out) override;
    // Also fails the reader on a flight parameter outside 0 to 1 (0 to 2 pi while hovering), an errand
    // other than 0 to 2, flags other than 0 or 1, a control-point count other than 4 or a value that is not
    // a finite number.
    void Load(Korrin::BinaryReader& in) override;

    const std::vector<Korrin::Vector2>& GetControlPoints() const { return mControlPoints; }
    float GetFlightParameter() const { return mFlightParameter; }
    float GetFlightRate() const { return mFlightRate; }
    bool IsFlying() const { return mFlying != 0; }
    const Korrin::Vector2& GetFlightPosition() const { return mFlightPosition; }
    std::uint32_t GetErrand() const { return mErrand; }
    bool HasDoubleLoad() const { return mDoubleLoad != 0; }
    bool IsDeliveringBothInputs() const override;
    bool IsBringingOutAUnit() const override;
    bool IsIdlePlaying() const { return mIdlePlaying != 0; }
    float GetNagTimer() const { return mNagTimer; }
    float GetWingPhase() const { return mWingPhase; }
    std::int32_t GetBodyBone() const { return mBodyBone; }
    const WorkerMagic& GetMagic() const { return mMagic; }

    // The list file of the kind's look; empty for a kind without a fairy.
    static std::string KindListFile(std::uint8_t kind);
    // The wings of a look's list file ("_wings.lua" in place of "_list.lua").
    static std::string WingsFile(const std::string& listFile);
    // The two goods it fetches for a building type; for a boy's building both are its one input.
    static std::uint8_t FirstInput(std::uint8_t kind);
    static std::uint8_t SecondInput(std::uint8_t kind);
    // The point of the cubic curve at t.
    static Korrin::Vector2 Bezier(const std::vector<Korrin::Vector2>& points, float t);
    // The bend of a flight from start to end, given its mode: it never goes down.
    static Korrin::Vector2 BendOffset(const Korrin::Vector2& start, const Korrin::Vector2& end,
                                      std::uint8_t mode);
    // Where the fairy hovers above a cell.
    static Korrin::Vector2 CellPoint(std::int32_t I, std::int32_t J);

private:
    EntityBuilding* Building() const;
    void AddWings(const std::string& listFile);
    void FindBodyBone();
    void UpdateFlight(float dt);
    void EndFlight();
    void UpdateHover(float dt);
    void StartErrand();
    // Follows the in and out animations: the building's front covers the fairy while it passes the door.
    void FollowDoor();
    // What the fairy does where a flight (or a placement) ends.
    void Arrive();
    void BeginMagic();
    void ArriveAtStorehouse();
    void FlyToStorehouse();
    void DrawWings();
    bool Plays(const char* name) const;

    std::vector<Korrin::Vector2> mControlPoints;
    float mFlightParameter = 0.0f;
    float mFlightRate = 0.0f;
    std::uint8_t mFlying = 0;
    Korrin::Vector2 mFlightPosition;
    WorkerMagic mMagic;
    std::vector<Korrin::AnimatedSprite*> mWings;
    float mWingPhase = 0.0f;
    std::int32_t mBodyBone = -1;
    std::uint32_t mErrand = kNoErrand;
    std::uint8_t mDoubleLoad = 0;
    std::uint8_t mIdlePlaying = 0;
    float mNagTimer = 0.0f;
};
