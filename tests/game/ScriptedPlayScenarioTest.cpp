#include "platform/Image.h"
#include "platform/PngCodec.h"

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

    Platform::Image ReadPicture(const std::string& name) const
    {
        const std::string bytes = ReadRunFile(name);
        Platform::Image picture;
        Platform::PngCodec::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                   picture);
        return picture;
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

TEST_F(ScriptedPlayScenarioTest, TheDrawnCursorIsWhereTheScriptPutThePointer)
{
    // The sample player "Bob" plays with the drawn cursor.
    std::filesystem::create_directories(mRunFolder / "save");
    for (const char* name : {"Users.dat", "Save2_1.dat"})
    {
        std::filesystem::copy_file(std::string(WF_FIXTURES_DIR "/saves/") + name, mRunFolder / "save" / name);
    }
    const std::string script = "1 move 100 100\n10 move 600 400\n11 click left\n";
    ASSERT_EQ(Play(script, "--windowed --frames 20 --screenshot 5:first.png"), 0);
    ASSERT_EQ(Play(script, "--windowed --frames 20 --screenshot 15:second.png"), 0);
    const Platform::Image first = ReadPicture("first.png");
    const Platform::Image second = ReadPicture("second.png");
    ASSERT_EQ(first.width, 1024);
    ASSERT_EQ(second.width, 1024);

    // The arrow's tip is at the pointer; its body lies below and to the right of it.
    auto shows = [](const Platform::Image& picture, int x, int y)
    { return (picture.At(x + 4, y + 16) & 0xFFFFFF) != 0; };
    EXPECT_TRUE(shows(first, 100, 100));
    EXPECT_FALSE(shows(first, 600, 400));
    EXPECT_TRUE(shows(second, 600, 400));
    EXPECT_FALSE(shows(second, 100, 100));
}
