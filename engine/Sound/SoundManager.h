#pragma once

#include "engine/Util/Singleton.h"
#include "platform/Message.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LuaValue;

namespace Platform
{
class SoundDevice;
} // namespace Platform

namespace Korrin
{

class EffectSamples;
class Sound;

// The engine's sound: opens the sound device, reads sound lists (".audio" files), owns every sound by
// name, keeps one volume for music and one for effects, mutes everything while the application is in
// the background, and runs the sound thread that keeps streamed music flowing.
class SoundManager : public Singleton<SoundManager>
{
public:
    static constexpr std::int32_t kEffects = 0;
    static constexpr std::int32_t kMusic = 1;
    static constexpr float kNothingSaved = -100.0f;
    static constexpr std::uint32_t kThreadTickMs = 50;

    explicit SoundManager(Platform::WindowHandle window);
    ~SoundManager();

    static SoundManager* GetInstance();

    // Runs the sound list file and reads its global table of that name.
    void LoadScript(const std::string& file, const std::string& table);
    void ReadScript(const LuaValue& table);
    // Takes the sound over under the name; a name already taken keeps its first sound.
    void Add(const std::string& name, std::unique_ptr<Sound> sound);
    // Null when there is no device or no sound of that name.
    Sound* GetSound(const std::string& name);

    // Type 1 sets the music volume and every streamed sound; any other type the effects volume and the
    // sounds of that type.
    void SetVolume(float volume, std::int32_t type);
    void StopMusic();
    // Silences everything, keeping the volumes to put back; sounds go on playing unheard.
    void MuteAll();
    // Puts back what the last MuteAll kept; nothing without one.
    void RestoreAll();
    // Ends the sound thread and deletes every sound.
    void Shutdown();

    float GetEffectsVolume() const { return mEffectsVolume; }
    float GetMusicVolume() const { return mMusicVolume; }
    // Stores the music volume without touching the sounds (the options keep it this way).
    void SetMusicVolumeValue(float volume) { mMusicVolume = volume; }
    float GetSavedEffectsVolume() const { return mSavedEffectsVolume; }
    float GetSavedMusicVolume() const { return mSavedMusicVolume; }
    bool IsThreadRunning() const { return mThread.joinable(); }
    Platform::SoundDevice* GetDevice() const { return mDevice.get(); }
    std::size_t GetStreamedCount();

private:
    void ReadEntry(const LuaValue& entry, EffectSamples& decoded);
    void StartThread();
    void ThreadProc();
    void UpdateStreamed();
    void StopThread();

    std::unique_ptr<Platform::SoundDevice> mDevice;
    std::map<std::string, std::unique_ptr<Sound>> mSounds;
    // Appended on the main thread and walked by the sound thread: guarded by mStreamedLock. The main
    // thread, being the only writer, reads it without the lock.
    std::vector<Sound*> mStreamed;
    std::mutex mStreamedLock;
    float mEffectsVolume = 1.0f;
    float mMusicVolume = 1.0f;
    float mSavedEffectsVolume = kNothingSaved;
    float mSavedMusicVolume = kNothingSaved;

    std::thread mThread;
    std::mutex mThreadLock;
    std::condition_variable mThreadWake;
    bool mStopThread = false;
};

} // namespace Korrin
