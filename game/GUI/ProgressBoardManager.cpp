#include "game/GUI/ProgressBoardManager.h"

#include "game/GUI/CompeteBoard.h"
#include "game/GUI/QuibProgressGui.h"
#include "game/Game/GameInfo.h"

namespace
{

void WriteRival(Korrin::BinaryWriter& out, const ProgressBoardRecord::Rival& rival)
{
    out.WriteU32(rival.id);
    out.WriteU32(rival.state);
    out.WriteF32(rival.speed);
    out.WriteF32(rival.score);
    out.WriteF32(rival.x);
    out.WriteF32(rival.y);
    out.WriteU8(rival.flag);
    out.WriteF32(rival.alpha);
    out.WriteF32(rival.verticalSpeed);
    out.WriteF32(rival.targetX);
    out.WriteF32(rival.targetY);
    out.WriteF32(rival.phase);
}

ProgressBoardRecord::Rival ReadRival(Korrin::BinaryReader& in)
{
    ProgressBoardRecord::Rival rival;
    rival.id = in.ReadU32();
    rival.state = in.ReadU32();
    rival.speed = in.ReadF32();
    rival.score = in.ReadF32();
    rival.x = in.ReadF32();
    rival.y = in.ReadF32();
    rival.flag = in.ReadU8();
    rival.alpha = in.ReadF32();
    rival.verticalSpeed = in.ReadF32();
    rival.targetX = in.ReadF32();
    rival.targetY = in.ReadF32();
    rival.phase = in.ReadF32();
    return rival;
}

} // namespace

ProgressBoardManager::ProgressBoardManager()
    : mRivals(std::make_unique<CompeteBoard>()), mCompanion(std::make_unique<QuibProgressGui>())
{
    mRivals->Reset();
}

ProgressBoardManager::~ProgressBoardManager() = default;

void ProgressBoardManager::Init()
{
    mRivals->Init();
    mCompanion->Init();
    mRivals->Reset();
    mCompanion->Reset();
}

ProgressBoard* ProgressBoardManager::GetShownBoard() const
{
    if (mShown == kRivalsBoard)
    {
        return mRivals.get();
    }
    if (mShown == kCompanionBoard)
    {
        return mCompanion.get();
    }
    return nullptr;
}

void ProgressBoardManager::Update(float dt)
{
    if (ProgressBoard* board = GetShownBoard())
    {
        board->Update(dt);
    }
}

void ProgressBoardManager::Draw()
{
    if (ProgressBoard* board = GetShownBoard())
    {
        board->Draw();
    }
}

void ProgressBoardManager::Show(std::uint32_t board)
{
    if (ProgressBoard* before = GetShownBoard())
    {
        before->shown = 0;
    }
    mShown = board;
    if (ProgressBoard* now = GetShownBoard())
    {
        now->shown = 1;
    }
}

void ProgressBoardManager::OnNewLevel(std::int32_t highestLevel, std::int32_t startLevel,
                                      std::int32_t swapLevel)
{
    if (highestLevel < startLevel)
    {
        return;
    }
    Show(highestLevel < swapLevel ? kCompanionBoard : kRivalsBoard);
    GetShownBoard()->LevelCompleted(static_cast<std::uint32_t>(highestLevel));
}

void ProgressBoardManager::Load(Korrin::BinaryReader* in)
{
    Boards boards;
    if (in != nullptr && Read(*in, boards))
    {
        SetBoards(boards);
        return;
    }
    mShown = kNoBoard;
    mRivals->Restore(nullptr, GameInfo::HighestLevelReached());
    mCompanion->Restore(nullptr);
}

ProgressBoardManager::Boards ProgressBoardManager::GetBoards() const
{
    Boards boards;
    boards.shownIndex = mShown;
    boards.rivals = mRivals->Capture();
    boards.companion = mCompanion->Capture();
    return boards;
}

void ProgressBoardManager::SetBoards(const Boards& boards)
{
    mRivals->Restore(&boards.rivals, GameInfo::HighestLevelReached());
    mCompanion->Restore(&boards.companion);
    mShown = boards.shownIndex <= kNoBoard ? boards.shownIndex : kNoBoard;
    if (ProgressBoard* board = GetShownBoard())
    {
        board->shown = 1;
    }
}

void ProgressBoardManager::Write(Korrin::BinaryWriter& out, const Boards& boards)
{
    out.WriteU32(boards.shownIndex);
    const ProgressBoardRecord::Rivals& rivals = boards.rivals;
    out.WriteU8(rivals.shown);
    out.WriteU32(rivals.stage);
    out.WriteU32(static_cast<std::uint32_t>(rivals.entries.size()));
    for (const ProgressBoardRecord::Rival& rival : rivals.entries)
    {
        WriteRival(out, rival);
    }
    out.WriteF32(rivals.x);
    out.WriteF32(rivals.y);
    out.WriteU8(rivals.busy);
    out.WriteF32(rivals.fadeTimer);
    out.WriteI32(rivals.swapFirst);
    out.WriteI32(rivals.swapSecond);
    out.WriteU32(rivals.finishCounter);
    out.WriteI32(rivals.pendingRemoval);
    const ProgressBoardRecord::Companion& companion = boards.companion;
    out.WriteU8(companion.shown);
    out.WriteU32(companion.maxMoney);
    out.WriteU32(companion.currentMoney);
    out.WriteF32(companion.unused);
    out.WriteU32(companion.levels);
}

bool ProgressBoardManager::Read(Korrin::BinaryReader& in, Boards& boards)
{
    boards.shownIndex = in.ReadU32();
    ProgressBoardRecord::Rivals& rivals = boards.rivals;
    rivals.shown = in.ReadU8();
    rivals.stage = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    // More rivals than the race has, or a board that does not exist, is no board of ours.
    if (!in.Ok() || boards.shownIndex > kNoBoard ||
        !in.CheckCount(count, ProgressBoardRecord::kRivalBytes, ProgressBoardRecord::kMostRivals))
    {
        return false;
    }
    rivals.entries.clear();
    for (std::uint32_t entry = 0; entry < count; ++entry)
    {
        rivals.entries.push_back(ReadRival(in));
    }
    rivals.x = in.ReadF32();
    rivals.y = in.ReadF32();
    rivals.busy = in.ReadU8();
    rivals.fadeTimer = in.ReadF32();
    rivals.swapFirst = in.ReadI32();
    rivals.swapSecond = in.ReadI32();
    rivals.finishCounter = in.ReadU32();
    rivals.pendingRemoval = in.ReadI32();
    ProgressBoardRecord::Companion& companion = boards.companion;
    companion.shown = in.ReadU8();
    companion.maxMoney = in.ReadU32();
    companion.currentMoney = in.ReadU32();
    companion.unused = in.ReadF32();
    companion.levels = in.ReadU32();
    return in.Ok();
}
