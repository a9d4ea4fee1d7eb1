#pragma once

#include "platform/PcmFormat.h"
#include "platform/SoundBuffer.h"

#include <cstdint>
#include <memory>

namespace Platform
{

class SoundMixer;
class SdlSoundOutput;

// Where the mixed sound goes, chosen once at start-up.
enum class SoundOutputKind
{
    Speakers, // the SDL audio device; opening fails where there is none
    Clocked,  // no device: the mixer advances with the services' clock (headless runs)
    Pulled,   // no device: the mixer advances only when samples are pulled (tests)
    None,     // opening always fails (a machine without sound)
};

// The sound device: makes the buffers and mixes them into one output.
class SoundDevice
{
public:
    // The output that Open uses from now on.
    static void SetOutputKind(SoundOutputKind kind);
    static SoundOutputKind GetOutputKind();

    // The device on the chosen output, or null when it cannot be opened.
    static std::unique_ptr<SoundDevice> Open();

    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // A silent, stopped buffer of bytes bytes; null unless the format is 16-bit PCM with 1 or 2 channels
    // at 100 to 200000 samples per second and bytes is at least 4.
    std::unique_ptr<SoundBuffer> CreateBuffer(const PcmFormat& format, std::uint32_t bytes);

    // Mixes frames stereo frames into out (on a device without speakers).
    void Pull(std::int16_t* out, std::uint32_t frames);
    // Every buffer loses its samples and stops, as when another program takes the sound hardware.
    void LoseBuffers();

private:
    SoundDevice();

    std::shared_ptr<SoundMixer> mMixer;
    std::unique_ptr<SdlSoundOutput> mSpeakers;
};

} // namespace Platform
