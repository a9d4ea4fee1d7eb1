#pragma once

#include <cstdint>

namespace Platform
{

// The layout of 16-bit PCM samples: what a sound buffer holds and what a decoder delivers.
struct PcmFormat
{
    static constexpr std::uint16_t kPcmTag = 1;

    std::uint16_t formatTag = kPcmTag;
    std::uint16_t channels = 2;
    std::uint32_t samplesPerSecond = 44100;
    std::uint32_t bytesPerSecond = 176400;
    std::uint16_t blockAlign = 4;
    std::uint16_t bitsPerSample = 16;

    // A 16-bit format with the derived fields filled in.
    static PcmFormat Pcm16(std::uint16_t channels, std::uint32_t samplesPerSecond)
    {
        PcmFormat format;
        format.channels = channels;
        format.samplesPerSecond = samplesPerSecond;
        format.blockAlign = static_cast<std::uint16_t>(channels * 2);
        format.bytesPerSecond = format.blockAlign * samplesPerSecond;
        format.bitsPerSample = 16;
        return format;
    }
};

} // namespace Platform
