// The world map as a new player first sees it, from the real game. Regenerate its golden picture with
//   WF_REGENERATE_GOLDEN=1 ./wf_game_tests --gtest_filter='MapPicture.*'
#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

TEST(MapPicture, ANewPlayerSeesTheStartItemsTheFirstButtonsSparkleAndTheStartHint)
{
    // A player past the first clip (story stage 0) who has won no level, written by the profile's writers.
    GameProcess game;
    std::filesystem::create_directories(game.PathOf("saves"));
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(WF_FIXTURES_DIR) / "mapstart"))
    {
        std::filesystem::copy_file(entry.path(), game.PathOf("saves") / entry.path().filename());
    }
    game.WriteFile("play.txt",
                   "1 click left\n3 click left\n200 move 156 368\n201 click left\n300 move 60 700\n");
    ASSERT_TRUE(game.Run(game.Headless({"--windowed", "--input", "play.txt", "--frames", "400",
                                        "--screenshot", "380:map.png"}))
                    .ExitedWith(0));
    const std::string shot = game.ReadFile("map.png");
    const std::string golden = std::string(WF_FIXTURES_DIR) + "/gui/golden/map_start.png";
    const char* regenerate = std::getenv("WF_REGENERATE_GOLDEN");
    if (regenerate != nullptr && std::string(regenerate) == "1")
    {
        std::filesystem::copy_file(game.PathOf("map.png"), golden,
                                   std::filesystem::copy_options::overwrite_existing);
        return;
    }
    Platform::Image actual;
    Platform::Image expected;
    ASSERT_TRUE(
        Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(shot.data()), shot.size(), actual));
    std::ifstream file(golden, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           expected))
        << golden;
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    int differing = 0;
    for (std::size_t index = 0; index < actual.pixels.size(); ++index)
    {
        differing += actual.pixels[index] != expected.pixels[index] ? 1 : 0;
    }
    EXPECT_EQ(differing, 0) << "the picture differs from " << golden
                            << " (written as map.png in the game's folder)";
}
