#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

// Runs the game headless in a folder of its own (where it writes its log) on a given data folder.
class DataFolderScenarioTest : public testing::Test
{
protected:
    DataFolderScenarioTest()
        : mRunFolder(std::filesystem::current_path() /
                     ("run-" + std::to_string(::getpid()) + "-" +
                      testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(mRunFolder);
        std::filesystem::create_directories(mRunFolder / "save");
    }
    ~DataFolderScenarioTest() override
    {
        std::error_code error;
        std::filesystem::remove_all(mRunFolder, error);
    }

    int RunGame(const std::string& dataFolder) const
    {
        const std::string command = "cd '" + mRunFolder.string() +
                                    "' && '" WF_GAME_BINARY "' --headless --fixed-step " +
                                    "--frames 60 --data '" + dataFolder + "' --save-dir save >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string ReadRunFile(const std::string& name) const
    {
        std::ifstream file(mRunFolder / name);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::filesystem::path mRunFolder;
};

} // namespace

TEST_F(DataFolderScenarioTest, TheGameReadsConfigAndTextsFromItsDataFolder)
{
    const std::string dataFolder = std::filesystem::path(WF_GAME_BINARY).parent_path().string();
    ASSERT_EQ(RunGame(dataFolder), 0);
    const std::string log = ReadRunFile("log.log");
    EXPECT_NE(log.find("Data folder " + dataFolder + ", search folders: media"), std::string::npos) << log;
    EXPECT_NE(log.find("LocaleManager::Load strings.xml: "), std::string::npos) << log;
}

TEST_F(DataFolderScenarioTest, AMissingConfigIsReported)
{
    const std::filesystem::path empty = mRunFolder / "no-data";
    std::filesystem::create_directories(empty);
    EXPECT_EQ(RunGame(empty.string()), 255) << "the report is cancelled, as headless runs answer by default";
    EXPECT_NE(ReadRunFile("Assert.txt").find("File not load: config.cfg"), std::string::npos);
}
