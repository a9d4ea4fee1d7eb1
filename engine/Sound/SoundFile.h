#pragma once

#include "platform/PcmFormat.h"

#include <cstdint>
#include <string>

namespace Korrin
{

// A decoded sound file: its PCM format and how much of it has been read. The base decodes nothing.
class SoundFile
{
public:
    SoundFile() = default;
    virtual ~SoundFile() = default;
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    virtual bool Open(const std::string& name);
    virtual void Rewind() {}
    // Decodes up to bytes bytes into buffer; a looping read goes on from the start when the end is reached.
    // The number of bytes decoded.
    virtual std::int32_t Read(std::uint8_t* buffer, std::int32_t bytes, bool loop);
    virtual void Close() {}

    const Platform::PcmFormat& GetFormat() const { return mFormat; }
    std::uint32_t GetTotalBytes() const { return mTotalBytes; }
    std::uint32_t GetBytesRead() const { return mBytesRead; }

protected:
    Platform::PcmFormat mFormat;
    std::uint32_t mTotalBytes = 0;
    std::uint32_t mBytesRead = 0;
};

} // namespace Korrin
