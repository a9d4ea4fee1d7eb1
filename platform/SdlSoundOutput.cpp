#include "platform/SdlSoundOutput.h"

#include "platform/SoundMixer.h"

#include <SDL.h>
#include <cstdio>

namespace Platform
{

namespace
{

// About 23 ms at 44100 Hz: short enough for prompt effects, long enough not to starve.
constexpr Uint16 kCallbackFrames = 1024;

} // namespace

std::unique_ptr<SdlSoundOutput> SdlSoundOutput::Open(SoundMixer& mixer)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    {
        std::fprintf(stderr, "wrenfold: no sound (%s)\n", SDL_GetError());
        return nullptr;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(SoundMixer::kOutputRate);
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(SoundMixer::kOutputChannels);
    wanted.samples = kCallbackFrames;
    wanted.callback = &SdlSoundOutput::Callback;
    wanted.userdata = &mixer;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants, the mixer stays at one format.
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0)
    {
        std::fprintf(stderr, "wrenfold: no sound (%s)\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    SDL_PauseAudioDevice(device, 0);
    return std::unique_ptr<SdlSoundOutput>(new SdlSoundOutput(device));
}

SdlSoundOutput::~SdlSoundOutput()
{
    SDL_CloseAudioDevice(mDevice);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundOutput::Callback(void* mixer, Uint8* stream, int length)
{
    const auto frames =
        static_cast<std::uint32_t>(length) / (SoundMixer::kOutputChannels * sizeof(std::int16_t));
    static_cast<SoundMixer*>(mixer)->Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

} // namespace Platform
