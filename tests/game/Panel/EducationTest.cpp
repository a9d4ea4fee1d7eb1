#include "game/Game/Education.h"

#include "engine/App/TimerManager.h"
#include "engine/Render/SkeletonManager.h"
#include "game/Entity/Entity.h"
#include "game/Entity/EntityBuilding.h"
#include "game/Entity/EntityGarden.h"
#include "game/Entity/EntityManager.h"
#include "game/Entity/EntityRope.h"
#include "game/Entity/EntityShop.h"
#include "game/Entity/EntityStorehouse.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/StoreHouseGUI.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/GameField.h"
#include "game/Game/Level.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Main.h"
#include "game/Pers/Pers.h"
#include "game/Pers/PersAnimationManager.h"
#include "game/Pers/PersManager.h"
#include "game/Pers/PersThiefManager.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/game/Panel/HintScripts.h"
#include "tests/game/Pers/PersLooks.h"

#include <gtest/gtest.h>
#include <memory>

using TestSupport::LevelFileBuilder;
using TestSupport::PersLooks;
using TestSupport::ReportRecorder;

namespace
{

bool Locked()
{
    return InputLocks::first && InputLocks::second && InputLocks::third;
}

// A level with a garden bed for sale, a water well, a juicer for sale and the rope, the screen manager
// with its hint manager, and a tutorial read from a script of the test.
class EducationTest : public TestSupport::HintScriptTest
{
protected:
    EducationTest()
    {
        std::string hints = "HintList = {";
        for (int i = 0; i < 12; ++i)
        {
            hints += " 'T" + std::to_string(i) + "',";
        }
        hints += " 'S0', 'S1' }\n";
        for (int i = 0; i < 12; ++i)
        {
            hints += "T" + std::to_string(i) + " = Hint(0.5)\n";
        }
        hints += "S0 = Hint(0.5) S1 = Hint(0.5)\n";
        Script("hints.lua", hints);
        mMain.GetHintManager()->LoadFile("hints.lua", false);
        mTimer.Reset();

        LevelFileBuilder level = LevelFileBuilder::Complete();
        level.Floor(10);
        level.Object(3, 10, 4);
        level.Object(4, 10, 4);
        level.Object(6, 10, 14);
        for (int i = 9; i <= 12; ++i)
        {
            level.Object(i, 10, 29);
        }
        mLevel->Build(level.Parsed());
        PersLooks::Write(mFolder, "media/");
        InputLocks::first = InputLocks::second = InputLocks::third = false;
    }
    ~EducationTest() override { InputLocks::first = InputLocks::second = InputLocks::third = false; }

    // Starts a tutorial of `count` tips of group 0 (hints T0...) and the given entries of group 1 (hints
    // S0...), each with the given start time and lock; level is the level number the routines see.
    void Start(std::uint16_t level, int count, const std::string& extra = "", float startTime = -1.0f,
               int lock = 0)
    {
        LevelTaskInfo::GetInstance()->level = level;
        std::string script = "Education = {\n";
        for (int i = 0; i < count; ++i)
        {
            script += "{ iGroup = 0, hintName = 'T" + std::to_string(i) +
                      "', hintPos = { 300, 200 }, eventType = 1, " +
                      "startTime = " + std::to_string(startTime) + ", lock = " + std::to_string(lock) +
                      " },\n";
        }
        script += extra + "}\n";
        Script("tips.lua", script);
        mSlot.Start("tips.lua", Main::kGameScreen, true);
    }

    Education& Tutorial() { return *mSlot.Get(); }
    std::uint32_t Step() { return Tutorial().GetGroups().at(Tutorial().GetCurrentGroup()).local; }
    void SetStep(std::uint32_t step) { Tutorial().GetGroups().at(Tutorial().GetCurrentGroup()).local = step; }
    float Timer() { return Tutorial().GetCurrentEvent()->timer; }

    // One frame of 1/60 s: the tutorial, then the hint manager, as the screen manager runs them.
    void Frame()
    {
        mRender.Services().GetClock().AdvanceFrame();
        mTimer.Update();
        mMain.UpdateList(mTimer.GetDelta());
    }
    // The tutorial's update alone, which runs the level routines.
    void Appoint() { Tutorial().Update(0.0f); }

    Entity& Find(std::uint8_t type) { return *mLevel->GetEntityManager()->GetEntity(type); }
    void Select(Entity& entity, std::uint32_t tab = 0)
    {
        entity.SetPressed(1);
        entity.SetPanelMode(tab);
    }
    void SetMoney(std::int32_t money) { LevelTaskInfo::GetInstance()->money = money; }
    bool HintPending(const char* name) { return mMain.GetHintManager()->GetByName(name)->pending != 0; }

    Korrin::TimerManager mTimer;
    Main mMain;
    Korrin::SkeletonManager mSkeletons;
    PersAnimationManager mAnimations;
    std::unique_ptr<Level> mLevel = std::make_unique<Level>();
    EducationSlot& mSlot = *mMain.GetEducationSlot();
};

// The game screen stands in for the four screens, so Main's update has a current screen to run.
class Screen : public Blank
{
public:
    void Init() override {}
    void Reset() override {}
    bool Update(float /*dt*/) override { return true; }
    void Draw() override {}
};

class EducationFrameTest : public EducationTest
{
protected:
    EducationFrameTest() { mMain.Add("Game", new Screen(), true); }
};

} // namespace

TEST_F(EducationFrameTest, ATipIsShownWhenItsStartTimeHasRunOut)
{
    Start(7, 2, "", 2.0f);
    for (int frame = 0; frame < 119; ++frame)
    {
        Frame();
    }
    EXPECT_FALSE(HintPending("T0")) << "1.98 s";
    Frame();
    Frame();
    EXPECT_TRUE(HintPending("T0")) << "asked for once two seconds have passed";
    EXPECT_EQ(Timer(), 0.0f) << "held at 0 while shown";
    Frame();
    EXPECT_NE(mMain.GetHintManager()->GetCurrent(), nullptr);
    EXPECT_FALSE(HintPending("T1"));
}

TEST_F(EducationFrameTest, AnUnarmedTipWaitsForTheLevelAndALockingTipHoldsTheLevel)
{
    Start(7, 2, "", -1.0f, 1);
    for (int frame = 0; frame < 300; ++frame)
    {
        Frame();
    }
    EXPECT_EQ(mMain.GetHintManager()->GetCurrent(), nullptr);
    EXPECT_FALSE(Locked());
    Tutorial().ArmCurrentTip();
    Frame();
    EXPECT_TRUE(Locked()) << "a locking tip freezes the level while it shows";
    Frame();
    EXPECT_NE(mMain.GetHintManager()->GetCurrent(), nullptr) << "still shown under its own lock";
    EXPECT_TRUE(Tutorial().NextTip());
    Tutorial().GetCurrentEvent()->lock = 0;
    EXPECT_FALSE(Tutorial().NextTip()) << "the last tip ends the group";
    const Education::Group& group = Tutorial().GetGroups().at(0);
    EXPECT_EQ(group.finished, 1);
    EXPECT_EQ(group.local, 1u);
    EXPECT_EQ(group.events[1].timer, Education::kUnarmed);
    EXPECT_FALSE(Locked()) << "the locks go with the group, whichever tip set them";
    EXPECT_EQ(mMain.GetHintManager()->GetCurrent(), nullptr);
    Frame();
    Frame();
    EXPECT_EQ(mMain.GetHintManager()->GetCurrent(), nullptr) << "and the pop-up stays away";
}

TEST_F(EducationFrameTest, AnyWindowButTheStorehouseMakesGroupZeroCurrentAndPauses)
{
    Start(1, 3,
          "{ iGroup = 1, hintName = 'S0', hintPos = { 1, 2 }, eventType = 1, startTime = -1, lock = 0 },");
    Tutorial().SetCurrentGroup(1);
    mMain.GetGameGuiManager()->Show(GameGuiManager::kGameMenu);
    Frame();
    EXPECT_EQ(Tutorial().GetCurrentGroup(), 0);
    EXPECT_EQ(mMain.GetHintManager()->GetCurrent(), nullptr) << "the window's locks keep every tip hidden";
    mMain.GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
}

TEST_F(EducationTest, TheScriptNeedsAGroupForEveryTip)
{
    Script("bad.lua", "Education = { { hintName = 'T0' }, { iGroup = 2, hintName = 'T1', startTime = 4 } }");
    ReportRecorder::Clear();
    mSlot.Start("bad.lua", 0, true);
    EXPECT_EQ(ReportRecorder::LastDescription(), "Cannot Load iGroup (not found)");
    ASSERT_EQ(Tutorial().GetGroups().count(2), 1u);
    EXPECT_EQ(Tutorial().GetGroups().at(2).events.at(0).timer, 4.0f);
    EXPECT_EQ(Tutorial().GetGroups().at(2).events.at(0).lock, 0);
    ReportRecorder::Clear();
    EXPECT_EQ(Tutorial().GetCurrentEvent(), nullptr);
    EXPECT_EQ(ReportRecorder::LastDescription(), "incorrect mIGroup in GetCurrentEvent()");
}

TEST_F(EducationTest, TheRecordRoundTripsAndAShortOneChangesNothing)
{
    Start(7, 3,
          "{ iGroup = 4, hintName = 'S0', hintPos = { 7, 8 }, eventType = 0, startTime = 1.5, lock = 1 },");
    Education& first = Tutorial();
    first.GetGroups().at(0).local = 2;
    first.GetGroups().at(0).events[2].timer = 0.75f;
    first.GetGroups().at(4).finished = 1;
    first.SetCurrentGroup(4);
    Korrin::BinaryWriter out;
    first.Save(out);
    // Three tips of 20 bytes, their group's index and flag; one tip and its group; group and flags.
    EXPECT_EQ(out.Bytes().size(), 3u * 20u + 5u + 20u + 5u + 4u + 3u);

    Education second("tips.lua");
    second.Init();
    Korrin::BinaryReader in(out.Bytes());
    second.Load(in);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(second.GetCurrentGroup(), 4);
    EXPECT_EQ(second.GetGroups().at(0).local, 2u);
    EXPECT_EQ(second.GetGroups().at(0).events[2].timer, 0.75f);
    EXPECT_EQ(second.GetGroups().at(4).finished, 1);
    EXPECT_EQ(second.GetGroups().at(4).events[0].hintPos, (Korrin::Vector2{7.0f, 8.0f}));
    Korrin::BinaryWriter again;
    second.Save(again);
    EXPECT_EQ(again.Bytes(), out.Bytes());

    const std::vector<std::uint8_t> shorter(out.Bytes().begin(), out.Bytes().end() - 2);
    Education third("tips.lua");
    third.Init();
    Korrin::BinaryReader cut(shorter);
    third.Load(cut);
    EXPECT_FALSE(cut.Ok());
    EXPECT_EQ(third.GetCurrentGroup(), 0);
    EXPECT_EQ(third.GetGroups().at(0).local, 0u);
}

TEST_F(EducationTest, ATipIndexPastItsGroupIsTakenAsTheLast)
{
    Start(7, 3);
    Korrin::BinaryWriter out;
    Tutorial().GetGroups().at(0).local = 40;
    Tutorial().SetCurrentGroup(9);
    Tutorial().Save(out);
    Education loaded("tips.lua");
    loaded.Init();
    Korrin::BinaryReader in(out.Bytes());
    loaded.Load(in);
    EXPECT_EQ(loaded.GetGroups().at(0).local, 2u);
    EXPECT_EQ(loaded.GetCurrentGroup(), 0) << "a group the script does not have";
}

TEST_F(EducationTest, ADeletedTutorialLeavesTheLevelsSaveManager)
{
    const std::size_t before = SaveLoadManager::GetInstance()->Count();
    Start(7, 2);
    EXPECT_EQ(SaveLoadManager::GetInstance()->Count(), before + 1);
    Start(7, 3);
    EXPECT_EQ(SaveLoadManager::GetInstance()->Count(), before + 1) << "the replaced one is gone from it";
    mSlot.Clear();
    EXPECT_EQ(SaveLoadManager::GetInstance()->Count(), before);
    Korrin::BinaryWriter out;
    SaveLoadManager::GetInstance()->SaveAll(out); // reaches no deleted tutorial
    EXPECT_FALSE(mSlot.IsEventActive());
}

TEST_F(EducationTest, LevelOneLeadsFromTheGardenBedToTheFirstMoney)
{
    Start(1, 6,
          "{ iGroup = 1, hintName = 'S0', hintPos = { 1, 2 }, eventType = 1, startTime = -1, lock = 0 },");
    Entity& garden = Find(Entity::kGarden);
    auto& storehouse = dynamic_cast<EntityStorehouse&>(Find(Entity::kStorehouse));
    auto& shop = dynamic_cast<EntityShop&>(Find(Entity::kShop));
    SetMoney(0);
    SetStep(1);
    Appoint();
    EXPECT_EQ(Step(), 1u) << "waits for the garden bed";
    Select(garden);
    Appoint();
    EXPECT_EQ(Step(), 2u) << "selected: next, and step 2 at once finds no task yet";
    garden.SetPanelMode(1);
    Appoint();
    EXPECT_EQ(Step(), 1u) << "the worker page goes back";
    garden.SetPanelMode(0);
    garden.AddTask(1);
    Appoint();
    Appoint();
    EXPECT_EQ(Step(), 3u) << "a queued task at the bed";
    storehouse.GetCells().PutGoodsInstant(84);
    Appoint();
    EXPECT_EQ(Timer(), 0.0f) << "goods in the storehouse arm the tip";
    shop.GetCells().PutGoods(84);
    storehouse.GetCells().TakeGoodsInstant(84);
    Appoint();
    EXPECT_EQ(Step(), 4u) << "goods in the shop";
    Appoint();
    EXPECT_FALSE(Locked());
    mLevel->GetPersManager()->BuyerEntered();
    Appoint();
    EXPECT_TRUE(Locked()) << "the first buyer on the field: a locking tip";
    InputLocks::first = InputLocks::second = InputLocks::third = false;
    SetStep(5);
    Appoint();
    EXPECT_EQ(Timer(), Education::kUnarmed);
    SetMoney(10);
    Appoint();
    EXPECT_EQ(Timer(), 3.0f) << "the first money arms the tip three seconds ahead";
    Tutorial().GetCurrentEvent()->timer = 0.0f;
    Appoint();
    EXPECT_TRUE(Locked()) << "and it locks the level once shown";
}

TEST_F(EducationTest, LevelTwoPointsAtTheWellOnlyWithMoneyAndNoTaskQueued)
{
    Start(2, 12);
    Entity& well = Find(Entity::kWaterWell);
    SetStep(8);
    SetMoney(20);
    Appoint();
    EXPECT_EQ(Timer(), 0.0f) << "no task, 15 or more: shown";
    Tutorial().GetCurrentEvent()->timer = Education::kUnarmed;
    SetMoney(10);
    Appoint();
    EXPECT_EQ(Timer(), Education::kUnarmed) << "below 15 it stays hidden";
    SetMoney(20);
    Select(well);
    Appoint();
    EXPECT_EQ(Step(), 9u) << "selecting the well";
    Appoint();
    EXPECT_EQ(Step(), 10u);
    well.AddTask(3);
    Appoint();
    EXPECT_EQ(Step(), 11u) << "a task queued at the well advances in the next call";

    const std::pair<const char*, std::function<void()>> backs[] = {
        {"deselecting goes back to step 9", [&] { well.ClearPressed(); }},
        {"spending below 15 goes back to step 8", [&] { SetMoney(14); }},
    };
    const std::uint32_t expected[] = {9u, 8u};
    for (std::size_t i = 0; i < std::size(backs); ++i)
    {
        SetMoney(20);
        Select(well);
        Appoint();
        SetStep(10);
        backs[i].second();
        Appoint();
        EXPECT_EQ(Step(), expected[i]) << backs[i].first;
    }
}

TEST_F(EducationTest, LevelTwoFollowsTheGardenBedAndItsGardener)
{
    Start(2, 12);
    auto& garden = dynamic_cast<EntityGarden&>(Find(Entity::kGarden));
    Select(garden);
    Appoint();
    EXPECT_EQ(Step(), 1u);
    Appoint();
    EXPECT_EQ(Step(), 1u) << "not bought yet";
    garden.SetForSale(false);
    Appoint();
    EXPECT_EQ(Step(), 2u);
    Appoint();
    EXPECT_EQ(Step(), 3u);
    garden.SetPanelMode(1);
    Appoint();
    EXPECT_EQ(Step(), 4u) << "the gardener's page";
    Pers* gardener = mLevel->GetPersManager()->CreatePers(5);
    garden.SetWorker(gardener);
    gardener->SetActive(true);
    SetMoney(0);
    Appoint();
    EXPECT_EQ(Step(), 5u) << "hired";
    SetMoney(5);
    garden.SetPanelMode(0);
    Appoint();
    EXPECT_EQ(Step(), 8u) << "five or more money skips three tips";
    EXPECT_EQ(Timer(), 0.0f) << "and the tip then current is armed with the own page showing";
}

TEST_F(EducationTest, AMissingEntityIsReportedAndTheTipsStayAsTheyStand)
{
    Start(4, 3);
    ReportRecorder::Clear();
    Appoint();
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << "the juicer stands on this level";
    auto& juicer = dynamic_cast<EntityBuilding&>(Find(30));
    Select(juicer);
    SetMoney(100);
    Appoint();
    EXPECT_EQ(Step(), 1u);
    juicer.SetForSale(false);
    Appoint();
    Appoint();
    EXPECT_EQ(Timer(), 0.0f) << "bought, selected, 70 or more: the task tip shows";

    mSlot.Clear();
    mLevel.reset();
    mLevel = std::make_unique<Level>();
    mLevel->Build(LevelFileBuilder::Complete().Parsed());
    Start(2, 12);
    ReportRecorder::Clear();
    Appoint();
    EXPECT_EQ(ReportRecorder::LastDescription(),
              "Education::AppointmentTipsIndexLevel2() Error with entGarden");
    EXPECT_EQ(Step(), 0u);
}

TEST_F(EducationTest, LevelThreeHidesItsTipsBelow120AndFollowsTheRope)
{
    Start(3, 3);
    auto& rope = dynamic_cast<EntityRope&>(Find(Entity::kRope));
    rope.AddPoint(100.0f, 100.0f, 1);
    rope.AddPoint(100.0f, 200.0f, 1);
    SetMoney(119);
    Tutorial().ArmCurrentTip();
    Appoint();
    EXPECT_EQ(Step(), 0u);
    SetMoney(120);
    rope.SetPressed(2);
    Appoint();
    EXPECT_EQ(Step(), 1u) << "its last link point selected";
    rope.SetPressed(1);
    Appoint();
    EXPECT_EQ(Step(), 0u) << "another point goes back";
    mLevel->GetGameField()->SetTile(4, 11, 40);
    Appoint();
    EXPECT_EQ(Step(), 2u) << "the rope built skips two tips";
}

TEST_F(EducationTest, LevelThreeTurnsToTheThiefInTheBush)
{
    Start(3, 3,
          "{ iGroup = 1, hintName = 'S0', hintPos = { 1, 2 }, eventType = 0, startTime = -1, lock = 1 },");
    SetMoney(200);
    PersManager& characters = *mLevel->GetPersManager();
    Pers* thief = characters.CreatePers(136);
    thief->Init();
    characters.GetThiefManager().SetThiefCount(1);
    Appoint();
    EXPECT_EQ(Tutorial().GetCurrentGroup(), 0);
    thief->PlayAnimation("bush1", Pers::kKeepFacing);
    Appoint();
    EXPECT_EQ(Tutorial().GetCurrentGroup(), 1);
    EXPECT_TRUE(Locked());
}

TEST_F(EducationTest, LevelEightPutsItsTipAboveTheIdleSleeper)
{
    Start(8, 2);
    Pers* sleeper = mLevel->GetPersManager()->CreatePers(142);
    sleeper->Init();
    sleeper->SetIJ(5, 10);
    sleeper->SetActive(true);
    Appoint();
    EXPECT_EQ(Timer(), Education::kUnarmed) << "the sleeper is not idle";
    sleeper->PlayAnimation("walk_idle", Pers::kKeepFacing);
    Appoint();
    EXPECT_EQ(Timer(), 0.0f);
    EXPECT_EQ(Tutorial().GetCurrentEvent()->hintPos,
              (Korrin::Vector2{sleeper->GetPosition().x, sleeper->GetPosition().y - 50.0f}));
}

TEST_F(EducationTest, LevelTwentyOneEndsItsFieldTipsWhenTheStorehouseOpens)
{
    Start(21, 3,
          "{ iGroup = 1, hintName = 'S0', hintPos = { 1, 2 }, eventType = 1, startTime = -1, lock = 0 },"
          "{ iGroup = 1, hintName = 'S1', hintPos = { 1, 2 }, eventType = 1, startTime = -1, lock = 0 },");
    Appoint();
    EXPECT_EQ(Tutorial().GetCurrentGroup(), 0);
    mMain.GetGameGuiManager()->Show(StoreHouseGUI::kWindowId);
    Appoint();
    EXPECT_EQ(Tutorial().GetCurrentGroup(), 1);
    EXPECT_EQ(Tutorial().GetGroups().at(0).finished, 1);
    EXPECT_EQ(Tutorial().GetGroups().at(0).local, 2u);
    EXPECT_EQ(Timer(), 0.0f) << "the window's tip is armed";
    auto* window = dynamic_cast<StoreHouseGUI*>(mMain.GetGameGuiManager()->Get(StoreHouseGUI::kWindowId));
    window->SetPage(StoreHouseGUI::kStorehousePage);
    Appoint();
    EXPECT_EQ(Step(), 1u);
    mMain.GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
    Appoint();
    EXPECT_EQ(Tutorial().GetCurrentGroup(), 0);
    EXPECT_EQ(Tutorial().GetGroups().at(0).events[2].timer, Education::kUnarmed) << "never to return";
}
