#include "tests/game/GameProcess.h"
#include "tests/game/PicturePixels.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

// The real game, headless at a fixed step in a window of the virtual size, for a player who has seen
// no story clip yet ("Bob" of the save fixtures, written back with the story stage before the first).
class ClipScenarioTest : public ProfileTestSupport::SaveFolderTest
{
protected:
    void SetUp() override
    {
        SaveFolderTest::SetUp();
        CopyStoredFixtures();
        {
            ProfileTestSupport::World world;
            world.StartAndTake();
            world.profile.storyStage = -1;
            world.profile.storyFlags.fill(false);
            world.profile.SaveAll();
        }
        std::filesystem::create_directories(mGame.PathOf("saves"));
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
        {
            std::filesystem::copy_file(entry.path(), mGame.PathOf("saves") / entry.path().filename());
        }
    }

    // Skips the logos and clicks the main menu's Play once it shows (frame 100); then the extra lines.
    testing::AssertionResult Run(const std::string& moreInput, const std::vector<std::string>& more)
    {
        mGame.WriteFile("input.txt",
                        "1 click left\n3 click left\n99 move 156 368\n100 click left\n" + moreInput);
        std::vector<std::string> options = {"--windowed", "--input", "input.txt"};
        options.insert(options.end(), more.begin(), more.end());
        return mGame.Run(mGame.Headless(options)).ExitedWith(0);
    }

    GameProcess mGame{"clip"};
};

} // namespace

TEST_F(ClipScenarioTest, PlayShowsTheOpeningClipWithItsCaption)
{
    // Ten seconds into the clip: the car has stopped at the gate, under the first caption.
    ASSERT_TRUE(Run("", {"--frames", "710", "--screenshot", "700:clip.png"}));
    const Platform::Image picture = mGame.Picture("clip.png");
    ASSERT_EQ(picture.width, 1024);
    EXPECT_GT(TestSupport::CaptionPixels(picture), 200) << "the first caption";
    const std::string log = mGame.ReadFile("log.log");
    EXPECT_NE(log.find("SetCurrent 3"), std::string::npos) << log;
    EXPECT_EQ(log.find("SetCurrent 1"), std::string::npos) << "not the map";
}

TEST_F(ClipScenarioTest, SkippingTheOpeningClipStartsLevelOneWithItsGoalsAndMovesTheStoryOn)
{
    // The skip button sits in the bottom right corner.
    ASSERT_TRUE(
        Run("200 move 940 730\n201 click left\n", {"--frames", "460", "--screenshot", "450:skipped.png"}));
    const std::string log = mGame.ReadFile("log.log");
    const std::size_t clip = log.find("SetCurrent 3");
    const std::size_t level = log.find("Load level lev01.lev");
    ASSERT_NE(clip, std::string::npos) << log;
    ASSERT_NE(level, std::string::npos) << log;
    EXPECT_LT(clip, level);

    // The game saved the player on its way out: the story stands at the opening clip.
    for (const auto& entry : std::filesystem::directory_iterator(mGame.PathOf("saves")))
    {
        std::filesystem::copy_file(entry.path(), mFolder / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ProfileTestSupport::World world;
    EXPECT_EQ(world.StartAndTake().stage, 0);
}
