#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/Level/LevelFileBuilder.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace
{

// Level 3 of a copy of the sample data, replaced by a level whose staffed juicer (at level 2, a run of
// 6.25 seconds) stands on the storehouse's floor: columns 1 to 4 of row 22, the roaster and its fairy on 5
// to 8, the shop on 9 and 10, the storehouse on 12. Carrots are on sale in the storehouse window.
TestSupport::LevelFileBuilder JuicerLevel()
{
    TestSupport::LevelFileBuilder level;
    level.background = 2;
    level.money = 2000;
    level.goals = {{6, 1}};
    level.goods = {1, 15, 8};
    level.Floor(22);
    level.Floor(16);
    level.Object(0, 22, 2);
    level.Object(15, 22, 3);
    for (int place = 0; place < 5; ++place)
    {
        level.Object(1 + place, 16, static_cast<std::uint16_t>(79 + place));
    }
    for (int i = 1; i <= 4; ++i)
    {
        level.Object(i, 22, 32);
        level.Object(i + 4, 22, 38);
    }
    level.Object(4, 21, 69);
    level.Object(8, 21, 69);
    level.Object(9, 22, 17);
    level.Object(10, 22, 17);
    level.Object(12, 22, 10);
    return level;
}

Platform::Image Picture(const GameProcess& game, const std::string& name)
{
    const std::string bytes = game.ReadFile(name);
    Platform::Image picture;
    EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           picture))
        << name;
    return picture;
}

// How many pixels of the storehouse's first box differ between two pictures.
int BoxDifference(const Platform::Image& a, const Platform::Image& b)
{
    int differing = 0;
    for (int y = 430; y < 470; ++y)
    {
        for (int x = 775; x < 825; ++x)
        {
            differing += a.At(x, y) != b.At(x, y) ? 1 : 0;
        }
    }
    return differing;
}

} // namespace

// The player buys a carrot in the storehouse window and orders a juice: the boy fetches the carrot from
// its box, carries it in, the juicer works, and he carries the juice into a box of the storehouse.
TEST(JuiceRunScenario, TheBoyFetchesTheCarrotAndCarriesTheJuiceIntoAStorehouseBox)
{
    GameProcess game("juice-run");
    const std::filesystem::path data = game.PathOf("data");
    std::filesystem::create_directories(data);
    std::filesystem::copy(std::filesystem::path(GameProcess::SampleData()) / "media", data / "media",
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(std::filesystem::path(GameProcess::SampleData()) / "config.cfg",
                               data / "config.cfg");
    const std::vector<std::uint8_t> level = JuicerLevel().Bytes();
    std::ofstream(data / "media" / "lev03.lev", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(level.data()), static_cast<std::streamsize>(level.size()));
    std::filesystem::create_directories(game.PathOf("saves"));
    for (const std::string& file : ProfileTestSupport::StoredFiles())
    {
        std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), game.PathOf("saves") / file);
    }
    // Play, the map's button of level 3, its start window and goals; the storehouse, its Trade button,
    // the storehouse page (the window takes its first click once the opening click is over), a carrot,
    // OK; the juicer and its first order.
    game.WriteFile("input.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                "200 move 128 727\n201 click left\n270 move 422 458\n271 click left\n"
                                "450 move 512 458\n451 click left\n560 move 830 500\n561 click left\n"
                                "590 move 620 737\n591 click left\n630 move 760 50\n631 click left\n"
                                "650 move 760 50\n651 click left\n680 move 388 188\n681 click left\n"
                                "710 move 670 662\n711 click left\n740 move 200 500\n741 click left\n"
                                "770 move 390 739\n771 click left\n");
    const std::vector<std::string> options = {
        "--headless",     "--fixed-step", "--save-dir",       game.PathOf("saves").string(),
        "--data",         data.string(),  "--windowed",       "--frames",
        "2400",           "--input",      "input.txt",        "--screenshot",
        "760:carrot.png", "--screenshot", "1000:fetched.png", "--screenshot",
        "2390:juice.png"};
    ASSERT_TRUE(game.Run(options, 300).ExitedWith(0));
    EXPECT_FALSE(std::filesystem::exists(game.PathOf("Assert.txt"))) << game.ReadFile("Assert.txt");

    const std::string log = game.ReadFile("log.log");
    const std::size_t taken = log.find("PickItemAnimatedById() объект будет забран");
    const std::size_t out = log.find("EntityBuilding:: бежим в дом");
    ASSERT_NE(taken, std::string::npos) << "the carrot was taken from its box";
    ASSERT_NE(out, std::string::npos) << "the juice came out of the door";
    EXPECT_LT(taken, out);
    const Platform::Image carrot = Picture(game, "carrot.png");
    const Platform::Image fetched = Picture(game, "fetched.png");
    const Platform::Image juice = Picture(game, "juice.png");
    EXPECT_GT(BoxDifference(carrot, fetched), 100) << "the carrot left its box";
    EXPECT_GT(BoxDifference(fetched, juice), 100) << "the box holds something again";
    EXPECT_GT(BoxDifference(carrot, juice), 100) << "and it is not the carrot";
}
