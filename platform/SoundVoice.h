#pragma once

#include "platform/PcmFormat.h"

#include <cstdint>
#include <memory>
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

// What the mixer needs of one playing buffer. Changed only under the mixer's lock.
struct SoundVoice
{
    std::shared_ptr<SoundSamples> data;
    PcmFormat format;
    std::uint32_t frames = 0;
    // Play position in frames, 32.32 fixed point.
    std::uint64_t position = 0;
    std::uint32_t frequency = 44100;
    float leftGain = 1.0f;
    float rightGain = 1.0f;
    std::int32_t volume = 0;
    std::int32_t pan = 0;
    bool playing = false;
    bool looping = false;
    bool lost = false;
};

} // namespace Platform
