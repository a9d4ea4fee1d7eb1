// The best times of every level, shared by all players.
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

constexpr std::size_t kBestTimeRecordMinBytes = 12;

} // namespace

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
    return ProfileFiles::Write(GetBestTimesFileName(), out);
}

void Profile::LoadBestTimes()
{
    const std::string path = GetBestTimesFileName();
    std::vector<std::uint8_t> bytes;
    if (!ProfileFiles::Read(path, bytes))
    {
        return;
    }
    Korrin::BinaryReader in(bytes);
    if (!SaveFormat::ReadVersion(in, path, ProfileFiles::kWrongVersion))
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
