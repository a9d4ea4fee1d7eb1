#include "engine/Log/LogManager.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

namespace Korrin
{

LogManager::LogManager() = default;

LogManager::~LogManager()
{
    std::lock_guard<std::mutex> guard(mLock);
    mStreams.clear();
}

LogManager* LogManager::GetInstance()
{
    return CheckedInstance("LogManager::mSingleton==NULL", kEngineModule, "Source\\Log\\LogManager", 23);
}

bool LogManager::Open(const std::string& name, const std::string& path)
{
    auto stream = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc);
    if (!stream->is_open())
    {
        return false;
    }
    std::lock_guard<std::mutex> guard(mLock);
    mStreams[name] = std::move(stream);
    return true;
}

void LogManager::Write(const char* format, ...)
{
    std::lock_guard<std::mutex> guard(mLock);
    static char buffer[kLineLimit + 1];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof(buffer), format, arguments);
    va_end(arguments);
    if (length < 0)
    {
        buffer[0] = '\0';
    }
    const auto found = mStreams.find(kDefaultLog);
    if (found != mStreams.end())
    {
        WriteStamped(*found->second, buffer);
    }
}

void LogManager::WriteDefault(const std::string& text)
{
    std::lock_guard<std::mutex> guard(mLock);
    const auto found = mStreams.find(kDefaultLog);
    if (found != mStreams.end())
    {
        WriteStamped(*found->second, text);
    }
}

void LogManager::WriteStamped(std::ostream& stream, std::string_view text)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[16];
    std::snprintf(stamp, sizeof(stamp), "%02d:%02d:%02d: ", local.tm_hour, local.tm_min, local.tm_sec);
    stream << stamp << text << '\n';
    stream.flush();
}

} // namespace Korrin
