#include "platform/Process.h"

#include <csignal>
#include <cstdio>
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
    std::raise(SIGTRAP);
}

void Process::SetBreakHandler(BreakHandler handler)
{
    gBreakHandler = handler;
}

} // namespace Platform
