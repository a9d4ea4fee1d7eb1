#pragma once

#include <cstdint>
#include <string>

namespace Platform
{

// What the machine tells of itself for the start-up report: /proc, uname, sysconf and, on x86, the
// processor's identification and time-stamp counter. A figure that cannot be had stays 0 or empty.
struct SystemFacts
{
    std::uint32_t processorCount = 0;
    std::int32_t processorClock = 0; // time-stamp counter ticks in 100 ms / 100,000 (3000 at 3 GHz)
    std::uint64_t totalPhysicalBytes = 0;
    std::uint64_t availablePhysicalBytes = 0;
    std::uint64_t totalVirtualBytes = 0;
    std::uint64_t availableVirtualBytes = 0;
    std::string vendor;
    std::string brand;
    std::string systemName;
    int versionMajor = 0;
    int versionMinor = 0;
    int versionBuild = 0;
    std::string versionText;

    static SystemFacts Gather();
    // Leading blanks removed, as the brand text is shown.
    static std::string TrimLeadingBlanks(const std::string& text);
    // Reads "major.minor.build" from the front of a release text; missing parts stay 0.
    static void ParseRelease(const std::string& release, int& major, int& minor, int& build);
};

} // namespace Platform
