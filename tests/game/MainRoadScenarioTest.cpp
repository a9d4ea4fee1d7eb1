// The main road through the real game, scripted: a new player names herself, Play shows the opening clip
// (skipped), level 1 opens under its goals window and is won by selling, the statistics bank the score
// and the map opens level 2, which is started and played a few seconds; the game menu leaves for the map
// (saving the level), the map's menu button leads to the main menu and Exit ends the game. A second run
// continues the saved level from the map's continue window with the same money and clock.
#include "platform/Image.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace ProfileTestSupport;

namespace
{

class MainRoadScenario : public SaveFolderTest
{
protected:
    GameProcess::Ending Run(const std::string& script, int frames, const std::vector<std::string>& shots)
    {
        std::vector<std::string> options = GameProcess::WindowedWithSaves(
            mFolder, {"--input", std::string(WF_FIXTURES_DIR) + "/play/" + script, "--frames",
                      std::to_string(frames)});
        for (const std::string& shot : shots)
        {
            options.push_back("--screenshot");
            options.push_back(shot);
        }
        return mGame.Run(options);
    }

    std::string Shot(int frame, const std::string& name) const
    {
        return std::to_string(frame) + ":" + mGame.PathOf(name + ".png").string();
    }

    Platform::Image Picture(const std::string& name) const { return mGame.Picture(name + ".png"); }

    static bool Has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    GameProcess mGame{"road"};
};

// The rows from `top` to `bottom` of two screenshots, pixel for pixel.
std::size_t DifferingPixels(const Platform::Image& a, const Platform::Image& b, int top, int bottom)
{
    std::size_t differing = 0;
    const auto width = static_cast<std::size_t>(a.width);
    const std::size_t end =
        std::min({width * static_cast<std::size_t>(bottom), a.pixels.size(), b.pixels.size()});
    for (std::size_t index = width * static_cast<std::size_t>(top); index < end; ++index)
    {
        differing += a.pixels[index] != b.pixels[index] ? 1 : 0;
    }
    return differing;
}

struct Point
{
    int x;
    int y;
};
// The statistics' cup, and the play arrow of level 2's button on the map.
constexpr Point kCup{672, 340};
constexpr Point kLevelTwoButton{80, 731};

int Channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

// A cup's gold: bright red and green, far less blue.
bool Gold(std::uint32_t pixel)
{
    return Channel(pixel, 16) > 200 && Channel(pixel, 8) > 150 && Channel(pixel, 16) - Channel(pixel, 0) > 80;
}

bool Green(std::uint32_t pixel)
{
    return Channel(pixel, 8) > Channel(pixel, 16) + 60 && Channel(pixel, 8) > Channel(pixel, 0) + 60;
}

} // namespace

TEST_F(MainRoadScenario, ANewPlayerWinsLevelOneStartsLevelTwoLeavesItForTheMapAndContinuesItLater)
{
    const GameProcess::Ending first =
        Run("main-road-1.txt", 3420,
            {Shot(530, "goals_window"), Shot(2200, "statistics_show"), Shot(2440, "statistics_skipped"),
             Shot(2560, "map_level_two"), Shot(3089, "level_before_leaving")});
    ASSERT_TRUE(first.ExitedWith(0)) << "the exit window ends the game";
    const std::string log = mGame.ReadFile("log.log");
    std::size_t at = 0;
    for (const char* line :
         {"SetMessages CLIP_SKIP_BUTTON", "SetMessages TASKLEVEL_OK_BUTTON", "Education::NextTip()",
          "SetMessages StoreShop_OK", "SetMessages LEV_STAT_OK_BUTTON", "SetMessages LEV_STAT_OK_BUTTON",
          "SetMessages STARTNEW_OK", "Load level lev02.lev", "SetMessages TASKLEVEL_OK_BUTTON",
          "SetMessages GAMEMENU_MAPE_BUTTON", "SetMessages YESNO_OK", "SetMessages MAP_MENU",
          "SetMessages MAINMENU_EXIT", "SetMessages EXIT_GAME_OK"})
    {
        at = log.find(line, at);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        ++at;
    }

    // The show has not reached its cup one second in; the skip shows it (gold); the map opens level 2.
    EXPECT_FALSE(Gold(Picture("statistics_show").At(kCup.x, kCup.y)));
    const Platform::Image skipped = Picture("statistics_skipped");
    EXPECT_TRUE(Gold(skipped.At(kCup.x, kCup.y))) << std::hex << skipped.At(kCup.x, kCup.y);
    const std::uint32_t levelTwo = Picture("map_level_two").At(kLevelTwoButton.x, kLevelTwoButton.y);
    EXPECT_TRUE(Green(levelTwo)) << "level 2's button open " << std::hex << levelTwo;

    EXPECT_TRUE(Has(GameProcess::SaveDump(PathOf("Users.dat")), "\"Anna\""))
        << GameProcess::SaveDump(PathOf("Users.dat"));
    const std::string progress = GameProcess::SaveDump(PathOf("Save0_5.dat"));
    EXPECT_TRUE(Has(progress, "highest level                1\n")) << progress;
    EXPECT_TRUE(Has(progress, "level 1                      pass type 2\n")) << progress;
    EXPECT_TRUE(Has(progress, "story stage                  0\n")) << progress;
    EXPECT_TRUE(Has(progress, "money                        70\n")) << "the banked score\n" << progress;
    const std::string level = GameProcess::SaveDump(PathOf("Save0_4.dat"));
    EXPECT_TRUE(Has(level, "level in play (level - 1)    1\n")) << level;

    const GameProcess::Ending second = Run("main-road-2.txt", 560, {Shot(548, "level_continued")});
    ASSERT_TRUE(second.ExitedWith(0));
    EXPECT_EQ(DifferingPixels(Picture("level_before_leaving"), Picture("level_continued"), 0, 36), 0u)
        << "the continued level shows the saved money, goals and clock";
}
