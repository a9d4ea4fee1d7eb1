#include "game/Profile.h"

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
#include "game/Util/GameGlobals.h"
#include "game/Util/SaveFormat.h"
#include "platform/Folders.h"
#include "platform/Services.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <regex>

namespace
{

constexpr std::size_t kChecksumBytes = 8;
constexpr std::size_t kPlayerRecordMinBytes = 6;
constexpr std::size_t kBestTimeRecordMinBytes = 12;
constexpr std::uint16_t kLastLevelIndex = kLevelCount - 1;
constexpr std::int32_t kSalesGoal = 100;
constexpr std::uint8_t kGoalsWindow = 1;
constexpr const char* kWrongVersion = "Wrong program version";

std::uint64_t ByteSum(const std::uint8_t* bytes, std::size_t count)
{
    std::uint64_t sum = 0;
    for (std::size_t index = 0; index < count; ++index)
    {
        sum += bytes[index];
    }
    return sum;
}

constexpr float kDefaultVolume = 0.7f;
constexpr std::int32_t kMusicSoundType = 1;
constexpr std::int32_t kEffectSoundType = 0;

// A volume from a file: 0 to 1; what is not a number keeps the default.
float CleanVolume(float volume, float fallback)
{
    if (std::isnan(volume))
    {
        return fallback;
    }
    return std::clamp(volume, 0.0f, 1.0f);
}

float ReadVolume(Korrin::BinaryReader& in, const std::string& path, const char* what, float fallback)
{
    const float volume = in.ReadF32();
    const float clean = CleanVolume(volume, fallback);
    if (!in.Ok() || clean == volume)
    {
        return clean;
    }
    if (std::isnan(volume))
    {
        SaveFormat::Clamped(path, "%s not a number read as %g", what, static_cast<double>(clean));
    }
    else
    {
        SaveFormat::Clamped(path, "%s %g read as %g", what, static_cast<double>(volume),
                            static_cast<double>(clean));
    }
    return clean;
}

// A volume of the configuration's defaults, 0 to 1; a missing key or one that is not a number gives 0.7.
float DefaultVolume(const LuaValue& defaults, const char* key)
{
    Korrin::LuaStackGuard guard(defaults.GetState());
    const LuaValue value = defaults.GetField(key);
    return value.IsNumber() ? CleanVolume(value.ToFloat(), kDefaultVolume) : kDefaultVolume;
}

RewardAlertSystemGui* RewardWindow()
{
    Main* main = Main::Peek();
    GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    return windows != nullptr
               ? dynamic_cast<RewardAlertSystemGui*>(windows->Get(RewardAlertSystemGui::kWindowId))
               : nullptr;
}

bool Write(const std::string& path, const Korrin::BinaryWriter& out)
{
    return SaveFormat::WriteSave(path, out.Bytes());
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

// Reads a save file; false when it is missing, has no name (no player, no save folder) or cannot be read.
bool Read(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    return !path.empty() && SaveFormat::ReadFile(path, bytes);
}

// The tutorial slot of the screen manager, which holds the tips switch while the game runs.
EducationSlot* TipsSlot()
{
    Main* main = Main::Peek();
    return main != nullptr ? main->GetEducationSlot() : nullptr;
}

} // namespace

// Files kept as they are belong to one run of the profile.
Profile::Profile()
{
    SaveFormat::Forget();
}

Profile::~Profile()
{
    SaveFormat::Forget();
}

void Profile::OpenPlayerFiles(std::uint32_t player)
{
    currentPlayer = player;
    mLoaded = true;
}

void Profile::RemoveLeftoverTemporaries()
{
    const std::string folder = GetSaveFolder();
    if (folder.empty())
    {
        return;
    }
    for (const std::string& path : Korrin::DiskFile::RemoveTemporaries(folder))
    {
        SaveFormat::Log("Removed '%s', left by a save that did not finish", path.c_str());
    }
}

std::string Profile::GetSaveFolder() const
{
    return Platform::Folders::SaveFolder();
}

std::string Profile::GetSaveFileName(std::uint32_t kind, std::uint32_t player) const
{
    const std::string folder = GetSaveFolder();
    if (!mLoaded || folder.empty())
    {
        return {};
    }
    return folder + "/Save" + std::to_string(player) + "_" + std::to_string(kind) + ".dat";
}

// Without a save folder there are no file names, rather than names in the file system's root.
std::string Profile::GetUserListFileName() const
{
    const std::string folder = GetSaveFolder();
    return folder.empty() ? std::string() : folder + "/Users.dat";
}

std::string Profile::GetBestTimesFileName() const
{
    const std::string folder = GetSaveFolder();
    return folder.empty() ? std::string() : folder + "/Save0b.dat";
}

// ---- The player list ----

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
    return Write(GetUserListFileName(), out);
}

void Profile::LoadUserList(bool refreshList)
{
    // The program's first read of the list runs before the log exists; its lines go out now.
    SaveFormat::FlushPendingLog();
    mLoaded = false;
    const std::string path = GetUserListFileName();
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes))
    {
        return;
    }
    if (bytes.size() < kChecksumBytes)
    {
        SaveFormat::Refused(path, "shorter than its checksum");
        return;
    }
    const std::size_t body = bytes.size() - kChecksumBytes;
    Korrin::BinaryReader checksum(std::span<const std::uint8_t>(bytes).subspan(body));
    if (ByteSum(bytes.data(), body) != checksum.ReadU64())
    {
        SaveFormat::Refused(path, "checksum");
        return;
    }
    Korrin::BinaryReader in(std::span<const std::uint8_t>(bytes).first(body));
    if (!SaveFormat::ReadVersion(in, path, kWrongVersion))
    {
        mPlayers.clear();
        return;
    }
    std::uint32_t next = in.ReadU32();
    const std::uint32_t count = in.ReadU32();
    const std::int32_t selected = in.ReadI32();
    std::vector<Player> players;
    if (in.CheckCount(count, kPlayerRecordMinBytes, kMaxPlayers))
    {
        for (std::uint32_t record = 0; record < count && in.Ok(); ++record)
        {
            Player player;
            player.name = in.ReadUtf16(in.ReadU16(), kMaxNameUnits);
            player.number = in.ReadU32();
            // A new player must never take the number (and so the files) of a listed one.
            if (player.number >= next)
            {
                SaveFormat::Clamped(path, "next player number %u raised above player %u", next,
                                    player.number);
                next = player.number + 1;
            }
            players.push_back(std::move(player));
        }
    }
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
        // A stored selection outside the list selects the first player, so that the name shown and the
        // files used belong to the same player.
        const bool inside = selected >= 0 && static_cast<std::size_t>(selected) < mPlayers.size();
        if (!inside)
        {
            SaveFormat::Clamped(path, "selected index %d outside the list; the first player is selected",
                                selected);
        }
        mSelectedIndex = inside ? selected : 0;
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

// ---- Settings ----

bool Profile::SaveSettings()
{
    const std::string path = GetSaveFileName(kSettings, currentPlayer);
    if (path.empty())
    {
        return false;
    }
    TakeLiveVolumes();
    if (const EducationSlot* tips = TipsSlot())
    {
        mSettings.tipsEnabled = tips->IsEnabled() ? 1 : 0;
    }
    const Korrin::Application* application = Korrin::Application::GetCurrent();
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    out.WriteF32(mSettings.soundVolume);
    out.WriteF32(mSettings.musicVolume);
    out.WriteU8(mSettings.tipsEnabled);
    out.WriteU8(application != nullptr ? static_cast<std::uint8_t>(application->IsWindowed()) : displayMode);
    out.WriteU8(static_cast<std::uint8_t>(GameGlobals::prettyCursor));
    if (!Korrin::DiskFile::WriteReplacing(path, out.Bytes()))
    {
        Korrin::ReportAndBreak("Failed to save settings file", Korrin::kGameModule, "Source\\Profile", 359);
        return false;
    }
    return true;
}

bool Profile::LoadSettings(bool apply)
{
    Settings settings;
    settings.displayMode = 0;
    const std::string path = GetSaveFileName(kSettings, currentPlayer);
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes))
    {
        if (apply)
        {
            mSettings.tipsEnabled = 1;
        }
        ApplyDefaultSettings(apply);
        return true;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, "Settings of another program version"))
    {
        return false;
    }
    settings.soundVolume = ReadVolume(in, path, "sound volume", settings.soundVolume);
    settings.musicVolume = ReadVolume(in, path, "music volume", settings.musicVolume);
    settings.tipsEnabled = in.ReadU8() != 0 ? 1 : 0;
    settings.displayMode = in.ReadU8() != 0 ? 1 : 0;
    settings.prettyCursor = in.ReadU8() != 0 ? 1 : 0;
    if (!in.Ok() || !in.AtEnd())
    {
        SaveFormat::Refused(path, "settings");
        return false;
    }
    mSettings = settings;
    GameGlobals::prettyCursor = settings.prettyCursor != 0;
    displayMode = mForcedWindowed ? static_cast<std::uint8_t>(*mForcedWindowed) : settings.displayMode;
    if (apply)
    {
        ApplySettings();
    }
    return true;
}

void Profile::ApplyDefaultSettings(bool apply)
{
    if (!apply)
    {
        return;
    }
    mSettings.soundVolume = kDefaultVolume;
    mSettings.musicVolume = kDefaultVolume;
    if (Korrin::FileSysManager::Peek() != nullptr)
    {
        Korrin::LuaScript config;
        config.LoadFile("config.cfg", Korrin::LuaScript::IfMissing::Report);
        Korrin::LuaStackGuard guard(config.GetState());
        const LuaValue defaults = config.GetGlobal("DefaultSettings");
        if (defaults.IsTable())
        {
            mSettings.musicVolume = DefaultVolume(defaults, "Music");
            mSettings.soundVolume = DefaultVolume(defaults, "Sound");
        }
        else
        {
            config.LogFault("no table \"DefaultSettings\"; the volumes start at 0.7");
        }
    }
    ApplySettings();
}

void Profile::ChangeSettings(const Settings& settings)
{
    mSettings = settings;
    mSettings.soundVolume = CleanVolume(settings.soundVolume, kDefaultVolume);
    mSettings.musicVolume = CleanVolume(settings.musicVolume, kDefaultVolume);
    GameGlobals::prettyCursor = settings.prettyCursor != 0;
    displayMode = settings.displayMode;
    ApplySettings();
}

void Profile::ForceDisplayMode(bool windowed)
{
    mForcedWindowed = windowed;
    displayMode = static_cast<std::uint8_t>(windowed);
}

// The volumes the player set, also while the sound is muted in the background.
void Profile::TakeLiveVolumes()
{
    const Korrin::SoundManager* sound = Korrin::SoundManager::Peek();
    if (sound == nullptr)
    {
        return;
    }
    const bool muted = sound->GetSavedEffectsVolume() >= 0.0f && sound->GetSavedMusicVolume() >= 0.0f;
    mSettings.soundVolume = muted ? sound->GetSavedEffectsVolume() : sound->GetEffectsVolume();
    mSettings.musicVolume = muted ? sound->GetSavedMusicVolume() : sound->GetMusicVolume();
}

void Profile::ApplySettings()
{
    if (EducationSlot* tips = TipsSlot())
    {
        tips->SetEnabled(mSettings.tipsEnabled != 0);
    }
    if (Korrin::SoundManager* sound = Korrin::SoundManager::Peek())
    {
        sound->SetVolume(mSettings.musicVolume, kMusicSoundType);
        sound->SetVolume(mSettings.soundVolume, kEffectSoundType);
    }
    if (Korrin::Application* application = Korrin::Application::GetCurrent();
        application != nullptr && application->GetWindow() != 0)
    {
        application->ResetDevice(displayMode != 0);
    }
    if (Korrin::CursorManager* cursor = Korrin::CursorManager::Peek())
    {
        // The system arrow stands in for the drawn cursor; a set-cursor message makes the change show at
        // once.
        cursor->SetShowSystemCursor(!GameGlobals::prettyCursor);
        if (Platform::Services::Exists())
        {
            Platform::WindowSystem& windows = Platform::Services::Current().Window();
            windows.MoveCursor(windows.Mouse().Position());
        }
    }
}

// ---- Achievements and upgrades ----

void Profile::LoadAchievements()
{
    if (AchievementSystem* achievements = AchievementSystem::Peek())
    {
        const std::string path = GetSaveFileName(kAchievements, currentPlayer);
        achievements->Load(path);
        if (SaveFormat::IsKeptAsItIs(path))
        {
            // What a save would write while the player earns nothing: then the kept file stays.
            Korrin::BinaryWriter unchanged;
            achievements->Write(unchanged);
            SaveFormat::SetUnchangedBytes(path, unchanged.Bytes());
        }
    }
    if (Main* main = Main::Peek())
    {
        if (Blank* menu = main->Find("MainMenu"))
        {
            menu->Reset();
        }
    }
}

bool Profile::SaveUpgrades()
{
    TableCost* table = TableCost::Peek();
    if (table == nullptr)
    {
        return false;
    }
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    for (const auto& [id, record] : table->Records())
    {
        out.WriteU16(record.upgradeLevel);
        out.WriteU8(record.owned);
    }
    const ProgressBoardManager* boards = ProgressBoardManager::Peek();
    ProgressBoardManager::Write(out,
                                boards != nullptr ? boards->GetBoards() : ProgressBoardManager::Boards());
    return Write(GetSaveFileName(kUpgrades, currentPlayer), out);
}

void Profile::LoadUpgrades()
{
    TableCost* table = TableCost::Peek();
    ProgressBoardManager* boards = ProgressBoardManager::Peek();
    if (table != nullptr)
    {
        table->Fill();
    }
    if (boards != nullptr)
    {
        boards->Load(nullptr);
    }
    const std::string path = GetSaveFileName(kUpgrades, currentPlayer);
    std::vector<std::uint8_t> bytes;
    if (table == nullptr || !Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, kWrongVersion))
    {
        return;
    }
    std::map<std::uint8_t, CostRecord> records = table->Records();
    for (auto& [id, record] : records)
    {
        // A level past the last row would price upgrades that do not exist.
        const std::uint16_t level = in.ReadU16();
        if (in.Ok() && level > record.maxLevel)
        {
            SaveFormat::Clamped(path, "record %u upgrade level %u read as %u", id, level, record.maxLevel);
        }
        record.upgradeLevel = std::min(level, record.maxLevel);
        record.owned = in.ReadU8() != 0 ? 1 : 0;
    }
    ProgressBoardManager::Boards loadedBoards;
    if (!ProgressBoardManager::Read(in, loadedBoards) || !in.AtEnd())
    {
        SaveFormat::Refused(path, "upgrades");
        return;
    }
    table->Records() = std::move(records);
    if (boards != nullptr)
    {
        boards->SetBoards(std::move(loadedBoards));
    }
}

// ---- The level in play ----

bool Profile::SaveGame()
{
    Main* main = Main::Peek();
    LevelTaskInfo* task = LevelTaskInfo::Peek();
    if (main == nullptr || main->GetCurrent() != Main::kGameScreen || task == nullptr)
    {
        return false;
    }
    levelInPlay = static_cast<std::int32_t>(task->level) - 1;
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    out.WriteI32(levelInPlay);
    out.WriteI32(salesCount);
    if (const SaveLoadManager* records = SaveLoadManager::Peek())
    {
        records->SaveAll(out);
    }
    if (const RewardAlertSystemGui* rewards = RewardWindow())
    {
        rewards->Save(out);
    }
    const std::string path = GetSaveFileName(kLevelInPlay, currentPlayer);
    KeepAsideUncontinuableSave(path);
    return Write(path, out);
}

// A level save that cannot be continued (another version, too short to name its level) was only logged
// when asked about; it is still the player's file, kept aside before a new save or a deletion replaces it.
void Profile::KeepAsideUncontinuableSave(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    const std::uint32_t version = in.ReadU32();
    in.ReadI32();
    if (!in.Ok() || version != SaveFormat::kVersion)
    {
        SaveFormat::Refused(path, "a saved level that cannot be continued");
    }
}

// A question only: a file that cannot answer is logged and left where it is; it is judged (and kept aside
// when damaged) when the level is really loaded.
std::int32_t Profile::GetSavedGameLevel()
{
    const std::string path = GetSaveFileName(kLevelInPlay, currentPlayer);
    std::vector<std::uint8_t> bytes;
    if (path.empty() ||
        Korrin::DiskFile::ReadAll(path, SaveFormat::kMaxFileBytes, bytes) != Korrin::DiskFile::ReadResult::Ok)
    {
        return -1;
    }
    Korrin::BinaryReader in(bytes);
    const std::uint32_t version = in.ReadU32();
    const std::int32_t stored = in.ReadI32();
    if (in.Ok() && version != SaveFormat::kVersion)
    {
        SaveFormat::Log("%s", kWrongVersion);
    }
    if (!in.Ok() || version != SaveFormat::kVersion)
    {
        SaveFormat::Log("The saved level '%s' cannot be continued", path.c_str());
        return -1;
    }
    return stored == levelInPlay ? levelInPlay : -1;
}

Profile::LoadGameResult Profile::LoadGame()
{
    if (RewardAlertSystemGui* rewards = RewardWindow())
    {
        rewards->Reset();
    }
    // A level that cannot be built says nothing about its save, which is kept for a later start.
    if (Game* game = Game::Peek();
        game != nullptr && !game->StartLevel(static_cast<std::uint16_t>(levelInPlay + 1)))
    {
        SaveFormat::Log("The level %d could not be built; its save is kept as it is", levelInPlay + 1);
        return LoadGameResult::LevelNotStarted;
    }
    std::vector<std::uint8_t> bytes;
    const std::string path = GetSaveFileName(kLevelInPlay, currentPlayer);
    if (!Read(path, bytes))
    {
        ShowLevelWindows();
        return LoadGameResult::NoSave;
    }
    if (LoadLevelRecords(path, bytes))
    {
        ShowLevelWindows();
        return LoadGameResult::Loaded;
    }
    RestartDamagedLevel(path);
    return LoadGameResult::Damaged;
}

// Once the level stands (started, its records read): its new-character card, which falls through to
// the goals window when the level brings no one. Shown after the start, so the goals window's hold on
// the panel is not undone by the level's own start.
void Profile::ShowLevelWindows()
{
    Main* main = Main::Peek();
    GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr;
    if (windows == nullptr)
    {
        return;
    }
    windows->Show(NewCharacterGui::kWindowId);
    if (auto* card = dynamic_cast<NewCharacterGui*>(windows->Get(NewCharacterGui::kWindowId)))
    {
        card->SetCharacter(levelInPlay);
    }
}

bool Profile::LoadLevelRecords(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    Korrin::BinaryReader in(bytes);
    const std::uint32_t version = in.ReadU32();
    const std::int32_t stored = in.ReadI32();
    const std::int32_t sales = in.ReadI32();
    if (!in.Ok() || version != SaveFormat::kVersion || stored != levelInPlay)
    {
        return false;
    }
    if (const SaveLoadManager* records = SaveLoadManager::Peek(); records != nullptr && !records->LoadAll(in))
    {
        return false;
    }
    // The reward queue was added to the layout later: a save that ends after the records has none. One
    // that begins but is cut short is damaged.
    // Nothing of the reward window's reset before the load stays in the queue of a save that has none.
    if (RewardAlertSystemGui* rewards = RewardWindow(); rewards != nullptr)
    {
        if (in.AtEnd())
        {
            rewards->ClearPending();
        }
        else if (!rewards->Load(in) || !in.AtEnd())
        {
            return false;
        }
    }
    const std::int32_t clean = std::clamp(sales, 0, kSalesGoal);
    if (clean != sales)
    {
        SaveFormat::Clamped(path, "sales count %d read as %d", sales, clean);
    }
    salesCount = clean;
    return true;
}

// The saved level did not fit the level as built: the half-read level is thrown away and started afresh
// with its goals window; the save is kept aside, not deleted.
void Profile::RestartDamagedLevel(const std::string& path)
{
    SaveFormat::Log("The saved level %d does not match its level; the level starts afresh", levelInPlay + 1);
    SaveFormat::Refused(path, "level records");
    if (RewardAlertSystemGui* rewards = RewardWindow())
    {
        rewards->Reset();
    }
    if (Game* game = Game::Peek())
    {
        game->StartLevel(static_cast<std::uint16_t>(levelInPlay + 1));
    }
    Main* main = Main::Peek();
    if (GameGuiManager* windows = main != nullptr ? main->GetGameGuiManager() : nullptr)
    {
        windows->Show(kGoalsWindow);
    }
}

void Profile::DeleteSavedGame()
{
    const std::string path = GetSaveFileName(kLevelInPlay, currentPlayer);
    if (path.empty())
    {
        return;
    }
    KeepAsideUncontinuableSave(path);
    if (!SaveFormat::IsKeptAsItIs(path))
    {
        Korrin::DiskFile::Remove(path);
    }
}

// ---- Map and level progress ----

bool Profile::SaveMap()
{
    GameInfo* info = GameInfo::Peek();
    if (info == nullptr)
    {
        return false;
    }
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    out.WriteU8(mapHint);
    out.WriteU16(info->highestLevel);
    out.WriteI32(static_cast<std::int32_t>(info->totalMoney));
    out.WriteI32(storyStage);
    for (const bool flag : storyFlags)
    {
        out.WriteU8(flag ? 1 : 0);
    }
    for (const LevelPassType pass : info->passTypes)
    {
        out.WriteI32(pass);
    }
    return Write(GetSaveFileName(kMap, currentPlayer), out);
}

void Profile::ResetMap()
{
    if (GameInfo* info = GameInfo::Peek())
    {
        for (LevelPassType& pass : info->passTypes)
        {
            pass = static_cast<LevelPassType>(-1);
        }
        info->highestLevel = 0;
        info->totalMoney = 0;
    }
    storyStage = -1;
    // A new player starts the story from its beginning, not with the flags of the player before.
    storyFlags.fill(false);
    mapHint = 0;
    if (Map* map = FindMap())
    {
        map->ResetItems();
    }
}

Map* Profile::FindMap()
{
    Main* main = Main::Peek();
    return main != nullptr ? dynamic_cast<Map*>(main->Find("Map")) : nullptr;
}

void Profile::LoadMap()
{
    ResetMap();
    GameInfo* info = GameInfo::Peek();
    const std::string path = GetSaveFileName(kMap, currentPlayer);
    std::vector<std::uint8_t> bytes;
    if (info == nullptr || !Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, kWrongVersion))
    {
        return;
    }
    const std::uint8_t hint = in.ReadU8();
    const std::uint16_t storedHighest = in.ReadU16();
    const std::int32_t storedMoney = in.ReadI32();
    const std::uint16_t highest = std::min(storedHighest, kLastLevelIndex);
    const std::int32_t money = std::max(storedMoney, 0);
    const std::int32_t stage = in.ReadI32();
    std::array<bool, kStoryFlagCount> flags{};
    for (bool& flag : flags)
    {
        flag = in.ReadU8() != 0;
    }
    std::vector<std::int32_t> storedPasses;
    for (std::size_t level = 0; level < info->passTypes.size(); ++level)
    {
        storedPasses.push_back(in.ReadI32());
    }
    if (!in.Ok() || !in.AtEnd())
    {
        SaveFormat::Refused(path, "map progress");
        return;
    }
    if (highest != storedHighest)
    {
        SaveFormat::Clamped(path, "highest level %u read as %u", storedHighest, highest);
    }
    if (money != storedMoney)
    {
        SaveFormat::Clamped(path, "money %d read as %d", storedMoney, money);
    }
    std::vector<LevelPassType> passes;
    for (std::size_t level = 0; level < storedPasses.size(); ++level)
    {
        const std::int32_t pass = std::clamp(storedPasses[level], -1, 2);
        if (pass != storedPasses[level])
        {
            SaveFormat::Clamped(path, "level %zu pass type %d read as %d", level + 1, storedPasses[level],
                                pass);
        }
        passes.push_back(static_cast<LevelPassType>(pass));
    }
    mapHint = hint;
    info->highestLevel = highest;
    info->totalMoney = static_cast<std::uint32_t>(money);
    storyStage = stage;
    storyFlags = flags;
    std::copy(passes.begin(), passes.end(), info->passTypes.begin());
    if (Map* map = FindMap())
    {
        map->ShowReachedItems();
    }
}

void Profile::SetStoryStage(std::int32_t stage)
{
    if (stage < 0)
    {
        return;
    }
    if (storyStage >= 0 && static_cast<std::size_t>(storyStage) < storyFlags.size())
    {
        storyFlags[static_cast<std::size_t>(storyStage)] = false;
    }
    storyStage = stage;
}

// ---- Best times ----

bool Profile::SaveBestTimes()
{
    Korrin::BinaryWriter out;
    out.WriteU32(SaveFormat::kVersion);
    for (const TimeScoreItem& item : gBestTimes)
    {
        out.WriteU32(static_cast<std::uint32_t>(item.name.size()));
        out.WriteUtf16(item.name);
        out.WriteU32(item.minutes);
        out.WriteU32(item.seconds);
    }
    return Write(GetBestTimesFileName(), out);
}

void Profile::LoadBestTimes()
{
    const std::string path = GetBestTimesFileName();
    std::vector<std::uint8_t> bytes;
    if (!Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, kWrongVersion))
    {
        return;
    }
    std::vector<TimeScoreItem> items;
    const auto count = static_cast<std::uint32_t>(gBestTimes.size());
    if (in.CheckCount(count, kBestTimeRecordMinBytes, kLevelCount))
    {
        for (std::uint32_t level = 0; level < count && in.Ok(); ++level)
        {
            TimeScoreItem item;
            item.name = in.ReadUtf16(in.ReadU32(), kMaxNameUnits);
            item.minutes = in.ReadU32();
            item.seconds = in.ReadU32();
            items.push_back(std::move(item));
        }
    }
    if (!in.Ok() || !in.AtEnd())
    {
        SaveFormat::Refused(path, "best times");
        return;
    }
    std::move(items.begin(), items.end(), gBestTimes.begin());
}

// ---- All of a player's files ----

void Profile::SaveAll()
{
    SaveGame();
    if (const AchievementSystem* achievements = AchievementSystem::Peek())
    {
        if (const std::string path = GetSaveFileName(kAchievements, currentPlayer); !path.empty())
        {
            achievements->Save(path);
        }
    }
    SaveUpgrades();
    SaveUserList();
    SaveBestTimes();
    SaveMap();
}

bool Profile::LoadAll()
{
    if (mLoaded)
    {
        SaveUserList();
        SelectCurrentPlayer();
    }
    LoadSettings(true);
    LoadAchievements();
    LoadUpgrades();
    LoadBestTimes();
    LoadMap();
    if (AchievementSystem* achievements = AchievementSystem::Peek())
    {
        achievements->mCompletedCount = 0;
    }
    return true;
}
