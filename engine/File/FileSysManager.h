#pragma once

#include "engine/File/FileSysLocal.h"
#include "engine/Util/Singleton.h"

#include <string>
#include <vector>

namespace Korrin
{

class FileData;

// Finds data files: each search folder in the order added, then the plain path, all taken from the
// start folder (the folder holding "media" and "config.cfg"). Names are used as the callers give them.
class FileSysManager : public Singleton<FileSysManager>
{
public:
    // The start folder is the game's data folder unless given.
    FileSysManager();
    explicit FileSysManager(const std::string& startFolder);

    static FileSysManager* GetInstance();

    // Appends a search folder unless exactly that string is already listed ("Media" and "media" differ).
    void AddDirectory(const std::string& folder);
    // Reads the first match whole into data; false when no search folder nor the plain path has it.
    bool FindFileData(const std::string& path, FileData& data, const char* mode = "rb");

    const std::vector<std::string>& GetSearchFolders() const { return mSearchFolders; }
    const std::string& GetStartFolder() const { return mStartFolder; }
    FileSysLocal& GetLocalFileSystem() { return mLocal; }

private:
    void CheckStartFolder() const;

    std::vector<std::string> mSearchFolders;
    std::string mStartFolder;
    FileSysLocal mLocal;
};

} // namespace Korrin
