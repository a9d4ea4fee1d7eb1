#include "engine/File/FileSysManager.h"

#include "engine/File/FileData.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "platform/Folders.h"

#include <algorithm>
#include <sys/stat.h>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\File\\FileSysManager";

} // namespace

FileSysManager::FileSysManager() : FileSysManager(Platform::Folders::DataFolder()) {}

FileSysManager::FileSysManager(const std::string& startFolder)
    : mStartFolder(startFolder), mLocal(startFolder)
{
}

FileSysManager* FileSysManager::GetInstance()
{
    return CheckedInstance("FileSysManager::mSingleton==NULL", kEngineModule, kSource, 24);
}

void FileSysManager::AddDirectory(const std::string& folder)
{
    if (std::find(mSearchFolders.begin(), mSearchFolders.end(), folder) == mSearchFolders.end())
    {
        mSearchFolders.push_back(folder);
    }
}

bool FileSysManager::FindFileData(const std::string& path, FileData& data, const char* mode)
{
    CheckStartFolder();
    for (const std::string& folder : mSearchFolders)
    {
        if (mLocal.ReadFile(folder + "/" + path, data, mode))
        {
            return true;
        }
    }
    return mLocal.ReadFile(path, data, mode);
}

void FileSysManager::CheckStartFolder() const
{
    struct stat status = {};
    if (::stat(mStartFolder.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
    {
        return;
    }
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("FileSysManager::FindFileData %s", mStartFolder.c_str());
    }
    ReportAndBreak("Cannot open requested directory (FileSysManager::FindFileData) = " + mStartFolder,
                   kEngineModule, kSource, 92);
}

} // namespace Korrin
