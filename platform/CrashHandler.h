#pragma once

#include <cstdint>

namespace Platform
{

// What is known of a fatal fault when the handler runs.
struct CrashInfo
{
    int signal = 0;
    int code = 0;                             // the signal's reason code (for example, integer division)
    const void* faultAddress = nullptr;       // the address the fault concerns, where the system gives one
    const void* instructionAddress = nullptr; // where the faulting code was, where it can be read
};

// Fatal signals go, on an alternate stack, to one filter of the game's. Everything here may be called
// from that filter: it uses only async-signal-safe calls.
class CrashHandler
{
public:
    using Filter = long (*)(const CrashInfo* info);

    static void Install(Filter filter);

    // Writes the signal, the addresses and a backtrace; false when a write failed.
    static bool WriteReport(int fd, const CrashInfo& info);
    static void WriteText(int fd, const char* text);
    static void WriteDecimal(int fd, unsigned long value);
    static void WriteHex(int fd, std::uintptr_t value);

    // Faults the process on purpose, for the tests of the handler.
    [[noreturn]] static void TriggerTestCrash();
};

} // namespace Platform
