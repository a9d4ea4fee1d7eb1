// The main road through the real game, scripted: a new player names herself, Play shows the opening clip
// (skipped), level 1 opens under its goals window, a few seconds are played, the game menu leaves for the
// map (saving the level), the map's menu button leads to the main menu and Exit ends the game. A second
// run continues the saved level from the map's continue window with the same money and clock.
#include "platform/Image.h"
#include "platform/PngCodec.h"
#include "tests/game/GameProcess.h"
#include "tests/game/ProfileTestSupport.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

using namespace ProfileTestSupport;

namespace
{

// Logos skipped; the name window of the first run; Play; the opening clip skipped; the goals' OK.
constexpr const char* kIntoLevelOne = "1 click left\n3 click left\n"
                                      "200 type Anna\n215 key Return\n"
                                      "260 move 156 368\n261 click left\n"
                                      "320 move 940 730\n321 click left\n"
                                      "560 move 512 458\n561 click left\n";
// The panel's menu button, the game menu's map button, Yes; the map's menu button; Exit and its OK.
constexpr const char* kLeaveAndExit = "740 move 990 18\n741 click left\n"
                                      "790 move 512 354\n791 click left\n"
                                      "840 move 422 458\n841 click left\n"
                                      "900 move 952 660\n901 click left\n"
                                      "960 move 156 576\n961 click left\n"
                                      "1010 move 422 458\n1011 click left\n";
// Play (to the map, the story begun), level 1's button, the continue window's Yes, the goals' OK.
constexpr const char* kContinue = "1 click left\n3 click left\n"
                                  "140 move 156 368\n141 click left\n"
                                  "200 move 50 735\n201 click left\n"
                                  "270 move 422 458\n271 click left\n"
                                  "520 move 512 458\n521 click left\n";

class MainRoadScenario : public SaveFolderTest
{
protected:
    GameProcess::Ending Run(const std::string& input, int frames, const std::vector<std::string>& shots)
    {
        mGame.WriteFile("in.txt", input);
        std::vector<std::string> options = {"--headless",
                                            "--fixed-step",
                                            "--windowed",
                                            "--save-dir",
                                            mFolder.string(),
                                            "--data",
                                            GameProcess::SampleData(),
                                            "--input",
                                            mGame.PathOf("in.txt").string(),
                                            "--frames",
                                            std::to_string(frames)};
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

    Platform::Image Picture(const std::string& name) const
    {
        const std::string bytes = mGame.ReadFile(name + ".png");
        Platform::Image image;
        EXPECT_TRUE(Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size(), image))
            << name;
        return image;
    }

    std::string Dump(const std::string& file) const
    {
        const std::string command =
            "'" + std::string(WF_SAVEDUMP_BINARY) + "' '" + PathOf(file).string() + "'";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
        std::string text;
        char buffer[256];
        while (pipe != nullptr && std::fgets(buffer, sizeof(buffer), pipe.get()) != nullptr)
        {
            text += buffer;
        }
        return text;
    }

    static bool Has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    GameProcess mGame{"road"};
};

// The top bar of the panel (goals, money, clock) in two screenshots, pixel for pixel.
std::size_t DifferingTopBarPixels(const Platform::Image& a, const Platform::Image& b)
{
    std::size_t differing = 0;
    const std::size_t bar = static_cast<std::size_t>(a.width) * 36;
    for (std::size_t index = 0; index < bar && index < a.pixels.size() && index < b.pixels.size(); ++index)
    {
        differing += a.pixels[index] != b.pixels[index] ? 1 : 0;
    }
    return differing;
}

} // namespace

TEST_F(MainRoadScenario, ANewPlayerReachesLevelOneLeavesItForTheMapAndContinuesItLater)
{
    const GameProcess::Ending first =
        Run(std::string(kIntoLevelOne) + kLeaveAndExit, 3000,
            {Shot(530, "goals_window"), Shot(739, "level_before_leaving"), Shot(890, "map_after_leaving")});
    ASSERT_TRUE(first.ExitedWith(0)) << "the exit window ends the game";
    EXPECT_TRUE(Has(Dump("Users.dat"), "\"Anna\"")) << Dump("Users.dat");
    const std::string map = Dump("Save0_5.dat");
    EXPECT_TRUE(Has(map, "story stage                  0")) << map;
    const std::string level = Dump("Save0_4.dat");
    EXPECT_TRUE(Has(level, "level in play (level - 1)    0")) << level;

    const GameProcess::Ending second = Run(kContinue, 600, {Shot(540, "level_continued")});
    ASSERT_TRUE(second.ExitedWith(0));
    EXPECT_EQ(DifferingTopBarPixels(Picture("level_before_leaving"), Picture("level_continued")), 0u)
        << "the continued level shows the saved money, goals and clock";
}
