#include "platform/DeviceTexture.h"

#include "platform/GraphicsDevice.h"

#include <algorithm>

namespace Platform
{

namespace
{

// Rows start on 32-byte boundaries, so a caller that ignores the pitch is caught at once.
constexpr int kRowAlignmentPixels = 8;

int PowerOfTwoMask(int size)
{
    return (size & (size - 1)) == 0 ? size - 1 : 0;
}

} // namespace

DeviceTexture::DeviceTexture(int width, int height, TextureUsage usage, InitialPixels initial)
    : mWidth(width), mHeight(height),
      mPitchPixels((width + kRowAlignmentPixels - 1) / kRowAlignmentPixels * kRowAlignmentPixels),
      mWrapMaskX(PowerOfTwoMask(width)), mWrapMaskY(PowerOfTwoMask(height)), mUsage(usage)
{
    const std::size_t count = static_cast<std::size_t>(mPitchPixels) * static_cast<std::size_t>(height);
    if (initial == InitialPixels::Cleared || IsRenderTarget())
    {
        mPixels = std::make_unique<std::uint32_t[]>(count);
        if (IsRenderTarget())
        {
            for (int y = 0; y < mHeight; ++y)
            {
                std::fill(Row(y), Row(y) + mWidth, 0xFF000000u);
            }
        }
        return;
    }
    // Clearing a large picture only to overwrite it at once is a good part of the start-up time. The
    // padding past each row is never written, so it is cleared: nothing reads an unset pixel.
    mPixels = std::make_unique_for_overwrite<std::uint32_t[]>(count);
    for (int y = 0; y < mHeight; ++y)
    {
        std::fill(Row(y) + mWidth, Row(y) + mPitchPixels, 0u);
    }
}

DeviceTexture::~DeviceTexture()
{
    if (mOwner != nullptr && *mOwner != nullptr)
    {
        (*mOwner)->ForgetTexture(this);
    }
}

DeviceTexture::LockedRect DeviceTexture::Lock()
{
    return {reinterpret_cast<std::uint8_t*>(mPixels.get()), mPitchPixels * 4};
}

void DeviceTexture::Unlock()
{
    ++mRevision;
    if (!IsRenderTarget())
    {
        return;
    }
    for (int y = 0; y < mHeight; ++y)
    {
        std::uint32_t* row = Row(y);
        for (int x = 0; x < mWidth; ++x)
        {
            row[x] |= 0xFF000000u;
        }
    }
}

} // namespace Platform
