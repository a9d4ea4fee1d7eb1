#include "engine/File/DiskFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
    const std::string temporary = path + ".tmp";
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
    {
        return false;
    }
    bool ok = WriteFully(descriptor, bytes) && ::fsync(descriptor) == 0;
    ok = (::close(descriptor) == 0) && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0)
    {
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

void DiskFile::KeepAside(const std::string& path)
{
    const std::string aside = path + ".bad";
    std::rename(path.c_str(), aside.c_str());
}

} // namespace Korrin
