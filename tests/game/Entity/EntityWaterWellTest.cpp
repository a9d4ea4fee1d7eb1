#include "game/Entity/EntityWaterWell.h"

#include "game/Util/HintArrow.h"
#include "tests/game/Entity/GardenPanelFixture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace
{

class EntityWaterWellTest : public TestSupport::GardenPanelFixture
{
protected:
    EntityWaterWellTest()
    {
        mWell.Place(5, 10);
        mWell.Reset();
    }

    // The well's page with the button clicked this frame.
    void Click(const std::string& name)
    {
        mWell.ChangeGui();
        Clicked(name);
        mWell.OnGuiEvent();
        mWidgets.RemoveMessage();
    }

    void EmptyQueue()
    {
        while (mWell.GetTaskCount() > 0)
        {
            mWell.RemoveTask(0, false);
        }
    }

    static std::vector<std::uint8_t> Record(EntityWaterWell& well)
    {
        Korrin::BinaryWriter out;
        well.Save(out);
        return out.Bytes();
    }

    EntityWaterWell mWell;
};

} // namespace

TEST_F(EntityWaterWellTest, ALevelStartsWithThreePrepaidSmallPailsAndItsMoney)
{
    EXPECT_EQ(mTask.money, 1000);
    ASSERT_EQ(mWell.GetTaskCount(), 3u);
    for (std::uint8_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(mWell.GetTask(i), 126);
    }
    EXPECT_EQ(mWell.GetTaskLimit(), 3);
}

TEST_F(EntityWaterWellTest, OrderButtonsOpenByLevelAndMoney)
{
    struct Case
    {
        std::uint16_t level;
        std::int32_t money;
        bool small, medium, large;
    };
    const Case cases[] = {{0, 1000, true, false, false},
                          {1, 1000, true, true, false},
                          {2, 1000, true, true, true},
                          {2, 25, true, false, false},
                          {0, 14, false, false, false}};
    for (const Case& test : cases)
    {
        mWell.SetUpgradeLevel(test.level);
        mTask.money = test.money;
        mWell.ChangeGui();
        EXPECT_EQ(mPanel.GetCurrent(), 2);
        EXPECT_EQ(Open("WAT_TASK1"), test.small) << test.level << " " << test.money;
        EXPECT_EQ(Open("WAT_TASK2"), test.medium) << test.level << " " << test.money;
        EXPECT_EQ(Open("WAT_TASK3"), test.large) << test.level << " " << test.money;
    }
    mWell.SetUpgradeLevel(0);
    mWell.ChangeGui();
    EXPECT_EQ(Caption("WAT_TASK1"), u"15");
    EXPECT_EQ(Caption("WAT_TASK3"), u"") << "a locked order shows no price";
}

TEST_F(EntityWaterWellTest, AFourthOrderIsRefusedAndTheQueueTakesMoreAfterEachUpgrade)
{
    Click("WAT_TASK1");
    EXPECT_EQ(mWell.GetTaskCount(), 3u);
    EXPECT_EQ(mTask.money, 1000) << "a refused order costs nothing";

    // At the unlocked maximum the upgrade is refused before anything is paid.
    Click("WAT_UPGRADE");
    EXPECT_EQ(mWell.GetUpgradeLevel(), 0);
    EXPECT_EQ(mTask.money, 1000);

    mTable.GetCostPtr(Entity::kWaterWell)->upgradeLevel = 2;
    EntityWaterWell well;
    well.Place(3, 10);
    well.Reset();
    const std::int32_t before = mTask.money;
    well.ChangeGui();
    Clicked("WAT_UPGRADE");
    well.OnGuiEvent();
    EXPECT_EQ(well.GetUpgradeLevel(), 1);
    EXPECT_EQ(well.GetTaskLimit(), 4);
    EXPECT_EQ(mTask.money, before - 200);
    well.OnGuiEvent();
    EXPECT_EQ(well.GetUpgradeLevel(), 2);
    EXPECT_EQ(well.GetTaskLimit(), 5);
    const std::int32_t atTop = mTask.money;
    well.OnGuiEvent();
    EXPECT_EQ(well.GetUpgradeLevel(), 2);
    EXPECT_EQ(mTask.money, atTop) << "the last level is not paid for again";
    mWidgets.RemoveMessage();
}

TEST_F(EntityWaterWellTest, TheWinchStopsAtTheTopAndGoesDownOnlyWhenThePailLeaves)
{
    for (int frame = 0; frame < 600; ++frame)
    {
        mWell.Update(1.0f / 60.0f);
        ASSERT_LE(mWell.GetWinding(), EntityWaterWell::kWindingLimit);
    }
    EXPECT_EQ(mWell.GetWinding(), EntityWaterWell::kWindingLimit);

    // The gardener takes the order: the pail stays up until the gardener has lifted it.
    ASSERT_TRUE(mWell.PopTask());
    EXPECT_TRUE(mWell.IsBusy());
    EXPECT_EQ(mWell.GetCurrentKind(), 0);
    EXPECT_EQ(mWell.GetTaskCount(), 2u);
    EXPECT_EQ(mWell.GetWinding(), EntityWaterWell::kWindingLimit);
    mWell.ReleasePail();
    EXPECT_FALSE(mWell.IsBusy());
    EXPECT_EQ(mWell.GetWinding(), 0.0f);

    EmptyQueue();
    mWell.Update(1.0f);
    EXPECT_EQ(mWell.GetWinding(), 0.0f) << "an empty queue leaves the winch down";
    EXPECT_FALSE(mWell.PopTask()) << "nothing to take leaves the well as it is";
    EXPECT_FALSE(mWell.IsBusy());
}

TEST_F(EntityWaterWellTest, TheThiefTakesTheFirstOrderOfAWellThatHasOne)
{
    mWell.Update(1.0f);
    EXPECT_FALSE(mWell.IsEmptyFor(0, 5, 10));
    EXPECT_TRUE(mWell.Interact(0, 5, 10));
    EXPECT_EQ(mWell.GetTaskCount(), 2u);
    EXPECT_EQ(mWell.GetWinding(), 0.0f);
    EXPECT_EQ(mTask.money, 1000) << "a theft refunds nothing";
    EmptyQueue();
    EXPECT_TRUE(mWell.IsEmptyFor(0, 5, 10));
    EXPECT_FALSE(mWell.Interact(0, 5, 10));
}

TEST_F(EntityWaterWellTest, TheArrowPointsAtTheOrdersWhenSelectedAndHangsOverTheWellOtherwise)
{
    EXPECT_EQ(mWell.ArrowPlace(),
              (Korrin::Vector2{mWell.GetX() + 5.0f - 118.0f, mWell.GetY() - 79.0f - 177.0f}));
    mWell.SetPressed(1);
    EXPECT_EQ(mWell.ArrowPlace(), (Korrin::Vector2{369.0f, 497.0f}));
}

TEST_F(EntityWaterWellTest, ARecordReadsBackAndHostileOnesAreRefused)
{
    mWell.Update(0.5f);
    ASSERT_TRUE(mWell.PopTask());
    const std::vector<std::uint8_t> good = Record(mWell);
    {
        EntityWaterWell loaded;
        Korrin::BinaryReader in(good);
        loaded.Load(in);
        ASSERT_TRUE(in.Ok());
        EXPECT_TRUE(in.AtEnd());
        EXPECT_EQ(Record(loaded), good);
    }
    // busy, kind, winding, reserved word end the record.
    const std::size_t busy = good.size() - 10;
    const auto withFloat = [&good](float value)
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + bytes.size() - 8, &value, sizeof value);
        return bytes;
    };
    std::vector<std::uint8_t> twoBusy = good;
    twoBusy[busy] = 2;
    std::vector<std::uint8_t> fourthKind = good;
    fourthKind[busy + 1] = 3;
    const std::vector<std::vector<std::uint8_t>> hostile = {
        twoBusy,
        fourthKind,
        withFloat(17.5f),
        withFloat(-1.0f),
        withFloat(std::numeric_limits<float>::quiet_NaN()),
        std::vector<std::uint8_t>(good.begin(), good.end() - 1)};
    for (std::size_t i = 0; i < hostile.size(); ++i)
    {
        EntityWaterWell loaded;
        Korrin::BinaryReader in(hostile[i]);
        loaded.Load(in);
        EXPECT_FALSE(in.Ok()) << i;
    }
}
