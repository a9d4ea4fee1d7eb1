#include "platform/PngCodec.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// The real game, headless with a fixed step, started from the main menu into the first level.
class LevelScenario : public testing::Test
{
protected:
    LevelScenario()
        : mFolder(std::filesystem::current_path() /
                  ("level-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
    }
    ~LevelScenario() override
    {
        std::error_code error;
        std::filesystem::remove_all(mFolder, error);
    }

    // Skips the logos, starts level 1 from the main menu with its key, plays the extra lines and takes
    // the picture of frame 640.
    Platform::Image Play(const std::string& moreInput)
    {
        std::ofstream(mFolder / "input.txt") << "1 click left\n3 click left\n150 key 1\n" << moreInput;
        const std::string data = std::filesystem::path(WF_GAME_BINARY).parent_path().string();
        const std::string command = "cd '" + mFolder.string() +
                                    "' && timeout 120 '" WF_GAME_BINARY
                                    "' --headless --fixed-step --frames 650 --save-dir save --data '" +
                                    data + "' --input input.txt --screenshot 640:shot.png >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        std::ifstream file(mFolder / "shot.png", std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                              std::istreambuf_iterator<char>()};
        Platform::Image picture;
        EXPECT_TRUE(Platform::PngCodec::Decode(bytes.data(), bytes.size(), picture));
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
    // The selection frame runs along the inside of the shop's left edge (x 448, rows 496 to 592).
    static bool ShopFramed(const Platform::Image& picture)
    {
        for (float x = 447.0f; x <= 451.0f; x += 0.5f)
        {
            const std::uint32_t pixel = At(picture, x, 540.0f);
            if (Red(pixel) > 220 && Green(pixel) > 200 && Blue(pixel) < 120)
            {
                return true;
            }
        }
        return false;
    }

    std::filesystem::path mFolder;
};

} // namespace

TEST_F(LevelScenario, TheFirstLevelShowsItsFieldAndAClickSelectsTheShop)
{
    const Platform::Image picture = Play("600 move 500 540\n601 click left\n");
    ASSERT_EQ(picture.width, 1920);
    // The backdrop's sky, the grass and earth of the bottom floor (row 22 from y 568), the storehouse's
    // brown placeholder and the shop's red one.
    const std::uint32_t sky = At(picture, 700.0f, 60.0f); // below the panel's goal strip
    EXPECT_GT(Blue(sky), Red(sky) + 40) << std::hex << sky;
    const std::uint32_t grass = At(picture, 100.0f, 570.0f);
    EXPECT_GT(Green(grass), Red(grass) + 30) << std::hex << grass;
    const std::uint32_t earth = At(picture, 100.0f, 586.0f);
    EXPECT_GT(Red(earth), Blue(earth) + 40) << std::hex << earth;
    const std::uint32_t storehouse = At(picture, 845.0f, 505.0f);
    EXPECT_GT(Red(storehouse), Blue(storehouse) + 40) << std::hex << storehouse;
    const std::uint32_t shop = At(picture, 460.0f, 505.0f);
    EXPECT_GT(Red(shop), Green(shop) + 60) << std::hex << shop;
    EXPECT_TRUE(ShopFramed(picture)) << "the clicked shop is selected";
}

TEST_F(LevelScenario, WithoutAClickNothingIsSelected)
{
    const Platform::Image picture = Play("600 move 500 540\n");
    ASSERT_EQ(picture.width, 1920);
    EXPECT_FALSE(ShopFramed(picture));
}
