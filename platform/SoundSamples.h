#pragma once

#include <cstdint>
#include <vector>

namespace Platform
{

// The samples of a sound buffer, shared by the buffer and its duplicates.
struct SoundSamples
{
    std::vector<std::int16_t> samples;
    std::uint32_t bytes = 0;
    // Locked regions are written here and copied in on unlock, so the mixer never reads a half-written
    // region and never waits for a decoder.
    std::vector<std::uint8_t> staging;
    bool locked = false;
    std::uint32_t lockOffset = 0;
    std::uint32_t lockBytes = 0;
};

} // namespace Platform
