#pragma once

#include <cstdint>

namespace Platform
{

// Thread services of the main loop.
class ThreadControl
{
public:
    // The mask that leaves a thread's processors as they are.
    static constexpr std::uint32_t kLeaveAffinity = 0;

    // Pins the calling thread to the processors of the mask (bit n = processor n) and returns the mask
    // that was in force. Best effort: where the system refuses, nothing changes and no error is raised.
    // kLeaveAffinity changes nothing and returns kLeaveAffinity, so restoring its result changes nothing.
    static std::uint32_t SetCurrentThreadAffinity(std::uint32_t mask);
    static void SleepMilliseconds(std::uint32_t milliseconds);
    // Gives the calling thread real-time priority where the system allows it; otherwise nothing changes.
    static void RaiseCurrentThreadPriority();
};

} // namespace Platform
