#include "tests/game/GameProcess.h"
#include "tests/game/PicturePixels.h"
#include "tests/game/ProfileTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// The frames of the play-through: the level is won with its clock at 0:22, the script's first click on
// the statistics window's OK (frame 2101) shows all its rows, the second (2130) leads to the map.
constexpr int kWonFrame = 2115;
constexpr int kMapFrame = 2200;
constexpr int kLastFrame = 2210;

// Offsets into the map progress file (Save2_5.dat): version u32, map hint u8, highest level u16,
// money i32, story stage i32, six story flags, then one i32 pass type per level.
constexpr std::size_t kHighestLevelOffset = 5;
constexpr std::size_t kFirstPassOffset = 21;

// The sample player "Bob" as he stands before level 1: the fixture's files with a map on which no
// level is passed yet, so that the win shows as a new highest level.
void PrepareBeginner(const GameProcess& game)
{
    const std::filesystem::path saves = game.PathOf("saves");
    std::filesystem::create_directories(saves);
    for (const std::string& file : ProfileTestSupport::StoredFiles())
    {
        std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), saves / file);
    }
    std::vector<std::uint8_t> map = ProfileTestSupport::ReadBytes(saves / "Save2_5.dat");
    ASSERT_GT(map.size(), kFirstPassOffset);
    map[kHighestLevelOffset] = 0;
    map[kHighestLevelOffset + 1] = 0;
    std::fill(map.begin() + static_cast<std::ptrdiff_t>(kFirstPassOffset), map.end(), 0xFF);
    ProfileTestSupport::WriteBytes(saves / "Save2_5.dat", map);
}

std::vector<std::string> PlayThrough(const GameProcess& game)
{
    return game.Headless({"--windowed", "--frames", std::to_string(kLastFrame), "--input",
                          std::string(WF_FIXTURES_DIR) + "/play/lev01-won.txt", "--screenshot",
                          std::to_string(kWonFrame) + ":won.png", "--screenshot",
                          std::to_string(kMapFrame) + ":map.png"});
}

bool Cream(int red, int green, int blue)
{
    return red > 220 && green > 200 && blue > 160 && red - blue < 70;
}

bool Gold(int red, int green, int blue)
{
    return red > 200 && green > 150 && blue < 110;
}

bool Green(int red, int green, int blue)
{
    return green > red + 40 && green > blue + 40;
}

bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Every file of the run's save folder, by name, as bytes.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> SavedFiles(const GameProcess& game)
{
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (const auto& entry : std::filesystem::directory_iterator(game.PathOf("saves")))
    {
        if (entry.path().extension() == ".dat")
        {
            files.emplace_back(entry.path().filename().string(), ProfileTestSupport::ReadBytes(entry.path()));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

// The whole of level 1 played by script in the real game, twice at once: both runs win it, go back to
// the map and record it as passed, and write the same saves and pictures byte for byte.
TEST(SellingPlayScenario, LevelOneIsWonBySellingAndTwoRunsWriteTheSameFiles)
{
    const GameProcess first("won-first");
    const GameProcess second("won-second");
    PrepareBeginner(first);
    PrepareBeginner(second);
    const pid_t firstRun = first.Start(PlayThrough(first));
    const pid_t secondRun = second.Start(PlayThrough(second));
    const GameProcess::Ending firstEnding = first.Finish(firstRun, PlayThrough(first));
    const GameProcess::Ending secondEnding = second.Finish(secondRun, PlayThrough(second));
    ASSERT_TRUE(firstEnding.ExitedWith(0));
    ASSERT_TRUE(secondEnding.ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(first.PathOf("Assert.txt"))) << first.ReadFile("Assert.txt");

    // The statistics window over the field, its gold cup counted; then the world map, whose level-2
    // button now shows the green play arrow.
    const Platform::Image won = first.Picture("won.png");
    EXPECT_GT(TestSupport::CountPixels(won, 300, 400, 600, 440, Cream), 10000) << "the window's paper";
    EXPECT_GT(TestSupport::CountPixels(won, 620, 305, 725, 400, Gold), 1000) << "the gold cup";
    const Platform::Image map = first.Picture("map.png");
    EXPECT_GT(TestSupport::CountPixels(map, 80, 722, 100, 742, Green), 50) << "level 2's button opened";

    const std::string progress = GameProcess::SaveDump(first.PathOf("saves/Save2_5.dat"));
    EXPECT_TRUE(Has(progress, "highest level                1\n")) << progress;
    EXPECT_TRUE(Has(progress, "level 1                      pass type 2\n")) << "won within the gold time\n"
                                                                             << progress;

    EXPECT_EQ(SavedFiles(first), SavedFiles(second));
    EXPECT_EQ(first.ReadFile("won.png"), second.ReadFile("won.png"));
    EXPECT_EQ(first.ReadFile("map.png"), second.ReadFile("map.png"));
}
