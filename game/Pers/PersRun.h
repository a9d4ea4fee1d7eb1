#pragma once

#include "game/Game/FieldGeometry.h"
#include "game/Pers/Pers.h"

#include <string>
#include <vector>

class GameField;

// A character that walks the field cell by cell: it finds a path to its target and, frame by frame,
// plays the animation that carries it toward the next cell ("run" sideways, climbing on ropes and
// stairs, a jump through teleport links, "stand" at rest); the animations' root motion moves it.
class PersRun : public Pers
{
public:
    // A path never holds more cells than the field.
    static constexpr std::uint32_t kMaxPathCells = FieldGeometry::kCellCount;
    static constexpr float kDefaultOffsetUp = 12.0f;
    static constexpr float kMarkerSpeed = 900.0f;

    ~PersRun() override;

    // The character's Init, then "OffsetUp" from the skeleton file (12 without it); a character placed
    // before stays on its cell.
    void Init() override;
    // Runs a marker along the route to the target, as if ropes were everywhere, and flags the rope
    // tables on the way; nothing while walking or while a marker still shows.
    void ShowPath() override;
    // Also stops any walk and plays "stand".
    void SetActive(bool on) override;
    // The figure stands OffsetUp above the cell's top line, 35 pixels in from its left edge.
    void SetIJ(std::int32_t I, std::int32_t J) override;
    void GetIJ(std::int32_t& I, std::int32_t& J) const override;
    bool IsBusy() const override { return mBusy != 0 || !mPath.empty(); }
    // "moveup" and "movedown" pick the climbing animation of the rope, stairs or link at hand.
    void PlayAnimation(const std::string& name, std::uint8_t facing) override;
    // Finds the path to the target's cell; false (and standing) when there is nothing to walk.
    bool GoTo(const WalkTarget& target, std::uint8_t mode) override;
    bool Update(float dt) override;
    // Called once when the last cell of the path is reached.
    virtual void OnPathEnd(std::int32_t /*I*/, std::int32_t /*J*/) {}

    void Save(Korrin::BinaryWriter& out) override;
    // Fails the reader on a path longer than the field, a cell outside it or an OffsetUp that is not a
    // finite number.
    void Load(Korrin::BinaryReader& in) override;

    // Moves the character once off a shop or storehouse cell, to the nearest free cell of its row; false
    // while busy or once moved off.
    bool EnsureFreeCell();

    const std::vector<IJ>& GetPath() const { return mPath; }
    const std::vector<IJ>& GetPreviewPath() const { return mPreviewPath; }
    float GetOffsetUp() const { return mOffsetUp; }
    bool IsMovedOff() const { return mMovedOff != 0; }
    bool IsHeld() const { return mHold != 0; }
    void SetHold(bool hold) { mHold = hold ? 1 : 0; }
    bool IsWaitingForAnimationEnd() const { return mWaitingForAnimationEnd != 0; }
    void SetWaitingForAnimationEnd(bool waiting) { mWaitingForAnimationEnd = waiting ? 1 : 0; }

protected:
    explicit PersRun(std::uint8_t type);

    // The level's game field, or null.
    static GameField* Field();
    // Jumps along the teleport link up (step -1) or down (step 1) from (I, J), dropping one path cell for
    // each cell crossed while the path has any.
    void Teleport(std::int32_t I, std::int32_t J, std::int32_t step);
    // Plays the climb of the link kind at hand; nothing for kind 0.
    void PlayClimb(std::uint8_t kind, bool up, std::int32_t I, std::int32_t J);
    void FacePathStart(std::int32_t I);
    void AddPreviewPoints();

    std::vector<IJ> mPath;
    std::string mTextA;
    std::vector<IJ> mPreviewPath;
    std::string mTextB;
    float mOffsetUp = kDefaultOffsetUp;
    std::uint8_t mWaitingForAnimationEnd = 0;
    std::uint8_t mMovedOff = 0;
    std::uint8_t mHold = 0;
};
