#include "ProfileTestSupport.h"
#include "engine/File/BinaryWriter.h"
#include "engine/File/FileSysManager.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Util/SaveFormat.h"
#include "tests/engine/LogCapture.h"
#include "tests/game/GameProcess.h"

#include <cstdio>
#include <map>
#include <sys/wait.h>

using namespace ProfileTestSupport;

namespace
{

struct DumpRun
{
    int code = -1;
    std::string output;
};

class SaveDumpTest : public SaveFolderTest
{
protected:
    DumpRun Dump(const std::vector<std::string>& names, const std::string& more = "") const
    {
        std::string command = std::string(WF_SAVEDUMP_BINARY) + " " + more;
        for (const std::string& name : names)
        {
            command += " " + PathOf(name).string();
        }
        DumpRun run;
        std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
        if (pipe == nullptr)
        {
            return run;
        }
        char buffer[4096];
        for (std::size_t count; (count = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;)
        {
            run.output.append(buffer, count);
        }
        const int status = ::pclose(pipe);
        run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return run;
    }

    std::map<std::string, std::vector<std::uint8_t>> ReadFolder() const
    {
        std::map<std::string, std::vector<std::uint8_t>> files;
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
        {
            files[entry.path().filename().string()] = ReadBytes(entry.path());
        }
        return files;
    }

    // A save of level 1 as the game writes it: the words, the level objects' records of the level as the
    // game builds it, and the reward queue.
    void WriteLevelOneSave(const std::string& name)
    {
        TestSupport::LogCapture log;
        Korrin::FileSysManager files(GameProcess::SampleData());
        files.AddDirectory("media");
        World world;
        Game game;
        // The fixture's player 2 has passed level 5, so level 1 starts without its tutorial, as the
        // checker finds when it reads that player's progress.
        GameInfo::GetInstance()->highestLevel = 5;
        game.StartLevel(1);
        Korrin::BinaryWriter out;
        out.WriteU32(SaveFormat::kVersion);
        out.WriteI32(0);
        out.WriteI32(0);
        SaveLoadManager::GetInstance()->SaveAll(out);
        dynamic_cast<RewardAlertSystemGui*>(
            world.main.GetGameGuiManager()->Get(RewardAlertSystemGui::kWindowId))
            ->Save(out);
        WriteBytes(PathOf(name), out.Bytes());
    }
};

} // namespace

// The checker runs the game's loaders: it names each file's verdict and sets the exit code from the
// worst (0 accepted, 1 clamped or kept as it is, 2 refused), and changes no file.
TEST_F(SaveDumpTest, TheCheckerSaysWhatTheGameMakesOfEachFile)
{
    CopyStoredFixtures();
    WriteLevelOneSave("Save2_4.dat");
    std::vector<std::uint8_t> users = ReadBytes(FixturePath("Users.dat"));
    ++users.back();
    WriteBytes(PathOf("Users.dat.damaged"), users);
    std::vector<std::uint8_t> map = ReadBytes(FixturePath("Save2_5.dat"));
    map[5] = 200;
    WriteBytes(PathOf("Save7_5.dat"), map);
    std::vector<std::uint8_t> settings = ReadBytes(FixturePath("Save2_1.dat"));
    for (std::size_t byte = 4; byte < 8; ++byte)
    {
        settings[byte] = 0xFF; // a sound volume that is not a number
    }
    WriteBytes(PathOf("Save7_1.dat"), settings);
    std::vector<std::uint8_t> otherLevel = ReadBytes(PathOf("Save2_4.dat"));
    otherLevel[4] = 1;
    WriteBytes(PathOf("Save8_4.dat"), otherLevel);
    std::vector<std::uint8_t> version = ReadBytes(FixturePath("Save2_3.dat"));
    version[0] = 0x6E;
    WriteBytes(PathOf("Save7_3.dat"), version);

    struct Case
    {
        std::vector<std::string> files;
        int code;
        std::vector<std::string> says;
    };
    const Case cases[] = {
        {{"Users.dat", "Save2_1.dat", "Save2_3.dat", "Save2_4.dat", "Save2_5.dat", "Save0b.dat"},
         0,
         {"ACCEPTED"}},
        {{"Save2_2.dat"}, 0, {"ACCEPTED"}},
        {{"Save7_5.dat"}, 1, {"ACCEPTED WITH CLAMPED VALUES: highest level 200 read as 66"}},
        {{"Save7_1.dat"},
         1,
         {"sound volume                 not-a-number", "sound volume not a number read as 0.7"}},
        {{"Save2_1.dat", "Save7_3.dat", "Save7_5.dat"}, 2, {"REFUSED: another program version"}},
        {{"Save8_4.dat"}, 2, {"REFUSED: level records"}},
        {{"Save2_4.dat"}, 1, {"NOT CHECKED"}},
        {{"Users.dat.damaged"}, 0, {"SKIPPED: not one of the game's save files"}},
        {{"Save9_1.dat"}, 2, {"cannot be read"}},
    };
    const auto before = ReadFolder();
    for (const Case& c : cases)
    {
        const bool noLevelData = c.says[0] == "NOT CHECKED";
        const DumpRun run = Dump(c.files, noLevelData ? "--data " + mFolder.string() : "");
        EXPECT_EQ(run.code, c.code) << run.output;
        for (const std::string& said : c.says)
        {
            EXPECT_NE(run.output.find(said), std::string::npos) << said << "\n" << run.output;
        }
    }
    EXPECT_EQ(ReadFolder(), before);

    // Achievements are listed and judged by the definitions of the data folder, as the game reads them;
    // without definitions every record is one to keep and write back.
    const DumpRun defined = Dump({"Save2_2.dat"});
    EXPECT_NE(defined.output.find("ACHIEVEMENT_CARROT_SELLER, target 20000, prize 300"), std::string::npos)
        << defined.output;
    EXPECT_EQ(defined.output.find("load not found"), std::string::npos) << defined.output;
    const DumpRun undefined = Dump({"Save2_2.dat"}, "--data " + mFolder.string());
    EXPECT_EQ(undefined.code, 0) << undefined.output;
    EXPECT_NE(undefined.output.find("load not found mAchievementsData[12]"), std::string::npos)
        << undefined.output;

    std::filesystem::rename(PathOf("Users.dat.damaged"), PathOf("Users.dat"));
    const DumpRun refused = Dump({"Users.dat"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.output.find(PathOf("Users.dat").string() + " (48 bytes)"), std::string::npos);
    EXPECT_NE(refused.output.find("REFUSED: checksum"), std::string::npos) << refused.output;
    EXPECT_TRUE(std::filesystem::exists(PathOf("Users.dat"))) << "the checker renames nothing";
}
