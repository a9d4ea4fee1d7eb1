#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/LevelDataFolder.h"
#include "tests/game/ProfileTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

int Red(std::uint32_t pixel)
{
    return static_cast<int>((pixel >> 16) & 0xFF);
}
int Green(std::uint32_t pixel)
{
    return static_cast<int>((pixel >> 8) & 0xFF);
}
int Blue(std::uint32_t pixel)
{
    return static_cast<int>(pixel & 0xFF);
}

} // namespace

// Level 1 of the saves fixture's player, played on a copy of today's first sample level
// (tests/fixtures/play/workers.map) so that the clicks keep finding the mill: the hired errand boy stands at
// the door of his workshop as a skeletal figure; a click on him selects the workshop, and quitting in the
// middle of the level writes the characters' records into a level save the game reads back.
TEST(WorkersScenario, AClickOnAWorkerSelectsItsBuildingAndTheLevelSaveKeepsTheCharacters)
{
    GameProcess game("workers");
    const LevelDataFolder data(game.PathOf("data"), {{1, "workers.map"}});
    std::filesystem::create_directories(game.PathOf("saves"));
    for (const std::string& file : ProfileTestSupport::StoredFiles())
    {
        std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), game.PathOf("saves") / file);
    }
    // Play; the world map's first button and the start window's OK start level 1; OK closes its goals
    // window; then a click on the errand boy.
    game.WriteFile("input.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                "200 move 50 735\n201 click left\n270 move 422 458\n271 click left\n"
                                "450 move 512 458\n451 click left\n500 move 483 215\n501 click left\n");
    // The fixture's level in place of the sample data ("--data" given again: the last one counts).
    ASSERT_TRUE(game.Run(game.Headless({"--windowed", "--data", data.String(), "--frames", "560", "--input",
                                        "input.txt", "--screenshot", "550:workers.png"}))
                    .ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(game.PathOf("Assert.txt"))) << game.ReadFile("Assert.txt");

    const std::string bytes = game.ReadFile("workers.png");
    Platform::Image picture;
    ASSERT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           picture));
    ASSERT_EQ(picture.width, 1024);
    // The boy changed on his first visit at the door: the miller's white smock where the placeholder
    // picture used to stand.
    const std::uint32_t smock = picture.At(483, 212);
    EXPECT_GT(std::min({Red(smock), Green(smock), Blue(smock)}), 200) << std::hex << smock;
    // The clicked worker's mark: a yellow ring pulsing about his feet (the selection of his workshop
    // itself is checked in process, where the level's selection can be read).
    bool marked = false;
    for (int y = 215; y <= 235 && !marked; ++y)
    {
        for (int x = 440; x <= 530 && !marked; ++x)
        {
            const std::uint32_t pixel = picture.At(x, y);
            marked = Red(pixel) > 240 && Green(pixel) > 200 && Blue(pixel) < 120;
        }
    }
    EXPECT_TRUE(marked) << "the clicked worker's mark shows";

    // The save checker builds level 1 from the same data as the game does and reads every record back.
    const std::string save = game.PathOf("saves/Save2_4.dat").string();
    ASSERT_TRUE(std::filesystem::exists(save));
    const std::string check = std::string(WF_SAVEDUMP_BINARY) + " --data " + data.String() + " " + save +
                              " > " + game.PathOf("dump.txt").string() + " 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0);
    EXPECT_NE(game.ReadFile("dump.txt").find("ACCEPTED"), std::string::npos) << game.ReadFile("dump.txt");
}
