#include "ProfileTestSupport.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "platform/SoundDevice.h"
#include "tests/support/ReportRecorder.h"

using namespace ProfileTestSupport;

class ProfileTest : public SaveFolderTest
{
};

TEST_F(ProfileTest, LoadingTheFixturesGivesTheirFields)
{
    CopyStoredFixtures();
    World world;
    const Snapshot shot = world.StartAndTake();

    EXPECT_EQ(shot.names, (std::vector<std::u16string>{u"Ann", u"Bob"}));
    EXPECT_EQ(shot.numbers, (std::vector<std::uint32_t>{0, 2}));
    EXPECT_EQ(shot.selected, 1);
    EXPECT_EQ(shot.current, 2u);
    EXPECT_EQ(shot.next, 3u);
    EXPECT_TRUE(shot.loaded);
    EXPECT_EQ(shot.playerName, u"Bob");

    EXPECT_EQ(shot.sound, 0.5f);
    EXPECT_EQ(shot.music, 0.25f);
    EXPECT_EQ(shot.tips, 0);
    EXPECT_EQ(shot.display, 1);
    EXPECT_TRUE(shot.pretty);

    EXPECT_EQ(shot.achievementProgress, 3u);
    EXPECT_TRUE(shot.achievementComplete);
    EXPECT_EQ(shot.prizes, 50u);

    EXPECT_EQ(shot.gardenLevel, 2);
    EXPECT_EQ(shot.millLevel, 1);
    EXPECT_EQ(shot.millOwned, 1);
    EXPECT_EQ(shot.shownBoard, 0u);
    // The stored board is at its last stage: two rivals race on.
    EXPECT_EQ(shot.rivalEntries, 2u);

    EXPECT_EQ(shot.hint, 1);
    EXPECT_EQ(shot.highest, 5);
    EXPECT_EQ(shot.money, 4321u);
    EXPECT_EQ(shot.stage, 2);
    EXPECT_EQ(shot.flags, (std::array<bool, 6>{true, false, true, false, false, false}));
    EXPECT_EQ(shot.passes, (std::vector<std::int32_t>{2, 1, 2, 0, 1, -1}));

    EXPECT_EQ(shot.bestName, u"Ann");
    EXPECT_EQ(shot.bestSeconds, 40u);
}

TEST_F(ProfileTest, SavingWritesEveryFileByteForByte)
{
    CopyStoredFixtures();
    World world;
    world.StartAndTake();
    for (const std::string& name : StoredFiles())
    {
        std::filesystem::remove(PathOf(name));
    }
    world.profile.SaveAll();
    EXPECT_TRUE(world.profile.SaveSettings());
    for (const std::string& name : StoredFiles())
    {
        EXPECT_EQ(ReadBytes(PathOf(name)), ReadBytes(FixturePath(name))) << name;
    }
    // No running level: no level file.
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_4.dat")));
}

TEST_F(ProfileTest, TheLevelInPlayRoundTrips)
{
    CopyStoredFixtures();
    CopyFixture("Save2_4.dat");
    World world;
    world.StartAndTake();

    SaveLoadManager records;
    LevelTaskInfo task;
    task.level = 5;
    AddSavedLevelGoals(task);
    world.profile.levelInPlay = 3;
    EXPECT_EQ(world.profile.GetSavedGameLevel(), -1);
    world.profile.levelInPlay = 4;
    EXPECT_EQ(world.profile.GetSavedGameLevel(), 4);

    EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::Loaded);
    EXPECT_EQ(task.money, 1234);
    EXPECT_EQ(task.reserved[0], 3);
    EXPECT_EQ(task.levelTime, 75.5f);
    EXPECT_EQ(task.goals[0].remaining, 766);
    EXPECT_EQ(task.goals[1].remaining, 2);
    EXPECT_EQ(world.profile.salesCount, 7);

    std::filesystem::remove(PathOf("Save2_4.dat"));
    EXPECT_TRUE(world.profile.SaveGame());
    EXPECT_EQ(ReadBytes(PathOf("Save2_4.dat")), ReadBytes(FixturePath("Save2_4.dat")));

    world.profile.DeleteSavedGame();
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_4.dat")));
    EXPECT_EQ(world.profile.GetSavedGameLevel(), -1);
    EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::NoSave);
}

TEST_F(ProfileTest, ADamagedLevelSaveIsKeptAsideAndTheLevelStartsWithItsGoals)
{
    CopyStoredFixtures();
    World world;
    world.StartAndTake();
    SaveLoadManager records;
    LevelTaskInfo task;
    task.level = 5;
    AddSavedLevelGoals(task);
    world.profile.levelInPlay = 4;

    std::vector<std::uint8_t> fixture = ReadBytes(FixturePath("Save2_4.dat"));
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    // The goals' record ends with its length, then the reward queue's 4 bytes.
    std::vector<std::uint8_t> wrongLength = fixture;
    wrongLength[fixture.size() - 8] = 11;
    cases.push_back({"record length differs", wrongLength});
    std::vector<std::uint8_t> otherGoals = fixture;
    otherGoals[22] = 3;
    cases.push_back({"goals the level does not have", otherGoals});
    std::vector<std::uint8_t> wrongLevel = fixture;
    wrongLevel[4] = 9;
    cases.push_back({"another level", wrongLevel});
    std::vector<std::uint8_t> wrongVersion = fixture;
    wrongVersion[0] = 0x6E;
    cases.push_back({"another version", wrongVersion});
    // Cut anywhere but at the end of the records (a save without its reward queue, which loads).
    constexpr std::size_t kRewardQueueBytes = 4;
    for (std::size_t size = 0; size < fixture.size(); ++size)
    {
        if (size != fixture.size() - kRewardQueueBytes)
        {
            cases.push_back(
                {"truncated", std::vector<std::uint8_t>(fixture.begin(), fixture.begin() + size)});
        }
    }
    std::vector<std::uint8_t> longer = fixture;
    longer.push_back(0);
    cases.push_back({"a byte after the reward queue", longer});
    for (const Case& c : cases)
    {
        WriteBytes(PathOf("Save2_4.dat"), c.bytes);
        std::filesystem::remove(PathOf("Save2_4.dat.bad"));
        world.main.GetGameGuiManager()->Show(GameGuiManager::kNoWindow);
        EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::Damaged)
            << c.what << " " << c.bytes.size();
        EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_4.dat"))) << c.what;
        EXPECT_EQ(ReadBytes(PathOf("Save2_4.dat.bad")), c.bytes) << c.what;
        EXPECT_EQ(world.main.GetGameGuiManager()->GetShown(), 1) << c.what;
        EXPECT_EQ(world.profile.salesCount, 0) << c.what;
    }
}

// A level save that the map does not offer to continue is still the player's file: the save of the level
// started in its place, or its deletion after a win, keeps it aside first. A readable save of another
// level is the slot's normal replacement.
TEST_F(ProfileTest, ALevelSaveThatCannotBeContinuedIsKeptAsideBeforeItIsReplaced)
{
    CopyStoredFixtures();
    World world;
    world.StartAndTake();
    SaveLoadManager records;
    LevelTaskInfo task;
    task.level = 5;
    AddSavedLevelGoals(task);
    world.profile.levelInPlay = 4;

    const std::vector<std::uint8_t> fixture = ReadBytes(FixturePath("Save2_4.dat"));
    std::vector<std::uint8_t> otherVersion = fixture;
    otherVersion[0] = 0x6E;
    std::vector<std::uint8_t> otherLevel = fixture;
    otherLevel[4] = 9;
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool keptAside;
    };
    const Case cases[] = {
        {"another version", otherVersion, true},
        {"cut to 0 bytes", {}, true},
        {"cut to 4 bytes", std::vector<std::uint8_t>(fixture.begin(), fixture.begin() + 4), true},
        {"a save of another level", otherLevel, false},
    };
    for (const Case& test : cases)
    {
        for (const bool deleted : {false, true})
        {
            const std::string what = std::string(test.what) + (deleted ? ", deleted" : ", saved over");
            WriteBytes(PathOf("Save2_4.dat"), test.bytes);
            std::filesystem::remove(PathOf("Save2_4.dat.bad"));
            EXPECT_EQ(world.profile.GetSavedGameLevel(), -1) << what;
            EXPECT_EQ(ReadBytes(PathOf("Save2_4.dat")), test.bytes) << what << ": asking reads only";
            if (deleted)
            {
                world.profile.DeleteSavedGame();
                EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_4.dat"))) << what;
            }
            else
            {
                EXPECT_TRUE(world.profile.SaveGame()) << what;
                EXPECT_EQ(world.profile.GetSavedGameLevel(), 4) << what;
            }
            ASSERT_EQ(std::filesystem::exists(PathOf("Save2_4.dat.bad")), test.keptAside) << what;
            if (test.keptAside)
            {
                EXPECT_EQ(ReadBytes(PathOf("Save2_4.dat.bad")), test.bytes) << what;
            }
        }
    }
}

// A save written before the reward queue existed ends after its records: the queue is empty, not what
// the reward window's reset before the load queued.
TEST_F(ProfileTest, ALevelSaveWithoutARewardQueueContinuesWithAnEmptyOne)
{
    CopyStoredFixtures();
    World world;
    world.StartAndTake();
    SaveLoadManager records;
    LevelTaskInfo task;
    task.level = 5;
    AddSavedLevelGoals(task);
    world.profile.levelInPlay = 4;
    AchievementSystem::GetInstance()->GetData(9)->mFlags = AchievementData::kComplete;
    auto* rewards = dynamic_cast<RewardAlertSystemGui*>(world.main.GetGameGuiManager()->Get(7));
    ASSERT_NE(rewards, nullptr);
    rewards->Reset();
    ASSERT_EQ(rewards->Pending().size(), 1u) << "the reset queues the unannounced achievement";

    const std::vector<std::uint8_t> fixture = ReadBytes(FixturePath("Save2_4.dat"));
    constexpr std::size_t kRewardQueueBytes = 4;
    WriteBytes(PathOf("Save2_4.dat"),
               std::vector<std::uint8_t>(fixture.begin(), fixture.end() - kRewardQueueBytes));
    EXPECT_EQ(world.profile.LoadGame(), Profile::LoadGameResult::Loaded);
    EXPECT_TRUE(rewards->Pending().empty());
}

TEST_F(ProfileTest, OutOfRangeMapValuesAreClamped)
{
    CopyStoredFixtures();
    std::vector<std::uint8_t> map = ReadBytes(FixturePath("Save2_5.dat"));
    map[5] = 200; // highest level 200
    map[7] = 0xFF;
    map[8] = 0xFF;
    map[9] = 0xFF;
    map[10] = 0xFF; // money -1
    map[21] = 0x70; // pass type 112
    WriteBytes(PathOf("Save2_5.dat"), map);
    World world;
    const Snapshot shot = world.StartAndTake();
    EXPECT_EQ(shot.highest, 66);
    EXPECT_EQ(shot.money, 0u);
    EXPECT_EQ(shot.passes[0], 2);
    EXPECT_EQ(shot.stage, 2);
}

TEST_F(ProfileTest, SettingsOfAnotherVersionApplyNothing)
{
    CopyStoredFixtures();
    std::vector<std::uint8_t> settings = ReadBytes(FixturePath("Save2_1.dat"));
    settings[1] = 0x04;
    WriteBytes(PathOf("Save2_1.dat"), settings);
    World world;
    world.profile.LoadUserList(true);
    Profile::Settings changed;
    changed.soundVolume = 0.125f;
    world.profile.ChangeSettings(changed);
    EXPECT_FALSE(world.profile.LoadSettings(true));
    EXPECT_EQ(world.profile.GetSettings().soundVolume, 0.125f);
    EXPECT_EQ(ReadBytes(PathOf("Save2_1.dat.bad")), settings);
}

TEST_F(ProfileTest, ASelectionOutsideTheListSelectsTheFirstPlayer)
{
    std::vector<std::uint8_t> users = ReadBytes(FixturePath("Users.dat"));
    users[12] = 7; // selected index 7 of 2
    WriteBytes(PathOf("Users.dat"), WithChecksum(users));
    World world;
    const Snapshot shot = world.StartAndTake();
    EXPECT_EQ(shot.selected, 0);
    EXPECT_EQ(shot.current, 0u);
    EXPECT_EQ(shot.playerName, u"Ann");
}

TEST_F(ProfileTest, CreateSelectAndDeletePlayers)
{
    World world;
    EXPECT_FALSE(world.StartAndTake().loaded);
    EXPECT_EQ(world.profile.GetSaveFileName(Profile::kMap, 0), "");
    world.profile.SaveAll();
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save0_5.dat")));

    world.profile.CreateUser(u"Ann");
    EXPECT_EQ(world.profile.currentPlayer, 0u);
    EXPECT_TRUE(std::filesystem::exists(PathOf("Save0_5.dat")));
    GameInfo::GetInstance()->highestLevel = 7;
    world.profile.SaveAll();

    // A file of an unlisted player numbered 1 is someone's progress: the new player takes the next number
    // and the file stays as it is.
    std::vector<std::uint8_t> leftover = ReadBytes(FixturePath("Save2_5.dat"));
    WriteBytes(PathOf("Save1_5.dat"), leftover);
    world.profile.storyFlags[0] = true;
    world.profile.CreateUser(u"Bob");
    EXPECT_EQ(world.profile.currentPlayer, 2u);
    EXPECT_EQ(ReadBytes(PathOf("Save1_5.dat")), leftover);
    EXPECT_EQ(GameInfo::GetInstance()->highestLevel, 0);
    EXPECT_FALSE(world.profile.storyFlags[0]) << "a new player does not inherit the story of the one before";
    EXPECT_EQ(GameInfo::GetInstance()->playerName, u"Bob");

    world.profile.SetSelectedIndex(0);
    world.profile.LoadAll();
    EXPECT_EQ(world.profile.currentPlayer, 0u);
    EXPECT_EQ(GameInfo::GetInstance()->highestLevel, 7);

    world.profile.SetSelectedIndex(1);
    world.profile.DeleteUser();
    EXPECT_FALSE(std::filesystem::exists(PathOf("Save2_5.dat")));
    EXPECT_EQ(ReadBytes(PathOf("Save1_5.dat")), leftover);
    ASSERT_EQ(world.profile.GetPlayers().size(), 1u);
    EXPECT_EQ(world.profile.GetPlayers()[0].name, u"Ann");
    EXPECT_EQ(world.profile.currentPlayer, 0u);

    const auto before = ReadBytes(PathOf("Users.dat"));
    world.profile.DeleteUser(); // the only player stays
    EXPECT_EQ(ReadBytes(PathOf("Users.dat")), before);
    EXPECT_TRUE(std::filesystem::exists(PathOf("Save0_5.dat")));
    EXPECT_EQ(world.profile.GetPlayers().size(), 1u);
}

// The player deleted is not the current one, and the current one is not last in the list: the player
// being left keeps the progress made since the last save.
TEST_F(ProfileTest, DeletingAnotherPlayerKeepsTheUnsavedProgressOfTheCurrentOne)
{
    World world;
    world.StartAndTake();
    world.profile.CreateUser(u"Ann");
    world.profile.CreateUser(u"Ben");
    world.profile.CreateUser(u"Cat");
    world.profile.SetSelectedIndex(0);
    world.profile.LoadAll();
    ASSERT_EQ(GameInfo::GetInstance()->playerName, u"Ann");
    GameInfo::GetInstance()->highestLevel = 9;
    GameInfo::GetInstance()->totalMoney = 777;

    world.profile.SetSelectedIndex(1);
    world.profile.DeleteUser();
    ASSERT_EQ(world.profile.GetPlayers().size(), 2u);
    EXPECT_EQ(GameInfo::GetInstance()->playerName, u"Cat");
    EXPECT_EQ(GameInfo::GetInstance()->highestLevel, 0);

    world.profile.SetSelectedIndex(0);
    world.profile.LoadAll();
    EXPECT_EQ(GameInfo::GetInstance()->playerName, u"Ann");
    EXPECT_EQ(GameInfo::GetInstance()->highestLevel, 9);
    EXPECT_EQ(GameInfo::GetInstance()->totalMoney, 777u);
}

TEST_F(ProfileTest, ThePlayerListIsKeptWhenNoWindowShowsIt)
{
    CopyStoredFixtures();
    World world;
    world.StartAndTake();
    world.profile.SaveUserList();
    EXPECT_EQ(ReadBytes(PathOf("Users.dat")), ReadBytes(FixturePath("Users.dat")));
}

TEST_F(ProfileTest, DefaultVolumesComeFromTheConfigurationClamped)
{
    Korrin::FileSysManager files(WF_FIXTURES_DIR "/defaults");
    World world;
    world.profile.ApplyDefaultSettings(false);
    EXPECT_EQ(world.profile.GetSettings().musicVolume, 0.7f);
    world.profile.ChangeSettings(Profile::Settings{0.1f, 0.2f, 1, 0, 0});
    world.profile.ApplyDefaultSettings(true);
    EXPECT_EQ(world.profile.GetSettings().musicVolume, 1.0f);
    EXPECT_EQ(world.profile.GetSettings().soundVolume, 0.7f);
}

TEST_F(ProfileTest, ANewPlayerNeverTakesTheNumberOfAListedOne)
{
    CopyStoredFixtures();
    std::vector<std::uint8_t> users = ReadBytes(FixturePath("Users.dat"));
    users[4] = 1; // next number 1, although player 2 is listed
    WriteBytes(PathOf("Users.dat"), WithChecksum(users));
    World world;
    world.StartAndTake();
    EXPECT_EQ(world.profile.nextPlayerNumber, 3u);
    world.profile.CreateUser(u"Cid");
    EXPECT_EQ(world.profile.currentPlayer, 3u);
    EXPECT_EQ(ReadBytes(PathOf("Save2_5.dat")), ReadBytes(FixturePath("Save2_5.dat")));
}

TEST_F(ProfileTest, SettingsReachTheSoundAndAreSavedAsThePlayerSetThemWhileMuted)
{
    CopyStoredFixtures();
    Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::None);
    Korrin::LogManager log;
    Korrin::SoundManager sound(0);
    World world;
    world.StartAndTake();
    EXPECT_EQ(sound.GetEffectsVolume(), 0.5f);
    EXPECT_EQ(sound.GetMusicVolume(), 0.25f);

    sound.MuteAll(); // the game went into the background
    std::filesystem::remove(PathOf("Save2_1.dat"));
    EXPECT_TRUE(world.profile.SaveSettings());
    EXPECT_EQ(ReadBytes(PathOf("Save2_1.dat")), ReadBytes(FixturePath("Save2_1.dat")));
}

TEST_F(ProfileTest, SettingTheStoryStageClearsOnlyTheFlagOfTheStageHeldSoFar)
{
    World world;
    struct Case
    {
        std::int32_t held;
        std::int32_t next;
        std::int32_t expectedStage;
        std::array<bool, Profile::kStoryFlagCount> expectedFlags;
    };
    const Case cases[] = {
        {-1, 0, 0, {true, true, true, true, true, true}},
        {2, 3, 3, {true, true, false, true, true, true}},
        {5, 5, 5, {true, true, true, true, true, false}},
        {2, -1, 2, {true, true, true, true, true, true}},
    };
    for (const Case& c : cases)
    {
        world.profile.storyStage = c.held;
        world.profile.storyFlags.fill(true);
        world.profile.SetStoryStage(c.next);
        EXPECT_EQ(world.profile.storyStage, c.expectedStage) << c.held << " -> " << c.next;
        EXPECT_EQ(world.profile.storyFlags, c.expectedFlags) << c.held << " -> " << c.next;
    }
}
