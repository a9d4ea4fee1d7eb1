#include "game/Entity/Entity.h"

#include "engine/File/FileSysManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Script/LuaScript.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityStartShelf.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

class EntityTest : public testing::Test
{
protected:
    // A garden bed whose kind the map shop has unlocked up to `unlocked`.
    std::unique_ptr<EntityGarden> Garden(std::uint16_t unlocked)
    {
        mTable.GetCostPtr(Entity::kGarden)->upgradeLevel = unlocked;
        return std::make_unique<EntityGarden>();
    }
    static std::vector<std::uint8_t> Record(Entity& entity)
    {
        Korrin::BinaryWriter out;
        entity.Save(out);
        return out.Bytes();
    }

    TestSupport::LogCapture mLog;
    TableCost mTable;
    LevelTaskInfo mTask;
};

} // namespace

TEST_F(EntityTest, ThePointTestTakesEveryEdge)
{
    EntityStartShelf shelf;
    shelf.SetRect({10.0f, 20.0f, 30.0f, 40.0f});
    struct Case
    {
        float x, y;
        bool inside;
    };
    const Case cases[] = {{10.0f, 30.0f, true},  {30.0f, 30.0f, true},   {20.0f, 20.0f, true},
                          {20.0f, 40.0f, true},  {10.0f, 20.0f, true},   {30.0f, 40.0f, true},
                          {9.99f, 30.0f, false}, {30.01f, 30.0f, false}, {20.0f, 19.99f, false},
                          {20.0f, 40.01f, false}};
    for (const Case& test : cases)
    {
        shelf.ClearHover();
        EXPECT_EQ(shelf.IsPointInside({test.x, test.y}), test.inside) << test.x << "," << test.y;
        EXPECT_EQ(shelf.GetHover(), test.inside ? 1 : -1) << test.x << "," << test.y;
    }
}

TEST_F(EntityTest, AnUpgradeStopsAtTheUnlockedMaximum)
{
    auto garden = Garden(2);
    garden->SetUpgradeLevel(1);
    EXPECT_TRUE(garden->Upgrade());
    EXPECT_EQ(garden->GetUpgradeLevel(), 2);
    EXPECT_FALSE(garden->Upgrade());
    EXPECT_EQ(garden->GetUpgradeLevel(), 2);
    auto locked = Garden(0);
    EXPECT_FALSE(locked->Upgrade()) << "a new player has no in-level upgrades";
    EXPECT_EQ(locked->GetUpgradeLevel(), 0);
}

TEST_F(EntityTest, AMissingPriceRecordIsLoggedAndLeavesTheZeroRecord)
{
    mTable.Records().erase(Entity::kGarden);
    EntityGarden garden;
    EXPECT_NE(mLog.Text().find("Don't find cost"), std::string::npos);
    EXPECT_TRUE(garden.GetCost().rows.empty());
    EXPECT_EQ(CostRecord::GetLevelValue(3, garden.GetCost()), 0);
}

TEST_F(EntityTest, TheRecordOfAnEmptyQueueIsItsCountThenItsLimit)
{
    auto garden = Garden(0);
    garden->SetUpgradeLevel(3);
    garden->SetSide(1);
    // The entity's part of the record; the garden's own fields follow it.
    const std::vector<std::uint8_t> record = Record(*garden);
    ASSERT_GE(record.size(), 11u);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + 11),
              (std::vector<std::uint8_t>{1, 5, 0, 0, 0, 0, 5, 3, 0, 1, 0}));
}

TEST_F(EntityTest, ARecordReadBackGivesTheSameBytes)
{
    mTask.money = 1000;
    auto garden = Garden(0);
    garden->AddTask(84);
    garden->AddTask(86);
    garden->SetTaskLimit(4);
    garden->SetUpgradeLevel(2);
    const std::vector<std::uint8_t> saved = Record(*garden);
    auto copy = Garden(0);
    Korrin::BinaryReader in(saved);
    copy->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(copy->GetTaskCount(), 2u);
    EXPECT_EQ(copy->GetTask(1), 86);
    EXPECT_EQ(copy->GetTaskLimit(), 4);
    EXPECT_EQ(Record(*copy), saved);
}

TEST_F(EntityTest, HostileRecordsAreRefused)
{
    auto garden = Garden(0);
    const std::vector<std::uint8_t> good = Record(*garden); // 1 5 | 0 0 0 0 | 5 | 0 0 | 255 | 0
    struct Case
    {
        const char* name;
        std::size_t offset;
        std::vector<std::uint8_t> patch;
    };
    const Case cases[] = {
        {"another type code", 1, {10}},
        {"selectable flag of 2", 0, {2}},
        {"six queued orders", 2, {6, 0, 0, 0}},
        {"a count past the record", 2, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"a limit of 6", 6, {6}},
        {"an upgrade level past the garden's last", 7, {5, 0}},
        {"side 2", 9, {2}},
    };
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> hostile = good;
        std::copy(test.patch.begin(), test.patch.end(), hostile.begin() + static_cast<long>(test.offset));
        auto target = Garden(0);
        Korrin::BinaryReader in(hostile);
        target->Load(in);
        EXPECT_FALSE(in.Ok()) << test.name;
    }
    for (std::size_t length = 0; length < good.size(); ++length)
    {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(length));
        auto target = Garden(0);
        Korrin::BinaryReader in(cut);
        target->Load(in);
        EXPECT_FALSE(in.Ok()) << "cut at " << length;
    }
}

TEST_F(EntityTest, OrdersArePaidWhenQueuedAndRefusedWithoutMoneyOrRoom)
{
    auto garden = Garden(0);
    mTask.money = 15; // seeds 84 and 85 cost 5 and 10
    EXPECT_TRUE(garden->AddTask(85));
    EXPECT_TRUE(garden->AddTask(84));
    EXPECT_EQ(mTask.money, 0) << "exact money is enough";
    EXPECT_FALSE(garden->AddTask(84));
    EXPECT_EQ(garden->GetTaskCount(), 2u);
    EXPECT_TRUE(garden->AddTask(7)) << "an id outside the goods costs nothing";
    garden->SetTaskLimit(3);
    EXPECT_FALSE(garden->AddTask(7)) << "at the limit";
    EXPECT_EQ(garden->GetTask(2), 7);
    EXPECT_EQ(garden->GetTask(3), 0) << "past the end";
    EXPECT_FALSE(garden->RemoveTask(3, true));
    EXPECT_EQ(mTask.money, 0);
}

TEST_F(EntityTest, ACancelledOrderIsRefundedAndTheOthersStay)
{
    auto garden = Garden(0);
    mTask.money = 35;
    garden->AddTask(84);
    garden->AddTask(85);
    garden->AddTask(86); // 20
    ASSERT_EQ(mTask.money, 0);
    EXPECT_TRUE(garden->RemoveTask(2, true));
    EXPECT_EQ(mTask.money, 20);
    EXPECT_EQ(garden->GetTaskCount(), 2u);
    EXPECT_EQ(garden->GetTask(0), 84);
    EXPECT_EQ(garden->GetTask(1), 85);
    EXPECT_TRUE(garden->RemoveTask(0, false));
    EXPECT_EQ(mTask.money, 20) << "a worked-off order gives nothing back";
    EXPECT_EQ(garden->GetTask(0), 85);
}

TEST_F(EntityTest, WalkTargetIsTheWalkCellAndANullRecordIsNoFault)
{
    EntityStartShelf shelf;
    shelf.Place(4, 7);
    WalkTarget target;
    EXPECT_TRUE(shelf.GetWalkTarget(&target, 1));
    EXPECT_EQ(target.I, 4);
    EXPECT_EQ(target.J, 7);
    EXPECT_EQ(target.entity, &shelf);
    EXPECT_TRUE(shelf.GetWalkTarget(nullptr, 0));
}

TEST_F(EntityTest, TheUpgradeButtonShowsTheSmileTheLockOrThePriceAgainstTheMoney)
{
    TestSupport::TempFolder folder("upgrade-button");
    folder.Write("layout.lua", "Upgrade = { }");
    Korrin::FileSysManager files(folder.Path());
    Korrin::LuaScript script;
    ASSERT_EQ(script.LoadFile("layout.lua", Korrin::LuaScript::IfMissing::Report),
              Korrin::LuaScript::LoadResult::Ran);
    Korrin::GuiButton button(script.GetGlobal("Upgrade"));
    struct Case
    {
        std::uint16_t level;
        std::uint16_t unlocked;
        std::int32_t money;
        std::u16string caption;
        bool disabled;
    };
    const Case cases[] = {
        {4, 4, 1000, u"\u263A", true}, // the garden's last level
        {1, 1, 1000, u"", true},       // at the unlocked maximum
        {1, 3, 124, u"125", true},     // the money does not reach
        {1, 3, 125, u"125", false},
    };
    for (const Case& test : cases)
    {
        auto garden = Garden(test.unlocked);
        garden->SetUpgradeLevel(test.level);
        mTask.money = test.money;
        button.SetCaptionW(u"old");
        garden->SetUpgradeButton(125, &button);
        EXPECT_EQ(button.GetText(Korrin::GuiButton::kNormal).mCaption, test.caption) << test.level;
        EXPECT_EQ(button.IsDisabled(), test.disabled) << test.level << " " << test.money;
    }
}
