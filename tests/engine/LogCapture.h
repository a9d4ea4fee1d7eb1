#pragma once

#include "engine/Log/LogManager.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace TestSupport
{

// A log manager for one test whose "log.log" stream goes to a file of the test's own, read back by Text.
class LogCapture
{
public:
    LogCapture() : mPath("capture-" + std::to_string(::getpid()) + ".log")
    {
        mLog = std::make_unique<Korrin::LogManager>();
        mLog->Open(Korrin::LogManager::kDefaultLog, mPath);
    }
    ~LogCapture()
    {
        mLog.reset();
        std::remove(mPath.c_str());
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Text() const
    {
        std::ifstream file(mPath);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    std::string mPath;
    std::unique_ptr<Korrin::LogManager> mLog;
};

} // namespace TestSupport
