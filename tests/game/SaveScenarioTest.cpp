#include "ProfileTestSupport.h"
#include "tests/game/GameProcess.h"

#include <cstdlib>
#include <sys/wait.h>

using namespace ProfileTestSupport;

namespace
{

// The real game, started headless on a save folder of the test's own: two clicks skip the logos, then
// it loads, shows the main menu for a few frames and is closed.
class SaveScenario : public SaveFolderTest
{
protected:
    int RunGame(const std::string& frames = "120")
    {
        GameProcess game;
        game.WriteFile("skip-logos.txt", "1 click left\n3 click left\n");
        const GameProcess::Ending ending =
            game.Run({"--headless", "--fixed-step", "--windowed", "--frames", frames, "--input",
                      game.PathOf("skip-logos.txt").string(), "--save-dir", mFolder.string(), "--data",
                      GameProcess::SampleData()});
        mLog = game.ReadFile("log.log");
        return ending.exited ? ending.code : -1;
    }

    // The save checker's exit code for every file of the save folder (the lock and kept-aside copies
    // among them).
    int CheckFolder() const
    {
        std::string command = std::string(WF_SAVEDUMP_BINARY);
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
        {
            command += " " + entry.path().string();
        }
        const int status = std::system((command + " >/dev/null 2>&1").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string mLog;
};

} // namespace

TEST_F(SaveScenario, AFirstStartWritesAnEmptyPlayerListAndTheBestTimes)
{
    ASSERT_EQ(RunGame(), 0);
    EXPECT_EQ(std::filesystem::file_size(PathOf("Users.dat")), 24u);
    EXPECT_EQ(std::filesystem::file_size(PathOf("Save0b.dat")), 4u + 67u * 12u);
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save0_5.dat"))) << "nobody is listed, so nobody's files";
    EXPECT_EQ(CheckFolder(), 0) << "the checker accepts what the game wrote";
}

TEST_F(SaveScenario, AStartAndAQuitLoseNothing)
{
    CopyStoredFixtures();
    ASSERT_EQ(RunGame(), 0);
    // The achievements too: read by id, each record written back as it was.
    for (const std::string& name : StoredFiles())
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

// A damaged player list beside two players' files: the game starts, logs the refusal, keeps the list aside
// and changes none of the players' files.
TEST_F(SaveScenario, ADamagedListBesideTwoPlayersChangesNoPlayerFile)
{
    std::vector<std::string> players;
    for (const std::string& name : StoredFiles())
    {
        if (name.starts_with("Save2_"))
        {
            CopyFixture(name);
            std::filesystem::copy_file(FixturePath(name), PathOf("Save0_" + name.substr(6)));
            players.insert(players.end(), {name, "Save0_" + name.substr(6)});
        }
    }
    std::vector<std::uint8_t> users = ReadBytes(FixturePath("Users.dat"));
    ++users[20];
    WriteBytes(PathOf("Users.dat"), users);
    EXPECT_EQ(CheckFolder(), 2) << "the checker refuses the list";

    ASSERT_EQ(RunGame("300"), 0);
    EXPECT_EQ(CheckFolder(), 0) << "the fresh list is accepted, and the achievements, read by id";
    for (const std::string& name : players)
    {
        EXPECT_EQ(ReadBytes(PathOf(name)), ReadBytes(FixturePath("Save2_" + name.substr(6)))) << name;
    }
    EXPECT_EQ(ReadBytes(PathOf("Users.dat.bad")), users);
    EXPECT_NE(mLog.find("Damaged save '" + PathOf("Users.dat").string() + "' (checksum)"), std::string::npos)
        << mLog;
}

// The player's settings are read before the log exists; their refusal is logged all the same.
TEST_F(SaveScenario, ARefusalBeforeTheLogOpensIsLogged)
{
    CopyStoredFixtures();
    std::vector<std::uint8_t> settings = ReadBytes(FixturePath("Save2_1.dat"));
    settings.pop_back();
    WriteBytes(PathOf("Save2_1.dat"), settings);
    ASSERT_EQ(RunGame(), 0);
    EXPECT_EQ(ReadBytes(PathOf("Save2_1.dat.bad")), settings);
    EXPECT_NE(mLog.find("Damaged save '" + PathOf("Save2_1.dat").string() + "' (settings)"),
              std::string::npos)
        << mLog;
}
