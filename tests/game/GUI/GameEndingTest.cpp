// The game's end after the last level in the game's own application: the statistics' OK and its
// achievements link each play the final clip once, count the level once and keep no save of it; a later
// win goes to the map, and the achievements window alone never ends the game.
#include "game/GUI/GameEnding.h"

#include "engine/Gui/GuiManager.h"
#include "engine/Script/LocaleManager.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementData.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/AchievementSystemGui.h"
#include "game/GUI/GameWindowFrame.h"
#include "game/GUI/LevelStatistics.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "tests/game/GUI/GameRunSupport.h"

#include <gtest/gtest.h>

using GameRunSupport::GameRunTest;

namespace
{

constexpr std::uint32_t kNewLevel = 6;

class GameEndingTest : public GameRunTest
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

    static AchievementData& NewLevelAchievement()
    {
        return *AchievementSystem::GetInstance()->GetData(kNewLevel);
    }

    // The last level won in gold with its save on disk, the statistics shown; the story at `stage`.
    void WinLastLevel(std::int32_t stage, std::uint32_t completedAchievements)
    {
        mProfile.storyStage = stage;
        Game::GetInstance()->StartLevel(GameEnding::kLastLevel);
        LevelTaskInfo::GetInstance()->levelTime = 10.0f;
        mProfile.SaveGame();
        NewLevelAchievement().mProgress = 0;
        NewLevelAchievement().mFlags = 0;
        mMoney = GameInfo::GetInstance()->totalMoney;
        mGame.Windows().Show(LevelStatistics::kWindowId);
        AchievementSystem::GetInstance()->mCompletedCount = completedAchievements;
    }

    LevelStatistics& Statistics() { return mGame.Window<LevelStatistics>(); }
    std::function<bool()> Open(std::uint8_t id)
    {
        return [this, id] { return mGame.Showing(id) && mGame.Settled(); };
    }
    std::function<bool()> Screen(std::uint16_t screen)
    {
        return [this, screen] { return mGame.GetMain()->GetCurrent() == screen; };
    }

    // What the game's end leaves behind, read on the cut-scene screen.
    struct Ending
    {
        std::int32_t clip = 0;
        std::int32_t stage = 0;
        LevelPassType pass = kLevelNotPassed;
        bool saved = true;
        std::uint32_t money = 0;
        std::uint32_t counted = 0;
    };
    Ending ReadEnding()
    {
        return {ClipGui::GetInstance()->GetClip(),
                mProfile.storyStage,
                GameInfo::GetInstance()->GetLevelPassType(GameEnding::kLastLevel - 1u),
                LevelSaved(),
                GameInfo::GetInstance()->totalMoney,
                NewLevelAchievement().mProgress};
    }
    void ExpectEnding(const Ending& ending, const char* road)
    {
        EXPECT_EQ(ending.clip, GameEnding::kFinalClip) << road;
        EXPECT_EQ(ending.stage, GameEnding::kFinalStage) << road;
        EXPECT_EQ(ending.pass, kLevelPassedGold) << road;
        EXPECT_FALSE(ending.saved) << road << ": the won level cannot be continued";
        EXPECT_EQ(ending.money, mMoney) << road << ": the score is not banked";
        EXPECT_EQ(ending.counted, 1u) << road << ": the new level is counted once";
    }

    std::uint32_t mMoney = 0;
};

TEST_F(GameEndingTest, TheStatisticsOkEndsTheGameOnceAndALaterWinGoesToTheMap)
{
    Ending ending;
    std::uint16_t afterClip = 99;
    std::uint16_t afterSecondWin = 99;
    mGame.steps.push_back({[] { return true; }, [&] { WinLastLevel(4, 0); }});
    mGame.steps.push_back({Open(LevelStatistics::kWindowId), [&]
                           {
                               Statistics().ClickOk();
                               Statistics().ClickOk();
                           }});
    mGame.steps.push_back({Screen(Main::kScriptMovieScreen), [&]
                           {
                               ending = ReadEnding();
                               ClipGui::GetInstance()->EndClip();
                           }});
    mGame.steps.push_back({Screen(Main::kMainMenuScreen), [&]
                           {
                               afterClip = mGame.GetMain()->GetCurrent();
                               WinLastLevel(GameEnding::kFinalStage, 0);
                           }});
    mGame.steps.push_back({Open(LevelStatistics::kWindowId), [&]
                           {
                               Statistics().ClickOk();
                               Statistics().ClickOk();
                               afterSecondWin = mGame.GetMain()->GetCurrent();
                           }});
    Run();
    ExpectEnding(ending, "OK");
    EXPECT_EQ(afterClip, Main::kMainMenuScreen);
    EXPECT_EQ(afterSecondWin, Main::kMapScreen);
}

TEST_F(GameEndingTest, TheLinkOfTheFirstWinArmsTheAchievementsWindowWhoseOkEndsTheGame)
{
    std::u16string link;
    bool linkShown = false;
    std::uint16_t screenAfterLink = 99;
    bool armed = false;
    std::uint32_t mode = 99;
    std::uint32_t countedBeforeOk = 99;
    bool savedAfterLink = true;
    Ending ending;
    mGame.steps.push_back({[] { return true; }, [&] { WinLastLevel(4, 3); }});
    mGame.steps.push_back({Open(LevelStatistics::kWindowId), [&]
                           {
                               Statistics().ClickOk();
                               link = Statistics().GetLink().mText;
                               linkShown = Statistics().GetLink().mShown;
                               Statistics().ClickLink();
                               screenAfterLink = mGame.GetMain()->GetCurrent();
                               savedAfterLink = LevelSaved();
                               countedBeforeOk = NewLevelAchievement().mProgress;
                           }});
    mGame.steps.push_back({Open(AchievementSystemGui::kWindowId), [&]
                           {
                               auto& achievements = mGame.Window<AchievementSystemGui>();
                               armed = achievements.IsEndingArmed();
                               mode = achievements.GetMode();
                               Korrin::GuiManager::GetInstance()->SetMessages(
                                   achievements.GetFrame()->GetByName("ACHIEV_OK_BUTTON"));
                           }});
    mGame.steps.push_back({Screen(Main::kScriptMovieScreen), [&] { ending = ReadEnding(); }});
    Run();
    EXPECT_EQ(link, u"Achievements earned: 3");
    EXPECT_TRUE(linkShown);
    EXPECT_EQ(screenAfterLink, Main::kMapScreen);
    EXPECT_FALSE(savedAfterLink);
    EXPECT_EQ(countedBeforeOk, 0u) << "the link itself completes nothing";
    EXPECT_TRUE(armed);
    EXPECT_EQ(mode, AchievementSystemGui::kCompleted);
    ExpectEnding(ending, "link");
}

TEST_F(GameEndingTest, TheAchievementsFromTheMenuAfterLeavingTheLastLevelUnwonPlayNothing)
{
    std::uint16_t screen = 99;
    std::int32_t stage = 0;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               mProfile.storyStage = 4;
                               Game::GetInstance()->StartLevel(GameEnding::kLastLevel);
                               mGame.GetMain()->SetCurrent(Main::kMainMenuScreen);
                           }});
    mGame.steps.push_back({[&] { return mGame.Windows().GetShownWindow() == nullptr && mGame.Settled(); },
                           [&] { mGame.Windows().Show(AchievementSystemGui::kWindowId); }});
    mGame.steps.push_back(
        {Open(AchievementSystemGui::kWindowId), [&]
         {
             Korrin::GuiManager::GetInstance()->SetMessages(
                 mGame.Window<AchievementSystemGui>().GetFrame()->GetByName("ACHIEV_OK_BUTTON"));
         }});
    mGame.steps.push_back({[&] { return mGame.Windows().GetShownWindow() == nullptr; },
                           [&]
                           {
                               screen = mGame.GetMain()->GetCurrent();
                               stage = mProfile.storyStage;
                           }});
    Run();
    EXPECT_EQ(screen, Main::kMainMenuScreen);
    EXPECT_EQ(stage, 4);
}

} // namespace
