// The real game on its first run and with a player whose rewards decorate the main menu, compared with
// golden pictures. Regenerate them (after looking at them) with
//   WF_REGENERATE_GOLDEN=1 ./wf_game_tests --gtest_filter='MainMenuScenario.*'
#include "platform/Image.h"
#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"
#include "tests/support/AchievementDefinitions.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace ProfileTestSupport;

namespace
{

class MainMenuScenario : public SaveFolderTest
{
protected:
    testing::AssertionResult Run(const std::string& input, const std::vector<std::string>& more)
    {
        mGame.WriteFile("in.txt", "1 click left\n3 click left\n" + input);
        std::vector<std::string> options =
            GameProcess::WindowedWithSaves(mFolder, {"--input", mGame.PathOf("in.txt").string()});
        options.insert(options.end(), more.begin(), more.end());
        return mGame.Run(options).ExitedWith(0);
    }

    std::string Shot(int frame, const std::string& name) const
    {
        return std::to_string(frame) + ":" + mGame.PathOf(name + ".png").string();
    }

    // The screenshot against tests/fixtures/gui/golden/NAME.png, pixel for pixel.
    void ExpectGolden(const std::string& name) const
    {
        const std::string actual = mGame.ReadFile(name + ".png");
        const std::string golden = std::string(WF_FIXTURES_DIR) + "/gui/golden/" + name + ".png";
        const char* regenerate = std::getenv("WF_REGENERATE_GOLDEN");
        if (regenerate != nullptr && std::string(regenerate) == "1")
        {
            std::ofstream(golden, std::ios::binary) << actual;
            return;
        }
        std::ifstream file(golden, std::ios::binary);
        const std::string expected((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        Platform::Image left;
        Platform::Image right;
        ASSERT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(actual.data()),
                                               actual.size(), left))
            << name;
        ASSERT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(expected.data()),
                                               expected.size(), right))
            << golden;
        ASSERT_EQ(left.width, right.width);
        ASSERT_EQ(left.height, right.height);
        std::size_t differing = 0;
        for (std::size_t index = 0; index < left.pixels.size(); ++index)
        {
            differing += left.pixels[index] != right.pixels[index] ? 1 : 0;
        }
        EXPECT_EQ(differing, 0u) << name << ": see " << mGame.PathOf(name + ".png");
    }

    GameProcess mGame{"menu"};
};

} // namespace

TEST_F(MainMenuScenario, TheFirstRunAsksForANameAndTheTypedNameBecomesPlayerNought)
{
    ASSERT_TRUE(Run("200 type Anna\n215 key Return\n",
                    {"--frames", "300", "--screenshot", Shot(190, "name_window")}));
    ExpectGolden("name_window");
    const std::string players = GameProcess::SaveDump(PathOf("Users.dat"));
    EXPECT_NE(players.find("player 0                     \"Anna\" number 0"), std::string::npos) << players;
}

TEST_F(MainMenuScenario, APlayersRevealedRewardsDecorateThePictureAndTheLinkOpensThePlayerList)
{
    CopyStoredFixtures();
    {
        // The sample player with three rewards already shown: the kennel, the blossoming tree, the cup.
        World world;
        std::string definitions = "{";
        for (int id = 0; id <= 14; ++id)
        {
            definitions += "{Id = " + std::to_string(id) + ", MaxProgress = 1},";
        }
        TestSupport::DefineAchievements(*AchievementSystem::GetInstance(), definitions + "}");
        world.StartAndTake();
        for (const auto& [id, data] : AchievementSystem::GetInstance()->GetAll())
        {
            const bool shown = id == 2 || id == 6 || id == 12;
            data->mFlags = shown ? AchievementData::kComplete | AchievementData::kAnnounced |
                                       AchievementData::kShownOnMenu
                                 : 0;
            data->mProgress = shown ? data->mMaxProgress : 0;
        }
        world.profile.SaveAll();
    }
    ASSERT_TRUE(
        Run("300 move 150 310\n301 click left\n", {"--frames", "380", "--screenshot", Shot(290, "main_menu"),
                                                   "--screenshot", Shot(370, "players_window")}));
    ExpectGolden("main_menu");
    ExpectGolden("players_window");
}
