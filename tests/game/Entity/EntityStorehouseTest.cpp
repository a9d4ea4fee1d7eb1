#include "game/Entity/EntityStorehouse.h"

#include "engine/Particle/ParticleSystemList.h"
#include "tests/game/Entity/StoreLevelFixture.h"

#include <gtest/gtest.h>

namespace
{

// The storehouse of the sample level, its map-shop upgrades bought up to `unlocked`.
class StorehouseTest : public TestSupport::StoreLevelTest
{
protected:
    explicit StorehouseTest(std::uint16_t unlocked = 0)
        : StoreLevelTest([unlocked](TableCost& table, TestSupport::LevelFileBuilder&)
                         { table.GetCostPtr(Entity::kStorehouse)->upgradeLevel = unlocked; })
    {
    }

    std::vector<std::size_t> OpenBoxes() const
    {
        std::vector<std::size_t> open;
        const auto& cells = mStorehouse->GetCells().GetCells();
        for (std::size_t i = 0; i < cells.size(); ++i)
        {
            if (cells[i].unlocked != 0)
            {
                open.push_back(i);
            }
        }
        return open;
    }
};

class UnlockedStorehouseTest : public StorehouseTest
{
protected:
    UnlockedStorehouseTest() : StorehouseTest(3) {}
};

} // namespace

TEST_F(UnlockedStorehouseTest, EachLevelOpensTheNextRowOfBoxes)
{
    ASSERT_NE(mStorehouse, nullptr);
    EXPECT_EQ(OpenBoxes(), (std::vector<std::size_t>{0, 1, 2}));
    StoreCellManager& boxes = mStorehouse->GetCells();
    for (int n = 0; n < 3; ++n)
    {
        EXPECT_TRUE(boxes.PutGoods(84));
    }
    EXPECT_FALSE(boxes.PutGoods(84)) << "level 0 has one row of boxes";
    ASSERT_TRUE(mStorehouse->Upgrade());
    EXPECT_EQ(OpenBoxes(), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(boxes.PutGoods(85));
    EXPECT_EQ(boxes.GetCells()[3].goods, 85);
    ASSERT_TRUE(mStorehouse->Upgrade());
    ASSERT_TRUE(mStorehouse->Upgrade());
    EXPECT_EQ(OpenBoxes().size(), 12u);
    EXPECT_FALSE(mStorehouse->Upgrade()) << "the last level";
    EXPECT_EQ(mStorehouse->GetUpgradeLevel(), 3);
}

TEST_F(StorehouseTest, TheArrowPointsAtTheFlagUntilABoxIsFreeAgain)
{
    StoreCellManager& boxes = mStorehouse->GetCells();
    mStorehouse->Update(0.1f);
    EXPECT_FALSE(mStorehouse->IsFull());
    for (std::uint8_t goods : {84, 85, 86})
    {
        boxes.PutGoodsInstant(goods);
    }
    mStorehouse->Update(0.1f);
    EXPECT_TRUE(mStorehouse->IsFull());
    ASSERT_TRUE(boxes.PickItemAnimatedById(85));
    mStorehouse->Update(0.1f);
    EXPECT_TRUE(mStorehouse->IsFull()) << "a box whose goods are leaving is not free yet";
    mStorehouse->Update(0.5f);
    mStorehouse->Update(0.0f);
    EXPECT_FALSE(mStorehouse->IsFull());
}

TEST_F(StorehouseTest, TheFlagOpensTheWindowAndTheBuildingIsSelected)
{
    const Korrin::Rect flag = mStorehouse->GetFlagRect();
    const Korrin::Vector2 onFlag{(flag.left + flag.right) / 2.0f, (flag.top + flag.bottom) / 2.0f};
    Frame(onFlag, false);
    EXPECT_EQ(mStorehouse->GetHover(), EntityStorehouse::kFlagHover);
    Frame(onFlag, true);
    EXPECT_EQ(mLevel.GetPendingObject(), nullptr) << "the flag selects nothing";
    EXPECT_EQ(mStorehouse->GetPressed(), -1);

    const Korrin::Rect body = mStorehouse->GetRect();
    Click({body.left + 30.0f, body.bottom - 10.0f});
    EXPECT_EQ(mLevel.GetPendingObject(), mStorehouse);
    EXPECT_EQ(mPanel.GetCurrent(), 4);
    EXPECT_EQ(mPanel.GetIconIndex(), 12);
    EXPECT_EQ(mPanel.GetUpgradeMax(), 4u);
    ASSERT_NE(Button("STOREHOUSE_UPGRADE"), nullptr);
    EXPECT_TRUE(Button("STOREHOUSE_UPGRADE")->IsDisabled()) << "locked until the map shop sells it";
    PressButton("STOREHOUSE_SHOP");
    EXPECT_EQ(mLevel.GetPendingObject(), nullptr) << "the window's button drops the selection";
}

TEST_F(StorehouseTest, EachSideHasItsFlagBesideTheBuilding)
{
    const float x = mStorehouse->GetX();
    const float y = mStorehouse->GetY();
    struct Case
    {
        std::uint8_t side;
        float flagLeft;
        float bodyLeft;
        std::int32_t beside;
    };
    const std::int32_t i = mStorehouse->GetWalkI();
    for (const Case& test : {Case{0, x + 120.0f, x, i + 2}, Case{1, x - 70.0f, x + 5.0f, i - 1}})
    {
        mStorehouse->SetSide(test.side);
        mStorehouse->Reset();
        EXPECT_EQ(mStorehouse->IsMirrored(), test.side == 1);
        EXPECT_EQ(mStorehouse->GetFlagRect().left, test.flagLeft);
        EXPECT_EQ(mStorehouse->GetFlagRect().top, y - 151.0f);
        EXPECT_EQ(mStorehouse->GetRect().left, test.bodyLeft);
        WalkTarget target;
        mStorehouse->GetWalkTarget(&target, EntityStorehouse::kBesideDoorMode);
        EXPECT_EQ(target.I, test.beside);
        mStorehouse->GetWalkTarget(&target, 0);
        EXPECT_EQ(target.I, i);
    }
    // A side the level did not set comes from the column: column 12 is right of the middle.
    mStorehouse->SetSide(Entity::kNoSide);
    mStorehouse->Reset();
    EXPECT_EQ(mStorehouse->GetSide(), 1);
}

TEST_F(StorehouseTest, AnUpgradeThatCannotBeBoughtTakesNoMoney)
{
    Task().money = 5000;
    const Korrin::Rect body = mStorehouse->GetRect();
    Click({body.left + 30.0f, body.bottom - 10.0f});
    ASSERT_EQ(mLevel.GetPendingObject(), mStorehouse);
    PressButton("STOREHOUSE_UPGRADE");
    EXPECT_EQ(Task().money, 5000);
    EXPECT_EQ(mStorehouse->GetUpgradeLevel(), 0);
}

TEST_F(UnlockedStorehouseTest, ABoughtUpgradeIsPaidAndOpensARow)
{
    Task().money = 450;
    const Korrin::Rect body = mStorehouse->GetRect();
    Click({body.left + 30.0f, body.bottom - 10.0f});
    ASSERT_FALSE(Button("STOREHOUSE_UPGRADE")->IsDisabled());
    PressButton("STOREHOUSE_UPGRADE");
    EXPECT_EQ(Task().money, 50) << "the price of level 1";
    EXPECT_EQ(mStorehouse->GetUpgradeLevel(), 1);
    EXPECT_EQ(mPanel.GetIconIndex(), 13) << "the page shows the new level";
    EXPECT_TRUE(Button("STOREHOUSE_UPGRADE")->IsDisabled()) << "the next level costs more than is left";
    PressButton("STOREHOUSE_UPGRADE");
    EXPECT_EQ(Task().money, 50);
    EXPECT_EQ(mStorehouse->GetUpgradeLevel(), 1);
}

TEST_F(StorehouseTest, TheThiefTakesFromAnyBoxOnlyWhileAnOpenBoxHoldsGoods)
{
    std::vector<StoreCell>& cells = mStorehouse->GetCells().GetCells();
    cells[7].goods = 88;
    EXPECT_TRUE(mStorehouse->IsEmptyFor(0, 0, 0)) << "goods in a locked box do not draw the thief";
    EXPECT_TRUE(mStorehouse->Interact(0, 0, 0));
    EXPECT_EQ(cells[7].goods, 88);
    cells[1].goods = 84;
    EXPECT_FALSE(mStorehouse->IsEmptyFor(0, 0, 0));
    const std::size_t effectsBefore = mLevel.GetEntityManager()->GetParticles().GetCount();
    EXPECT_TRUE(mStorehouse->Interact(0, 0, 0));
    EXPECT_EQ((cells[1].goods == 0) + (cells[7].goods == 0), 1) << "one box is robbed";
    EXPECT_EQ(mLevel.GetEntityManager()->GetParticles().GetCount(), effectsBefore + 1) << "the stealing puff";
}

TEST_F(StorehouseTest, TheFlagWavesFromTheSharedGenerator)
{
    EntityStorehouse::FlagWave& wave = EntityStorehouse::SharedWave();
    wave = {};
    Korrin::SeedRand(7);
    // Once a second one chance in five starts a wave; a wave runs at six frames a second.
    bool waved = false;
    for (int frame = 0; frame < 60 * 60 && !waved; ++frame)
    {
        EntityStorehouse::StepWave(1.0f / 60.0f, 20);
        waved = wave.state != 0;
    }
    ASSERT_TRUE(waved);
    const std::uint8_t state = wave.state;
    EXPECT_NEAR(wave.frame, (state == 1 ? 0.0f : 10.0f) + 0.1f, 1e-4f) << "it starts and moves on at once";
    for (int frame = 0; frame < 60 * 4; ++frame)
    {
        EntityStorehouse::StepWave(1.0f / 60.0f, 20);
        EXPECT_LE(wave.frame, 20.0f + 0.1f);
        if (wave.state == 0)
        {
            break;
        }
    }
    EXPECT_EQ(wave.state, 0) << "a wave ends after its frames";
    wave = {};
}

TEST_F(UnlockedStorehouseTest, AContinuedLevelKeepsItsRowsAndPictures)
{
    ASSERT_TRUE(mStorehouse->Upgrade());
    ASSERT_TRUE(mStorehouse->Upgrade());
    mStorehouse->GetCells().PutGoodsInstant(86);
    Korrin::BinaryWriter out;
    mStorehouse->Save(out);
    EXPECT_EQ(out.Bytes().size(),
              StoreCellManager::kBlockHeaderBytes + 12 * StoreCellManager::kCellBytes + 2);

    mStorehouse->Reset();
    ASSERT_EQ(mStorehouse->GetUpgradeLevel(), 0);
    Korrin::BinaryReader in(out.Bytes());
    mStorehouse->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(mStorehouse->GetUpgradeLevel(), 2);
    EXPECT_EQ(OpenBoxes().size(), 9u);
    EXPECT_EQ(mStorehouse->GetCells().GetCells()[0].goods, 86);
}
