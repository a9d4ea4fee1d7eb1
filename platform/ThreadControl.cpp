#include "platform/ThreadControl.h"

#include <chrono>
#include <pthread.h>
#include <sched.h>
#include <thread>

namespace Platform
{

std::uint32_t ThreadControl::SetCurrentThreadAffinity(std::uint32_t mask)
{
    if (mask == kLeaveAffinity)
    {
        return kLeaveAffinity;
    }
    cpu_set_t previous;
    CPU_ZERO(&previous);
    std::uint32_t previousMask = 0;
    if (pthread_getaffinity_np(pthread_self(), sizeof(previous), &previous) == 0)
    {
        for (int cpu = 0; cpu < 32; ++cpu)
        {
            if (CPU_ISSET(cpu, &previous))
            {
                previousMask |= 1u << cpu;
            }
        }
    }
    cpu_set_t wanted;
    CPU_ZERO(&wanted);
    for (int cpu = 0; cpu < 32; ++cpu)
    {
        if ((mask & (1u << cpu)) != 0)
        {
            CPU_SET(cpu, &wanted);
        }
    }
    pthread_setaffinity_np(pthread_self(), sizeof(wanted), &wanted); // refused: keep the old mask
    return previousMask;
}

void ThreadControl::SleepMilliseconds(std::uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void ThreadControl::RaiseCurrentThreadPriority()
{
    sched_param parameters{};
    parameters.sched_priority = sched_get_priority_min(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameters); // refused without the right: stays normal
}

} // namespace Platform
