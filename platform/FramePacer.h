#pragma once

#include <cstdint>

namespace Platform
{

// Shows frames no faster than the display refreshes: a frame ready early waits for the rest of its
// period. The periods follow one another from the last frame shown on time; a late frame is shown at
// once and starts the count again, so frames never hurry to catch up. Where the display's own refresh
// already holds presentation back (vsync), a frame is late by then and nothing more is waited.
class FramePacer
{
public:
    // Where the display does not tell its rate.
    static constexpr int kUnknownRefreshRate = 60;

    // Hertz as the display reports them; 0 or less means unknown.
    void SetRefreshRate(int hertz);
    std::int64_t PeriodNanoseconds() const { return mPeriod; }
    // The nanoseconds a frame that is ready at `now` (monotonic nanoseconds) waits before it is shown.
    std::int64_t TakeWait(std::int64_t now);
    // Waits on the monotonic clock until the frame may be shown.
    void Wait();
    // Sleeps until the deadline (monotonic nanoseconds) and no longer than needed: most of the time
    // asleep, the last stretch yielding, since a sleep may wake late.
    static void SleepUntil(std::int64_t deadline);
    static std::int64_t Now();

private:
    std::int64_t mPeriod = 1'000'000'000 / kUnknownRefreshRate;
    std::int64_t mNextShow = 0;
    bool mStarted = false;
};

} // namespace Platform
