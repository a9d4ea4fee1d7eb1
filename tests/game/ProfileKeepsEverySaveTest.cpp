#include "ProfileTestSupport.h"
#include "engine/File/DiskFile.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Util/SaveFormat.h"
#include "tests/engine/LogCapture.h"

#include <map>

using namespace ProfileTestSupport;

namespace
{

using Folder = std::map<std::string, std::vector<std::uint8_t>>;

class ProfileKeepsEverySaveTest : public SaveFolderTest
{
protected:
    // Every file of the save folder by name.
    Folder ReadFolder() const
    {
        Folder files;
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
        {
            files[entry.path().filename().string()] = ReadBytes(entry.path());
        }
        return files;
    }

    void WriteFolder(const Folder& files)
    {
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
        for (const auto& [name, bytes] : files)
        {
            WriteBytes(PathOf(name), bytes);
        }
    }

    // Two players made by the game's own writers: Ann (number 0) with level 3 reached, Bob (number 1)
    // with money; and the player list as it stood while Ann was the only player.
    Folder MakeTwoPlayers(std::vector<std::uint8_t>& listWithAnnOnly)
    {
        World world;
        world.StartAndTake();
        world.profile.CreateUser(u"Ann");
        GameInfo::GetInstance()->highestLevel = 3;
        world.profile.SaveAll();
        listWithAnnOnly = ReadBytes(PathOf("Users.dat"));
        world.profile.CreateUser(u"Bob");
        GameInfo::GetInstance()->totalMoney = 900;
        world.profile.SaveAll();
        return ReadFolder();
    }

    static Folder PlayerFiles(const Folder& files)
    {
        Folder players;
        for (const auto& [name, bytes] : files)
        {
            if (name.starts_with("Save0_") || name.starts_with("Save1_"))
            {
                players[name] = bytes;
            }
        }
        return players;
    }
};

std::vector<std::uint8_t> WithU32(std::vector<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    for (int byte = 0; byte < 4; ++byte)
    {
        bytes[offset + byte] = static_cast<std::uint8_t>(value >> (8 * byte));
    }
    return bytes;
}

} // namespace

// Whatever is wrong with the player list, a new player gets a number above every number that has files,
// and no file of another player changes.
TEST_F(ProfileKeepsEverySaveTest, ANewPlayerNeverTakesTheNumberOfExistingFiles)
{
    std::vector<std::uint8_t> annOnly;
    const Folder made = MakeTwoPlayers(annOnly);
    const Folder players = PlayerFiles(made);
    ASSERT_TRUE(players.contains("Save0_5.dat") && players.contains("Save1_5.dat"));
    const std::vector<std::uint8_t> list = made.at("Users.dat");

    struct Case
    {
        const char* what;
        std::optional<std::vector<std::uint8_t>> list;
    };
    std::vector<std::uint8_t> badSum = list;
    ++badSum.back();
    std::vector<std::uint8_t> version = list;
    version[0] = 0x6E;
    const Case cases[] = {
        {"no player list", std::nullopt},
        {"checksum changed", badSum},
        {"cut short", std::vector<std::uint8_t>(list.begin(), list.begin() + 10)},
        {"another version", WithChecksum(version)},
        {"next number stored as 0", WithChecksum(WithU32(list, 4, 0))},
        {"a list from before Bob was created", annOnly},
    };
    for (const Case& c : cases)
    {
        Folder files = made;
        files.erase("Users.dat");
        if (c.list)
        {
            files["Users.dat"] = *c.list;
        }
        WriteFolder(files);
        {
            World world;
            world.StartAndTake();
            world.profile.CreateUser(u"Cy");
            EXPECT_EQ(world.profile.currentPlayer, 2u) << c.what;
            world.profile.SaveAll();
        }
        EXPECT_EQ(PlayerFiles(ReadFolder()), players) << c.what;
        EXPECT_TRUE(std::filesystem::exists(PathOf("Save2_5.dat"))) << c.what;
    }
}

// Each refusal of one file keeps its bytes under a name of its own, up to a bound; past the bound the
// file stays where it is and is not written over.
TEST_F(ProfileKeepsEverySaveTest, RefusedFilesAreKeptAsideWithoutOverwritingEachOther)
{
    CopyStoredFixtures();
    const std::vector<std::uint8_t> map = ReadBytes(FixturePath("Save2_5.dat"));
    TestSupport::LogCapture log;
    World world;
    world.StartAndTake();
    std::vector<std::vector<std::uint8_t>> refused;
    for (int copy = 0; copy < Korrin::DiskFile::kMaxKeptAside; ++copy)
    {
        refused.emplace_back(map.begin(), map.begin() + 5 + copy);
        WriteBytes(PathOf("Save2_5.dat"), refused.back());
        world.profile.LoadMap();
        world.profile.SaveMap();
    }
    for (int copy = 0; copy < Korrin::DiskFile::kMaxKeptAside; ++copy)
    {
        const std::string aside = Korrin::DiskFile::KeptAsideName(PathOf("Save2_5.dat").string(), copy);
        EXPECT_EQ(ReadBytes(aside), refused[static_cast<std::size_t>(copy)]) << aside;
        EXPECT_NE(log.Text().find("it is kept as '" + aside + "'"), std::string::npos) << aside;
    }

    const std::vector<std::uint8_t> oneMore(map.begin(), map.begin() + 4);
    WriteBytes(PathOf("Save2_5.dat"), oneMore);
    world.profile.LoadMap();
    world.profile.SaveAll();
    EXPECT_EQ(ReadBytes(PathOf("Save2_5.dat")), oneMore)
        << "no name was free: left in place, not written over";
    EXPECT_NE(log.Text().find("no name is free"), std::string::npos);
}

// Achievements of another set of definitions are the player's progress all the same: they are read by
// id, so a start and a quit leave the file as it was, and once the player earns something here every
// record is written again, the one earned moved on.
TEST_F(ProfileKeepsEverySaveTest, AchievementsOfOtherDefinitionsSurviveAStartAndAQuit)
{
    CopyStoredFixtures();
    const std::vector<std::uint8_t> stored = ReadBytes(FixturePath("Save2_2.dat"));
    World world;
    TestSupport::DefineAchievements(*AchievementSystem::GetInstance(),
                                    "{ {Id = 12, MaxProgress = 3, Prize = 5} }");
    world.StartAndTake();
    world.profile.SaveAll();
    world.profile.SaveAll();
    EXPECT_EQ(ReadBytes(PathOf("Save2_2.dat")), stored);
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_2.dat.bad")));
    for (const std::string& name : StoredFiles())
    {
        EXPECT_EQ(ReadBytes(PathOf(name)), ReadBytes(FixturePath(name)))
            << name << ": the others save normally";
    }

    AchievementSystem::GetInstance()->AddProgress(12, 1);
    world.profile.SaveAll();
    std::vector<std::uint8_t> earned = stored;
    earned[12 + 12 * 12 + 4] = 1; // the progress of the record of achievement 12
    EXPECT_EQ(ReadBytes(PathOf("Save2_2.dat")), earned);
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_2.dat.bad"))) << "nothing to keep aside";
}

// The program reads the list and the player's settings before the log exists; their refusals reach the
// log once it opens.
TEST_F(ProfileKeepsEverySaveTest, StartUpRefusalsReachTheLogOnceItOpens)
{
    struct Case
    {
        const char* file;
        std::size_t offset;
        const char* reason;
    };
    const Case cases[] = {{"Users.dat", 20, "checksum"}, {"Save2_1.dat", 0, "another program version"}};
    for (const Case& c : cases)
    {
        CopyStoredFixtures();
        std::vector<std::uint8_t> bytes = ReadBytes(FixturePath(c.file));
        ++bytes[c.offset];
        WriteBytes(PathOf(c.file), bytes);
        World world;
        world.profile.LoadUserList(false);
        world.profile.LoadSettings(false);
        TestSupport::LogCapture log;
        world.profile.LoadUserList(false);
        const std::string text = log.Text();
        EXPECT_NE(text.find(PathOf(c.file).string() + "' (" + c.reason + ")"), std::string::npos) << text;
        EXPECT_NE(text.find("kept as '" + PathOf(c.file).string() + ".bad'"), std::string::npos) << text;
    }
}

// Asking which level is saved reads only: every kind of level save leaves the folder as it was.
TEST_F(ProfileKeepsEverySaveTest, AskingForTheSavedLevelChangesNoFile)
{
    CopyStoredFixtures();
    const std::vector<std::uint8_t> level = ReadBytes(FixturePath("Save2_4.dat"));
    World world;
    world.StartAndTake();
    world.profile.levelInPlay = 4;
    std::vector<std::uint8_t> version = level;
    version[0] = 0x6E;
    std::vector<std::uint8_t> otherLevel = level;
    otherLevel[4] = 9;
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"another version", version},
        {"empty", {}},
        {"cut inside the version", {level.begin(), level.begin() + 3}},
        {"cut inside the level", {level.begin(), level.begin() + 6}},
        {"another level", otherLevel},
        {"the level's own save", level},
    };
    for (const auto& [what, bytes] : cases)
    {
        WriteBytes(PathOf("Save2_4.dat"), bytes);
        const Folder before = ReadFolder();
        const std::int32_t answer = world.profile.GetSavedGameLevel();
        EXPECT_EQ(answer, bytes == level ? 4 : -1) << what;
        EXPECT_EQ(ReadFolder(), before) << what;
    }
}

// The reward queue came later: a level save that ends after its records continues with an empty queue;
// one whose queue is cut short is damaged.
TEST_F(ProfileKeepsEverySaveTest, ALevelSaveWithoutItsRewardQueueContinuesWithAnEmptyQueue)
{
    CopyStoredFixtures();
    const std::vector<std::uint8_t> level = ReadBytes(FixturePath("Save2_4.dat"));
    const std::vector<std::uint8_t> records(level.begin(), level.end() - 4);
    std::vector<std::uint8_t> cutQueue = records;
    cutQueue.insert(cutQueue.end(), {2, 0, 0, 0, 5, 0, 0, 0});
    World world;
    world.StartAndTake();
    SaveLoadManager manager;
    LevelTaskInfo task;
    task.level = 5;
    AddSavedLevelGoals(task);
    world.profile.levelInPlay = 4;
    auto* rewards = dynamic_cast<RewardAlertSystemGui*>(
        world.main.GetGameGuiManager()->Get(RewardAlertSystemGui::kWindowId));
    ASSERT_NE(rewards, nullptr);

    WriteBytes(PathOf("Save2_4.dat"), records);
    rewards->AddReward(9);
    EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::Loaded);
    EXPECT_TRUE(rewards->Pending().empty());
    EXPECT_EQ(task.money, 1234);
    EXPECT_EQ(world.profile.salesCount, 7);
    EXPECT_EQ(ReadBytes(PathOf("Save2_4.dat")), records);

    WriteBytes(PathOf("Save2_4.dat"), cutQueue);
    EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::Damaged);
    EXPECT_EQ(ReadBytes(PathOf("Save2_4.dat.bad")), cutQueue);
}

// What a killed save left half written is removed at start-up; nothing else is.
TEST_F(ProfileKeepsEverySaveTest, LeftoverTemporariesAreRemovedAtStartUp)
{
    CopyStoredFixtures();
    const Folder stored = ReadFolder();
    const std::string suffix = Korrin::DiskFile::kTemporarySuffix;
    WriteBytes(PathOf("Users.dat" + suffix), {1, 2});
    WriteBytes(PathOf("Save2_5.dat" + suffix), {});
    TestSupport::LogCapture log;
    World world;
    world.profile.RemoveLeftoverTemporaries();
    EXPECT_EQ(ReadFolder(), stored);
    EXPECT_NE(log.Text().find("Save2_5.dat" + suffix + "', left by a save"), std::string::npos);

    EXPECT_TRUE(Korrin::DiskFile::WriteReplacing(PathOf("Save2_5.dat").string(), {7}));
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_5.dat" + suffix)));
    EXPECT_EQ(ReadBytes(PathOf("Save2_5.dat")), std::vector<std::uint8_t>{7});
}
