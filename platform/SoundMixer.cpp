#include "platform/SoundMixer.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cmath>

namespace Platform
{

namespace
{

constexpr std::uint64_t kFixedOne = std::uint64_t{1} << 32;
constexpr float kFractionScale = 1.0f / 4294967296.0f;

} // namespace

SoundMixer::SoundMixer()
{
    // Enough for a game's sounds; more only grows the list outside the audio callback.
    mVoices.reserve(256);
}

float SoundMixer::GainOf(std::int32_t hundredthsOfDecibel)
{
    if (hundredthsOfDecibel <= kSilence)
    {
        return 0.0f;
    }
    if (hundredthsOfDecibel >= 0)
    {
        return 1.0f;
    }
    return std::pow(10.0f, static_cast<float>(hundredthsOfDecibel) / 2000.0f);
}

void SoundMixer::AddLocked(SoundVoice* voice)
{
    mVoices.push_back(voice);
}

void SoundMixer::RemoveLocked(SoundVoice* voice)
{
    const auto found = std::find(mVoices.begin(), mVoices.end(), voice);
    if (found != mVoices.end())
    {
        *found = mVoices.back();
        mVoices.pop_back();
    }
}

void SoundMixer::LoseAllVoices()
{
    std::lock_guard<std::mutex> guard(mLock);
    for (SoundVoice* voice : mVoices)
    {
        voice->lost = true;
        voice->playing = false;
        std::fill(voice->data->samples.begin(), voice->data->samples.end(), std::int16_t{0});
    }
}

void SoundMixer::FollowClock(const Clock* clock)
{
    std::lock_guard<std::mutex> guard(mLock);
    mClock = clock;
    mClockStart = clock != nullptr ? clock->Counter() : 0;
    mClockFramesMixed = 0;
}

void SoundMixer::CatchUpLocked()
{
    if (mClock == nullptr || mClock->Frequency() <= 0)
    {
        return;
    }
    const std::int64_t ticks = std::max<std::int64_t>(0, mClock->Counter() - mClockStart);
    const auto due = static_cast<std::uint64_t>(static_cast<double>(ticks) * kOutputRate /
                                                static_cast<double>(mClock->Frequency()));
    if (due <= mClockFramesMixed)
    {
        return;
    }
    // Nobody hears this output: the voices only move on, as mixing would have moved them.
    const std::uint64_t frames = due - mClockFramesMixed;
    for (SoundVoice* voice : mVoices)
    {
        if (voice->playing && !voice->lost && voice->frames > 0)
        {
            AdvanceVoice(*voice, frames);
        }
    }
    mClockFramesMixed = due;
}

void SoundMixer::AdvanceVoice(SoundVoice& voice, std::uint64_t frames)
{
    // In pieces small enough that a piece's distance (at most 2^24 frames at 200000 Hz) cannot overflow.
    constexpr std::uint64_t kPiece = std::uint64_t{1} << 24;
    const std::uint64_t end = static_cast<std::uint64_t>(voice.frames) * kFixedOne;
    const std::uint64_t step = (static_cast<std::uint64_t>(voice.frequency) * kFixedOne) / kOutputRate;
    while (frames > 0)
    {
        const std::uint64_t piece = std::min(frames, kPiece);
        const std::uint64_t target = voice.position + piece * step;
        if (target < end)
        {
            voice.position = target;
        }
        else if (voice.looping)
        {
            voice.position = target % end;
        }
        else
        {
            voice.playing = false;
            voice.position = 0;
            return;
        }
        frames -= piece;
    }
}

void SoundMixer::Mix(std::int16_t* out, std::uint32_t frames)
{
    std::lock_guard<std::mutex> guard(mLock);
    while (frames > 0)
    {
        const std::uint32_t chunk = std::min(frames, kChunkFrames);
        MixChunk(out, chunk);
        out += chunk * kOutputChannels;
        frames -= chunk;
    }
}

void SoundMixer::MixChunk(std::int16_t* out, std::uint32_t frames)
{
    std::fill_n(mAccumulator.begin(), frames * kOutputChannels, 0.0f);
    for (SoundVoice* voice : mVoices)
    {
        if (voice->playing && !voice->lost && voice->frames > 0)
        {
            MixVoice(*voice, frames);
        }
    }
    for (std::uint32_t i = 0; i < frames * kOutputChannels; ++i)
    {
        const float value = std::clamp(mAccumulator[i], -32768.0f, 32767.0f);
        out[i] = static_cast<std::int16_t>(std::lrint(value));
    }
}

void SoundMixer::MixVoice(SoundVoice& voice, std::uint32_t frames)
{
    const std::int16_t* samples = voice.data->samples.data();
    const std::uint32_t channels = voice.format.channels;
    const std::uint64_t end = static_cast<std::uint64_t>(voice.frames) * kFixedOne;
    const std::uint64_t step = (static_cast<std::uint64_t>(voice.frequency) * kFixedOne) / kOutputRate;
    const std::uint32_t rightOffset = channels == 2 ? 1 : 0;

    for (std::uint32_t i = 0; i < frames; ++i)
    {
        const auto index = static_cast<std::uint32_t>(voice.position >> 32);
        std::uint32_t next = index + 1;
        if (next >= voice.frames)
        {
            next = voice.looping ? 0 : index;
        }
        const float fraction = static_cast<float>(voice.position & (kFixedOne - 1)) * kFractionScale;
        const std::int16_t* here = samples + static_cast<std::size_t>(index) * channels;
        const std::int16_t* there = samples + static_cast<std::size_t>(next) * channels;
        const float left = static_cast<float>(here[0]) + (static_cast<float>(there[0] - here[0])) * fraction;
        const float right = static_cast<float>(here[rightOffset]) +
                            (static_cast<float>(there[rightOffset] - here[rightOffset])) * fraction;
        mAccumulator[i * 2] += left * voice.leftGain;
        mAccumulator[i * 2 + 1] += right * voice.rightGain;

        voice.position += step;
        if (voice.position >= end)
        {
            if (!voice.looping)
            {
                // A buffer played once stops at its end and is ready to play again from the start.
                voice.playing = false;
                voice.position = 0;
                return;
            }
            voice.position %= end;
        }
    }
}

} // namespace Platform
