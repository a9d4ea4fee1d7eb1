#pragma once

#include "engine/Util/Vector2.h"
#include "game/Entity/ShopBuyer.h"
#include "game/Game/IJ.h"
#include "game/Pers/PersRun.h"

#include <memory>
#include <string>
#include <vector>

class EntityShop;
class PersManager;
struct WalkTarget;

namespace Korrin
{
class AnimatedSprite;
} // namespace Korrin

// A customer of the shop, created switched off and let onto the field by the character manager. It
// walks from the entrance signpost to the tail of the buyers' queue, moves up place by place, walks from
// the head place to the shop's serving cell, waits while the companion fetches its goods, and leaves by
// the exit signpost with them, or angry without. Its wish (the goods it wants, or a complaint) shows as
// the frame of its bubble, with the count of goods set aside for it and the count it wants; the shop sets
// goods cells aside for it and counts them in the queue word. Six kinds stop once on the way for a small
// performance; some dislike climbing and turn back on a rope or on stairs.
class PersRunBuyer final : public PersRun, public ShopBuyer
{
public:
    static constexpr std::uint8_t kFirstKind = 139;
    static constexpr std::uint8_t kLastKind = 152;
    static constexpr std::uint8_t kSleeper = 142;
    static constexpr std::uint8_t kProfessor = 145;
    static constexpr std::uint8_t kMusician = 146;
    static constexpr std::uint8_t kPrincess = 148;
    // The professor's monster.
    static constexpr std::int32_t kMonsterListId = 153;
    // The buyer's voice.
    enum class Voice : std::uint8_t
    {
        None,
        OldMale,
        YoungMale,
        YoungFemale,
        OldFemale,
    };
    // Wishes that are not goods: the princess's extra, the three climbing complaints, leaving angry.
    static constexpr std::int32_t kPrincessWish = -2;
    static constexpr std::int32_t kAngry = -6;
    // Queue places that are not places: on the way to the counter, and at the counter.
    static constexpr std::int32_t kToCounter = -1;
    static constexpr std::int32_t kAtCounter = -2;
    // The buyer's own record after the walking base's (and the monster's): from the buyer number on.
    static constexpr std::size_t kOwnRecordBytes = 37;
    static constexpr float kWalkSpeed = 1.6f;

    // kind: the buyer kind, 139 to 152; another code makes a buyer without a figure.
    explicit PersRunBuyer(std::uint8_t kind);
    ~PersRunBuyer() override;

    // The digits and the finger, the kind's figure (and the professor's monster), its corrections.
    void Init() override;
    void Reset() override;
    // Also forgets the climbing complaint and counts the next visit as a new one.
    void SetActive(bool on) override;
    // The wish maps to the bubble's frame; a wish the bubble cannot show leaves the frame.
    void SetDream(std::int32_t wish) override;
    // The wish of the bubble's frame; another character's frame reads back as itself.
    std::int32_t GetFrameIndexDream() const override;
    // "1" appended while goods are carried, "2" to "run" while angry.
    std::string GetAnimationVariant(const std::string& name) const override;
    // The walking base's choice, then the complaint of a buyer that dislikes the climb it starts.
    void PlayAnimation(const std::string& name, std::uint8_t facing) override;
    // 0 to the queue's tail; 1 the goods are handed over: it catches them; 2 nothing to give: it stomps
    // its foot and will leave angry.
    void StartAction(std::int32_t command) override;
    // Turning now and then while it stands in the queue.
    void PlayIdle(float dt) override;
    // The buyer's decisions each time its animation completes a cycle; false stops the walk this frame.
    bool OnAnimationEnd() override;
    // At a signpost the buyer goes off the field; at the shop it stands.
    void OnPathEnd(std::int32_t I, std::int32_t J) override;
    bool Update(float dt) override;
    void Draw() override;
    // The bubble with the counts of goods set aside and wanted, and the finger during an extra.
    void DrawDream() override;

    // The professor cannot be clicked while his monster eats.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // Its voice; a sleeper does not wake, and a click during the extra's start sends the buyer on.
    bool TryClick() override;

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a record the buyer cannot take: more than one extra stop or one off the field,
    // another buyer number, a queue place outside the queue, a wanted count or dislike outside the kinds',
    // a wish the bubble cannot show, a time that is not a finite number.
    void Load(Korrin::BinaryReader& in) override;

    // Chooses where on the planned walk the buyer stops for its extra: a cell inside a level stretch.
    void PickExtraStop();

    // The list file of a buyer kind's look; empty outside 139 to 152.
    static std::string KindListFile(std::uint8_t kind);
    // How many goods a kind wants (1 outside the kinds).
    static std::uint32_t KindWantedCount(std::uint8_t kind);
    // 0 none, 1 or 2 ropes, 3 ropes and stairs.
    static std::uint8_t KindDislike(std::uint8_t kind);
    static Voice KindVoice(std::uint8_t kind);
    static bool KindHasExtra(std::uint8_t kind);
    // Where the finger points during the extra, from the pixel of the buyer's cell.
    static Korrin::Vector2 KindFingerOffset(std::uint8_t kind);

    // The key of the buyer in the manager's list: 1, 2, 3 ... in creation order.
    std::uint32_t GetNumber() const { return mNumber; }
    void SetNumber(std::uint32_t number) { mNumber = number; }
    std::uint32_t GetWantedCount() const override { return mWantedCount; }
    std::uint8_t GetDislike() const { return mDislike; }
    // The goods cells the shop has set aside for the buyer (and units already carried for it).
    std::uint16_t GetObjBuyCount() const override { return mQueueWord; }
    void SetObjBuyCount(std::uint16_t count) override { mQueueWord = count; }
    void SetCarriedGoods(std::uint8_t goods) override { Pers::SetCarriedGoods(goods); }
    void SetAnimationSpeed(float speed) override { Pers::SetAnimationSpeed(speed); }
    std::uint32_t GetSaveNumber() const override { return Pers::GetSaveNumber(); }
    std::int32_t GetQueuePlace() const { return mQueuePlace; }
    void SetQueuePlace(std::int32_t place) { mQueuePlace = place; }
    const std::vector<IJ>& GetExtraStops() const { return mExtraStops; }
    const std::vector<IJ>& GetRunCells() const { return mRunCells; }
    std::uint16_t GetClimbCount() const { return mClimbCount; }
    std::int32_t GetWishBeforeClimb() const { return mWishBeforeClimb; }
    float GetSleepTimer() const { return mSleepTimer; }
    float GetKeptSpeed() const { return mKeptSpeed; }
    bool IsEffectShown() const { return mEffectShown != 0; }
    PersAnimatedManager* GetMonster() const { return mMonster.get(); }
    float GetFingerTimer() const { return mFingerTimer; }
    // How opaque the wish bubble is drawn: a complaint pulses after its first second.
    float GetBubbleAlpha() const;

    // Frees every shop cell set aside under the buyer's number.
    void ReleaseReservedCells() const;
    // The voice lines; a buyer without a voice logs that it has none.
    void BuyerClickSound() const;
    void BuyerAnglySound() const;

private:
    // The level's shop, entrance (2) or exit (3) signpost; null when missing.
    static EntityShop* Shop();
    static Entity* Signpost(std::uint8_t type);
    // Walks to the signpost's walk cell; false (nothing started) without it.
    bool WalkToSignpost(std::uint8_t type);
    void TurnBack();
    bool StartExtraIfAtStop();
    // The extras' steps at the end of a cycle; true when the call ends there.
    bool StepExtras();
    void StartProfessorExtra();
    // The queue's steps; true when the buyer reached the counter and the companion's errand started.
    bool StepQueue();
    // The steps of the queue: up one place once the one ahead is free, from its head to the counter
    // once the counter is free, and at the counter the start of the service (true).
    void MoveUpTheQueue(EntityShop& shop, PersManager& characters, const IJ& here);
    void LeaveTheQueueForTheCounter(EntityShop& shop, PersManager& characters, const WalkTarget& counter);
    bool ArriveAtTheCounter(EntityShop& shop, const IJ& here, const WalkTarget& counter);
    void StepLeaving();
    void ShowProfessorEffect();
    void UpdateBubbleBlink(float dt);
    void UpdateMonster(float dt);
    bool InExtra() const;

    std::vector<IJ> mRunCells;
    float mBubbleCountdown = 1.0f;
    float mBlinkPhase = 0.0f;
    Korrin::AnimatedSprite* mReservedDigits = nullptr;
    Korrin::AnimatedSprite* mWantedDigits = nullptr;
    std::vector<IJ> mExtraStops;
    std::uint32_t mNumber = 0;
    std::int32_t mKeptWish = 0;
    std::int32_t mQueuePlace = kAtCounter;
    float mKeptSpeed = 1.0f;
    float mSleepTimer = -5.0f;
    std::unique_ptr<PersAnimatedManager> mMonster;
    Korrin::Vector2 mMonsterPosition;
    Korrin::AnimatedSprite* mFinger = nullptr;
    float mFingerTimer = 0.0f;
    std::uint32_t mWantedCount = 1;
    std::uint8_t mDislike = 0;
    std::uint16_t mClimbCount = 0;
    std::uint8_t mClimbLatch = 0;
    std::int32_t mWishBeforeClimb = -1;
    std::uint8_t mEffectShown = 0;
};
