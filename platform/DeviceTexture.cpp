#include "platform/DeviceTexture.h"

#include "platform/GraphicsDevice.h"

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

DeviceTexture::DeviceTexture(int width, int height, TextureUsage usage)
    : mWidth(width), mHeight(height),
      mPitchPixels((width + kRowAlignmentPixels - 1) / kRowAlignmentPixels * kRowAlignmentPixels),
      mWrapMaskX(PowerOfTwoMask(width)), mWrapMaskY(PowerOfTwoMask(height)), mUsage(usage),
      mPixels(std::make_unique<std::uint32_t[]>(static_cast<std::size_t>(mPitchPixels) *
                                                static_cast<std::size_t>(height)))
{
    if (IsRenderTarget())
    {
        for (int y = 0; y < mHeight; ++y)
        {
            std::uint32_t* row = Row(y);
            for (int x = 0; x < mWidth; ++x)
            {
                row[x] = 0xFF000000u;
            }
        }
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
