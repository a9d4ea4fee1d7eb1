#pragma once

#include "platform/SoundVoice.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

namespace Platform
{

class Clock;

// Mixes every playing buffer into 44100 Hz 16-bit stereo. The audio callback (or a test, or the clock
// of a headless run) pulls from Mix; the buffers change their voices under the same lock. Mixing never
// allocates.
class SoundMixer
{
public:
    static constexpr std::uint32_t kOutputRate = 44100;
    static constexpr std::uint32_t kOutputChannels = 2;
    static constexpr std::int32_t kSilence = -10000;

    SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    // Writes frames stereo frames (2 x frames samples) to out and moves every playing voice on.
    void Mix(std::int16_t* out, std::uint32_t frames);

    // Headless: the output advances as the clock does, the mixed samples are dropped. Null: only Mix
    // moves the voices.
    void FollowClock(const Clock* clock);
    // Brings a clock-following mixer up to the clock's time; called before the voices are looked at.
    void CatchUpLocked();

    std::unique_lock<std::mutex> Guard() { return std::unique_lock<std::mutex>(mLock); }
    // Registration of voices; the caller holds the lock.
    void AddLocked(SoundVoice* voice);
    void RemoveLocked(SoundVoice* voice);
    // Marks every voice lost and clears the samples, as when another program takes the device.
    void LoseAllVoices();

    // Hundredths of a decibel (0 .. -10000) as a factor; -10000 is silence.
    static float GainOf(std::int32_t hundredthsOfDecibel);

private:
    static constexpr std::uint32_t kChunkFrames = 512;

    void MixChunk(std::int16_t* out, std::uint32_t frames);
    void MixVoice(SoundVoice& voice, std::uint32_t frames);
    static void AdvanceVoice(SoundVoice& voice, std::uint64_t frames);

    std::mutex mLock;
    std::vector<SoundVoice*> mVoices;
    std::array<float, kChunkFrames * kOutputChannels> mAccumulator{};
    const Clock* mClock = nullptr;
    std::int64_t mClockStart = 0;
    std::uint64_t mClockFramesMixed = 0;
};

} // namespace Platform
