#include "platform/Process.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace Platform
{

namespace
{
Process::BreakHandler gBreakHandler = nullptr;
} // namespace

void Process::EndNow(int exitCode)
{
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(exitCode & 0xFF);
}

void Process::Break()
{
    if (gBreakHandler != nullptr)
    {
        gBreakHandler();
        return;
    }
    // The trap with no debugger to catch it would end the program in the crash handler.
    if (DebuggerAttached())
    {
        std::raise(SIGTRAP);
    }
}

bool Process::DebuggerAttached()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
    {
        return false;
    }
    constexpr const char* kTracer = "TracerPid:";
    char line[256];
    long tracer = 0;
    while (std::fgets(line, sizeof(line), status) != nullptr)
    {
        if (std::strncmp(line, kTracer, std::strlen(kTracer)) == 0)
        {
            tracer = std::strtol(line + std::strlen(kTracer), nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return tracer != 0;
}

void Process::SetBreakHandler(BreakHandler handler)
{
    gBreakHandler = handler;
}

} // namespace Platform
