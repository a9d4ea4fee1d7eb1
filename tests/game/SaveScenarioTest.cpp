#include "ProfileTestSupport.h"

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

using namespace ProfileTestSupport;

namespace
{

// The real game, started headless on a save folder of the test's own for a few frames.
class SaveScenario : public SaveFolderTest
{
protected:
    int RunGame()
    {
        std::vector<std::string> arguments = {
            WF_GAME_BINARY,   "--headless", "--fixed-step",
            "--frames",       "5",          "--save-dir",
            mFolder.string(), "--data",     std::filesystem::path(WF_GAME_BINARY).parent_path().string()};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
        {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, mFolder.c_str());
        pid_t child = 0;
        const int error = posix_spawn(&child, WF_GAME_BINARY, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0)
        {
            return -1;
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

} // namespace

TEST_F(SaveScenario, AFirstStartWritesAnEmptyPlayerListAndTheBestTimes)
{
    ASSERT_EQ(RunGame(), 0);
    EXPECT_EQ(std::filesystem::file_size(PathOf("Users.dat")), 24u);
    EXPECT_EQ(std::filesystem::file_size(PathOf("Save0b.dat")), 4u + 67u * 12u);
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save0_5.dat"))) << "nobody is listed, so nobody's files";
}

TEST_F(SaveScenario, AStartAndAQuitLoseNothing)
{
    CopyStoredFixtures();
    ASSERT_EQ(RunGame(), 0);
    // Achievements are left out: their definitions come with the achievement windows.
    for (const char* name : {"Users.dat", "Save2_1.dat", "Save2_3.dat", "Save2_5.dat", "Save0b.dat"})
    {
        EXPECT_EQ(ReadBytes(PathOf(name)), ReadBytes(FixturePath(name))) << name;
    }
}

TEST_F(SaveScenario, ADamagedPlayerListIsKeptAsideAndTheGameStarts)
{
    std::vector<std::uint8_t> users = ReadBytes(FixturePath("Users.dat"));
    ++users.back();
    WriteBytes(PathOf("Users.dat"), users);
    ASSERT_EQ(RunGame(), 0);
    EXPECT_EQ(ReadBytes(PathOf("Users.dat.bad")), users);
    EXPECT_EQ(std::filesystem::file_size(PathOf("Users.dat")), 24u);
}
