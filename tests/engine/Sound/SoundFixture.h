#pragma once

#include "engine/File/FileSysManager.h"
#include "platform/SoundDevice.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <vorbis/vorbisfile.h>

namespace TestSupport
{

// The sound fixtures' folder as the file system's start folder, a log to read back and a sound device
// whose mixed output the test pulls.
class SoundFixture : public testing::Test
{
protected:
    static constexpr const char* kFolder = WF_FIXTURES_DIR "/sound";

    SoundFixture()
    {
        Platform::SoundDevice::SetOutputKind(Platform::SoundOutputKind::Pulled);
        mDevice = Platform::SoundDevice::Open();
        ReportRecorder::Clear();
    }

    // The whole file decoded straight through the decoder library, as little-endian 16-bit samples.
    static std::vector<std::uint8_t> ReferenceDecode(const std::string& name, int* channels = nullptr,
                                                     long* rate = nullptr)
    {
        OggVorbis_File file;
        std::vector<std::uint8_t> bytes;
        if (ov_fopen((std::string(kFolder) + "/" + name).c_str(), &file) != 0)
        {
            ADD_FAILURE() << "cannot decode " << name;
            return bytes;
        }
        if (channels != nullptr)
        {
            *channels = ov_info(&file, -1)->channels;
        }
        if (rate != nullptr)
        {
            *rate = ov_info(&file, -1)->rate;
        }
        char chunk[4096];
        long got = 0;
        while ((got = ov_read(&file, chunk, sizeof(chunk), 0, 2, 1, nullptr)) > 0)
        {
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        ov_clear(&file);
        return bytes;
    }

    static std::int16_t SampleAt(const std::vector<std::uint8_t>& bytes, std::size_t index)
    {
        return static_cast<std::int16_t>(
            static_cast<std::uint16_t>(bytes[index * 2] | (bytes[index * 2 + 1] << 8)));
    }

    // Stereo output frames, interleaved.
    std::vector<std::int16_t> Pull(std::uint32_t frames) { return Pull(*mDevice, frames); }
    static std::vector<std::int16_t> Pull(Platform::SoundDevice& device, std::uint32_t frames)
    {
        std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2);
        device.Pull(out.data(), frames);
        return out;
    }

    LogCapture mLog;
    Korrin::FileSysManager mFiles{kFolder};
    std::unique_ptr<Platform::SoundDevice> mDevice;
};

} // namespace TestSupport
