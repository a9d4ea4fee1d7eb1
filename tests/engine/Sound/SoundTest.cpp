#include "engine/Sound/Sound.h"

#include "platform/SoundBuffer.h"
#include "platform/SoundMixer.h"
#include "tests/engine/Sound/SoundFixture.h"
#include "tests/engine/TempFolder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace
{

using Korrin::Sound;

class SoundTest : public TestSupport::SoundFixture
{
protected:
    std::unique_ptr<Sound> Make(const char* file, std::int32_t type, std::uint16_t voices, float volume)
    {
        auto sound = std::make_unique<Sound>(mDevice.get(), file, type, voices);
        sound->SetVoiceVolumes(volume, 1.0f);
        sound->SetVolume(volume);
        return sound;
    }

    static std::uint32_t Cursor(const Sound& sound, std::int32_t voice = 0)
    {
        std::uint32_t bytes = 0;
        sound.GetVoiceBuffer(voice)->GetCurrentPosition(bytes);
        return bytes;
    }

    // Pulls frames of output with a sound-thread tick every 50 ms of it.
    std::vector<std::int16_t> PullWithTicks(Sound& sound, std::uint32_t frames)
    {
        constexpr std::uint32_t kTick = 2205;
        std::vector<std::int16_t> out;
        for (std::uint32_t done = 0; done < frames; done += kTick)
        {
            const auto part = Pull(std::min(kTick, frames - done));
            out.insert(out.end(), part.begin(), part.end());
            sound.Update();
        }
        return out;
    }
};

TEST(SoundVolume, DecibelsFollowTheLoudnessCurve)
{
    const struct
    {
        float volume;
        std::int32_t decibels;
    } cases[] = {{1.0f, 0}, {0.0f, -10000}, {0.5f, -512}, {0.25f, -1093}, {0.1f, -1973}};
    for (const auto& test : cases)
    {
        EXPECT_EQ(Sound::VolumeToDecibels(test.volume), test.decibels) << test.volume;
    }
}

TEST_F(SoundTest, VoicesAreUsedInTurnAndAFourthPlayFindsNone)
{
    auto sound = Make("click.ogg", 0, 3, 1.0f);
    ASSERT_TRUE(sound->IsEnabled());
    EXPECT_EQ(sound->Play(false), 0);
    EXPECT_EQ(sound->Play(false), 1);
    EXPECT_EQ(sound->Play(false), 2);
    EXPECT_EQ(sound->Play(false), -1);
    Pull(44100 / 10); // longer than the click
    EXPECT_EQ(sound->Play(false), 0) << "a voice that has finished is free again";
}

TEST_F(SoundTest, TheMixedEffectCarriesVoiceAndTypeVolumeAndPan)
{
    const auto reference = ReferenceDecode("click.ogg");
    const struct
    {
        float voiceVolume;
        float typeVolume;
        float pan;
    } cases[] = {
        {1.0f, 1.0f, 0.0f}, {0.5f, 1.0f, 0.0f}, {1.0f, 0.5f, 0.5f}, {0.5f, 0.5f, -0.25f}, {1.0f, 0.0f, 0.0f}};
    for (const auto& test : cases)
    {
        auto sound = std::make_unique<Sound>(mDevice.get(), "click.ogg", 0, 1);
        sound->SetVoiceVolumes(test.voiceVolume, 1.0f);
        sound->SetVolume(test.typeVolume);
        sound->SetPan(test.pan);
        ASSERT_EQ(sound->Play(false), 0);
        const auto out = Pull(400);

        const float gain =
            Platform::SoundMixer::GainOf(Sound::VolumeToDecibels(test.voiceVolume * test.typeVolume));
        const float panGain =
            Platform::SoundMixer::GainOf(Sound::VolumeToDecibels(1.0f - std::fabs(test.pan)));
        const float left = gain * (test.pan > 0.0f ? panGain : 1.0f);
        const float right = gain * (test.pan < 0.0f ? panGain : 1.0f);
        for (std::size_t frame = 0; frame < 400; frame += 37)
        {
            const float sample = TestSupport::SoundFixture::SampleAt(reference, frame);
            EXPECT_NEAR(out[frame * 2], sample * left, 1.0f) << test.voiceVolume << " " << test.pan;
            EXPECT_NEAR(out[frame * 2 + 1], sample * right, 1.0f) << test.voiceVolume << " " << test.pan;
        }
    }
}

TEST_F(SoundTest, ARateFactorIsRelativeTo44100)
{
    auto full = Make("click.ogg", 0, 1, 1.0f);
    auto half = Make("show_window.ogg", 0, 1, 1.0f);
    auto halfAtFactorOne = Make("show_window.ogg", 0, 1, 1.0f);
    halfAtFactorOne->SetFrequency(1.0f);
    full->Play(false);
    half->Play(false);
    halfAtFactorOne->Play(false);
    Pull(1000);
    EXPECT_EQ(Cursor(*full), 1000u * 2);
    EXPECT_EQ(Cursor(*half), 500u * 2) << "a 22050 Hz file plays at its own rate";
    EXPECT_EQ(Cursor(*halfAtFactorOne), 1000u * 2) << "factor 1 is 44100 Hz, whatever the file";

    const struct
    {
        float factor;
        std::uint32_t rate;
    } cases[] = {{0.5f, 22050}, {0.0f, 100}, {-2.0f, 100}, {10.0f, 200000}, {NAN, 100}};
    for (const auto& test : cases)
    {
        full->SetFrequency(test.factor);
        EXPECT_EQ(full->GetVoiceBuffer(0)->GetFrequency(), test.rate) << test.factor;
    }
}

TEST_F(SoundTest, PanSignsAndLimits)
{
    auto sound = Make("click.ogg", 0, 2, 1.0f);
    const struct
    {
        float pan;
        std::int32_t value;
    } cases[] = {{0.0f, 0}, {0.5f, 512}, {-0.5f, -512}, {1.0f, 10000}, {-1.0f, -10000}, {3.0f, 10000}};
    for (const auto& test : cases)
    {
        sound->SetPan(test.pan);
        EXPECT_EQ(sound->GetVoiceBuffer(0)->GetPan(), test.value) << test.pan;
        EXPECT_EQ(sound->GetVoiceBuffer(1)->GetPan(), test.value) << test.pan;
    }
}

TEST_F(SoundTest, ALoopingStreamIsItsDecodeRepeatedWithoutGaps)
{
    // A stereo track longer than the ring, and a mono one so short that one refill holds it many times.
    for (const char* name : {"sale.ogg", "click.ogg"})
    {
        int channels = 0;
        long rate = 0;
        const auto reference = ReferenceDecode(name, &channels, &rate);
        ASSERT_EQ(rate, 44100) << name;
        auto music = Make(name, Sound::kMusic, 1, 1.0f);
        ASSERT_TRUE(music->IsStreamed()) << name;
        ASSERT_EQ(music->Play(true), 0) << name;

        const std::size_t trackFrames = reference.size() / 2 / static_cast<std::size_t>(channels);
        const std::size_t frames =
            std::max<std::size_t>(trackFrames * 2 + trackFrames / 2, Sound::kStreamBytes / 4 * 3);
        const auto out = PullWithTicks(*music, static_cast<std::uint32_t>(frames));
        // Output is stereo: a mono sample sounds on both sides.
        const std::size_t perOutput = channels == 2 ? 1 : 2;
        for (std::size_t sample = 0; sample < out.size(); ++sample)
        {
            ASSERT_EQ(out[sample], TestSupport::SoundFixture::SampleAt(reference, (sample / perOutput) %
                                                                                      (reference.size() / 2)))
                << name << ", sample " << sample;
        }
    }
}

TEST_F(SoundTest, AStreamPlayedOnceStopsAndIsReadyToPlayAgain)
{
    const auto reference = ReferenceDecode("sale.ogg");
    auto music = Make("sale.ogg", Sound::kMusic, 1, 1.0f);
    ASSERT_EQ(music->Play(false), 0);
    const std::size_t frames = reference.size() / 4;
    const auto out = PullWithTicks(*music, static_cast<std::uint32_t>(frames + 44100));
    EXPECT_FALSE(music->IsPlaying());
    // The end is noticed within one tick of it; until then the track plays as decoded, then silence.
    const std::size_t oneTick = 2205 * 2;
    for (std::size_t sample = 0; sample + oneTick < reference.size() / 2; ++sample)
    {
        ASSERT_EQ(out[sample], TestSupport::SoundFixture::SampleAt(reference, sample)) << "sample " << sample;
    }
    for (std::size_t sample = reference.size() / 2 + oneTick; sample < out.size(); ++sample)
    {
        ASSERT_EQ(out[sample], 0) << "sample " << sample;
    }

    ASSERT_EQ(music->Play(false), 0);
    const auto again = PullWithTicks(*music, 4410);
    EXPECT_EQ(again[1000], TestSupport::SoundFixture::SampleAt(reference, 1000)) << "it starts over";
}

TEST_F(SoundTest, AMutedStreamIsNotRefilledAndStopRewindsIt)
{
    auto music = Make("sale.ogg", Sound::kMusic, 1, 1.0f);
    music->Play(true);
    music->SetVolume(0.0f);
    Pull(20000);
    music->Update();
    EXPECT_EQ(Cursor(*music), 20000u * 4);
    music->Stop();
    EXPECT_FALSE(music->IsPlaying());
    EXPECT_EQ(Cursor(*music), 0u);
}

TEST_F(SoundTest, ABadFileDisablesTheSound)
{
    TestSupport::TempFolder folder("sound");
    folder.Write("noise.ogg", "not a sound");
    for (const std::string& name : {std::string("missing.ogg"), folder.Path() + "/noise.ogg"})
    {
        Sound sound(mDevice.get(), name, 0, 2);
        EXPECT_FALSE(sound.IsEnabled());
        EXPECT_EQ(sound.Play(true), -1);
        EXPECT_FALSE(sound.SetVoiceVolumes(1.0f, 1.0f));
        EXPECT_EQ(sound.GetVoiceVolume(0), -1.0f);
        sound.SetFrequency(1.0f);
        sound.SetPan(1.0f);
        sound.Stop();
        sound.Update();
        EXPECT_NE(mLog.Text().find("sound file is bad: " + name), std::string::npos);
    }
    Sound silent(nullptr, "click.ogg", 0, 1);
    EXPECT_EQ(silent.Play(false), -1);
}

TEST_F(SoundTest, LostVoicesAreRestoredWithTheirSamplesOnTheNextPlay)
{
    const auto effectReference = ReferenceDecode("click.ogg");
    auto effect = Make("click.ogg", 0, 2, 1.0f);
    auto music = Make("sale.ogg", Sound::kMusic, 1, 1.0f);
    mDevice->LoseBuffers();

    // The effect no longer has its decoder; its samples come back from the file.
    ASSERT_EQ(effect->Play(false), 0);
    const auto out = Pull(300);
    EXPECT_EQ(out[2 * 250], TestSupport::SoundFixture::SampleAt(effectReference, 250));
    EXPECT_EQ(effect->Play(false), 1);
    EXPECT_EQ(music->Play(true), 0);
    EXPECT_EQ(music->GetVoiceBuffer(0)->GetStatus() & Platform::SoundBuffer::kLost, 0u);
}

} // namespace

// Sounds of one list that share a file decode it once: the later ones must hold exactly the samples a
// decode of their own would give, and music is still streamed from its own decoder.
TEST_F(SoundTest, AnEffectOfAFileAlreadyDecodedTakesThoseSamples)
{
    const std::vector<std::uint8_t> reference = ReferenceDecode("click.ogg");
    const auto samples = [&reference](const Sound& sound)
    {
        Platform::SoundBuffer::Regions regions;
        Platform::SoundBuffer& buffer = *sound.GetVoiceBuffer(0);
        if (!buffer.Lock(0, static_cast<std::uint32_t>(reference.size()), regions))
        {
            return std::vector<std::uint8_t>{};
        }
        std::vector<std::uint8_t> bytes(regions.first, regions.first + regions.firstBytes);
        buffer.Unlock(regions);
        return bytes;
    };
    Korrin::EffectSamples decoded;
    Sound first(mDevice.get(), "click.ogg", 0, 2, &decoded);
    ASSERT_NE(decoded.Find("click.ogg"), nullptr);
    EXPECT_EQ(decoded.Find("click.ogg")->bytes, reference);

    Sound second(mDevice.get(), "click.ogg", 0, 3, &decoded);
    Sound music(mDevice.get(), "click.ogg", 1, 1, &decoded);
    Sound missing(mDevice.get(), "missing.ogg", 0, 1, &decoded);
    ASSERT_TRUE(first.IsEnabled() && second.IsEnabled() && music.IsEnabled());
    EXPECT_EQ(samples(first), reference);
    EXPECT_EQ(samples(second), reference);
    EXPECT_EQ(second.GetVoiceBuffer(0)->GetFormat().channels, first.GetVoiceBuffer(0)->GetFormat().channels);
    EXPECT_NE(second.GetVoiceBuffer(2), nullptr) << "its other voices are made as before";
    EXPECT_TRUE(music.IsStreamed());
    EXPECT_FALSE(missing.IsEnabled());
    EXPECT_EQ(decoded.Find("missing.ogg"), nullptr);
}

// The effects of a list are decoded together on a few threads: each kept one must be its file's decode, and
// a file that ends part-way or is no sound is left to its sound, unlogged here.
TEST_F(SoundTest, EffectsDecodedTogetherAreKeptWholeOrLeftToTheirSound)
{
    const auto fileData = [](const std::string& bytes)
    {
        Korrin::FileData data;
        std::memcpy(data.Allocate(static_cast<std::uint32_t>(bytes.size())), bytes.data(), bytes.size());
        return data;
    };
    const auto read = [](const std::string& name)
    {
        std::ifstream file(std::string(kFolder) + "/" + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    };
    const std::string sale = read("sale.ogg");
    std::vector<std::pair<std::string, Korrin::FileData>> files;
    files.emplace_back("click.ogg", fileData(read("click.ogg")));
    files.emplace_back("sale.ogg", fileData(sale));
    files.emplace_back("cut.ogg", fileData(sale.substr(0, sale.size() / 2)));
    files.emplace_back("noise.ogg", fileData("not a sound at all"));
    files.emplace_back("show_window.ogg", fileData(read("show_window.ogg")));

    Korrin::EffectSamples decoded;
    decoded.DecodeTogether(std::move(files), 3);
    for (const char* name : {"click.ogg", "sale.ogg", "show_window.ogg"})
    {
        ASSERT_NE(decoded.Find(name), nullptr) << name;
        EXPECT_EQ(decoded.Find(name)->bytes, ReferenceDecode(name)) << name;
    }
    EXPECT_EQ(decoded.Find("cut.ogg"), nullptr);
    EXPECT_EQ(decoded.Find("noise.ogg"), nullptr);
    EXPECT_EQ(mLog.Text().find("cut.ogg"), std::string::npos) << "its own sound logs it when it decodes it";
}
