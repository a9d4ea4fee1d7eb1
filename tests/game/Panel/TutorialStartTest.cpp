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

TEST_F(TutorialStartTest, TheFirstPlaysOfLevelsFourEightAndTwentyOneRunTheirTutorials)
{
    struct Case
    {
        std::uint16_t level;
        const char* script;
    };
    for (const Case& tutorial :
         {Case{4, "Education4.lua"}, Case{8, "Education8.lua"}, Case{21, "Education21.lua"}})
    {
        SCOPED_TRACE(tutorial.script);
        TestSupport::ReportRecorder::Clear();
        mMain.GetGameInfo()->highestLevel = static_cast<std::uint16_t>(tutorial.level - 1);
        ASSERT_TRUE(mGame.StartLevel(tutorial.level));
        EXPECT_EQ(Running(), tutorial.script);
        Education* running = mMain.GetEducationSlot()->Get();
        ASSERT_NE(running, nullptr);
        // Group 0 holds the tips of the field; its first event is current at the start.
        ASSERT_TRUE(running->GetGroups().count(0) == 1 && !running->GetGroups().at(0).events.empty());
        EXPECT_NE(running->GetCurrentEvent(), nullptr);
        running->Update(0.0f);
        EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty())
            << TestSupport::ReportRecorder::LastDescription();
    }
}
