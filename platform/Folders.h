#pragma once

#include <string>

namespace Platform
{

// The folders the program works with. Nothing here changes the process's working folder.
class Folders
{
public:
    // The working folder at start-up: relative names are resolved against it.
    static const std::string& StartFolder();

    // The folder that holds "media" and "config.cfg": the start folder unless set.
    static const std::string& DataFolder();
    static void SetDataFolder(const std::string& folder);

    // The user's folder for players and saves: $XDG_DATA_HOME/wrenfold (else ~/.local/share/wrenfold),
    // or the folder set by SetSaveFolder. Empty when neither can be found.
    static std::string SaveFolder();
    static void SetSaveFolder(const std::string& folder);

    // Makes the folder and its parents; true when it exists afterwards.
    static bool MakeFolders(const std::string& folder);

    // Makes the folder and its parents and proves that a file can be written and removed in it; when it
    // cannot, false with the reason in words (what failed and the system's error).
    static bool MakeWritableFolder(const std::string& folder, std::string& reason);
};

} // namespace Platform
