#include "game/Game/Education.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Main.h"
#include "tests/game/Panel/SampleMedia.h"

#include <gtest/gtest.h>

namespace
{

// Levels started on the game screen with the screen manager's tutorial slot.
class TutorialStartTest : public TestSupport::SampleMediaTest
{
protected:
    TutorialStartTest() { mGame.Init(); }

    std::string Running() const
    {
        const Education* tutorial = mMain.GetEducationSlot()->Get();
        return tutorial != nullptr ? tutorial->GetScriptFile() : "";
    }

    Main mMain;
    Game mGame;
};

} // namespace

TEST_F(TutorialStartTest, OnlyTheFirstPlayOfALevelWithATutorialRunsOne)
{
    mMain.GetGameInfo()->highestLevel = 0;
    mGame.StartLevel(1);
    EXPECT_EQ(Running(), "Education1.lua");

    // Level 2 before level 1 is won: not its first play, and level 1's tutorial must not run on it.
    mGame.StartLevel(2);
    EXPECT_EQ(Running(), "");

    mMain.GetGameInfo()->highestLevel = 1;
    mGame.StartLevel(2);
    EXPECT_EQ(Running(), "Education2.lua");
    mGame.StartLevel(1);
    EXPECT_EQ(Running(), "") << "a replay";
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
        << TestSupport::ReportRecorder::LastDescription();
}
