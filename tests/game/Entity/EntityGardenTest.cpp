#include "game/Entity/EntityGarden.h"

#include "engine/Gui/GuiImage.h"
#include "engine/Particle/BaseParticleSystem.h"
#include "engine/Particle/ParticleSystem.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersRunGardener.h"
#include "tests/game/Entity/GardenPanelFixture.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

namespace
{

class EntityGardenTest : public TestSupport::GardenPanelFixture
{
protected:
    EntityGardenTest()
    {
        mGarden.SetWorker(&mGardener);
        mGardener.SetHomeEntity(&mGarden);
        mGarden.Place(5, 10);
        mGarden.Reset();
    }

    // The garden's page (or its gardener's) with the button clicked this frame.
    void Click(EntityGarden& garden, const std::string& name)
    {
        garden.ChangeGui();
        Clicked(name);
        garden.OnGuiEvent();
        mWidgets.RemoveMessage();
    }
    void Click(const std::string& name) { Click(mGarden, name); }

    void Hire()
    {
        mGardener.SetActive(true);
        mGarden.SetUnattended(false);
    }

    static std::vector<std::uint8_t> Record(EntityGarden& garden)
    {
        Korrin::BinaryWriter out;
        garden.Save(out);
        return out.Bytes();
    }

    PersRunGardener mGardener;
    EntityGarden mGarden;
};

} // namespace

TEST_F(EntityGardenTest, TheLevelOpensSeedButtonsAndTheQueue)
{
    struct Case
    {
        std::uint16_t level;
        std::uint8_t limit;
        std::size_t open;
    };
    const Case cases[] = {{0, 1, 1}, {1, 2, 2}, {4, 5, 5}};
    Hire();
    for (const Case& test : cases)
    {
        mGarden.SetUpgradeLevel(test.level);
        mGarden.Reset();
        Hire();
        EXPECT_EQ(mGarden.GetTaskLimit(), test.limit) << test.level;
        mGarden.ChangeGui();
        EXPECT_EQ(mPanel.GetCurrent(), 1);
        for (std::size_t k = 0; k < 5; ++k)
        {
            EXPECT_EQ(Open("GARDEN_TASK" + std::to_string(k + 1)), k < test.open) << test.level << " " << k;
        }
    }
    EXPECT_EQ(Caption("GARDEN_TASK5"), u"80");
}

TEST_F(EntityGardenTest, WithoutAGardenerTheSeedButtonsAreFadedAndClosed)
{
    mGarden.SetUpgradeLevel(2);
    mGarden.ChangeGui();
    for (const char* name : {"GARDEN_TASK1", "GARDEN_TASK2", "GARDEN_TASK3"})
    {
        ASSERT_NE(Button(name), nullptr);
        EXPECT_FALSE(Open(name)) << name;
        EXPECT_FLOAT_EQ(Button(name)->GetText(Korrin::GuiButton::kNormal).mColour.alpha, 0.7f) << name;
    }
    EXPECT_TRUE(mGarden.IsUnattended());
}

TEST_F(EntityGardenTest, ARefusedSeedOrderCostsNothingAndStillRefillsThePage)
{
    Hire();
    Click("GARDEN_TASK1");
    EXPECT_EQ(mGarden.GetTaskCount(), 1u);
    EXPECT_EQ(mTask.money, 995);
    Click("GARDEN_TASK1");
    EXPECT_EQ(mGarden.GetTaskCount(), 1u) << "level 0 takes one order at a time";
    EXPECT_EQ(mTask.money, 995);
    EXPECT_EQ(mPanel.GetTabOwner(), &mGarden);
}

TEST_F(EntityGardenTest, BuyingAGardenForSaleNeedsItsPriceAndIsPaidOnce)
{
    EntityGarden lot;
    lot.Place(9, 10);
    lot.SetForSale(true);
    lot.Reset();
    mTask.money = 119;
    Click(lot, "TABGARDEN_BUY");
    EXPECT_TRUE(lot.IsForSale());
    EXPECT_EQ(mTask.money, 119);
    mTask.money = 300;
    lot.ChangeGui();
    EXPECT_TRUE(Open("TABGARDEN_BUY"));
    EXPECT_EQ(Caption("TABGARDEN_BUY"), u"120");
    Click(lot, "TABGARDEN_BUY");
    EXPECT_FALSE(lot.IsForSale());
    EXPECT_TRUE(lot.IsConstructing());
    EXPECT_EQ(mTask.money, 180);
    // A click that reaches a bought garden (another garden's page was shown) buys nothing.
    Clicked("TABGARDEN_BUY");
    lot.OnGuiEvent();
    mWidgets.RemoveMessage();
    EXPECT_EQ(mTask.money, 180);
}

TEST_F(EntityGardenTest, UpgradesArePaidOnlyWhenTheLevelCanRise)
{
    Hire();
    Click("GARDEN_UPGRADE");
    EXPECT_EQ(mGarden.GetUpgradeLevel(), 0);
    EXPECT_EQ(mTask.money, 1000) << "at the unlocked maximum nothing is taken";
    mTable.GetCostPtr(Entity::kGarden)->upgradeLevel = 1;
    EntityGarden garden;
    garden.Place(9, 10);
    garden.Reset();
    Click(garden, "GARDEN_UPGRADE");
    EXPECT_EQ(garden.GetUpgradeLevel(), 1);
    EXPECT_EQ(garden.GetTaskLimit(), 2);
    EXPECT_EQ(mTask.money, 1000 - 230);
}

TEST_F(EntityGardenTest, TheGardenerIsHiredOnceAndSoldOnlyFromLevelThree)
{
    mGarden.SetPanelMode(EntityGarden::kGardenerPage);
    mGarden.ChangeGui();
    EXPECT_EQ(mPanel.GetCurrent(), GamePanel::kGardenerPage);
    EXPECT_TRUE(Open("CHAR_BUY"));
    EXPECT_EQ(Caption("CHAR_BUY"), u"70");
    Click("CHAR_BUY");
    EXPECT_TRUE(mGarden.IsGardenerHired());
    EXPECT_FALSE(mGarden.IsUnattended());
    EXPECT_EQ(mTask.money, 930);
    Click("CHAR_BUY");
    EXPECT_EQ(mTask.money, 930) << "a hired gardener is not paid for again";
    EXPECT_FALSE(Open("CHAR_SALE")) << "level 1";
    EXPECT_EQ(Caption("CHAR_SALE"), u"35");
    mTask.level = 3;
    mGarden.ChangeGui();
    EXPECT_TRUE(Open("CHAR_SALE"));
}

TEST_F(EntityGardenTest, ADismissalGivesBackHalfTheHireAndCanBeCancelled)
{
    Hire();
    mTask.level = 3;
    mGarden.SetPanelMode(EntityGarden::kGardenerPage);
    Click("CHAR_SALE");
    EXPECT_EQ(mGarden.GetSaleCountdown(), 0.0f);
    mGarden.Update(1.0f);
    Click("CHAR_CANCEL_CHARACTER");
    EXPECT_EQ(mGarden.GetSaleCountdown(), EntityGarden::kNoDismissal);
    for (int i = 0; i < 4 * 60; ++i)
    {
        mGarden.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(mGarden.IsGardenerHired());
    EXPECT_EQ(mTask.money, 1000) << "a cancelled dismissal costs nothing";

    Click("CHAR_SALE");
    for (int i = 0; i < 2 * 60; ++i)
    {
        mGarden.Update(1.0f / 60.0f);
    }
    EXPECT_TRUE(mGarden.IsGardenerHired()) << "about three seconds";
    for (int i = 0; i < 2 * 60; ++i)
    {
        mGarden.Update(1.0f / 60.0f);
    }
    EXPECT_FALSE(mGarden.IsGardenerHired());
    EXPECT_TRUE(mGarden.IsUnattended());
    EXPECT_EQ(mTask.money, 1000 + 35);
}

TEST_F(EntityGardenTest, OnlyTheGardenThePanelShowsFillsTheGardenerPage)
{
    PersRunGardener other;
    EntityGarden second;
    second.SetWorker(&other);
    second.Place(10, 10);
    second.Reset();
    Hire();
    mTask.level = 3;
    mGarden.SetPanelMode(EntityGarden::kGardenerPage);
    Click("CHAR_SALE");
    mGarden.Update(0.5f);
    ASSERT_NE(Button("CHAR_CANCEL_CHARACTER"), nullptr);
    EXPECT_TRUE(Open("CHAR_CANCEL_CHARACTER"));
    second.Update(0.1f);
    EXPECT_EQ(mPanel.GetTabOwner(), &mGarden) << "the other garden leaves the page alone";
    EXPECT_TRUE(Open("CHAR_CANCEL_CHARACTER"));
    EXPECT_FALSE(Open("CHAR_BUY"));
}

TEST_F(EntityGardenTest, TheThiefTakesACropWhateverItsGrowthButFindsNothingInAnEmptyBed)
{
    EXPECT_TRUE(mGarden.IsEmptyFor(0, 4, 10));
    mGarden.Interact(0, 4, 10);
    EXPECT_FALSE(mGarden.GetBed(0).HasCrop());
    mGarden.GetBed(1).SetType(Plant::kTomato);
    mGarden.GetBed(1).SetFruitCount(2);
    EXPECT_FALSE(mGarden.IsEmptyFor(0, 5, 10));
    EXPECT_TRUE(mGarden.IsEmptyFor(0, 4, 10));
    mGarden.Interact(0, 5, 10);
    EXPECT_FALSE(mGarden.GetBed(1).HasCrop());
    EXPECT_EQ(mGarden.GetBed(1).GetFruitCount(), 0);
}

TEST_F(EntityGardenTest, TheIdlePlaceLiesOnTheOpenSide)
{
    struct Case
    {
        std::int32_t i;
        std::uint8_t side;
        std::int32_t idle;
    };
    const Case cases[] = {{8, Entity::kNoSide, 6}, {7, Entity::kNoSide, 8}, {7, 1, 5}, {8, 0, 9}};
    for (const Case& test : cases)
    {
        EntityGarden garden;
        garden.Place(test.i, 10);
        garden.SetSide(test.side);
        WalkTarget target;
        EXPECT_TRUE(garden.GetWalkTarget(&target, 0));
        EXPECT_EQ(target.I, test.idle) << test.i << " side " << int(test.side);
        EXPECT_EQ(target.J, 10);
        EXPECT_EQ(target.entity, &garden);
    }
    EXPECT_FALSE(mGarden.GetWalkTarget(nullptr, 7));
}

TEST_F(EntityGardenTest, TheGardenersOperationsWorkTheBedsInOrder)
{
    Plant& first = mGarden.GetBed(0);
    Plant& second = mGarden.GetBed(1);
    first.SetType(Plant::kCarrot);
    second.SetType(Plant::kWheat);
    mGarden.MarkFirstUnmarkedBed();
    mGarden.FillFirstEmptyBed(2);
    EXPECT_EQ(first.GetSownMark(), Plant::kCarrot);
    EXPECT_EQ(second.GetSownMark(), 0);
    EXPECT_EQ(first.GetFruitCount(), 2);
    mGarden.FillFirstEmptyBed(3);
    EXPECT_EQ(second.GetFruitCount(), 3);
    WalkTarget target;
    EXPECT_TRUE(mGarden.GetWalkTarget(&target, 50));
    EXPECT_EQ(target.I, 4) << "the first bed with a crop";
    for (int i = 0; i < 6 * 60; ++i)
    {
        mGarden.Update(1.0f / 60.0f);
    }
    std::uint8_t count = 0;
    EXPECT_EQ(mGarden.IsCurrentBedRipe(count), Plant::kCarrot) << "bed index 0, the carrot";
    EXPECT_EQ(count, 2);
    mGarden.HarvestCurrentBed();
    EXPECT_EQ(first.GetFruitCount(), 1);
}

TEST_F(EntityGardenTest, ARecordWithItsBedsReadsBackAndHostileOnesAreRefused)
{
    Hire();
    mGarden.GetBed(0).SetType(Plant::kSunflower);
    mGarden.GetBed(0).SetFruitCount(3);
    mGarden.Update(4.0f);
    const std::vector<std::uint8_t> good = Record(mGarden);
    {
        EntityGarden loaded;
        Korrin::BinaryReader in(good);
        loaded.Load(in);
        ASSERT_TRUE(in.Ok());
        EXPECT_TRUE(in.AtEnd());
        EXPECT_EQ(loaded.GetBed(0).GetCrop(), Plant::kSunflower);
        EXPECT_FALSE(loaded.IsUnattended());
        EXPECT_EQ(Record(loaded), good);
    }
    // The garden's own fields follow the entity record of 11 bytes (no orders queued).
    constexpr std::size_t kTimer = 11;
    constexpr std::size_t kForSale = 15;
    constexpr std::size_t kCountdown = 16;
    constexpr std::size_t kBed = 22;
    const auto with = [&good](std::size_t at, const void* value, std::size_t size)
    {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(bytes.data() + at, value, size);
        return bytes;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float belowNone = -2.0f;
    const std::uint8_t two = 2;
    const std::uint32_t thirdBed = 3;
    const std::uint8_t fourFruits = 4;
    const std::vector<std::vector<std::uint8_t>> hostile = {
        with(kTimer, &nan, 4),
        with(kForSale, &two, 1),
        with(kCountdown, &belowNone, 4),
        with(kBed, &thirdBed, 4),
        with(kBed + 4 + 1 + 12, &fourFruits, 1),
        std::vector<std::uint8_t>(good.begin(), good.end() - 3)};
    for (std::size_t i = 0; i < hostile.size(); ++i)
    {
        EntityGarden loaded;
        Korrin::BinaryReader in(hostile[i]);
        loaded.Load(in);
        EXPECT_FALSE(in.Ok()) << i;
    }
}

TEST_F(EntityGardenTest, TheBoughtGardenIsBuiltOnceAndItsVisualSwaysOnlyWhileABedGrows)
{
    EntityGarden lot;
    lot.Place(9, 10);
    lot.SetForSale(true);
    lot.SetUpgradeLevel(1);
    lot.Init();
    lot.Reset();
    Click(lot, "TABGARDEN_BUY");
    ASSERT_TRUE(lot.IsConstructing());
    for (int i = 0; i < 3 * 60 && lot.IsConstructing(); ++i)
    {
        lot.Update(1.0f / 60.0f);
    }
    EXPECT_FALSE(lot.IsConstructing()) << "the construction plays once";

    Plant& bed = lot.GetBed(0);
    bed.SetType(Plant::kCarrot);
    bed.SetFruitCount(1);
    lot.Update(1.0f / 60.0f);
    EXPECT_EQ(Record(lot)[26], 1) << "the stage visual loops while the carrot grows";
    for (int i = 0; i < 6 * 60; ++i)
    {
        lot.Update(1.0f / 60.0f);
    }
    ASSERT_TRUE(bed.IsRipe());
    EXPECT_EQ(Record(lot)[26], 0) << "and comes to rest once it is ripe";
    for (std::uint16_t pass = 0; pass < 2; ++pass)
    {
        lot.Draw();
        lot.CountDraw();
    }
    EXPECT_TRUE(Reports().empty()) << Reports().front();
}

TEST_F(EntityGardenTest, TheBuildSparklesSpreadOverBothBeds)
{
    EntityGarden lot;
    lot.Place(9, 10);
    lot.SetForSale(true);
    lot.Init();
    lot.Reset();
    Click(lot, "TABGARDEN_BUY");
    ASSERT_TRUE(lot.IsConstructing());
    ASSERT_GT(mParticlesOfGame.GetQueue()->GetCount(), 0u);
    Korrin::ParticleSystem& effect = *mParticlesOfGame.GetQueue()->GetSystems().back();
    BaseParticleSystem* sparkles = effect.GetBaseParticleSystem(0);
    ASSERT_NE(sparkles, nullptr);
    const float left = lot.GetX() - 64.0f;
    EXPECT_EQ(sparkles->GetPosition().x, left);
    EXPECT_EQ(sparkles->GetPosition().y, lot.GetY() + 20.0f);

    // Born anywhere along the 128 pixels of the two beds, not on one point: both beds get some.
    sparkles->Update(0.25f, 0.25f);
    const std::vector<Particle*>& born = sparkles->GetLiveParticles();
    ASSERT_FALSE(born.empty());
    std::size_t overLeftBed = 0;
    for (const Particle* particle : born)
    {
        overLeftBed += particle->x < lot.GetX() ? 1 : 0;
    }
    EXPECT_GT(overLeftBed, 0u);
    EXPECT_LT(overLeftBed, born.size());
}
