#include "engine/File/FileSysLocal.h"

#include "engine/File/FileData.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Log/ReportFileScope.h"
#include "engine/Util/ValueText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\File\\FileSysLocal";

// Reading goes on without a log (in tools and tests); then its lines are dropped.
LogManager* Log()
{
    return LogManager::Peek();
}

bool IsReadingMode(const char* mode)
{
    return mode != nullptr && mode[0] == 'r' && std::strchr(mode, '+') == nullptr;
}

std::string WithSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// A file opened for reading, closed on every way out.
class OpenFile
{
public:
    OpenFile(const std::string& path, const char* mode) : mFile(std::fopen(path.c_str(), mode)) {}
    ~OpenFile()
    {
        if (mFile != nullptr)
        {
            std::fclose(mFile);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::FILE* Get() const { return mFile; }

private:
    std::FILE* mFile;
};

} // namespace

FileSysLocal::FileSysLocal(std::string baseFolder) : mBaseFolder(std::move(baseFolder)) {}

const std::string& FileSysLocal::GetName() const
{
    static const std::string name = "FileSysLocal";
    return name;
}

std::string FileSysLocal::Anchored(const std::string& path) const
{
    if (!path.empty() && path.front() == '/')
    {
        return path;
    }
    return mBaseFolder + "/" + path;
}

std::string FileSysLocal::LocatePath(const std::string& path)
{
    const std::string separated = WithSlashes(path);
    const std::string anchored = Anchored(separated);
    struct stat status = {};
    if (::stat(anchored.c_str(), &status) == 0)
    {
        return anchored;
    }
    const bool absolute = !separated.empty() && separated.front() == '/';
    return mCaseBlindPaths.Resolve(absolute ? "/" : mBaseFolder, separated).value_or(std::string());
}

bool FileSysLocal::ReadFile(const std::string& path, FileData& data, const char* mode)
{
    const ReportFileScope reportsOfTheFile(path);
    if (!IsReadingMode(mode))
    {
        if (LogManager* log = Log())
        {
            log->Write("FileSysLocal::ReadFile: %s refused, the mode '%s' is not for reading", path.c_str(),
                       mode != nullptr ? mode : "");
        }
        return false;
    }
    const std::string located = LocatePath(path);
    if (located.empty())
    {
        return false;
    }
    OpenFile file(located, mode);
    struct stat status = {};
    if (file.Get() == nullptr || ::fstat(fileno(file.Get()), &status) != 0 || !S_ISREG(status.st_mode))
    {
        return false;
    }
    if (static_cast<unsigned long long>(status.st_size) >= std::numeric_limits<std::uint32_t>::max())
    {
        if (LogManager* log = Log())
        {
            log->Write("FileSysLocal::ReadFile: %s is too large to read", path.c_str());
        }
        return false;
    }
    const auto size = static_cast<std::uint32_t>(status.st_size);
    if (size == 0)
    {
        ReportAndBreak("Problem getting file size: " + path, kEngineModule, kSource, 32);
    }
    std::uint8_t* bytes = data.Allocate(size);
    if (bytes == nullptr)
    {
        if (LogManager* log = Log())
        {
            log->Write("FileSysLocal::ReadFile: no memory for %s", path.c_str());
        }
        return false;
    }
    if (size > 0 && std::fread(bytes, 1, size, file.Get()) != size)
    {
        // A file that shrank or failed while being read is not handed on as if it were whole.
        if (LogManager* log = Log())
        {
            log->Write("FileSysLocal::ReadFile: %s could not be read whole", path.c_str());
        }
        data.Free();
        return false;
    }
    return true;
}

void FileSysLocal::DirGetFiles(const std::string& folder)
{
    const std::string anchored = Anchored(WithSlashes(folder));
    std::error_code error;
    std::filesystem::directory_iterator entry(anchored, error);
    if (error)
    {
        ReportAndBreak("Cannot open requested directory: " + folder + " (FileSysLocal::DirGetFiles)",
                       kEngineModule, kSource, 147);
        return;
    }
    for (const std::filesystem::directory_iterator end; !error && entry != end; entry.increment(error))
    {
        if (entry->is_directory(error))
        {
            continue;
        }
        mFileIndex.emplace(ToLower(entry->path().filename().string()), folder);
    }
}

std::string FileSysLocal::FindFile(const std::string& name)
{
    const auto found = mFileIndex.find(ToLower(name));
    if (found == mFileIndex.end())
    {
        if (LogManager* log = Log())
        {
            log->Write("File not found: %s", name.c_str());
        }
        return {};
    }
    return found->second + "/" + name;
}

} // namespace Korrin
