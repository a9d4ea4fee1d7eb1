#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Platform
{

// A fixed number of 16-bit vertex indices, written between Lock and Unlock.
class IndexBuffer
{
public:
    explicit IndexBuffer(std::size_t capacity)
        : mIndices(std::make_unique<std::uint16_t[]>(capacity)), mCapacity(capacity)
    {
    }

    std::size_t Capacity() const { return mCapacity; }
    std::uint16_t* Lock()
    {
        mLocked = true;
        return mIndices.get();
    }
    void Unlock() { mLocked = false; }
    bool IsLocked() const { return mLocked; }
    const std::uint16_t* Data() const { return mIndices.get(); }

private:
    std::unique_ptr<std::uint16_t[]> mIndices;
    std::size_t mCapacity = 0;
    bool mLocked = false;
};

} // namespace Platform
