#pragma once

#include "engine/Util/Singleton.h"

#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace Korrin
{

// Time-stamped printf-style log lines, written to the stream named "log.log" when one is open and
// dropped otherwise.
class LogManager : public Singleton<LogManager>
{
public:
    static constexpr const char* kDefaultLog = "log.log";
    static constexpr std::size_t kLineLimit = 4095;

    LogManager();
    ~LogManager();

    static LogManager* GetInstance();

    // Opens (replacing) the file at path as the stream of that name; false when it cannot be opened.
    bool Open(const std::string& name, const std::string& path);

    void Write(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void WriteDefault(const std::string& text);
    static void WriteStamped(std::ostream& stream, std::string_view text);

private:
    std::map<std::string, std::unique_ptr<std::ofstream>> mStreams;
    // Lines may come from the sound thread as well: formatting and writing are one step.
    std::mutex mLock;
};

} // namespace Korrin
