#include "game/CrashDumpFilter.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{

using Platform::CrashHandler;

// The faults that are reported with their address; every other ends with a plain exclamation.
bool HasAddressReport(const Platform::CrashInfo& info)
{
    switch (info.signal)
    {
    case SIGSEGV: // access violation, stack overflow included
    case SIGBUS:  // a page that could not be read
        return true;
    case SIGFPE:
        return info.code == FPE_INTDIV;
    default:
        return false;
    }
}

void WriteError(const char* text, int error)
{
    CrashHandler::WriteText(STDOUT_FILENO, text);
    CrashHandler::WriteDecimal(STDOUT_FILENO, static_cast<unsigned long>(error));
    CrashHandler::WriteText(STDOUT_FILENO, " \n");
}

void WriteDump(const Platform::CrashInfo& info)
{
    const int fd = open("OrvaleDump.dmp", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
    {
        WriteError("CreateFile failed. Error: ", errno);
        return;
    }
    if (CrashHandler::WriteReport(fd, info))
    {
        CrashHandler::WriteText(STDOUT_FILENO, "Dump created.\n");
    }
    else
    {
        WriteError("Dump writing failed. Error: ", errno);
    }
    close(fd);
}

} // namespace

long CrashDumpFilter(const Platform::CrashInfo* info)
{
    static const Platform::CrashInfo kNoDetails;
    const Platform::CrashInfo& crash = info != nullptr ? *info : kNoDetails;
    WriteDump(crash);
    if (HasAddressReport(crash))
    {
        CrashHandler::WriteText(STDOUT_FILENO, "ExceptionAddress: ");
        CrashHandler::WriteHex(STDOUT_FILENO, reinterpret_cast<std::uintptr_t>(crash.instructionAddress));
        CrashHandler::WriteText(STDOUT_FILENO, "\n");
    }
    else
    {
        CrashHandler::WriteText(STDOUT_FILENO, "Opppsss!!!\n");
    }
    return 1;
}
