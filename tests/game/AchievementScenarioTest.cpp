#include "ProfileTestSupport.h"
#include "platform/Image.h"
#include "tests/game/GameProcess.h"

using namespace ProfileTestSupport;

namespace
{

int Channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

// The real game on a player whose every level holds gold: the main menu awards the all-gold
// achievement, its alert swings in, OK sends it off, and the achievements window shows it earned.
class AchievementScenario : public SaveFolderTest
{
};

} // namespace

TEST_F(AchievementScenario, AnAllGoldPlayerIsAwardedOnTheMainMenuAndKeepsIt)
{
    CopyStoredFixtures();
    {
        World world;
        world.StartAndTake();
        for (std::uint32_t level = 0; level < kLevelCount; ++level)
        {
            GameInfo::GetInstance()->passTypes[level] = kLevelPassedGold;
        }
        world.profile.SaveAll();
    }
    GameProcess game;
    // Logos skipped; OK of the alert once it stands; then the menu's achievements button.
    game.WriteFile("in.txt", "1 click left\n3 click left\n310 move 512 626\n312 click left\n"
                             "360 move 156 420\n362 click left\n");
    const std::vector<std::string> options = GameProcess::WindowedWithSaves(
        mFolder, {"--input", game.PathOf("in.txt").string(), "--frames", "600", "--screenshot",
                  "300:" + game.PathOf("alert.png").string(), "--screenshot",
                  "560:" + game.PathOf("window6.png").string()});
    ASSERT_TRUE(game.Run(options).ExitedWith(0)) << game.ReadFile("err.txt");

    const Platform::Image alert = game.Picture("alert.png");
    ASSERT_EQ(alert.width, 1024);
    const std::uint32_t badge = alert.At(510, 410); // the gold medal, settled above the panel
    EXPECT_TRUE(Channel(badge, 16) > 200 && Channel(badge, 8) > 120 && Channel(badge, 0) < 120)
        << std::hex << badge;
    const Platform::Image window = game.Picture("window6.png");
    ASSERT_EQ(window.width, 1024);
    const std::uint32_t parchment = window.At(180, 620); // the achievements window, below its list
    EXPECT_TRUE(Channel(parchment, 16) > 200 && Channel(parchment, 8) > 190) << std::hex << parchment;

    const std::string dump = GameProcess::SaveDump(PathOf("Save2_2.dat"));
    // Complete, announced by the alert, and its decoration shown on the main menu's picture.
    EXPECT_NE(dump.find("achievement 12               progress 1 flags 7 (complete)"), std::string::npos)
        << dump;
}
