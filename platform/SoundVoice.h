#pragma once

#include "platform/PcmFormat.h"
#include "platform/SoundSamples.h"

#include <cstdint>
#include <memory>

namespace Platform
{

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
