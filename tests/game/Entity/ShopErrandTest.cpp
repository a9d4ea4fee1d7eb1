#include "engine/Render/Animation.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/PersAnimatedManager.h"
#include "game/Game/MoneyAnimatedSprite.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersRunBuyer.h"
#include "game/Profile.h"
#include "tests/game/Entity/EntityShopTestAccess.h"
#include "tests/game/Entity/StoreLevelFixture.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{

constexpr float kFrame = 1.0f / 60.0f;
constexpr std::uint8_t kCarrot = 84;

// The shop of the sample level with the companion's figure from the sample data and its buyers (the first,
// number 1, of kind 147, who wants three units).
class ShopErrandTest : public TestSupport::StoreLevelTest
{
protected:
    ShopErrandTest()
        : StoreLevelTest(
              [](TableCost& table, TestSupport::LevelFileBuilder& level)
              {
                  table.GetCostPtr(Entity::kShop)->upgradeLevel = EntityShop::kLastLevel;
                  level.buyers = {9, 1, 2, 3, 1, 2, 3, 1, 2};
              })
    {
        for (const auto& [number, buyer] : mLevel.GetPersManager()->GetBuyers())
        {
            buyer->Init();
        }
        mBuyer = Buyer(1);
        Task().money = 0;
        Task().ClearGoals();
        Task().AddGoal(kCarrot, 10);
    }

    PersRunBuyer* Buyer(std::uint16_t number) { return mLevel.GetPersManager()->GetBuyers().at(number); }
    StoreCell& Cell(std::size_t i) { return mShop->GetCells().GetCells()[i]; }
    void Put(std::size_t i, std::uint8_t goods, std::uint16_t buyer = 0)
    {
        StoreCell& cell = Cell(i);
        cell.goods = goods;
        cell.buyer = buyer;
        cell.animation = StoreCellManager::kFullValue;
        cell.fadeRate = 0.0f;
    }
    // The buyer reaches the counter: the shop set its goods aside when it was let in, and it calls the
    // companion.
    void Serve()
    {
        mShop->UpdateDreamBuyers(mBuyer, 1, true);
        mShop->GoQuib(mBuyer, 1);
    }
    // The companion's animation, the two blushes read as one.
    std::string Playing() const
    {
        const std::string& name = mShop->GetCompanionAnimation();
        return name == "red1" || name == "red2" ? "red" : name;
    }
    // Plays the shop frame by frame until the companion stands idle again (or the frames run out); the
    // animations he played, the first being the one that plays now.
    std::vector<std::string> PlayUntilIdle(int frames = 3000)
    {
        std::vector<std::string> played{Playing()};
        for (int f = 0; f < frames && played.back() != "idle0"; ++f)
        {
            mShop->Update(kFrame);
            if (Playing() != played.back())
            {
                played.push_back(Playing());
            }
        }
        return played;
    }
    // Frames until the companion's animation changes.
    int FramesOfOneAnimation()
    {
        const std::string first = mShop->GetCompanionAnimation();
        int frames = 0;
        while (mShop->GetCompanionAnimation() == first && frames < 1000)
        {
            mShop->Update(kFrame);
            ++frames;
        }
        return frames;
    }
    std::int32_t Remaining() { return Task().goals[0].remaining; }

    Profile mProfile;
    PersRunBuyer* mBuyer = nullptr;
};

using Played = std::vector<std::string>;

} // namespace

TEST_F(ShopErrandTest, TheCompanionFetchesFromTheFullerHalfFirstAndThrowsTheGoods)
{
    ASSERT_NE(mShop->GetCompanion(), nullptr);
    ASSERT_NE(mShop->GetCompanion()->GetCurrent(), nullptr) << "the companion's figure comes from the data";
    const std::int32_t price = TableCost::GetSalePrice(kCarrot);
    struct Case
    {
        const char* name;
        std::vector<std::size_t> cells; // holding carrots (columns 0 and 1 are the left half)
        Played played;
        std::int32_t sold;
    };
    const Case cases[] = {
        {"one left, two right", {0, 2, 3}, {"right", "right3", "left2", "left3", "drop", "idle0"}, 3},
        {"a tie goes left", {1, 3}, {"left", "left3", "right2", "right3", "drop", "idle0"}, 2},
        {"nothing for the buyer", {}, {"red", "idle0"}, 0},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.name);
        const std::int32_t remaining = Remaining();
        const std::uint32_t toldBefore = Progress(4);
        for (const std::size_t i : test.cells)
        {
            Put(i, kCarrot);
        }
        mBuyer->SetDream(-1);
        mBuyer->SetCarriedGoods(0);
        Task().money = 0;
        EntityShopTestAccess::SetSearchStart(*mShop, 0);
        Serve();
        EXPECT_TRUE(mShop->IsBusy());
        EXPECT_EQ(PlayUntilIdle(), test.played);
        EXPECT_FALSE(mShop->IsBusy());
        EXPECT_EQ(mShop->GetServingBuyer(), nullptr);
        EXPECT_EQ(Task().money, price * test.sold);
        EXPECT_EQ(Remaining(), remaining - test.sold) << "each unit counted towards the goal";
        for (const std::size_t i : test.cells)
        {
            EXPECT_TRUE(Cell(i).IsLeaving() || Cell(i).goods == 0) << "cell " << i << " was taken";
        }
        if (test.sold > 0)
        {
            EXPECT_EQ(mBuyer->GetAnimationName(), "drope") << "the buyer catches the goods";
            EXPECT_EQ(mBuyer->GetCarriedGoods(), kCarrot);
            EXPECT_TRUE(mBuyer->IsWaitingForAnimationEnd());
            const auto& figures = mLevel.GetMoneyAnimation()->GetEntries();
            ASSERT_FALSE(figures.empty());
            EXPECT_EQ(figures.back().text, std::to_string(price * test.sold));
            EXPECT_EQ(figures.back().x, mShop->GetX() + 65.0f);
            EXPECT_EQ(figures.back().y, mShop->GetY() - 50.0f);
            EXPECT_EQ(Progress(4), toldBefore + 1);
        }
        else
        {
            EXPECT_EQ(mBuyer->GetAnimationName(), "idle1") << "the buyer stomps off";
            EXPECT_EQ(mBuyer->GetFrameIndexDream(), -1);
            EXPECT_TRUE(mBuyer->IsFirstVisitPending());
            EXPECT_EQ(Progress(4), toldBefore);
        }
        // What was thrown is gone from the shelf before the next case.
        for (int f = 0; f < 120; ++f)
        {
            mShop->Update(kFrame);
        }
    }
    EXPECT_EQ(Progress(7), 5u) << "achievement 7 counts the carrots sold";
}

// A buyer let in while the shop offers only goods that its bubble cannot show still gets them.
TEST_F(ShopErrandTest, GoodsWithoutABubbleFrameAreSoldToAWishlessBuyer)
{
    constexpr std::uint8_t kWater = 126;
    Put(0, kWater);
    mBuyer->SetDream(-1);
    mBuyer->SetCarriedGoods(0);
    EntityShopTestAccess::SetSearchStart(*mShop, 0);
    Serve();
    EXPECT_EQ(mBuyer->GetObjBuyCount(), 1);
    EXPECT_EQ(PlayUntilIdle(), (Played{"left", "left3", "drop", "idle0"}));
    EXPECT_EQ(mBuyer->GetCarriedGoods(), kWater);
    EXPECT_EQ(mBuyer->GetAnimationName(), "drope") << "the buyer catches the goods";
    EXPECT_TRUE(Cell(0).IsLeaving() || Cell(0).goods == 0);
}

TEST_F(ShopErrandTest, ACellThatStartsLeavingBeforeTheTakeIsLeftAndHeComesBackEmptyHanded)
{
    Put(0, kCarrot);
    Serve();
    ASSERT_EQ(Playing(), "left");
    Cell(0).fadeRate = -1.0f; // taken out through the storehouse window meanwhile
    EXPECT_EQ(PlayUntilIdle(), (Played{"left", "left4", "red", "idle0"}));
    EXPECT_EQ(Task().money, 0);
}

TEST_F(ShopErrandTest, AtTheShopsLastLevelTheCompanionIsTwiceAsFast)
{
    // A whole idle cycle, ten animations, at level 0 and then at level 4.
    auto cycle = [this]
    {
        int frames = 0;
        for (int n = 0; n < 10; ++n)
        {
            frames += FramesOfOneAnimation();
        }
        return frames;
    };
    FramesOfOneAnimation(); // to the start of an animation
    const int slow = cycle();
    for (int level = 0; level < EntityShop::kLastLevel; ++level)
    {
        ASSERT_TRUE(mShop->Upgrade());
    }
    const int fast = cycle();
    EXPECT_GT(slow, 300) << "the sample's idle animations last over a second each";
    EXPECT_NEAR(slow, 2 * fast, 12) << "each animation rounds to a frame";
}

TEST_F(ShopErrandTest, AnErrandSavedAtAnyStepGoesOnToTheSameSale)
{
    const std::int32_t price = TableCost::GetSalePrice(kCarrot);
    const Played whole{"right", "right3", "left2", "left3", "drop", "idle0"};
    for (std::size_t step = 0; step + 1 < whole.size(); ++step)
    {
        SCOPED_TRACE(whole[step]);
        for (const std::size_t i : {0, 2, 3})
        {
            Put(i, kCarrot);
        }
        mBuyer->SetDream(-1);
        mBuyer->SetCarriedGoods(0);
        EntityShopTestAccess::SetSearchStart(*mShop, 0);
        Task().money = 0;
        Task().ClearGoals();
        Task().AddGoal(kCarrot, 10);
        Serve();
        for (std::size_t s = 0; s < step; ++s)
        {
            FramesOfOneAnimation();
        }
        ASSERT_EQ(Playing(), whole[step]);
        // Some way into the animation.
        for (int f = 0; f < 7; ++f)
        {
            mShop->Update(kFrame);
        }
        Korrin::BinaryWriter saved;
        mShop->Save(saved);
        const std::int32_t money = Task().money;
        const std::int32_t remaining = Remaining();
        PlayUntilIdle();

        Korrin::BinaryReader in(saved.Bytes());
        mShop->Load(in);
        ASSERT_TRUE(in.Ok());
        EXPECT_EQ(mShop->GetServingBuyer(), mBuyer) << "found again by its save number";
        Task().money = money;
        Task().goals[0].remaining = remaining;
        EXPECT_EQ(PlayUntilIdle(), Played(whole.begin() + static_cast<long>(step), whole.end()));
        EXPECT_EQ(Task().money, 3 * price);
        EXPECT_EQ(Remaining(), remaining - 3);
        for (int f = 0; f < 120; ++f)
        {
            mShop->Update(kFrame);
        }
    }
}

TEST_F(ShopErrandTest, AfterALoadWithoutItsBuyerTheErrandSellsTheGoodsOfTheCellsTaken)
{
    for (const std::size_t i : {0, 2, 3})
    {
        Put(i, kCarrot);
    }
    Serve();
    ASSERT_EQ(Playing(), "right");
    Korrin::BinaryWriter saved;
    mShop->Save(saved);
    std::vector<std::uint8_t> bytes = saved.Bytes();
    // The served buyer's number, before the shop's level at the record's end, names nobody.
    const std::int32_t nobody = 1000;
    std::memcpy(bytes.data() + bytes.size() - 6, &nobody, sizeof(nobody));
    Korrin::BinaryReader in(bytes);
    mShop->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(mShop->GetServingBuyer(), nullptr);
    EXPECT_EQ(PlayUntilIdle(), (Played{"right", "right3", "left2", "left3", "drop", "idle0"}));
    EXPECT_EQ(Task().money, 3 * TableCost::GetSalePrice(kCarrot)) << "the sale is booked as usual";
    EXPECT_EQ(Remaining(), 7);
    EXPECT_NE(mBuyer->GetAnimationName(), "drope") << "no buyer is told";
}

TEST_F(ShopErrandTest, BetweenServicesNoBuyerIsFoundFromARecord)
{
    // A record of an idle shop that still names a buyer: the next arrival must not meet a buyer at the
    // counter already.
    Korrin::BinaryWriter saved;
    mShop->Save(saved);
    std::vector<std::uint8_t> bytes = saved.Bytes();
    const auto number = static_cast<std::int32_t>(mBuyer->GetSaveNumber());
    std::memcpy(bytes.data() + bytes.size() - 6, &number, sizeof(number));
    Korrin::BinaryReader in(bytes);
    mShop->Load(in);
    ASSERT_TRUE(in.Ok());
    EXPECT_EQ(mShop->GetServingBuyer(), nullptr);
}

TEST_F(ShopErrandTest, TheBuyerAtTheCounterTakesOverAnotherBuyersCellAndTheOthersLookAgain)
{
    PersRunBuyer* waiting = Buyer(2);
    waiting->SetActive(true);
    waiting->SetFirstVisitPending(false);
    waiting->SetDream(kCarrot);
    Put(0, kCarrot, 2);
    waiting->SetObjBuyCount(1);
    mBuyer->SetDream(kCarrot);
    EXPECT_TRUE(mShop->RecalcStandBuyers(mBuyer, 1));
    EXPECT_EQ(Cell(0).buyer, 1);
    EXPECT_EQ(mBuyer->GetObjBuyCount(), 1);
    EXPECT_EQ(waiting->GetObjBuyCount(), 0) << "the buyer that lost its cell counted again";
    EXPECT_FALSE(mShop->RecalcStandBuyers(nullptr, 1));
}

TEST_F(ShopErrandTest, RedoingReservationsPassesOverBuyersNotWaitingInTheQueue)
{
    for (std::size_t i = 0; i < 4; ++i)
    {
        Put(i, kCarrot);
    }
    struct Case
    {
        std::uint16_t number;
        bool active;
        bool firstVisit;
        std::uint8_t carried;
        bool served;
    };
    const Case cases[] = {{2, false, false, 0, false},
                          {3, true, true, 0, false},
                          {4, true, false, kCarrot, false},
                          {5, true, false, 0, true}};
    for (const Case& test : cases)
    {
        PersRunBuyer* buyer = Buyer(test.number);
        buyer->SetActive(test.active);
        buyer->SetFirstVisitPending(test.firstVisit);
        buyer->SetCarriedGoods(test.carried);
    }
    mLevel.GetPersManager()->RecalcBuyersObj();
    for (const Case& test : cases)
    {
        EXPECT_EQ(Buyer(test.number)->GetObjBuyCount() > 0, test.served) << "buyer " << test.number;
        EXPECT_EQ(Buyer(test.number)->GetFrameIndexDream() == kCarrot, test.served)
            << "buyer " << test.number;
    }
}

TEST_F(ShopErrandTest, ARobbedBuyersGoodsAreSetAsideAgain)
{
    PersRunBuyer* waiting = Buyer(2);
    waiting->SetActive(true);
    waiting->SetFirstVisitPending(false);
    waiting->SetDream(kCarrot);
    waiting->SetObjBuyCount(1);
    Put(0, kCarrot, 2);
    Put(1, kCarrot);
    ASSERT_TRUE(mShop->Interact(EntityShop::kLeftSide, 0, 0));
    const std::size_t left = Cell(0).goods == kCarrot ? 0 : 1;
    ASSERT_EQ(Cell(1 - left).goods, 0) << "one of the two was stolen";
    EXPECT_EQ(Cell(left).buyer, 2);
    EXPECT_EQ(waiting->GetObjBuyCount(), 1);
}

TEST_F(ShopErrandTest, WhileTheCompanionServesNeitherHalfReadsEmpty)
{
    constexpr std::uint8_t kOtherSide = 0;
    Put(0, kCarrot);
    EXPECT_TRUE(mShop->IsEmptyFor(kOtherSide, 0, 0)) << "the right half holds nothing";
    Serve();
    ASSERT_TRUE(mShop->IsBusy());
    for (const std::uint8_t side : {kOtherSide, EntityShop::kLeftSide})
    {
        EXPECT_FALSE(mShop->IsEmptyFor(side, 0, 0))
            << "whatever the cells hold, side " << static_cast<int>(side);
    }
    PlayUntilIdle();
    ASSERT_FALSE(mShop->IsBusy());
    EXPECT_TRUE(mShop->IsEmptyFor(kOtherSide, 0, 0));
    EXPECT_TRUE(mShop->IsEmptyFor(EntityShop::kLeftSide, 0, 0)) << "the carrot sold";
}
