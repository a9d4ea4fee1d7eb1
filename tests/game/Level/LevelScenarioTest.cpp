#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

// The real game, headless with a fixed step, started from the main menu into the first level.
class LevelScenario : public testing::Test
{
protected:
    // Skips the logos; the sample player (past the opening clip) plays, the world map's first button and
    // the start window's OK start level 1, and OK closes its goals window. Then plays the extra lines and
    // takes the picture of frame 640.
    Platform::Image Play(const std::string& moreInput)
    {
        std::filesystem::create_directories(mGame.PathOf("saves"));
        for (const std::string& file : ProfileTestSupport::StoredFiles())
        {
            std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), mGame.PathOf("saves") / file);
        }
        mGame.WriteFile("input.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                     "200 move 50 735\n201 click left\n270 move 422 458\n271 click left\n"
                                     "450 move 512 458\n451 click left\n" +
                                         moreInput);
        EXPECT_TRUE(mGame
                        .Run(mGame.Headless({"--fullscreen", "--frames", "650", "--input", "input.txt",
                                             "--screenshot", "640:shot.png"}))
                        .ExitedWith(0));
        const std::string bytes = mGame.ReadFile("shot.png");
        Platform::Image picture;
        EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size(), picture));
        return picture;
    }

    // The headless display is 1920 x 1080: the virtual screen is scaled by 1080 / 768 between bars 240
    // pixels wide.
    static std::uint32_t At(const Platform::Image& picture, float x, float y)
    {
        return picture.At(static_cast<int>(240.0f + x * 1080.0f / 768.0f),
                          static_cast<int>(y * 1080.0f / 768.0f));
    }
    static int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
    static int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
    static int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }
    // A selected shop is drawn lit: the wood of its counter's front (the shop stands at x 448, its
    // counter from y 542 to 590) turns pale.
    static bool ShopFramed(const Platform::Image& picture)
    {
        const std::uint32_t pixel = At(picture, 464.0f, 560.0f);
        return Red(pixel) > 240 && Green(pixel) > 200;
    }

    GameProcess mGame;
};

} // namespace

TEST_F(LevelScenario, TheFirstLevelShowsItsFieldAndAClickSelectsTheShop)
{
    const Platform::Image picture = Play("600 move 500 540\n601 click left\n620 move 100 100\n");
    ASSERT_EQ(picture.width, 1920);
    // The backdrop's sky, the grass and earth of the bottom floor (row 22 from y 568), the storehouse's
    // red barn wall and the wooden front of the shop's counter.
    const std::uint32_t sky = At(picture, 700.0f, 60.0f); // below the panel's goal strip
    EXPECT_GT(Blue(sky), Red(sky) + 40) << std::hex << sky;
    const std::uint32_t grass = At(picture, 100.0f, 570.0f);
    EXPECT_GT(Green(grass), Red(grass) + 30) << std::hex << grass;
    const std::uint32_t earth = At(picture, 100.0f, 586.0f);
    EXPECT_GT(Red(earth), Blue(earth) + 40) << std::hex << earth;
    const std::uint32_t storehouse = At(picture, 925.0f, 530.0f);
    EXPECT_GT(Red(storehouse), Blue(storehouse) + 40) << std::hex << storehouse;
    const std::uint32_t shop = At(picture, 460.0f, 575.0f);
    EXPECT_GT(Red(shop), Blue(shop) + 40) << std::hex << shop;
    EXPECT_TRUE(ShopFramed(picture)) << "the clicked shop is selected";
}

TEST_F(LevelScenario, WithoutAClickNothingIsSelected)
{
    const Platform::Image picture = Play("600 move 500 540\n620 move 100 100\n");
    ASSERT_EQ(picture.width, 1920);
    EXPECT_FALSE(ShopFramed(picture));
}

TEST_F(LevelScenario, PlayLeadsToTheMapWhoseButtonsStartTheLevels)
{
    // The menu's Play button, then the map's button of level 2 and the start window's OK, in a window
    // of the virtual size, for a player past the opening clip (the save fixtures' "Bob").
    std::filesystem::create_directories(mGame.PathOf("saves"));
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(WF_FIXTURES_DIR) / "saves"))
    {
        std::filesystem::copy_file(entry.path(), mGame.PathOf("saves") / entry.path().filename());
    }
    mGame.WriteFile("input.txt", "1 click left\n3 click left\n200 move 156 368\n201 click left\n"
                                 "240 move 89 731\n241 click left\n"
                                 "290 move 422 458\n291 click left\n");
    ASSERT_TRUE(
        mGame.Run(mGame.Headless({"--windowed", "--frames", "360", "--input", "input.txt"})).ExitedWith(0));
    const std::string log = mGame.ReadFile("log.log");
    const std::size_t map = log.find("SetCurrent 1");
    const std::size_t level = log.find("Load level lev02.lev");
    EXPECT_NE(map, std::string::npos) << log;
    EXPECT_NE(level, std::string::npos) << log;
    EXPECT_LT(map, level) << "the level is started from the map";
}
