#pragma once

#include <SDL_audio.h>
#include <memory>

namespace Platform
{

class SoundMixer;

// The speakers: an SDL audio device at 44100 Hz 16-bit stereo whose callback pulls from the mixer.
class SdlSoundOutput
{
public:
    // Null when no audio device can be opened.
    static std::unique_ptr<SdlSoundOutput> Open(SoundMixer& mixer);

    ~SdlSoundOutput();
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

private:
    explicit SdlSoundOutput(SDL_AudioDeviceID device) : mDevice(device) {}
    static void Callback(void* mixer, Uint8* stream, int length);

    SDL_AudioDeviceID mDevice;
};

} // namespace Platform
