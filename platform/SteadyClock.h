#pragma once

#include "platform/Clock.h"

namespace Platform
{

// Real time: nanoseconds of the monotonic clock.
class SteadyClock : public Clock
{
public:
    std::int64_t Counter() const override;
    std::int64_t Frequency() const override { return 1'000'000'000; }
};

} // namespace Platform
