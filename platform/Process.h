#pragma once

namespace Platform
{

// Ending the process and stopping for a debugger.
class Process
{
public:
    // Ends the process at once: no destructors, no saving. The code is taken modulo 256 (-1 is 255).
    [[noreturn]] static void EndNow(int exitCode);

    // A breakpoint in the calling code. Without a debugger it ends in the crash handler. Tests install
    // a handler that stands for a debugger continuing past it.
    using BreakHandler = void (*)();
    static void Break();
    static void SetBreakHandler(BreakHandler handler);
};

} // namespace Platform
