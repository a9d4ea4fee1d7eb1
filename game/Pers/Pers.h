#pragma once

#include "engine/Util/Vector2.h"
#include "game/Entity/EntityWorker.h"
#include "game/Game/Clickable.h"
#include "game/Game/CostRecord.h"
#include "game/Game/IJ.h"
#include "game/Game/SaveLoadObject.h"
#include "game/Pers/DreamTail.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CorrectionTable;
class Entity;
class PersAnimatedManager;
struct WalkTarget;

namespace Korrin
{
class AnimatedSprite;
class Bone;
class ParticleSystem;
class Sprite;
} // namespace Korrin

// A character on the field: a gardener, an errand boy, a fairy, a buyer or the thief. It stands at a
// pixel position that its skeletal figures follow, shows a dream bubble and a selection mark, and passes
// clicks on to its home entity. The character manager creates, updates, draws and destroys it.
class Pers : public Clickable, public SaveLoadObject, public EntityWorker
{
public:
    // Facings; kKeepFacing as an argument keeps the current one.
    static constexpr std::uint8_t kLeft = 0;
    static constexpr std::uint8_t kRight = 1;
    static constexpr std::uint8_t kUp = 2;
    static constexpr std::uint8_t kDown = 3;
    static constexpr std::uint8_t kKeepFacing = 200;

    // The character record before the current figure's record.
    static constexpr std::size_t kRecordBytes = 109;

    ~Pers() override;
    Pers(const Pers&) = delete;
    Pers& operator=(const Pers&) = delete;

    // A click passes on to the home entity.
    void ChangeGui() override;
    void OnGuiEvent() override;
    // The hit box lies around the root bone of the current figure: 32 pixels to each side, 64 up, 32 down.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // Shows the route, hands the click to the home entity and makes it the level's selection.
    bool TryClick() override;
    // A worker's click selects its home entity; a buyer or the thief has no page.
    bool SelectsHomeOnClick() const override;
    bool HasPanelPage() const override;

    // Selects figure 0, loads the mark, the bubble and the effects, finds the carry bone and reads the
    // head offset from the skeleton file. The concrete class fills the figure list first.
    virtual void Init();
    virtual void Reset() {}
    virtual void ShowPath() {}
    void SetActive(bool on) override;
    // One level up; false, and held at the highest level, past it.
    bool Upgrade() override;
    void SetIJ(std::int32_t I, std::int32_t J) override;
    // The cell under the position, truncated toward zero.
    void GetIJ(std::int32_t& I, std::int32_t& J) const override;
    bool IsBusy() const override { return false; }
    // A building worker's part of its round, for the building's countdown: going in with both inputs at
    // once, and coming out with an empty hand to fetch a unit. Only the workers of buildings have them.
    bool IsDeliveringBothInputs() const override { return false; }
    bool IsBringingOutAUnit() const override { return false; }
    void SetDream(std::int32_t frame) override { mDreamFrame = frame; }
    std::int32_t GetFrameIndexDream() const override { return mDreamFrame; }
    // The name to look up: with "1" appended while goods are carried.
    virtual std::string GetAnimationVariant(const std::string& name) const;
    // Turns to the facing (unless kKeepFacing) and plays the animation's variant; one that already plays
    // goes on untouched.
    virtual void PlayAnimation(const std::string& name, std::uint8_t facing);
    bool GoTo(const WalkTarget& target, std::uint8_t mode) override;
    void StartAction(std::int32_t /*code*/) override {}
    void PlayIdle(float /*dt*/) override {}
    // Called when the current animation completes a cycle.
    virtual bool OnAnimationEnd() { return true; }
    virtual bool Update(float dt);
    // The bubble over the head, drawn by the level above the field.
    virtual void DrawDream();
    // Where this frame's bubble goes before any lift; false when none is drawn (no wish, or hidden at
    // the storehouse).
    bool FindDreamPosition(Korrin::Vector2& at) const;
    // Raises the bubble by this many pixels, so that it clears another character's bubble on the same spot.
    void SetDreamLift(float lift) { mDreamLift = lift; }
    float GetDreamLift() const { return mDreamLift; }
    // A raised bubble's trail down to its buyer, clear of the frame's other bubbles (`placed`, the
    // bubbles' drawn places, this one's among them); an unraised bubble keeps the tail of its picture.
    void PlanDreamTail(std::span<const Korrin::Vector2> placed);
    const DreamTail& GetDreamTail() const { return mDreamTail; }
    virtual void Draw();

    // Nothing at all without a current figure.
    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a record the character cannot take: another type code, a figure, carry bone,
    // facing or upgrade level out of range, a damaged figure record, a time that is not a finite number.
    void Load(Korrin::BinaryReader& in) override;

    // Makes figure `index` the current one; past the list, reported and nothing changes.
    void SetPersAnimated(std::uint16_t index);
    // Facings 0 and 1 also mirror the current figure (1 mirrored).
    void SetDirection(std::uint8_t facing);
    // The price of the next upgrade, for the home entity's upgrade button.
    std::uint16_t GetNextFrameId() const override;
    // Places the carried goods (frame id) on the bone as the correction of the playing animation says.
    void ApplyCarriedCorrection(Korrin::Bone* bone, std::uint32_t id, std::uint8_t facing, bool scaleOnly);
    // The pulsing selection mark and the route effects.
    void DrawMark();

    // The world position of the current figure's root bone; the position itself without a figure.
    Korrin::Vector2 GetRootPosition() const;
    // The name of the current figure's animation ("" while it plays none).
    const std::string& GetAnimationName() const;

    Pers* GetCharacter() override { return this; }
    // The type code of the click interface, which the entities read too.
    std::uint8_t GetType() const override { return Clickable::GetType(); }
    void SetPressed(std::int32_t pressed) override { Clickable::SetPressed(pressed); }

    bool IsActive() const override { return mActive != 0; }
    std::uint8_t GetKind() const { return mKind; }
    void SetKind(std::uint8_t kind) { mKind = kind; }
    Entity* GetHomeEntity() const { return mHomeEntity; }
    void SetHomeEntity(Entity* entity) { mHomeEntity = entity; }
    Entity* GetWalkTarget() const { return mWalkTarget; }
    const IJ& GetTargetCell() const { return mTargetCell; }
    const Korrin::Vector2& GetPosition() const override { return mPosition; }
    void SetPosition(const Korrin::Vector2& position) { mPosition = position; }
    std::uint8_t GetFacing() const { return mFacing; }
    std::uint16_t GetUpgradeLevel() const override { return mUpgradeLevel; }
    const CostRecord& GetCost() const override { return mCost; }
    std::uint8_t GetCarriedGoods() const override { return mCarriedGoods; }
    void SetCarriedGoods(std::uint8_t goods) override { mCarriedGoods = goods; }
    std::int32_t GetCarryBone() const { return mCarryBone; }
    bool GetBusyFlag() const { return mBusy != 0; }
    void SetBusy(bool busy) override { mBusy = busy ? 1 : 0; }
    bool IsFirstVisitPending() const override { return mFirstVisitPending != 0; }
    void SetFirstVisitPending(bool pending) { mFirstVisitPending = pending ? 1 : 0; }
    float GetAnimationSpeed() const { return mAnimationSpeed; }
    void SetAnimationSpeed(float speed) { mAnimationSpeed = speed; }
    float GetWalkSpeed() const { return mWalkSpeed; }
    void SetWalkSpeed(float speed) { mWalkSpeed = speed; }
    float GetAnimationTimer() const { return mAnimationTimer; }
    std::uint16_t GetQueueWord() const { return mQueueWord; }
    void SetQueueWord(std::uint16_t word) { mQueueWord = word; }
    std::uint32_t GetSaveNumber() const { return mSaveNumber; }
    void SetSaveNumber(std::uint32_t number) { mSaveNumber = number; }
    bool IsBubbleHidden() const { return mBubbleHidden != 0; }
    const Korrin::Vector2& GetBubblePosition() const { return mBubblePosition; }
    const Korrin::Vector2& GetHeadOffset() const { return mHeadOffset; }
    PersAnimatedManager* GetFigure() const { return mFigure; }
    std::uint16_t GetFigureIndex() const { return mFigureIndex; }
    const std::vector<std::unique_ptr<PersAnimatedManager>>& GetFigures() const { return mFigures; }
    CorrectionTable& GetCorrections() { return *mCorrections; }
    const std::vector<Korrin::ParticleSystem*>& GetPathEffects() const { return mPathEffects; }
    Korrin::ParticleSystem* GetUpgradeEffect() const { return mUpgradeEffect; }

protected:
    // Registers the character's record with the level's save list; the concrete class then copies its
    // price record (TakeCostRecord) and makes its figures in its Init.
    explicit Pers(std::uint8_t type);

    // The price record of the type code from TableCost; a missing one is logged and leaves it empty.
    void TakeCostRecord();
    // Drops every figure (their skeletons go back to the pool); no figure is current afterwards.
    void ClearFigures();
    // Appends a figure of the look (list id, list file) that follows the character's position.
    void AddFigure(std::int32_t listId, const std::string& listFile);
    // Runs the current figure's skeleton file and reads one number of it; false when it gives none.
    bool ReadSkeletonNumber(const char* name, float& value) const;

    // The fields in the order of the character's data; the concrete classes use them directly.
    CostRecord mCost;
    PersAnimatedManager* mFigure = nullptr;
    std::vector<std::unique_ptr<PersAnimatedManager>> mFigures;
    std::uint16_t mFigureIndex = 0;
    std::uint16_t mUpgradeLevel = 0;
    Korrin::Vector2 mPosition;
    Entity* mHomeEntity = nullptr;
    IJ mTargetCell;
    Entity* mWalkTarget = nullptr;
    std::uint8_t mFacing = kLeft;
    std::uint8_t mActive = 0;
    Korrin::Sprite* mMark = nullptr;
    Korrin::AnimatedSprite* mDream = nullptr;
    std::int32_t mDreamFrame = kNoDream;
    std::uint8_t mBusy = 0;
    std::int32_t mCarryBone = -1;
    std::uint8_t mCarriedGoods = 0;
    float mAnimationSpeed = 1.0f;
    float mWalkSpeed = 1.0f;
    std::uint8_t mFirstVisitPending = 1;
    float mAnimationTimer = 0.0f;
    std::vector<Korrin::ParticleSystem*> mPathEffects;
    std::uint16_t mQueueWord = 0;
    std::uint8_t mKind = 0;
    std::unique_ptr<CorrectionTable> mCorrections;
    std::uint8_t mClicked = 0;
    Korrin::Vector2 mHeadOffset{0.0f, -40.0f};
    Korrin::Vector2 mBubblePosition;
    Korrin::ParticleSystem* mUpgradeEffect = nullptr;
    std::uint32_t mSaveNumber = 0;
    std::uint8_t mBubbleHidden = 0;
    float mDreamLift = 0.0f;
    DreamTail mDreamTail;

private:
    bool HasDream() const;
    // The bubble without its picture's own tail, and the planned trail stamped from that tail's puffs.
    void DrawRaisedDream(std::uint16_t frame);
    bool IsAtStorehouse(const Korrin::Vector2& root) const;
    void LoadEffects();
    void FindCarryBone();
    void UpdatePathEffects(float dt);
    // Reads the figure's record and the fields after it, once the fields before it were taken.
    void LoadFigureAndTarget(Korrin::BinaryReader& in);
};
