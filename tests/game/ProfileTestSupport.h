#pragma once

#include "game/GUI/AchievementSystem.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Profile.h"
#include "game/Util/GameGlobals.h"
#include "platform/Folders.h"
#include "tests/support/AchievementDefinitions.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ProfileTestSupport
{

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The player list's last 8 bytes are the sum of the others: recomputed after a test changed a field.
inline std::vector<std::uint8_t> WithChecksum(std::vector<std::uint8_t> bytes)
{
    bytes.resize(bytes.size() - 8);
    std::uint64_t sum = 0;
    for (const std::uint8_t byte : bytes)
    {
        sum += byte;
    }
    for (int shift = 0; shift < 64; shift += 8)
    {
        bytes.push_back(static_cast<std::uint8_t>(sum >> shift));
    }
    return bytes;
}

inline std::filesystem::path FixturePath(const std::string& name)
{
    return std::filesystem::path(WF_FIXTURES_DIR) / "saves" / name;
}

// The sample player's files: the list, kinds 1, 2, 3, 5 and the best times.
inline const std::vector<std::string>& StoredFiles()
{
    static const std::vector<std::string> files = {"Users.dat",   "Save2_1.dat", "Save2_2.dat",
                                                   "Save2_3.dat", "Save2_5.dat", "Save0b.dat"};
    return files;
}

// The goals of the level that Save2_4.dat continues, as its level file gives them: 2000 money and 5 units
// of goods 84 (the save has 766 money and 2 units still to go).
inline void AddSavedLevelGoals(LevelTaskInfo& task)
{
    task.ClearGoals();
    task.AddGoal(LevelTaskInfo::kMoneyGoods, 2000);
    task.AddGoal(84, 5);
}

// Everything the profile's files decide, gathered after a load.
struct Snapshot
{
    std::vector<std::u16string> names;
    std::vector<std::uint32_t> numbers;
    std::int32_t selected = 0;
    std::uint32_t current = 0;
    std::uint32_t next = 0;
    bool loaded = false;
    float sound = 0;
    float music = 0;
    int tips = 0;
    int display = 0;
    bool pretty = false;
    std::uint32_t achievementProgress = 0;
    bool achievementComplete = false;
    std::uint32_t prizes = 0;
    std::uint16_t gardenLevel = 0;
    std::uint16_t millLevel = 0;
    int millOwned = 0;
    std::uint32_t shownBoard = 0;
    std::size_t rivalEntries = 0;
    int hint = 0;
    std::uint16_t highest = 0;
    std::uint32_t money = 0;
    std::int32_t stage = 0;
    std::array<bool, 6> flags{};
    std::vector<std::int32_t> passes;
    std::u16string bestName;
    std::uint32_t bestSeconds = 0;
    std::u16string playerName;

    bool operator==(const Snapshot&) const = default;
};

// A running game's profile and the objects its files fill, on a save folder of the test's own.
class World
{
public:
    World()
    {
        GameGlobals::prettyCursor = false;
        TestSupport::DefineAchievements(
            *AchievementSystem::GetInstance(),
            "{ {Id = 1, MaxProgress = 5, Prize = 10}, {Id = 9, MaxProgress = 1, Prize = 50} }");
    }

    Snapshot Take()
    {
        Snapshot shot;
        for (const Profile::Player& player : profile.GetPlayers())
        {
            shot.names.push_back(player.name);
            shot.numbers.push_back(player.number);
        }
        shot.selected = profile.GetSelectedIndex();
        shot.current = profile.currentPlayer;
        shot.next = profile.nextPlayerNumber;
        shot.loaded = profile.IsLoaded();
        shot.sound = profile.GetSettings().soundVolume;
        shot.music = profile.GetSettings().musicVolume;
        shot.tips = profile.GetSettings().tipsEnabled;
        shot.display = profile.displayMode;
        shot.pretty = GameGlobals::prettyCursor;
        AchievementSystem* achievements = AchievementSystem::GetInstance();
        shot.achievementProgress = achievements->GetData(1)->mProgress;
        shot.achievementComplete = achievements->GetData(9)->IsComplete();
        shot.prizes = achievements->mPrizeTotal;
        TableCost* table = TableCost::GetInstance();
        shot.gardenLevel = table->GetCostPtr(5)->upgradeLevel;
        shot.millLevel = table->GetCostPtr(26)->upgradeLevel;
        shot.millOwned = table->GetCostPtr(26)->owned;
        shot.shownBoard = boards.GetBoards().shownIndex;
        shot.rivalEntries = boards.GetBoards().rivals.entries.size();
        GameInfo* info = GameInfo::GetInstance();
        shot.hint = profile.mapHint;
        shot.highest = info->highestLevel;
        shot.money = info->totalMoney;
        shot.stage = profile.storyStage;
        shot.flags = profile.storyFlags;
        for (std::size_t level = 0; level < 6; ++level)
        {
            shot.passes.push_back(info->passTypes[level]);
        }
        shot.bestName = gBestTimes[0].name;
        shot.bestSeconds = gBestTimes[0].seconds;
        shot.playerName = info->playerName;
        return shot;
    }

    // What the main menu does when it starts.
    Snapshot StartAndTake()
    {
        profile.LoadUserList(true);
        profile.LoadAll();
        return Take();
    }

    Main main;
    ProgressBoardManager boards;
    Profile profile;
};

class SaveFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mFolder = std::filesystem::temp_directory_path() /
                  ("wf_profile_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(mFolder);
        std::filesystem::create_directories(mFolder);
        Platform::Folders::SetSaveFolder(mFolder.string());
    }

    void TearDown() override
    {
        Platform::Folders::SetSaveFolder("");
        std::filesystem::remove_all(mFolder);
    }

    void CopyFixture(const std::string& name)
    {
        std::filesystem::copy_file(FixturePath(name), mFolder / name,
                                   std::filesystem::copy_options::overwrite_existing);
    }

    void CopyStoredFixtures()
    {
        for (const std::string& name : StoredFiles())
        {
            CopyFixture(name);
        }
    }

    std::filesystem::path PathOf(const std::string& name) const { return mFolder / name; }

    std::filesystem::path mFolder;
};

} // namespace ProfileTestSupport
