#include "engine/Gui/GuiContainer.h"
#include "engine/Render/Mesh.h"
#include "game/ClipGui.h"
#include "game/GUI/AchievementData.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/CompeteBoard.h"
#include "game/GUI/QuibProgressGui.h"
#include "game/GUI/StartNewLevelGui.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Map.h"
#include "game/MapShopGui.h"
#include "game/Util/Hint.h"
#include "game/Util/HintManager.h"
#include "tests/game/GUI/GameRunSupport.h"
#include "tests/support/ReportRecorder.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace
{

using GameRunSupport::Step;

class MapScenarioTest : public GameRunSupport::GameRunTest
{
protected:
    Map& TheMap() { return *dynamic_cast<Map*>(mGame.GetMain()->Find("Map")); }
    GameInfo& Info() { return *GameInfo::GetInstance(); }
    bool OnMap() { return mGame.GetMain()->GetCurrent() == Main::kMapScreen; }
    bool Always() { return true; }

    // A new player, with the progress a test gives, enters the map.
    Step NewPlayerOnMap(std::function<void()> progress = [] {})
    {
        return {[] { return true; },
                [this, progress]
                {
                    mProfile.CreateUser(u"Ann");
                    progress();
                    mGame.GetMain()->SetCurrent(Main::kMapScreen);
                }};
    }
    // Wins a level as the statistics window's OK does.
    Step Win(std::uint16_t level)
    {
        return {[] { return true; },
                [level]
                {
                    Game::GetInstance()->StartLevel(level);
                    Game::GetInstance()->CompleteLevel();
                    Game::GetInstance()->ShowMap();
                }};
    }
};

} // namespace

TEST_F(MapScenarioTest, ANewPlayerSeesTheStartItemsAndOnlyTheFirstLevelOpen)
{
    mGame.steps = {NewPlayerOnMap(), {[this] { return OnMap(); }, [] {}}};
    std::vector<bool> shown;
    std::vector<std::uint32_t> states;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               for (std::uint32_t item : {0u, 1u, 28u, 29u, 30u})
                               {
                                   shown.push_back(TheMap().GetItem(item)->visible);
                               }
                               for (std::uint32_t button : {0u, 1u, 66u})
                               {
                                   states.push_back(TheMap().GetButton(button)->state);
                               }
                           }});
    Run();
    EXPECT_EQ(shown, (std::vector<bool>{false, false, true, true, false}));
    EXPECT_EQ(states, (std::vector<std::uint32_t>{MapButton::kOpen, MapButton::kLocked, MapButton::kLocked}));
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(MapScenarioTest, EachMillsSailCrossShowsWholeAndTurnsAboutTheMiddleOfItsCell)
{
    // The sails' picture is larger than a wheel's 64-pixel cell: the cell must show the whole picture, so
    // that the cross turns about the hub painted under the cell's middle rather than a corner of it.
    mGame.steps = {NewPlayerOnMap(), {[this] { return OnMap(); }, [] {}}};
    std::vector<std::array<float, 3>> spans;
    const auto measure = [&]
    {
        for (Korrin::Mesh* wheel : TheMap().GetMillWheels())
        {
            ASSERT_NE(wheel, nullptr);
            float u = 0.0f;
            float v = 0.0f;
            for (std::uint16_t corner = 0; corner < 4; ++corner)
            {
                u += wheel->GridVertex(corner / 2, corner % 2).u / 4.0f;
                v += wheel->GridVertex(corner / 2, corner % 2).v / 4.0f;
            }
            const Korrin::Vertex& first = wheel->GridVertex(0, 0);
            const Korrin::Vertex& last = wheel->GridVertex(1, 1);
            spans.push_back({u, v, std::hypot(last.u - first.u, last.v - first.v)});
        }
    };
    mGame.steps.push_back({[] { return true; }, measure});
    for (int frame = 0; frame < 40; ++frame)
    {
        mGame.steps.push_back({[] { return true; }, [] {}});
    }
    mGame.steps.push_back({[] { return true; }, measure});
    Run();
    ASSERT_EQ(spans.size(), 6u);
    for (const auto& span : spans)
    {
        EXPECT_NEAR(span[0], 0.5f, 1e-3f) << "the cell's middle shows the picture's middle";
        EXPECT_NEAR(span[1], 0.5f, 1e-3f);
        EXPECT_NEAR(span[2], std::sqrt(2.0f), 1e-3f) << "the cell spans the whole picture";
    }
}

TEST_F(MapScenarioTest, ANewHighestLevelFadesItsItemInAndWinningTheLastLevelAgainChangesNothing)
{
    bool runningAfterWin = false;
    bool visibleAfterWin = false;
    bool settled = false;
    std::uint32_t boardLevels = 99;
    std::uint32_t boardLevelsAgain = 98;
    std::uint16_t highestAgain = 0;
    mGame.steps = {NewPlayerOnMap(),
                   Win(1),
                   {[] { return true; },
                    [&]
                    {
                        runningAfterWin = TheMap().GetItem(30)->running;
                        visibleAfterWin = TheMap().GetItem(30)->visible;
                    }},
                   {[&] { return mGame.Settled() && mGame.frames - mGame.lastAct > 100; },
                    [&]
                    {
                        settled = TheMap().GetItem(30)->visible && !TheMap().GetItem(30)->running;
                        Info().highestLevel = 66;
                        TheMap().GetBoards().OnNewLevel(66, 5, 20);
                        boardLevels =
                            TheMap().GetBoards().GetRivals().GetFinishCounter() +
                            static_cast<std::uint32_t>(TheMap().GetBoards().GetRivals().GetRivals().size());
                    }},
                   Win(67),
                   {[] { return true; },
                    [&]
                    {
                        highestAgain = Info().highestLevel;
                        boardLevelsAgain =
                            TheMap().GetBoards().GetRivals().GetFinishCounter() +
                            static_cast<std::uint32_t>(TheMap().GetBoards().GetRivals().GetRivals().size());
                    }}};
    Run();
    EXPECT_TRUE(runningAfterWin);
    EXPECT_TRUE(visibleAfterWin);
    EXPECT_TRUE(settled) << "the fade ends with the item shown";
    EXPECT_EQ(highestAgain, 66);
    EXPECT_EQ(boardLevelsAgain, boardLevels) << "the board moves only when the highest level rises";
}

TEST_F(MapScenarioTest, ALevelWaitingForTheRopeOpensTheShopWithItsTutorialAndTheRopeIsBought)
{
    bool shopOpen = false;
    bool locked = false;
    std::uint32_t state = 0;
    std::uint32_t moneyLeft = 0;
    std::uint8_t ropeSaved = 0;
    mGame.steps = {NewPlayerOnMap(
                       [this]
                       {
                           Info().highestLevel = 2;
                           Info().totalMoney = 100;
                           TableCost::GetInstance()->GetCostPtr(1)->owned = 0;
                       }),
                   {[] { return true; },
                    [&]
                    {
                        state = TheMap().GetButton(2)->state;
                        shopOpen = TheMap().ClickLevel(2) && TheMap().GetShop()->IsActive();
                    }},
                   {[&] { return TheMap().GetShop()->IsTutorialLocked(); },
                    [&]
                    {
                        locked = true;
                        TheMap().GetShop()->Buy(MapShopGui::kRopeIndex);
                        moneyLeft = Info().totalMoney;
                        TheMap().Reset();
                        mProfile.SaveAll();
                        TableCost::GetInstance()->Fill();
                        mProfile.LoadUpgrades();
                        ropeSaved = TableCost::GetInstance()->GetCostPtr(1)->owned;
                    }}};
    Run();
    EXPECT_EQ(state, MapButton::kWaitingForGoods);
    EXPECT_TRUE(shopOpen);
    EXPECT_TRUE(locked) << "the tutorial's tip shades the shop";
    EXPECT_EQ(moneyLeft, 20u);
    EXPECT_EQ(ropeSaved, 1) << "the purchase is in the saved file";
}

TEST_F(MapScenarioTest, ACancelledStartWindowLeavesNoClipForTheNextLevel)
{
    std::int32_t clipFirst = 0;
    std::int32_t levelFirst = 0;
    std::int32_t clipNext = 0;
    std::int32_t levelNext = 0;
    mGame.steps = {NewPlayerOnMap(
                       [this]
                       {
                           mProfile.storyStage = 0;
                           Info().highestLevel = 3;
                           TableCost::GetInstance()->GetCostPtr(1)->owned = 1;
                       }),
                   {[] { return true; },
                    [&]
                    {
                        TheMap().ClickLevel(2);
                        clipFirst = mGame.Window<StartNewLevelGui>().GetClip();
                        levelFirst = ClipGui::GetInstance()->levelToStart;
                    }},
                   {[&] { return mGame.Showing(StartNewLevelGui::kWindowId) && mGame.Settled(); }, [&]
                    { mGame.Window<StartNewLevelGui>().GetDialog().Choose(WindowDialog::Choice::Cancel); }},
                   {[&] { return mGame.Showing(GameGuiManager::kNoWindow); },
                    [&]
                    {
                        TheMap().ClickLevel(1);
                        clipNext = mGame.Window<StartNewLevelGui>().GetClip();
                        levelNext = ClipGui::GetInstance()->levelToStart;
                    }}};
    Run();
    EXPECT_EQ(clipFirst, 2);
    EXPECT_EQ(levelFirst, 3);
    EXPECT_EQ(clipNext, StartNewLevelGui::kNoClip);
    EXPECT_EQ(levelNext, ClipGui::kNoLevel);
}

TEST_F(MapScenarioTest, AnAllGoldPlayerCompletesTheAchievementOnTheMapAndItsAlertShows)
{
    bool complete = false;
    mGame.steps = {NewPlayerOnMap(
                       [this]
                       {
                           for (LevelPassType& pass : Info().passTypes)
                           {
                               pass = kLevelPassedGold;
                           }
                       }),
                   {[&] { return mGame.Showing(7); },
                    [&] { complete = AchievementSystem::GetInstance()->GetData(12)->IsComplete(); }}};
    Run();
    EXPECT_TRUE(complete);
}

TEST_F(MapScenarioTest, EveryLevelButtonOpensTheStartWindowOfItsLevelAndTheLevelsStart)
{
    std::vector<std::uint32_t> chosen;
    std::vector<std::uint16_t> started;
    mGame.steps = {NewPlayerOnMap([this] { Info().highestLevel = 66; }),
                   {[] { return true; },
                    [&]
                    {
                        for (std::int32_t button = 0; button < static_cast<std::int32_t>(Map::kLevelCount);
                             ++button)
                        {
                            TheMap().ClickLevel(button);
                            chosen.push_back(mGame.Window<StartNewLevelGui>().GetLevelIndex());
                        }
                    }}};
    // Starting a level under the sanitizers takes seconds: the walk starts one level of each hand-written
    // map and backdrop, and the last level; every level file is checked with the sample data.
    for (const std::uint16_t level : {4, 8, 12, 16, 67})
    {
        mGame.steps.push_back({[] { return true; },
                               [&, level]
                               {
                                   if (Game::GetInstance()->StartLevel(level) &&
                                       LevelTaskInfo::GetInstance()->level == level)
                                   {
                                       started.push_back(level);
                                   }
                               }});
    }
    Run();
    ASSERT_EQ(chosen.size(), std::size_t{Map::kLevelCount});
    for (std::uint32_t button = 0; button < Map::kLevelCount; ++button)
    {
        EXPECT_EQ(chosen[button], button);
    }
    EXPECT_EQ(started, (std::vector<std::uint16_t>{4, 8, 12, 16, 67}));
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}

TEST_F(MapScenarioTest, TheStartHintStandsAfterTheFirstWinUntilTheFirstClickOnTheMap)
{
    // The name of the hint shown and the level button it points at (-1: none of them).
    struct Seen
    {
        bool startHint = false;
        int button = -1;
    };
    auto look = [this]
    {
        Seen seen;
        const HintManager::HintRecord* shown = HintManager::GetInstance()->GetCurrent();
        seen.startHint = shown != nullptr && shown == HintManager::GetInstance()->GetByName("StartGameHint");
        for (int button = 0; shown != nullptr && button < 3; ++button)
        {
            const Korrin::Vector2 at = TheMap().GetButton(static_cast<std::uint32_t>(button))->pos;
            const Korrin::Vector2& anchor = shown->hint->GetAnchor();
            if (anchor.x == at.x + 22.0f && anchor.y == at.y + 30.0f)
            {
                seen.button = button;
            }
        }
        return seen;
    };
    auto settled = [this] { return mGame.Settled() && mGame.frames - mGame.lastAct > 30; };
    Seen fresh;
    Seen afterFirstWin;
    Seen afterClick;
    Seen afterSecondWin;
    // The map's hints stand only while no window does: the first run's name window is closed first. A
    // level played between two visits to the map has hints of its own, so the map asks for its hint anew.
    auto noWindow = [this] {
        return Step{[] { return true; }, [this] { mGame.Windows().Show(GameGuiManager::kNoWindow); }};
    };
    mGame.steps = {NewPlayerOnMap(),
                   noWindow(),
                   {settled, [&] { fresh = look(); }},
                   Win(1),
                   noWindow(),
                   {settled, [&] { afterFirstWin = look(); }},
                   {[] { return true; }, [this] { mProfile.mapHint = 1; }},
                   {settled, [&] { afterClick = look(); }},
                   {[] { return true; }, [this] { mProfile.mapHint = 0; }},
                   Win(2),
                   noWindow(),
                   {settled, [&] { afterSecondWin = look(); }}};
    Run();
    EXPECT_TRUE(fresh.startHint);
    EXPECT_EQ(fresh.button, 0);
    EXPECT_TRUE(afterFirstWin.startHint)
        << "a player who came to level 1 from the opening clip meets the map";
    EXPECT_FALSE(afterClick.startHint) << "a level clicked on the map once ends the hint for good";
    EXPECT_FALSE(afterSecondWin.startHint) << "past the second level the map needs no hint";
}
