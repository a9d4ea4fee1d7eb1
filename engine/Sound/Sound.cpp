#include "engine/Sound/Sound.h"

#include "engine/Log/LogManager.h"
#include "engine/Sound/SoundOGG.h"
#include "platform/SoundDevice.h"
#include "platform/ThreadControl.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Korrin
{

namespace
{

constexpr std::uint32_t kRestorePauseMs = 10;

float Clamp01(float value)
{
    return std::clamp(value, 0.0f, 1.0f);
}

} // namespace

Sound::Sound(Platform::SoundDevice* device, const std::string& fileName, std::int32_t type,
             std::uint16_t voiceCount, EffectSamples* decoded)
    : mDevice(device), mFileName(fileName), mVoiceCount(std::max<std::int32_t>(1, voiceCount)), mType(type)
{
    mVoices.resize(static_cast<std::size_t>(mVoiceCount));
    Load(decoded);
    mTypeVolume = 0.0f;
}

Sound::~Sound()
{
    // The voices go before the decoder; a voice's buffer leaves the mixer as it goes.
    mVoices.clear();
    mSoundFile.reset();
}

std::int32_t Sound::VolumeToDecibels(float volume)
{
    const float level = std::round(volume * 255.0f);
    const float curve = std::log10(1.0f + 9.0f * std::log2(level + 1.0f) / 8.0f);
    return static_cast<std::int32_t>(std::lround(10000.0f * curve)) - 10000;
}

bool Sound::IsPlaying() const
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    return mPlaying;
}

Platform::SoundBuffer* Sound::GetVoiceBuffer(std::int32_t voice) const
{
    if (voice < 0 || voice >= mVoiceCount)
    {
        return nullptr;
    }
    return mVoices[static_cast<std::size_t>(voice)].buffer.get();
}

void Sound::Load(EffectSamples* decoded)
{
    if (mDevice == nullptr)
    {
        return;
    }
    const EffectSamples::Samples* known =
        decoded != nullptr && mType != kMusic ? decoded->Find(mFileName) : nullptr;
    if (known != nullptr ? !MakeFirstVoiceFrom(*known) : !DecodeFirstVoice(decoded))
    {
        LogManager::GetInstance()->Write("sound file is bad: %s", mFileName.c_str());
        mSoundFile.reset();
        mDevice = nullptr;
        return;
    }
    for (std::size_t voice = 1; voice < mVoices.size(); ++voice)
    {
        mVoices[voice].buffer = mVoices[0].buffer->Duplicate();
        if (!mVoices[voice].buffer)
        {
            break;
        }
    }
}

bool Sound::DecodeFirstVoice(EffectSamples* decoded)
{
    if (!mSoundFile)
    {
        mSoundFile = std::make_unique<SoundOGG>();
    }
    if (!mSoundFile->Open(mFileName) || !MakeFirstVoice())
    {
        return false;
    }
    if (decoded != nullptr && !mStreamed)
    {
        KeepSamples(*decoded);
    }
    return true;
}

bool Sound::MakeFirstVoice()
{
    mBytesWritten = 0;
    mStreamed = mType == kMusic;
    mBufferSize = mStreamed ? kStreamBytes : mSoundFile->GetTotalBytes();
    mVoices[0].buffer = mDevice->CreateBuffer(mSoundFile->GetFormat(), mBufferSize);
    if (!mVoices[0].buffer)
    {
        mStreamed = false;
        return false;
    }
    FillBuffer(*mVoices[0].buffer, *mSoundFile, 0, mBufferSize);
    if (!mStreamed)
    {
        // An effect lives in its buffer from now on.
        mSoundFile.reset();
    }
    return true;
}

bool Sound::MakeFirstVoiceFrom(const EffectSamples::Samples& samples)
{
    // The same bytes as decoding the file again would give: an effect is decoded whole, from its start.
    mBytesWritten = 0;
    mStreamed = false;
    mBufferSize = static_cast<std::uint32_t>(samples.bytes.size());
    mVoices[0].buffer = mDevice->CreateBuffer(samples.format, mBufferSize);
    if (!mVoices[0].buffer)
    {
        return false;
    }
    Platform::SoundBuffer::Regions regions;
    if (mVoices[0].buffer->Lock(0, mBufferSize, regions))
    {
        std::memcpy(regions.first, samples.bytes.data(), regions.firstBytes);
        if (regions.secondBytes != 0)
        {
            std::memcpy(regions.second, samples.bytes.data() + regions.firstBytes, regions.secondBytes);
        }
        mVoices[0].buffer->Unlock(regions);
    }
    mBytesWritten += mBufferSize;
    return true;
}

void Sound::KeepSamples(EffectSamples& decoded)
{
    Platform::SoundBuffer::Regions regions;
    if (!mVoices[0].buffer->Lock(0, mBufferSize, regions))
    {
        return;
    }
    EffectSamples::Samples samples{
        mVoices[0].buffer->GetFormat(),
        std::vector<std::uint8_t>(regions.first, regions.first + regions.firstBytes)};
    if (regions.secondBytes != 0)
    {
        samples.bytes.insert(samples.bytes.end(), regions.second, regions.second + regions.secondBytes);
    }
    mVoices[0].buffer->Unlock(regions);
    decoded.Keep(mFileName, std::move(samples));
}

bool Sound::FillBuffer(Platform::SoundBuffer& buffer, SoundFile& file, std::uint32_t offset,
                       std::uint32_t bytes)
{
    Platform::SoundBuffer::Regions regions;
    if (!buffer.Lock(offset, bytes, regions))
    {
        return false;
    }
    file.Read(regions.first, static_cast<std::int32_t>(regions.firstBytes), mLoop);
    if (regions.secondBytes != 0)
    {
        file.Read(regions.second, static_cast<std::int32_t>(regions.secondBytes), mLoop);
    }
    buffer.Unlock(regions);
    mBytesWritten += bytes;
    return true;
}

void Sound::RefillLostBuffer(Platform::SoundBuffer& buffer)
{
    if (mSoundFile)
    {
        FillBuffer(buffer, *mSoundFile, 0, mBufferSize);
        return;
    }
    // An effect no longer holds its decoder: its samples are decoded again from the file.
    SoundOGG decoder;
    if (!decoder.Open(mFileName) || decoder.GetTotalBytes() != mBufferSize)
    {
        LogManager::GetInstance()->Write("sound file is bad: %s", mFileName.c_str());
        return;
    }
    const std::uint32_t written = mBytesWritten;
    FillBuffer(buffer, decoder, 0, mBufferSize);
    mBytesWritten = written;
}

std::int32_t Sound::FindFreeVoice()
{
    if (mDevice == nullptr)
    {
        return -1;
    }
    for (std::int32_t index = 0; index < mVoiceCount; ++index)
    {
        Platform::SoundBuffer* buffer = mVoices[static_cast<std::size_t>(index)].buffer.get();
        if (buffer == nullptr)
        {
            continue;
        }
        const std::uint32_t status = buffer->GetStatus();
        if ((status & Platform::SoundBuffer::kLost) != 0)
        {
            buffer->Restore();
            Platform::ThreadControl::SleepMilliseconds(kRestorePauseMs);
            RefillLostBuffer(*buffer);
        }
        if ((status & Platform::SoundBuffer::kPlaying) == 0)
        {
            return index;
        }
    }
    return -1;
}

std::int32_t Sound::Play(bool loop)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    // A stream that stands at its start holds a ring filled for the last loop flag: a track shorter than
    // the ring would be followed by silence (or, filled looping, by its start) before the first refill.
    const bool refill = mSoundFile != nullptr && !mStreaming && loop != mLoop;
    mLoop = loop;
    if (mDevice == nullptr)
    {
        return -1;
    }
    const std::int32_t index = FindFreeVoice();
    if (index < 0)
    {
        return -1;
    }
    if (refill)
    {
        RefillRingFromStart();
    }
    Voice& voice = mVoices[static_cast<std::size_t>(index)];
    if (!SetVoiceVolumeLocked(index, voice.volume, mTypeVolume))
    {
        return -1;
    }
    if (!voice.buffer->Play(loop || mSoundFile != nullptr))
    {
        return -1;
    }
    mPlaying = true;
    if (mSoundFile)
    {
        mStreaming = true;
    }
    return index;
}

void Sound::Stop()
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    StopLocked();
}

void Sound::StopLocked()
{
    if (mDevice == nullptr)
    {
        return;
    }
    mPlaying = false;
    mStreaming = false;
    for (Voice& voice : mVoices)
    {
        if (voice.buffer)
        {
            voice.buffer->Stop();
            voice.buffer->SetCurrentPosition(0);
        }
    }
    RefillRingFromStart();
}

void Sound::RefillRingFromStart()
{
    if (mSoundFile && mVoices[0].buffer)
    {
        mBytesWritten = 0;
        mSoundFile->Rewind();
        FillBuffer(*mVoices[0].buffer, *mSoundFile, 0, kStreamBytes);
    }
}

bool Sound::SetVoiceVolume(std::int32_t voice, float voiceVolume, float typeVolume)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    return SetVoiceVolumeLocked(voice, voiceVolume, typeVolume);
}

bool Sound::SetVoiceVolumeLocked(std::int32_t voice, float voiceVolume, float typeVolume)
{
    if (mDevice == nullptr || voice < 0 || voice >= mVoiceCount)
    {
        return false;
    }
    voiceVolume = Clamp01(voiceVolume);
    typeVolume = Clamp01(typeVolume);
    Voice& target = mVoices[static_cast<std::size_t>(voice)];
    target.volume = voiceVolume;
    if (!target.buffer)
    {
        return true;
    }
    return target.buffer->SetVolume(VolumeToDecibels(voiceVolume * typeVolume));
}

bool Sound::SetVoiceVolumes(float voiceVolume, float typeVolume)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    for (std::int32_t voice = 0; voice < mVoiceCount; ++voice)
    {
        if (!SetVoiceVolumeLocked(voice, voiceVolume, typeVolume))
        {
            return false;
        }
    }
    return true;
}

float Sound::GetVoiceVolume(std::int32_t voice)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    if (mDevice == nullptr || voice < 0 || voice >= mVoiceCount)
    {
        return -1.0f;
    }
    return mVoices[static_cast<std::size_t>(voice)].volume;
}

void Sound::SetVolume(float typeVolume)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    mTypeVolume = typeVolume;
    for (std::int32_t voice = 0; voice < mVoiceCount; ++voice)
    {
        SetVoiceVolumeLocked(voice, GetVoiceVolume(voice), typeVolume);
    }
}

void Sound::SetFrequency(float factor)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    float rate = std::round(factor * kBaseRate);
    // Also catches a factor that is not a number.
    if (!(rate >= static_cast<float>(Platform::SoundBuffer::kMinFrequency)))
    {
        rate = static_cast<float>(Platform::SoundBuffer::kMinFrequency);
    }
    rate = std::min(rate, static_cast<float>(Platform::SoundBuffer::kMaxFrequency));
    for (Voice& voice : mVoices)
    {
        if (voice.buffer)
        {
            voice.buffer->SetFrequency(static_cast<std::uint32_t>(rate));
        }
    }
}

void Sound::SetPan(float pan)
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    // Beyond full left or right there is nothing more to take off the other side.
    pan = std::isnan(pan) ? 0.0f : std::clamp(pan, -1.0f, 1.0f);
    std::int32_t value = 0;
    if (pan != 0.0f)
    {
        value = -VolumeToDecibels(1.0f - std::fabs(pan));
        if (pan < 0.0f)
        {
            value = -value;
        }
    }
    for (Voice& voice : mVoices)
    {
        if (voice.buffer)
        {
            voice.buffer->SetPan(value);
        }
    }
}

void Sound::Update()
{
    std::lock_guard<std::recursive_mutex> guard(mLock);
    // A muted track is not refilled.
    if (mDevice == nullptr || !mStreaming || !mPlaying || mTypeVolume == 0.0f || !mSoundFile ||
        !mVoices[0].buffer)
    {
        return;
    }
    Platform::SoundBuffer& ring = *mVoices[0].buffer;
    std::uint32_t play = 0;
    if (!ring.GetCurrentPosition(play))
    {
        return;
    }
    const std::uint32_t written = mBytesWritten % kStreamBytes;
    const std::uint32_t free = written <= play ? play - written : play - written + kStreamBytes;
    if (free == 0)
    {
        return;
    }
    FillBuffer(ring, *mSoundFile, written, free);
    if (!mLoop)
    {
        const std::uint32_t ahead = written >= play ? written - play : written - play + kStreamBytes;
        if (mBytesWritten >= ahead && mBytesWritten - ahead >= mSoundFile->GetTotalBytes())
        {
            StopLocked();
        }
    }
}

} // namespace Korrin
