#include "engine/File/FileData.h"

#include "engine/Log/ReportAssert.h"

#include <cstring>
#include <new>
#include <utility>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\File\\FileData";

} // namespace

FileData::FileData(FileData&& other) noexcept
    : mData(std::move(other.mData)), mPosition(std::exchange(other.mPosition, nullptr)),
      mEnd(std::exchange(other.mEnd, nullptr)), mSize(std::exchange(other.mSize, 0))
{
}

FileData& FileData::operator=(FileData&& other) noexcept
{
    if (this != &other)
    {
        mData = std::move(other.mData);
        mPosition = std::exchange(other.mPosition, nullptr);
        mEnd = std::exchange(other.mEnd, nullptr);
        mSize = std::exchange(other.mSize, 0);
    }
    return *this;
}

std::uint8_t* FileData::Allocate(std::uint32_t size)
{
    if (size == 0)
    {
        ReportAndBreak("size==0", kEngineModule, kSource, 53);
    }
    Free();
    const std::size_t bytes = static_cast<std::size_t>(size) + 1;
    mData.reset(new (std::nothrow) std::uint8_t[bytes]);
    if (!mData)
    {
        return nullptr;
    }
    mSize = size;
    mPosition = mData.get();
    mEnd = mData.get() + size;
    *mEnd = 0;
    return mData.get();
}

void FileData::Free()
{
    mData.reset();
    mPosition = nullptr;
    mEnd = nullptr;
    mSize = 0;
}

const char* FileData::GetText() const
{
    return mData ? reinterpret_cast<const char*>(mData.get()) : "";
}

std::uint32_t FileData::GetOffset() const
{
    return static_cast<std::uint32_t>(mPosition - mData.get());
}

std::uint32_t FileData::GetRemaining() const
{
    return static_cast<std::uint32_t>(mEnd - mPosition);
}

bool FileData::SetOffset(std::uint32_t offset)
{
    if (!mData || offset > mSize)
    {
        return false;
    }
    mPosition = mData.get() + offset;
    return true;
}

std::uint32_t FileData::Read(void* destination, std::uint32_t count)
{
    const std::uint32_t available = mData ? GetRemaining() : 0;
    const std::uint32_t copied = count < available ? count : available;
    if (copied > 0)
    {
        std::memcpy(destination, mPosition, copied);
        mPosition += copied;
    }
    return copied;
}

} // namespace Korrin
