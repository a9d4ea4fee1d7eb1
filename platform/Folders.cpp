#include "platform/Folders.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace Platform
{

namespace
{

struct FolderSettings
{
    std::string start;
    std::string data;
    std::string save;
};

FolderSettings& Settings()
{
    static FolderSettings settings = []
    {
        FolderSettings made;
        std::error_code error;
        made.start = std::filesystem::current_path(error).string();
        return made;
    }();
    return settings;
}

std::string Absolute(const std::string& folder)
{
    const std::filesystem::path path(folder);
    if (path.is_absolute())
    {
        return path.lexically_normal().string();
    }
    return (std::filesystem::path(Folders::StartFolder()) / path).lexically_normal().string();
}

} // namespace

const std::string& Folders::StartFolder()
{
    return Settings().start;
}

const std::string& Folders::DataFolder()
{
    const FolderSettings& settings = Settings();
    return settings.data.empty() ? settings.start : settings.data;
}

void Folders::SetDataFolder(const std::string& folder)
{
    Settings().data = folder.empty() ? std::string() : Absolute(folder);
}

std::string Folders::SaveFolder()
{
    const FolderSettings& settings = Settings();
    if (!settings.save.empty())
    {
        return settings.save;
    }
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome != nullptr && dataHome[0] == '/')
    {
        return std::string(dataHome) + "/wrenfold";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
    {
        return std::string(home) + "/.local/share/wrenfold";
    }
    return {};
}

void Folders::SetSaveFolder(const std::string& folder)
{
    Settings().save = folder.empty() ? std::string() : Absolute(folder);
}

bool Folders::MakeFolders(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

bool Folders::MakeWritableFolder(const std::string& folder, std::string& reason)
{
    if (folder.empty())
    {
        reason = "no folder is known (neither XDG_DATA_HOME nor HOME is set)";
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder))
    {
        reason = "it cannot be made (" + (error ? error.message() : std::string("not a folder")) + ")";
        return false;
    }
    // A folder can exist and still refuse files (a system folder, no write permission, a read-only
    // mount): only a written file proves that saves can go there.
    const std::string probe = folder + "/.wrenfold-write-test-" + std::to_string(getpid());
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
    {
        reason = std::string("no file can be written in it (") + std::strerror(errno) + ")";
        return false;
    }
    const bool written = write(fd, "w", 1) == 1;
    const int writeError = errno;
    close(fd);
    unlink(probe.c_str());
    if (!written)
    {
        reason = std::string("no file can be written in it (") + std::strerror(writeError) + ")";
        return false;
    }
    return true;
}

} // namespace Platform
