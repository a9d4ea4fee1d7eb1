#include "engine/App/TimerManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Particle/ParticleSystem.h"
#include "engine/Render/Sprite.h"
#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/TableCost.h"
#include "game/Pers/PersManager.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "tests/engine/Gui/GoldenPicture.h"
#include "tests/game/GUI/StoreWindowFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

using TestSupport::LevelFileBuilder;
using TestSupport::StoreWindowTest;

namespace
{
constexpr std::uint8_t kCarrot = 84;
constexpr std::uint8_t kTomato = 85;
const Korrin::Vector2 kShopTabPoint{250.0f, 50.0f};
const Korrin::Vector2 kStorehouseTabPoint{760.0f, 50.0f};

// The window over the sample level, whose shop opens the first row of both its shelves: four places.
class StoreHouseGUITest : public StoreWindowTest
{
protected:
    // The middle of a copied shop cell where the mouse finds it.
    Korrin::Vector2 ShopCellPoint(std::size_t cell)
    {
        const auto place = mWindow->GetArt().ShopCellPlace(cell, EntityShop::kColumns, 0);
        return {place->x + 30.0f, place->y + 30.0f};
    }
    void DrawWindow()
    {
        Korrin::RenderSystem& render = mRender.Render();
        render.BeginFrame();
        render.BeginScene(nullptr);
        mWindow->Draw();
        render.EndScene();
    }
};

TEST_F(StoreHouseGUITest, UnitsMoveToTheShopOneByOneAndOneIsTakenBack)
{
    mShop->UpgradeLeft();
    Stock(kCarrot, 3);
    Open();
    EXPECT_EQ(Trade().GetStoreCounts(), (StoreTrade::GoodsCounts{{kCarrot, 3}}));
    ASSERT_NE(Row(0, false), nullptr);
    EXPECT_TRUE(Row(0, false)->IsVisible());
    EXPECT_FALSE(Row(0, false)->IsDisabled());
    EXPECT_FALSE(Row(1, false)->IsVisible()) << "one goods, one row";

    for (int press = 0; press < 3; ++press)
    {
        Click(CentreOf("1_one"));
    }
    EXPECT_EQ(NewGoods(Trade().GetShopCells()), 3u);
    EXPECT_TRUE(Trade().GetStoreCounts().empty());
    EXPECT_FALSE(Row(0, false)->IsVisible()) << "the row is gone with its last unit";
    EXPECT_EQ(Trade().GetSaleTotal(), 3u * TableCost::GetSalePrice(kCarrot));

    Click(ShopCellPoint(0));
    EXPECT_EQ(Trade().GetStoreCounts(), (StoreTrade::GoodsCounts{{kCarrot, 1}}));
    EXPECT_EQ(NewGoods(Trade().GetShopCells()), 2u);
    EXPECT_TRUE(Row(0, false)->IsVisible());
    EXPECT_EQ(Count(mStorehouse->GetCells(), kCarrot), 3u) << "nothing reaches the places before a commit";
}

TEST_F(StoreHouseGUITest, TheAllButtonFillsTheFreePlacesItCan)
{
    struct Case
    {
        int units;
        int freePlaces;
        std::size_t placed;
        std::uint32_t left;
    };
    const Case cases[] = {{5, 2, 2, 3}, {1, 2, 1, 0}, {3, 4, 3, 0}};
    // Every crate of the storehouse open, so that it can hold five units.
    for (StoreCell& cell : mStorehouse->GetCells().GetCells())
    {
        cell.unlocked = 1;
    }
    for (const Case& test : cases)
    {
        for (StoreCellManager* cells : {&mShop->GetCells(), &mStorehouse->GetCells()})
        {
            for (StoreCell& cell : cells->GetCells())
            {
                cell.Empty();
            }
        }
        const auto open =
            std::count_if(mShop->GetCells().GetCells().begin(), mShop->GetCells().GetCells().end(),
                          [](const StoreCell& cell) { return cell.IsFree(); });
        ASSERT_GE(open, test.freePlaces);
        for (auto taken = open; taken > test.freePlaces; --taken)
        {
            mShop->GetCells().PutGoodsInstant(kTomato);
        }
        Stock(kCarrot, test.units);
        Open();
        Click(CentreOf("1_all"));
        EXPECT_EQ(NewGoods(Trade().GetShopCells()), test.placed) << test.units << " units";
        const auto left = Trade().GetStoreCounts().find(kCarrot);
        EXPECT_EQ(left != Trade().GetStoreCounts().end() ? left->second : 0u, test.left)
            << test.units << " units";
        Press("StoreShop_Cancel");
    }
}

TEST_F(StoreHouseGUITest, TheStorehousePageShiftsTheOneButtonsAndHidesTheAllButtons)
{
    Stock(kCarrot, 1);
    Stock(kTomato, 1);
    mWindow->GetBuyList() = {{kCarrot, 1}, {kTomato, 1}};
    Open();
    const float home = Row(0, false)->GetLocalPosition().x;
    for (int visit = 0; visit < 2; ++visit)
    {
        Click(kStorehouseTabPoint);
        ASSERT_EQ(mWindow->GetPage(), StoreHouseGUI::kStorehousePage);
        for (std::uint32_t row = 0; row < 2; ++row)
        {
            EXPECT_EQ(Row(row, false)->GetLocalPosition().x, home + 40.0f) << row;
            EXPECT_TRUE(Row(row, false)->IsVisible()) << row;
            EXPECT_FALSE(Row(row, true)->IsVisible()) << row;
            EXPECT_TRUE(Row(row, true)->IsDisabled()) << row;
        }
        Click(kShopTabPoint);
        ASSERT_EQ(mWindow->GetPage(), StoreHouseGUI::kShopPage);
        for (std::uint32_t row = 0; row < 2; ++row)
        {
            EXPECT_EQ(Row(row, false)->GetLocalPosition().x, home) << row;
            EXPECT_TRUE(Row(row, true)->IsVisible()) << row;
        }
    }
}

TEST_F(StoreHouseGUITest, ABuyIsOfferedWhileTheMoneyCoversItAndOkPaysAndLetsTheFirstBuyerIn)
{
    const std::uint16_t price = TableCost::GetStoreHousePrice(kCarrot);
    Task().money = price + 10;
    Task().AddGoal(LevelTaskInfo::kMoneyGoods, 1000);
    PersManager::Peek()->SetAdmissionTimer(0.0f);
    mWindow->GetBuyList() = {{kCarrot, 1}};
    Open();
    Click(kStorehouseTabPoint);
    ASSERT_FALSE(Row(0, false)->IsDisabled());
    Click(CentreOf("1_one"));
    EXPECT_EQ(NewGoods(Trade().GetStoreCells()), 1u);
    EXPECT_TRUE(Row(0, false)->IsDisabled()) << "two units cost more than the money";
    EXPECT_EQ(Task().money, price + 10) << "nothing is paid before the commit";

    Click(CentreOf("StoreShop_OK"));
    EXPECT_EQ(Task().money, 10);
    EXPECT_EQ(Task().goals[0].remaining, 1000 - 10) << "the money goal counts the new total";
    EXPECT_EQ(Count(mStorehouse->GetCells(), kCarrot), 1u);
    EXPECT_EQ(mMain.GetGameGuiManager()->GetShown(), GameGuiManager::kNoWindow);
    EXPECT_EQ(PersManager::Peek()->GetAdmissionTimer(), 10.0f)
        << "no buyer on the field: the first comes now";
}

TEST_F(StoreHouseGUITest, LeavingAPageWithMovesAsksAndItsCancelReturnsEveryUnit)
{
    Stock(kCarrot, 2);
    mWindow->GetBuyList() = {{kCarrot, 1}};
    Open();
    Click(CentreOf("1_all"));
    ASSERT_EQ(NewGoods(Trade().GetShopCells()), 2u);
    Click(kStorehouseTabPoint);
    EXPECT_EQ(mWindow->GetPage(), StoreHouseGUI::kShopPage) << "the question comes first";
    EXPECT_FALSE(mWindow->GetSaleConfirm()->IsDisabled());
    EXPECT_TRUE(mWindow->GetMainWindow()->IsDisabled());

    Press("SaleCancel");
    EXPECT_EQ(Trade().GetStoreCounts(), (StoreTrade::GoodsCounts{{kCarrot, 2}}));
    EXPECT_EQ(NewGoods(Trade().GetShopCells()), 0u);
    EXPECT_EQ(mWindow->GetPage(), StoreHouseGUI::kStorehousePage);
    EXPECT_TRUE(mWindow->GetSaleConfirm()->IsDisabled());
    EXPECT_FALSE(mWindow->GetMainWindow()->IsDisabled());
    EXPECT_EQ(Count(mShop->GetCells(), kCarrot), 0u);
}

TEST_F(StoreHouseGUITest, SaleOkMovesTheUnitsAndShowsTheStorehousePage)
{
    Stock(kCarrot, 2);
    mWindow->GetBuyList() = {{kCarrot, 1}};
    Open();
    Click(CentreOf("1_one"));
    Click(kStorehouseTabPoint);
    Press("SaleOK");
    EXPECT_EQ(Count(mShop->GetCells(), kCarrot), 1u);
    EXPECT_EQ(Count(mStorehouse->GetCells(), kCarrot), 1u);
    EXPECT_EQ(Trade().GetStoreCounts(), (StoreTrade::GoodsCounts{{kCarrot, 1}}));
    EXPECT_EQ(Trade().GetSaleTotal(), 0u);
    EXPECT_EQ(mWindow->GetPage(), StoreHouseGUI::kStorehousePage);
}

TEST_F(StoreHouseGUITest, AnEmptyBuyListLocksTheStorehouseTab)
{
    for (const bool empty : {true, false})
    {
        mWindow->GetBuyList().clear();
        if (!empty)
        {
            mWindow->GetBuyList()[kCarrot] = 1;
        }
        Open();
        EXPECT_EQ(mWindow->GetMainWindow()->GetByName("LockBuyPage")->IsVisible(), empty);
        const auto* title =
            dynamic_cast<Korrin::GuiText*>(mWindow->GetMainWindow()->GetByName("TitleStorehouse"));
        EXPECT_EQ(title->mColour.alpha, empty ? 0.2f : 1.0f);
        Click(kStorehouseTabPoint);
        EXPECT_EQ(mWindow->GetPage(), empty ? StoreHouseGUI::kShopPage : StoreHouseGUI::kStorehousePage);
        Press("StoreShop_Cancel");
    }
}

TEST_F(StoreHouseGUITest, TheClickThatOpenedTheWindowPressesNothing)
{
    Stock(kCarrot, 1);
    mWindow->GetBuyList() = {{kCarrot, 1}};
    // The player presses where the row's button will be, the window opens, and the button is released.
    Frame(CentreOf("1_one"), true);
    mMain.GetGameGuiManager()->Show(StoreHouseGUI::kWindowId);
    EXPECT_TRUE(mWindow->GetMainWindow()->IsDisabled());
    Frame(CentreOf("1_one"), false);
    InputLocks::second = false;
    EXPECT_EQ(NewGoods(Trade().GetShopCells()), 0u);
    EXPECT_FALSE(mWindow->GetMainWindow()->IsDisabled()) << "the release frees the window";

    Click(CentreOf("1_one"));
    EXPECT_EQ(NewGoods(Trade().GetShopCells()), 1u);
}

// Opened by a button that acts on its release (the storehouse's panel page), nothing is held: the
// player's next click counts.
TEST_F(StoreHouseGUITest, OpenedWithNothingHeldTheFirstClickCounts)
{
    Stock(kCarrot, 1);
    mWindow->GetBuyList() = {{kCarrot, 1}};
    Frame(CentreOf("1_one"), false);
    mMain.GetGameGuiManager()->Show(StoreHouseGUI::kWindowId);
    EXPECT_FALSE(mWindow->GetMainWindow()->IsDisabled());
    EXPECT_FALSE(mWindow->IsWaitingForRelease());
    Click(CentreOf("1_one"));
    EXPECT_EQ(NewGoods(Trade().GetShopCells()), 1u);
}

TEST_F(StoreHouseGUITest, ALevelOneTipHoldsEveryButton)
{
    struct Case
    {
        std::uint16_t level;
        float timer;
        bool tipsOn;
        bool held;
    };
    const Case cases[] = {{1, 0.5f, true, true},
                          {1, Education::kUnarmed, true, false},
                          {1, 0.5f, false, false},
                          {2, 0.5f, true, false}};
    Stock(kCarrot, 2);
    mWindow->GetBuyList() = {{kCarrot, 1}};
    mMain.GetEducationSlot()->Start("Education1.lua", Main::kGameScreen, false);
    Education* tutorial = mMain.GetEducationSlot()->Get();
    ASSERT_NE(tutorial, nullptr);
    for (const Case& test : cases)
    {
        Task().level = test.level;
        mMain.GetEducationSlot()->SetEnabled(test.tipsOn);
        Education::Group& group = tutorial->GetGroups().at(tutorial->GetCurrentGroup());
        group.events.at(group.local).timer = test.timer;
        Open();
        Click(CentreOf("1_one"));
        const std::string label =
            "level " + std::to_string(test.level) + " timer " + std::to_string(test.timer);
        EXPECT_EQ(NewGoods(Trade().GetShopCells()), test.held ? 0u : 1u) << label;
        EXPECT_EQ(Row(0, true)->IsDisabled(), test.held) << label;
        const auto* ok =
            dynamic_cast<Korrin::GuiButton*>(mWindow->GetMainWindow()->GetByName("StoreShop_OK"));
        const auto* cancel =
            dynamic_cast<Korrin::GuiButton*>(mWindow->GetMainWindow()->GetByName("StoreShop_Cancel"));
        Frame(mMouse, false);
        EXPECT_EQ(cancel->IsDisabled(), test.held) << label;
        EXPECT_EQ(ok->IsDisabled(), test.held) << label << ": the move opens OK unless a tip holds it";
        Press("StoreShop_Cancel");
    }
}

// The sample tutorial's level-1 tip over the window holds every button, OK and Cancel too, so it must
// end: it does once the pointer rests on it, and the window is the player's again.
TEST_F(StoreHouseGUITest, TheLevelOneStorehouseTipEndsUnderThePointerAndFreesTheWindow)
{
    Korrin::TimerManager timer;
    Stock(kCarrot, 1);
    Task().level = 1;
    mMain.GetHintManager()->LoadFile("GameHint.lua", false);
    EducationSlot& slot = *mMain.GetEducationSlot();
    slot.Start("Education1.lua", Main::kGameScreen, true);
    slot.SetEnabled(true);
    // The tutorial and the hint pop-ups run before the window, as in the game's frame.
    const auto frame = [&](const Korrin::Vector2& point)
    {
        mRender.Services().GetClock().AdvanceFrame();
        timer.Update();
        slot.Update(Main::kGameScreen, timer.GetDelta());
        mMain.GetHintManager()->Update(timer.GetDelta());
        Frame(point, false);
    };
    Open();
    const Korrin::Vector2 away{1000.0f, 760.0f};
    for (int step = 0; step < 3; ++step)
    {
        frame(away);
    }
    const auto* cancel =
        dynamic_cast<Korrin::GuiButton*>(mWindow->GetMainWindow()->GetByName("StoreShop_Cancel"));
    ASSERT_TRUE(cancel->IsDisabled()) << "the tip holds the window while the storehouse has goods";
    const HintManager::HintRecord* tip = mMain.GetHintManager()->GetByName("EduStoreWindow");
    ASSERT_NE(tip, nullptr);
    std::optional<Korrin::Vector2> over;
    for (float y = 0.0f; y < 768.0f && !over; y += 8.0f)
    {
        for (float x = 0.0f; x < 1024.0f && !over; x += 8.0f)
        {
            over = tip->hint->IsPointOver({x, y}) ? std::optional<Korrin::Vector2>({x, y}) : std::nullopt;
        }
    }
    ASSERT_TRUE(over.has_value()) << "the tip is shown";
    frame(*over);
    frame(*over);
    EXPECT_FALSE(cancel->IsDisabled());
    EXPECT_FALSE(Row(0, false)->IsDisabled());
    EXPECT_EQ(slot.Get()->GetGroups().at(1).finished, 1) << "so it no longer dims the window either";
    frame(away);
    EXPECT_FALSE(cancel->IsDisabled()) << "and it does not come back";
}

// The window is shaded while its level-1 tip has not been read, so the tip stands from the first
// opening on, also before the storehouse holds anything: a shaded window never waits without its tip.
TEST_F(StoreHouseGUITest, TheLevelOneStorehouseTipStandsTheFirstTimeTheWindowOpensEvenEmpty)
{
    Korrin::TimerManager timer;
    Task().level = 1;
    mMain.GetHintManager()->LoadFile("GameHint.lua", false);
    EducationSlot& slot = *mMain.GetEducationSlot();
    slot.Start("Education1.lua", Main::kGameScreen, true);
    slot.SetEnabled(true);
    Open();
    for (int step = 0; step < 90; ++step)
    {
        mRender.Services().GetClock().AdvanceFrame();
        timer.Update();
        slot.Update(Main::kGameScreen, timer.GetDelta());
        mMain.GetHintManager()->Update(timer.GetDelta());
        Frame({1000.0f, 760.0f}, false);
    }
    const HintManager* hints = mMain.GetHintManager();
    EXPECT_EQ(slot.Get()->GetCurrentGroup(), 1);
    ASSERT_NE(hints->GetCurrent(), nullptr) << "the tip is up";
    EXPECT_EQ(hints->GetCurrent(), mMain.GetHintManager()->GetByName("EduStoreWindow"));
    const auto* cancel =
        dynamic_cast<Korrin::GuiButton*>(mWindow->GetMainWindow()->GetByName("StoreShop_Cancel"));
    EXPECT_TRUE(cancel->IsDisabled()) << "and holds the window until the pointer rests on it";
}

TEST_F(StoreHouseGUITest, AHighlightFollowsTheHoveredNewGoods)
{
    mShop->UpgradeLeft();
    Stock(kCarrot, 2);
    Open();
    Click(CentreOf("1_all"));
    // A change of the hovered cell stops what runs; the highlight of the cell comes in the next frame.
    Frame(ShopCellPoint(0), false);
    EXPECT_EQ(mWindow->GetHoveredCell(), 0);
    EXPECT_FALSE(mWindow->IsHighlightRunning());
    Frame(ShopCellPoint(0), false);
    EXPECT_TRUE(mWindow->IsHighlightRunning());
    EXPECT_GE(mWindow->GetHighlightCount(), 1u);
    Frame(ShopCellPoint(1), false);
    EXPECT_EQ(mWindow->GetHoveredCell(), 1);
    EXPECT_FALSE(mWindow->IsHighlightRunning()) << "the old highlight stops";
    Frame(ShopCellPoint(1), false);
    EXPECT_TRUE(mWindow->IsHighlightRunning()) << "and the new one starts";
    Frame({900.0f, 700.0f}, false);
    EXPECT_EQ(mWindow->GetHoveredCell(), -1);
    EXPECT_FALSE(mWindow->IsHighlightRunning());
}

TEST_F(StoreHouseGUITest, ACommitMovesOnlyUnitsTheStorehouseGivesAndTheShopTakes)
{
    struct Case
    {
        const char* name;
        std::function<void()> behindTheWindow;
        std::uint32_t shopCarrots;
        std::uint32_t storehouseCarrots;
    };
    const Case cases[] = {
        {"the shop filled up",
         [this]
         {
             while (mShop->GetCells().PutGoodsInstant(kTomato))
             {
             }
         },
         0, 2},
        {"the storehouse lost a unit", [this] { mStorehouse->GetCells().TakeGoodsInstant(kCarrot); }, 1, 0},
    };
    for (const Case& test : cases)
    {
        for (StoreCellManager* cells : {&mShop->GetCells(), &mStorehouse->GetCells()})
        {
            for (StoreCell& cell : cells->GetCells())
            {
                cell.Empty();
            }
        }
        Stock(kCarrot, 2);
        Open();
        Click(CentreOf("1_all"));
        ASSERT_EQ(NewGoods(Trade().GetShopCells()), 2u) << test.name;
        test.behindTheWindow();
        EXPECT_FALSE(Trade().CommitSale()) << test.name;
        EXPECT_EQ(Count(mShop->GetCells(), kCarrot), test.shopCarrots) << test.name;
        EXPECT_EQ(Count(mStorehouse->GetCells(), kCarrot), test.storehouseCarrots) << test.name;
        EXPECT_EQ(Trade().GetStoreCounts().size(), test.storehouseCarrots > 0 ? 1u : 0u) << test.name;
        Press("StoreShop_Cancel");
    }
}

TEST_F(StoreHouseGUITest, APurchaseIsPlacedAndPaidUnitByUnitWhileTheMoneyLasts)
{
    const std::int32_t price = TableCost::GetStoreHousePrice(kCarrot);
    struct Case
    {
        int units;
        std::int32_t moneyAtCommit;
        std::uint32_t placed;
        std::int32_t moneyAfter;
    };
    const Case cases[] = {{1, price - 1, 0, price - 1}, {2, price + 1, 1, 1}, {2, 2 * price, 2, 0}};
    mWindow->GetBuyList() = {{kCarrot, 1}};
    for (const Case& test : cases)
    {
        for (StoreCell& cell : mStorehouse->GetCells().GetCells())
        {
            cell.Empty();
        }
        Task().money = 10 * price;
        Open();
        Click(kStorehouseTabPoint);
        for (int unit = 0; unit < test.units; ++unit)
        {
            Click(CentreOf("1_one"));
        }
        Task().money = test.moneyAtCommit;
        EXPECT_EQ(Trade().CommitPurchase(), test.placed == static_cast<std::uint32_t>(test.units))
            << test.units;
        EXPECT_EQ(Count(mStorehouse->GetCells(), kCarrot), test.placed) << test.units;
        EXPECT_EQ(Task().money, test.moneyAfter) << test.units;
        Press("StoreShop_Cancel");
    }
}

TEST_F(StoreHouseGUITest, LocksStandOnTheClosedPlacesOfTheFirstShelf)
{
    Open();
    const Korrin::Vector2 shelf = mWindow->GetArt().mShelf1Pictures[0]->GetPosition();
    const std::vector<Korrin::Vector2>& offsets = mWindow->GetArt().mLockOffsets;
    ASSERT_EQ(offsets.size(), 6u);
    StoreHouseGUI::LockPlaces locks = mWindow->GetLockPlaces(true);
    ASSERT_EQ(locks.count, 4u) << "2 of 6 places open";
    for (std::size_t lock = 0; lock < locks.count; ++lock)
    {
        EXPECT_EQ(locks.places[lock].x, shelf.x + offsets[lock + 2].x) << lock;
        EXPECT_EQ(locks.places[lock].y, shelf.y + offsets[lock + 2].y) << lock;
    }
    mShop->UpgradeLeft();
    mShop->UpgradeLeft();
    EXPECT_EQ(mWindow->GetLockPlaces(true).count, 0u);
}

TEST_F(StoreHouseGUITest, LevelsPastThePicturesDrawNothingOfThemAndAShopPastItsLastIsReported)
{
    mWindow->GetBuyList() = {{kCarrot, 1}};
    mStorehouse->SetUpgradeLevel(7);
    Open();
    Click(kStorehouseTabPoint);
    DrawWindow();
    EXPECT_TRUE(Reports().empty()) << Reports().front();

    Click(kShopTabPoint);
    mShop->SetUpgradeLevel(5);
    DrawWindow();
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports().front(), "Level upgrade >=5 (StoreHouseGUI::DrawBuy)");
}

// Regenerate the golden pictures with
//   WF_REGENERATE_GOLDEN=1 ./wf_game_tests --gtest_filter='StoreHouseGUITest.GoldenPictures*'
TEST_F(StoreHouseGUITest, GoldenPicturesOfBothPages)
{
    Stock(kCarrot, 2);
    Stock(kTomato, 1);
    mWindow->GetBuyList() = {{kCarrot, 1}, {kTomato, 1}, {86, 1}};
    Task().money = 1000;
    Open();
    Click(CentreOf("1_one"));
    Frame({900.0f, 700.0f}, false);
    TestSupport::ExpectGoldenPicture(mRender, "store_window_shop_page", 1024, 768,
                                     [this] { mWindow->Draw(); });
    Click(kStorehouseTabPoint);
    Press("SaleOK");
    // The page's buttons take their places in the next frame.
    Frame(mMouse, false);
    Click(CentreOf("2_one"));
    Frame(mMouse, false);
    TestSupport::ExpectGoldenPicture(mRender, "store_window_storehouse_page", 1024, 768,
                                     [this] { mWindow->Draw(); });
}

// The same window over a level that has no storehouse.
class StoreWindowWithoutStorehouseTest : public StoreWindowTest
{
protected:
    StoreWindowWithoutStorehouseTest()
        : StoreWindowTest([](LevelFileBuilder& level) { level.Object(12, 22, 0); })
    {
    }
};

TEST_F(StoreWindowWithoutStorehouseTest, TheWindowOpensEmptyAndCommitsNothing)
{
    ASSERT_EQ(mStorehouse, nullptr);
    // What a visit of an earlier level with a storehouse left behind does not survive the next opening.
    StoreCellManager earlier(3, 4);
    earlier.PutGoodsInstant(kCarrot);
    Trade().Open(&mShop->GetCells(), &earlier);
    ASSERT_FALSE(Trade().GetStoreCounts().empty());

    Task().money = 1000;
    mWindow->GetBuyList() = {{kCarrot, 1}};
    Open();
    EXPECT_TRUE(Trade().GetStoreCounts().empty());
    EXPECT_TRUE(Trade().GetStoreCells().empty());
    EXPECT_FALSE(Row(0, false)->IsVisible());
    Click(kStorehouseTabPoint);
    Click(CentreOf("1_one"));
    EXPECT_TRUE(Row(0, false)->IsDisabled()) << "no cell to buy into";
    EXPECT_EQ(NewGoods(Trade().GetStoreCells()), 0u);
    Press("StoreShop_OK");
    EXPECT_EQ(Task().money, 1000);
    EXPECT_EQ(earlier.GetGoodsCounts().at(kCarrot), 1u);
}

// A level whose storehouse goods list holds codes that name no goods (logged when read).
class StoreWindowWithUnknownGoodsTest : public StoreWindowTest
{
protected:
    StoreWindowWithUnknownGoodsTest()
        : StoreWindowTest(
              [](LevelFileBuilder& level) {
                  level.goods = {1, 21, 0xFF, 2};
              })
    {
    }
};

TEST_F(StoreWindowWithUnknownGoodsTest, AnUnknownGoodsCodeOffersNoRow)
{
    EXPECT_EQ(mWindow->GetBuyList(), (StoreTrade::GoodsCounts{{kCarrot, 1}, {kTomato, 1}}));
    Task().money = 1000;
    Open();
    Click(kStorehouseTabPoint);
    ASSERT_EQ(mWindow->GetPage(), StoreHouseGUI::kStorehousePage);
    EXPECT_TRUE(Row(0, false)->IsVisible());
    EXPECT_TRUE(Row(1, false)->IsVisible());
    EXPECT_FALSE(Row(2, false)->IsVisible()) << "no row without goods, price or picture";
}

} // namespace
