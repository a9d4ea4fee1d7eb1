#pragma once

#include "game/Pers/PersRun.h"
#include "game/Pers/WorkerMagic.h"

#include <string>

class EntityBuilding;

// The errand boy of a production building. The building plans his errands; he walks them, and at the
// end of each walk and each animation he does his part: takes the inputs of the next order from the
// storehouse, carries them in at the door, comes out with a unit of the product and stores it. On his
// first visit after he is hired he changes, with a sparkle, from his own look (figure 0) into the clothes
// of his building's kind (figure 1), whose list file also gives the carried goods' corrections.
class PersRunBoy final : public PersRun
{
public:
    static constexpr float kHiredSpeed = 2.6f;
    static constexpr float kLevel1Speed = 3.4f;
    static constexpr float kLevel2Speed = 5.35f;
    // He grumbles this often while he cannot go on.
    static constexpr float kNagInterval = 10.5f;
    static constexpr float kIdleDelay = 0.025f;
    // The record after the walking character's.
    static constexpr std::size_t kOwnRecordBytes = 4;

    // kind: the building's type code (26, 30, 34, 46, 50 or 62).
    explicit PersRunBoy(std::uint8_t kind);

    void Init() override;
    void SetActive(bool on) override;
    bool Upgrade() override;
    bool IsBringingOutAUnit() const override;
    // "2" after the miller's flour, "1" after any other goods, nothing with empty hands.
    std::string GetAnimationVariant(const std::string& name) const override;
    // 0: the product is ready; he comes out of the door.
    void StartAction(std::int32_t code) override;
    void PlayIdle(float dt) override;
    bool OnAnimationEnd() override;
    bool Update(float dt) override;
    void Draw() override;
    void OnPathEnd(std::int32_t I, std::int32_t J) override;

    void Save(Korrin::BinaryWriter& out) override;
    // Also fails the reader on a nag timer outside 0 to its interval.
    void Load(Korrin::BinaryReader& in) override;

    float GetNagTimer() const { return mNagTimer; }
    const WorkerMagic& GetMagic() const { return mMagic; }

    // The list file of the kind's look; empty for a kind without a boy.
    static std::string KindListFile(std::uint8_t kind);
    // The goods he fetches for his building.
    static std::uint8_t InputOf(std::uint8_t kind);

private:
    EntityBuilding* Building() const;
    bool StandsAtBuilding() const;
    void ArriveAtBuilding(EntityBuilding& building);
    void ArriveAtStorehouse();
    void BeginMagic();
    void FinishAnimation();
    void LeaveWithProduct();
    // Back to the storehouse when it has room again; else he stands.
    void RetryStorehouse();
    void StandFree();
    bool Plays(const char* name) const;

    WorkerMagic mMagic;
    float mNagTimer = 0.0f;
};
