#pragma once

#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"
#include "game/Entity/Entity.h"
#include "game/Util/AniMeshContainer.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct BuildingKind;
class HintArrow;

namespace Korrin
{
class AnimatedSprite;
class Font;
class GuiButton;
class GuiContainer;
class LuaScript;
class ParticleSystem;
class Sprite;
} // namespace Korrin

// A production building on four cells of a row, anchored at its door's cell; its type code is the kind's
// base code (26, 30, ..., 66). Orders wait in its task queue; its worker (an errand boy or a fairy) brings
// the inputs from the storehouse, the building works off a run with its progress bar, and the worker
// carries the product units back. The building is the worker's planner: every 0.3 seconds it decides
// where the worker goes next.
class EntityBuilding : public Entity
{
public:
    // One per upgrade level: the building's look at that level.
    struct BuildingStruct
    {
        std::unique_ptr<AniMeshContainer> mesh;
        std::uint8_t backCount = 0;
        // x offsets of the door sprite for door frames 0 to 4; empty when the description has none.
        std::vector<float> doorOffsets;
        Korrin::AnimatedSprite* door = nullptr;
        std::uint8_t doorPart = 0;
    };

    static constexpr std::uint16_t kLevels = 3;
    static constexpr float kDoorOpen = 4.0f;
    static constexpr float kDoorRate = 8.0f;
    static constexpr float kWorkerStep = 0.3f;
    static constexpr float kFullWork = 100.0f;
    static constexpr float kNoSale = -1.0f;
    static constexpr float kSaleRate = 0.33f;
    static constexpr std::int32_t kNoRun = -1;
    // The panel modes: the building's page, the worker's page, and the worker's click on its way.
    static constexpr std::uint32_t kBuildingMode = 0;
    static constexpr std::uint32_t kWorkerMode = 1;
    static constexpr std::uint32_t kWorkerClick = 3;
    static constexpr std::uint8_t kBoyType = 133;
    static constexpr std::uint8_t kFairyType = 134;
    // The worker's dream frame while it cannot start a walk.
    static constexpr std::int32_t kNothingToDo = 33;

    explicit EntityBuilding(std::uint8_t type);
    ~EntityBuilding() override;

    // The kind tables.
    static std::string GetBuildingName(std::uint8_t type);
    std::uint8_t GetProductGoods(std::uint8_t order) const;
    std::int32_t GetDescriptionNumber(std::int32_t level) const;
    std::uint16_t GetOrderIconFrame() const;
    std::int32_t GetMissingInputBubble() const;
    std::uint16_t GetBuildingOrdinal() const;
    // The upgrade sparkle's offset from the position, by kind, side and level.
    Korrin::Vector2 GetOffseForUpgradePS() const;

    // Reads the description files of one kind: the level meshes, the construction mesh and the ".lua".
    void Load(const std::string& stem);
    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void SetUpgradeLevel(std::uint16_t level) override;
    bool GetWalkTarget(WalkTarget* out, std::uint8_t mode) override;
    void DrawOverlay() override;
    // The building's front: the parts drawn over its worker, then the progress bar.
    void DrawExtra() override;

    void ChangeGui() override;
    void OnGuiEvent() override;
    bool IsPointInside(const Korrin::Vector2& point) override;
    bool TryClick() override;

    // Starts the run of an order when nothing is produced; with refund, a cancelled order starts none.
    bool RemoveTask(std::uint8_t index, bool refund) override;
    bool IsDoorOpen() const { return mDoorFrame == kDoorOpen; }
    // One unit of the run has left the door; after the last the bar winds down.
    void FinishRun();
    // The planning step: every 0.3 seconds the worker's next errand.
    void WorkerStep(float dt);
    // The worker's steps: its first walk to the door, into the building once the run is done, and
    // else to the storehouse for an input, back to the door with it, or to the door to wait.
    void SendWorkerOnFirstVisit(const WalkTarget& door, float dt);
    bool TakeWorkerIn(const WalkTarget& door, std::uint8_t carried);
    void SendWorkerOnErrand(const WalkTarget& door, std::uint8_t carried, float dt);

    // The panel's buttons, after their checks and payment.
    void Buy();
    void UpgradeBuilding();

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a record the building cannot take (a level past its three records, runs left
    // outside -1 to 2, a door frame outside 0 to 4, a sale timer outside -1 to 1, a value not finite).
    void Load(Korrin::BinaryReader& in) override;

    bool IsForSale() const { return mForSale != 0; }
    void SetForSale(bool forSale) { mForSale = forSale ? 1 : 0; }
    const BuildingKind* GetKind() const { return mKind; }
    std::int32_t GetRunsLeft() const { return mRunsLeft; }
    void SetRunsLeft(std::int32_t runs) { mRunsLeft = runs; }
    float GetWorkProgress() const { return mWorkProgress; }
    void SetWorkProgress(float progress) { mWorkProgress = progress; }
    float GetWorkRate() const { return mWorkRate; }
    void SetWorkRate(float rate) { mWorkRate = rate; }
    float GetRemainingWork() const { return mRemainingWork; }
    void SetRemainingWork(float work) { mRemainingWork = work; }
    float GetDoorFrame() const { return mDoorFrame; }
    void SetDoorFrame(float frame) { mDoorFrame = frame; }
    float GetDoorRate() const { return mDoorRate; }
    void SetDoorRate(float rate) { mDoorRate = rate; }
    float GetSaleTimer() const { return mSaleTimer; }
    void SetSaleTimer(float timer) { mSaleTimer = timer; }
    float GetWorkerStepTimer() const { return mWorkerStepTimer; }
    void SetWorkerStepTimer(float timer) { mWorkerStepTimer = timer; }
    bool IsConstructionPlaying() const { return mConstructionPlaying != 0; }
    // Set by the worker while it walks in or out of the door: it then draws the building's front.
    bool IsWorkerInside() const { return mStateByte != 0; }
    void SetWorkerInside(bool inside) { mStateByte = inside ? 1 : 0; }
    float GetBarX() const { return mBarX; }
    float GetBarY() const { return mBarY; }
    const Korrin::Rect& GetSignRect() const { return mSignRect; }
    const std::array<float, 4>& GetHitOffsets() const { return mHitOffsets; }
    const std::vector<BuildingStruct>& GetLevelRecords() const { return mLevels; }
    AniMeshContainer* GetConstructionMesh() const { return mConstruction.get(); }
    // The progress bar's fill, whose source rectangle follows the remaining work.
    const Korrin::Sprite* GetBarFill() const { return mBar[1]; }
    // The level record of the upgrade level; null before the description is read.
    BuildingStruct* CurrentLevel();
    // The frame the working look shows for a frame clock and a working sprite of n frames.
    static std::uint16_t WorkingFrame(float frameTime, std::size_t frames);
    // The price of the worker's hire, of the worker's next level, and the refund of its sale.
    std::uint16_t WorkerHirePrice() const;
    std::uint16_t WorkerUpgradePrice() const;
    // The time a composite mesh has reached: that of its longest-animated part (still parts stay at 0).
    static float MeshTime(AniMeshContainer& mesh);

private:
    void ReadLevel(Korrin::LuaScript& script, const std::string& stem, std::uint16_t n);
    void PlaceRectangles();
    void UpdateSale(float dt);
    void EndSale();
    void RefundCancelledRun();
    void UpdateSalePage(bool ended);
    void UpdateWork(float dt);
    void UpdateMeshes(float dt);
    void UpdateWorkingLook(float dt);
    bool StorehouseHasInputs() const;
    void DrawProgress();
    void DrawForSale(bool highlight);
    void DrawDoor(const BuildingStruct& level, std::uint16_t texture, bool highlight);
    // The translated name of this building, the title of its panel pages.
    const char* PageTitle() const;
    void FillBuildingPage(Korrin::GuiContainer& page);
    void FillOrderButtons(Korrin::GuiContainer& page);
    void FillWorkerPage(Korrin::GuiContainer& page);
    // The hire button of a building without its worker; the upgrade button of one with it.
    void FillWorkerHire(Korrin::GuiButton& hire);
    void FillWorkerUpgrade(Korrin::GuiButton& upgrade);
    void ShowBuildingHint(const std::string& name);
    void OrderGoods(std::uint8_t order);
    bool HireWorker();
    bool UpgradeWorker();
    bool PayForBuildingUpgrade();
    std::uint16_t Texture() const;
    Korrin::Vector2 DrawOrigin() const;

    const BuildingKind* mKind = nullptr;
    std::array<float, 4> mHitOffsets{};
    std::unique_ptr<AniMeshContainer> mConstruction;
    std::vector<BuildingStruct> mLevels;
    std::array<Korrin::Sprite*, 2> mBar{};
    Korrin::AnimatedSprite* mIcons = nullptr;
    float mBarX = 0.0f;
    float mBarY = 0.0f;
    float mWorkProgress = 0.0f;
    float mWorkRate = 0.0f;
    float mRemainingWork = 0.0f;
    Korrin::Rect mFillRect;
    std::uint8_t mForSale = 0;
    float mDoorFrame = 0.0f;
    float mDoorRate = 0.0f;
    Korrin::Font* mFont = nullptr;
    Korrin::AnimatedSprite* mSign = nullptr;
    Korrin::Vector2 mSignOffset;
    std::uint16_t mOrdinal = 0;
    Korrin::Rect mSignRect;
    float mWorkerStepTimer = 0.0f;
    std::uint8_t mConstructionPlaying = 0;
    Korrin::ParticleSystem* mCompletion = nullptr;
    float mSaleTimer = kNoSale;
    AniMeshContainer mIdleSign;
    std::vector<Korrin::AnimatedSprite*> mWorking;
    float mWorkingFrameTime = 0.0f;
    std::unique_ptr<HintArrow> mHintArrow;
    bool mMirrored = false;
    std::int32_t mRunsLeft = kNoRun;
};
