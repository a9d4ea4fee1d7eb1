#include "platform/SystemFacts.h"

#include "platform/ThreadControl.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/utsname.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <x86intrin.h>
#define WF_HAS_X86_IDENTIFICATION 1
#else
#define WF_HAS_X86_IDENTIFICATION 0
#endif

namespace Platform
{

namespace
{

constexpr std::uint32_t kClockSampleMs = 5;

// Values of /proc/meminfo in bytes by their names (given there in kB).
std::uint64_t MemInfoBytes(const std::string& text, const char* name)
{
    std::istringstream lines(text);
    std::string line;
    const std::size_t length = std::strlen(name);
    while (std::getline(lines, line))
    {
        if (line.compare(0, length, name) == 0 && line.size() > length && line[length] == ':')
        {
            unsigned long long kilobytes = 0;
            if (std::sscanf(line.c_str() + length + 1, "%llu", &kilobytes) == 1)
            {
                return static_cast<std::uint64_t>(kilobytes) * 1024u;
            }
        }
    }
    return 0;
}

void GatherMemory(SystemFacts& facts)
{
    std::ifstream file("/proc/meminfo");
    std::stringstream text;
    text << file.rdbuf();
    const std::string meminfo = text.str();
    facts.totalPhysicalBytes = MemInfoBytes(meminfo, "MemTotal");
    facts.availablePhysicalBytes = MemInfoBytes(meminfo, "MemAvailable");
    facts.totalVirtualBytes = facts.totalPhysicalBytes + MemInfoBytes(meminfo, "SwapTotal");
    facts.availableVirtualBytes = facts.availablePhysicalBytes + MemInfoBytes(meminfo, "SwapFree");
}

void GatherProcessor(SystemFacts& facts)
{
#if WF_HAS_X86_IDENTIFICATION
    unsigned int eax = 0;
    unsigned int ebx = 0;
    unsigned int ecx = 0;
    unsigned int edx = 0;
    if (__get_cpuid(0, &eax, &ebx, &ecx, &edx) != 0)
    {
        char vendor[13] = {};
        std::memcpy(vendor, &ebx, 4);
        std::memcpy(vendor + 4, &edx, 4);
        std::memcpy(vendor + 8, &ecx, 4);
        facts.vendor = vendor;
    }
    const unsigned int highest = __get_cpuid_max(0x80000000u, nullptr);
    if (highest > 0x80000003u)
    {
        char brand[49] = {};
        for (unsigned int leaf = 0; leaf < 3; ++leaf)
        {
            unsigned int registers[4] = {};
            __get_cpuid(0x80000002u + leaf, &registers[0], &registers[1], &registers[2], &registers[3]);
            std::memcpy(brand + leaf * 16, registers, 16);
        }
        facts.brand = SystemFacts::TrimLeadingBlanks(brand);
    }
    // The counter's increase over 100 ms in units of 100,000 ticks: 3000 for a 3 GHz processor. It is
    // taken against the monotonic clock's own measure of a few milliseconds, which is as exact as a long
    // wait (and truer than trusting a sleep to last what it was asked), so the start-up waits 5 ms, not 110.
    const auto start = std::chrono::steady_clock::now();
    const unsigned long long first = __rdtsc();
    ThreadControl::SleepMilliseconds(kClockSampleMs);
    const unsigned long long second = __rdtsc();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
            .count();
    facts.processorClock = elapsed > 0 ? static_cast<std::int32_t>(static_cast<double>(second - first) *
                                                                   1.0e3 / static_cast<double>(elapsed))
                                       : 0;
#else
    (void)facts;
#endif
}

void GatherSystem(SystemFacts& facts)
{
    utsname names{};
    if (uname(&names) == 0)
    {
        facts.systemName = names.sysname;
        SystemFacts::ParseRelease(names.release, facts.versionMajor, facts.versionMinor, facts.versionBuild);
        facts.versionText = names.version;
    }
}

} // namespace

SystemFacts SystemFacts::Gather()
{
    SystemFacts facts;
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    facts.processorCount = processors > 0 ? static_cast<std::uint32_t>(processors) : 1u;
    GatherProcessor(facts);
    GatherMemory(facts);
    GatherSystem(facts);
    return facts;
}

std::string SystemFacts::TrimLeadingBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

void SystemFacts::ParseRelease(const std::string& release, int& major, int& minor, int& build)
{
    major = 0;
    minor = 0;
    build = 0;
    int* parts[3] = {&major, &minor, &build};
    std::size_t position = 0;
    for (int* part : parts)
    {
        int value = 0;
        bool any = false;
        while (position < release.size() && release[position] >= '0' && release[position] <= '9' &&
               value < 100000)
        {
            value = value * 10 + (release[position] - '0');
            ++position;
            any = true;
        }
        if (!any)
        {
            return;
        }
        *part = value;
        if (position >= release.size() || release[position] != '.')
        {
            return;
        }
        ++position;
    }
}

} // namespace Platform
