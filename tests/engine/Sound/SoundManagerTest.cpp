#include "engine/Sound/SoundManager.h"

#include "engine/Sound/Sound.h"
#include "platform/SoundBuffer.h"
#include "tests/engine/Sound/SoundFixture.h"

#include <chrono>
#include <thread>

namespace
{

using Korrin::Sound;
using Korrin::SoundManager;
using TestSupport::ReportRecorder;

class SoundManagerTest : public TestSupport::SoundFixture
{
protected:
    SoundManagerTest() { Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::Pulled); }

    // Asked in a box, or, after the file's first report, written to the log.
    bool Reported(const std::string& description) const
    {
        return HasBox(description) || mLog.Text().find("is damaged): " + description) != std::string::npos;
    }
    static bool HasBox(const std::string& description)
    {
        for (const auto& box : ReportRecorder::Boxes())
        {
            if (box.text.find(description) != std::string::npos)
            {
                return true;
            }
        }
        return false;
    }
};

TEST_F(SoundManagerTest, WithoutADeviceEverythingIsSilentAndQuiet)
{
    Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::None);
    SoundManager sounds(0);
    EXPECT_EQ(sounds.GetDevice(), nullptr);
    EXPECT_FALSE(sounds.IsThreadRunning());
    EXPECT_EQ(sounds.GetEffectsVolume(), 1.0f);
    EXPECT_EQ(sounds.GetMusicVolume(), 1.0f);
    sounds.LoadScript("audiolist.audio", "audiolist");
    sounds.Add("made", std::make_unique<Sound>(nullptr, "click.ogg", 0, 1));
    EXPECT_EQ(sounds.GetSound("click"), nullptr);
    EXPECT_EQ(sounds.GetSound("made"), nullptr);
    sounds.MuteAll();
    sounds.RestoreAll();
    sounds.StopMusic();
    const std::string text = mLog.Text();
    EXPECT_NE(text.find("Error DirectSoundCreate8"), std::string::npos);
    EXPECT_EQ(text.find("File not found"), std::string::npos);
    EXPECT_EQ(text.find("Load Sound"), std::string::npos);
}

TEST_F(SoundManagerTest, TheEngineListIsReadWithItsKeys)
{
    SoundManager sounds(0);
    EXPECT_TRUE(sounds.IsThreadRunning());
    EXPECT_EQ(sounds.GetEffectsVolume(), 0.0f);
    EXPECT_EQ(sounds.GetMusicVolume(), 0.0f);
    EXPECT_NE(mLog.Text().find("audiolist.audio,audiolist"), std::string::npos);

    const struct
    {
        const char* name;
        std::int32_t voices;
        std::int32_t type;
        float volume;
        bool enabled;
    } cases[] = {
        {"click", 3, 0, 0.5f, true},  {"window", 1, 0, 1.0f, true}, {"music", 1, 1, 0.8f, true},
        {"single", 1, 0, 0.0f, true}, {"plain", 1, 0, 0.0f, true},  {"broken", 1, 0, -1.0f, false},
    };
    for (const auto& test : cases)
    {
        Sound* sound = sounds.GetSound(test.name);
        ASSERT_NE(sound, nullptr) << test.name;
        EXPECT_EQ(sound->GetVoiceCount(), test.voices) << test.name;
        EXPECT_EQ(sound->GetType(), test.type) << test.name;
        EXPECT_EQ(sound->IsEnabled(), test.enabled) << test.name;
        EXPECT_FLOAT_EQ(sound->GetVoiceVolume(0), test.volume) << test.name;
        EXPECT_NE(mLog.Text().find(std::string("Load Sound: ") + test.name), std::string::npos);
    }
    EXPECT_FLOAT_EQ(sounds.GetSound("click")->GetTypeVolume(), 0.5f);
    Platform::SoundBuffer* window = sounds.GetSound("window")->GetVoiceBuffer(0);
    EXPECT_EQ(window->GetFrequency(), 22050u);
    EXPECT_EQ(window->GetPan(), -512);
    EXPECT_TRUE(sounds.GetSound("music")->IsStreamed());
    EXPECT_EQ(sounds.GetStreamedCount(), 1u);
    EXPECT_TRUE(ReportRecorder::Boxes().empty());

    EXPECT_EQ(sounds.GetSound("nothing"), nullptr);
    EXPECT_NE(mLog.Text().find("File not found: nothing"), std::string::npos);
}

TEST_F(SoundManagerTest, BadEntriesAreReportedAndTheFirstOfTwoNamesStays)
{
    SoundManager sounds(0);
    sounds.LoadScript("edge.audio", "edge");
    EXPECT_TRUE(Reported("Name='' (SoundManager::ReadScript)"));
    EXPECT_TRUE(Reported("file='' (SoundManager::ReadScript)"));
    EXPECT_TRUE(Reported("File with the name click already exists. (SoundManager::Add)"));
    EXPECT_EQ(sounds.GetSound("click")->GetFileName(), "click.ogg");
    EXPECT_EQ(sounds.GetSound("nofile"), nullptr);
    EXPECT_TRUE(Reported("File with the name music already exists. (SoundManager::Add)"));
    EXPECT_EQ(sounds.GetStreamedCount(), 2u) << "a second music of a taken name is dropped, not streamed";
    EXPECT_EQ(ReportRecorder::Boxes().size(), 1u) << "one question for the file, the rest in the log";

    ReportRecorder::Clear();
    sounds.LoadScript("edge.audio", "notatable");
    sounds.LoadScript("missing.audio", "missing");
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
    EXPECT_EQ(sounds.GetStreamedCount(), 2u);
    sounds.Add("null", nullptr);
    EXPECT_TRUE(HasBox("sound==NULL (SoundManager::Add)"));
}

TEST_F(SoundManagerTest, VolumesReachTheirTypeOnly)
{
    SoundManager sounds(0);
    sounds.SetVolume(0.3f, SoundManager::kMusic);
    EXPECT_EQ(sounds.GetMusicVolume(), 0.3f);
    EXPECT_EQ(sounds.GetSound("music")->GetTypeVolume(), 0.3f);
    EXPECT_EQ(sounds.GetSound("click")->GetTypeVolume(), 0.5f);

    sounds.SetVolume(0.6f, SoundManager::kEffects);
    EXPECT_EQ(sounds.GetEffectsVolume(), 0.6f);
    EXPECT_EQ(sounds.GetSound("click")->GetTypeVolume(), 0.6f);
    EXPECT_EQ(sounds.GetSound("window")->GetTypeVolume(), 0.6f);
    EXPECT_EQ(sounds.GetSound("music")->GetTypeVolume(), 0.3f);
}

TEST_F(SoundManagerTest, MuteSilencesAndRestoreBringsTheVolumesBackOnce)
{
    SoundManager sounds(0);
    sounds.SetVolume(0.6f, SoundManager::kEffects);
    sounds.SetVolume(0.9f, SoundManager::kMusic);
    sounds.RestoreAll();
    EXPECT_EQ(sounds.GetEffectsVolume(), 0.6f) << "nothing to restore";
    EXPECT_EQ(sounds.GetMusicVolume(), 0.9f);

    Sound* music = sounds.GetSound("music");
    Sound* click = sounds.GetSound("click");
    ASSERT_EQ(music->Play(true), 0);
    sounds.MuteAll();
    EXPECT_EQ(sounds.GetEffectsVolume(), 0.0f);
    EXPECT_EQ(sounds.GetMusicVolume(), 0.0f);
    EXPECT_EQ(music->GetTypeVolume(), 0.0f);
    EXPECT_EQ(click->GetTypeVolume(), 0.0f);
    EXPECT_TRUE(music->IsPlaying()) << "sounds play on, unheard";
    EXPECT_EQ(music->GetVoiceBuffer(0)->GetVolume(), -10000);
    EXPECT_EQ(sounds.GetSavedEffectsVolume(), 0.6f);
    EXPECT_EQ(sounds.GetSavedMusicVolume(), 0.9f);

    sounds.RestoreAll();
    EXPECT_EQ(sounds.GetEffectsVolume(), 0.6f);
    EXPECT_EQ(sounds.GetMusicVolume(), 0.9f);
    EXPECT_EQ(music->GetTypeVolume(), 0.9f);
    EXPECT_EQ(click->GetTypeVolume(), 0.6f);
    EXPECT_EQ(music->GetVoiceBuffer(0)->GetVolume(), Sound::VolumeToDecibels(0.8f * 0.9f));
    EXPECT_EQ(sounds.GetSavedEffectsVolume(), SoundManager::kNothingSaved);

    sounds.SetVolume(0.2f, SoundManager::kEffects);
    sounds.RestoreAll();
    EXPECT_EQ(sounds.GetEffectsVolume(), 0.2f) << "a second restore changes nothing";
}

TEST_F(SoundManagerTest, StopMusicStopsOnlyMusic)
{
    SoundManager sounds(0);
    sounds.SetVolume(1.0f, SoundManager::kMusic);
    sounds.GetSound("music")->Play(true);
    sounds.GetSound("click")->Play(true);
    sounds.StopMusic();
    EXPECT_FALSE(sounds.GetSound("music")->IsPlaying());
    EXPECT_TRUE(sounds.GetSound("click")->IsPlaying());
}

TEST_F(SoundManagerTest, MusicStreamedThroughTheRingFollowsTheDecodeWhileTheThreadRuns)
{
    const auto reference = ReferenceDecode("sale.ogg");
    SoundManager sounds(0);
    Sound* music = sounds.GetSound("music");
    music->SetVoiceVolumes(1.0f, 1.0f);
    sounds.SetVolume(1.0f, SoundManager::kMusic);
    ASSERT_EQ(music->Play(true), 0);

    // Pull the output in steps no bigger than half the ring, each followed by a refill; past the ring's
    // length the samples still follow the decode. The manager's thread refills on its own tick as well,
    // but when it runs is up to the machine's load: the refill made here is what the test counts on.
    constexpr std::uint32_t kStep = 8192;
    std::vector<std::int16_t> out;
    const std::uint32_t frames = static_cast<std::uint32_t>(reference.size() / 4) + 4 * kStep;
    for (std::uint32_t done = 0; done < frames; done += kStep)
    {
        const auto part = Pull(*sounds.GetDevice(), kStep);
        out.insert(out.end(), part.begin(), part.end());
        music->Update();
    }
    for (std::size_t sample = 0; sample < out.size(); ++sample)
    {
        ASSERT_EQ(out[sample], SampleAt(reference, sample % (reference.size() / 2))) << "sample " << sample;
    }
}

TEST_F(SoundManagerTest, SoundsAddedWhileTheThreadRunsAreSafeAndShutdownWaitsForIt)
{
    for (int round = 0; round < 3; ++round)
    {
        SoundManager sounds(0);
        sounds.SetVolume(1.0f, SoundManager::kMusic);
        sounds.GetSound("music")->SetVoiceVolumes(1.0f, 1.0f);
        sounds.GetSound("music")->Play(true);
        for (int added = 0; added < 12; ++added)
        {
            auto music = std::make_unique<Sound>(sounds.GetDevice(), "sale.ogg", Sound::kMusic, 1);
            music->SetVoiceVolumes(1.0f, 1.0f);
            music->SetVolume(1.0f);
            music->Play(true);
            sounds.Add("extra" + std::to_string(added), std::move(music));
            Pull(*sounds.GetDevice(), 4096);
        }
        EXPECT_EQ(sounds.GetStreamedCount(), 13u);
        std::this_thread::sleep_for(std::chrono::milliseconds(SoundManager::kThreadTickMs));
    }
}

} // namespace
