#pragma once

#include <cstdint>
#include <memory>

namespace Korrin
{

// A file's bytes in memory: size bytes followed by a 0, so text can be handed on as a terminated string.
// Readers such as the level loader and the sound decoder move a read position through it; the helpers
// here never let it leave the buffer.
class FileData
{
public:
    FileData() = default;
    FileData(FileData&& other) noexcept;
    FileData& operator=(FileData&& other) noexcept;
    FileData(const FileData&) = delete;
    FileData& operator=(const FileData&) = delete;
    ~FileData() = default;

    // Replaces the buffer with one of size + 1 bytes (the last one 0) and puts the position at its start.
    // Null, with the object left empty, when the memory cannot be had.
    std::uint8_t* Allocate(std::uint32_t size);
    void Free();

    bool HasData() const { return mData != nullptr; }
    std::uint32_t GetSize() const { return mSize; }
    std::uint8_t* GetData() const { return mData.get(); }
    // The bytes as a terminated string; "" when nothing is held.
    const char* GetText() const;
    // One past the last file byte: the terminating 0.
    const std::uint8_t* GetEnd() const { return mEnd; }

    const std::uint8_t* GetPosition() const { return mPosition; }
    std::uint32_t GetOffset() const;
    std::uint32_t GetRemaining() const;
    // Moves the position to an offset from the start; false, position unchanged, beyond the end.
    bool SetOffset(std::uint32_t offset);
    // Copies up to count bytes from the position and moves past them; the number copied.
    std::uint32_t Read(void* destination, std::uint32_t count);

private:
    std::unique_ptr<std::uint8_t[]> mData;
    std::uint8_t* mPosition = nullptr;
    std::uint8_t* mEnd = nullptr;
    std::uint32_t mSize = 0;
};

} // namespace Korrin
