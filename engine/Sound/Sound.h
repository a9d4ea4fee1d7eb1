#pragma once

#include "engine/Sound/EffectSamples.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Platform
{
class SoundBuffer;
class SoundDevice;
} // namespace Platform

namespace Korrin
{

class SoundFile;

// One named sound of the sound manager: an Ogg Vorbis file played through one or more buffers (its
// voices), so the same effect can sound several times at once. An effect is decoded whole when it is
// loaded; music keeps its decoder and plays from a ring that the sound thread refills.
class Sound
{
public:
    static constexpr std::int32_t kMusic = 1;
    static constexpr std::uint32_t kStreamBytes = 131072;
    static constexpr float kBaseRate = 44100.0f;

    struct Voice
    {
        std::unique_ptr<Platform::SoundBuffer> buffer;
        float volume = 0.0f;
    };

    // A null device, or a file that cannot be decoded, leaves the sound disabled: it never plays. An effect
    // takes its samples from decoded when that file is there, and leaves them there when it decodes it.
    Sound(Platform::SoundDevice* device, const std::string& fileName, std::int32_t type,
          std::uint16_t voiceCount, EffectSamples* decoded = nullptr);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // The voice that now plays, or -1 (disabled, or every voice busy).
    std::int32_t Play(bool loop);
    void Stop();
    // The volume of the sound's type (0..1), applied on top of each voice's own volume.
    void SetVolume(float typeVolume);
    bool SetVoiceVolumes(float voiceVolume, float typeVolume);
    bool SetVoiceVolume(std::int32_t voice, float voiceVolume, float typeVolume);
    // -1 when disabled or past the voices.
    float GetVoiceVolume(std::int32_t voice);
    // Playback rate as a factor of 44100 Hz (not of the file's own rate).
    void SetFrequency(float factor);
    // -1 (left) .. 1 (right).
    void SetPan(float pan);
    // The sound thread's tick: refills what the ring has played, and ends a stream played once.
    void Update();

    // Volume 0..1 as attenuation in hundredths of a decibel, along a curve that sounds even to the ear.
    static std::int32_t VolumeToDecibels(float volume);

    bool IsEnabled() const { return mDevice != nullptr; }
    bool IsStreamed() const { return mStreamed; }
    // Locked: the sound thread stops a stream that was played once when it ends.
    bool IsPlaying() const;
    std::int32_t GetType() const { return mType; }
    std::int32_t GetVoiceCount() const { return mVoiceCount; }
    float GetTypeVolume() const { return mTypeVolume; }
    const std::string& GetFileName() const { return mFileName; }
    Platform::SoundBuffer* GetVoiceBuffer(std::int32_t voice) const;

private:
    void Load(EffectSamples* decoded);
    bool DecodeFirstVoice(EffectSamples* decoded);
    bool MakeFirstVoice();
    bool MakeFirstVoiceFrom(const EffectSamples::Samples& samples);
    void KeepSamples(EffectSamples& decoded);
    bool FillBuffer(Platform::SoundBuffer& buffer, SoundFile& file, std::uint32_t offset,
                    std::uint32_t bytes);
    std::int32_t FindFreeVoice();
    void RefillLostBuffer(Platform::SoundBuffer& buffer);
    void StopLocked();
    // A streamed sound's decoder and ring back at the start, the ring filled anew.
    void RefillRingFromStart();
    bool SetVoiceVolumeLocked(std::int32_t voice, float voiceVolume, float typeVolume);

    // The sound thread refills while the main thread plays, stops and re-volumes.
    mutable std::recursive_mutex mLock;
    std::vector<Voice> mVoices;
    std::uint32_t mBufferSize = 0;
    Platform::SoundDevice* mDevice;
    std::unique_ptr<SoundFile> mSoundFile;
    std::string mFileName;
    std::uint32_t mBytesWritten = 0;
    std::int32_t mVoiceCount;
    std::int32_t mType;
    bool mLoop = false;
    bool mPlaying = false;
    bool mStreaming = false;
    bool mStreamed = false;
    float mTypeVolume = 0.0f;
};

} // namespace Korrin
