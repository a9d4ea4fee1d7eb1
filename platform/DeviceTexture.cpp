#include "platform/DeviceTexture.h"

#include "platform/GraphicsDevice.h"

#include <algorithm>
#include <atomic>

namespace Platform
{

namespace
{

// Rows start on 32-byte boundaries, so a caller that ignores the pitch is caught at once.
constexpr int kRowAlignmentPixels = 8;

std::atomic<std::uint64_t> gNextSerial{1};

int PowerOfTwoMask(int size)
{
    return (size & (size - 1)) == 0 ? size - 1 : 0;
}

} // namespace

DeviceTexture::DeviceTexture(int width, int height, TextureUsage usage, InitialPixels initial)
    : mWidth(width), mHeight(height),
      mPitchPixels((width + kRowAlignmentPixels - 1) / kRowAlignmentPixels * kRowAlignmentPixels),
      mWrapMaskX(PowerOfTwoMask(width)), mWrapMaskY(PowerOfTwoMask(height)), mUsage(usage),
      mSerial(gNextSerial.fetch_add(1, std::memory_order_relaxed))
{
    const std::size_t count = static_cast<std::size_t>(mPitchPixels) * static_cast<std::size_t>(height);
    if (initial == InitialPixels::Cleared && !IsRenderTarget())
    {
        mPixels = std::make_unique<std::uint32_t[]>(count);
        return;
    }
    // Clearing a large picture or back buffer only to overwrite it at once is a good part of the start-up
    // time: each pixel is written once. The padding past each row is cleared, so nothing reads an unset
    // pixel; a render target starts opaque black.
    mPixels = std::make_unique_for_overwrite<std::uint32_t[]>(count);
    const bool written = initial == InitialPixels::WrittenWhole;
    for (int y = 0; y < mHeight; ++y)
    {
        std::uint32_t* row = Row(y);
        if (IsRenderTarget() && !written)
        {
            std::fill(row, row + mWidth, 0xFF000000u);
        }
        std::fill(row + mWidth, row + mPitchPixels, 0u);
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

bool DeviceTexture::IsOpaque() const
{
    if (IsRenderTarget())
    {
        return true;
    }
    const std::uint64_t seenAt = static_cast<std::uint64_t>(mRevision) + 1;
    if (mOpaqueSeenAt != seenAt)
    {
        mOpaqueSeenAt = seenAt;
        mOpaque = true;
        for (int y = 0; y < mHeight && mOpaque; ++y)
        {
            const std::uint32_t* row = Row(y);
            mOpaque =
                std::all_of(row, row + mWidth, [](std::uint32_t pixel) { return pixel >= 0xFF000000u; });
        }
    }
    return mOpaque;
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
