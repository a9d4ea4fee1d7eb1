#include "engine/App/InputManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Render/AnimatedMesh.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/Sprite.h"
#include "game/Entity/BuildingKind.h"
#include "game/Entity/BuildingWorker.h"
#include "game/Entity/EntityBuilding.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GamePanel.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersRunBoy.h"
#include "game/Util/HintManager.h"
#include "platform/WindowSystem.h"
#include "tests/engine/TempFolder.h"
#include "tests/game/Panel/SampleMedia.h"
#include "tests/support/AchievementDefinitions.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace
{

// A juicer of the sample data with its errand boy, and the level's panel and hints around it.
class EntityBuildingPanelTest : public TestSupport::SampleMediaTest
{
protected:
    EntityBuildingPanelTest()
    {
        mParticlesOfGame.Load();
        TestSupport::DefineAchievements(mAchievements, "{ {Id = 14, MaxProgress = 1000, Prize = 1} }");
        mPanel.Init();
        mPanel.Reset();
        mHints.Load();
        mTask.money = 5000;
        Prepare(mJuicer, mBoy, 8);
    }

    static void Prepare(EntityBuilding& building, Pers& worker, std::int32_t i)
    {
        building.Init();
        building.Place(i, 10);
        building.SetSide(0);
        building.SetWorker(&worker);
        worker.SetHomeEntity(&building);
        building.Reset();
    }

    Korrin::GuiContainer& Page(std::uint16_t page) { return *mPanel.GetPanel(page); }
    Korrin::GuiButton& Button(std::uint16_t page, const char* name)
    {
        return dynamic_cast<Korrin::GuiButton&>(*Page(page).GetByName(name));
    }
    // The panel's message of this frame is a click on that element of the page.
    void Click(std::uint16_t page, const char* name, EntityBuilding& building)
    {
        mWidgets.SetMessages(Page(page).GetByName(name));
        building.OnGuiEvent();
        mWidgets.RemoveMessage();
    }
    static std::string Caption(Korrin::GuiButton& button)
    {
        const std::u16string& text = button.GetText(Korrin::GuiButton::kNormal).mCaption;
        return {text.begin(), text.end()};
    }
    // The updates, in frames of 1/60 s, until the worker is sold.
    static float SecondsOfSale(EntityBuilding& building, Pers& worker)
    {
        float seconds = 0.0f;
        while (worker.IsActive() && seconds < 10.0f)
        {
            building.Update(1.0f / 60.0f);
            seconds += 1.0f / 60.0f;
        }
        return seconds;
    }

    // A new press of the left button in this frame (after a frame with it up).
    void PressLeftButton()
    {
        Platform::WindowSystem& windows = mRender.Services().Window();
        if (mInput == nullptr)
        {
            const Platform::WindowHandle window =
                windows.CreateAppWindow("level", 0, {0, 0, 1024, 768},
                                        [](Platform::WindowHandle, std::uint32_t, std::uintptr_t,
                                           std::intptr_t) { return std::intptr_t{0}; });
            windows.ShowWindow(window, Platform::ShowCommand::Normal);
            mInput = std::make_unique<Korrin::InputManager>(window);
        }
        windows.Mouse().SetButton(0, false);
        mInput->Update();
        windows.Mouse().SetButton(0, true);
        mInput->Update();
    }

    std::unique_ptr<Korrin::InputManager> mInput;
    Korrin::GuiManager mWidgets;
    TableCost mTable;
    LevelTaskInfo mTask;
    AchievementSystem mAchievements;
    GameParticleManager mParticlesOfGame;
    GamePanel mPanel;
    HintManager mHints;
    PersRunBoy mBoy{30};
    EntityBuilding mJuicer{30};
};

} // namespace

TEST_F(EntityBuildingPanelTest, TheOrderButtonsFollowTheLevelAndTheHiredWorkerAndPlaceTheirPictures)
{
    struct Case
    {
        std::uint16_t level;
        bool hired;
        // Per button: shown with a price, and pressable.
        std::array<bool, 3> priced;
        std::array<bool, 3> pressable;
        float alpha;
    };
    const Case cases[] = {
        {0, true, {true, false, false}, {true, false, false}, 1.0f},
        {2, true, {true, true, true}, {true, true, true}, 1.0f},
        {0, false, {true, false, false}, {false, false, false}, 0.7f},
    };
    for (const Case& test : cases)
    {
        mJuicer.SetUpgradeLevel(test.level);
        mBoy.SetActive(test.hired);
        mJuicer.SetPanelMode(EntityBuilding::kBuildingMode);
        mJuicer.ChangeGui();
        ASSERT_EQ(mPanel.GetCurrent(), 3);
        EXPECT_FALSE(Page(3).GetByName("TABBUILDING_BUY")->IsVisible());
        EXPECT_TRUE(Page(3).GetByName("BUILDING_UPGRADE")->IsVisible());
        const char* names[] = {"BUILDING_TASK1", "BUILDING_TASK2", "BUILDING_TASK3"};
        for (std::size_t i = 0; i < 3; ++i)
        {
            Korrin::GuiButton& button = Button(3, names[i]);
            const std::string price =
                std::to_string(EntityTask::OrderPrice(static_cast<std::uint8_t>(89 + i)));
            EXPECT_EQ(Caption(button), test.priced[i] ? price : "") << test.level << " " << names[i];
            EXPECT_EQ(!button.IsDisabled(), test.pressable[i]) << test.level << " " << names[i];
            // The goods picture sits inside an unlocked button; a locked one shows its lock at the edge.
            const Korrin::Vector2 picture = button.GetDisabledSpritePosition();
            EXPECT_EQ(picture.x, test.priced[i] ? 15.0f : 1.0f) << test.level << " " << names[i];
            EXPECT_EQ(picture.y, test.priced[i] ? 5.0f : 0.0f) << test.level << " " << names[i];
        }
        EXPECT_FLOAT_EQ(Button(3, "BUILDING_TASK1").GetText(Korrin::GuiButton::kNormal).mColour.alpha,
                        test.alpha);
    }
}

TEST_F(EntityBuildingPanelTest, BothPagesAreTitledWithTheBuildingAndTheWorkerPageNamesItsWorker)
{
    const auto captionOf = [this](std::uint16_t page, const char* name)
    { return dynamic_cast<Korrin::GuiText&>(*Page(page).GetByName(name)).GetCaptionName(); };
    mJuicer.SetPanelMode(EntityBuilding::kBuildingMode);
    mJuicer.ChangeGui();
    ASSERT_EQ(mPanel.GetCurrent(), 3);
    EXPECT_EQ(captionOf(3, "PanelBuilding_Title"), "GOODS_JUICER");
    EXPECT_EQ(captionOf(3, "PanelBuilding_TabText1"), "GOODS_JUICER");
    mJuicer.SetPanelMode(EntityBuilding::kWorkerMode);
    mJuicer.ChangeGui();
    ASSERT_EQ(mPanel.GetCurrent(), GamePanel::kWorkerPage);
    EXPECT_EQ(captionOf(9, "PanelWorker_TabText1"), "GOODS_JUICER");
    EXPECT_EQ(captionOf(9, "PanelWorker_Title"), "GOODS_BOY");
}

TEST_F(EntityBuildingPanelTest, TheWorkersPageHiresSellsAndStopsTheSale)
{
    mBoy.SetActive(false);
    mJuicer.SetPanelMode(EntityBuilding::kWorkerMode);
    mJuicer.ChangeGui();
    ASSERT_EQ(mPanel.GetCurrent(), GamePanel::kWorkerPage);
    EXPECT_TRUE(Page(9).GetByName("CHAR_BUY")->IsVisible());
    EXPECT_FALSE(Page(9).GetByName("CHAR_SALE")->IsVisible());
    Click(9, "CHAR_BUY", mJuicer);
    EXPECT_TRUE(mBoy.IsActive());
    EXPECT_FALSE(Page(9).GetByName("CHAR_BUY")->IsVisible());
    EXPECT_TRUE(Page(9).GetByName("CHAR_SALE")->IsVisible());
    Click(9, "CHAR_SALE", mJuicer);
    EXPECT_EQ(mJuicer.GetSaleTimer(), 0.0f);
    for (const char* name : {"CHAR_UPGRADE", "CHAR_SALE"})
    {
        EXPECT_FALSE(Page(9).GetByName(name)->IsVisible()) << name;
    }
    for (const char* name : {"CHAR_CANCEL_CHARACTER", "CHAR_CANCEL_PROGRESS", "CHAR_CANCEL_BORDER",
                             "CHAR_CANCEL_PROGRESS_PANEL"})
    {
        EXPECT_TRUE(Page(9).GetByName(name)->IsVisible()) << name;
    }
    Click(9, "CHAR_CANCEL_CHARACTER", mJuicer);
    EXPECT_EQ(mJuicer.GetSaleTimer(), EntityBuilding::kNoSale);
    EXPECT_TRUE(Page(9).GetByName("CHAR_SALE")->IsVisible());
    EXPECT_FALSE(Page(9).GetByName("CHAR_CANCEL_PROGRESS")->IsVisible());
    EXPECT_TRUE(mBoy.IsActive()) << "a stopped sale keeps the worker";
}

TEST_F(EntityBuildingPanelTest, ASaleEndsSoonerWithItsPageShownAndOnlyThatBuildingMovesThePage)
{
    PersRunBoy otherBoy{30};
    EntityBuilding other{30};
    Prepare(other, otherBoy, 13);
    mBoy.SetActive(true);
    otherBoy.SetActive(true);
    // The page shows the first juicer's worker while both are sold.
    mJuicer.SetPanelMode(EntityBuilding::kWorkerMode);
    mJuicer.SetSaleTimer(0.0f);
    mJuicer.ChangeGui();
    other.SetSaleTimer(0.0f);
    const float withoutPage = SecondsOfSale(other, otherBoy);
    EXPECT_NEAR(withoutPage, 1.0f / 0.33f, 2.0f / 60.0f);
    EXPECT_TRUE(Page(9).GetByName("CHAR_CANCEL_PROGRESS")->IsVisible())
        << "the other building's sale leaves the page alone";
    EXPECT_EQ(mJuicer.GetSaleTimer(), 0.0f);
    const float withPage = SecondsOfSale(mJuicer, mBoy);
    EXPECT_NEAR(withPage, (1.0f - 0.13f) / 0.33f, 2.0f / 60.0f);
    EXPECT_EQ(mJuicer.GetSaleTimer(), EntityBuilding::kNoSale);
    EXPECT_TRUE(Page(9).GetByName("CHAR_BUY")->IsVisible()) << "the page is refilled at the end";
}

TEST_F(EntityBuildingPanelTest, AnUpgradeThatWouldBeRefusedTakesNoMoney)
{
    mBoy.SetActive(true);
    mJuicer.ChangeGui();
    const std::int32_t money = mTask.money;
    Click(3, "BUILDING_UPGRADE", mJuicer);
    EXPECT_EQ(mJuicer.GetUpgradeLevel(), 0);
    EXPECT_EQ(mTask.money, money) << "a new player has no unlocked upgrade to pay for";
    mTable.GetCostPtr(30)->upgradeLevel = 2;
    EntityBuilding unlocked{30};
    PersRunBoy boy{30};
    Prepare(unlocked, boy, 13);
    unlocked.ChangeGui();
    Click(3, "BUILDING_UPGRADE", unlocked);
    EXPECT_EQ(unlocked.GetUpgradeLevel(), 1);
    EXPECT_EQ(unlocked.GetTaskLimit(), 3);
    EXPECT_EQ(mTask.money, money - CostRecord::GetLevelValue(1, unlocked.GetCost()));
}

TEST_F(EntityBuildingPanelTest, TheHintIsNamedAfterTheKindAndLevelAndTheLotsHintHasNoLevel)
{
    mJuicer.SetUpgradeLevel(1);
    const Korrin::Rect& rect = mJuicer.GetRect();
    EXPECT_TRUE(mJuicer.IsPointInside({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}));
    EXPECT_EQ(mHints.GetByName("JuicerHint1")->pending, 1);
    EXPECT_FALSE(mJuicer.IsPointInside({rect.right + 1, rect.top}));
    EntityBuilding lot{30};
    PersRunBoy boy{30};
    Prepare(lot, boy, 13);
    lot.SetForSale(true);
    const Korrin::Rect& sign = lot.GetSignRect();
    EXPECT_TRUE(lot.IsPointInside({sign.right, sign.bottom})) << "the sign's edges count";
    EXPECT_EQ(mHints.GetByName("BuyTableJuicerHint")->pending, 1);
}

TEST_F(EntityBuildingPanelTest, TheFillRisesAsTheRemainingWorkFalls)
{
    mBoy.SetActive(true);
    mJuicer.SetRunsLeft(0);
    mJuicer.SetWorkProgress(1.0f);
    ASSERT_NE(mJuicer.GetBarFill(), nullptr);
    const Korrin::Rect whole = mJuicer.GetBarFill()->GetSrcRect();
    for (const float remaining : {100.0f, 0.0f})
    {
        mJuicer.SetRemainingWork(remaining);
        mJuicer.DrawExtra();
        EXPECT_EQ(mJuicer.GetBarFill()->GetSrcRect().top, whole.top + remaining) << remaining;
        EXPECT_EQ(mJuicer.GetBarFill()->GetSrcRect().bottom, whole.bottom) << remaining;
    }
}

TEST_F(EntityBuildingPanelTest, ALoadedRunKeepsItsMeshTime)
{
    mBoy.SetActive(true);
    mJuicer.SetRunsLeft(1);
    mJuicer.SetRemainingWork(EntityBuilding::kFullWork);
    mJuicer.SetWorkRate(1.0f);
    for (int frame = 0; frame < 150; ++frame)
    {
        mJuicer.Update(1.0f / 60.0f);
    }
    Korrin::BinaryWriter out;
    mJuicer.Save(out);
    PersRunBoy boy{30};
    EntityBuilding copy{30};
    Prepare(copy, boy, 8);
    Korrin::BinaryReader in(out.Bytes());
    copy.Load(in);
    ASSERT_TRUE(in.Ok());
    auto& level = *copy.CurrentLevel()->mesh;
    EXPECT_EQ(level.GetLoop(), 1) << "the work animation loops on";
    // The still body rests at 0 while the smoke runs through its cycle: every moving part goes on where it
    // was.
    AniMeshContainer& original = *mJuicer.CurrentLevel()->mesh;
    EXPECT_GT(EntityBuilding::MeshTime(original), 0.0f);
    ASSERT_EQ(level.GetEntityCount(), original.GetEntityCount());
    for (int part = 0; part < static_cast<int>(original.GetEntityCount()); ++part)
    {
        const Korrin::AnimatedMesh& mesh = *original.GetEntity(part)->mesh;
        if (mesh.GetFrames().size() > 1)
        {
            EXPECT_FLOAT_EQ(level.GetEntity(part)->mesh->GetTime(), mesh.GetTime())
                << original.GetEntity(part)->name;
        }
    }
    EXPECT_EQ(copy.GetRemainingWork(), mJuicer.GetRemainingWork());
}

TEST_F(EntityBuildingPanelTest, AClickOnTheWorkerOpensItsPageAndTheNextClickTheBuildingsPage)
{
    mBoy.SetActive(true);
    const Korrin::Rect& rect = mJuicer.GetRect();
    // The worker passes its click on: the building hovered and the mode 3.
    mJuicer.IsPointInside({rect.left, rect.top});
    mJuicer.SetPanelMode(EntityBuilding::kWorkerClick);
    PressLeftButton();
    ASSERT_TRUE(mJuicer.TryClick());
    EXPECT_EQ(mJuicer.GetPanelMode(), EntityBuilding::kWorkerMode);
    EXPECT_EQ(mPanel.GetCurrent(), GamePanel::kWorkerPage);
    EXPECT_EQ(mJuicer.GetPressed(), 1);
    EXPECT_EQ(mBoy.GetPressed(), 1);
    PressLeftButton();
    ASSERT_TRUE(mJuicer.TryClick());
    EXPECT_EQ(mJuicer.GetPanelMode(), EntityBuilding::kBuildingMode);
    EXPECT_EQ(mPanel.GetCurrent(), 3);
    mJuicer.ClearHover();
    PressLeftButton();
    EXPECT_FALSE(mJuicer.TryClick()) << "no click without hover";
}

TEST_F(EntityBuildingPanelTest, ADoorWithoutOffsetsOpensAtItsOwnPlace)
{
    // The juicer's description and looks under another stem, without its door offsets.
    const std::filesystem::path media = std::filesystem::path(WF_GAME_BINARY).parent_path() / "media";
    auto read = [&media](const std::string& name)
    {
        std::ifstream file(media / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    };
    TestSupport::TempFolder folder("door-without-offsets");
    std::string lua;
    std::istringstream lines(read("Juicer.lua"));
    for (std::string line; std::getline(lines, line);)
    {
        lua += line.rfind("DoorOff", 0) == 0 ? "" : line + "\n";
    }
    folder.Write("Bare.lua", lua);
    for (const char* suffix : {"1.building", "2.building", "3.building", "_up.building"})
    {
        folder.Write(std::string("Bare") + suffix, read(std::string("Juicer") + suffix));
    }
    mFiles.AddDirectory(folder.Path());
    EntityBuilding bare{30};
    bare.Load("Bare");
    bare.Place(8, 10);
    bare.SetSide(0);
    bare.SetWorker(&mBoy);
    mBoy.SetActive(true);
    bare.Reset();
    ASSERT_TRUE(bare.GetLevelRecords()[0].doorOffsets.empty());
    bare.Update(1.0f / 60.0f); // the meshes take their places from their animations
    bare.SetDoorFrame(2.0f);
    Korrin::RenderSystem& render = mRender.Render();
    render.BeginFrame();
    render.BeginScene(nullptr);
    bare.Draw();
    render.EndScene();
    // The half-open leaf hangs at the doorway's left post (263 right and 142 down of the drawing origin).
    const std::uint32_t leaf = mRender.BackBuffer().At(512 - 249 + 263 + 4, 280 - 174 + 142 + 30);
    EXPECT_GT((leaf >> 16) & 0xFF, 100u) << std::hex << leaf;
    EXPECT_GT((leaf >> 16) & 0xFF, (leaf & 0xFF) + 40u) << std::hex << leaf;
}

// A worker sold before an order's inputs reached the building cancels that order: its price comes back
// with half the hire price. A run already at work goes on, so its order is not refunded.
TEST_F(EntityBuildingPanelTest, SellingAWorkerRefundsTheOrderItsRunCancels)
{
    struct Case
    {
        std::uint8_t order; // 0 for none
        bool inHands;       // the worker carries the inputs; else the run has started inside
        bool refunded;
    };
    const Case cases[] = {
        {0, false, false}, {89, true, true}, {90, true, true}, {91, true, true}, {91, false, false},
    };
    std::int32_t saleOnly = -1;
    for (const Case& test : cases)
    {
        PersRunBoy boy{30};
        EntityBuilding juicer{30};
        Prepare(juicer, boy, 8);
        juicer.SetUpgradeLevel(2);
        boy.SetActive(true);
        mTask.money = 5000;
        if (test.order != 0)
        {
            ASSERT_TRUE(juicer.AddTask(test.order));
            juicer.RemoveTask(0, false);
            if (test.inHands)
            {
                BuildingWorker::SetCarriedGoods(&boy, juicer.GetKind()->firstInput);
            }
            else
            {
                juicer.SetWorkProgress(0.5f);
                juicer.SetWorkRate(1.0f);
            }
        }
        const std::int32_t before = mTask.money;
        juicer.SetSaleTimer(0.0f);
        SecondsOfSale(juicer, boy);
        ASSERT_FALSE(boy.IsActive());
        const std::int32_t gained = mTask.money - before;
        if (test.order == 0)
        {
            saleOnly = gained;
            continue;
        }
        const std::int32_t refund = test.refunded ? EntityTask::OrderPrice(test.order) : 0;
        EXPECT_EQ(gained, saleOnly + refund) << int(test.order) << " " << test.inHands;
        EXPECT_EQ(juicer.GetRunsLeft() == EntityBuilding::kNoRun, test.refunded) << int(test.order);
    }
}
