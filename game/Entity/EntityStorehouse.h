#pragma once

#include "engine/Util/Rect.h"
#include "game/Entity/Entity.h"
#include "game/Entity/StoreCellManager.h"
#include "game/Util/HintArrow.h"

namespace Korrin
{
class AnimatedSprite;
class Sprite;
} // namespace Korrin

// The waving of the storehouses' flag, shared by every storehouse of the run.
struct StorehouseFlagWave
{
    std::uint8_t state = 0; // 0 idle, 1 first wave, 2 second wave
    float frame = 0.0f;
    float timer = 0.0f;
};

// The level's storehouse: three by four goods boxes, one row open at level 0 and one more per upgrade.
// Workers fill it, the thief robs it, and its flag opens the storehouse window. While every open box is
// taken a hint arrow points at the flag. It draws in the entity manager's last pass.
class EntityStorehouse : public Entity
{
public:
    static constexpr std::uint32_t kColumns = 3;
    static constexpr std::uint32_t kRows = 4;
    // The top level: every row open.
    static constexpr std::uint16_t kLastLevel = kRows - 1;
    // Asked with this mode, the walk cell is the one beside the doors, on the flag's far side.
    static constexpr std::uint8_t kBesideDoorMode = 50;
    // The hover state while the mouse is over the flag.
    static constexpr std::int32_t kFlagHover = 2;

    EntityStorehouse();
    ~EntityStorehouse() override;

    // Loads the pictures and the hint arrow, places the boxes and joins the overlay list.
    void Init() override;
    // Level 0; a side the level did not set is taken from the column (right of the middle: side 1).
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    // One more row of boxes; false at the unlocked maximum.
    bool Upgrade() override;
    // Nothing for the thief: no open box keeps goods.
    bool IsEmptyFor(std::uint8_t mode, std::int32_t i, std::int32_t j) override;
    // The thief takes one box's goods; true whether or not there was anything.
    bool Interact(std::uint8_t mode, std::int32_t i, std::int32_t j) override;
    bool GetWalkTarget(WalkTarget* out, std::uint8_t mode) override;

    void ChangeGui() override;
    void OnGuiEvent() override;
    // The flag first (hover state 2), then the building.
    bool IsPointInside(const Korrin::Vector2& point) override;
    // A click on the flag opens the storehouse window and selects nothing.
    bool TryClick() override;

    // The boxes' block, then the upgrade level, so a continued level keeps its rows and pictures.
    void Save(Korrin::BinaryWriter& out) override;
    void Load(Korrin::BinaryReader& in) override;

    StoreCellManager& GetCells() { return mCells; }
    const StoreCellManager& GetCells() const { return mCells; }
    bool IsMirrored() const { return mMirrored != 0; }
    bool IsFull() const { return mFull != 0; }
    const Korrin::Rect& GetFlagRect() const { return mFlagRect; }
    // The point the flag hangs from, where the hint arrow points.
    Korrin::Vector2 GetFlagPoint() const;

    using FlagWave = StorehouseFlagWave;
    static FlagWave& SharedWave() { return sWave; }
    // Moves the shared wave on by dt for a flag of frameCount frames (draws from the engine's generator).
    static void StepWave(float dt, std::size_t frameCount);

private:
    void UpdateBoxLocks();
    void LoadPictures();
    void ReleasePictures();
    std::uint16_t PriceOfNextLevel() const;
    void DrawPillarAndFlag();
    void DrawLit(Korrin::AnimatedSprite* sprite, std::uint16_t frame, float x, float y, bool lit);

    static FlagWave sWave;

    StoreCellManager mCells{kColumns, kRows};
    Korrin::Sprite* mBuilding = nullptr;
    Korrin::AnimatedSprite* mFoundation = nullptr;
    Korrin::AnimatedSprite* mRoof = nullptr;
    Korrin::AnimatedSprite* mPillar = nullptr;
    Korrin::AnimatedSprite* mFlag = nullptr;
    Korrin::AnimatedSprite* mLockDoor = nullptr;
    float mLastDt = 0.0f;
    std::uint8_t mMirrored = 0;
    Korrin::Rect mFlagRect;
    HintArrow mHintArrow;
    std::uint8_t mFull = 0;
};
