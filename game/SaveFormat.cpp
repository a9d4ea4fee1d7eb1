#include "game/SaveFormat.h"

#include "engine/File/DiskFile.h"
#include "engine/Log/LogManager.h"

#include <cstdarg>
#include <cstdio>

bool SaveFormat::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    switch (Korrin::DiskFile::ReadAll(path, kMaxFileBytes, bytes))
    {
    case Korrin::DiskFile::ReadResult::Ok:
        return true;
    case Korrin::DiskFile::ReadResult::Missing:
        return false;
    case Korrin::DiskFile::ReadResult::TooLarge:
        Refused(path, "a file far too large");
        return false;
    case Korrin::DiskFile::ReadResult::Failed:
        Log("Cannot read '%s'", path.c_str());
        return false;
    }
    return false;
}

bool SaveFormat::ReadVersion(Korrin::BinaryReader& in, const std::string& path, const char* wrongVersionLine)
{
    const std::uint32_t version = in.ReadU32();
    if (!in.Ok())
    {
        Refused(path, "no version word");
        return false;
    }
    if (version != kVersion)
    {
        Log("%s", wrongVersionLine);
        Refused(path, "another program version");
        return false;
    }
    return true;
}

void SaveFormat::Refused(const std::string& path, const char* what)
{
    Log("Damaged save '%s' (%s) is not read; it is kept as '%s.bad'", path.c_str(), what, path.c_str());
    Korrin::DiskFile::KeepAside(path);
}

void SaveFormat::Log(const char* format, ...)
{
    Korrin::LogManager* log = Korrin::LogManager::Peek();
    if (log == nullptr)
    {
        return;
    }
    char line[Korrin::LogManager::kLineLimit + 1];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof(line), format, arguments);
    va_end(arguments);
    log->Write("%s", line);
}
