// Checks the game's save files with the game's own loaders and prints their fields: the player list, the
// best times and a player's files of kinds 1 to 5. The kind is taken from the file name (Users.dat,
// Save0b.dat, Save<player>_<kind>.dat). For each file it says whether the game accepts it, accepts it
// with values taken at their limits, keeps it as it is without reading it, or refuses it, and why; the
// files themselves are never changed. Exit code: 0 all accepted, 1 something clamped or kept as it is (or
// a level save that could not be checked), 2 a file refused or unreadable. Other files (the lock, kept-aside
// copies) are skipped, as the game skips them.
#include "game/Main.h"

#include "engine/File/BinaryReader.h"
#include "engine/File/DiskFile.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "game/GUI/AchievementData.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/Game/Game.h"
#include "game/Game/TableCost.h"
#include "game/Profile.h"
#include "game/Util/SaveFormat.h"
#include "platform/Folders.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace
{

using Korrin::BinaryReader;

std::string Narrow(const std::u16string& text)
{
    std::string out;
    for (const char16_t unit : text)
    {
        if (unit < 0x80)
        {
            out.push_back(static_cast<char>(unit));
        }
        else
        {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out;
}

void Field(BinaryReader& in, const char* name, std::uint32_t value)
{
    if (in.Ok())
    {
        std::printf("  %-28s %u\n", name, value);
    }
}

void SignedField(BinaryReader& in, const char* name, std::int32_t value)
{
    if (in.Ok())
    {
        std::printf("  %-28s %d\n", name, value);
    }
}

// A float as a number that reads back to the same value; what is not a number is said so.
std::string Number(float value)
{
    if (!std::isfinite(value))
    {
        return std::isnan(value) ? "not-a-number" : (value > 0 ? "infinity" : "-infinity");
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%.9g", static_cast<double>(value));
    return text;
}

void FloatField(BinaryReader& in, const char* name, float value)
{
    if (in.Ok())
    {
        std::printf("  %-28s %s\n", name, Number(value).c_str());
    }
}

bool Version(BinaryReader& in)
{
    const std::uint32_t version = in.ReadU32();
    Field(in, "version", version);
    if (in.Ok() && version != SaveFormat::kVersion)
    {
        std::printf("  (not this program's version %u)\n", SaveFormat::kVersion);
    }
    return in.Ok();
}

void DumpUsers(BinaryReader& in, const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() >= 8)
    {
        std::uint64_t sum = 0;
        for (std::size_t index = 0; index < bytes.size() - 8; ++index)
        {
            sum += bytes[index];
        }
        BinaryReader tail(std::span<const std::uint8_t>(bytes).subspan(bytes.size() - 8));
        const std::uint64_t stored = tail.ReadU64();
        std::printf("  %-28s %llu (%s)\n", "checksum", static_cast<unsigned long long>(stored),
                    stored == sum ? "matches" : "DOES NOT MATCH");
    }
    if (!Version(in))
    {
        return;
    }
    Field(in, "next player number", in.ReadU32());
    const std::uint32_t count = in.ReadU32();
    Field(in, "players", count);
    SignedField(in, "selected index", in.ReadI32());
    for (std::uint32_t player = 0; player < count && in.Ok(); ++player)
    {
        const std::u16string name = in.ReadUtf16(in.ReadU16(), 0xFFFF);
        const std::uint32_t number = in.ReadU32();
        if (in.Ok())
        {
            std::printf("  player %-21u \"%s\" number %u\n", player, Narrow(name).c_str(), number);
        }
    }
}

void DumpBestTimes(BinaryReader& in)
{
    if (!Version(in))
    {
        return;
    }
    for (std::uint32_t level = 1; in.Remaining() > 0 && in.Ok(); ++level)
    {
        const std::u16string name = in.ReadUtf16(in.ReadU32(), 0xFFFF);
        const std::uint32_t minutes = in.ReadU32();
        const std::uint32_t seconds = in.ReadU32();
        if (in.Ok())
        {
            std::printf("  level %-22u %u:%02u \"%s\"\n", level, minutes, seconds, Narrow(name).c_str());
        }
    }
}

void DumpSettings(BinaryReader& in)
{
    if (!Version(in))
    {
        return;
    }
    FloatField(in, "sound volume", in.ReadF32());
    FloatField(in, "music volume", in.ReadF32());
    Field(in, "tips enabled", in.ReadU8());
    Field(in, "display mode (1 window)", in.ReadU8());
    Field(in, "pretty cursor", in.ReadU8());
}

// The achievement definitions of the game's data folder, read once as the game reads them; an
// achievements file is listed and judged against them.
std::map<std::uint32_t, AchievementData>& Definitions()
{
    static std::map<std::uint32_t, AchievementData> definitions;
    return definitions;
}

void ReadDefinitions(const std::string& dataFolder)
{
    Korrin::LogManager log;
    log.Open(Korrin::LogManager::kDefaultLog, "/dev/null");
    Korrin::FileSysManager files(dataFolder);
    files.AddDirectory("media");
    AchievementSystem achievements;
    Korrin::LuaScript script;
    if (script.LoadFile(AchievementSystem::kDefinitionsFile, Korrin::LuaScript::IfMissing::Log) !=
        Korrin::LuaScript::LoadResult::Ran)
    {
        return;
    }
    {
        Korrin::LuaStackGuard guard(script.GetState());
        achievements.ReadDefinitions(script.GetGlobal("AchievementsData"));
    }
    for (const auto& [id, data] : achievements.GetAll())
    {
        Definitions().emplace(id, *data);
    }
}

// The loader's world defines what the game defines.
void DefineAchievements()
{
    AchievementSystem* achievements = AchievementSystem::Peek();
    if (achievements == nullptr)
    {
        return;
    }
    for (const auto& [id, data] : Definitions())
    {
        achievements->Define(id, data);
    }
}

std::string DefinitionOf(std::uint32_t id)
{
    const auto found = Definitions().find(id);
    if (found == Definitions().end())
    {
        return "not defined by the data (kept and written back unchanged)";
    }
    const AchievementData& data = found->second;
    return data.mHeader + ", target " + std::to_string(data.mMaxProgress) + ", prize " +
           std::to_string(data.mPrize);
}

void DumpAchievements(BinaryReader& in)
{
    std::printf("  %-28s %zu\n", "definitions in the data", Definitions().size());
    if (!Version(in))
    {
        return;
    }
    Field(in, "prize total", in.ReadU32());
    const std::uint32_t count = in.ReadU32();
    Field(in, "achievements", count);
    for (std::uint32_t record = 0; record < count && in.Ok(); ++record)
    {
        const std::uint32_t id = in.ReadU32();
        const std::uint32_t progress = in.ReadU32();
        const std::uint32_t flags = in.ReadU32();
        if (in.Ok())
        {
            std::printf("  achievement %-16u progress %u flags %u%s: %s\n", id, progress, flags,
                        (flags & 1) != 0 ? " (complete)" : "", DefinitionOf(id).c_str());
        }
    }
}

void DumpUpgrades(BinaryReader& in)
{
    if (!Version(in))
    {
        return;
    }
    TableCost table;
    for (const auto& [id, record] : table.Records())
    {
        const std::uint16_t level = in.ReadU16();
        const std::uint8_t owned = in.ReadU8();
        if (in.Ok())
        {
            std::printf("  thing %-22u upgrade level %u owned %u\n", id, level, owned);
        }
    }
    Field(in, "shown board", in.ReadU32());
    Field(in, "rivals' board shown", in.ReadU8());
    Field(in, "rivals' board state", in.ReadU32());
    const std::uint32_t entries = in.ReadU32();
    Field(in, "rivals", entries);
    for (std::uint32_t entry = 0; entry < entries && in.Ok(); ++entry)
    {
        std::printf("  rival %u:", entry);
        for (int field = 0; field < 4; ++field)
        {
            std::printf(" %u", in.ReadU32());
        }
        for (int field = 0; field < 2; ++field)
        {
            std::printf(" %s", Number(in.ReadF32()).c_str());
        }
        std::printf(" %u", in.ReadU8());
        for (int field = 0; field < 4; ++field)
        {
            std::printf(" %s", Number(in.ReadF32()).c_str());
        }
        std::printf(" %u\n", in.ReadU32());
    }
    FloatField(in, "rivals' board scale x", in.ReadF32());
    FloatField(in, "rivals' board scale y", in.ReadF32());
    Field(in, "rivals' board flag", in.ReadU8());
    FloatField(in, "rivals' board alpha", in.ReadF32());
    for (int mark = 0; mark < 4; ++mark)
    {
        SignedField(in, "rivals' board mark", in.ReadI32());
    }
    Field(in, "companion board shown", in.ReadU8());
    Field(in, "companion board first", in.ReadU32());
    Field(in, "companion board second", in.ReadU32());
    FloatField(in, "companion board alpha", in.ReadF32());
    Field(in, "companion board third", in.ReadU32());
}

void DumpLevelInPlay(BinaryReader& in, const std::vector<std::uint8_t>& bytes)
{
    if (!Version(in))
    {
        return;
    }
    SignedField(in, "level in play (level - 1)", in.ReadI32());
    SignedField(in, "sales count", in.ReadI32());
    if (!in.Ok())
    {
        return;
    }
    // The records carry no tags: shown as bytes; each record ends with its length as a u32.
    std::printf("  level records and rewards (%zu bytes):", in.Remaining());
    for (std::size_t index = in.Position(); index < bytes.size(); ++index)
    {
        std::printf("%s%02x", (index - in.Position()) % 16 == 0 ? "\n    " : " ", bytes[index]);
    }
    std::printf("\n");
    while (in.Remaining() > 0)
    {
        in.ReadU8();
    }
}

void DumpMap(BinaryReader& in)
{
    if (!Version(in))
    {
        return;
    }
    Field(in, "map hint", in.ReadU8());
    Field(in, "highest level", in.ReadU16());
    SignedField(in, "money", in.ReadI32());
    SignedField(in, "story stage", in.ReadI32());
    std::string flags;
    for (int flag = 0; flag < 6; ++flag)
    {
        flags += std::to_string(in.ReadU8()) + " ";
    }
    if (in.Ok())
    {
        std::printf("  %-28s %s\n", "story flags", flags.c_str());
    }
    for (std::uint32_t level = 1; in.Remaining() > 0 && in.Ok(); ++level)
    {
        const std::int32_t pass = in.ReadI32();
        if (in.Ok())
        {
            std::printf("  level %-22u pass type %d\n", level, pass);
        }
    }
}

enum ExitCode
{
    kAllAccepted = 0,
    kSomethingClamped = 1,
    kSomethingRefused = 2,
};

enum class FileKind
{
    PlayerList,
    BestTimes,
    PlayerFile,
    Unknown,
};

struct FileName
{
    FileKind kind = FileKind::Unknown;
    std::uint32_t player = 0;
    std::uint32_t playerKind = 0;
};

FileName ParseName(const std::string& name)
{
    if (name == "Users.dat")
    {
        return {FileKind::PlayerList};
    }
    if (name == "Save0b.dat")
    {
        return {FileKind::BestTimes};
    }
    static const std::regex playerFile(R"(Save(\d{1,9})_([1-5])\.dat)");
    std::smatch match;
    if (std::regex_match(name, match, playerFile))
    {
        return {FileKind::PlayerFile, static_cast<std::uint32_t>(std::stoul(match[1].str())),
                static_cast<std::uint32_t>(std::stoul(match[2].str()))};
    }
    return {};
}

void PrintFields(const FileName& name, const std::vector<std::uint8_t>& bytes)
{
    const bool isList = name.kind == FileKind::PlayerList;
    BinaryReader in(isList && bytes.size() >= 8 ? std::span<const std::uint8_t>(bytes).first(bytes.size() - 8)
                                                : std::span<const std::uint8_t>(bytes));
    switch (name.kind)
    {
    case FileKind::PlayerList:
        DumpUsers(in, bytes);
        break;
    case FileKind::BestTimes:
        DumpBestTimes(in);
        break;
    case FileKind::PlayerFile:
        std::printf("  player %u, kind %u\n", name.player, name.playerKind);
        switch (name.playerKind)
        {
        case Profile::kSettings:
            DumpSettings(in);
            break;
        case Profile::kAchievements:
            DumpAchievements(in);
            break;
        case Profile::kUpgrades:
            DumpUpgrades(in);
            break;
        case Profile::kLevelInPlay:
            DumpLevelInPlay(in, bytes);
            break;
        default:
            DumpMap(in);
            break;
        }
        break;
    case FileKind::Unknown:
        break;
    }
    if (!in.Ok())
    {
        std::printf("  the file ends inside a field\n");
    }
    else if (!in.AtEnd())
    {
        std::printf("  %zu bytes more than the layout holds\n", in.Remaining());
    }
}

// The stored level of a level save, or nothing when the file is too short to hold one.
std::optional<std::int32_t> StoredLevel(const std::vector<std::uint8_t>& bytes)
{
    BinaryReader in(bytes);
    in.ReadU32();
    const std::int32_t level = in.ReadI32();
    return in.Ok() ? std::optional<std::int32_t>(level) : std::nullopt;
}

// A level save is read against the level it belongs to, built from the game's data as the game does
// when the player continues it.
class LevelCheck
{
public:
    explicit LevelCheck(const std::string& dataFolder) : mFiles(dataFolder)
    {
        mLog.Open(Korrin::LogManager::kDefaultLog, "/dev/null");
        mFiles.AddDirectory("media");
    }

    // False when the level's data is not there to check against.
    static bool HasLevel(const std::string& dataFolder, std::int32_t levelIndex)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "lev%02d.lev", levelIndex + 1);
        return std::filesystem::exists(std::filesystem::path(dataFolder) / "media" / name);
    }

    void Run(Profile& profile, std::int32_t levelIndex)
    {
        // The player's progress and map-shop purchases shape the level (its tutorial, the shop's halves,
        // the storehouse's rows): read them first, as the game has them when it continues a level.
        profile.LoadMap();
        profile.LoadUpgrades();
        profile.levelInPlay = levelIndex;
        profile.LoadGame();
    }

private:
    Korrin::LogManager mLog;
    Korrin::FileSysManager mFiles;
    // The characters' figures are skeletons: their records name the animations these hold.
    Korrin::SkeletonManager mSkeletons;
    Game mGame;
};

// Runs the game's loader of the file's kind in a world of its own and returns its verdict.
SaveFormat::Verdict RunLoader(const std::string& path, const FileName& name,
                              const std::vector<std::uint8_t>& bytes, const std::string& dataFolder,
                              bool& unchecked)
{
    Platform::Folders::SetSaveFolder(std::filesystem::path(path).parent_path().string());
    Main main;
    ProgressBoardManager boards;
    Profile profile;
    std::string loaderPath;
    switch (name.kind)
    {
    case FileKind::PlayerList:
        profile.LoadUserList(false);
        loaderPath = profile.GetUserListFileName();
        break;
    case FileKind::BestTimes:
        profile.LoadBestTimes();
        loaderPath = profile.GetBestTimesFileName();
        break;
    case FileKind::PlayerFile:
        profile.OpenPlayerFiles(name.player);
        loaderPath = profile.GetSaveFileName(name.playerKind, name.player);
        switch (name.playerKind)
        {
        case Profile::kSettings:
            profile.LoadSettings(false);
            break;
        case Profile::kAchievements:
            DefineAchievements();
            profile.LoadAchievements();
            break;
        case Profile::kUpgrades:
            profile.LoadUpgrades();
            break;
        case Profile::kLevelInPlay:
        {
            const std::optional<std::int32_t> level = StoredLevel(bytes);
            if (!level || *level < 0 || *level >= static_cast<std::int32_t>(kLevelCount))
            {
                SaveFormat::Refused(loaderPath, level ? "no such level" : "no level number");
            }
            else if (!LevelCheck::HasLevel(dataFolder, *level))
            {
                unchecked = true;
            }
            else
            {
                LevelCheck check(dataFolder);
                check.Run(profile, *level);
            }
            break;
        }
        default:
            profile.LoadMap();
            break;
        }
        break;
    case FileKind::Unknown:
        break;
    }
    return SaveFormat::GetVerdict(loaderPath);
}

std::string Joined(const std::vector<std::string>& notes)
{
    std::string text;
    for (const std::string& note : notes)
    {
        text += (text.empty() ? "" : "; ") + note;
    }
    return text;
}

int Check(const std::string& path, const std::string& dataFolder)
{
    const FileName name = ParseName(std::filesystem::path(path).filename().string());
    if (name.kind == FileKind::Unknown)
    {
        // The lock, kept-aside copies and the like lie in the save folder too; the game reads none of them.
        std::printf("%s\n  SKIPPED: not one of the game's save files (Users.dat, Save0b.dat, "
                    "Save<player>_<1-5>.dat)\n",
                    path.c_str());
        return kAllAccepted;
    }
    std::vector<std::uint8_t> bytes;
    if (Korrin::DiskFile::ReadAll(path, SaveFormat::kMaxFileBytes, bytes) != Korrin::DiskFile::ReadResult::Ok)
    {
        std::printf("%s\n  cannot be read (missing, unreadable or far too large)\n", path.c_str());
        return kSomethingRefused;
    }
    std::printf("%s (%zu bytes)\n", path.c_str(), bytes.size());
    PrintFields(name, bytes);

    bool unchecked = false;
    const SaveFormat::Verdict verdict = RunLoader(path, name, bytes, dataFolder, unchecked);
    for (const std::string& line : SaveFormat::TakePendingLog())
    {
        std::printf("  log: %s\n", line.c_str());
    }
    const std::string notes = Joined(verdict.notes);
    if (unchecked)
    {
        std::printf("  NOT CHECKED: the level's data is not in '%s' (--data names the game's data folder)\n",
                    dataFolder.c_str());
        return kSomethingClamped;
    }
    switch (verdict.outcome)
    {
    case SaveFormat::Outcome::Accepted:
        std::printf("  ACCEPTED\n");
        return kAllAccepted;
    case SaveFormat::Outcome::Clamped:
        std::printf("  ACCEPTED WITH CLAMPED VALUES: %s\n", notes.c_str());
        return kSomethingClamped;
    case SaveFormat::Outcome::KeptAsItIs:
        std::printf("  KEPT AS IT IS, NOT READ: %s\n", notes.c_str());
        return kSomethingClamped;
    case SaveFormat::Outcome::Refused:
        std::printf("  REFUSED: %s (the game keeps it aside and starts that data afresh)\n", notes.c_str());
        return kSomethingRefused;
    }
    return kSomethingRefused;
}

// The game's data folder beside this program, as in a build folder.
std::string DefaultDataFolder(const char* program)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    return (error ? std::filesystem::path(program) : self).parent_path().string();
}

} // namespace

int main(int argc, char** argv)
{
    std::string dataFolder = DefaultDataFolder(argv[0]);
    std::vector<std::string> files;
    for (int argument = 1; argument < argc; ++argument)
    {
        const std::string text = argv[argument];
        if (text == "--data" && argument + 1 < argc)
        {
            dataFolder = argv[++argument];
        }
        else
        {
            files.push_back(text);
        }
    }
    if (files.empty())
    {
        std::fprintf(stderr, "usage: wf_savedump [--data FOLDER] FILE...\n");
        return kSomethingRefused;
    }
    SaveFormat::SetCheckOnly(true);
    ReadDefinitions(dataFolder);
    int result = kAllAccepted;
    for (const std::string& file : files)
    {
        result = std::max(result, Check(file, dataFolder));
    }
    return result;
}
