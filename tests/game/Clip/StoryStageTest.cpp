#include "tests/game/ProfileTestSupport.h"

#include <gtest/gtest.h>

namespace
{

using StoryStageTest = ProfileTestSupport::SaveFolderTest;

} // namespace

TEST_F(StoryStageTest, MovingTheStoryOnClearsTheFlagOfTheStageHeldSoFar)
{
    struct Case
    {
        std::int32_t held;
        std::int32_t next;
        std::int32_t expected;
        std::array<bool, 6> flagsAfter;
    };
    const Case cases[] = {
        {-1, 0, 0, {true, true, true, true, true, true}}, // no stage held: no flag to clear
        {0, 1, 1, {false, true, true, true, true, true}},
        {2, 5, 5, {true, true, false, true, true, true}},
        {3, -1, 3, {true, true, true, true, true, true}}, // a negative stage changes nothing
    };
    ProfileTestSupport::World world;
    for (const Case& c : cases)
    {
        world.profile.storyStage = c.held;
        world.profile.storyFlags.fill(true);
        world.profile.SetStoryStage(c.next);
        EXPECT_EQ(world.profile.storyStage, c.expected) << c.held << " -> " << c.next;
        EXPECT_EQ(world.profile.storyFlags, c.flagsAfter) << c.held << " -> " << c.next;
    }
}
