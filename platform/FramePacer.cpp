#include "platform/FramePacer.h"

#include "platform/SteadyClock.h"

#include <chrono>
#include <thread>

namespace Platform
{

namespace
{

// A sleep wakes up to a few tenths of a millisecond late on a busy system; the last stretch yields.
constexpr std::int64_t kYieldSpan = 200'000;

} // namespace

void FramePacer::SetRefreshRate(int hertz)
{
    mPeriod = 1'000'000'000 / (hertz > 0 ? hertz : kUnknownRefreshRate);
}

std::int64_t FramePacer::TakeWait(std::int64_t now)
{
    if (!mStarted || now >= mNextShow)
    {
        mStarted = true;
        mNextShow = now + mPeriod;
        return 0;
    }
    const std::int64_t wait = mNextShow - now;
    mNextShow += mPeriod;
    return wait;
}

void FramePacer::Wait()
{
    const std::int64_t now = Now();
    const std::int64_t wait = TakeWait(now);
    if (wait > 0)
    {
        SleepUntil(now + wait);
    }
}

std::int64_t FramePacer::Now()
{
    return SteadyClock().Counter();
}

void FramePacer::SleepUntil(std::int64_t deadline)
{
    using Steady = std::chrono::steady_clock;
    if (deadline - Now() > kYieldSpan)
    {
        std::this_thread::sleep_until(Steady::time_point(std::chrono::nanoseconds(deadline - kYieldSpan)));
    }
    while (Now() < deadline)
    {
        std::this_thread::yield();
    }
}

} // namespace Platform
