#pragma once

#include <cstdint>

namespace Platform
{

// The performance counter: a count of ticks and how many ticks make a second.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::int64_t Counter() const = 0;
    virtual std::int64_t Frequency() const = 0;
    // Called once at the start of every frame; only a fixed-step clock moves on it.
    virtual void AdvanceFrame() {}
    // True when every frame lasts the same time whatever it really took, so that runs repeat.
    virtual bool IsFixedStep() const { return false; }
};

} // namespace Platform
