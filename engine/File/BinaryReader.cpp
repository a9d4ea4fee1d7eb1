#include "engine/File/BinaryReader.h"

#include <bit>
#include <cstring>

namespace Korrin
{

bool BinaryReader::Take(std::size_t count, const std::uint8_t*& out)
{
    if (mFailed || count > mBytes.size() - mPosition)
    {
        mFailed = true;
        return false;
    }
    out = mBytes.data() + mPosition;
    mPosition += count;
    return true;
}

std::uint8_t BinaryReader::ReadU8()
{
    const std::uint8_t* data = nullptr;
    return Take(1, data) ? data[0] : 0;
}

std::uint16_t BinaryReader::ReadU16()
{
    const std::uint8_t* data = nullptr;
    if (!Take(2, data))
    {
        return 0;
    }
    return static_cast<std::uint16_t>(data[0] | (data[1] << 8));
}

std::uint32_t BinaryReader::ReadU32()
{
    const std::uint8_t* data = nullptr;
    if (!Take(4, data))
    {
        return 0;
    }
    return static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
           (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
}

std::int32_t BinaryReader::ReadI32()
{
    return static_cast<std::int32_t>(ReadU32());
}

std::uint64_t BinaryReader::ReadU64()
{
    const std::uint64_t low = ReadU32();
    const std::uint64_t high = ReadU32();
    return low | (high << 32);
}

float BinaryReader::ReadF32()
{
    return std::bit_cast<float>(ReadU32());
}

std::u16string BinaryReader::ReadUtf16(std::uint32_t count, std::uint32_t maxUnits)
{
    if (!CheckCount(count, 2, maxUnits))
    {
        return {};
    }
    std::u16string text;
    text.reserve(count);
    for (std::uint32_t unit = 0; unit < count; ++unit)
    {
        text.push_back(static_cast<char16_t>(ReadU16()));
    }
    return text;
}

bool BinaryReader::CheckCount(std::uint32_t count, std::size_t itemBytes, std::uint32_t maxCount)
{
    if (mFailed || count > maxCount || (itemBytes != 0 && count > Remaining() / itemBytes))
    {
        mFailed = true;
        return false;
    }
    return true;
}

} // namespace Korrin
