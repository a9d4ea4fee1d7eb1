#include "tests/game/Pers/BuyerLevelFixture.h"

#include <gtest/gtest.h>
#include <set>

namespace
{

class BuyerTest : public TestSupport::BuyerLevelTest
{
};

} // namespace

TEST_F(BuyerTest, ABuyerLetInQueuesIsServedAndLeavesByTheExit)
{
    Put(0, kCarrot);
    Put(1, kCarrot);
    Admit();
    ASSERT_EQ(OnField(), std::vector<std::uint16_t>{1});
    PersRunBuyer* buyer = Buyer(1);
    EXPECT_EQ(buyer->GetFrameIndexDream(), kCarrot);
    EXPECT_EQ(buyer->GetObjBuyCount(), 2);
    EXPECT_EQ(buyer->GetQueuePlace(), 4) << "sent to the tail";
    EXPECT_EQ(Characters().GetBuyersOnField(), 1);
    std::set<std::int32_t> places;
    bool caught = false;
    int frames = 0;
    for (; frames < 60 * 120 && buyer->IsActive(); ++frames)
    {
        mLevel.Update(kFrame);
        places.insert(buyer->GetQueuePlace());
        caught = caught || buyer->GetAnimationName() == "drope";
    }
    EXPECT_FALSE(buyer->IsActive()) << "gone off the field after " << frames << " frames";
    EXPECT_EQ(places, (std::set<std::int32_t>{-2, -1, 0, 1, 2, 3, 4})) << "moved up place by place";
    EXPECT_TRUE(caught);
    EXPECT_EQ(Task().money, 2 * TableCost::GetSalePrice(kCarrot));
    EXPECT_EQ(Task().goals[0].remaining, 8);
    EXPECT_EQ(Characters().GetBuyersOnField(), 0);
    EXPECT_FALSE(Characters().IsCounterTaken());
    EXPECT_FALSE(mShop->IsBusy());
    for (const PersManager::BuyersQue& place : Characters().GetBuyersQueue().Elements())
    {
        EXPECT_EQ(place.taken, 0);
    }
}

TEST_F(BuyerTest, AdmissionFollowsThePortraitsAndTheShopsRoom)
{
    // Only goods for one kind-139 buyer: the first is let in, the kind-140 buyer (one carrot) next.
    Put(0, kCarrot);
    Put(1, kCarrot);
    Put(2, kCarrot);
    Characters().SetAdmissionTimer(4.99f);
    mLevel.Update(kFrame / 2.0f);
    EXPECT_TRUE(OnField().empty()) << "5.0 seconds exactly wait one more frame";
    mLevel.Update(kFrame);
    EXPECT_EQ(OnField(), std::vector<std::uint16_t>{1});
    mPanel.GetPers().Advance();
    Admit();
    EXPECT_EQ(OnField(), (std::vector<std::uint16_t>{1, 2}));
    // Two on the field at shop level 0: a third waits.
    mPanel.GetPers().Advance();
    Put(3, kCarrot);
    Put(4, kCarrot);
    Admit();
    EXPECT_EQ(OnField(), (std::vector<std::uint16_t>{1, 2})) << "at most level + 2 on the field";
}

TEST_F(BuyerTest, ABuyerTheShopCannotServeIsPassedOverForTheNextOfItsKind)
{
    // Buyer 1 (kind 139) already wishes for tomatoes, of which there are none: buyer 4 of its kind comes.
    Buyer(1)->SetDream(85);
    Put(0, kCarrot);
    Admit();
    EXPECT_EQ(OnField(), std::vector<std::uint16_t>{4});
}

TEST_F(BuyerTest, WithoutQueuePlacesNobodyIsLetIn)
{
    Characters().GetBuyersQueue().Elements().clear();
    Put(0, kCarrot);
    Admit();
    EXPECT_TRUE(OnField().empty());
    EXPECT_EQ(mShop->GetCells().GetCells()[0].buyer, 0) << "nothing was set aside";
}

TEST_F(BuyerTest, AtTheHeadOfTheQueueTheCounterIsTakenOnlyWhenTheWalkStarts)
{
    PersRunBuyer* buyer = Buyer(1);
    buyer->SetActive(true);
    Characters().SetQueuePlaceTaken(0, true);
    buyer->SetQueuePlace(0);
    // Standing on the serving cell itself, it has nowhere to walk.
    WalkTarget counter;
    mShop->GetWalkTarget(&counter, EntityShop::kServingCellMode);
    buyer->SetIJ(counter.I, counter.J);
    buyer->GoTo({counter.I, counter.J, mShop}, 0);
    buyer->OnAnimationEnd();
    EXPECT_FALSE(Characters().IsCounterTaken());
    EXPECT_EQ(buyer->GetQueuePlace(), 0);
}

TEST_F(BuyerTest, WishesShowAsBubbleFramesAndReadBack)
{
    PersRunBuyer* buyer = Buyer(1);
    struct Case
    {
        std::int32_t wish;
        std::int32_t frame;
    };
    for (const Case& test : {Case{86, 2}, Case{-6, 6}, Case{114, 21}, Case{-5, 37}, Case{-1, -1}})
    {
        buyer->SetDream(test.wish);
        EXPECT_EQ(buyer->Pers::GetFrameIndexDream(), test.frame) << test.wish;
        EXPECT_EQ(buyer->GetFrameIndexDream(), test.wish) << test.wish;
    }
    buyer->SetDream(86);
    buyer->SetDream(126); // water: no bubble shows it
    EXPECT_EQ(buyer->GetFrameIndexDream(), 86);
    buyer->Pers::SetDream(25); // a worker's frame reads back as itself
    EXPECT_EQ(buyer->GetFrameIndexDream(), 25);
}

TEST_F(BuyerTest, DamagedBuyerRecordsAreRefused)
{
    PersRunBuyer* buyer = Buyer(1);
    Korrin::BinaryWriter out;
    buyer->Save(out);
    const std::vector<std::uint8_t> saved = out.Bytes();
    const std::size_t own = saved.size() - PersRunBuyer::kOwnRecordBytes;
    struct Case
    {
        const char* name;
        std::size_t offset;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"another buyer number", own, {7, 0, 0, 0}},
        {"a queue place past the queue", own + 8, {5, 0, 0, 0}},
        {"a queue place before the counter", own + 8, {0xFD, 0xFF, 0xFF, 0xFF}},
        {"five goods wanted", own + 20, {5, 0, 0, 0}},
        {"a dislike of 4", own + 24, {4}},
        {"a wish the bubble cannot show", own + 28, {7, 0, 0, 0}},
        {"an extra stop too many", own - 4, {2, 0, 0, 0}},
    };
    {
        Korrin::BinaryReader in(saved);
        buyer->Load(in);
        ASSERT_TRUE(in.Ok());
        EXPECT_TRUE(in.AtEnd());
    }
    for (const Case& test : cases)
    {
        std::vector<std::uint8_t> bytes = saved;
        std::copy(test.bytes.begin(), test.bytes.end(), bytes.begin() + static_cast<long>(test.offset));
        Korrin::BinaryReader in(bytes);
        buyer->Load(in);
        EXPECT_FALSE(in.Ok()) << test.name;
    }
}
