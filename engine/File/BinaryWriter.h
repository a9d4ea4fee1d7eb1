#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Korrin
{

// Builds little-endian fields into bytes held in memory; the whole is written to disk in one step.
class BinaryWriter
{
public:
    void WriteU8(std::uint8_t value) { mBytes.push_back(value); }
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
    void WriteU64(std::uint64_t value);
    void WriteF32(float value);
    // The code units only, without length or terminator.
    void WriteUtf16(const std::u16string& text);

    std::size_t Position() const { return mBytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return mBytes; }

private:
    std::vector<std::uint8_t> mBytes;
};

} // namespace Korrin
