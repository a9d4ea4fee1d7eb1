#include "platform/FramePacer.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{

constexpr std::int64_t kMs = 1'000'000;

TEST(FramePacer, TheRefreshRateSetsThePeriodAndAnUnknownRateIsSixtyHertz)
{
    Platform::FramePacer pacer;
    EXPECT_EQ(pacer.PeriodNanoseconds(), 1'000'000'000 / 60);
    pacer.SetRefreshRate(144);
    EXPECT_EQ(pacer.PeriodNanoseconds(), 1'000'000'000 / 144);
    pacer.SetRefreshRate(0);
    EXPECT_EQ(pacer.PeriodNanoseconds(), 1'000'000'000 / 60);
    pacer.SetRefreshRate(-5);
    EXPECT_EQ(pacer.PeriodNanoseconds(), 1'000'000'000 / 60);
}

TEST(FramePacer, FramesAreShownNoFasterThanThePeriodAndLateFramesDoNotHurryTheNext)
{
    struct Step
    {
        std::int64_t readyAt; // ms
        std::int64_t wait;    // ms
        const char* why;
    };
    // A 100 Hz display: 10 ms a frame.
    const std::vector<Step> steps = {
        {0, 0, "the first frame is shown at once"},
        {2, 8, "an early frame waits for the rest of its period"},
        {10, 10, "one that is ready when the last was shown waits a whole period"},
        {33, 0, "a late frame is shown at once"},
        {34, 9, "and the periods count from it: no catching up"},
        {200, 0, "a long stall"},
        {200, 10, "is followed by frames at the period, not by a burst"},
        {225, 0, "a frame late by half a period"},
        {230, 5, "the next one still waits out its whole period from it"},
    };
    Platform::FramePacer pacer;
    pacer.SetRefreshRate(100);
    for (const Step& step : steps)
    {
        EXPECT_EQ(pacer.TakeWait(step.readyAt * kMs), step.wait * kMs) << step.why;
    }
}

TEST(FramePacer, SleepingUntilADeadlineNeverWakesBeforeIt)
{
    const std::int64_t deadline = Platform::FramePacer::Now() + 3 * kMs;
    Platform::FramePacer::SleepUntil(deadline);
    EXPECT_GE(Platform::FramePacer::Now(), deadline);
}

} // namespace
