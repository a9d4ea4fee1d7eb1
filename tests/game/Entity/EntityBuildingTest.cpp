#include "game/Entity/EntityBuilding.h"

#include "engine/File/FileSysManager.h"
#include "game/Entity/BuildingKind.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace
{

// A kind's description files without pictures: empty meshes and the ".lua" that a test writes.
class EntityBuildingTest : public testing::Test
{
protected:
    EntityBuildingTest()
    {
        for (const char* mesh : {"Kind_up", "Kind1", "Kind2", "Kind3"})
        {
            mFolder.Write(std::string(mesh) + ".building", "MeshList = {}\nImageList = {}\n");
        }
        mFolder.Write("Kind.lua", "OffHRect = { 10, 20, 30, 40 }\nBackIndex2 = 3.9\n"
                                  "DoorOff1 = { 1, 2, 3, 4, 5 }\nDoorOff2 = { 1, 2 }\n");
        mTask.money = 1000;
    }

    // A juicer read from the test's description and placed on cell (i, j) with the side given.
    std::unique_ptr<EntityBuilding> Juicer(std::int32_t i, std::int32_t j, std::uint8_t side)
    {
        auto building = std::make_unique<EntityBuilding>(30);
        building->Load("Kind");
        building->Place(i, j);
        building->SetSide(side);
        building->Reset();
        return building;
    }

    // Runs the building's updates in frames of 1/60 s until the condition holds; the seconds it took.
    template <typename Condition>
    static float SecondsUntil(EntityBuilding& building, Condition done, float limit = 60.0f)
    {
        constexpr float dt = 1.0f / 60.0f;
        float seconds = 0.0f;
        while (!done() && seconds < limit)
        {
            building.Update(dt);
            seconds += dt;
        }
        return seconds;
    }

    static std::vector<std::uint8_t> Record(EntityBuilding& building)
    {
        Korrin::BinaryWriter out;
        building.Save(out);
        return out.Bytes();
    }

    TestSupport::LogCapture mLog;
    TestSupport::TempFolder mFolder{"building-kind"};
    Korrin::FileSysManager mFiles{mFolder.Path()};
    TableCost mTable;
    LevelTaskInfo mTask;
};

} // namespace

TEST_F(EntityBuildingTest, TheDescriptionGivesTheClickOffsetsBackCountsAndDoorOffsets)
{
    auto juicer = Juicer(5, 10, 0);
    EXPECT_EQ(juicer->GetHitOffsets(), (std::array<float, 4>{10.0f, 20.0f, 30.0f, 40.0f}));
    const auto& levels = juicer->GetLevelRecords();
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[0].backCount, 0);
    EXPECT_EQ(levels[1].backCount, 3) << "3.9 is cut to 3";
    EXPECT_EQ(levels[0].doorOffsets, (std::vector<float>{1, 2, 3, 4, 5}));
    EXPECT_EQ(levels[1].doorOffsets, (std::vector<float>(5, 0.0f))) << "a short table leaves zeros";
    EXPECT_NE(mLog.Text().find("Error KindDoorOff2"), std::string::npos);
    EXPECT_TRUE(levels[2].doorOffsets.empty()) << "no table, no offsets";
    EXPECT_EQ(levels[2].doorPart, 0) << "past the end of a mesh without parts";
}

TEST_F(EntityBuildingTest, ResetPlacesTheClickRectangleAndTheBarOnEitherSide)
{
    struct Case
    {
        std::int32_t i;
        std::uint8_t side;
        std::uint8_t placedSide;
        Korrin::Rect click;
        float barX;
    };
    // Cell (8, 11) has its corner at (512, 304); (9, 11) at (576, 304); (0, 11) at (0, 304).
    const Case cases[] = {
        {8, 0, 0, {502.0f, 284.0f, 542.0f, 344.0f}, 502.0f},
        {8, 1, 1, {354.0f, 284.0f, 394.0f, 344.0f}, 354.0f},
        {8, Entity::kNoSide, 0, {502.0f, 284.0f, 542.0f, 344.0f}, 502.0f},
        {9, Entity::kNoSide, 1, {418.0f, 284.0f, 458.0f, 344.0f}, 418.0f},
        {0, 0, 0, {-10.0f, 284.0f, 30.0f, 344.0f}, 10.0f}, // a bar left of the screen starts at 10
    };
    for (const Case& test : cases)
    {
        auto juicer = Juicer(test.i, 11, test.side);
        EXPECT_EQ(juicer->GetSide(), test.placedSide) << test.i;
        EXPECT_EQ(juicer->GetRect(), test.click) << test.i << " side " << int(test.side);
        EXPECT_FLOAT_EQ(juicer->GetBarX(), test.barX) << test.i;
        EXPECT_FLOAT_EQ(juicer->GetBarY(), 304.0f - 10.0f - 90.0f) << "half the height and 90 above";
    }
}

TEST_F(EntityBuildingTest, TheTaskLimitFollowsTheLevel)
{
    const std::pair<std::uint16_t, std::uint8_t> cases[] = {{0, 1}, {1, 3}, {2, 5}};
    for (const auto& [level, limit] : cases)
    {
        EntityBuilding juicer(30);
        juicer.SetUpgradeLevel(level);
        juicer.Reset();
        EXPECT_EQ(juicer.GetTaskLimit(), limit) << level;
    }
}

TEST_F(EntityBuildingTest, TheKindTablesAnswerForEveryCode)
{
    EXPECT_EQ(EntityBuilding::GetBuildingName(66), "FriedPotatoes");
    EXPECT_STREQ(BuildingKind::Find(66)->stem, "FriedPotatoesB") << "its files have their own stem";
    EXPECT_EQ(EntityBuilding::GetBuildingName(1), "Rope");
    EXPECT_EQ(EntityBuilding::GetBuildingName(27), "Name not found ! (EntitiBuilding)");
    EXPECT_NE(mLog.Text().find("Name not found ! (EntitiBuilding)"), std::string::npos);
    EntityBuilding mill(26);
    EXPECT_EQ(mill.GetProductGoods(2), 100);
    EXPECT_EQ(mill.GetDescriptionNumber(1), 17);
    struct Offset
    {
        std::uint16_t level;
        std::uint8_t side;
        float x;
    };
    EntityBuilding oil(50);
    for (const Offset& test : {Offset{1, 0, -154.0f}, {2, 0, -164.0f}, {1, 1, -134.0f}, {2, 1, -129.0f}})
    {
        oil.SetUpgradeLevel(test.level);
        oil.SetSide(test.side);
        EXPECT_FLOAT_EQ(oil.GetOffseForUpgradePS().x, test.x) << test.level << " " << int(test.side);
    }
    oil.SetUpgradeLevel(0);
    EXPECT_FLOAT_EQ(oil.GetOffseForUpgradePS().x, 0.0f);
    EXPECT_NE(mLog.Text().find("! Error in EntityBuilding::GetOffseForUpgradePS()"), std::string::npos);
}

TEST_F(EntityBuildingTest, TakingAnOrdersInputsStartsItsRunAndACancelStartsNone)
{
    struct Case
    {
        std::uint8_t goods;
        std::int32_t runs;
    };
    // Orders of the second and third button of a block give one and two more units; 113, 114 and 118
    // lie in no block.
    const Case cases[] = {{89, 0}, {90, 1}, {91, 2}, {115, 0}, {124, 2}, {113, -1}, {114, -1}, {118, -1}};
    for (const Case& test : cases)
    {
        EntityBuilding juicer(30);
        juicer.SetUpgradeLevel(2);
        mTask.money = 100000;
        ASSERT_TRUE(juicer.AddTask(test.goods)) << int(test.goods);
        EXPECT_TRUE(juicer.RemoveTask(0, false));
        EXPECT_EQ(juicer.GetRunsLeft(), test.runs) << int(test.goods);
    }
    EntityBuilding juicer(30);
    const std::int32_t before = mTask.money;
    ASSERT_TRUE(juicer.AddTask(91));
    EXPECT_TRUE(juicer.RemoveTask(0, true));
    EXPECT_EQ(juicer.GetRunsLeft(), EntityBuilding::kNoRun);
    EXPECT_EQ(mTask.money, before) << "the cancelled order is refunded";
}

TEST_F(EntityBuildingTest, OneOrderOfThreeUnitsRunsThreeTimesThenWindsDown)
{
    EntityBuilding juicer(30);
    juicer.SetUpgradeLevel(2);
    ASSERT_TRUE(juicer.AddTask(91));
    juicer.RemoveTask(0, false);
    EXPECT_EQ(juicer.GetTaskCount(), 0u) << "one fetch empties the queue";
    juicer.SetWorkProgress(1.0f);
    juicer.SetWorkRate(1.0f);
    for (std::int32_t left : {1, 0})
    {
        juicer.FinishRun();
        EXPECT_EQ(juicer.GetRunsLeft(), left);
        EXPECT_FLOAT_EQ(juicer.GetWorkRate(), 1.0f) << "the bar stays while units are left";
    }
    juicer.FinishRun();
    EXPECT_EQ(juicer.GetRunsLeft(), EntityBuilding::kNoRun);
    EXPECT_FLOAT_EQ(juicer.GetWorkRate(), -1.0f);
}

TEST_F(EntityBuildingTest, ARunTakesItsFadeAndTheWorkOfItsLevel)
{
    const std::pair<std::uint16_t, float> cases[] = {{0, 26.0f}, {1, 13.5f}, {2, 7.25f}};
    for (const auto& [level, seconds] : cases)
    {
        EntityBuilding juicer(30);
        juicer.SetUpgradeLevel(level);
        juicer.SetRunsLeft(0);
        juicer.SetRemainingWork(EntityBuilding::kFullWork);
        juicer.SetWorkRate(1.0f);
        const float took = SecondsUntil(juicer, [&] { return juicer.GetRemainingWork() == 0.0f; });
        EXPECT_NEAR(took, seconds, 2.0f / 60.0f) << level;
        EXPECT_FLOAT_EQ(juicer.GetWorkProgress(), 1.0f);
    }
}

TEST_F(EntityBuildingTest, TheDoorCountsAsOpenOnlyOnceFullyOpen)
{
    EntityBuilding juicer(30);
    juicer.SetDoorRate(EntityBuilding::kDoorRate);
    juicer.Update(0.25f);
    EXPECT_FLOAT_EQ(juicer.GetDoorFrame(), 2.0f);
    EXPECT_FALSE(juicer.IsDoorOpen());
    juicer.Update(0.2499f);
    EXPECT_FALSE(juicer.IsDoorOpen()) << juicer.GetDoorFrame();
    juicer.Update(0.1f);
    EXPECT_EQ(juicer.GetDoorFrame(), 4.0f) << "the clamp reaches 4 exactly";
    EXPECT_TRUE(juicer.IsDoorOpen());
}

TEST_F(EntityBuildingTest, APlanningStepRunsOnlyPastThreeTenthsOfASecond)
{
    EntityBuilding juicer(30);
    juicer.WorkerStep(0.15f);
    juicer.WorkerStep(0.15f);
    EXPECT_FLOAT_EQ(juicer.GetWorkerStepTimer(), 0.3f) << "exactly 0.3 is not yet past it";
    juicer.WorkerStep(0.001f);
    EXPECT_FLOAT_EQ(juicer.GetWorkerStepTimer(), 0.0f);
}

TEST_F(EntityBuildingTest, TheWorkingLookShowsFrameZeroWhenItsSpriteHasNoWorkingFrames)
{
    struct Case
    {
        float time;
        std::size_t frames;
        std::uint16_t frame;
    };
    const Case cases[] = {
        {5.0f, 0, 0},
        {5.0f, 1, 0}, // no division by zero, no wrap
        {0.0f, 2, 1},
        {9.0f, 2, 1},
        {0.0f, 4, 1},
        {1.5f, 4, 2},
        {3.0f, 4, 1},
        {1.0e9f, 4, 2},                                  // a long-running clock stays in range
        {std::numeric_limits<float>::quiet_NaN(), 4, 0}, // and a broken one shows the rest frame
    };
    for (const Case& test : cases)
    {
        EXPECT_EQ(EntityBuilding::WorkingFrame(test.time, test.frames), test.frame)
            << test.time << " " << test.frames;
    }
}

TEST_F(EntityBuildingTest, ARecordReadBackGivesTheSameBytesAndTheSameRun)
{
    auto juicer = Juicer(5, 10, 0);
    juicer->SetUpgradeLevel(1);
    juicer->SetRunsLeft(2);
    juicer->SetRemainingWork(EntityBuilding::kFullWork);
    juicer->SetWorkRate(1.0f);
    SecondsUntil(*juicer, [&] { return juicer->GetRemainingWork() < 60.0f; });
    juicer->SetDoorFrame(2.5f);
    const std::vector<std::uint8_t> saved = Record(*juicer);
    auto copy = Juicer(5, 10, 0);
    Korrin::BinaryReader in(saved);
    copy->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(Record(*copy), saved);
    EXPECT_EQ(copy->GetRunsLeft(), 2);
    EXPECT_EQ(copy->GetRemainingWork(), juicer->GetRemainingWork());
    EXPECT_EQ(copy->GetDoorFrame(), 2.5f);
    // Both finish the run in the same frame.
    const float left = SecondsUntil(*juicer, [&] { return juicer->GetRemainingWork() == 0.0f; });
    EXPECT_EQ(SecondsUntil(*copy, [&] { return copy->GetRemainingWork() == 0.0f; }), left);
}

TEST_F(EntityBuildingTest, HostileRecordsAreRefused)
{
    auto juicer = Juicer(5, 10, 0);
    const std::vector<std::uint8_t> good = Record(*juicer);
    // The entity record takes 11 bytes; then the building's fields from offset 11.
    const std::size_t entityBytes = 11;
    auto withFloat = [&](std::size_t offset, float value)
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        return bytes;
    };
    auto withInt = [&](std::size_t offset, std::int32_t value)
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        return bytes;
    };
    std::vector<std::uint8_t> level = good;
    level[7] = 3; // the upgrade level indexes three level records
    std::vector<std::uint8_t> forSale = good;
    forSale[entityBytes + 12] = 2;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"truncated", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"level 3", level},
        {"for sale 2", forSale},
        {"work progress not finite", withFloat(entityBytes, nan)},
        {"door frame 4.5", withFloat(entityBytes + 13, 4.5f)},
        {"sale timer 1.5", withFloat(entityBytes + 26, 1.5f)},
        {"runs left 3", withInt(entityBytes + 34, 3)},
        {"runs left -2", withInt(entityBytes + 34, -2)},
        {"mesh time infinite", withFloat(entityBytes + 42, std::numeric_limits<float>::infinity())},
    };
    for (const auto& [name, bytes] : cases)
    {
        auto copy = Juicer(5, 10, 0);
        Korrin::BinaryReader in(bytes);
        copy->Load(in);
        EXPECT_FALSE(in.Ok()) << name;
    }
}
