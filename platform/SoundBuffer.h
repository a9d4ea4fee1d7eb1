#pragma once

#include "platform/PcmFormat.h"
#include "platform/SoundVoice.h"

#include <cstdint>
#include <memory>

namespace Platform
{

class SoundMixer;

// A secondary sound buffer: 16-bit PCM that plays into the mixer at its own rate, volume and pan.
// Several buffers may share the same samples (duplicates), each with its own position and settings.
class SoundBuffer
{
public:
    // Status bits.
    static constexpr std::uint32_t kPlaying = 0x1;
    static constexpr std::uint32_t kLost = 0x2;
    static constexpr std::uint32_t kLooping = 0x4;

    static constexpr std::uint32_t kMinBytes = 4;
    static constexpr std::uint32_t kMinFrequency = 100;
    static constexpr std::uint32_t kMaxFrequency = 200000;
    static constexpr std::int32_t kMinVolume = -10000;
    static constexpr std::int32_t kMaxPan = 10000;

    // The writable view of a locked range: the second part is used when the range wraps past the end.
    struct Regions
    {
        std::uint8_t* first = nullptr;
        std::uint32_t firstBytes = 0;
        std::uint8_t* second = nullptr;
        std::uint32_t secondBytes = 0;
    };

    SoundBuffer(std::shared_ptr<SoundMixer> mixer, std::shared_ptr<SoundSamples> data,
                const PcmFormat& format);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // A new buffer on the same samples, stopped at position 0 with the format's rate and full volume.
    std::unique_ptr<SoundBuffer> Duplicate() const;

    // Locks bytes from offset (wrapping round the end); what is written there is taken over on Unlock.
    bool Lock(std::uint32_t offset, std::uint32_t bytes, Regions& regions);
    bool Unlock(const Regions& regions);

    // Plays from the current position, once (stopping and rewinding at the end) or looping.
    bool Play(bool looping);
    // Stops where it is; the position is kept.
    bool Stop();
    bool SetCurrentPosition(std::uint32_t bytes);
    // The play position in bytes.
    bool GetCurrentPosition(std::uint32_t& bytes);
    std::uint32_t GetStatus();
    // Gives a lost buffer its memory back (silent until it is filled again).
    bool Restore();

    // Hundredths of a decibel, 0 (full) to -10000 (silence).
    bool SetVolume(std::int32_t volume);
    // Hundredths of a decibel taken off the other side: negative is left, positive right.
    bool SetPan(std::int32_t pan);
    // Samples per second, 100 to 200000.
    bool SetFrequency(std::uint32_t frequency);
    std::int32_t GetVolume();
    std::int32_t GetPan();
    std::uint32_t GetFrequency();

    const PcmFormat& GetFormat() const { return mVoice.format; }
    std::uint32_t GetSize() const { return mVoice.data->bytes; }

private:
    void UpdateGainsLocked();

    std::shared_ptr<SoundMixer> mMixer;
    SoundVoice mVoice;
};

} // namespace Platform
