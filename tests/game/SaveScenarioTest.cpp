#include "ProfileTestSupport.h"
#include "tests/game/GameProcess.h"

using namespace ProfileTestSupport;

namespace
{

// The real game, started headless on a save folder of the test's own: two clicks skip the logos, then
// it loads, shows the main menu for a few frames and is closed.
class SaveScenario : public SaveFolderTest
{
protected:
    int RunGame()
    {
        GameProcess game;
        game.WriteFile("skip-logos.txt", "1 click left\n3 click left\n");
        const GameProcess::Ending ending =
            game.Run({"--headless", "--fixed-step", "--frames", "120", "--input",
                      game.PathOf("skip-logos.txt").string(), "--save-dir", mFolder.string(), "--data",
                      GameProcess::SampleData()});
        return ending.exited ? ending.code : -1;
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
    for (const char* name :
         {"Users.dat", "Save2_1.dat", "Save2_2.dat", "Save2_3.dat", "Save2_5.dat", "Save0b.dat"})
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
