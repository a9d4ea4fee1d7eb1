// The level in play: saved on leaving it, continued from the map.
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

namespace
{

constexpr std::uint8_t kGoalsWindow = 1;

RewardAlertSystemGui* RewardWindow()
{
    GameGuiManager* windows = GameGuiManager::Current();
    return windows != nullptr
               ? dynamic_cast<RewardAlertSystemGui*>(windows->Get(RewardAlertSystemGui::kWindowId))
               : nullptr;
}

} // namespace

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
    return ProfileFiles::Write(path, out);
}

// A level save that cannot be continued (another version, too short to name its level) was only logged
// when asked about; it is still the player's file, kept aside before a new save or a deletion replaces it.
void Profile::KeepAsideUncontinuableSave(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!ProfileFiles::Read(path, bytes))
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
        SaveFormat::Log("%s", ProfileFiles::kWrongVersion);
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
    if (!ProfileFiles::Read(path, bytes))
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
    GameGuiManager* windows = GameGuiManager::Current();
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
    if (GameGuiManager* windows = GameGuiManager::Current())
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
