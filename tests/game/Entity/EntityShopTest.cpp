#include "game/Entity/EntityShop.h"

#include "engine/Particle/ParticleSystemList.h"
#include "game/Entity/BuyerWishFrames.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Game/TableCost.h"
#include "game/Profile.h"
#include "tests/game/Entity/EntityShopTestAccess.h"
#include "tests/game/Entity/StoreLevelFixture.h"

#include <gtest/gtest.h>

namespace
{

struct ShopSetting
{
    bool rightHalf = true;
    // The levels the map shop has unlocked: the shop's own, the left and the right half's.
    std::uint16_t shop = 0;
    std::uint16_t left = 0;
    std::uint16_t right = 0;
};

// The shop of the sample level.
class ShopTest : public TestSupport::StoreLevelTest
{
protected:
    explicit ShopTest(ShopSetting setting = {})
        : StoreLevelTest(
              [setting](TableCost& table, TestSupport::LevelFileBuilder&)
              {
                  table.GetCostPtr(EntityShop::kRightHalfCost)->owned = setting.rightHalf ? 1 : 0;
                  table.GetCostPtr(Entity::kShop)->upgradeLevel = setting.shop;
                  table.GetCostPtr(EntityShop::kLeftHalfCost)->upgradeLevel = setting.left;
                  table.GetCostPtr(EntityShop::kRightHalfCost)->upgradeLevel = setting.right;
              })
    {
    }

    std::vector<std::size_t> OpenCells() const
    {
        std::vector<std::size_t> open;
        const auto& cells = mShop->GetCells().GetCells();
        for (std::size_t i = 0; i < cells.size(); ++i)
        {
            if (cells[i].unlocked != 0)
            {
                open.push_back(i);
            }
        }
        return open;
    }
    StoreCell& Cell(std::size_t i) { return mShop->GetCells().GetCells()[i]; }
    // Settled goods in a cell, reserved for a buyer or for nobody.
    void Put(std::size_t i, std::uint8_t goods, std::uint16_t buyer = 0)
    {
        StoreCell& cell = Cell(i);
        cell.goods = goods;
        cell.buyer = buyer;
        cell.animation = StoreCellManager::kFullValue;
        cell.fadeRate = 0.0f;
    }
    Korrin::Vector2 Point(float dx, float dy) const { return {mShop->GetX() + dx, mShop->GetY() + dy}; }

    Profile mProfile;
};

class ShopWithoutRightHalfTest : public ShopTest
{
protected:
    ShopWithoutRightHalfTest() : ShopTest({false}) {}
};

class UnlockedShopTest : public ShopTest
{
protected:
    UnlockedShopTest() : ShopTest({true, 4, 2, 1}) {}
};

} // namespace

TEST_F(ShopTest, AFreshShopOpensTheFirstRowOfEachHalf)
{
    ASSERT_NE(mShop, nullptr);
    EXPECT_EQ(mShop->GetUpgradeLevel(), 0);
    EXPECT_EQ(OpenCells(), (std::vector<std::size_t>{0, 1, 2, 3}));
    const Korrin::Rect rect = mShop->GetRect();
    EXPECT_EQ(rect.left, mShop->GetX() - 13.0f);
    EXPECT_EQ(rect.bottom, mShop->GetY() + 10.0f);
    // The cells stand in the shelves that "shop.lua" places: column 1 is 31.5 right of column 0, each row
    // 33 lower and 2 further right.
    EXPECT_EQ(Cell(1).x - Cell(0).x, 31.5f);
    EXPECT_EQ(Cell(4).y - Cell(0).y, 33.0f);
    EXPECT_EQ(Cell(4).x - Cell(0).x, 2.0f);
    EXPECT_EQ(Cell(2).x - Cell(0).x, mShop->GetRightBoxOffset().x - mShop->GetLeftBoxOffset().x);
}

TEST_F(ShopWithoutRightHalfTest, WithoutItsRightHalfOnlyTheLeftRowOpens)
{
    EXPECT_FALSE(mShop->HasRightHalf());
    EXPECT_EQ(OpenCells(), (std::vector<std::size_t>{0, 1}));
    // The right box's place is no zone: the shop's own rectangle ends at X + 127.
    EXPECT_FALSE(mShop->IsPointInside(Point(150.0f, -50.0f)));
    ASSERT_TRUE(mShop->UpgradeRight());
    EXPECT_EQ(OpenCells(), (std::vector<std::size_t>{0, 1})) << "a missing half opens no row";
}

TEST_F(UnlockedShopTest, EachRowLevelOpensTheNextRowOfItsHalf)
{
    ASSERT_TRUE(mShop->UpgradeLeft());
    EXPECT_EQ(OpenCells(), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
    ASSERT_TRUE(mShop->UpgradeLeft());
    EXPECT_EQ(OpenCells(), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 8, 9}));
    const std::size_t effects = GameParticleManager::Peek()->GetQueue()->GetCount();
    EXPECT_FALSE(mShop->UpgradeLeft()) << "row level 2 is the record's last";
    EXPECT_EQ(mShop->GetLeftRowLevel(), 2);
    EXPECT_EQ(GameParticleManager::Peek()->GetQueue()->GetCount(), effects) << "no sparkle for nothing";
    ASSERT_TRUE(mShop->UpgradeRight());
    EXPECT_EQ(OpenCells(), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ShopTest, TheBoxesAreTestedBeforeTheShopAndTheirEdgesCount)
{
    struct Case
    {
        float dx, dy;
        std::int32_t zone;
    };
    // The left box reaches X - 14; the shop's rectangle starts at X - 13 (and also covers the overlap in y).
    const Case cases[] = {{-98.0f, -120.0f, 2}, {-14.0f, 10.0f, 2},   {-13.0f, -50.0f, 1},
                          {127.0f, -180.0f, 1}, {128.0f, -120.0f, 3}, {212.0f, 10.0f, 3},
                          {213.0f, 0.0f, -1},   {-99.0f, 0.0f, -1},   {50.0f, 11.0f, -1}};
    for (const Case& test : cases)
    {
        mShop->ClearHover();
        EXPECT_EQ(mShop->IsPointInside(Point(test.dx, test.dy)), test.zone != -1)
            << test.dx << "," << test.dy;
        EXPECT_EQ(mShop->GetHover(), test.zone) << test.dx << "," << test.dy;
    }
}

TEST_F(ShopTest, AClickOnABoxSelectsTheShopWithTheShelfPage)
{
    Click(Point(-50.0f, -40.0f));
    EXPECT_EQ(mLevel.GetPendingObject(), mShop);
    EXPECT_EQ(mShop->GetPressed(), EntityShop::kZoneLeftBox);
    EXPECT_EQ(mPanel.GetCurrent(), GamePanel::kShopStorePage);
    EXPECT_EQ(mPanel.GetUpgradeMax(), 3u);
    EXPECT_EQ(mPanel.GetIconIndex(), 9);
    Click(Point(60.0f, -100.0f));
    EXPECT_EQ(mShop->GetPressed(), EntityShop::kZoneBody);
    EXPECT_EQ(mPanel.GetCurrent(), 5);
    EXPECT_EQ(mPanel.GetUpgradeMax(), 5u);
    EXPECT_EQ(mPanel.GetIconIndex(), 54);
}

TEST_F(UnlockedShopTest, TheUpgradeButtonShowsThePriceTheLockOrTheSmile)
{
    Click(Point(170.0f, -40.0f)); // the right half: row level 0, unlocked up to 1, last level 2
    Korrin::GuiButton* button = Button("SHOP_UPGRADE");
    ASSERT_NE(button, nullptr);
    Task().money = 100;
    mShop->ChangeGui();
    EXPECT_TRUE(button->IsDisabled()) << "350 is more than the money";
    Task().money = 350;
    mShop->ChangeGui();
    EXPECT_FALSE(button->IsDisabled());
    PressButton("SHOP_UPGRADE");
    EXPECT_EQ(Task().money, 0);
    EXPECT_EQ(mShop->GetRightRowLevel(), 1);
    EXPECT_TRUE(button->IsDisabled()) << "row level 1 is the unlocked maximum";
    Task().money = 5000;
    PressButton("SHOP_UPGRADE");
    EXPECT_EQ(Task().money, 5000) << "a level that cannot be bought takes no money";
    EXPECT_EQ(mShop->GetRightRowLevel(), 1);

    Click(Point(-50.0f, -40.0f)); // the left half: bought up to its last level
    ASSERT_EQ(mShop->GetPressed(), EntityShop::kZoneLeftBox);
    ASSERT_EQ(mShop->GetLeftRowLevel(), 0);
    ASSERT_TRUE(mShop->UpgradeLeft());
    ASSERT_TRUE(mShop->UpgradeLeft());
    mShop->ChangeGui();
    EXPECT_TRUE(button->IsDisabled());
    PressButton("SHOP_UPGRADE");
    EXPECT_EQ(Task().money, 5000);
}

TEST_F(UnlockedShopTest, TheShopsLevelsSpeedTheCompanionUp)
{
    mShop->SetUpgradeLevel(2);
    EXPECT_EQ(mShop->GetSpeedFactor(), 1.0f) << "only an upgrade changes the pace";
    mShop->SetUpgradeLevel(0);
    Click(Point(60.0f, -100.0f));
    Task().money = 100000;
    const float speeds[] = {1.4f, 1.6f, 1.8f, 2.0f};
    for (float speed : speeds)
    {
        PressButton("SHOP_UPGRADE");
        EXPECT_EQ(mShop->GetSpeedFactor(), speed);
    }
    EXPECT_EQ(mShop->GetUpgradeLevel(), 4);
    EXPECT_EQ(Task().money, 100000 - 500 - 1000 - 2000 - 4000);
    PressButton("SHOP_UPGRADE");
    EXPECT_EQ(Task().money, 100000 - 7500) << "the last level is not bought again";
}

TEST_F(ShopTest, TheThiefRobsAHalfOnlyWhileItOffersGoods)
{
    EXPECT_TRUE(mShop->IsEmptyFor(1, 0, 0));
    EXPECT_TRUE(mShop->Interact(1, 0, 0)) << "an empty half still answers true";
    Put(2, 85);
    Put(7, 86); // a locked cell of the right half counts
    EXPECT_TRUE(mShop->IsEmptyFor(1, 0, 0));
    EXPECT_FALSE(mShop->IsEmptyFor(0, 0, 0));
    Korrin::SeedRand(3);
    EXPECT_TRUE(mShop->Interact(1, 0, 0));
    EXPECT_EQ(Cell(2).goods, 85) << "side 1 robs the left half";
    const std::size_t effects = mLevel.GetEntityManager()->GetParticles().GetCount();
    EXPECT_TRUE(mShop->Interact(0, 0, 0));
    EXPECT_EQ((Cell(2).goods == 0) + (Cell(7).goods == 0), 1);
    EXPECT_EQ(mLevel.GetEntityManager()->GetParticles().GetCount(), effects + 1);
}

TEST_F(ShopTest, WalkTargetsForBuyersAndTheThief)
{
    const std::int32_t i = mShop->GetWalkI();
    const std::int32_t j = mShop->GetWalkJ();
    struct Case
    {
        std::uint8_t mode;
        std::int32_t expected;
    };
    // The sample floor runs under the whole row, so the thief's far cells are usable.
    for (const Case& test : {Case{0, i + 1}, Case{51, i - 2}, Case{52, i + 3}, Case{7, i}})
    {
        WalkTarget target;
        EXPECT_TRUE(mShop->GetWalkTarget(&target, test.mode));
        EXPECT_EQ(target.I, test.expected) << int(test.mode);
        EXPECT_EQ(target.J, j);
        EXPECT_EQ(target.entity, mShop);
    }
}

TEST_F(ShopTest, AWishlessBuyerTakesTheFirstGoodsFromTheSearchStart)
{
    Put(0, 84);
    Put(1, 85);
    Put(2, 84);
    struct Case
    {
        std::uint32_t wanted;
        std::vector<std::uint16_t> buyers; // of cells 0, 1, 2
        std::uint16_t reserved;
        std::uint32_t nextStart;
    };
    for (const Case& test : {Case{2, {1, 0, 1}, 2, 3}, Case{1, {1, 0, 0}, 1, 1}})
    {
        for (std::size_t i = 0; i < 3; ++i)
        {
            Cell(i).buyer = 0;
        }
        EntityShopTestAccess::SetSearchStart(*mShop, 0);
        std::int32_t wish = -1;
        std::uint16_t reserved = 0;
        EXPECT_TRUE(EntityShopTestAccess::Reserve(*mShop, wish, test.wanted, reserved, 1, true));
        EXPECT_EQ(wish, 84);
        EXPECT_EQ(reserved, test.reserved);
        EXPECT_EQ(mShop->GetSearchStart(), test.nextStart);
        for (std::size_t i = 0; i < 3; ++i)
        {
            EXPECT_EQ(Cell(i).buyer, test.buyers[i]) << test.wanted << ": cell " << i;
        }
    }
    // The next buyer admitted starts at cell 1: goods 85.
    std::int32_t wish = -1;
    std::uint16_t reserved = 0;
    EXPECT_TRUE(EntityShopTestAccess::Reserve(*mShop, wish, 2, reserved, 2, false));
    EXPECT_EQ(wish, 85);
    EXPECT_EQ(Cell(1).buyer, 2);
    EXPECT_EQ(mShop->GetSearchStart(), 1u) << "without advancing the start stays";
}

TEST_F(ShopTest, NoCellOffersAnythingAndTheBuyerStaysWithoutAWish)
{
    Put(4, 84);    // a locked row
    Put(1, 85, 9); // reserved for another buyer
    Put(2, 86);
    Cell(2).fadeRate = -1.0f; // leaving
    EXPECT_TRUE(mShop->IsEmpty());
    std::int32_t wish = -1;
    std::uint16_t reserved = 0;
    EXPECT_FALSE(EntityShopTestAccess::Reserve(*mShop, wish, 1, reserved, 1, true));
    EXPECT_EQ(wish, -1);
    EXPECT_EQ(reserved, 0);
}

// Goods that the bubble has no picture for are on offer like any other: a buyer without a wish takes
// them, though its bubble stays empty.
TEST_F(ShopTest, AWishlessBuyerTakesGoodsThatNoBubbleShows)
{
    Put(3, 126); // water
    EXPECT_FALSE(mShop->IsEmpty());
    std::int32_t wish = -1;
    std::uint16_t reserved = 0;
    EXPECT_TRUE(EntityShopTestAccess::Reserve(*mShop, wish, 1, reserved, 1, true));
    EXPECT_EQ(wish, 126);
    EXPECT_EQ(reserved, 1);
    EXPECT_EQ(Cell(3).buyer, 1);
}

// Every goods the shop pays for shows in the bubble: the picture's frames cover each one's wish.
TEST_F(ShopTest, EveryGoodsWithASalePriceHasABubbleFrame)
{
    for (int goods = 84; goods <= 128; ++goods)
    {
        if (TableCost::GetSalePrice(static_cast<std::uint8_t>(goods)) == 0)
        {
            continue;
        }
        std::int32_t frame = -1;
        EXPECT_TRUE(BuyerWishFrames::FrameOfWish(goods, frame)) << goods;
        EXPECT_GE(frame, 0) << goods;
        EXPECT_LT(frame, 38) << goods << ": the bubble picture has 38 frames";
    }
}

TEST_F(ShopTest, ABuyerWithAWishTakesFreeCellsOfItsGoodsWhereverTheyAre)
{
    Put(0, 86, 5);
    Put(8, 86); // locked
    Put(9, 86);
    Cell(9).fadeRate = -1.0f; // leaving
    Put(10, 86, 6);           // another buyer's
    std::uint16_t reserved = 0;
    std::int32_t wish = 86;
    EXPECT_TRUE(EntityShopTestAccess::Reserve(*mShop, wish, 3, reserved, 5, false));
    EXPECT_EQ(reserved, 3);
    EXPECT_EQ(Cell(8).buyer, 5);
    EXPECT_EQ(Cell(9).buyer, 5);
    EXPECT_EQ(Cell(10).buyer, 6);
    EXPECT_FALSE(EntityShopTestAccess::Reserve(*mShop, wish, 4, reserved, 5, false))
        << "a fourth unit is nowhere";
    EXPECT_EQ(reserved, 3);
}

TEST_F(ShopTest, ChoosingASideCountsTheBuyersStayingCellsAndATieGoesLeft)
{
    Put(0, 84, 3);
    Put(2, 84, 3);
    EXPECT_EQ(mShop->ChooseSide(3), 1) << "a tie goes left";
    Put(3, 84, 3);
    EXPECT_EQ(mShop->ChooseSide(3), 2);
    EXPECT_EQ(mShop->ChooseSide(4), 0);
    Cell(0).fadeRate = -1.0f;
    EXPECT_EQ(mShop->CountReservedLeft(3), 0u) << "a leaving cell is not counted";
    std::uint8_t goods = 0;
    EXPECT_EQ(mShop->TakeReservedLeft(3, &goods), 0u) << "nor taken";
    EXPECT_EQ(goods, 0);
    EXPECT_EQ(mShop->TakeReservedRight(3, &goods), 2u);
    EXPECT_EQ(goods, 84);
    EXPECT_TRUE(Cell(2).IsLeaving());
    EXPECT_TRUE(Cell(3).IsLeaving());
}

TEST_F(ShopTest, ASaleOfCropsIsPaidCountedShownAndTold)
{
    Task().money = 20;
    Task().ClearGoals();
    Task().AddGoal(84, 5);
    EntityShopTestAccess::BookSale(*mShop, 84, 3);
    EXPECT_EQ(Task().money, 200);
    EXPECT_EQ(Task().goals[0].remaining, 2) << "three units counted towards the goal";
    const auto& figures = mLevel.GetMoneyAnimation()->GetEntries();
    ASSERT_FALSE(figures.empty());
    EXPECT_EQ(figures.back().text, "180");
    EXPECT_EQ(figures.back().x, mShop->GetX() + 65.0f);
    EXPECT_EQ(figures.back().y, mShop->GetY() - 50.0f);
    EXPECT_EQ(Progress(7), 3u);
    EXPECT_EQ(Progress(4), 1u);
    EXPECT_EQ(mProfile.salesCount, 1);
    // A product tells nobody.
    EntityShopTestAccess::BookSale(*mShop, 89, 2);
    EXPECT_EQ(Progress(4), 1u);
    EXPECT_EQ(mProfile.salesCount, 1);
}

TEST_F(ShopTest, TheHundredthSaleOfALevelToldOnce)
{
    mProfile.salesCount = 98;
    EntityShopTestAccess::BookSale(*mShop, 88, 1);
    EXPECT_EQ(Progress(13), 0u);
    EntityShopTestAccess::BookSale(*mShop, 87, 1);
    EXPECT_EQ(mProfile.salesCount, 100);
    EXPECT_EQ(Progress(13), 1u);
    EXPECT_EQ(Progress(1), 1u);
    EXPECT_EQ(Progress(3), 1u);
    EntityShopTestAccess::BookSale(*mShop, 86, 1);
    EXPECT_EQ(mProfile.salesCount, 100) << "the counter stays at 100";
    EXPECT_EQ(Progress(10), 1u);
}

TEST_F(UnlockedShopTest, AContinuedLevelKeepsTheShopsLevelRowsAndPace)
{
    Task().money = 100000;
    Click(Point(60.0f, -100.0f));
    PressButton("SHOP_UPGRADE");
    PressButton("SHOP_UPGRADE");
    ASSERT_TRUE(mShop->UpgradeLeft());
    Put(4, 84, 2);
    Korrin::BinaryWriter out;
    mShop->Save(out);
    mShop->Reset();
    mShop->SetUpgradeLevel(0);
    Korrin::BinaryReader in(out.Bytes());
    mShop->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(mShop->GetUpgradeLevel(), 2);
    EXPECT_EQ(mShop->GetSpeedFactor(), 1.6f);
    EXPECT_EQ(mShop->GetLeftRowLevel(), 1);
    EXPECT_EQ(Cell(4).unlocked, 1);
    EXPECT_EQ(Cell(4).buyer, 2);
    Korrin::BinaryWriter again;
    mShop->Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());
}
