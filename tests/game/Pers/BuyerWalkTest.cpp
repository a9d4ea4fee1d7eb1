#include "tests/game/Pers/BuyerLevelFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using TestSupport::LevelFileBuilder;

namespace
{

bool Catching(const PersRunBuyer& buyer)
{
    return buyer.GetAnimationName() == "drope" || buyer.GetAnimationName() == "drope1";
}

IJ CellOf(const PersRunBuyer& buyer)
{
    IJ cell;
    buyer.GetIJ(cell.I, cell.J);
    return cell;
}

class BuyerQueueTest : public TestSupport::BuyerLevelTest
{
};

// The store level with a floor on row 10 (columns 0 to 8) reached by stairs on column 3; buyers 1 and 10
// are countesses (they dislike ropes and stairs), buyer 2 a sleeper (a kind that stops for an extra),
// buyer 3 a peasant and buyer 4 a girl.
class BuyerStairsTest : public TestSupport::BuyerLevelTest
{
protected:
    static constexpr std::uint16_t kStairs = 71;

    // Countess 1, let in with a wish for carrots, walks up the stairs towards the tail place.
    PersRunBuyer* CountessOnTheStairs()
    {
        PersRunBuyer* countess = Buyer(1);
        countess->SetActive(true);
        countess->SetDream(kCarrot);
        countess->SetQueuePlace(static_cast<std::int32_t>(Characters().GetBuyersQueue().size()) - 1);
        countess->SetIJ(3, 22);
        EXPECT_TRUE(countess->GoTo({2, 10, mShop}, 0));
        return countess;
    }

    BuyerStairsTest()
        : BuyerLevelTest(
              [](TableCost&, LevelFileBuilder& level)
              {
                  level.Floor(10, 0, 8);
                  for (int j = 10; j < 22; ++j)
                  {
                      level.Tile(3, j, kStairs);
                  }
                  level.buyers = {13, 4, 1, 2, 3, 1, 2, 3, 1, 13};
              })
    {
    }
};

} // namespace

TEST_F(BuyerQueueTest, TwoBuyersShareTheTailAndTheNextTakesTheCounterOnceTheFirstHasCaughtItsGoods)
{
    // Two carrots for the peasant, one for the girl behind him.
    Put(0, kCarrot);
    Put(1, kCarrot);
    Put(2, kCarrot);
    Admit();
    mPanel.GetPers().Advance();
    Admit();
    ASSERT_EQ(OnField(), (std::vector<std::uint16_t>{1, 2}));
    PersRunBuyer* first = Buyer(1);
    PersRunBuyer* second = Buyer(2);
    const auto tail = static_cast<std::int32_t>(Characters().GetBuyersQueue().size()) - 1;
    EXPECT_EQ(first->GetQueuePlace(), tail);
    EXPECT_EQ(second->GetQueuePlace(), tail) << "both sent to the tail";

    bool placeShared = false;
    bool secondWaitedOnTheTail = false;
    int caughtAt = -1;
    int secondLeftTheHeadAt = -1;
    std::int32_t secondPlaceAtCatch = tail;
    int frame = 0;
    for (; frame < 60 * 180 && (first->IsActive() || second->IsActive()); ++frame)
    {
        const bool wasCatching = Catching(*first);
        const std::int32_t secondPlace = second->GetQueuePlace();
        mLevel.Update(kFrame);
        const std::int32_t a = first->GetQueuePlace();
        const std::int32_t b = second->GetQueuePlace();
        placeShared = placeShared || (a >= 0 && a < tail && a == b);
        if (b == tail && CellOf(*second) == Characters().GetQueuePlace(static_cast<std::uint16_t>(tail)) &&
            a == tail - 1 && second->GetPath().empty())
        {
            secondWaitedOnTheTail = true;
        }
        if (wasCatching && !Catching(*first))
        {
            caughtAt = frame;
            secondPlaceAtCatch = b;
            EXPECT_EQ(first->GetFrameIndexDream(), -1) << "the wish cleared";
            ASSERT_NE(first->GetWalkTarget(), nullptr);
            EXPECT_EQ(first->GetWalkTarget()->GetType(), Entity::kBuyersExit);
            EXPECT_EQ(first->GetCarriedGoods(), kCarrot);
            EXPECT_TRUE(!Characters().IsCounterTaken() || b == PersRunBuyer::kToCounter)
                << "the counter is free for the next buyer";
        }
        if (secondPlace == 0 && b == PersRunBuyer::kToCounter)
        {
            secondLeftTheHeadAt = frame;
        }
    }
    EXPECT_FALSE(placeShared) << "in front of the tail a place holds one buyer";
    EXPECT_TRUE(secondWaitedOnTheTail) << "the girl stood on the tail cell behind the peasant";
    ASSERT_GE(caughtAt, 0);
    EXPECT_EQ(secondPlaceAtCatch, 0) << "the girl waited at the head while the peasant was served";
    EXPECT_GE(secondLeftTheHeadAt, caughtAt);
    EXPECT_LE(secondLeftTheHeadAt - caughtAt, 60) << "on her next cycle end, not later";
    EXPECT_FALSE(first->IsActive());
    EXPECT_FALSE(second->IsActive()) << "both gone after " << frame << " frames";
    EXPECT_EQ(Task().money, 3 * TableCost::GetSalePrice(kCarrot));
    EXPECT_EQ(Task().goals[0].remaining, 7);
    EXPECT_EQ(Characters().GetBuyersOnField(), 0);
    EXPECT_FALSE(Characters().IsCounterTaken());
}

TEST_F(BuyerStairsTest, ACountessOnTheStairsComplainsThenTurnsBackAndReleasesHerGoods)
{
    PersRunBuyer* countess = Buyer(1);
    ASSERT_EQ(countess->GetKind(), 151);
    Put(0, kCarrot);
    Put(1, kCarrot);
    mShop->GetCells().GetCells()[0].buyer = 1;
    mShop->GetCells().GetCells()[1].buyer = 1;
    countess->SetActive(true);
    countess->SetDream(kCarrot);
    countess->SetObjBuyCount(2);
    const auto tail = static_cast<std::int32_t>(Characters().GetBuyersQueue().size()) - 1;
    Characters().SetQueuePlaceTaken(tail, true);
    countess->SetQueuePlace(tail);
    countess->SetIJ(3, 22);
    ASSERT_TRUE(countess->GoTo({2, 10, mShop}, 0)) << "a walk up the stairs";

    std::int32_t wishWhileClimbing = 0;
    int frame = 0;
    for (; frame < 600 && countess->GetWalkTarget() == mShop; ++frame)
    {
        countess->Update(kFrame);
        if (countess->GetAnimationName().starts_with("moveup_ladder") && wishWhileClimbing == 0)
        {
            wishWhileClimbing = countess->GetFrameIndexDream();
        }
    }
    EXPECT_EQ(wishWhileClimbing, -5) << "the complaint of a buyer that dislikes stairs";
    ASSERT_NE(countess->GetWalkTarget(), nullptr);
    EXPECT_EQ(countess->GetWalkTarget()->GetType(), Entity::kBuyersEntry) << "turned back after " << frame;
    EXPECT_EQ(CellOf(*countess).I, 3);
    EXPECT_LT(CellOf(*countess).J, 22) << "the cycle ended on the stairs";
    EXPECT_EQ(countess->GetFrameIndexDream(), PersRunBuyer::kAngry);
    EXPECT_EQ(countess->GetObjBuyCount(), 0);
    EXPECT_EQ(mShop->GetCells().GetCells()[0].buyer, 0) << "her goods are free for others";
    EXPECT_EQ(mShop->GetCells().GetCells()[1].buyer, 0);
    EXPECT_EQ(Characters().GetBuyersQueue()[static_cast<std::size_t>(tail)].taken, 0);

    bool angryAllTheWay = true;
    for (frame = 0; frame < 60 * 60 && countess->IsActive(); ++frame)
    {
        countess->Update(kFrame);
        angryAllTheWay = angryAllTheWay &&
                         (!countess->IsActive() || countess->GetFrameIndexDream() == PersRunBuyer::kAngry);
    }
    EXPECT_TRUE(angryAllTheWay) << "down the stairs too, and no wish for goods again";
    EXPECT_FALSE(countess->IsActive()) << "gone by the entrance";
    EXPECT_EQ(CellOf(*countess).J, 22);
    EXPECT_EQ(Task().money, 0);
    EXPECT_EQ(mShop->GetCells().GetCells()[0].goods, kCarrot) << "nothing sold";
}

TEST_F(BuyerStairsTest, TheExtraStopIsACellOfALevelStretchOfThePath)
{
    PersRunBuyer* sleeper = Buyer(2);
    ASSERT_EQ(sleeper->GetKind(), PersRunBuyer::kSleeper);
    sleeper->SetActive(true);
    struct Case
    {
        const char* name;
        IJ from;
        IJ to;
        std::vector<IJ> runCells;
        bool tooSmall;
    };
    const Case cases[] = {
        {"a walk that goes nowhere", {10, 22}, {10, 22}, {}, true},
        {"one step", {10, 22}, {11, 22}, {}, false},
        {"all up the stairs", {3, 22}, {3, 10}, {}, false},
        {"along the floor", {1, 22}, {6, 22}, {{2, 22}, {3, 22}, {4, 22}, {5, 22}}, false},
    };
    for (const Case& test : cases)
    {
        sleeper->SetIJ(test.from.I, test.from.J);
        sleeper->GoTo({test.to.I, test.to.J, nullptr}, 0);
        const std::size_t before = LogCount("Path is too small!!");
        sleeper->PickExtraStop();
        EXPECT_EQ(LogCount("Path is too small!!") - before, test.tooSmall ? 1u : 0u) << test.name;
        EXPECT_EQ(sleeper->GetRunCells(), test.runCells) << test.name;
        if (test.runCells.empty())
        {
            EXPECT_TRUE(sleeper->GetExtraStops().empty()) << test.name;
        }
        else
        {
            ASSERT_EQ(sleeper->GetExtraStops().size(), 1u) << test.name;
            EXPECT_NE(std::find(test.runCells.begin(), test.runCells.end(), sleeper->GetExtraStops()[0]),
                      test.runCells.end())
                << test.name;
        }
    }
}

TEST_F(BuyerStairsTest, ACountessLeavingWithHerGoodsOverTheStairsGoesOnToTheExit)
{
    PersRunBuyer* countess = Buyer(1);
    countess->SetActive(true);
    countess->SetIJ(2, 10);
    countess->SetCarriedGoods(kCarrot);
    countess->SetDream(-1);
    // The next buyer already holds the counter.
    Characters().SetCounterTaken(true);
    Entity* exit = mLevel.GetEntityManager()->GetEntity(Entity::kBuyersExit);
    WalkTarget target;
    ASSERT_TRUE(exit->GetWalkTarget(&target, 0));
    ASSERT_TRUE(countess->GoTo(target, 0));

    bool complained = false;
    bool turnedBack = false;
    for (int frame = 0; frame < 60 * 60 && countess->IsActive(); ++frame)
    {
        countess->Update(kFrame);
        complained = complained || countess->GetFrameIndexDream() == -5;
        turnedBack = turnedBack || countess->GetWalkTarget() != exit;
    }
    EXPECT_TRUE(complained) << "she still dislikes the stairs";
    EXPECT_FALSE(turnedBack);
    EXPECT_FALSE(countess->IsActive());
    EXPECT_EQ(CellOf(*countess), (IJ{target.I, target.J})) << "gone by the exit";
    EXPECT_EQ(countess->GetFrameIndexDream(), -1);
    EXPECT_TRUE(Characters().IsCounterTaken()) << "the next buyer keeps the counter";
}

TEST_F(BuyerStairsTest, ABuyerTurningBackOnItsWayToTheTailLeavesTheCounterToTheBuyerWalkingThere)
{
    // The peasant has left the head place for the counter; the girl waits at the head place behind him.
    PersRunBuyer* walker = Buyer(3);
    PersRunBuyer* head = Buyer(4);
    WalkTarget counter;
    mShop->GetWalkTarget(&counter, EntityShop::kServingCellMode);
    walker->SetActive(true);
    walker->SetIJ(15, 22);
    ASSERT_TRUE(walker->GoTo({counter.I, counter.J, mShop}, 0));
    walker->SetQueuePlace(PersRunBuyer::kToCounter);
    Characters().SetCounterTaken(true);
    const IJ headCell = Characters().GetQueuePlace(0);
    head->SetActive(true);
    head->SetIJ(headCell.I, headCell.J);
    head->GoTo({headCell.I, headCell.J, mShop}, 0);
    head->SetQueuePlace(0);
    Characters().SetQueuePlaceTaken(0, true);
    PersRunBuyer* countess = CountessOnTheStairs();

    const auto holdsCounter = [this](const PersRunBuyer& buyer)
    { return buyer.IsActive() && buyer.GetQueuePlace() < 0 && buyer.GetWalkTarget() == mShop; };
    int turnedBackAt = -1;
    int mostAtCounter = 0;
    int frame = 0;
    for (; frame < 60 * 30 && walker->GetQueuePlace() == PersRunBuyer::kToCounter; ++frame)
    {
        mLevel.Update(kFrame);
        if (turnedBackAt < 0 && countess->GetFrameIndexDream() == PersRunBuyer::kAngry)
        {
            turnedBackAt = frame;
        }
        mostAtCounter = std::max(mostAtCounter, static_cast<int>(holdsCounter(*walker)) +
                                                    static_cast<int>(holdsCounter(*head)));
    }
    ASSERT_GE(turnedBackAt, 0) << "the countess turned back while the peasant walked";
    EXPECT_EQ(walker->GetQueuePlace(), PersRunBuyer::kAtCounter) << "he reached the counter at " << frame;
    EXPECT_EQ(mostAtCounter, 1) << "one buyer at a time goes to the counter";
    EXPECT_EQ(head->GetQueuePlace(), 0) << "the girl still waits at the head place";
    EXPECT_EQ(Characters().GetBuyersQueue()[0].taken, 1);
    EXPECT_TRUE(Characters().IsCounterTaken());
}

// A countess that turned back on the stairs and left comes back as any new buyer: no wish from before
// the climb, so three carrots (fewer than she once wanted) let a countess in, and nothing stays set
// aside for a buyer off the field.
TEST_F(BuyerStairsTest, ABuyerThatTurnedBackAndLeftKeepsNoWishAndHoldsNoGoods)
{
    PersRunBuyer* countess = CountessOnTheStairs();
    for (int frame = 0; frame < 60 * 60 && countess->IsActive(); ++frame)
    {
        countess->Update(kFrame);
    }
    ASSERT_FALSE(countess->IsActive()) << "turned back and gone by the entrance";
    EXPECT_EQ(countess->GetFrameIndexDream(), Pers::kNoDream);

    Put(0, kCarrot);
    Put(1, kCarrot);
    Put(2, kCarrot);
    ASSERT_EQ(mPanel.GetPers().GetCurrentKind(), countess->GetKind());
    Admit();
    const std::vector<std::uint16_t> inside = OnField();
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_EQ(Buyer(inside.front())->GetObjBuyCount(), 3);
    for (const StoreCell& cell : mShop->GetCells().GetCells())
    {
        EXPECT_TRUE(cell.buyer == 0 || cell.buyer == inside.front())
            << "nothing is kept for a buyer off the field";
    }
}
