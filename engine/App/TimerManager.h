#pragma once

#include "engine/Util/Singleton.h"

#include <cstdint>

namespace Korrin
{

// Frame time for all code: the length of the last frame and the time since the start, in seconds.
class TimerManager : public Singleton<TimerManager>
{
public:
    TimerManager();
    ~TimerManager();

    static TimerManager* GetInstance();

    // Called by the frame only.
    void Update();
    // Starts counting again from now: both times 0.
    void Reset();

    float GetDelta() const { return mDelta; }
    float GetElapsed() const { return mElapsed; }

    // The affinity mask the main thread had before it was pinned; restored when the timer goes (the
    // mask that leaves the thread as it is when nothing was pinned).
    void SetPreviousAffinity(std::uint32_t mask) { mPreviousAffinity = mask; }
    std::uint32_t GetPreviousAffinity() const { return mPreviousAffinity; }
    void ClearTimes();

private:
    std::int64_t ReadCounter() const;

    std::uint32_t mPreviousAffinity = 0;
    std::int64_t mStartCount = 0;
    std::int64_t mFrequency = 1;
    std::int64_t mLastCount = 0;
    float mDelta = 0.0f;
    float mElapsed = 0.0f;
};

} // namespace Korrin
