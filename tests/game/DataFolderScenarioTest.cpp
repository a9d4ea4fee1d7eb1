#include "tests/game/GameProcess.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace
{

// Runs the game headless in a folder of its own (where it writes its log) on a given data folder.
class DataFolderScenarioTest : public testing::Test
{
protected:
    int RunGame(const std::string& dataFolder) const
    {
        const GameProcess::Ending ending = mGame.Run({"--headless", "--fixed-step", "--windowed", "--frames",
                                                      "60", "--data", dataFolder, "--save-dir", "save"});
        return ending.exited ? ending.code : -1;
    }

    GameProcess mGame;
};

} // namespace

TEST_F(DataFolderScenarioTest, TheGameReadsConfigAndTextsFromItsDataFolder)
{
    const std::string dataFolder = GameProcess::SampleData();
    ASSERT_EQ(RunGame(dataFolder), 0);
    const std::string log = mGame.ReadFile("log.log");
    EXPECT_NE(log.find("Data folder " + dataFolder + ", search folders: media"), std::string::npos) << log;
    EXPECT_NE(log.find("LocaleManager::Load strings.xml: "), std::string::npos) << log;
}

TEST_F(DataFolderScenarioTest, AMissingConfigIsReported)
{
    const std::filesystem::path empty = mGame.PathOf("no-data");
    std::filesystem::create_directories(empty);
    EXPECT_EQ(RunGame(empty.string()), 255) << "the report is cancelled, as headless runs answer by default";
    EXPECT_NE(mGame.ReadFile("Assert.txt").find("File not load: config.cfg"), std::string::npos);
}
