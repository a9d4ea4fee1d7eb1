#pragma once

namespace Platform
{

// Ending the process and stopping for a debugger.
class Process
{
public:
    // Ends the process at once: no destructors, no saving. The code is taken modulo 256 (-1 is 255).
    [[noreturn]] static void EndNow(int exitCode);

    // A breakpoint in the calling code for an attached debugger to stop at. Without a debugger it does
    // nothing, and the program goes on. Tests install a handler that stands for a debugger continuing
    // past it.
    using BreakHandler = void (*)();
    static void Break();
    static void SetBreakHandler(BreakHandler handler);

    // Whether a debugger (any tracer of this process) is attached.
    static bool DebuggerAttached();
};

} // namespace Platform
