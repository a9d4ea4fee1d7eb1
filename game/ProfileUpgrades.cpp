// A player's achievements and bought upgrades.
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
    return ProfileFiles::Write(GetSaveFileName(kUpgrades, currentPlayer), out);
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
    if (table == nullptr || !ProfileFiles::Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, ProfileFiles::kWrongVersion))
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
