#include "platform/CrashHandler.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <pthread.h>
#include <ucontext.h>
#include <unistd.h>

namespace Platform
{

namespace
{

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP};
constexpr std::size_t kAlternateStackSize = 64 * 1024;

CrashHandler::Filter gFilter = nullptr;
alignas(16) char gAlternateStack[kAlternateStackSize];

const void* InstructionAddress(void* context)
{
#if defined(__x86_64__)
    const auto* user = static_cast<const ucontext_t*>(context);
    return reinterpret_cast<const void*>(user->uc_mcontext.gregs[REG_RIP]);
#else
    (void)context;
    return nullptr;
#endif
}

void OnFatalSignal(int signal, siginfo_t* details, void* context)
{
    // A second fault inside the filter must end the process, not loop.
    for (int fatal : kFatalSignals)
    {
        std::signal(fatal, SIG_DFL);
    }
    CrashInfo info;
    info.signal = signal;
    info.code = details != nullptr ? details->si_code : 0;
    info.faultAddress = details != nullptr ? details->si_addr : nullptr;
    info.instructionAddress = context != nullptr ? InstructionAddress(context) : nullptr;
    if (gFilter != nullptr)
    {
        gFilter(&info);
    }
    // End by the signal itself, so whoever started the process sees how it ended.
    sigset_t own;
    sigemptyset(&own);
    sigaddset(&own, signal);
    pthread_sigmask(SIG_UNBLOCK, &own, nullptr);
    std::raise(signal);
    _exit(128 + signal);
}

const char* SignalName(int signal)
{
    switch (signal)
    {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    case SIGTRAP:
        return "SIGTRAP";
    default:
        return "signal";
    }
}

} // namespace

void CrashHandler::Install(Filter filter)
{
    gFilter = filter;

    // The first backtrace loads what it needs; do it now rather than inside a signal handler.
    void* frames[4];
    backtrace(frames, 4);

    stack_t alternate{};
    alternate.ss_sp = gAlternateStack;
    alternate.ss_size = sizeof(gAlternateStack);
    sigaltstack(&alternate, nullptr);

    struct sigaction action
    {
    };
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals)
    {
        sigaction(signal, &action, nullptr);
    }
}

void CrashHandler::WriteText(int fd, const char* text)
{
    std::size_t left = std::strlen(text);
    while (left > 0)
    {
        const ssize_t written = write(fd, text, left);
        if (written <= 0)
        {
            return;
        }
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

void CrashHandler::WriteDecimal(int fd, unsigned long value)
{
    char digits[24];
    char* end = digits + sizeof(digits) - 1;
    *end = '\0';
    char* cursor = end;
    do
    {
        *--cursor = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    WriteText(fd, cursor);
}

void CrashHandler::WriteHex(int fd, std::uintptr_t value)
{
    char digits[2 + 2 * sizeof(value) + 1];
    char* end = digits + sizeof(digits) - 1;
    *end = '\0';
    char* cursor = end;
    do
    {
        *--cursor = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    *--cursor = 'x';
    *--cursor = '0';
    WriteText(fd, cursor);
}

bool CrashHandler::WriteReport(int fd, const CrashInfo& info)
{
    WriteText(fd, "Wrenfold crash report\nsignal: ");
    WriteDecimal(fd, static_cast<unsigned long>(info.signal));
    WriteText(fd, " (");
    WriteText(fd, SignalName(info.signal));
    WriteText(fd, "), code ");
    if (info.code < 0)
    {
        WriteText(fd, "-");
    }
    WriteDecimal(fd, static_cast<unsigned long>(info.code < 0 ? -static_cast<long>(info.code) : info.code));
    WriteText(fd, "\nfault address: ");
    WriteHex(fd, reinterpret_cast<std::uintptr_t>(info.faultAddress));
    WriteText(fd, "\ninstruction address: ");
    WriteHex(fd, reinterpret_cast<std::uintptr_t>(info.instructionAddress));
    WriteText(fd, "\nbacktrace:\n");
    void* frames[64];
    const int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, fd);
    return fsync(fd) == 0 || errno == EINVAL;
}

void CrashHandler::TriggerTestCrash()
{
    std::raise(SIGSEGV);
    _exit(128 + SIGSEGV);
}

} // namespace Platform
