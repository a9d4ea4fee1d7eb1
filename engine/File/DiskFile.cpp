#include "engine/File/DiskFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace Korrin
{

namespace
{

bool WriteFully(int descriptor, const std::vector<std::uint8_t>& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
        {
            continue;
        }
        if (result <= 0)
        {
            return false;
        }
        written += static_cast<std::size_t>(result);
    }
    return true;
}

// After a rename the new name lives in the folder's own data: without this a power loss can bring back
// the old name (or none).
void SyncFolderOf(const std::string& path)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0)
    {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// Renames without replacing an existing file; false (errno EEXIST) when target exists.
bool RenameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS)
    {
        return false;
    }
    // A file system without the flag: only one game runs per save folder, so a check first is enough.
    struct stat status
    {
    };
    if (::lstat(to.c_str(), &status) == 0)
    {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

DiskFile::ReadResult DiskFile::ReadAll(const std::string& path, std::size_t maxBytes,
                                       std::vector<std::uint8_t>& out)
{
    out.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
    {
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    }
    std::uint8_t buffer[4096];
    ReadResult result = ReadResult::Ok;
    for (;;)
    {
        const std::size_t count = std::fread(buffer, 1, sizeof(buffer), file);
        if (out.size() + count > maxBytes)
        {
            result = ReadResult::TooLarge;
            break;
        }
        out.insert(out.end(), buffer, buffer + count);
        if (count < sizeof(buffer))
        {
            result = std::ferror(file) ? ReadResult::Failed : ReadResult::Ok;
            break;
        }
    }
    std::fclose(file);
    if (result != ReadResult::Ok)
    {
        out.clear();
    }
    return result;
}

bool DiskFile::WriteReplacing(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::string temporary = path + kTemporarySuffix;
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
    {
        return false;
    }
    bool ok = WriteFully(descriptor, bytes) && ::fsync(descriptor) == 0;
    ok = (::close(descriptor) == 0) && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0)
    {
        SyncFolderOf(path);
        return true;
    }
    std::remove(temporary.c_str());
    return false;
}

bool DiskFile::Exists(const std::string& path)
{
    struct stat status
    {
    };
    return ::stat(path.c_str(), &status) == 0;
}

bool DiskFile::Remove(const std::string& path)
{
    return std::remove(path.c_str()) == 0 || errno == ENOENT;
}

std::string DiskFile::KeptAsideName(const std::string& path, int copy)
{
    return copy == 0 ? path + ".bad" : path + ".bad." + std::to_string(copy);
}

std::optional<std::string> DiskFile::KeepAside(const std::string& path)
{
    for (int copy = 0; copy < kMaxKeptAside; ++copy)
    {
        const std::string aside = KeptAsideName(path, copy);
        if (RenameNoReplace(path, aside))
        {
            SyncFolderOf(path);
            return aside;
        }
        if (errno != EEXIST)
        {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<std::string> DiskFile::RemoveTemporaries(const std::string& folder)
{
    std::vector<std::string> removed;
    std::error_code error;
    const std::string suffix = kTemporarySuffix;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    {
        const std::string name = entry.path().filename().string();
        const bool temporary = name.size() > suffix.size() && name.ends_with(suffix);
        std::error_code entryError;
        if (temporary && entry.is_regular_file(entryError) &&
            std::filesystem::remove(entry.path(), entryError))
        {
            removed.push_back(entry.path().string());
        }
    }
    return removed;
}

} // namespace Korrin
