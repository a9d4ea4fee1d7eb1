#pragma once

#include <cstdint>

namespace Platform
{

// Thread services of the main loop.
class ThreadControl
{
public:
    // Pins the calling thread to the processors of the mask (bit n = processor n) and returns the mask
    // that was in force. Best effort: where the system refuses, nothing changes and no error is raised.
    static std::uint32_t SetCurrentThreadAffinity(std::uint32_t mask);
    static void SleepMilliseconds(std::uint32_t milliseconds);
    // Gives the calling thread real-time priority where the system allows it; otherwise nothing changes.
    static void RaiseCurrentThreadPriority();
};

} // namespace Platform
