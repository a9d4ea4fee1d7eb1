// Prints the fields of the game's save files: the player list, the best times and a player's files of
// kinds 1 to 5. The kind is taken from the file name (Users.dat, Save0b.dat, Save<player>_<kind>.dat).
#include "engine/File/BinaryReader.h"
#include "engine/File/DiskFile.h"
#include "game/Game/TableCost.h"
#include "game/SaveFormat.h"

#include <cstdio>
#include <filesystem>
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

void FloatField(BinaryReader& in, const char* name, float value)
{
    if (in.Ok())
    {
        std::printf("  %-28s %g\n", name, static_cast<double>(value));
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

void DumpAchievements(BinaryReader& in)
{
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
            std::printf("  achievement %-16u progress %u flags %u%s\n", id, progress, flags,
                        (flags & 1) != 0 ? " (complete)" : "");
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
            std::printf(" %g", static_cast<double>(in.ReadF32()));
        }
        std::printf(" %u", in.ReadU8());
        for (int field = 0; field < 4; ++field)
        {
            std::printf(" %g", static_cast<double>(in.ReadF32()));
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

int Dump(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (Korrin::DiskFile::ReadAll(path, SaveFormat::kMaxFileBytes, bytes) != Korrin::DiskFile::ReadResult::Ok)
    {
        std::fprintf(stderr, "%s: cannot read\n", path.c_str());
        return 1;
    }
    std::printf("%s (%zu bytes)\n", path.c_str(), bytes.size());
    const std::string name = std::filesystem::path(path).filename().string();
    const bool isList = name == "Users.dat";
    BinaryReader in(isList && bytes.size() >= 8 ? std::span<const std::uint8_t>(bytes).first(bytes.size() - 8)
                                                : std::span<const std::uint8_t>(bytes));
    std::smatch match;
    static const std::regex playerFile(R"(Save(\d+)_(\d)\.dat)", std::regex::icase);
    if (isList)
    {
        DumpUsers(in, bytes);
    }
    else if (name == "Save0b.dat")
    {
        DumpBestTimes(in);
    }
    else if (std::regex_match(name, match, playerFile))
    {
        std::printf("  player %s, kind %s\n", match[1].str().c_str(), match[2].str().c_str());
        switch (match[2].str()[0])
        {
        case '1':
            DumpSettings(in);
            break;
        case '2':
            DumpAchievements(in);
            break;
        case '3':
            DumpUpgrades(in);
            break;
        case '4':
            DumpLevelInPlay(in, bytes);
            break;
        case '5':
            DumpMap(in);
            break;
        default:
            std::printf("  unknown kind\n");
            return 1;
        }
    }
    else
    {
        std::fprintf(stderr, "%s: not a save file name (Users.dat, Save0b.dat, Save<player>_<kind>.dat)\n",
                     path.c_str());
        return 1;
    }
    if (!in.Ok())
    {
        std::printf("  TRUNCATED: the file ends inside a field\n");
        return 2;
    }
    if (!in.AtEnd())
    {
        std::printf("  %zu bytes more than the layout holds\n", in.Remaining());
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: wf_savedump FILE...\n");
        return 1;
    }
    int result = 0;
    for (int argument = 1; argument < argc; ++argument)
    {
        result = std::max(result, Dump(argv[argument]));
    }
    return result;
}
