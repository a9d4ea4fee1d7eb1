#include "game/Pers/PersFairy.h"

#include "game/Entity/EntityStorehouse.h"
#include "tests/game/Pers/WorkerLevelFixture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <numbers>

namespace
{

constexpr float kQuarterTurnOfTheHover = 2.0f * std::numbers::pi_v<float> / 4.0f;

class PersFairyTest : public TestSupport::WorkerLevelTest
{
protected:
    PersFairy& Fairy() { return dynamic_cast<PersFairy&>(*mFairy); }

    WalkTarget Storehouse()
    {
        WalkTarget store;
        mStorehouse->GetWalkTarget(&store, 0);
        return store;
    }
    WalkTarget Door()
    {
        WalkTarget door;
        mRoaster->GetWalkTarget(&door, 0);
        return door;
    }
    // Updates the fairy alone (its building plans nothing meanwhile) until the condition holds.
    float FlyUntil(const std::function<bool()>& done, float limit)
    {
        float seconds = 0.0f;
        while (!done() && seconds < limit)
        {
            Fairy().Update(kFrame);
            seconds += kFrame;
        }
        return seconds;
    }
    // Sends the fairy on a flight it is busy with, as its building does.
    void Send(const WalkTarget& target, std::uint8_t mode)
    {
        ASSERT_TRUE(Fairy().GoTo(target, mode));
        Fairy().SetBusy(true);
    }
};

} // namespace

TEST_F(PersFairyTest, TheRoastersFairyFetchesBothInputsAndFliesTheCoffeeToTheStorehouse)
{
    ASSERT_NE(mFairy, nullptr);
    WaitForTheChange(*mFairy);
    Stock({114, 95});
    ASSERT_TRUE(mRoaster->AddTask(115));

    RunUntil([&] { return mFairy->GetCarriedGoods() == 114; }, 30.0f);
    EXPECT_TRUE(Fairy().HasDoubleLoad());
    EXPECT_EQ(Stored(114) + Stored(95), 0u) << "both inputs left their boxes";
    EXPECT_EQ(mRoaster->GetRunsLeft(), 0);
    EXPECT_EQ(mFairy->GetAnimationVariant("run"), "run2") << "a double load";

    RunUntil([&] { return mFairy->GetAnimationName() == "in_fairy1"; }, 30.0f);
    EXPECT_FALSE(Fairy().HasDoubleLoad());
    RunUntil([&] { return mRoaster->GetRemainingWork() > 0.0f; }, 10.0f);
    EXPECT_EQ(mFairy->GetCarriedGoods(), 0);
    RunUntil([&] { return mFairy->GetCarriedGoods() == 115; }, 60.0f);
    EXPECT_EQ(mFairy->GetAnimationVariant("run"), "run1");
    RunUntil([&] { return Stored(115) == 1; }, 30.0f);
    EXPECT_EQ(Stored(115), 1u);
    EXPECT_EQ(mRoaster->GetRunsLeft(), EntityBuilding::kNoRun);
}

TEST_F(PersFairyTest, FlightsBendUpwardsBySteepnessAndDirection)
{
    const float d = std::sqrt(0.5f);
    const struct
    {
        Korrin::Vector2 end;
        std::uint8_t mode;
        Korrin::Vector2 bend;
        const char* logged;
    } cases[] = {
        {{100.0f, 0.0f}, 0, {0.0f, -150.0f}, "$s==0"},        // level, to the right
        {{-100.0f, 0.0f}, 0, {0.0f, -150.0f}, "$s==0"},       // level, to the left
        {{0.0f, 100.0f}, 0, {0.0f, 0.0f}, "$c==0"},           // straight down: a straight line
        {{100.0f, 100.0f}, 0, {250.0f * d, -250.0f * d}, ""}, // down at exactly 45 degrees
        {{-100.0f, 100.0f}, 2, {-250.0f * d, -250.0f * d}, ""},
        {{100.0f, -100.0f}, 0, {-150.0f * d, -150.0f * d}, ""}, // up
        {{100.0f, 100.0f}, 1, {150.0f * d, -150.0f * d}, ""},   // the fetch looks back along the flight
        {{0.0f, 0.0f}, 0, {0.0f, 0.0f}, "! Error vector c=0 && s=0"},
    };
    for (const auto& test : cases)
    {
        const Korrin::Vector2 bend = PersFairy::BendOffset({0.0f, 0.0f}, test.end, test.mode);
        EXPECT_NEAR(bend.x, test.bend.x, 1e-3f)
            << test.end.x << "," << test.end.y << " mode " << int(test.mode);
        EXPECT_NEAR(bend.y, test.bend.y, 1e-3f)
            << test.end.x << "," << test.end.y << " mode " << int(test.mode);
        EXPECT_LE(bend.y, 0.0f) << "the bend never goes down";
        EXPECT_NE(LogText().find(test.logged), std::string::npos) << test.logged;
    }
    // The curve runs through its ends.
    const std::vector<Korrin::Vector2> points{
        {0.0f, 0.0f}, {0.0f, -150.0f}, {100.0f, -150.0f}, {100.0f, 0.0f}};
    EXPECT_EQ(PersFairy::Bezier(points, 0.0f), points[0]);
    EXPECT_EQ(PersFairy::Bezier(points, 1.0f), points[3]);
    EXPECT_FLOAT_EQ(PersFairy::Bezier(points, 0.5f).y, -112.5f);
}

TEST_F(PersFairyTest, FlyingToTheTargetItHasAnswersAtOnceAndAFlightOfNoLengthEndsWithoutDividing)
{
    WaitForTheChange(*mFairy);
    const WalkTarget door = Door();
    ASSERT_EQ(Fairy().GetTargetCell(), (IJ{door.I, door.J}));
    for (const std::uint8_t mode : {0, 1, 2})
    {
        EXPECT_EQ(Fairy().GoTo(door, mode), mode != 2) << int(mode);
        EXPECT_FALSE(Fairy().IsFlying());
    }
    // Just arrived, it hovers exactly at the cell's point: the same cell with another entity is a flight
    // of length 0.
    Send(Storehouse(), 0);
    FlyUntil([&] { return !Fairy().IsFlying(); }, 30.0f);
    ASSERT_EQ(Fairy().GetPosition(), PersFairy::CellPoint(Storehouse().I, Storehouse().J));
    Send({Storehouse().I, Storehouse().J, mRoaster}, 0);
    EXPECT_TRUE(Fairy().IsFlying());
    EXPECT_TRUE(std::isfinite(Fairy().GetFlightRate()));
    const Korrin::Vector2 before = Fairy().GetFlightPosition();
    Fairy().Update(kFrame);
    EXPECT_FALSE(Fairy().IsFlying()) << "it ended at the next update";
    EXPECT_EQ(Fairy().GetFlightPosition(), before);
    EXPECT_FLOAT_EQ(mRoaster->GetWorkerStepTimer(), PersFairy::kPlanNow) << "its building plans at once";
}

// An order placed while she still hovers at the storehouse where she just left a coffee: sent there
// again, she arrives and fetches it instead of hovering busy for good.
TEST_F(PersFairyTest, AnOrderPlacedWhileSheHoversAtTheStorehouseIsFetched)
{
    WaitForTheChange(*mFairy);
    Stock({114, 95});
    ASSERT_TRUE(mRoaster->AddTask(115));
    RunUntil([&] { return Stored(115) == 1; }, 120.0f);
    ASSERT_EQ(Stored(115), 1u);
    ASSERT_EQ(Fairy().GetTargetCell(), (IJ{Storehouse().I, Storehouse().J}));
    ASSERT_FALSE(Fairy().IsFlying());

    Stock({114, 95});
    ASSERT_TRUE(mRoaster->AddTask(115));
    RunUntil([&] { return Stored(115) == 2; }, 120.0f);
    EXPECT_EQ(Stored(115), 2u) << "busy " << mFairy->IsBusy() << ", carrying "
                               << int(mFairy->GetCarriedGoods());
}

TEST_F(PersFairyTest, AnOrderPlacedAtAnyMomentOfARunIsMadeAfterIt)
{
    const struct
    {
        const char* moment;
        std::function<bool()> reached;
    } moments[] = {
        {"picking both inputs", [&] { return mFairy->GetCarriedGoods() == 114; }},
        {"going in with them", [&] { return mFairy->GetAnimationName() == "in_fairy1"; }},
        {"while the building works", [&] { return mRoaster->GetRemainingWork() > 0.0f; }},
        {"coming out of the door", [&] { return mFairy->GetAnimationName() == "out_fairy"; }},
        {"carrying the coffee", [&] { return mFairy->GetCarriedGoods() == 115; }},
        {"storing the coffee", [&] { return Stored(115) == 1; }},
    };
    for (const auto& test : moments)
    {
        SCOPED_TRACE(test.moment);
        WaitForTheChange(*mFairy);
        EmptyStorehouse();
        Stock({114, 95});
        ASSERT_TRUE(mRoaster->AddTask(115));
        RunUntil(test.reached, 120.0f);
        ASSERT_TRUE(test.reached());
        ASSERT_TRUE(mRoaster->AddTask(115));
        // The storehouse's three boxes take the second order's inputs once the first order's have left.
        const auto twoFreeBoxes = [&]
        {
            const auto& cells = mStorehouse->GetCells().GetCells();
            return std::count_if(cells.begin(), cells.end(),
                                 [](const StoreCell& cell) { return cell.IsFree(); }) >= 2;
        };
        RunUntil(twoFreeBoxes, 30.0f);
        Stock({114, 95});

        const auto done = [&]
        {
            return Stored(115) == 2 && mRoaster->GetTaskCount() == 0 &&
                   mRoaster->GetRunsLeft() == EntityBuilding::kNoRun && mFairy->GetCarriedGoods() == 0;
        };
        RunUntil(done, 180.0f);
        EXPECT_TRUE(done()) << Stored(115) << " coffees, " << int(mRoaster->GetTaskCount())
                            << " orders, runs left " << mRoaster->GetRunsLeft();
        EXPECT_EQ(Stored(114) + Stored(95), 0u) << "each order took one of each input";
    }
}

TEST_F(PersFairyTest, AnErrandStartsAtTheLowPointOfTheHover)
{
    WaitForTheChange(*mFairy);
    // Back home with the first input: the flight ends at phase 0 with the errand set, and the next update
    // takes it in.
    Fairy().SetIJ(Storehouse().I, Storehouse().J);
    Fairy().SetCarriedGoods(114);
    Send(Door(), 2);
    FlyUntil([&] { return !Fairy().IsFlying(); }, 30.0f);
    EXPECT_EQ(Fairy().GetErrand(), PersFairy::kEnterBuilding);
    EXPECT_EQ(Fairy().GetFlightParameter(), 0.0f);
    Fairy().Update(kFrame);
    EXPECT_EQ(Fairy().GetAnimationName(), "in_fairy1");
    EXPECT_EQ(Fairy().GetErrand(), PersFairy::kNoErrand);
    FlyUntil([&] { return Fairy().GetAnimationName() != "in_fairy1"; }, 10.0f);
    EXPECT_TRUE(Fairy().GetBusyFlag() == false);

    // Called out in the middle of its hover: it waits until the phase comes round, a quarter of a turn
    // at most.
    FlyUntil([&] { return Fairy().GetFlightParameter() > 1.0f; }, 10.0f);
    Fairy().StartAction(0);
    EXPECT_EQ(Fairy().GetErrand(), PersFairy::kLeaveBuilding);
    const float waited = FlyUntil([&] { return Fairy().GetAnimationName() == "out_fairy"; }, 10.0f);
    EXPECT_GT(waited, 0.0f);
    EXPECT_LE(waited, kQuarterTurnOfTheHover + kFrame);
}

TEST_F(PersFairyTest, AtTheStorehouseWithNothingToFetchTheFairyCannotGoOnUnlikeTheBoy)
{
    WaitForTheChange(*mFairy);
    Stock({114});
    ASSERT_TRUE(mRoaster->AddTask(115));
    Send(Storehouse(), 1);
    FlyUntil([&] { return !Fairy().IsFlying(); }, 30.0f);
    EXPECT_EQ(Fairy().GetFrameIndexDream(), 7) << "one of the two inputs is missing";
    EXPECT_EQ(Fairy().GetCarriedGoods(), 0);
    EXPECT_EQ(Stored(114), 1u);
    EXPECT_EQ(mRoaster->GetTaskCount(), 1u);
}

TEST_F(PersFairyTest, SellingTheFairyWithBothInputsPutsBothBack)
{
    WaitForTheChange(*mFairy);
    Stock({114, 95});
    ASSERT_TRUE(mRoaster->AddTask(115));
    RunUntil([&] { return mFairy->GetCarriedGoods() == 114; }, 30.0f);
    ASSERT_TRUE(Fairy().HasDoubleLoad());
    mRoaster->SetSaleTimer(0.0f);
    RunUntil([&] { return !mFairy->IsActive(); }, 5.0f);
    EXPECT_EQ(Stored(114), 1u);
    EXPECT_EQ(Stored(95), 1u);
    EXPECT_EQ(mRoaster->GetRunsLeft(), EntityBuilding::kNoRun);
}

TEST_F(PersFairyTest, SoldAtTheDoorTheFairyLosesNoGoodsAndTheNextFairyFinishesTheOrder)
{
    // An order of two coffees from both inputs. Sold on her way in, both inputs go back (by then her
    // load shows only the first) and the run is cancelled; sold on her way out, the coffee already
    // counted out of the door reaches the storehouse and the next fairy brings out the rest.
    const struct
    {
        const char* moment;
        std::function<bool()> reached;
        std::uint32_t inputsBack;
        std::uint32_t coffeeAtTheSale;
        std::int32_t runsLeft;
        std::uint32_t coffeeInTheEnd;
    } moments[] = {
        {"flying in at the door", [&] { return mFairy->GetAnimationName() == "in_fairy1"; }, 1, 0,
         EntityBuilding::kNoRun, 0},
        {"waiting to fly out", [&] { return Fairy().GetErrand() == PersFairy::kLeaveBuilding; }, 0, 1, 0, 2},
        {"flying out of the door", [&] { return mFairy->GetAnimationName() == "out_fairy"; }, 0, 1, 0, 2},
    };
    for (const auto& test : moments)
    {
        SCOPED_TRACE(test.moment);
        if (!mFairy->IsActive())
        {
            Rehire(*mRoaster);
        }
        WaitForTheChange(*mFairy);
        EmptyStorehouse();
        Stock({114, 95});
        ASSERT_TRUE(mRoaster->AddTask(116));
        RunUntil(test.reached, 120.0f);
        ASSERT_TRUE(test.reached());

        SellNow(*mRoaster);
        ASSERT_FALSE(mFairy->IsActive());
        EXPECT_EQ(Stored(114), test.inputsBack);
        EXPECT_EQ(Stored(95), test.inputsBack);
        EXPECT_EQ(Stored(115), test.coffeeAtTheSale);
        EXPECT_EQ(mRoaster->GetRunsLeft(), test.runsLeft);

        Rehire(*mRoaster);
        // Done once she is back at her door, ready for the next case's order.
        const auto done = [&]
        {
            return Stored(115) == test.coffeeInTheEnd && mRoaster->GetRunsLeft() == EntityBuilding::kNoRun &&
                   mFairy->GetCarriedGoods() == 0 && !mFairy->IsBusy() && !Fairy().IsFlying() &&
                   Fairy().GetTargetCell() == IJ{Door().I, Door().J};
        };
        RunUntil(done, 120.0f);
        EXPECT_TRUE(done()) << Stored(115) << " coffees, runs left " << mRoaster->GetRunsLeft();
    }
}

TEST_F(PersFairyTest, SoldWithTheStorehouseFullTheInputsThatFindNoBoxAreLogged)
{
    WaitForTheChange(*mFairy);
    Stock({114, 95});
    ASSERT_TRUE(mRoaster->AddTask(115));
    RunUntil([&] { return mFairy->GetAnimationName() == "in_fairy1"; }, 60.0f);
    ASSERT_EQ(mFairy->GetAnimationName(), "in_fairy1");
    // Room for one of her two inputs.
    while (mStorehouse->GetCells().PutGoodsInstant(85))
    {
    }
    ASSERT_TRUE(mStorehouse->GetCells().TakeGoodsInstant(85));

    SellNow(*mRoaster);
    EXPECT_EQ(Stored(114), 1u);
    EXPECT_EQ(mFairy->GetCarriedGoods(), 0);
    EXPECT_EQ(LogText().find("no room in the storehouse for goods 114"), std::string::npos);
    EXPECT_NE(LogText().find("no room in the storehouse for goods 95 of a sold worker"), std::string::npos);
    EXPECT_EQ(mRoaster->GetRunsLeft(), EntityBuilding::kNoRun);
}

TEST_F(PersFairyTest, HostileRecordsAreRefused)
{
    WaitForTheChange(*mFairy);
    Send(Storehouse(), 0);
    Fairy().Update(kFrame);
    ASSERT_TRUE(Fairy().IsFlying());
    Korrin::BinaryWriter out;
    Fairy().Save(out);
    const std::vector<std::uint8_t> good = out.Bytes();
    const std::size_t end = good.size();
    // Offsets from the end of the record: the four points, their count, the nag timer, the idle and
    // double-load flags, the errand, the flight position, the flying flag, the rate and the parameter.
    const std::size_t count = end - 36;
    const std::size_t nag = end - 40;
    const std::size_t doubleLoad = end - 42;
    const std::size_t errand = end - 46;
    const std::size_t flying = end - 55;
    const std::size_t parameter = end - 63;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        const char* what;
        std::size_t at;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"three control points", count, {3, 0, 0, 0}},
        {"five control points", count, {5, 0, 0, 0}},
        {"errand 3", errand, {3, 0, 0, 0}},
        {"double load 2", doubleLoad, {2}},
        {"flying 2", flying, {2}},
        {"a flight parameter past 1", parameter, {0, 0, 0xC0, 0x3F}},
        {"a negative nag timer", nag, {0, 0, 0x80, 0xBF}},
        {"a point that is no number", end - 4, std::vector<std::uint8_t>(sizeof(float))},
    };
    for (const auto& test : cases)
    {
        std::vector<std::uint8_t> bytes = good;
        std::vector<std::uint8_t> value = test.bytes;
        if (std::string(test.what) == "a point that is no number")
        {
            std::memcpy(value.data(), &nan, sizeof(nan));
        }
        std::copy(value.begin(), value.end(), bytes.begin() + static_cast<std::ptrdiff_t>(test.at));
        Korrin::BinaryReader in(bytes);
        Fairy().Load(in);
        EXPECT_FALSE(in.Ok()) << test.what;
    }
    Korrin::BinaryReader in(good);
    Fairy().Load(in);
    EXPECT_TRUE(in.Ok() && in.AtEnd());
    Korrin::BinaryWriter again;
    Fairy().Save(again);
    EXPECT_EQ(again.Bytes(), good);
}
