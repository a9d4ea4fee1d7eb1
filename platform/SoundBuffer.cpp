#include "platform/SoundBuffer.h"

#include "platform/SoundMixer.h"

#include <algorithm>
#include <cstring>

namespace Platform
{

SoundBuffer::SoundBuffer(std::shared_ptr<SoundMixer> mixer, std::shared_ptr<SoundSamples> data,
                         const PcmFormat& format)
    : mMixer(std::move(mixer))
{
    mVoice.data = std::move(data);
    mVoice.format = format;
    mVoice.frames = mVoice.data->bytes / format.blockAlign;
    mVoice.frequency = format.samplesPerSecond;
    auto guard = mMixer->Guard();
    mMixer->AddLocked(&mVoice);
}

SoundBuffer::~SoundBuffer()
{
    auto guard = mMixer->Guard();
    mMixer->RemoveLocked(&mVoice);
}

std::unique_ptr<SoundBuffer> SoundBuffer::Duplicate() const
{
    return std::make_unique<SoundBuffer>(mMixer, mVoice.data, mVoice.format);
}

bool SoundBuffer::Lock(std::uint32_t offset, std::uint32_t bytes, Regions& regions)
{
    auto guard = mMixer->Guard();
    SoundSamples& data = *mVoice.data;
    if (mVoice.lost || data.locked || offset >= data.bytes || bytes == 0 || bytes > data.bytes)
    {
        return false;
    }
    // Grows only until the largest range is reached; a ring refilled every tick does not allocate again.
    if (data.staging.size() < bytes)
    {
        data.staging.resize(bytes);
    }
    const std::uint32_t firstBytes = std::min(bytes, data.bytes - offset);
    const auto* source = reinterpret_cast<const std::uint8_t*>(data.samples.data());
    std::memcpy(data.staging.data(), source + offset, firstBytes);
    std::memcpy(data.staging.data() + firstBytes, source, bytes - firstBytes);
    data.locked = true;
    data.lockOffset = offset;
    data.lockBytes = bytes;
    regions.first = data.staging.data();
    regions.firstBytes = firstBytes;
    regions.second = bytes > firstBytes ? data.staging.data() + firstBytes : nullptr;
    regions.secondBytes = bytes - firstBytes;
    return true;
}

bool SoundBuffer::Unlock(const Regions& regions)
{
    auto guard = mMixer->Guard();
    SoundSamples& data = *mVoice.data;
    if (!data.locked || regions.first != data.staging.data())
    {
        return false;
    }
    data.locked = false;
    if (mVoice.lost)
    {
        return false;
    }
    auto* target = reinterpret_cast<std::uint8_t*>(data.samples.data());
    const std::uint32_t firstBytes = std::min(data.lockBytes, data.bytes - data.lockOffset);
    std::memcpy(target + data.lockOffset, data.staging.data(), firstBytes);
    std::memcpy(target, data.staging.data() + firstBytes, data.lockBytes - firstBytes);
    return true;
}

bool SoundBuffer::Play(bool looping)
{
    auto guard = mMixer->Guard();
    mMixer->CatchUpLocked();
    if (mVoice.lost)
    {
        return false;
    }
    mVoice.looping = looping;
    mVoice.playing = true;
    return true;
}

bool SoundBuffer::Stop()
{
    auto guard = mMixer->Guard();
    mMixer->CatchUpLocked();
    mVoice.playing = false;
    return true;
}

bool SoundBuffer::SetCurrentPosition(std::uint32_t bytes)
{
    auto guard = mMixer->Guard();
    mMixer->CatchUpLocked();
    if (bytes >= mVoice.data->bytes)
    {
        return false;
    }
    mVoice.position = static_cast<std::uint64_t>(bytes / mVoice.format.blockAlign) << 32;
    return true;
}

bool SoundBuffer::GetCurrentPosition(std::uint32_t& bytes)
{
    auto guard = mMixer->Guard();
    mMixer->CatchUpLocked();
    bytes = static_cast<std::uint32_t>(mVoice.position >> 32) * mVoice.format.blockAlign;
    return true;
}

std::uint32_t SoundBuffer::GetStatus()
{
    auto guard = mMixer->Guard();
    mMixer->CatchUpLocked();
    std::uint32_t status = 0;
    if (mVoice.playing)
    {
        status |= kPlaying;
        if (mVoice.looping)
        {
            status |= kLooping;
        }
    }
    if (mVoice.lost)
    {
        status |= kLost;
    }
    return status;
}

bool SoundBuffer::Restore()
{
    auto guard = mMixer->Guard();
    mVoice.lost = false;
    return true;
}

bool SoundBuffer::SetVolume(std::int32_t volume)
{
    if (volume > 0 || volume < kMinVolume)
    {
        return false;
    }
    auto guard = mMixer->Guard();
    mVoice.volume = volume;
    UpdateGainsLocked();
    return true;
}

bool SoundBuffer::SetPan(std::int32_t pan)
{
    if (pan > kMaxPan || pan < -kMaxPan)
    {
        return false;
    }
    auto guard = mMixer->Guard();
    mVoice.pan = pan;
    UpdateGainsLocked();
    return true;
}

bool SoundBuffer::SetFrequency(std::uint32_t frequency)
{
    if (frequency < kMinFrequency || frequency > kMaxFrequency)
    {
        return false;
    }
    auto guard = mMixer->Guard();
    mVoice.frequency = frequency;
    return true;
}

std::int32_t SoundBuffer::GetVolume()
{
    auto guard = mMixer->Guard();
    return mVoice.volume;
}

std::int32_t SoundBuffer::GetPan()
{
    auto guard = mMixer->Guard();
    return mVoice.pan;
}

std::uint32_t SoundBuffer::GetFrequency()
{
    auto guard = mMixer->Guard();
    return mVoice.frequency;
}

void SoundBuffer::UpdateGainsLocked()
{
    const float gain = SoundMixer::GainOf(mVoice.volume);
    // Pan attenuates the side away from it; the near side keeps the buffer's volume.
    mVoice.leftGain = gain * (mVoice.pan > 0 ? SoundMixer::GainOf(-mVoice.pan) : 1.0f);
    mVoice.rightGain = gain * (mVoice.pan < 0 ? SoundMixer::GainOf(mVoice.pan) : 1.0f);
}

} // namespace Platform
