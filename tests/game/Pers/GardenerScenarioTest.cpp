#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

Platform::Image Screenshot(const GameProcess& game, const std::string& name)
{
    const std::string bytes = game.ReadFile(name);
    Platform::Image picture;
    EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           picture))
        << name;
    return picture;
}

// The carrot's orange in the storehouse's top left box (level 1: the storehouse on column 13 of the
// bottom floor), where the first stored goods lie.
int CarrotPixelsInTheFirstBox(const Platform::Image& picture)
{
    int count = 0;
    for (int y = 430; y < 480 && picture.width == 1024; ++y)
    {
        for (int x = 830; x < 900; ++x)
        {
            const std::uint32_t pixel = picture.At(x, y);
            const int red = static_cast<int>((pixel >> 16) & 0xFF);
            const int green = static_cast<int>((pixel >> 8) & 0xFF);
            const int blue = static_cast<int>(pixel & 0xFF);
            count += red > 200 && green > 80 && green < 170 && blue < 80 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

// Level 1 of the saves fixture's player: a carrot order on the garden's page; the hired gardener sows it,
// fetches a pail from the well, waters the bed, harvests the grown carrot, climbs down the ladder and
// stores it in the storehouse's first box. Quitting then writes a level save the checker accepts.
TEST(GardenerScenario, ACarrotOrderEndsAsACarrotInTheStorehouse)
{
    GameProcess game("gardener");
    std::filesystem::create_directories(game.PathOf("saves"));
    for (const std::string& file : ProfileTestSupport::StoredFiles())
    {
        std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), game.PathOf("saves") / file);
    }
    // Play, the world map's first button, the start window's OK and the goals window's OK start level 1;
    // once the gardener has made his first walk, a click on the garden and its carrot button.
    game.WriteFile("input.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                "200 move 50 735\n201 click left\n270 move 422 458\n271 click left\n"
                                "450 move 512 458\n451 click left\n600 move 330 425\n601 click left\n"
                                "640 move 228 741\n641 click left\n660 move 900 300\n");
    ASSERT_TRUE(game.Run(game.Headless({"--windowed", "--frames", "2010", "--input", "input.txt",
                                        "--screenshot", "700:sowing.png", "--screenshot", "1000:watering.png",
                                        "--screenshot", "2000:stored.png"}))
                    .ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(game.PathOf("Assert.txt"))) << game.ReadFile("Assert.txt");

    EXPECT_EQ(CarrotPixelsInTheFirstBox(Screenshot(game, "sowing.png")), 0);
    EXPECT_EQ(CarrotPixelsInTheFirstBox(Screenshot(game, "watering.png")), 0);
    EXPECT_GT(CarrotPixelsInTheFirstBox(Screenshot(game, "stored.png")), 30) << "a carrot lies in the box";
    const std::string log = game.ReadFile("saves/log.log") + game.ReadFile("log.log");
    EXPECT_NE(log.find("TE_STOREHOUSE"), std::string::npos) << "the gardener reached the storehouse";

    // The checker builds level 1 as the game does and reads every record back, the gardener's too.
    const std::string save = game.PathOf("saves/Save2_4.dat").string();
    ASSERT_TRUE(std::filesystem::exists(save));
    const std::string check = std::string(WF_SAVEDUMP_BINARY) + " --data " + GameProcess::SampleData() + " " +
                              save + " > " + game.PathOf("dump.txt").string() + " 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0);
    EXPECT_NE(game.ReadFile("dump.txt").find("ACCEPTED"), std::string::npos) << game.ReadFile("dump.txt");
}
