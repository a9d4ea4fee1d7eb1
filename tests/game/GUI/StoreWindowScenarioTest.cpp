#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

// The real game, headless with a fixed step: level 1 through the main menu, the map and the start
// window, then the storehouse's flag opens the storehouse window.
class StoreWindowScenario : public testing::Test
{
protected:
    Platform::Image Picture(const std::string& name)
    {
        const std::string bytes = mGame.ReadFile(name);
        Platform::Image picture;
        EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size(), picture))
            << name;
        return picture;
    }
    static int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
    static int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
    static int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }
    // Some pixel of the square about the point shows a carrot's orange.
    static bool CarrotAbout(const Platform::Image& picture, int x, int y)
    {
        for (int dy = -12; dy <= 12; ++dy)
        {
            for (int dx = -12; dx <= 12; ++dx)
            {
                const std::uint32_t pixel = picture.At(x + dx, y + dy);
                if (Red(pixel) > 200 && Green(pixel) > 100 && Green(pixel) < 160 && Blue(pixel) < 80)
                {
                    return true;
                }
            }
        }
        return false;
    }
    // The tab at that point is the shown page's: warm and bright.
    static bool ActiveTab(const Platform::Image& picture, int x, int y)
    {
        return Red(picture.At(x, y)) > 160;
    }

    GameProcess mGame;
};

TEST_F(StoreWindowScenario, ACarrotIsBoughtIntoTheStorehouseAndMovedToTheShop)
{
    std::filesystem::create_directories(mGame.PathOf("saves"));
    for (const std::string& file : ProfileTestSupport::StoredFiles())
    {
        std::filesystem::copy_file(ProfileTestSupport::FixturePath(file), mGame.PathOf("saves") / file);
    }
    // The flag opens the window; the storehouse tab; row 1 buys a carrot; the shop tab asks, and Yes
    // commits the purchase; row 1 moves the carrot to the shop; OK commits and closes.
    mGame.WriteFile("store.txt", "1 click left\n3 click left\n140 move 156 368\n141 click left\n"
                                 "200 move 50 735\n201 click left\n270 move 422 458\n271 click left\n"
                                 "450 move 512 458\n451 click left\n470 move 795 440\n471 click left\n"
                                 "490 move 760 50\n491 click left\n510 move 388 188\n511 click left\n"
                                 "540 move 250 50\n541 click left\n560 move 422 458\n561 click left\n"
                                 "580 move 348 188\n581 click left\n620 move 670 662\n621 click left\n");
    ASSERT_TRUE(mGame
                    .Run(mGame.Headless({"--windowed", "--frames", "700", "--input", "store.txt",
                                         "--screenshot", "530:store-page.png", "--screenshot",
                                         "600:shop-page.png", "--screenshot", "690:closed.png"}))
                    .ExitedWith(0));
    const Platform::Image storePage = Picture("store-page.png");
    EXPECT_TRUE(ActiveTab(storePage, 560, 30));
    EXPECT_FALSE(ActiveTab(storePage, 450, 30));
    EXPECT_TRUE(CarrotAbout(storePage, 602, 170)) << "the carrot bought into the first crate";

    const Platform::Image shopPage = Picture("shop-page.png");
    EXPECT_TRUE(ActiveTab(shopPage, 450, 30));
    EXPECT_TRUE(CarrotAbout(shopPage, 513, 191)) << "the carrot on the first shelf";

    const Platform::Image closed = Picture("closed.png");
    EXPECT_GT(Blue(closed.At(760, 50)), Red(closed.At(760, 50))) << "the field's sky again";
}

} // namespace
