#pragma once

#include "platform/Clock.h"

namespace Platform
{

// Deterministic time: every frame lasts exactly 1/60 s, however long it really took.
class FixedStepClock : public Clock
{
public:
    static constexpr std::int64_t kFramesPerSecond = 60;

    std::int64_t Counter() const override { return mFrames; }
    std::int64_t Frequency() const override { return kFramesPerSecond; }
    void AdvanceFrame() override { ++mFrames; }
    bool IsFixedStep() const override { return true; }

private:
    std::int64_t mFrames = 0;
};

} // namespace Platform
