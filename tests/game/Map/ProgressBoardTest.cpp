#include "game/GUI/CompeteBoard.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/GUI/QuibProgressGui.h"
#include "game/Game/GameInfo.h"
#include "tests/support/ReportRecorder.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace
{

std::vector<std::uint8_t> Bytes(const ProgressBoardManager& boards)
{
    Korrin::BinaryWriter out;
    boards.Save(out);
    return out.Bytes();
}

// Runs the board until every animation has ended.
void Settle(CompeteBoard& board)
{
    for (int frame = 0; frame < 600; ++frame)
    {
        board.Update(1.0f / 60.0f);
    }
}

} // namespace

TEST(ProgressBoards, TheCompanionsMoneyGrowsBy148MoreEachNewLevelUpToItsMaximum)
{
    QuibProgressGui companion;
    companion.SetMaxMoney(1000);
    std::vector<std::uint32_t> money;
    for (int level = 0; level < 4; ++level)
    {
        companion.LevelCompleted(5);
        money.push_back(companion.GetCurrentMoney());
    }
    EXPECT_EQ(money, (std::vector<std::uint32_t>{148, 444, 888, 1000}));
}

TEST(ProgressBoards, ACompanionBoardWithoutMaximumShowsAnEmptyGauge)
{
    QuibProgressGui companion;
    companion.SetMaxMoney(0);
    companion.SetCurrentMoney(500);
    EXPECT_EQ(companion.GetCurrentMoney(), 0u);
    EXPECT_FLOAT_EQ(companion.GetGaugeRect().right - companion.GetGaugeRect().left, 0.0f);
}

TEST(ProgressBoards, TheFirstEliminationComesWhenTheThirdRivalFinishes)
{
    GameInfo info;
    info.highestLevel = 30;
    CompeteBoard board;
    board.Reset();
    board.shown = 1;
    std::uint32_t completions = 0;
    while (board.GetPendingRemoval() < 0 && completions < 100)
    {
        board.LevelCompleted(info.highestLevel);
        ++completions;
        if (board.GetPendingRemoval() < 0)
        {
            Settle(board);
        }
    }
    // Each rival at 100 counts once per completion: the elimination is due at the third count.
    EXPECT_EQ(board.GetRivals()[3]->state, CompeteRival::kLeaving);
    EXPECT_EQ(board.GetRivals()[4]->state, CompeteRival::kLeaving);
    Settle(board);
    EXPECT_EQ(board.GetPendingRemoval(), -1) << "the leavers are gone once settled";
    EXPECT_EQ(board.GetStage(), 1u);
    ASSERT_EQ(board.GetRivals().size(), 3u);
    for (const auto& rival : board.GetRivals())
    {
        EXPECT_FLOAT_EQ(rival->score, CompeteBoard::kStartScore);
    }
    EXPECT_EQ(board.GetFinishCounter(), 0u);
}

TEST(ProgressBoards, AnEliminationPastTheLastLevelsKeepsAFiniteSpeed)
{
    for (const std::uint32_t highest : {61u, 62u, 66u})
    {
        CompeteBoard board;
        board.Reset();
        board.shown = 1;
        while (board.GetPendingRemoval() < 0)
        {
            board.LevelCompleted(highest);
        }
        for (const auto& rival : board.GetRivals())
        {
            EXPECT_TRUE(std::isfinite(rival->speed) && rival->speed > 0.0f) << highest;
        }
    }
}

TEST(ProgressBoards, ASaveDuringALeavingRivalRestartsThatEliminationOnLoad)
{
    GameInfo info;
    info.highestLevel = 20;
    ProgressBoardManager boards;
    boards.OnNewLevel(20, 5, 20);
    CompeteBoard& rivals = boards.GetRivals();
    while (rivals.GetPendingRemoval() < 0)
    {
        rivals.LevelCompleted(20);
    }
    rivals.Update(0.1f); // the leavers blink
    const std::vector<std::uint8_t> saved = Bytes(boards);

    ProgressBoardManager::Boards record;
    Korrin::BinaryReader in(saved);
    ASSERT_TRUE(ProgressBoardManager::Read(in, record));
    boards.SetBoards(record);
    EXPECT_EQ(boards.GetShown(), ProgressBoardManager::kRivalsBoard);
    EXPECT_EQ(rivals.GetPendingRemoval(), 3);
    ASSERT_EQ(rivals.GetRivals().size(), 5u);
    EXPECT_EQ(rivals.GetRivals()[3]->state, CompeteRival::kLeaving);
    Settle(rivals);
    EXPECT_EQ(rivals.GetRivals().size(), 3u);
    EXPECT_EQ(rivals.GetStage(), 1u);

    // A board saved at stage 1 comes back with its three rivals.
    const std::vector<std::uint8_t> later = Bytes(boards);
    Korrin::BinaryReader again(later);
    ASSERT_TRUE(ProgressBoardManager::Read(again, record));
    boards.SetBoards(record);
    EXPECT_EQ(rivals.GetRivals().size(), 3u);
    EXPECT_EQ(Bytes(boards), later) << "a settled board round-trips byte for byte";
}

TEST(ProgressBoards, TheBoardsPartRoundTripsByteForByteAndHostileOnesAreRefused)
{
    ProgressBoardManager boards;
    boards.OnNewLevel(7, 5, 20);
    const std::vector<std::uint8_t> bytes = Bytes(boards);
    ASSERT_EQ(bytes.size(), 4u + 38u + 45u * 5u + 17u);
    ProgressBoardManager::Boards record;
    {
        Korrin::BinaryReader in(bytes);
        ASSERT_TRUE(ProgressBoardManager::Read(in, record));
        EXPECT_TRUE(in.AtEnd());
    }
    ProgressBoardManager copy;
    copy.SetBoards(record);
    EXPECT_EQ(Bytes(copy), bytes);
    EXPECT_EQ(copy.GetCompanion().GetCurrentMoney(), boards.GetCompanion().GetCurrentMoney());

    // Every cut is refused.
    for (std::size_t length = 0; length < bytes.size(); ++length)
    {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        Korrin::BinaryReader in(cut);
        EXPECT_FALSE(ProgressBoardManager::Read(in, record)) << length;
    }
    // A sixth rival, or a board index past "none".
    ProgressBoardManager::Boards six = boards.GetBoards();
    six.rivals.entries.push_back(six.rivals.entries.back());
    Korrin::BinaryWriter sixOut;
    ProgressBoardManager::Write(sixOut, six);
    Korrin::BinaryReader sixIn(sixOut.Bytes());
    EXPECT_FALSE(ProgressBoardManager::Read(sixIn, record));
    ProgressBoardManager::Boards third = boards.GetBoards();
    third.shownIndex = 3;
    Korrin::BinaryWriter thirdOut;
    ProgressBoardManager::Write(thirdOut, third);
    Korrin::BinaryReader thirdIn(thirdOut.Bytes());
    EXPECT_FALSE(ProgressBoardManager::Read(thirdIn, record));
}

TEST(ProgressBoards, TheThresholdsChooseTheBoardAndOnlyTheShownOneMoves)
{
    ProgressBoardManager boards;
    boards.OnNewLevel(4, 5, 20);
    EXPECT_EQ(boards.GetShown(), ProgressBoardManager::kNoBoard);
    boards.OnNewLevel(5, 5, 20);
    EXPECT_EQ(boards.GetShown(), ProgressBoardManager::kCompanionBoard);
    EXPECT_EQ(boards.GetCompanion().GetLevels(), 1u);
    boards.OnNewLevel(20, 5, 20);
    EXPECT_EQ(boards.GetShown(), ProgressBoardManager::kRivalsBoard);
    EXPECT_FALSE(boards.GetCompanion().IsShown());
    EXPECT_EQ(boards.GetCompanion().GetLevels(), 1u);
}

TEST(ProgressBoards, AnUnknownRivalIdIsReportedAndDrawsTheLastIcon)
{
    TestSupport::ReportRecorder::Clear();
    EXPECT_EQ(CompeteBoard::GetIconFrame(12), 1);
    EXPECT_EQ(CompeteBoard::GetIconFrame(15), -1);
    EXPECT_EQ(TestSupport::ReportRecorder::LastDescription(), "Unknown id! id - 15");
}

TEST(ProgressBoards, AFileOfTheEarlierBoardsStillLoads)
{
    std::ifstream in(std::string(WF_FIXTURES_DIR) + "/boards/StandInSave2_3.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    // The version word and the 22 price records come before the boards.
    const std::size_t boardsStart = 4 + 22 * 3;
    ASSERT_GT(bytes.size(), boardsStart);
    const std::vector<std::uint8_t> tail(bytes.begin() + static_cast<long>(boardsStart), bytes.end());
    Korrin::BinaryReader reader(tail);
    ProgressBoardManager::Boards record;
    ASSERT_TRUE(ProgressBoardManager::Read(reader, record));
    EXPECT_TRUE(reader.AtEnd());
    ProgressBoardManager boards;
    boards.SetBoards(record);
    EXPECT_EQ(boards.GetShown(), ProgressBoardManager::kRivalsBoard);
    EXPECT_EQ(boards.GetRivals().GetRivals().size(), 2u);
    // Its two rivals' places lie on top of each other in our layout: they are drawn on their rows.
    const CompeteBoard& rivals = boards.GetRivals();
    EXPECT_FLOAT_EQ(rivals.DrawnPlace(0).y + 51.0f, rivals.DrawnPlace(1).y);
    EXPECT_FLOAT_EQ(rivals.DrawnPlace(0).x, rivals.DrawnPlace(1).x);
}

TEST(ProgressBoards, AnExchangeUnderWayIsDrawnWhereTheRivalsAre)
{
    CompeteBoard board;
    board.Reset();
    ProgressBoardRecord::Rivals record = board.Capture();
    record.shown = 1;
    record.entries[3].score = 90.0f; // rank 3 overtakes rank 0, so the two change places
    board.Restore(&record, 30);
    board.Update(0.3f);
    ASSERT_EQ(board.GetRivals()[0]->state, CompeteRival::kExchanging);
    for (std::size_t rank = 0; rank < board.GetRivals().size(); ++rank)
    {
        EXPECT_EQ(board.DrawnPlace(rank), board.GetRivals()[rank]->position) << rank;
    }
    EXPECT_NE(board.GetRivals()[0]->position, board.GetRivals()[0]->target) << "moving between rows";
}
