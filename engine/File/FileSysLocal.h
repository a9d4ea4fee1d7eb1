#pragma once

#include "engine/File/CaseBlindPaths.h"
#include "engine/File/FileSystem.h"

#include <map>
#include <string>

namespace Korrin
{

// Files on the local disk. Relative paths are taken from the base folder given at construction (the
// process's working folder is never changed); "\" in a path is a separator; a path that does not exist
// as written is looked up ignoring letter case.
class FileSysLocal : public FileSystem
{
public:
    explicit FileSysLocal(std::string baseFolder);

    const std::string& GetName() const override;
    // Only reading modes ("rb", "r") are accepted: a reader must never truncate a data file.
    bool ReadFile(const std::string& path, FileData& data, const char* mode) override;
    void DirGetFiles(const std::string& folder) override;
    std::string FindFile(const std::string& name) override;

    const std::string& GetBaseFolder() const { return mBaseFolder; }

private:
    // The path as the disk knows it: separators turned to "/", anchored at the base folder, letter case
    // matched when the path does not exist as written. Empty when nothing matches.
    std::string LocatePath(const std::string& path);
    std::string Anchored(const std::string& path) const;

    std::string mBaseFolder;
    // Lower-cased file name -> the folder it was indexed in.
    std::map<std::string, std::string> mFileIndex;
    CaseBlindPaths mCaseBlindPaths;
};

} // namespace Korrin
