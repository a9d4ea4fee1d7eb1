// The main menu in the game's own application on the sample data: its first frame without a player,
// its timed animations, the mouse on the branch and the mill, and the rewards panel.
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiText.h"
#include "engine/Particle/ParticleSystem.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/TypeNameGui.h"
#include "game/MainMenu.h"
#include "tests/game/GUI/GameRunSupport.h"

#include <cmath>
#include <gtest/gtest.h>

using GameRunSupport::GameRunTest;

namespace
{

class MainMenuScreenTest : public GameRunTest
{
protected:
    // Plays these lines after the two clicks that skip the logos.
    void Script(const std::string& lines)
    {
        auto script = std::make_unique<Platform::ScriptedInput>();
        std::string error;
        EXPECT_TRUE(script->Parse("1 click left\n3 click left\n" + lines, error)) << error;
        mServices.SetScriptedInput(std::move(script));
    }
    MainMenu& Menu() { return *dynamic_cast<MainMenu*>(_GetMain().Find("MainMenu")); }
    // Acts in the first frame at which the menu's clock has reached the time.
    void At(float clock, std::function<void()> act)
    {
        mGame.steps.push_back({[this, clock] { return Menu().GetClock() >= clock; }, std::move(act)});
    }
    void When(std::function<bool()> ready, std::function<void()> act)
    {
        mGame.steps.push_back({std::move(ready), std::move(act)});
    }
    static AchievementData& Achievement(std::uint32_t id)
    {
        return *AchievementSystem::GetInstance()->GetData(id);
    }
    static bool Revealed(std::uint32_t id)
    {
        return (Achievement(id).mFlags & AchievementData::kShownOnMenu) != 0;
    }
};

TEST_F(MainMenuScreenTest, WithoutAPlayerTheNameWindowOpensInTheFirstFrameAndTheGreetingFollowsTheName)
{
    bool nameWindowFirst = false;
    bool buttonsDisabled = false;
    mGame.steps.push_back({[] { return true; },
                           [&]
                           {
                               nameWindowFirst = mGame.Showing(TypeNameGui::kWindowId);
                               buttonsDisabled = Menu().GetButtons()->IsDisabled();
                           }});
    When([&] { return mGame.Showing(TypeNameGui::kWindowId) && mGame.Settled(); },
         [&]
         {
             auto& names = mGame.Window<TypeNameGui>();
             names.Find<Korrin::GuiEdit>("TYPENAME_PLAYER_EDIT")->SetText(u"Anna");
             names.Confirm();
         });
    std::u16string greeting;
    bool buttonsBack = false;
    When([&] { return mGame.Showing(GameGuiManager::kNoWindow) && mGame.Settled(); },
         [&]
         {
             buttonsBack = !Menu().GetButtons()->IsDisabled();
             greeting =
                 dynamic_cast<Korrin::GuiText*>(Menu().GetButtons()->GetByName("MAINMENU_HELLO_USER_TEXT"))
                     ->mCaption;
         });
    Run();
    EXPECT_TRUE(nameWindowFirst);
    EXPECT_TRUE(buttonsDisabled) << "the buttons wait while the name window is shown";
    EXPECT_TRUE(buttonsBack) << "and react once it has closed";
    EXPECT_EQ(greeting, u"Hello, Anna");
}

TEST_F(MainMenuScreenTest, SweepsSparkleAndAGhostThatPulsesUnderTheMouse)
{
    CopyStoredFixtures();
    // The pointer rests on the beehive's spot (achievement 0, not earned by the sample player).
    Script("10 move 600 520\n");
    bool sweepBefore = true;
    bool sweepAfter = false;
    bool sparkleBefore = true;
    bool sparkleAfter = false;
    float ghostEarly = -1.0f;
    float ghostLate = -1.0f;
    At(1.0f, [&] { ghostEarly = Menu().GetRewardItems().at(0).ghostAlpha; });
    At(2.95f, [&] { sweepBefore = Menu().IsSweepOn(0) || Menu().IsSweepOn(1); });
    At(3.05f, [&] { sweepAfter = Menu().IsSweepOn(0) && Menu().IsSweepOn(1); });
    At(4.9f,
       [&]
       {
           sparkleBefore = Menu().GetSparkle()->HasActiveEmitter();
           ghostLate = Menu().GetRewardItems().at(0).ghostAlpha;
       });
    At(5.1f, [&] { sparkleAfter = Menu().GetSparkle()->HasActiveEmitter(); });
    Run();
    EXPECT_FALSE(sweepBefore) << "the light sweeps wait for the menu's first 3 seconds";
    EXPECT_TRUE(sweepAfter);
    EXPECT_FALSE(sparkleBefore);
    EXPECT_TRUE(sparkleAfter) << "the first sparkle comes after 5 seconds";
    EXPECT_GT(ghostEarly, 0.0f);
    EXPECT_LT(ghostEarly, 0.2f) << "the ghost rises for 2 seconds";
    EXPECT_GE(ghostLate, 0.2f);
    EXPECT_LE(ghostLate, 0.4f) << "then pulses between 0.2 and 0.4";
}

TEST_F(MainMenuScreenTest, CompletedAchievementsComeIntoViewOneAfterAnotherAndOnlyOnce)
{
    CopyStoredFixtures();
    std::vector<std::uint32_t> pendingIds;
    At(0.1f,
       [&]
       {
           // Two achievements completed in a level (the sample player's achievement 9 is not).
           Achievement(3).mFlags = AchievementData::kComplete;
           Achievement(7).mFlags = AchievementData::kComplete;
           Achievement(9).mFlags = 0;
           Menu().Reset(); // entering the menu again
           for (const auto& pending : Menu().GetPendingRewards())
           {
               pendingIds.push_back(pending->id);
           }
       });
    float secondBeforeFirstDone = -1.0f;
    When([&] { return Menu().GetPendingRewards()[0]->revealTime > 1.0f; },
         [&] { secondBeforeFirstDone = Menu().GetPendingRewards()[1]->revealTime; });
    float secondWhenFirstDone = -1.0f;
    When([&] { return Revealed(3); },
         [&] { secondWhenFirstDone = Menu().GetPendingRewards()[1]->revealTime; });
    bool burstAgain = true;
    bool allRevealed = false;
    When([&] { return Revealed(7); },
         [&]
         {
             allRevealed = Revealed(3);
             Menu().Reset();
             // A frame later: nothing fades in and no burst plays for rewards already shown.
         });
    When([] { return true; },
         [&]
         {
             burstAgain = false;
             for (const auto& pending : Menu().GetPendingRewards())
             {
                 // A burst still running from the reveal may finish; none starts again.
                 burstAgain = burstAgain || pending->addStarted || pending->revealTime > 0.0f;
             }
         });
    Run();
    EXPECT_EQ(pendingIds, (std::vector<std::uint32_t>{3, 7})) << "in ascending id";
    EXPECT_EQ(secondBeforeFirstDone, 0.0f) << "the higher id waits";
    EXPECT_GE(secondWhenFirstDone, 0.0f);
    EXPECT_LT(secondWhenFirstDone, 0.05f) << "and starts as the lower one ends";
    EXPECT_TRUE(allRevealed);
    EXPECT_FALSE(burstAgain);
}

TEST_F(MainMenuScreenTest, TheMouseStirsTheBranchFromTheEdgeOfItsSquareAndNeverBreaksTheMill)
{
    CopyStoredFixtures();
    std::string lines;
    // Once the menu shows (loading takes the first frames): along the square's left edge (x = 900
    // counts); then up and down the sails, faster than a hand could.
    lines += "140 move 900 560\n141 move 900 600\n";
    for (int frame = 200; frame < 260; frame += 2)
    {
        lines += std::to_string(frame) + " move 700 205\n" + std::to_string(frame + 1) + " move 700 395\n";
    }
    Script(lines);
    float afterEdge = 0.0f;
    float base = 0.0f;
    bool millFinite = true;
    When([&] { return mGame.frames == 143; },
         [&]
         {
             afterEdge = Menu().GetBranch().targetSpeed;
             base = Menu().GetBranch().baseSpeed;
         });
    When([&] { return mGame.frames == 262; },
         [&]
         {
             const MenuMill& mill = Menu().GetMill();
             millFinite = std::isfinite(mill.speed) && std::isfinite(mill.angle) &&
                          std::fabs(mill.angle) <= MenuMill::kFullTurn;
         });
    Run();
    EXPECT_GT(afterEdge, base) << "the edge of the square counts";
    EXPECT_TRUE(millFinite);
}

} // namespace
