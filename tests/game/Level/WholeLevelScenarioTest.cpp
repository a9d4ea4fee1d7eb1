#include "engine/File/BinaryReader.h"
#include "game/Game/TableCost.h"
#include "platform/Folders.h"
#include "tests/game/GameProcess.h"
#include "tests/game/LevelDataFolder.h"
#include "tests/game/PicturePixels.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// The play-through level of tests/fixtures/play ("whole.map", played as level 3 of a copy of the sample
// data) by the real game and its scripts: won in one run, and saved, quit and continued to the win.

namespace
{

const std::filesystem::path kPlay = std::filesystem::path(WF_FIXTURES_DIR) / "play";

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class WholeLevelScenario : public testing::Test
{
protected:
    // The sample player's files, with the rope's upgrade to stairs bought in the map shop: the upgrade
    // file is written by the profile itself.
    static void MakeSaves(const GameProcess& game)
    {
        const std::filesystem::path saves = game.PathOf("saves");
        std::filesystem::create_directories(saves);
        for (const std::string& file : ProfileTestSupport::StoredFiles())
        {
            std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), saves / file);
        }
        Platform::Folders::SetSaveFolder(saves.string());
        {
            ProfileTestSupport::World world;
            world.StartAndTake();
            CostRecord* rope = TableCost::GetInstance()->GetCostPtr(1);
            ASSERT_NE(rope, nullptr);
            rope->upgradeLevel = 1;
            ASSERT_TRUE(world.profile.SaveUpgrades());
        }
        Platform::Folders::SetSaveFolder("");
    }

    std::vector<std::string> Options(const GameProcess& game, const std::string& script, int frames,
                                     const std::vector<std::string>& screenshots = {}) const
    {
        game.WriteFile("input.txt", ReadText(kPlay / script));
        std::vector<std::string> options = {"--headless",
                                            "--fixed-step",
                                            "--windowed",
                                            "--save-dir",
                                            game.PathOf("saves").string(),
                                            "--data",
                                            mData.String(),
                                            "--input",
                                            "input.txt",
                                            "--frames",
                                            std::to_string(frames)};
        for (const std::string& shot : screenshots)
        {
            options.push_back("--screenshot");
            options.push_back(shot);
        }
        return options;
    }

    // What the save checker makes of a player's file, read against the play-through's data.
    std::string Dump(const GameProcess& game, const std::string& file) const
    {
        return GameProcess::SaveDump(game.PathOf("saves/" + file), mData.String());
    }

    // Pixels of the thief's cage bars (dark grey, near black) in a box of the picture.
    static int CageBars(const Platform::Image& picture, int left, int top, int right, int bottom)
    {
        return TestSupport::CountPixels(picture, left, top, right, bottom,
                                        [](int red, int green, int blue)
                                        { return red < 60 && green < 60 && blue < 60; });
    }

    // Pixels of a buyer's thought bubble (white) in a box of the picture.
    static int Bubble(const Platform::Image& picture, int left, int top, int right, int bottom)
    {
        return TestSupport::CountPixels(picture, left, top, right, bottom,
                                        [](int red, int green, int blue)
                                        { return red > 240 && green > 240 && blue > 240; });
    }

    // Pixels of a building's work bar (green) in a box of the picture.
    static int WorkBar(const Platform::Image& picture, int left, int top, int right, int bottom)
    {
        return TestSupport::CountPixels(picture, left, top, right, bottom,
                                        [](int red, int green, int blue)
                                        { return green > 150 && red < 120 && blue < 120; });
    }

    // A window's parchment at a point of the screen: the statistics window's in the middle by default,
    // the goals window's right of its OK.
    static bool ParchmentShown(const Platform::Image& picture, int x = 512, int y = 330)
    {
        const std::uint32_t pixel = picture.At(x, y);
        return ((pixel >> 16) & 0xFF) > 220 && ((pixel >> 8) & 0xFF) > 210 && (pixel & 0xFF) > 170;
    }

    // The goals' record, the first of a level save's records (after the version, the level and the sales
    // count): the money, two reserved bytes, the clock and each goal's goods with the units it still asks
    // for, then the record's own length.
    struct Goals
    {
        bool read = false;
        std::int32_t money = 0;
        float clock = 0.0f;
        std::vector<std::pair<int, int>> remaining;
    };

    static Goals ReadGoals(const std::string& save)
    {
        Korrin::BinaryReader in(std::span(reinterpret_cast<const std::uint8_t*>(save.data()), save.size()));
        in.ReadU32();
        in.ReadI32();
        in.ReadI32();
        const std::size_t start = in.Position();
        Goals goals;
        goals.money = in.ReadI32();
        in.ReadU8();
        in.ReadU8();
        goals.clock = in.ReadF32();
        const std::uint32_t count = in.ReadU32();
        for (std::uint32_t goal = 0; goal < count && goal < 6 && in.Ok(); ++goal)
        {
            const int goods = in.ReadU8();
            goals.remaining.emplace_back(goods, in.ReadI32());
        }
        const std::size_t length = in.Position() - start;
        goals.read = in.ReadU32() == length && in.Ok();
        return goals;
    }

    GameProcess mFirst{"whole-first"};
    // The sample data with the play-through level in place of level 3.
    LevelDataFolder mData{mFirst.PathOf("data"), {{3, "whole.map"}}};
};

} // namespace

// The whole level by one script, twice at once: seeds ordered, the gardener's carrot, the juicer's juice,
// the rope bought and raised to stairs, both thieves caught (one while stealing at the shop) and a bag
// collected, goods moved to the shop and sold; the statistics window, its OK to the map, the level passed.
// Both runs write the same files and pictures.
TEST_F(WholeLevelScenario, TheLevelIsWonByScriptAndTwoRunsAreAlike)
{
    GameProcess second("whole-second");
    MakeSaves(mFirst);
    MakeSaves(second);
    const std::vector<std::string> shots = {"1535:caught.png", "3980:stealing.png", "4890:won.png",
                                            "5090:map.png"};
    const pid_t first = mFirst.Start(Options(mFirst, "whole-full.txt", 5100, shots));
    const pid_t other = second.Start(Options(second, "whole-full.txt", 5100, shots));
    ASSERT_TRUE(GameProcess::Wait(first).ExitedWith(0));
    ASSERT_TRUE(GameProcess::Wait(other).ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(mFirst.PathOf("Assert.txt"))) << mFirst.ReadFile("Assert.txt");

    // The first thief in his closing cage on the garden floor; the second caught by the shop.
    EXPECT_GT(CageBars(mFirst.Picture("caught.png"), 470, 330, 570, 430), 900);
    EXPECT_GT(CageBars(mFirst.Picture("stealing.png"), 290, 480, 390, 590), 800);
    EXPECT_TRUE(ParchmentShown(mFirst.Picture("won.png"))) << "every goal met";
    EXPECT_FALSE(ParchmentShown(mFirst.Picture("map.png")));

    // The level ended: no level save; the player's map and best times say it was passed.
    EXPECT_FALSE(std::filesystem::exists(mFirst.PathOf("saves/Save2_4.dat")));
    const std::string times = Dump(mFirst, "Save0b.dat");
    EXPECT_NE(times.find("ACCEPTED"), std::string::npos) << times;
    EXPECT_NE(times.find("0:57 \"Bob\""), std::string::npos) << times;
    const std::string map = Dump(mFirst, "Save2_5.dat");
    EXPECT_NE(map.find("ACCEPTED"), std::string::npos) << map;

    for (const char* file : {"saves/Save0b.dat", "saves/Save2_2.dat", "saves/Save2_3.dat",
                             "saves/Save2_5.dat", "caught.png", "stealing.png", "won.png", "map.png"})
    {
        EXPECT_EQ(mFirst.ReadFile(file), second.ReadFile(file)) << file;
    }
}

// The level closed in the middle, at 0:28: stairs; the first thief caught, the second out by the shop;
// a girl served at the counter while a peasant waits in the queue; the juicer at work; the carrots' goal
// met and the juice's still open; a second carrot sown. Continued from the map's window 13 it writes,
// before anything moves, the very save it was closed with, and plays on to the win: the second thief
// caught stealing a carrot and his bag collected, the juice sold while another thief is caught taking it.
TEST_F(WholeLevelScenario, ALevelClosedMidwayContinuesAsItWasAndIsWon)
{
    MakeSaves(mFirst);
    ASSERT_TRUE(mFirst.Run(Options(mFirst, "whole-quit.txt", 2800, {"2800:quit.png"})).ExitedWith(0));
    const std::string quit = mFirst.ReadFile("saves/Save2_4.dat");
    ASSERT_FALSE(quit.empty());
    const std::string dump = Dump(mFirst, "Save2_4.dat");
    EXPECT_NE(dump.find("ACCEPTED"), std::string::npos) << dump;

    // Both carrots of the first goal counted, the juice still asked for; the clock and the money as shown.
    constexpr int kCarrot = 84;
    constexpr int kJuice = 89;
    const Goals goals = ReadGoals(quit);
    ASSERT_TRUE(goals.read);
    EXPECT_EQ(goals.remaining, (std::vector<std::pair<int, int>>{{kCarrot, 0}, {kJuice, 1}}));
    EXPECT_GE(goals.clock, 28.0f);
    EXPECT_LT(goals.clock, 29.0f);
    EXPECT_EQ(goals.money, 155);

    // The juicer's work bar beside it; a wish bubble over the buyer at the counter and one over the
    // buyer in the queue by the entrance.
    const Platform::Image closed = mFirst.Picture("quit.png");
    EXPECT_GT(WorkBar(closed, 265, 85, 315, 250), 1500);
    EXPECT_GT(Bubble(closed, 480, 440, 600, 530), 1500) << "at the counter";
    EXPECT_GT(Bubble(closed, 60, 440, 200, 530), 1500) << "in the queue";

    // Continued and closed again while the goals window holds the level, in a copy of the player's files;
    // beside it, the level continued to its win in the player's own.
    GameProcess probe("whole-probe");
    std::filesystem::copy(mFirst.PathOf("saves"), probe.PathOf("saves"));
    std::filesystem::remove(probe.PathOf("saves/wrenfold.lock"));
    const std::vector<std::string> probeOptions =
        Options(probe, "whole-continue.txt", 600, {"590:probe.png"});
    const std::vector<std::string> winOptions =
        Options(mFirst, "whole-continue.txt", 3000, {"2100:caught.png", "2940:won.png"});
    const pid_t probeRun = probe.Start(probeOptions);
    const pid_t winRun = mFirst.Start(winOptions);
    const GameProcess::Ending probeEnding = probe.Finish(probeRun, probeOptions);
    const GameProcess::Ending winEnding = mFirst.Finish(winRun, winOptions);
    ASSERT_TRUE(probeEnding.ExitedWith(0));
    // The goals window stands over the continued level: the level was loaded, not left on the map with
    // its save untouched.
    EXPECT_TRUE(ParchmentShown(probe.Picture("probe.png"), 800, 500));
    EXPECT_EQ(probe.ReadFile("saves/Save2_4.dat"), quit) << "every record as it was written at the quit";

    ASSERT_TRUE(winEnding.ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(mFirst.PathOf("Assert.txt"))) << mFirst.ReadFile("Assert.txt");
    EXPECT_GT(CageBars(mFirst.Picture("caught.png"), 300, 480, 410, 595), 1300) << "the thief in his cage";
    EXPECT_TRUE(ParchmentShown(mFirst.Picture("won.png")));
    EXPECT_FALSE(std::filesystem::exists(mFirst.PathOf("saves/Save2_4.dat")));
    const std::string times = Dump(mFirst, "Save0b.dat");
    EXPECT_NE(times.find("0:56 \"Bob\""), std::string::npos) << times;
}
