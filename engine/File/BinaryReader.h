#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Korrin
{

// Reads little-endian fields from bytes held in memory. A read past the end yields 0 and marks the reader
// failed; every later read fails too, so a caller may read a whole record and check Ok() once.
class BinaryReader
{
public:
    explicit BinaryReader(std::span<const std::uint8_t> bytes) : mBytes(bytes) {}

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32();
    std::uint64_t ReadU64();
    float ReadF32();
    // count UTF-16 code units; refused (empty, failed) when more than maxUnits or than what is left.
    std::u16string ReadUtf16(std::uint32_t count, std::uint32_t maxUnits);
    // A count of items of itemBytes each that must all still fit in what is left and stay within maxCount.
    bool CheckCount(std::uint32_t count, std::size_t itemBytes, std::uint32_t maxCount);

    bool Ok() const { return !mFailed; }
    void Fail() { mFailed = true; }
    std::size_t Position() const { return mPosition; }
    std::size_t Remaining() const { return mFailed ? 0 : mBytes.size() - mPosition; }
    bool AtEnd() const { return Remaining() == 0; }

private:
    bool Take(std::size_t count, const std::uint8_t*& out);

    std::span<const std::uint8_t> mBytes;
    std::size_t mPosition = 0;
    bool mFailed = false;
};

} // namespace Korrin
