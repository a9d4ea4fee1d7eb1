#include "game/Pers/PersRunBoy.h"

#include "engine/Util/Random.h"
#include "game/Entity/EntityStorehouse.h"
#include "tests/game/Pers/WorkerLevelFixture.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace
{

class PersRunBoyTest : public TestSupport::WorkerLevelTest
{
protected:
    PersRunBoy& Boy() { return dynamic_cast<PersRunBoy&>(*mBoy); }

    // The boy stands at the storehouse's cell, sent there on an errand.
    void SendToStorehouse()
    {
        WalkTarget store;
        ASSERT_TRUE(mStorehouse->GetWalkTarget(&store, 0));
        Boy().SetIJ(store.I, store.J);
        // Busy, so that the walk of no cells does not move him off the storehouse's cell.
        Boy().SetBusy(true);
        Boy().GoTo(store, 0);
        Boy().SetBusy(true);
    }
};

} // namespace

TEST_F(PersRunBoyTest, AnOrderOfThreeJuicesTakesOneCarrotAndTheBoyCarriesThemOutOneByOne)
{
    ASSERT_NE(mBoy, nullptr);
    WaitForTheChange(*mBoy);
    Stock({84});
    ASSERT_TRUE(mJuicer->AddTask(91));

    RunUntil([&] { return mBoy->GetCarriedGoods() == 84; }, 30.0f);
    EXPECT_EQ(Stored(84), 0u) << "the carrot left its box";
    EXPECT_EQ(mJuicer->GetRunsLeft(), 2) << "the order's run started with the fetch";
    EXPECT_EQ(mJuicer->GetTaskCount(), 0u);
    RunUntil([&] { return mBoy->GetAnimationName() == "run1"; }, 5.0f);
    EXPECT_EQ(mBoy->GetAnimationName(), "run1") << "he runs home carrying";

    RunUntil([&] { return mJuicer->IsWorkerInside(); }, 30.0f);
    EXPECT_EQ(mBoy->GetAnimationName(), "in_house1");
    RunUntil([&] { return mJuicer->GetRemainingWork() > 0.0f; }, 10.0f);
    EXPECT_EQ(mBoy->GetCarriedGoods(), 0) << "the carrot went in";
    EXPECT_FALSE(mJuicer->IsWorkerInside());

    std::vector<std::uint32_t> juiceAfterEachTrip;
    for (int unit = 1; unit <= 3; ++unit)
    {
        RunUntil([&] { return mBoy->GetCarriedGoods() == 89; }, 60.0f);
        ASSERT_EQ(mBoy->GetCarriedGoods(), 89) << "unit " << unit;
        RunUntil([&] { return mBoy->GetCarriedGoods() == 0; }, 30.0f);
        juiceAfterEachTrip.push_back(Stored(89));
    }
    EXPECT_EQ(juiceAfterEachTrip, (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(mJuicer->GetRunsLeft(), EntityBuilding::kNoRun);
    RunUntil([&] { return mJuicer->GetWorkProgress() == 0.0f; }, 3.0f);
    EXPECT_FLOAT_EQ(mJuicer->GetWorkProgress(), 0.0f) << "the bar wound down after the third unit";
    EXPECT_EQ(mBoy->GetFrameIndexDream(), Pers::kNoDream);
}

TEST_F(PersRunBoyTest, ARunSavedInTheMiddleEndsWithTheSameUnitsAsAnUnbrokenOne)
{
    WaitForTheChange(*mBoy);
    Stock({84});
    ASSERT_TRUE(mJuicer->AddTask(90));
    RunUntil([&] { return mJuicer->GetRemainingWork() > 0.0f && mJuicer->GetRemainingWork() < 60.0f; },
             90.0f);
    ASSERT_GT(mJuicer->GetRemainingWork(), 0.0f);
    const std::vector<std::uint8_t> saved = SaveLevel();
    const float remaining = mJuicer->GetRemainingWork();
    const float door = mJuicer->GetDoorFrame();
    const float meshTime = EntityBuilding::MeshTime(*mJuicer->CurrentLevel()->mesh);

    const auto twoJuices = [&] { return Stored(89) == 2 && mBoy->GetCarriedGoods() == 0 && !mBoy->IsBusy(); };
    const float unbroken = RunUntil(twoJuices, 120.0f);
    ASSERT_TRUE(twoJuices());

    ASSERT_TRUE(LoadLevel(saved));
    EXPECT_EQ(mJuicer->GetRunsLeft(), 1);
    EXPECT_FLOAT_EQ(mJuicer->GetRemainingWork(), remaining);
    EXPECT_FLOAT_EQ(mJuicer->GetDoorFrame(), door);
    EXPECT_FLOAT_EQ(EntityBuilding::MeshTime(*mJuicer->CurrentLevel()->mesh), meshTime);
    EXPECT_EQ(Stored(89), 0u);
    EXPECT_EQ(Stored(84), 0u);
    const float loaded = RunUntil(twoJuices, 120.0f);
    EXPECT_TRUE(twoJuices()) << "the loaded run ends with the same two juices";
    // The smoke's phase decides when the door opens after the work: lost on loading, it moved the end
    // by a planning step or more.
    EXPECT_FLOAT_EQ(loaded, unbroken) << "and in the same frame";
    EXPECT_EQ(Stored(84), 0u);
    EXPECT_EQ(mJuicer->GetRunsLeft(), EntityBuilding::kNoRun);
}

TEST_F(PersRunBoyTest, ArrivalsAtTheStorehouse)
{
    WaitForTheChange(*mBoy);
    // Empty-handed with an empty queue: he only stands.
    SendToStorehouse();
    Stock({84});
    Boy().OnPathEnd(0, 0);
    EXPECT_EQ(Boy().GetCarriedGoods(), 0);
    EXPECT_EQ(Stored(84), 1u);
    EXPECT_EQ(Boy().GetAnimationName(), "stand");
    EXPECT_FALSE(Boy().GetBusyFlag());

    // A full storehouse keeps the juice in his hands; once a box frees he walks again by himself.
    while (mStorehouse->GetCells().PutGoodsInstant(85))
    {
    }
    SendToStorehouse();
    Boy().SetCarriedGoods(89);
    Boy().OnPathEnd(0, 0);
    EXPECT_EQ(Boy().GetCarriedGoods(), 89);
    EXPECT_EQ(Boy().GetFrameIndexDream(), 7);
    Boy().SetIJ(mJuicer->GetWalkI(), mJuicer->GetWalkJ());
    Boy().SetBusy(false);
    RunUntil([&] { return Boy().GetAnimationName() == "idle_p1"; }, 2.0f);
    EXPECT_EQ(Boy().GetAnimationName(), "idle_p1") << "his idle says he cannot go on";
    ASSERT_TRUE(mStorehouse->GetCells().TakeGoodsInstant(85));
    RunUntil([&] { return Boy().GetCarriedGoods() == 0; }, 30.0f);
    EXPECT_EQ(Stored(89), 1u);
    EXPECT_EQ(Boy().GetFrameIndexDream(), Pers::kNoDream);
}

TEST_F(PersRunBoyTest, ArrivingHomeWhileTheMagicPlaysChangesNothing)
{
    // Hired again: the next time an animation ends at his door he changes.
    Boy().SetActive(true);
    Boy().SetIJ(mJuicer->GetWalkI(), mJuicer->GetWalkJ());
    RunUntil([&] { return Boy().GetAnimationName() == "magic"; }, 5.0f);
    ASSERT_EQ(Boy().GetAnimationName(), "magic");
    EXPECT_EQ(Boy().GetFigureIndex(), 1);
    EXPECT_TRUE(Boy().GetMagic().IsRunning());
    // His planner sent him to his own door; he arrives there with the carrot.
    ASSERT_EQ(Boy().GetWalkTarget(), mJuicer);
    WalkTarget door;
    mJuicer->GetWalkTarget(&door, 0);
    Boy().SetCarriedGoods(84);
    Boy().OnPathEnd(door.I, door.J);
    EXPECT_FALSE(mJuicer->IsWorkerInside()) << "he does not go in during the magic";
}

TEST_F(PersRunBoyTest, CarryingSuffixesAndSpeedsByLevel)
{
    PersRunBoy miller(26);
    const struct
    {
        std::uint8_t goods;
        const char* name;
    } suffixes[] = {{98, "run2"}, {88, "run1"}, {0, "run"}};
    for (const auto& test : suffixes)
    {
        miller.SetCarriedGoods(test.goods);
        EXPECT_EQ(miller.GetAnimationVariant("run"), test.name) << int(test.goods);
    }
    Boy().SetCarriedGoods(89);
    EXPECT_EQ(Boy().GetAnimationVariant("in_house"), "in_house1") << "only the miller's flour takes 2";

    // Both upgrades bought in the map's shop.
    mTable.GetCostPtr(Pers::kErrandBoy)->upgradeLevel = 2;
    PersRunBoy juicer(30);
    juicer.SetActive(true);
    EXPECT_FLOAT_EQ(juicer.GetWalkSpeed(), PersRunBoy::kHiredSpeed);
    EXPECT_TRUE(juicer.Upgrade());
    EXPECT_FLOAT_EQ(juicer.GetWalkSpeed(), 3.4f);
    EXPECT_TRUE(juicer.Upgrade());
    EXPECT_FLOAT_EQ(juicer.GetWalkSpeed(), 5.35f);
    EXPECT_FALSE(juicer.Upgrade());
    EXPECT_FLOAT_EQ(juicer.GetWalkSpeed(), 5.35f) << "no speed past the maximum";
}

TEST_F(PersRunBoyTest, SellingTheBoyWithACarrotInHandPutsItBackAndCancelsTheRun)
{
    WaitForTheChange(*mBoy);
    Stock({84});
    ASSERT_TRUE(mJuicer->AddTask(89));
    RunUntil([&] { return mBoy->GetCarriedGoods() == 84; }, 30.0f);
    ASSERT_EQ(mJuicer->GetRunsLeft(), 0);
    mJuicer->SetSaleTimer(0.0f);
    RunUntil([&] { return !mBoy->IsActive(); }, 5.0f);
    ASSERT_FALSE(mBoy->IsActive());
    EXPECT_EQ(mBoy->GetCarriedGoods(), 0);
    EXPECT_EQ(Stored(84), 1u) << "the carrot is back in the storehouse";
    EXPECT_EQ(mJuicer->GetRunsLeft(), EntityBuilding::kNoRun) << "the next worker can take the next order";
}

TEST_F(PersRunBoyTest, SoldAtAnyMomentOfAnOrderTheBoyLosesNoJuiceAndTheNextBoyFinishesIt)
{
    // An order of two juices from one carrot. Sold before the carrot is in, the carrot goes back and
    // the run is cancelled; sold after, the juice already counted out of the door reaches the storehouse
    // and the next boy brings out the rest.
    const struct
    {
        const char* moment;
        std::function<bool()> reached;
        std::uint32_t carrotsBack;
        std::uint32_t juiceAtTheSale;
        std::int32_t runsLeft;
        std::uint32_t juiceInTheEnd;
    } moments[] = {
        {"going in with the carrot", [&] { return mBoy->GetAnimationName() == "in_house1"; }, 1, 0,
         EntityBuilding::kNoRun, 0},
        {"coming out of the door", [&] { return mBoy->GetAnimationName() == "out_house"; }, 0, 1, 0, 2},
        {"carrying the first juice", [&] { return mBoy->GetCarriedGoods() == 89; }, 0, 1, 0, 2},
    };
    for (const auto& test : moments)
    {
        SCOPED_TRACE(test.moment);
        if (!mBoy->IsActive())
        {
            Rehire(*mJuicer);
        }
        WaitForTheChange(*mBoy);
        EmptyStorehouse();
        Stock({84});
        ASSERT_TRUE(mJuicer->AddTask(90));
        RunUntil(test.reached, 120.0f);
        ASSERT_TRUE(test.reached());

        SellNow(*mJuicer);
        ASSERT_FALSE(mBoy->IsActive());
        EXPECT_EQ(Stored(84), test.carrotsBack);
        EXPECT_EQ(Stored(89), test.juiceAtTheSale);
        EXPECT_EQ(mJuicer->GetRunsLeft(), test.runsLeft);

        Rehire(*mJuicer);
        const auto done = [&]
        {
            return Stored(89) == test.juiceInTheEnd && mJuicer->GetRunsLeft() == EntityBuilding::kNoRun &&
                   mBoy->GetCarriedGoods() == 0 && !mBoy->IsBusy();
        };
        RunUntil(done, 120.0f);
        EXPECT_TRUE(done()) << Stored(89) << " juices, runs left " << mJuicer->GetRunsLeft();
    }
}

TEST_F(PersRunBoyTest, AnOrderPlacedAtAnyMomentOfARunIsMadeAfterIt)
{
    // The second order comes while the first one's run is under way: it must wait for that run and
    // then be made with the second carrot, whatever the boy was doing when it came.
    const struct
    {
        const char* moment;
        std::function<bool()> reached;
    } moments[] = {
        {"picking the carrot", [&] { return mBoy->GetCarriedGoods() == 84; }},
        {"carrying the carrot home", [&] { return mBoy->GetAnimationName() == "run1"; }},
        {"going in with the carrot", [&] { return mBoy->GetAnimationName() == "in_house1"; }},
        {"while the building works", [&] { return mJuicer->GetRemainingWork() > 0.0f; }},
        {"coming out of the door", [&] { return mBoy->GetAnimationName() == "out_house"; }},
        {"carrying the juice", [&] { return mBoy->GetCarriedGoods() == 89; }},
        {"storing the juice", [&] { return Stored(89) == 1; }},
    };
    for (const auto& test : moments)
    {
        SCOPED_TRACE(test.moment);
        WaitForTheChange(*mBoy);
        EmptyStorehouse();
        Stock({84, 84});
        ASSERT_TRUE(mJuicer->AddTask(89));
        RunUntil(test.reached, 120.0f);
        ASSERT_TRUE(test.reached());
        ASSERT_TRUE(mJuicer->AddTask(89));

        const auto done = [&]
        {
            return Stored(89) == 2 && mJuicer->GetTaskCount() == 0 &&
                   mJuicer->GetRunsLeft() == EntityBuilding::kNoRun && mBoy->GetCarriedGoods() == 0 &&
                   !mBoy->IsBusy();
        };
        RunUntil(done, 180.0f);
        EXPECT_TRUE(done()) << Stored(89) << " juices, " << Stored(84) << " carrots, "
                            << int(mJuicer->GetTaskCount()) << " orders, runs left "
                            << mJuicer->GetRunsLeft();
        EXPECT_EQ(Stored(84), 0u) << "each order took one carrot";
    }
}

TEST_F(PersRunBoyTest, TheNagTimerOfARecordIsChecked)
{
    Korrin::BinaryWriter out;
    Boy().Save(out);
    const std::vector<std::uint8_t> good = out.Bytes();
    const std::size_t at = good.size() - PersRunBoy::kOwnRecordBytes;
    for (const float nag : {-1.0f, 11.0f, std::numeric_limits<float>::quiet_NaN(), 3.0f})
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + at, &nag, sizeof(nag));
        Korrin::BinaryReader in(bytes);
        Boy().Load(in);
        EXPECT_EQ(in.Ok(), nag == 3.0f) << nag;
    }
    EXPECT_FLOAT_EQ(Boy().GetNagTimer(), 3.0f);
}
