// The player list: who plays, which player is selected, and the files a player owns.
#include "engine/App/Application.h"
#include "engine/File/BinaryReader.h"
#include "engine/File/BinaryWriter.h"
#include "engine/File/DiskFile.h"
#include "engine/File/FileSysManager.h"
#include "engine/Gui/CursorManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/SoundManager.h"
#include "game/GUI/AchievementSystem.h"
#include "game/GUI/GameGuiManager.h"
#include "game/GUI/NewCharacterGui.h"
#include "game/GUI/ProgressBoardManager.h"
#include "game/GUI/RewardAlertSystemGui.h"
#include "game/Game/EducationSlot.h"
#include "game/Game/Game.h"
#include "game/Game/GameInfo.h"
#include "game/Game/LevelTaskInfo.h"
#include "game/Game/SaveLoadManager.h"
#include "game/Game/TableCost.h"
#include "game/Main.h"
#include "game/Map.h"
#include "game/Profile.h"
#include "game/ProfileFiles.h"
#include "game/Util/GameGlobals.h"
#include "game/Util/SaveFormat.h"
#include "platform/Folders.h"
#include "platform/Services.h"

#include <algorithm>
#include <filesystem>
#include <regex>

namespace
{

constexpr std::size_t kChecksumBytes = 8;

constexpr std::size_t kPlayerRecordMinBytes = 6;

std::uint64_t ByteSum(const std::uint8_t* bytes, std::size_t count)
{
    std::uint64_t sum = 0;
    for (std::size_t index = 0; index < count; ++index)
    {
        sum += bytes[index];
    }
    return sum;
}

// The player number in a player's file name ("Save<n>_<kind>.dat", also kept aside or half written).
std::optional<std::uint64_t> NumberInFileName(const std::string& name)
{
    static const std::regex playerFile(R"(Save(\d{1,19})_\d+\.dat(\..*)?)", std::regex::icase);
    std::smatch match;
    if (!std::regex_match(name, match, playerFile))
    {
        return std::nullopt;
    }
    return std::stoull(match[1].str());
}

// Reads the list's file and checks the sum of its bytes at its end; false, with the reason logged, when
// it is missing, short or damaged.
bool ReadSummedFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    if (!ProfileFiles::Read(path, bytes))
    {
        return false;
    }
    if (bytes.size() < kChecksumBytes)
    {
        SaveFormat::Refused(path, "shorter than its checksum");
        return false;
    }
    const std::size_t body = bytes.size() - kChecksumBytes;
    Korrin::BinaryReader checksum(std::span<const std::uint8_t>(bytes).subspan(body));
    if (ByteSum(bytes.data(), body) != checksum.ReadU64())
    {
        SaveFormat::Refused(path, "checksum");
        return false;
    }
    return true;
}

// The player records; `next` rises above every number read, so that a new player never takes the
// number (and so the files) of a listed one.
std::vector<Profile::Player> ReadPlayers(Korrin::BinaryReader& in, const std::string& path,
                                         std::uint32_t count, std::uint32_t& next)
{
    std::vector<Profile::Player> players;
    if (!in.CheckCount(count, kPlayerRecordMinBytes, Profile::kMaxPlayers))
    {
        return players;
    }
    for (std::uint32_t record = 0; record < count && in.Ok(); ++record)
    {
        Profile::Player player;
        player.name = in.ReadUtf16(in.ReadU16(), Profile::kMaxNameUnits);
        player.number = in.ReadU32();
        if (player.number >= next)
        {
            SaveFormat::Clamped(path, "next player number %u raised above player %u", next, player.number);
            next = player.number + 1;
        }
        players.push_back(std::move(player));
    }
    return players;
}

// A stored selection outside the list selects the first player, so that the name shown and the files
// used belong to the same player.
std::int32_t SelectionInside(const std::string& path, std::int32_t selected, std::size_t count)
{
    const bool inside = selected >= 0 && static_cast<std::size_t>(selected) < count;
    if (!inside)
    {
        SaveFormat::Clamped(path, "selected index %d outside the list; the first player is selected",
                            selected);
    }
    return inside ? selected : 0;
}

} // namespace

bool Profile::SaveUserList()
{
    const std::string folder = GetSaveFolder();
    if (folder.empty() || !Platform::Folders::MakeFolders(folder))
    {
        return false;
    }
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    out.WriteU32(nextPlayerNumber);
    out.WriteU32(static_cast<std::uint32_t>(mPlayers.size()));
    out.WriteI32(mSelectedIndex);
    for (const Player& player : mPlayers)
    {
        out.WriteU16(static_cast<std::uint16_t>(player.name.size()));
        out.WriteUtf16(player.name);
        out.WriteU32(player.number);
    }
    out.WriteU64(ByteSum(out.Bytes().data(), out.Bytes().size()));
    return ProfileFiles::Write(GetUserListFileName(), out);
}

void Profile::LoadUserList(bool refreshList)
{
    // The program's first read of the list runs before the log exists; its lines go out now.
    SaveFormat::FlushPendingLog();
    mLoaded = false;
    const std::string path = GetUserListFileName();
    std::vector<std::uint8_t> bytes;
    if (!ReadSummedFile(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(std::span<const std::uint8_t>(bytes).first(bytes.size() - kChecksumBytes));
    if (!SaveFormat::ReadVersion(in, path, ProfileFiles::kWrongVersion))
    {
        mPlayers.clear();
        return;
    }
    std::uint32_t next = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    const std::int32_t selected = in.ReadI32();
    std::vector<Player> players = ReadPlayers(in, path, count, next);
    if (!in.Ok() || !in.AtEnd() || (!players.empty() && next == 0))
    {
        SaveFormat::Refused(path, "player records");
        return;
    }
    mPlayers = std::move(players);
    nextPlayerNumber = next;
    mSelectedIndex = 0;
    if (!mPlayers.empty())
    {
        mSelectedIndex = SelectionInside(path, selected, mPlayers.size());
        currentPlayer = mPlayers[static_cast<std::size_t>(mSelectedIndex)].number;
    }
    mLoaded = true;
    GameInfo* info = GameInfo::Peek();
    if (refreshList && info != nullptr && !mPlayers.empty())
    {
        info->playerName = mPlayers[static_cast<std::size_t>(mSelectedIndex)].name;
    }
}

void Profile::SetSelectedIndex(std::int32_t index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < mPlayers.size())
    {
        mSelectedIndex = index;
    }
}

void Profile::SelectCurrentPlayer()
{
    if (mSelectedIndex < 0 || static_cast<std::size_t>(mSelectedIndex) >= mPlayers.size())
    {
        return;
    }
    const Player& player = mPlayers[static_cast<std::size_t>(mSelectedIndex)];
    currentPlayer = player.number;
    if (GameInfo* info = GameInfo::Peek())
    {
        info->playerName = player.name;
    }
    mLoaded = true;
}

void Profile::RemovePlayerFiles(std::uint32_t player)
{
    for (std::uint32_t kind = kSettings; kind <= kMap; ++kind)
    {
        const std::string path = GetSaveFileName(kind, player);
        if (!path.empty())
        {
            Korrin::DiskFile::Remove(path);
        }
    }
}

bool Profile::IsListed(std::uint32_t player) const
{
    return std::any_of(mPlayers.begin(), mPlayers.end(),
                       [player](const Player& listed) { return listed.number == player; });
}

// Above the stored next number, every listed number and every number that has a file in the save folder
// (also a kept-aside or half-written one): a refused or stale list must not hand out a number whose
// files belong to someone.
std::optional<std::uint32_t> Profile::FreePlayerNumber() const
{
    std::uint64_t free = nextPlayerNumber;
    for (const Player& player : mPlayers)
    {
        free = std::max<std::uint64_t>(free, std::uint64_t{player.number} + 1);
    }
    std::error_code error;
    const std::string folder = GetSaveFolder();
    if (!folder.empty())
    {
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        {
            if (const std::optional<std::uint64_t> number =
                    NumberInFileName(entry.path().filename().string()))
            {
                free = std::max(free, *number + 1);
            }
        }
    }
    if (error && error != std::errc::no_such_file_or_directory)
    {
        SaveFormat::Log("Cannot list the save folder '%s'; no player is created", folder.c_str());
        return std::nullopt;
    }
    if (free > UINT32_MAX)
    {
        SaveFormat::Log("No player number is free in '%s'; no player is created", folder.c_str());
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(free);
}

void Profile::CreateUser(const std::u16string& name)
{
    if (mPlayers.size() >= kMaxPlayers)
    {
        return;
    }
    const std::optional<std::uint32_t> number = FreePlayerNumber();
    if (!number)
    {
        return;
    }
    // The player being left is saved only when the list names one: after a refused list the current
    // number is a default that may be another player's.
    const bool leavingListedPlayer = mLoaded && IsListed(currentPlayer);
    mPlayers.push_back(Player{name.substr(0, kMaxNameUnits), *number});
    mSelectedIndex = static_cast<std::int32_t>(mPlayers.size() - 1);
    nextPlayerNumber = *number + 1;
    if (leavingListedPlayer)
    {
        SaveAll();
    }
    SelectCurrentPlayer();
    // The new number has no files, so every value takes its default.
    SaveUserList();
    LoadAll();
    SaveAll();
}

void Profile::DeleteUser()
{
    if (mSelectedIndex < 0 || static_cast<std::size_t>(mSelectedIndex) >= mPlayers.size())
    {
        return;
    }
    const std::uint32_t deleted = mPlayers[static_cast<std::size_t>(mSelectedIndex)].number;
    // The player being left keeps the progress made since the last save, as when a player is created;
    // only a listed player is saved, since after a refused list the current number may be another's.
    if (mPlayers.size() > 1 && mLoaded && currentPlayer != deleted && IsListed(currentPlayer))
    {
        SaveAll();
    }
    currentPlayer = deleted;
    if (mPlayers.size() <= 1)
    {
        return;
    }
    RemovePlayerFiles(currentPlayer);
    mPlayers.erase(mPlayers.begin() + mSelectedIndex);
    mSelectedIndex = static_cast<std::int32_t>(mPlayers.size() - 1);
    SaveUserList();
    LoadAll();
}
