#include "platform/SteadyClock.h"

#include <chrono>

namespace Platform
{

std::int64_t SteadyClock::Counter() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace Platform
