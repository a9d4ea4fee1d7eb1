#include "game/Game/GamePanel.h"

#include "engine/App/InputManager.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "engine/Particle/ParticleSystemList.h"
#include "game/Entity/EntityGarden.h"
#include "game/GUI/AchievementSystem.h"
#include "game/Game/GamePanelPers.h"
#include "game/Game/GameParticleManager.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Util/HintManager.h"
#include "game/Util/InputLocks.h"
#include "platform/WindowSystem.h"
#include "tests/game/Panel/SampleMedia.h"
#include "tests/support/AchievementDefinitions.h"

#include <gtest/gtest.h>

using TestSupport::ReportRecorder;

namespace
{

// The panel built from the sample "Panel.gui", with the goals and clock of a level.
class GamePanelTest : public TestSupport::SampleMediaTest
{
protected:
    GamePanelTest()
    {
        mParticlesOfGame.Load();
        TestSupport::DefineAchievements(mAchievements, "{ {Id = 14, MaxProgress = 1000, Prize = 1} }");
        mPanel.Init();
        mPanel.Reset();
    }

    std::string Caption(const char* name)
    {
        auto* text = dynamic_cast<Korrin::GuiText*>(mPanel.GetTopInfo()->GetByName(name));
        return text != nullptr ? std::string(text->mCaption.begin(), text->mCaption.end()) : "(none)";
    }

    void Clock(float seconds)
    {
        mTask.levelTime = seconds;
        mPanel.Update(0.0f);
    }

    Korrin::GuiManager mWidgets;
    LevelTaskInfo mTask;
    AchievementSystem mAchievements;
    GameParticleManager mParticlesOfGame;
    GamePanel mPanel;
};

} // namespace

TEST_F(GamePanelTest, TheSampleLayoutHoldsEveryPageAndElement)
{
    ASSERT_NE(mPanel.GetTopInfo(), nullptr);
    for (const char* name : {"Money_Text", "Time_Text", "BonuseTime_Text", "Medal", "GAMEPANELMENU"})
    {
        EXPECT_NE(mPanel.GetTopInfo()->GetByName(name), nullptr) << name;
    }
    for (std::uint16_t page = 0; page < GamePanel::kPanelCount; ++page)
    {
        EXPECT_NE(mPanel.GetPanel(page), nullptr) << page;
    }
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << (Reports().empty() ? "" : Reports().front());
}

TEST_F(GamePanelTest, EachEntityTypeSelectsItsPage)
{
    const std::pair<std::uint16_t, std::uint16_t> cases[] = {
        {5, 1}, {132, 1}, {14, 2},  {26, 3},   {46, 3}, {66, 3}, {10, 4}, {17, 5},
        {1, 7}, {25, 10}, {65, 10}, {129, 11}, {27, 0}, {28, 0}, {2, 0},  {135, 0}};
    for (const auto& [type, page] : cases)
    {
        mPanel.SetPanelParam(nullptr, 3, 0, 4, 0);
        mPanel.SetCurrentByType(type);
        EXPECT_EQ(mPanel.GetCurrent(), page) << type;
        if (page == 0)
        {
            EXPECT_EQ(mPanel.GetIconIndex(), -1) << type;
            EXPECT_EQ(mPanel.GetUpgradeMax(), 0u) << type;
        }
    }
    ReportRecorder::Clear();
    mPanel.SetCurrent(GamePanel::kPanelCount);
    EXPECT_EQ(ReportRecorder::LastDescription(), "GamePanel::SetCurrent");
}

TEST_F(GamePanelTest, OnlyTheShownPageTakesInput)
{
    mPanel.ShowPanel(GamePanel::kNoPanel);
    for (std::uint16_t page = 0; page < GamePanel::kPanelCount; ++page)
    {
        EXPECT_TRUE(mPanel.GetPanel(page)->IsDisabled()) << page;
    }
    mPanel.SetCurrent(3);
    for (std::uint16_t page = 0; page < GamePanel::kPanelCount; ++page)
    {
        EXPECT_EQ(mPanel.GetPanel(page)->IsDisabled(), page != 3) << page;
    }
}

TEST_F(GamePanelTest, AModalWindowLocksTheShownPageAndTheTopBarUntilItCloses)
{
    mPanel.SetCurrent(3);
    mPanel.GetTopInfo()->SetDisabled(false);
    mPanel.LockForWindow();
    EXPECT_TRUE(mPanel.GetPanel(3)->IsDisabled());
    EXPECT_TRUE(mPanel.GetTopInfo()->IsDisabled());
    mPanel.UnlockAfterWindow();
    EXPECT_FALSE(mPanel.GetPanel(3)->IsDisabled());
    EXPECT_FALSE(mPanel.GetTopInfo()->IsDisabled());
    EXPECT_TRUE(mPanel.GetPanel(2)->IsDisabled()) << "a page not shown stays as it was";
}

TEST_F(GamePanelTest, ClicksOnThePanelAndItsTabsAreKeptFromTheField)
{
    struct Case
    {
        std::uint16_t page;
        Korrin::Vector2 point;
        bool over;
    };
    const Case cases[] = {
        {0, {0.0f, 675.0f}, true},    {0, {1026.0f, 770.0f}, true}, {0, {500.0f, 674.0f}, false},
        {0, {100.0f, 650.0f}, false}, {5, {188.0f, 635.0f}, true},  {5, {189.0f, 650.0f}, false},
        {3, {360.0f, 650.0f}, true},  {3, {361.0f, 650.0f}, false}, {3, {100.0f, 634.0f}, false},
    };
    for (const Case& c : cases)
    {
        mPanel.SetCurrent(c.page);
        EXPECT_EQ(mPanel.IsPointOverPanel(c.point), c.over) << c.page << " " << c.point.x << "," << c.point.y;
    }
}

TEST_F(GamePanelTest, TheClockShowsMinutesWithinTheHourAndRewardsLongLevels)
{
    Clock(61.0f * 60.0f + 5.9f);
    EXPECT_EQ(Caption("Time_Text"), "01:05");
    Clock(30.0f * 60.0f);
    EXPECT_EQ(mAchievements.GetData(14)->mProgress, 0u) << "30:00 exactly";
    Clock(30.0f * 60.0f + 1.0f);
    EXPECT_EQ(mAchievements.GetData(14)->mProgress, 1u);
    Clock(30.0f * 60.0f + 2.0f);
    EXPECT_EQ(mAchievements.GetData(14)->mProgress, 2u) << "every frame";
}

TEST_F(GamePanelTest, TheMedalFollowsTheTwoTimeLimits)
{
    mTask.goldMinutes = 2;
    mTask.goldSeconds = 0;
    mTask.silverMinutes = 3;
    mTask.silverSeconds = 30;
    const std::tuple<float, std::uint32_t, const char*> cases[] = {{0.0f, 0, "02:00"},
                                                                   {120.0f, 0, "02:00"},
                                                                   {121.0f, 1, "03:30"},
                                                                   {210.0f, 1, "03:30"},
                                                                   {211.0f, 2, ""}};
    for (const auto& [seconds, frame, caption] : cases)
    {
        Clock(seconds);
        EXPECT_EQ(GamePanel::MedalFrame(static_cast<std::uint32_t>(seconds), 121, 211), frame) << seconds;
        EXPECT_EQ(Caption("BonuseTime_Text"), caption) << seconds;
    }
}

TEST_F(GamePanelTest, AMetGoalPlaysItsEffectOncePerLoad)
{
    mTask.AddGoal(LevelTaskInfo::kMoneyGoods, 100);
    mTask.AddGoal(84, 5);
    mPanel.ResetGoalFlags(mTask.goals.size());
    mTask.money = 1234;
    mPanel.Update(0.0f);
    EXPECT_EQ(Caption("Money_Text"), "1234");
    EXPECT_EQ(mParticlesOfGame.GetQueue()->GetCount(), 0u);
    mTask.goals[1].remaining = 0;
    mPanel.Update(0.0f);
    mPanel.Update(0.0f);
    EXPECT_EQ(mParticlesOfGame.GetQueue()->GetCount(), 1u);
    EXPECT_EQ(mPanel.GetGoalDone(), (std::vector<bool>{true, false}));
    EXPECT_FLOAT_EQ(GamePanel::GoalTextBase(1, false, true), 10.0f + 87.0f + 80.0f);
    EXPECT_FLOAT_EQ(GamePanel::GoalTextBase(0, true, true), 6.0f);
}

TEST_F(GamePanelTest, InfoIsReadyOnlyAfterTheFirstUpdateOfALevel)
{
    EXPECT_FALSE(mPanel.IsInfoReady());
    mPanel.Update(0.0f);
    EXPECT_TRUE(mPanel.IsInfoReady());
    mPanel.Reset();
    EXPECT_FALSE(mPanel.IsInfoReady());
}

TEST_F(GamePanelTest, ThePortraitRowWrapsAndSlidesOnePlaceInHalfASecond)
{
    GamePanelPers& row = mPanel.GetPers();
    for (std::uint8_t type : {139, 140, 141, 142})
    {
        row.AddPers(type);
    }
    ASSERT_EQ(row.GetItems().size(), 4u);
    EXPECT_EQ(row.GetItems()[0].id, 0u);
    EXPECT_EQ(row.GetItems()[3].id, 3u);
    for (int slide = 0; slide < 4; ++slide)
    {
        row.Advance();
    }
    EXPECT_EQ(row.GetItems()[0].id, 0u) << "after four slides the first four again";
    EXPECT_EQ(row.GetHead(), 0u);

    row.StartSlide();
    row.Update(0.25f);
    const auto& slots = row.GetSlots();
    EXPECT_FLOAT_EQ(row.GetItems()[1].x, (slots[1].x + slots[2].x) / 2.0f) << "halfway";
    EXPECT_FLOAT_EQ(row.GetFade(), 0.5f);
    row.Update(0.25f);
    EXPECT_FLOAT_EQ(row.GetItems()[0].x, slots[0].x) << "on the slots exactly at 0.5 s";
    EXPECT_FLOAT_EQ(row.GetItems()[0].scaleX, slots[0].scaleX);
    EXPECT_TRUE(row.IsAnimating());
    row.Update(0.01f);
    EXPECT_FALSE(row.IsAnimating());
    EXPECT_EQ(row.GetItems()[0].id, 1u) << "the next buyer at the front";
    EXPECT_FLOAT_EQ(row.GetItems()[0].x, slots[1].x);
    EXPECT_FLOAT_EQ(row.GetFade(), 1.0f);
}

TEST_F(GamePanelTest, ARowOfFewerThanFourIsReportedEveryFrame)
{
    GamePanelPers& row = mPanel.GetPers();
    row.Clear();
    row.AddPers(139);
    ReportRecorder::Clear();
    row.Update(0.1f);
    row.Update(0.1f);
    EXPECT_EQ(ReportRecorder::Boxes().size(), 2u);
    EXPECT_EQ(ReportRecorder::LastDescription(), "queue's size is less than 4!.");
}

namespace
{

// The panel with a mouse and the buyers' hints of the sample data.
class PortraitHoverTest : public GamePanelTest
{
protected:
    PortraitHoverTest()
    {
        mHints.LoadFile("CharacterHint.lua", true);
        for (std::uint8_t type : {139, 140, 141, 142})
        {
            mPanel.GetPers().AddPers(type);
        }
    }

    void HoverAt(float x, float y)
    {
        mRender.Services().Window().Mouse().MoveTo({static_cast<int>(x), static_cast<int>(y)});
        mInput.Update();
        mPanel.GetPers().Update(0.0f);
    }

    std::size_t HoverLines()
    {
        const std::string text = LogText();
        std::size_t count = 0;
        for (std::size_t at = text.find("!!! GamePanelPers::Update(Real eltime)"); at != std::string::npos;
             at = text.find("!!! GamePanelPers::Update(Real eltime)", at + 1))
        {
            ++count;
        }
        return count;
    }

    static Platform::WindowHandle ShownWindow(Platform::WindowSystem& windows)
    {
        const Platform::WindowHandle window =
            windows.CreateAppWindow("panel", 0, {0, 0, 1024, 768},
                                    [](Platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t)
                                    { return std::intptr_t{0}; });
        windows.ShowWindow(window, Platform::ShowCommand::Normal);
        return window;
    }

    Korrin::InputManager mInput{ShownWindow(mRender.Services().Window())};
    HintManager mHints;
};

} // namespace

TEST_F(PortraitHoverTest, MovingToAnotherPortraitDropsTheHintOnceAndANewLevelStartsFresh)
{
    const auto& slots = mPanel.GetPers().GetSlots();
    HoverAt(slots[1].x, slots[1].y);
    EXPECT_EQ(HoverLines(), 1u);
    EXPECT_EQ(mHints.GetByName("BuyerBaker")->pending, 1) << "the front buyer's hint is asked for";
    HoverAt(slots[2].x + 18.0f, slots[2].y - 18.0f);
    EXPECT_EQ(HoverLines(), 2u) << "another portrait";
    HoverAt(slots[2].x, slots[2].y);
    EXPECT_EQ(HoverLines(), 2u) << "staying on it logs nothing further";
    EXPECT_EQ(mHints.GetByName("BuyerFarmer")->pending, 1);
    HoverAt(slots[4].x, slots[4].y);
    EXPECT_EQ(HoverLines(), 2u) << "the last portrait has no hint";

    // The next level: the portrait hovered in the last one is forgotten.
    HoverAt(slots[2].x, slots[2].y);
    mPanel.Reset();
    HoverAt(slots[2].x, slots[2].y);
    EXPECT_EQ(HoverLines(), 3u);
}

TEST_F(PortraitHoverTest, ATabClickShowsTheWorkersPageOfItsOwner)
{
    EntityGarden garden;
    garden.SetPressed(1);
    garden.ChangeGui();
    ASSERT_EQ(mPanel.GetCurrent(), 1);
    EXPECT_EQ(mPanel.GetTabOwner(), &garden);
    EXPECT_EQ(mPanel.GetUpgradeMax(), 5u) << "a garden has five levels";
    auto press = [&](float x, float y, bool down)
    {
        mRender.Services().Window().Mouse().MoveTo({static_cast<int>(x), static_cast<int>(y)});
        mRender.Services().Window().Mouse().SetButton(0, down);
        mInput.Update();
        mPanel.Update(0.0f);
    };
    press(250.0f, 650.0f, false);
    EXPECT_EQ(mPanel.GetHoveredTab(), 1);
    press(250.0f, 650.0f, true);
    EXPECT_EQ(garden.GetPanelMode(), 1u);
    EXPECT_EQ(mPanel.GetCurrent(), GamePanel::kGardenerPage);
    press(100.0f, 650.0f, false);
    EXPECT_EQ(mPanel.GetHoveredTab(), 0);
    InputLocks::second = true;
    press(100.0f, 650.0f, true);
    EXPECT_EQ(mPanel.GetCurrent(), GamePanel::kGardenerPage) << "a window's lock keeps the tabs still";
    InputLocks::second = false;
    press(100.0f, 650.0f, false);
    press(100.0f, 650.0f, true);
    EXPECT_EQ(mPanel.GetCurrent(), 1);
    press(500.0f, 300.0f, false);
    EXPECT_EQ(mPanel.GetHoveredTab(), -1);
}
