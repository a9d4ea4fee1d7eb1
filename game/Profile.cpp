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
#include "game/ProfileFiles.h"
#include "game/Util/GameGlobals.h"
#include "game/Util/SaveFormat.h"
#include "platform/Folders.h"
#include "platform/Services.h"

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
