#include "game/GUI/AchievementSystem.h"

#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Util/SaveFormat.h"
#include "tests/engine/LogCapture.h"
#include "tests/engine/TempFolder.h"
#include "tests/support/AchievementDefinitions.h"
#include "tests/support/ReportRecorder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace
{

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// An achievements file: version, prize total, then {id, progress, flags} per record.
Bytes KindTwo(std::uint32_t prizes, const std::vector<std::array<std::uint32_t, 3>>& records,
              std::uint32_t version = SaveFormat::kVersion)
{
    Korrin::BinaryWriter out;
    out.WriteU32(version);
    out.WriteU32(prizes);
    out.WriteU32(static_cast<std::uint32_t>(records.size()));
    for (const auto& record : records)
    {
        for (const std::uint32_t word : record)
        {
            out.WriteU32(word);
        }
    }
    return out.Bytes();
}

// Ids 0 to count - 1, target 10 each, prize 5 each.
std::string Definitions(std::uint32_t count)
{
    std::string table = "{";
    for (std::uint32_t id = 0; id < count; ++id)
    {
        table += "{Id = " + std::to_string(id) + ", MaxProgress = 10, Prize = 5},";
    }
    return table + "}";
}

class AchievementSystemTest : public testing::Test
{
protected:
    AchievementSystemTest() { TestSupport::ReportRecorder::Clear(); }

    std::string PathOf(const std::string& name) const { return mFolder.Path() + "/" + name; }

    // Every progress, every flag and the prize total are 0.
    void ExpectNothing(const std::string& what) const
    {
        EXPECT_EQ(mAchievements.mPrizeTotal, 0u) << what;
        for (const auto& [id, data] : mAchievements.GetAll())
        {
            EXPECT_EQ(data->mProgress, 0u) << what << ": id " << id;
            EXPECT_EQ(data->mFlags, 0u) << what << ": id " << id;
        }
    }

    TestSupport::TempFolder mFolder{"achievements"};
    AchievementSystem mAchievements;
};

} // namespace

TEST_F(AchievementSystemTest, DefinitionsTakeNumericIdsOnceAndConvertTheirValues)
{
    TestSupport::DefineAchievements(mAchievements, R"({
        { Header = "no id", MaxProgress = 1 },
        { Id = "x", Header = "id not a number" },
        { Id = true, Header = "id a boolean" },
        "not a table",
        { Id = 3, Header = "first", Description = "kept", Prize = 40, MaxProgress = 2.9 },
        { Id = 3, Header = "second", Description = "dropped" },
        { Id = "7", Header = 42, Description = {}, Prize = "15", MaxProgress = "1000" },
        { Id = 8.7 },
    })");
    std::vector<std::uint32_t> ids;
    for (const auto& entry : mAchievements.GetAll())
    {
        ids.push_back(entry.first);
    }
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{3, 7, 8}));
    const AchievementData* first = mAchievements.GetData(3);
    EXPECT_EQ(first->GetHeader(), "first");
    EXPECT_EQ(first->GetDescription(), "kept");
    EXPECT_EQ(first->mPrize, 40u);
    EXPECT_EQ(first->mMaxProgress, 2u) << "truncated";
    const AchievementData* converted = mAchievements.GetData(7);
    EXPECT_EQ(converted->GetHeader(), "42") << "a number read as its text";
    EXPECT_EQ(converted->GetDescription(), "") << "a table is no text";
    EXPECT_EQ(converted->mPrize, 15u);
    EXPECT_EQ(converted->mMaxProgress, 1000u);
    const AchievementData* bare = mAchievements.GetData(8);
    EXPECT_EQ(bare->mMaxProgress, 0u);
    EXPECT_EQ(bare->mPrize, 0u);
    EXPECT_EQ(mAchievements.GetData(4), nullptr);
}

TEST_F(AchievementSystemTest, ProgressCompletesOnceClampsAndPaysThePrizeOnce)
{
    struct Case
    {
        const char* what;
        std::uint32_t target;
        std::vector<std::uint32_t> amounts;
        std::vector<bool> completedBy;
        std::uint32_t progress;
        bool complete;
    };
    const Case cases[] = {
        {"target 0, amount 0", 0, {0}, {true}, 0, true},
        {"short of the target", 10, {4, 5}, {false, false}, 9, false},
        {"reaching it exactly", 10, {4, 6}, {false, true}, 10, true},
        {"an overshoot clamps", 10, {25}, {true}, 10, true},
        {"complete takes nothing", 10, {10, 3, 0}, {true, false, false}, 10, true},
        {"no wrap round past 2^32", 10, {9, 0xFFFFFFFFu}, {false, true}, 10, true},
    };
    for (const Case& c : cases)
    {
        AchievementSystem achievements;
        TestSupport::DefineAchievements(achievements, "{ {Id = 1, MaxProgress = " + std::to_string(c.target) +
                                                          ", Prize = 30} }");
        achievements.GetData(1)->mFlags = AchievementData::kAnnounced | AchievementData::kShownOnMenu;
        for (std::size_t call = 0; call < c.amounts.size(); ++call)
        {
            EXPECT_EQ(achievements.AddProgress(1, c.amounts[call]), c.completedBy[call])
                << c.what << " call " << call;
        }
        const AchievementData* data = achievements.GetData(1);
        EXPECT_EQ(data->mProgress, c.progress) << c.what;
        EXPECT_EQ(data->IsComplete(), c.complete) << c.what;
        EXPECT_EQ(achievements.mPrizeTotal, c.complete ? 30u : 0u) << c.what;
        EXPECT_EQ(achievements.mCompletedCount, c.complete ? 1u : 0u) << c.what;
        EXPECT_EQ(achievements.mChanged, c.complete) << c.what;
        // Completing clears the announced bit, so the alert shows it; the menu's bit stays.
        EXPECT_EQ(data->mFlags & AchievementData::kAnnounced, c.complete ? 0u : AchievementData::kAnnounced)
            << c.what;
        EXPECT_NE(data->mFlags & AchievementData::kShownOnMenu, 0u) << c.what;
    }
    EXPECT_FALSE(mAchievements.AddProgress(99, 1)) << "no definition";
}

TEST_F(AchievementSystemTest, AFileRoundTripsByteForByte)
{
    TestSupport::DefineAchievements(mAchievements, "{ {Id = 12, MaxProgress = 1, Prize = 1000},"
                                                   "  {Id = 0, MaxProgress = 1, Prize = 100},"
                                                   "  {Id = 3, MaxProgress = 5000, Prize = 250} }");
    const std::string fixture = std::string(WF_FIXTURES_DIR) + "/achievements/Three.dat";
    WriteFile(PathOf("Save1_2.dat"), ReadFile(fixture));
    ASSERT_TRUE(mAchievements.Load(PathOf("Save1_2.dat")));
    EXPECT_EQ(mAchievements.mPrizeTotal, 1350u);
    EXPECT_EQ(mAchievements.GetData(0)->mFlags, 3u);
    EXPECT_EQ(mAchievements.GetData(3)->mProgress, 1500u);
    EXPECT_EQ(mAchievements.GetData(12)->mFlags, 7u);
    ASSERT_TRUE(mAchievements.Save(PathOf("again.dat")));
    EXPECT_EQ(ReadFile(PathOf("again.dat")), ReadFile(fixture));
}

// A file from a program with other definitions loads by id: nothing of the player's is lost, neither
// now nor at the next save.
TEST_F(AchievementSystemTest, FilesOfFourteenAndSixteenDefinitionsLoadById)
{
    TestSupport::LogCapture log;
    TestSupport::DefineAchievements(mAchievements, Definitions(15));

    std::vector<std::array<std::uint32_t, 3>> fewer;
    for (std::uint32_t id = 0; id < 14; ++id)
    {
        fewer.push_back({id, id == 2 ? 99u : id, id == 2 ? 3u : 0u});
    }
    WriteFile(PathOf("fewer.dat"), KindTwo(5, fewer));
    ASSERT_TRUE(mAchievements.Load(PathOf("fewer.dat")));
    EXPECT_EQ(mAchievements.GetData(1)->mProgress, 1u);
    EXPECT_EQ(mAchievements.GetData(2)->mProgress, 10u) << "clamped to its target";
    EXPECT_EQ(mAchievements.GetData(2)->mFlags, 3u);
    EXPECT_EQ(mAchievements.GetData(14)->mProgress, 0u) << "no record: starts at 0";
    EXPECT_EQ(mAchievements.mPrizeTotal, 5u);
    // The log names the definitions first, then the file's records.
    EXPECT_NE(log.Text().find("несоответствие размеров массивов mAchievementsData (15) и загружаемого (14)"),
              std::string::npos)
        << log.Text();

    std::vector<std::array<std::uint32_t, 3>> more;
    for (std::uint32_t id = 0; id < 16; ++id)
    {
        more.push_back({id, 7, id == 15 ? 3u : 0u});
    }
    WriteFile(PathOf("more.dat"), KindTwo(80, more));
    ASSERT_TRUE(mAchievements.Load(PathOf("more.dat")));
    EXPECT_EQ(mAchievements.GetData(14)->mProgress, 7u);
    EXPECT_EQ(mAchievements.GetData(15), nullptr);
    EXPECT_NE(log.Text().find("mAchievementsData (15) и загружаемого (16)"), std::string::npos) << log.Text();
    EXPECT_TRUE(std::filesystem::exists(PathOf("more.dat"))) << "not kept aside";
    ASSERT_TRUE(mAchievements.Save(PathOf("more-saved.dat")));
    EXPECT_EQ(ReadFile(PathOf("more-saved.dat")), KindTwo(80, more)) << "the unknown record is written back";
}

TEST_F(AchievementSystemTest, DamagedFilesAreRefusedKeptAsideAndLeaveNothing)
{
    TestSupport::DefineAchievements(mAchievements, Definitions(3));
    const Bytes good = KindTwo(15, {{0, 4, 0}, {1, 10, 3}, {2, 2, 0}});
    std::vector<std::pair<std::string, Bytes>> hostile;
    for (std::size_t size = 0; size < good.size(); ++size)
    {
        hostile.emplace_back("cut to " + std::to_string(size), Bytes(good.begin(), good.begin() + size));
    }
    Bytes longer = good;
    longer.push_back(0);
    hostile.emplace_back("one byte more", longer);
    Bytes huge = good;
    huge[8] = huge[9] = huge[10] = huge[11] = 0xFF;
    hostile.emplace_back("count 2^32-1", huge);
    Bytes four = good;
    four[8] = 4;
    hostile.emplace_back("count one more than the records", four);
    hostile.emplace_back("version 878", KindTwo(15, {{0, 4, 0}}, SaveFormat::kVersion + 1));
    for (const auto& [what, bytes] : hostile)
    {
        // A good load first, so that a refused one must clear what it had.
        WriteFile(PathOf("good.dat"), good);
        ASSERT_TRUE(mAchievements.Load(PathOf("good.dat")));
        WriteFile(PathOf("Save1_2.dat"), bytes);
        EXPECT_FALSE(mAchievements.Load(PathOf("Save1_2.dat"))) << what;
        ExpectNothing(what);
        if (!bytes.empty())
        {
            EXPECT_EQ(ReadFile(PathOf("Save1_2.dat.bad")), bytes) << what;
        }
        std::filesystem::remove(PathOf("Save1_2.dat.bad"));
    }
    EXPECT_FALSE(mAchievements.Load(PathOf("missing.dat")));
    ExpectNothing("a missing file");
}

// The reward queue at the end of the saved level.
TEST_F(AchievementSystemTest, TheRewardQueueComesBackInOrderAndRefusesDamagedTails)
{
    TestSupport::DefineAchievements(mAchievements, Definitions(15));
    RewardAlertSystemGui rewards;
    Korrin::BinaryWriter out;
    for (const std::uint32_t id : {3u, 7u, 1u})
    {
        rewards.AddReward(id);
    }
    rewards.AddReward(7);
    rewards.Save(out);
    const Bytes good = out.Bytes();
    EXPECT_EQ(good.size(), 16u);

    RewardAlertSystemGui restored;
    Korrin::BinaryReader in(good);
    ASSERT_TRUE(restored.Load(in));
    EXPECT_EQ(restored.Pending(), (std::deque<std::uint32_t>{3, 7, 1}));

    Korrin::BinaryWriter odd;
    for (const std::uint32_t word : {5u, 2u, 40u, 2u, 6u, 9u})
    {
        odd.WriteU32(word);
    }
    Korrin::BinaryReader oddIn(odd.Bytes());
    ASSERT_TRUE(restored.Load(oddIn));
    EXPECT_EQ(restored.Pending(), (std::deque<std::uint32_t>{2, 6, 9}))
        << "undefined and repeated ids dropped";
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());

    for (std::size_t size = 0; size < good.size(); ++size)
    {
        Korrin::BinaryReader cut(std::span<const std::uint8_t>(good.data(), size));
        EXPECT_FALSE(restored.Load(cut)) << "cut to " << size;
        EXPECT_TRUE(restored.Pending().empty()) << "cut to " << size;
    }
    Bytes huge = good;
    huge[0] = huge[1] = huge[2] = huge[3] = 0xFF;
    Korrin::BinaryReader hugeIn(huge);
    EXPECT_FALSE(restored.Load(hugeIn));
    EXPECT_TRUE(restored.Pending().empty());
}
