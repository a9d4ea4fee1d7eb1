#include "platform/SoundDevice.h"

#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"
#include "platform/SoundMixer.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace
{

using Platform::PcmFormat;
using Platform::SoundBuffer;
using Platform::SoundDevice;
using Platform::SoundOutputKind;

class SoundDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SoundDevice::SetOutputKind(SoundOutputKind::Pulled);
        mDevice = SoundDevice::Open();
        ASSERT_NE(mDevice, nullptr);
    }

    // A buffer whose every sample is the given value (both channels for stereo).
    std::unique_ptr<SoundBuffer> MakeConstant(std::uint16_t channels, std::uint32_t rate,
                                              std::uint32_t frames, std::int16_t value)
    {
        const PcmFormat format = PcmFormat::Pcm16(channels, rate);
        auto buffer = mDevice->CreateBuffer(format, frames * format.blockAlign);
        std::vector<std::int16_t> samples(frames * channels, value);
        Write(*buffer, 0, samples);
        return buffer;
    }

    static void Write(SoundBuffer& buffer, std::uint32_t offset, const std::vector<std::int16_t>& samples)
    {
        SoundBuffer::Regions regions;
        const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
        ASSERT_TRUE(buffer.Lock(offset, bytes, regions));
        std::memcpy(regions.first, samples.data(), regions.firstBytes);
        if (regions.secondBytes > 0)
        {
            std::memcpy(regions.second,
                        reinterpret_cast<const std::uint8_t*>(samples.data()) + regions.firstBytes,
                        regions.secondBytes);
        }
        ASSERT_TRUE(buffer.Unlock(regions));
    }

    std::vector<std::int16_t> Pull(std::uint32_t frames)
    {
        std::vector<std::int16_t> out(frames * 2);
        mDevice->Pull(out.data(), frames);
        return out;
    }

    static std::uint32_t Position(SoundBuffer& buffer)
    {
        std::uint32_t bytes = 0;
        EXPECT_TRUE(buffer.GetCurrentPosition(bytes));
        return bytes;
    }

    std::unique_ptr<SoundDevice> mDevice;
};

TEST_F(SoundDeviceTest, RefusesBuffersItCannotPlay)
{
    PcmFormat eightBit = PcmFormat::Pcm16(1, 22050);
    eightBit.bitsPerSample = 8;
    const struct
    {
        PcmFormat format;
        std::uint32_t bytes;
        bool made;
    } cases[] = {
        {PcmFormat::Pcm16(1, 22050), 4, true},
        {PcmFormat::Pcm16(2, 44100), 4096, true},
        {PcmFormat::Pcm16(2, 44100), 2, false},
        {PcmFormat::Pcm16(3, 44100), 4096, false},
        {PcmFormat::Pcm16(1, 99), 4096, false},
        {PcmFormat::Pcm16(1, 200001), 4096, false},
        {eightBit, 4096, false},
    };
    for (const auto& test : cases)
    {
        EXPECT_EQ(mDevice->CreateBuffer(test.format, test.bytes) != nullptr, test.made)
            << test.format.channels << " channels at " << test.format.samplesPerSecond << ", " << test.bytes;
    }
}

TEST_F(SoundDeviceTest, MixesVolumeAndPanAsAttenuation)
{
    const struct
    {
        std::int32_t volume;
        std::int32_t pan;
        float left;
        float right;
    } cases[] = {
        {0, 0, 1.0f, 1.0f},           {-600, 0, 0.5012f, 0.5012f}, {-10000, 0, 0.0f, 0.0f},
        {0, 1000, 0.3162f, 1.0f},     {0, -2000, 1.0f, 0.1f},      {-600, 10000, 0.0f, 0.5012f},
        {-2000, -600, 0.1f, 0.0501f},
    };
    for (const auto& test : cases)
    {
        auto buffer = MakeConstant(1, 44100, 1000, 10000);
        ASSERT_TRUE(buffer->SetVolume(test.volume));
        ASSERT_TRUE(buffer->SetPan(test.pan));
        ASSERT_TRUE(buffer->Play(true));
        const auto out = Pull(10);
        EXPECT_NEAR(out[8], 10000.0f * test.left, 2.0f) << test.volume << " " << test.pan;
        EXPECT_NEAR(out[9], 10000.0f * test.right, 2.0f) << test.volume << " " << test.pan;
    }
    auto buffer = MakeConstant(1, 44100, 100, 0);
    EXPECT_FALSE(buffer->SetVolume(1));
    EXPECT_FALSE(buffer->SetVolume(-10001));
    EXPECT_FALSE(buffer->SetPan(10001));
    EXPECT_FALSE(buffer->SetFrequency(99));
    EXPECT_FALSE(buffer->SetFrequency(200001));
}

TEST_F(SoundDeviceTest, StereoKeepsItsChannelsAndVoicesAddUpWithClipping)
{
    const PcmFormat format = PcmFormat::Pcm16(2, 44100);
    auto stereo = mDevice->CreateBuffer(format, 400);
    Write(*stereo, 0, std::vector<std::int16_t>(200, 0));
    std::vector<std::int16_t> frames;
    for (int i = 0; i < 100; ++i)
    {
        frames.push_back(1000);
        frames.push_back(-3000);
    }
    Write(*stereo, 0, frames);
    auto loud = MakeConstant(1, 44100, 100, 32000);
    stereo->Play(false);
    loud->Play(false);
    const auto out = Pull(4);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], 29000);
}

TEST_F(SoundDeviceTest, PlayedOnceStopsAtTheEndAndRewinds)
{
    auto buffer = MakeConstant(1, 44100, 100, 5000);
    ASSERT_TRUE(buffer->SetCurrentPosition(40 * 2));
    ASSERT_TRUE(buffer->Play(false));
    EXPECT_EQ(buffer->GetStatus(), SoundBuffer::kPlaying);
    const auto out = Pull(80);
    EXPECT_EQ(out[2 * 59], 5000);
    EXPECT_EQ(out[2 * 60], 0); // past the 60 frames that were left
    EXPECT_EQ(buffer->GetStatus(), 0u);
    EXPECT_EQ(Position(*buffer), 0u);
}

TEST_F(SoundDeviceTest, StopKeepsThePositionAndLoopingWraps)
{
    auto buffer = MakeConstant(2, 44100, 100, 100);
    ASSERT_TRUE(buffer->Play(true));
    EXPECT_EQ(buffer->GetStatus(), SoundBuffer::kPlaying | SoundBuffer::kLooping);
    Pull(250);
    EXPECT_EQ(Position(*buffer), 50u * 4);
    buffer->Stop();
    Pull(30);
    EXPECT_EQ(Position(*buffer), 50u * 4);
    EXPECT_FALSE(buffer->SetCurrentPosition(400));
}

TEST_F(SoundDeviceTest, RateDecidesHowFastTheCursorMoves)
{
    auto full = MakeConstant(2, 44100, 44100, 1);
    auto half = MakeConstant(2, 22050, 44100, 1);
    auto halfAtFull = MakeConstant(2, 22050, 44100, 1);
    ASSERT_TRUE(halfAtFull->SetFrequency(44100));
    for (auto* buffer : {full.get(), half.get(), halfAtFull.get()})
    {
        buffer->Play(true);
    }
    Pull(8820);
    EXPECT_EQ(Position(*full), 8820u * 4);
    EXPECT_EQ(Position(*half), 4410u * 4);
    EXPECT_EQ(Position(*halfAtFull), 8820u * 4);
}

TEST_F(SoundDeviceTest, ALockPastTheEndWrapsIntoTwoRegionsAndDuplicatesShareTheSamples)
{
    auto buffer = MakeConstant(1, 44100, 100, 0);
    SoundBuffer::Regions regions;
    ASSERT_TRUE(buffer->Lock(180, 40, regions));
    EXPECT_EQ(regions.firstBytes, 20u);
    EXPECT_EQ(regions.secondBytes, 20u);
    ASSERT_NE(regions.second, nullptr);
    std::vector<std::int16_t> ones(10, 7);
    std::memcpy(regions.first, ones.data(), 20);
    std::memcpy(regions.second, ones.data(), 20);
    EXPECT_FALSE(buffer->Lock(0, 2, regions)) << "one lock at a time";
    ASSERT_TRUE(buffer->Unlock(regions));

    auto copy = buffer->Duplicate();
    ASSERT_TRUE(copy->SetCurrentPosition(0));
    copy->Play(false);
    const auto out = Pull(12);
    EXPECT_EQ(out[2 * 9], 7);
    EXPECT_EQ(out[2 * 10], 0);
    EXPECT_EQ(buffer->GetStatus(), 0u) << "a duplicate has its own play state";
    EXPECT_FALSE(buffer->Lock(200, 2, regions));
}

TEST_F(SoundDeviceTest, LostBuffersStopAndComeBackSilent)
{
    auto buffer = MakeConstant(1, 44100, 100, 1234);
    buffer->Play(true);
    mDevice->LoseBuffers();
    EXPECT_EQ(buffer->GetStatus(), SoundBuffer::kLost);
    EXPECT_FALSE(buffer->Play(true));
    SoundBuffer::Regions regions;
    EXPECT_FALSE(buffer->Lock(0, 4, regions));
    ASSERT_TRUE(buffer->Restore());
    ASSERT_TRUE(buffer->Play(true));
    EXPECT_EQ(Pull(4)[0], 0);
}

TEST(SoundDevice, HeadlessOutputFollowsTheClockAndNoneOpensNothing)
{
    Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                std::make_unique<Platform::FixedStepClock>());
    SoundDevice::SetOutputKind(SoundOutputKind::Clocked);
    auto device = SoundDevice::Open();
    ASSERT_NE(device, nullptr);
    auto buffer = device->CreateBuffer(PcmFormat::Pcm16(2, 44100), 44100 * 4);
    auto shortLoop = device->CreateBuffer(PcmFormat::Pcm16(1, 22050), 1000 * 2);
    auto once = device->CreateBuffer(PcmFormat::Pcm16(1, 44100), 2205 * 2);
    buffer->Play(true);
    shortLoop->Play(true);
    once->Play(false);
    for (int frame = 0; frame < 6; ++frame)
    {
        services.FrameStarted();
    }
    std::uint32_t bytes = 0;
    buffer->GetCurrentPosition(bytes);
    EXPECT_EQ(bytes, 4410u * 4) << "six frames of 1/60 s";
    shortLoop->GetCurrentPosition(bytes);
    EXPECT_EQ(bytes, (2205u % 1000u) * 2) << "a loop wraps as often as it has been round";
    once->GetCurrentPosition(bytes);
    EXPECT_EQ(bytes, 0u);
    EXPECT_EQ(once->GetStatus(), 0u) << "played once, it has ended";

    SoundDevice::SetOutputKind(SoundOutputKind::None);
    EXPECT_EQ(SoundDevice::Open(), nullptr);
    SoundDevice::SetOutputKind(SoundOutputKind::Pulled);
}

TEST(SoundDevice, SpeakersOpenOnTheDummyDriverAndCloseWhilePlaying)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundDevice::SetOutputKind(SoundOutputKind::Speakers);
    auto device = SoundDevice::Open();
    SoundDevice::SetOutputKind(SoundOutputKind::Pulled);
    ASSERT_NE(device, nullptr);
    auto buffer = device->CreateBuffer(PcmFormat::Pcm16(1, 22050), 22050);
    ASSERT_TRUE(buffer->Play(true));
    buffer.reset();
    device.reset();
}

} // namespace
