// The game menu, its confirmation, the start and continue windows and the goals window in the game's own
// application: what each choice saves and where it leads, and that the in-level panel stays held under
// the goals window whichever way the level was entered.
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiText.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/ContinueLevelGui.h"
#include "game/GUI/GameMenu.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/LevelStatistics.h"
#include "game/GUI/NewCharacterGui.h"
#include "game/GUI/StartNewLevelGui.h"
#include "game/GUI/TaskLevelGui.h"
#include "game/GUI/YesNoAlertGui.h"
#include "game/Game/Game.h"
#include "game/Game/GamePanel.h"
#include "game/Game/LevelTaskInfo.h"
#include "tests/game/GUI/GameRunSupport.h"

#include <gtest/gtest.h>

using GameRunSupport::GameRunTest;

namespace
{

class LevelWindowsTest : public GameRunTest
{
protected:
    void SetUp() override
    {
        GameRunTest::SetUp();
        CopyStoredFixtures();
    }

    std::string LevelSave() const
    {
        return mProfile.GetSaveFileName(Profile::kLevelInPlay, mProfile.currentPlayer);
    }
    bool LevelSaved() const { return std::filesystem::exists(LevelSave()); }

    // A click on a control of a window's frame, as the widget manager reports one.
    static void Click(GameWindowFrame* frame, const char* name)
    {
        ASSERT_NE(frame, nullptr) << name;
        Korrin::GuiElement* element = frame->GetByName(name);
        ASSERT_NE(element, nullptr) << name;
        Korrin::GuiManager::GetInstance()->SetMessages(element);
    }
    template <typename T>
    void Click(const char* name)
    {
        Click(mGame.Window<T>().GetDialog().GetFrame(), name);
    }

    // The window of that id is shown and has slid in.
    std::function<bool()> Open(std::uint8_t id)
    {
        return [this, id] { return mGame.Showing(id) && mGame.Settled(); };
    }
    std::function<bool()> Screen(std::uint16_t screen)
    {
        return [this, screen] { return mGame.GetMain()->GetCurrent() == screen; };
    }

    static bool PanelHeld()
    {
        const GamePanel* panel = GamePanel::Peek();
        const Korrin::GuiContainer* top = panel != nullptr ? panel->GetTopInfo() : nullptr;
        const Korrin::GuiContainer* page = panel != nullptr ? panel->GetPanel(panel->GetCurrent()) : nullptr;
        return top != nullptr && top->IsDisabled() && (page == nullptr || page->IsDisabled());
    }

    static bool Visible(GameWindowFrame* frame, const char* name)
    {
        const Korrin::GuiElement* element = frame != nullptr ? frame->GetByName(name) : nullptr;
        return element != nullptr && element->IsVisible();
    }

    void StartLevelWithMenu(std::uint16_t level)
    {
        mGame.steps.push_back({[] { return true; },
                               [this, level]
                               {
                                   Game::GetInstance()->StartLevel(level);
                                   mGame.Windows().Show(GameMenu::kWindowId);
                               }});
    }
};

TEST_F(LevelWindowsTest, LeavingSavesFirstRestartSavesNothingAndCancelReturnsToTheHeldMenu)
{
    bool heldUnderMenu = false;
    bool savedBeforeAsking = false;
    std::int32_t mapMode = -1;
    bool leaveWarningOnly = false;
    bool heldAfterCancel = false;
    bool savedByRestart = true;
    bool restartWarningOnly = false;
    bool heldUnderGoals = false;
    float clockAfterRestart = -1.0f;
    std::vector<std::u16string> goals;
    StartLevelWithMenu(1);
    mGame.steps.push_back({Open(GameMenu::kWindowId), [&]
                           {
                               heldUnderMenu = PanelHeld();
                               std::filesystem::remove(LevelSave());
                               Click<GameMenu>(GameMenu::kMap);
                           }});
    mGame.steps.push_back({Open(YesNoAlertGui::kWindowId), [&]
                           {
                               savedBeforeAsking = LevelSaved();
                               YesNoAlertGui& alert = mGame.Window<YesNoAlertGui>();
                               mapMode = alert.mMode;
                               GameWindowFrame* frame = alert.GetDialog().GetFrame();
                               leaveWarningOnly = Visible(frame, YesNoAlertGui::kLeaveWarning) &&
                                                  !Visible(frame, YesNoAlertGui::kRestartWarning);
                               Click<YesNoAlertGui>("YESNO_CANCEL");
                           }});
    mGame.steps.push_back({Open(GameMenu::kWindowId), [&]
                           {
                               heldAfterCancel = PanelHeld();
                               std::filesystem::remove(LevelSave());
                               LevelTaskInfo::GetInstance()->levelTime = 50.0f;
                               Click<GameMenu>(GameMenu::kRestart);
                           }});
    mGame.steps.push_back({Open(YesNoAlertGui::kWindowId), [&]
                           {
                               savedByRestart = LevelSaved();
                               GameWindowFrame* frame = mGame.Window<YesNoAlertGui>().GetDialog().GetFrame();
                               restartWarningOnly = Visible(frame, YesNoAlertGui::kRestartWarning) &&
                                                    !Visible(frame, YesNoAlertGui::kLeaveWarning);
                               Click<YesNoAlertGui>("YESNO_OK");
                           }});
    mGame.steps.push_back({Open(TaskLevelGui::kWindowId), [&]
                           {
                               heldUnderGoals = PanelHeld();
                               clockAfterRestart = LevelTaskInfo::GetInstance()->levelTime;
                               GameWindowFrame* frame = mGame.Window<TaskLevelGui>().GetDialog().GetFrame();
                               for (const char* name : {"TASKLEVEL_LEVEL_CAPTION", "TASKLEVEL_BONUS_OK",
                                                        "TASKLEVEL_BONUS_SILVER", "TASKLEVEL_BONUS_GOLD"})
                               {
                                   goals.push_back(
                                       dynamic_cast<Korrin::GuiText&>(*frame->GetByName(name)).mCaption);
                               }
                           }});
    Run();
    EXPECT_TRUE(heldUnderMenu);
    EXPECT_TRUE(savedBeforeAsking) << "the map choice saves the level before the question";
    EXPECT_EQ(mapMode, YesNoAlertGui::kLeaveToMap);
    EXPECT_TRUE(leaveWarningOnly);
    EXPECT_TRUE(heldAfterCancel) << "cancel brings the menu back over a held panel";
    EXPECT_FALSE(savedByRestart) << "the restart choice saves nothing";
    EXPECT_TRUE(restartWarningOnly);
    EXPECT_TRUE(heldUnderGoals) << "the restarted level's goals hold the panel";
    EXPECT_FLOAT_EQ(clockAfterRestart, 0.0f) << "the level starts afresh";
    EXPECT_EQ(goals, (std::vector<std::u16string>{u"Level 1", u"15", u"+25", u"+55"}));
}

TEST_F(LevelWindowsTest, TheMainMenuChoiceSavesAndItsConfirmationLeavesForTheMainMenu)
{
    bool saved = false;
    std::int32_t mode = -1;
    StartLevelWithMenu(2);
    mGame.steps.push_back({Open(GameMenu::kWindowId), [&]
                           {
                               std::filesystem::remove(LevelSave());
                               Click<GameMenu>(GameMenu::kMainMenu);
                           }});
    mGame.steps.push_back({Open(YesNoAlertGui::kWindowId), [&]
                           {
                               saved = LevelSaved();
                               mode = mGame.Window<YesNoAlertGui>().mMode;
                               Click<YesNoAlertGui>("YESNO_OK");
                           }});
    mGame.steps.push_back(
        {[&] { return Screen(Main::kMainMenuScreen)() && mGame.Showing(GameGuiManager::kNoWindow); }, [] {}});
    Run();
    EXPECT_TRUE(saved);
    EXPECT_EQ(mode, YesNoAlertGui::kLeaveToMainMenu);
}

TEST_F(LevelWindowsTest, TheStartWindowWaitsOneDrawnFrameThenStartsTheLevelUnderItsGoals)
{
    std::uint16_t screenWhenDrawn = 99;
    bool startShownWhenDrawn = false;
    std::uint16_t screenWithGoals = 99;
    bool heldUnderGoals = false;
    int levelStarted = 0;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               mGame.GetMain()->SetCurrent(Main::kMapScreen);
                               StartNewLevelGui& start = mGame.Window<StartNewLevelGui>();
                               start.SetLevelIndex(0);
                               start.SetClip(StartNewLevelGui::kNoClip);
                               mGame.Windows().Show(StartNewLevelGui::kWindowId);
                           }});
    mGame.steps.push_back(
        {Open(StartNewLevelGui::kWindowId), [&] { Click<StartNewLevelGui>("STARTNEW_OK"); }});
    mGame.steps.push_back(
        {[&] { return mGame.Window<StartNewLevelGui>().GetPhase() == StartNewLevelGui::kPhaseDrawn; },
         [&]
         {
             screenWhenDrawn = mGame.GetMain()->GetCurrent();
             startShownWhenDrawn = mGame.Showing(StartNewLevelGui::kWindowId);
         }});
    mGame.steps.push_back({Open(TaskLevelGui::kWindowId), [&]
                           {
                               screenWithGoals = mGame.GetMain()->GetCurrent();
                               heldUnderGoals = PanelHeld();
                               levelStarted = LevelTaskInfo::GetInstance()->level;
                           }});
    Run();
    EXPECT_EQ(screenWhenDrawn, Main::kMapScreen) << "the slide-out's end only arms the window";
    EXPECT_TRUE(startShownWhenDrawn);
    EXPECT_EQ(screenWithGoals, Main::kGameScreen);
    EXPECT_TRUE(heldUnderGoals);
    EXPECT_EQ(levelStarted, 1) << "index 0 is level 1";
}

TEST_F(LevelWindowsTest, AClipOfTheStartWindowPlaysOnceAndTheCardLeadsToHeldGoals)
{
    std::int32_t clip = 0;
    std::int32_t clipFieldAfter = 0;
    std::int32_t stage = -2;
    bool cardShown = false;
    bool heldAfterCard = false;
    bool heldAfterClip = false;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               mGame.GetMain()->SetCurrent(Main::kMapScreen);
                               StartNewLevelGui& start = mGame.Window<StartNewLevelGui>();
                               start.SetLevelIndex(2);
                               start.SetClip(2);
                               ClipGui::GetInstance()->levelToStart = 3;
                               mGame.Windows().Show(StartNewLevelGui::kWindowId);
                           }});
    mGame.steps.push_back(
        {Open(StartNewLevelGui::kWindowId), [&] { Click<StartNewLevelGui>("STARTNEW_OK"); }});
    mGame.steps.push_back({Screen(Main::kScriptMovieScreen), [&]
                           {
                               clip = ClipGui::GetInstance()->GetClip();
                               clipFieldAfter = mGame.Window<StartNewLevelGui>().GetClip();
                               stage = mProfile.storyStage;
                               ClipGui::GetInstance()->EndClip();
                           }});
    mGame.steps.push_back({Open(TaskLevelGui::kWindowId), [&]
                           {
                               heldAfterClip = PanelHeld();
                               // Level 4 brings the errand boy: its card comes first.
                               StartNewLevelGui& start = mGame.Window<StartNewLevelGui>();
                               start.SetLevelIndex(3);
                               mGame.Windows().Show(StartNewLevelGui::kWindowId);
                           }});
    mGame.steps.push_back(
        {Open(StartNewLevelGui::kWindowId), [&] { Click<StartNewLevelGui>("STARTNEW_OK"); }});
    mGame.steps.push_back({Open(NewCharacterGui::kWindowId), [&]
                           {
                               cardShown = LevelTaskInfo::GetInstance()->level == 4;
                               Click(mGame.Window<NewCharacterGui>().GetDialog().GetFrame(), "NC_OK_BUTTON");
                           }});
    mGame.steps.push_back({Open(TaskLevelGui::kWindowId), [&] { heldAfterCard = PanelHeld(); }});
    Run();
    EXPECT_EQ(clip, 2);
    EXPECT_EQ(clipFieldAfter, StartNewLevelGui::kNoClip) << "the next start of a level goes straight in";
    EXPECT_EQ(stage, 1);
    EXPECT_TRUE(heldAfterClip);
    EXPECT_TRUE(cardShown) << "the card stands over the started level";
    EXPECT_TRUE(heldAfterCard);
}

TEST_F(LevelWindowsTest, CancellingTheContinueWindowDeletesTheSaveAndConfirmingResumesUnderHeldGoals)
{
    bool savedBeforeCancel = false;
    bool savedAfterCancel = true;
    float resumedClock = -1.0f;
    bool heldUnderGoals = false;
    auto saveLevelAndAsk = [this]
    {
        Game::GetInstance()->StartLevel(1);
        LevelTaskInfo::GetInstance()->levelTime = 42.5f;
        mProfile.SaveGame();
        mGame.GetMain()->SetCurrent(Main::kMapScreen);
        mGame.Window<ContinueLevelGui>().SetLevelIndex(0);
        mGame.Windows().Show(ContinueLevelGui::kWindowId);
    };
    mGame.steps.push_back({[] { return true; }, saveLevelAndAsk});
    mGame.steps.push_back({Open(ContinueLevelGui::kWindowId), [&]
                           {
                               savedBeforeCancel = LevelSaved();
                               Click<ContinueLevelGui>("CONTINUE_CANCEL");
                           }});
    mGame.steps.push_back({[&] { return mGame.Showing(GameGuiManager::kNoWindow); },
                           [&]
                           {
                               savedAfterCancel = LevelSaved();
                               saveLevelAndAsk();
                           }});
    mGame.steps.push_back(
        {Open(ContinueLevelGui::kWindowId), [&] { Click<ContinueLevelGui>("CONTINUE_OK"); }});
    mGame.steps.push_back({Open(TaskLevelGui::kWindowId), [&]
                           {
                               resumedClock = LevelTaskInfo::GetInstance()->levelTime;
                               heldUnderGoals = PanelHeld();
                           }});
    Run();
    EXPECT_TRUE(savedBeforeCancel);
    EXPECT_FALSE(savedAfterCancel);
    EXPECT_FLOAT_EQ(resumedClock, 42.5f) << "the saved level's clock is back";
    EXPECT_TRUE(heldUnderGoals) << "the goals come after the level's start";
}

TEST_F(LevelWindowsTest, TheStatisticsShowTheirCupAndAfterTheSkipTheirLink)
{
    const std::string during = (mFolder / "statistics_show.png").string();
    const std::string skipped = (mFolder / "statistics_skipped.png").string();
    std::u16string link;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               Game::GetInstance()->StartLevel(1);
                               LevelTaskInfo::GetInstance()->levelTime = 30.0f;
                               mGame.Windows().Show(LevelStatistics::kWindowId);
                               AchievementSystem::GetInstance()->mCompletedCount = 2;
                               // Within the bonus's counting, the cup standing.
                               mServices.AddScreenshot(mServices.FramesCompleted() + 340, during);
                           }});
    mGame.steps.push_back({[&] { return mGame.Window<LevelStatistics>().GetTime() > 5.8f; },
                           [&]
                           {
                               mGame.Window<LevelStatistics>().ClickOk();
                               link = mGame.Window<LevelStatistics>().GetLink().mText;
                               mServices.AddScreenshot(mServices.FramesCompleted() + 20, skipped);
                           }});
    mGame.steps.push_back({[&] { return mGame.Settled(); }, [] {}});
    Run();
    EXPECT_TRUE(std::filesystem::exists(during));
    EXPECT_TRUE(std::filesystem::exists(skipped));
    EXPECT_EQ(link, u"Achievements earned: 2");
}

} // namespace
