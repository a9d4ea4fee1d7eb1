#include "engine/File/BinaryWriter.h"

#include <bit>

namespace Korrin
{

void BinaryWriter::WriteU16(std::uint16_t value)
{
    mBytes.push_back(static_cast<std::uint8_t>(value));
    mBytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void BinaryWriter::WriteU32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
    {
        mBytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void BinaryWriter::WriteU64(std::uint64_t value)
{
    WriteU32(static_cast<std::uint32_t>(value));
    WriteU32(static_cast<std::uint32_t>(value >> 32));
}

void BinaryWriter::WriteF32(float value)
{
    WriteU32(std::bit_cast<std::uint32_t>(value));
}

void BinaryWriter::WriteUtf16(const std::u16string& text)
{
    for (const char16_t unit : text)
    {
        WriteU16(static_cast<std::uint16_t>(unit));
    }
}

} // namespace Korrin
