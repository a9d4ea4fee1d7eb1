#pragma once

#include "engine/Util/Vector2.h"
#include "game/GUI/CompeteRival.h"
#include "game/GUI/ProgressBoard.h"
#include "game/GUI/ProgressBoardRecord.h"

#include <deque>
#include <memory>

namespace Korrin
{
class AnimatedSprite;
class Sprite;
} // namespace Korrin

// The rivals' board: five rivals race as the player reaches new levels; the slowest drop out in two
// eliminations (five, then three, then two rivals), each ending with a cross-fade of the board.
class CompeteBoard : public ProgressBoard
{
public:
    static constexpr const char* kScript = "CompeteBoard.lua";
    static constexpr float kStartScore = 30.0f;
    static constexpr float kFinish = 100.0f;

    CompeteBoard();
    ~CompeteBoard() override;

    void Init() override;
    void Reset() override;
    bool Update(float dt) override;
    void Draw() override;
    void LevelCompleted(std::uint32_t highestLevel) override;

    ProgressBoardRecord::Rivals Capture() const;
    // The saved board (defaults first, then the record; an elimination under way starts again).
    void Restore(const ProgressBoardRecord::Rivals* record, std::uint32_t highestLevel);

    // The icon frame of a rival's id; -1, with a report, for an unknown id.
    static int GetIconFrame(std::uint32_t id);

    const std::deque<std::unique_ptr<CompeteRival>>& GetRivals() const { return mRivals; }
    // Where the rival of a rank is drawn: its own place, or its rank's row while the rivals head for no
    // rows of their own (a board of an earlier layout, whose places would put them on top of each other).
    Korrin::Vector2 DrawnPlace(std::size_t rank) const;
    std::uint32_t GetStage() const { return mStage; }
    std::uint32_t GetFinishCounter() const { return mFinishCounter; }
    std::int32_t GetPendingRemoval() const { return mPendingRemoval; }
    bool IsBusy() const { return mBusy; }

private:
    void FirstElimination(std::uint32_t highestLevel);
    void SecondElimination(std::uint32_t highestLevel);
    // False while no pair is out of order and no exchange runs.
    bool UpdateExchange();
    // Where the rival of a rank stands when no exchange runs.
    Korrin::Vector2 RowPlace(std::size_t rank) const;
    // True when each rival heads for a row of its own, as every board this game writes has it.
    bool EachHeadsForItsOwnRow() const;

    std::uint32_t mStage = 0;
    Korrin::AnimatedSprite* mMount = nullptr;
    Korrin::AnimatedSprite* mIcons = nullptr;
    Korrin::Sprite* mJointBorder = nullptr;
    Korrin::Sprite* mProgress = nullptr;
    Korrin::Sprite* mProgressMount = nullptr;
    std::deque<std::unique_ptr<CompeteRival>> mRivals;
    Korrin::Vector2 mPosition{10.0f, 10.0f};
    bool mBusy = false;
    float mFadeTimer = 1.0f;
    std::int32_t mSwapFirst = -1;
    std::int32_t mSwapSecond = -1;
    std::uint32_t mFinishCounter = 0;
    std::int32_t mPendingRemoval = -1;
    // Completions counted for this run only, for the speed swaps.
    std::uint32_t mCompletions = 0;
};
