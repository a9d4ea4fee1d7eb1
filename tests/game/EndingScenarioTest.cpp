// The game's end in the real game, scripted: a player who has reached level 66 starts the last level
// from the map, wins it, and the statistics' OK plays the final clip, which thanks the player by name;
// its skip leads to the main menu. The player's files then hold the finished story.
#include "platform/Image.h"
#include "tests/game/GameProcess.h"
#include "tests/game/PicturePixels.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace ProfileTestSupport;

namespace
{

class EndingScenario : public SaveFolderTest
{
protected:
    // "Bob" of the save fixtures at level 66 of 67, every level before passed, the story one clip short
    // of its end; written by the profile, as the game writes it.
    void SetUp() override
    {
        SaveFolderTest::SetUp();
        CopyStoredFixtures();
        {
            World world;
            world.StartAndTake();
            GameInfo* info = GameInfo::GetInstance();
            info->highestLevel = kLastLevel - 1;
            for (std::uint32_t level = 0; level + 1 < kLastLevel; ++level)
            {
                info->passTypes[level] = kLevelNotPassed;
            }
            world.profile.storyStage = kStageBeforeTheEnd;
            world.profile.SaveAll();
        }
        std::filesystem::create_directories(mGame.PathOf("saves"));
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
        {
            std::filesystem::copy_file(entry.path(), mGame.PathOf("saves") / entry.path().filename());
        }
    }

    testing::AssertionResult Run(const std::string& script, int frames, const std::vector<std::string>& shots)
    {
        std::vector<std::string> options = {"--windowed", "--frames", std::to_string(frames), "--input",
                                            std::string(WF_FIXTURES_DIR) + "/play/" + script};
        for (const std::string& shot : shots)
        {
            options.push_back("--screenshot");
            options.push_back(shot);
        }
        return mGame.Run(mGame.Headless(options)).ExitedWith(0);
    }

    std::string Dump(const std::string& file) const
    {
        return GameProcess::SaveDump(mGame.PathOf("saves/" + file));
    }

    // Achievement 6's progress in the player's achievements file.
    std::uint32_t NewLevelsCounted() const
    {
        const std::string dump = Dump("Save2_2.dat");
        const std::string line = "achievement 6                progress ";
        const std::size_t at = dump.find(line);
        return at == std::string::npos
                   ? 0xFFFFFFFFu
                   : static_cast<std::uint32_t>(std::stoul(dump.substr(at + line.size())));
    }

    static bool Has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    static constexpr std::uint16_t kLastLevel = 67;
    static constexpr std::int32_t kStageBeforeTheEnd = 4;
    GameProcess mGame{"ending"};
};

} // namespace

TEST_F(EndingScenario, WinningTheLastLevelPlaysTheFinalClipThatThanksThePlayerAndEndsOnTheMainMenu)
{
    const std::uint32_t countedBefore = NewLevelsCounted();
    ASSERT_TRUE(
        Run("lev67-won.txt", 3850,
            {"3720:" + mGame.PathOf("thanks.png").string(), "3840:" + mGame.PathOf("menu.png").string()}))
        << mGame.ReadFile("err.txt");

    // In order: the level, the statistics' OK (its skip, then OK), clip 6 on the clip screen, its skip,
    // the main menu.
    const std::string log = mGame.ReadFile("log.log");
    std::size_t at = 0;
    for (const char* line :
         {"Load level lev67.lev", "SetMessages LEV_STAT_OK_BUTTON", "SetMessages LEV_STAT_OK_BUTTON",
          "Create Texture: scene_6.png", "SetCurrent 3", "SetMessages CLIP_SKIP_BUTTON", "SetCurrent 2"})
    {
        at = log.find(line, at);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        ++at;
    }
    EXPECT_EQ(log.find("SetCurrent", at), std::string::npos) << "the game stays on the main menu";

    // "Thank you, Bob! ..." fully shown in the caption band.
    EXPECT_GT(TestSupport::CaptionPixels(mGame.Picture("thanks.png")), 2000) << "the last caption";

    const std::string map = Dump("Save2_5.dat");
    EXPECT_TRUE(Has(map, "story stage                  5\n")) << map;
    EXPECT_TRUE(Has(map, "level 67                     pass type 2\n")) << "won within the gold time\n"
                                                                        << map;
    EXPECT_TRUE(Has(map, "highest level                66\n")) << "the ending completes no level\n" << map;
    EXPECT_EQ(NewLevelsCounted(), countedBefore + 1) << "the final clip counts the new level once";
    EXPECT_FALSE(std::filesystem::exists(mGame.PathOf("saves/Save2_4.dat")))
        << "the won level cannot be continued";
}
