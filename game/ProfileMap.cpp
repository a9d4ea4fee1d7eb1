// A player's progress on the world map and in the story.
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

constexpr std::uint16_t kLastLevelIndex = kLevelCount - 1;

// The levels' pass types as stored, each held to the known ones (-1 to 2).
std::vector<LevelPassType> CleanPasses(const std::string& path, const std::vector<std::int32_t>& storedPasses)
{
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
    return passes;
}

} // namespace

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
    return ProfileFiles::Write(GetSaveFileName(kMap, currentPlayer), out);
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
    if (info == nullptr || !ProfileFiles::Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, ProfileFiles::kWrongVersion))
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
    const std::vector<LevelPassType> passes = CleanPasses(path, storedPasses);
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
