#include "game/AppDataFolder.h"

#include "platform/Folders.h"

#include <filesystem>

void GetAppDataFolder(std::string& out)
{
    const std::string saveFolder = Platform::Folders::SaveFolder();
    if (saveFolder.empty())
    {
        return;
    }
    out = std::filesystem::path(saveFolder).parent_path().string();
}
