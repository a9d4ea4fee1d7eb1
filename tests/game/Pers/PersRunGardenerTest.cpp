#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/Render/Animation.h"
#include "tests/game/Pers/GardenerLevelFixture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace
{

using TestSupport::GardenerLevelFixture;

class PersRunGardenerTest : public GardenerLevelFixture
{
protected:
    std::vector<std::uint8_t> Record()
    {
        Korrin::BinaryWriter out;
        Gardener().Save(out);
        return out.Bytes();
    }
    bool Reads(const std::vector<std::uint8_t>& bytes)
    {
        Korrin::BinaryReader in(bytes);
        Gardener().Load(in);
        return in.Ok() && in.AtEnd();
    }
    bool Walking() { return !Gardener().GetPath().empty(); }
};

// The whole road of a seed order through the garden's own decisions: sown on the first bed, watered
// from the well's prepaid pail, harvested when ripe and stored in a storehouse box.
TEST_F(PersRunGardenerTest, ACarrotOrderIsSownWateredHarvestedAndStored)
{
    Build();
    ASSERT_TRUE(Garden().AddTask(Plant::kCarrot));
    std::set<std::string> played;
    const auto note = [&] { played.insert(Gardener().GetAnimationName()); };
    const Plant& bed = Garden().GetBed(0);

    ASSERT_TRUE(RunUntil([&] { return note(), bed.GetSownMark() == Plant::kCarrot; }, 20.0f));
    EXPECT_EQ(bed.GetCrop(), Plant::kCarrot);
    EXPECT_EQ(Garden().GetTaskCount(), 0u);
    EXPECT_EQ(bed.GetFruitCount(), 0) << "not watered yet";

    ASSERT_TRUE(RunUntil([&] { return note(), Gardener().GetCarriedGoods() == 126; }, 20.0f));
    EXPECT_EQ(Well().GetTaskCount(), 2u) << "one of the three prepaid pails";
    EXPECT_FALSE(Well().IsBusy()) << "the pail is lifted, the winch goes down for the next";
    EXPECT_EQ(Well().GetWinding(), 0.0f);

    ASSERT_TRUE(RunUntil([&] { return note(), bed.GetFruitCount() == 1; }, 20.0f));
    ASSERT_TRUE(RunUntil([&] { return note(), Gardener().GetCarriedGoods() == 0; }, 10.0f));
    EXPECT_EQ(Gardener().GetPouring(), PersRunGardener::kFullPour);

    ASSERT_TRUE(RunUntil([&] { return note(), Gardener().GetCarriedGoods() == Plant::kCarrot; }, 30.0f));
    ASSERT_TRUE(RunUntil([&] { return note(), Storehouse().GetCells().HasGoods(Plant::kCarrot); }, 20.0f));
    EXPECT_EQ(Gardener().GetCarriedGoods(), 0);
    EXPECT_FALSE(bed.HasCrop()) << "a carrot of one fruit is gone once picked";

    for (const char* name : {"drip", "getwater", "run1", "setwater1", "carrot01"})
    {
        EXPECT_EQ(played.count(name), 1u) << name;
    }
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(PersRunGardenerTest, EachPailGivesItsFruitsAndEmptiesThroughItsCarryFrames)
{
    Build();
    const struct
    {
        std::uint8_t water;
        std::uint8_t fruits;
        std::int32_t firstFrame;
    } cases[] = {{126, 1, 21}, {127, 2, 30}, {128, 3, 39}};
    Plant& bed = Garden().GetBed(0);
    for (const auto& test : cases)
    {
        SCOPED_TRACE(static_cast<int>(test.water));
        Gardener().SetActive(true);
        Gardener().SetFirstVisitPending(false);
        bed.SetType(Plant::kCarrot);
        bed.SetSownMark(Plant::kCarrot);
        Gardener().SetCarriedGoods(test.water);
        SendToBed(kLeftBed, 0);
        std::set<std::int32_t> frames;
        ASSERT_TRUE(RunUntil(
            [&]
            {
                if (Gardener().GetCarriedGoods() != 0)
                {
                    frames.insert(Gardener().CarryFrame());
                }
                return Gardener().GetCarriedGoods() == 0;
            },
            10.0f));
        EXPECT_EQ(bed.GetFruitCount(), test.fruits);
        std::set<std::int32_t> expected;
        for (std::int32_t frame = test.firstFrame; frame <= test.firstFrame + 7; ++frame)
        {
            expected.insert(frame);
        }
        EXPECT_EQ(frames, expected) << "full to empty";
        bed.SetType(Plant::kEmpty);
        Gardener().SetIJ(kIdleColumn, kRow);
    }
}

TEST_F(PersRunGardenerTest, EachHarvestTakesTheFruitRightAfterItsFrame)
{
    Build();
    const struct
    {
        std::uint8_t crop;
        std::uint8_t fruits;
        const char* animation;
        std::uint16_t carryFrame;
        std::uint32_t takenAfter;
    } cases[] = {
        {Plant::kCarrot, 3, "carrot03", 8, 2},        {Plant::kCarrot, 1, "carrot01", 6, 2},
        {Plant::kTomato, 2, "tomato02", 10, 3},       {Plant::kSunflower, 3, "sunflower03", 14, 1},
        {Plant::kSunflower, 2, "sunflower02", 13, 3}, {Plant::kPotatoes, 1, "potatoes01", 15, 3},
        {Plant::kWheat, 3, "wheat03", 20, 3},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.animation);
        GrowRipe(0, test.crop, test.fruits);
        WalkTarget target;
        ASSERT_TRUE(Garden().GetWalkTarget(&target, EntityGarden::kHarvestTarget));
        SendToBed(kLeftBed, 0);
        ASSERT_TRUE(
            RunUntil([&] { return Gardener().GetWorkPhase() == PersRunGardener::kHarvesting; }, 10.0f));
        EXPECT_EQ(Gardener().GetAnimationName(), test.animation);
        EXPECT_EQ(Gardener().GetCarryCorrectionId(), test.carryFrame);
        ASSERT_TRUE(RunUntil([&] { return Gardener().GetCarriedGoods() != 0; }, 10.0f));
        EXPECT_EQ(KeyFrame(), test.takenAfter + 1);
        EXPECT_EQ(Gardener().GetCarriedGoods(), test.crop);
        EXPECT_EQ(Garden().GetBed(0).GetFruitCount(), test.fruits - 1);
        ASSERT_TRUE(RunUntil([&] { return Gardener().GetWorkPhase() == PersRunGardener::kNoWork; }, 10.0f));
        EXPECT_FALSE(Gardener().IsSplitDraw()) << "the crop is out of the ground";

        Gardener().SetActive(true);
        Gardener().SetFirstVisitPending(false);
        Gardener().SetIJ(kIdleColumn, kRow);
        Garden().GetBed(0).SetType(Plant::kEmpty);
    }
}

TEST_F(PersRunGardenerTest, SentToSowItSowsBesideARipeBedAndWithACropInHandItOnlyStands)
{
    Build();
    GrowRipe(0, Plant::kCarrot, 1);
    ASSERT_TRUE(Garden().AddTask(Plant::kTomato));
    WalkTarget target;
    ASSERT_TRUE(Garden().GetWalkTarget(&target, EntityGarden::kHarvestTarget));
    SendToBed(kRightBed, 1);
    ASSERT_TRUE(RunUntil([&] { return Gardener().GetWorkPhase() != PersRunGardener::kNoWork; }, 10.0f));
    EXPECT_EQ(Gardener().GetWorkPhase(), PersRunGardener::kSowing);
    EXPECT_EQ(Gardener().GetAnimationName(), "drip");
    EXPECT_FALSE(Gardener().GetSowingFlag());
    EXPECT_EQ(Garden().GetBed(1).GetCrop(), Plant::kTomato);
    EXPECT_EQ(Garden().GetTaskCount(), 0u);
    ASSERT_TRUE(RunUntil([&] { return Garden().GetBed(1).GetSownMark() == Plant::kTomato; }, 10.0f));

    ASSERT_TRUE(RunUntil([&] { return !Gardener().IsBusy(); }, 10.0f));
    Gardener().SetCarriedGoods(Plant::kPotatoes);
    SendToBed(kLeftBed, 0);
    ASSERT_TRUE(RunUntil([&] { return !Walking(); }, 10.0f));
    EXPECT_EQ(Gardener().GetAnimationName(), "stand1");
    EXPECT_TRUE(Gardener().GetBusyFlag()) << "busy stays as it was";
    EXPECT_EQ(Garden().GetBed(0).GetFruitCount(), 1) << "nothing harvested";
}

TEST_F(PersRunGardenerTest, IdleAnimationsFollowTheBubbleAndStartAtMostEveryFortiethOfASecond)
{
    Build();
    const struct
    {
        std::int32_t dream;
        std::uint8_t carried;
        std::set<std::string> names;
        bool idleFlag;
        std::uint8_t phase;
    } cases[] = {
        // The idle flag is only ever set here (an animation's end clears it): the cases that leave it
        // alone come first.
        {PersRunGardener::kDreamNoWay, Plant::kTomato, {"idle_tomato011", "idle_tomato021"}, false, 122},
        {PersRunGardener::kDreamNoWay, 0, {"idle_wat"}, false, 122},
        {Pers::kNoDream, 0, {"idle_st01", "idle_st02", "idle_st03", "idle_st04"}, true, 0},
        {PersRunGardener::kDreamNoWater, 0, {"idle_wat"}, true, 0},
        {PersRunGardener::kDreamStorehouseFull,
         Plant::kCarrot,
         {"idle_carrot011", "idle_carrot021"},
         true,
         122},
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.dream);
        Gardener().SetActive(true);
        Gardener().SetFirstVisitPending(false);
        Gardener().SetCarriedGoods(test.carried);
        Gardener().SetDream(test.dream);
        const std::string before = Gardener().GetAnimationName();
        Gardener().PlayIdle(0.02f);
        EXPECT_EQ(Gardener().GetAnimationName(), before) << "closer than 0.025 s";
        EXPECT_FLOAT_EQ(Gardener().GetAnimationTimer(), 0.02f);
        Gardener().PlayIdle(0.01f);
        EXPECT_EQ(test.names.count(Gardener().GetAnimationName()), 1u) << Gardener().GetAnimationName();
        EXPECT_EQ(Gardener().GetIdleFlag(), test.idleFlag);
        EXPECT_EQ(Gardener().GetWorkPhase(), test.phase);
        EXPECT_TRUE(Gardener().GetBusyFlag());
    }
}

TEST_F(PersRunGardenerTest, ALockedUpgradeIsNeitherPaidNorTaken)
{
    Build();
    Garden().SetPanelMode(EntityGarden::kGardenerPage);
    Click("CHAR_UPGRADE");
    EXPECT_EQ(LevelTaskInfo::Peek()->money, 1000) << "locked until the map shop sells it";
    EXPECT_EQ(Gardener().GetUpgradeLevel(), 0);
    EXPECT_FALSE(Gardener().Upgrade());
    EXPECT_EQ(Gardener().GetWalkSpeed(), PersRunGardener::kFirstSpeed);
}

TEST_F(PersRunGardenerTest, UnlockedUpgradesQuickenTheWalkUpToTheLastLevel)
{
    mTable.GetCostPtr(Pers::kGardener)->upgradeLevel = 2;
    Build();
    Garden().SetPanelMode(EntityGarden::kGardenerPage);
    const struct
    {
        std::int32_t money;
        std::uint16_t level;
        float speed;
    } steps[] = {{1000 - 120, 1, 2.5f}, {1000 - 120 - 250, 2, 3.0f}, {1000 - 120 - 250, 2, 3.0f}};
    for (const auto& step : steps)
    {
        Click("CHAR_UPGRADE");
        EXPECT_EQ(LevelTaskInfo::Peek()->money, step.money);
        EXPECT_EQ(Gardener().GetUpgradeLevel(), step.level);
        EXPECT_EQ(Gardener().GetWalkSpeed(), step.speed);
    }
}

// A dismissal ends whatever the gardener does: what it holds goes back, the well it draws from goes on.
TEST_F(PersRunGardenerTest, ADismissalStoresTheCropInHandAndLetsTheWellGo)
{
    Build();
    Garden().SetPanelMode(EntityGarden::kGardenerPage);
    const auto dismiss = [&]
    {
        Click("CHAR_SALE");
        Garden().Update(3.5f);
        ASSERT_FALSE(Garden().IsGardenerHired());
    };
    Gardener().SetCarriedGoods(Plant::kSunflower);
    Gardener().SetBusy(true);
    dismiss();
    EXPECT_TRUE(Storehouse().GetCells().HasGoods(Plant::kSunflower));
    EXPECT_EQ(Gardener().GetCarriedGoods(), 0);

    Click("CHAR_BUY");
    ASSERT_TRUE(Garden().IsGardenerHired());
    Gardener().SetFirstVisitPending(false);
    Gardener().SetIJ(kIdleColumn, kRow);
    ASSERT_TRUE(Gardener().GoTo({kWellColumn, kRow, &Well()}, 0));
    Gardener().SetBusy(true);
    ASSERT_TRUE(RunUntil([&] { return Gardener().GetWorkPhase() == PersRunGardener::kDrawingWater; }, 10.0f));
    ASSERT_TRUE(Well().IsBusy());
    dismiss();
    EXPECT_FALSE(Well().IsBusy()) << "the next order winds up";
    EXPECT_EQ(Well().GetWinding(), 0.0f);

    Click("CHAR_BUY");
    while (Storehouse().GetCells().PutGoodsInstant(Plant::kWheat))
    {
    }
    Gardener().SetCarriedGoods(Plant::kTomato);
    Gardener().SetBusy(true);
    dismiss();
    EXPECT_NE(LogText().find("no room in the storehouse for goods 85"), std::string::npos);
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(PersRunGardenerTest, ACropInHandGoesToTheStorehouseFirstAndWaitsWhileItIsFull)
{
    Build();
    GrowRipe(0, Plant::kCarrot, 1);
    ASSERT_TRUE(Garden().AddTask(Plant::kTomato));
    Gardener().SetCarriedGoods(Plant::kPotatoes);
    ASSERT_TRUE(RunUntil([&] { return Gardener().GetWalkTarget() == &Storehouse(); }, 1.0f));
    EXPECT_EQ(Garden().GetTaskCount(), 1u);
    ASSERT_TRUE(RunUntil([&] { return Storehouse().GetCells().HasGoods(Plant::kPotatoes); }, 10.0f));

    while (Storehouse().GetCells().PutGoodsInstant(Plant::kWheat))
    {
    }
    Gardener().SetIJ(kIdleColumn, kRow);
    Gardener().SetCarriedGoods(Plant::kCarrot);
    ASSERT_TRUE(RunUntil(
        [&] { return Gardener().GetFrameIndexDream() == PersRunGardener::kDreamStorehouseFull; }, 1.0f));
    ASSERT_TRUE(RunUntil([&] { return Gardener().GetWorkPhase() == PersRunGardener::kIdling; }, 2.0f));
    EXPECT_EQ(Gardener().GetAnimationName().rfind("idle_carrot0", 0), 0u) << Gardener().GetAnimationName();
    EXPECT_EQ(Garden().GetTaskCount(), 1u) << "no sowing while the crop waits";
    EXPECT_EQ(Garden().GetBed(0).GetFruitCount(), 1) << "no harvest either";

    ASSERT_TRUE(Storehouse().GetCells().TakeGoodsInstant(Plant::kWheat));
    ASSERT_TRUE(RunUntil([&] { return Storehouse().GetCells().HasGoods(Plant::kCarrot); }, 15.0f));
    EXPECT_EQ(Gardener().GetCarriedGoods(), 0);
}

TEST_F(PersRunGardenerTest, ASownBedWithoutWaterWaitsWithItsBubbleUntilAPailIsOrdered)
{
    Build();
    while (Well().GetTaskCount() > 0)
    {
        Well().RemoveTask(0, false);
    }
    Plant& bed = Garden().GetBed(1);
    bed.SetType(Plant::kCarrot);
    bed.SetSownMark(Plant::kCarrot);
    for (int second = 0; second < 3; ++second)
    {
        ASSERT_FALSE(RunUntil([&] { return Gardener().GetWalkTarget() == &Well(); }, 1.0f));
        EXPECT_EQ(Gardener().GetFrameIndexDream(), PersRunGardener::kDreamNoWater);
    }
    ASSERT_TRUE(Well().AddTask(128));
    ASSERT_TRUE(RunUntil([&] { return bed.GetFruitCount() == 3; }, 20.0f));
    EXPECT_EQ(Gardener().GetFrameIndexDream(), Pers::kNoDream);
}

TEST_F(PersRunGardenerTest, SeedOrdersWaitWhileBothBedsGrow)
{
    Build();
    for (std::size_t b = 0; b < EntityGarden::kBeds; ++b)
    {
        Garden().GetBed(b).SetType(Plant::kTomato);
        Garden().GetBed(b).SetSownMark(Plant::kTomato);
        Garden().GetBed(b).SetFruitCount(1);
    }
    ASSERT_TRUE(Garden().AddTask(Plant::kCarrot));
    EXPECT_FALSE(RunUntil([&] { return Garden().GetTaskCount() == 0; }, 3.0f));
    EXPECT_EQ(Garden().GetBed(0).GetCrop(), Plant::kTomato);
    EXPECT_EQ(Garden().GetBed(1).GetCrop(), Plant::kTomato);
}

// The beds were taken while the gardener walked to sow: the paid order stays until a bed is free.
TEST_F(PersRunGardenerTest, ASeedOrderMetByNoFreeBedWaitsForOne)
{
    Build();
    ASSERT_TRUE(Garden().AddTask(Plant::kCarrot));
    SendToBed(kRightBed, 1);
    for (std::size_t b = 0; b < EntityGarden::kBeds; ++b)
    {
        Garden().GetBed(b).SetType(Plant::kTomato);
        Garden().GetBed(b).SetSownMark(Plant::kTomato);
        Garden().GetBed(b).SetFruitCount(1);
    }
    ASSERT_TRUE(RunUntil([&] { return !Walking(); }, 10.0f));
    RunUntil([] { return false; }, 1.0f);
    EXPECT_EQ(Garden().GetTaskCount(), 1u) << "the order is kept";
    EXPECT_NE(Gardener().GetWorkPhase(), PersRunGardener::kSowing);

    Garden().GetBed(0).SetType(Plant::kEmpty);
    ASSERT_TRUE(RunUntil([&] { return Garden().GetTaskCount() == 0; }, 20.0f));
    EXPECT_EQ(Garden().GetBed(0).GetCrop(), Plant::kCarrot);
    EXPECT_EQ(Garden().GetBed(1).GetCrop(), Plant::kTomato);
}

TEST_F(PersRunGardenerTest, ARecordReadsBackAndHostileOnesAreRefused)
{
    Build();
    ASSERT_TRUE(Gardener().GoTo({kWellColumn, kRow, &Well()}, 0));
    Gardener().SetBusy(true);
    ASSERT_TRUE(RunUntil([&] { return Gardener().GetWorkPhase() == PersRunGardener::kDrawingWater; }, 10.0f));
    const std::vector<std::uint8_t> atWell = Record();
    ASSERT_TRUE(Reads(atWell));
    EXPECT_EQ(Record(), atWell);
    Gardener().SetActive(true);
    Gardener().SetFirstVisitPending(false);
    Gardener().SetIJ(kIdleColumn, kRow);
    ASSERT_TRUE(Gardener().GoTo({kLeftBed, kRow, &Garden()}, 1));
    const std::vector<std::uint8_t> toGarden = Record();
    ASSERT_TRUE(Reads(toGarden));

    // The gardener's own fields close the record: phase, harvest frame, correction, crop, pouring, four
    // flags, nag timer.
    const auto at = [](const std::vector<std::uint8_t>& record, std::size_t fromEnd)
    { return record.size() - fromEnd; };
    const auto put32 = [](std::vector<std::uint8_t>& bytes, std::size_t offset, auto value)
    { std::memcpy(bytes.data() + offset, &value, 4); };
    const struct
    {
        const char* what;
        bool toGarden;
        std::function<void(std::vector<std::uint8_t>&)> damage;
    } cases[] = {
        {"an unknown work phase", false, [&](auto& r) { r[at(r, 20)] = 5; }},
        {"drawing water at a garden", true, [&](auto& r) { r[at(r, 20)] = PersRunGardener::kDrawingWater; }},
        {"sowing at a well", false, [&](auto& r) { r[at(r, 20)] = PersRunGardener::kSowing; }},
        {"a harvest frame past the crops'", false, [&](auto& r) { put32(r, at(r, 19), std::uint32_t{4}); }},
        {"a correction that is no crop", false, [&](auto& r) { r[at(r, 15)] = 5; }},
        {"a crop that is no goods of the garden", false, [&](auto& r) { r[at(r, 13)] = 89; }},
        {"a pail past empty", false, [&](auto& r) { put32(r, at(r, 12), 7.5f); }},
        {"a pouring that is no number", false,
         [&](auto& r) { put32(r, at(r, 12), std::numeric_limits<float>::quiet_NaN()); }},
        {"a flag of 2", false, [&](auto& r) { r[at(r, 8)] = 2; }},
        {"an endless nag timer", false,
         [&](auto& r) { put32(r, at(r, 4), std::numeric_limits<float>::infinity()); }},
        {"carried goods of a building", false, [&](auto& r) { r[15] = 98; }},
        {"cut short", false, [&](auto& r) { r.pop_back(); }},
    };
    for (const auto& test : cases)
    {
        std::vector<std::uint8_t> record = test.toGarden ? toGarden : atWell;
        test.damage(record);
        EXPECT_FALSE(Reads(record)) << test.what;
    }
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty()) << "no report is reachable from a record";
}

} // namespace
