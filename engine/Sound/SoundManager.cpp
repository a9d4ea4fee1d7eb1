#include "engine/Sound/SoundManager.h"

#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Sound/Sound.h"
#include "engine/Util/CheckedInteger.h"
#include "platform/SoundDevice.h"
#include "platform/ThreadControl.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Sound\\SoundManager";
constexpr std::uint32_t kSetUpPauseMs = 10;

// "Cache": the number of voices, truncated toward zero; below 1 counts as 1.
std::uint16_t VoiceCountOf(const LuaValue& cache)
{
    if (!cache.IsNumber())
    {
        return 1;
    }
    return std::max<std::uint16_t>(CheckedInteger<std::uint16_t>(cache.ToFloat()), 1);
}

// More threads than this gain little for a list of short effects.
constexpr int kMostDecodeThreads = 4;

// The files of the list's effects, each once, read here so that their decoding can run on a few threads;
// a file that cannot be read is left to its sound, which logs it.
std::vector<std::pair<std::string, FileData>> EffectFilesOf(const LuaValue& table)
{
    std::vector<std::pair<std::string, FileData>> files;
    FileSysManager* fileSystem = FileSysManager::Peek();
    std::error_code error;
    // Without its folder every read is reported: the sounds' own loads do that, once each, as ever.
    if (fileSystem == nullptr || !std::filesystem::is_directory(fileSystem->GetStartFolder(), error))
    {
        return files;
    }
    table.ForEachEntry(
        [fileSystem, &files](const LuaValue& /*key*/, const LuaValue& entry)
        {
            if (!entry.IsTable())
            {
                return;
            }
            LuaStackGuard guard(entry.GetState());
            const std::string name = entry.GetField("Name").ToString();
            const std::string file = entry.GetField("File").ToString();
            const LuaValue type = entry.GetField("Type");
            const bool music = type.IsNumber() && type.ToFloat() == 1.0f;
            const bool listed = std::any_of(files.begin(), files.end(),
                                            [&file](const auto& known) { return known.first == file; });
            FileData data;
            if (!name.empty() && !file.empty() && !music && !listed &&
                fileSystem->FindFileData(file, data, "rb") && data.HasData())
            {
                files.emplace_back(file, std::move(data));
            }
        });
    return files;
}

} // namespace

SoundManager::SoundManager(Platform::WindowHandle /*window*/)
{
    mDevice = Platform::SoundDevice::Open();
    if (!mDevice)
    {
        LogManager::GetInstance()->Write("Error DirectSoundCreate8");
        return;
    }
    Platform::ThreadControl::SleepMilliseconds(kSetUpPauseMs);
    mEffectsVolume = 0.0f;
    mMusicVolume = 0.0f;
    LoadScript("audiolist.audio", "audiolist");
    StartThread();
}

SoundManager::~SoundManager()
{
    Shutdown();
}

SoundManager* SoundManager::GetInstance()
{
    return CheckedInstance("SoundManager::mSingleton==NULL", kEngineModule, kSource, 27);
}

void SoundManager::LoadScript(const std::string& file, const std::string& table)
{
    if (!mDevice)
    {
        return;
    }
    LuaScript script;
    if (!script.IsOpen())
    {
        return;
    }
    script.LoadFile(file, LuaScript::IfMissing::Log);
    LuaStackGuard guard(script.GetState());
    const LuaValue global = script.GetGlobal(table.c_str());
    LogManager::GetInstance()->Write("%s,%s", file.c_str(), table.c_str());
    if (global.IsTable())
    {
        ReadScript(global);
    }
}

void SoundManager::ReadScript(const LuaValue& table)
{
    EffectSamples decoded;
    decoded.DecodeTogether(
        EffectFilesOf(table),
        std::clamp(static_cast<int>(std::thread::hardware_concurrency()) - 1, 1, kMostDecodeThreads));
    table.ForEachEntry(
        [this, &decoded](const LuaValue& /*key*/, const LuaValue& value)
        {
            if (value.IsTable())
            {
                ReadEntry(value, decoded);
            }
        });
}

void SoundManager::ReadEntry(const LuaValue& entry, EffectSamples& decoded)
{
    LuaStackGuard guard(entry.GetState());
    const std::string name = entry.GetField("Name").ToString();
    if (name.empty())
    {
        ReportAndBreak("Name='' (SoundManager::ReadScript)", kEngineModule, kSource, 141);
        return;
    }
    const std::string file = entry.GetField("File").ToString();
    if (file.empty())
    {
        ReportAndBreak("file='' (SoundManager::ReadScript)", kEngineModule, kSource, 150);
        return;
    }
    const std::uint16_t voices = VoiceCountOf(entry.GetField("Cache"));
    const LuaValue type = entry.GetField("Type");
    const std::int32_t soundType = type.IsNumber() && type.ToFloat() == 1.0f ? kMusic : kEffects;

    auto sound = std::make_unique<Sound>(mDevice.get(), file, soundType, voices, &decoded);
    const LuaValue volume = entry.GetField("Volume");
    if (volume.IsNumber())
    {
        sound->SetVoiceVolumes(volume.ToFloat(), 1.0f);
        sound->SetVolume(volume.ToFloat());
    }
    const LuaValue frequency = entry.GetField("Frequency");
    if (frequency.IsNumber())
    {
        sound->SetFrequency(frequency.ToFloat());
    }
    const LuaValue pan = entry.GetField("Pan");
    if (pan.IsNumber())
    {
        sound->SetPan(pan.ToFloat());
    }
    Add(name, std::move(sound));
}

void SoundManager::Add(const std::string& name, std::unique_ptr<Sound> sound)
{
    if (!mDevice)
    {
        return;
    }
    if (!sound)
    {
        ReportAndBreak("sound==NULL (SoundManager::Add)", kEngineModule, kSource, 177);
        return;
    }
    LogManager::GetInstance()->Write("Load Sound: %s", name.c_str());
    if (mSounds.count(name) != 0)
    {
        // The second sound is dropped whole, so the thread never walks a sound nobody owns.
        ReportAndBreak("File with the name " + name + " already exists." + " (SoundManager::Add)",
                       kEngineModule, kSource, 185);
        return;
    }
    Sound* added = sound.get();
    mSounds.emplace(name, std::move(sound));
    if (added->IsStreamed())
    {
        std::lock_guard<std::mutex> guard(mStreamedLock);
        mStreamed.push_back(added);
    }
}

Sound* SoundManager::GetSound(const std::string& name)
{
    if (!mDevice)
    {
        return nullptr;
    }
    const auto found = mSounds.find(name);
    if (found == mSounds.end())
    {
        LogManager::GetInstance()->Write("File not found: %s", name.c_str());
        return nullptr;
    }
    return found->second.get();
}

void SoundManager::SetVolume(float volume, std::int32_t type)
{
    if (type == kMusic)
    {
        mMusicVolume = volume;
        for (Sound* sound : mStreamed)
        {
            sound->SetVolume(volume);
        }
        return;
    }
    mEffectsVolume = volume;
    for (const auto& [name, sound] : mSounds)
    {
        if (sound->GetType() == type)
        {
            sound->SetVolume(volume);
        }
    }
}

void SoundManager::StopMusic()
{
    for (const auto& [name, sound] : mSounds)
    {
        if (sound->GetType() == kMusic)
        {
            sound->Stop();
        }
    }
}

void SoundManager::MuteAll()
{
    mSavedEffectsVolume = mEffectsVolume;
    mSavedMusicVolume = mMusicVolume;
    SetVolume(0.0f, kEffects);
    mMusicVolume = 0.0f;
    for (Sound* sound : mStreamed)
    {
        sound->SetVolume(0.0f);
    }
}

void SoundManager::RestoreAll()
{
    if (mSavedEffectsVolume < 0.0f || mSavedMusicVolume < 0.0f)
    {
        return;
    }
    SetVolume(mSavedEffectsVolume, kEffects);
    mMusicVolume = mSavedMusicVolume;
    for (Sound* sound : mStreamed)
    {
        sound->SetVolume(mMusicVolume);
    }
    mSavedEffectsVolume = kNothingSaved;
    mSavedMusicVolume = kNothingSaved;
}

std::size_t SoundManager::GetStreamedCount()
{
    std::lock_guard<std::mutex> guard(mStreamedLock);
    return mStreamed.size();
}

void SoundManager::StartThread()
{
    mStopThread = false;
    mThread = std::thread([this] { ThreadProc(); });
}

void SoundManager::ThreadProc()
{
    Platform::ThreadControl::RaiseCurrentThreadPriority();
    std::unique_lock<std::mutex> lock(mThreadLock);
    while (!mStopThread)
    {
        lock.unlock();
        UpdateStreamed();
        lock.lock();
        mThreadWake.wait_for(lock, std::chrono::milliseconds(kThreadTickMs), [this] { return mStopThread; });
    }
}

void SoundManager::UpdateStreamed()
{
    std::lock_guard<std::mutex> guard(mStreamedLock);
    for (Sound* sound : mStreamed)
    {
        sound->Update();
    }
}

void SoundManager::StopThread()
{
    if (!mThread.joinable())
    {
        return;
    }
    {
        std::lock_guard<std::mutex> guard(mThreadLock);
        mStopThread = true;
    }
    mThreadWake.notify_all();
    mThread.join();
}

void SoundManager::Shutdown()
{
    // The thread finishes its tick and ends before any sound it walks is deleted.
    StopThread();
    {
        std::lock_guard<std::mutex> guard(mStreamedLock);
        mStreamed.clear();
    }
    mSounds.clear();
}

} // namespace Korrin
