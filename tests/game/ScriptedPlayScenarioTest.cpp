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

// Runs the game headless on the build's sample data with a script of input, in a folder of its own.
class ScriptedPlayScenarioTest : public testing::Test
{
protected:
    ScriptedPlayScenarioTest()
        : mRunFolder(std::filesystem::current_path() /
                     ("play-" + std::to_string(::getpid()) + "-" +
                      testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(mRunFolder);
        std::filesystem::create_directories(mRunFolder);
    }
    ~ScriptedPlayScenarioTest() override
    {
        std::error_code error;
        std::filesystem::remove_all(mRunFolder, error);
    }

    // The exit code; a run that does not end within a minute counts as 124.
    int Play(const std::string& script, const std::string& more = "") const
    {
        std::ofstream(mRunFolder / "input.txt") << script;
        const std::string data = std::filesystem::path(WF_GAME_BINARY).parent_path().string();
        const std::string command = "cd '" + mRunFolder.string() +
                                    "' && timeout 60 '" WF_GAME_BINARY
                                    "' --headless --fixed-step --save-dir save --data '" +
                                    data + "' --input input.txt " + more + " >out.txt 2>err.txt";
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

TEST_F(ScriptedPlayScenarioTest, AScriptThatClosesTheWindowEndsTheGame)
{
    EXPECT_EQ(Play("5 move 512 384\n6 click left\n8 wheel -1\n9 key Escape\n10 focus lost\n12 focus gained\n"
                   "20 type Anna\n40 close\n"),
              0);
}

TEST_F(ScriptedPlayScenarioTest, AMistakeInTheScriptStopsTheGameBeforeItStarts)
{
    EXPECT_EQ(Play("1 move 10 10\n2 jump\n"), 2);
    EXPECT_NE(ReadRunFile("err.txt").find("input.txt:2: unknown command 'jump'"), std::string::npos)
        << ReadRunFile("err.txt");
    EXPECT_FALSE(std::filesystem::exists(mRunFolder / "log.log")) << "nothing ran";
}
