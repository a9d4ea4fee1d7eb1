#include "platform/SoundDevice.h"

#include "platform/SdlSoundOutput.h"
#include "platform/Services.h"
#include "platform/SoundMixer.h"

#include <atomic>

namespace Platform
{

namespace
{

// Nothing is heard unless the program asks for the speakers: tests and headless runs need no sound hardware.
std::atomic<SoundOutputKind> gOutputKind{SoundOutputKind::Clocked};

} // namespace

void SoundDevice::SetOutputKind(SoundOutputKind kind)
{
    gOutputKind.store(kind);
}

SoundOutputKind SoundDevice::GetOutputKind()
{
    return gOutputKind.load();
}

SoundDevice::SoundDevice() : mMixer(std::make_shared<SoundMixer>()) {}

SoundDevice::~SoundDevice()
{
    // The callback must be gone before the mixer can go.
    mSpeakers.reset();
}

std::unique_ptr<SoundDevice> SoundDevice::Open()
{
    const SoundOutputKind kind = GetOutputKind();
    if (kind == SoundOutputKind::None)
    {
        return nullptr;
    }
    std::unique_ptr<SoundDevice> device(new SoundDevice());
    if (kind == SoundOutputKind::Speakers)
    {
        device->mSpeakers = SdlSoundOutput::Open(*device->mMixer);
        if (!device->mSpeakers)
        {
            return nullptr;
        }
    }
    else if (kind == SoundOutputKind::Clocked && Services::Exists())
    {
        device->mMixer->FollowClock(&Services::Current().GetClock());
    }
    return device;
}

std::unique_ptr<SoundBuffer> SoundDevice::CreateBuffer(const PcmFormat& format, std::uint32_t bytes)
{
    if (format.formatTag != PcmFormat::kPcmTag || format.bitsPerSample != 16 ||
        (format.channels != 1 && format.channels != 2) || format.blockAlign != format.channels * 2 ||
        format.samplesPerSecond < SoundBuffer::kMinFrequency ||
        format.samplesPerSecond > SoundBuffer::kMaxFrequency || bytes < SoundBuffer::kMinBytes)
    {
        return nullptr;
    }
    auto data = std::make_shared<SoundSamples>();
    data->bytes = bytes;
    data->samples.assign((bytes + 1) / 2, 0);
    return std::make_unique<SoundBuffer>(mMixer, std::move(data), format);
}

void SoundDevice::Pull(std::int16_t* out, std::uint32_t frames)
{
    mMixer->Mix(out, frames);
}

void SoundDevice::LoseBuffers()
{
    mMixer->LoseAllVoices();
}

} // namespace Platform
