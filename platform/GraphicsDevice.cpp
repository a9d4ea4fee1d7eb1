#include "platform/GraphicsDevice.h"

#include "platform/PictureDecoder.h"
#include "platform/WindowSystem.h"

namespace Platform
{

void GraphicsDevice::ReadTexture(const DeviceTexture& texture, Image& out)
{
    texture.FetchDrawnPixels();
    out.width = texture.Width();
    out.height = texture.Height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    const std::uint32_t opaque = texture.IsRenderTarget() ? 0xFF000000u : 0u;
    for (int y = 0; y < out.height; ++y)
    {
        const std::uint32_t* row = texture.Row(y);
        for (int x = 0; x < out.width; ++x)
        {
            out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
                       static_cast<std::size_t>(x)] = row[x] | opaque;
        }
    }
}

std::unique_ptr<DeviceTexture> GraphicsDevice::DecodePicture(const std::uint8_t* data, std::size_t size,
                                                             int maxSide)
{
    // Decoded straight into the texture's pixels: a second copy of a large picture costs more of the
    // start-up than decoding it.
    std::unique_ptr<DeviceTexture> texture;
    const PixelStorage storage = [&texture, maxSide](int width, int height)
    {
        if (width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        {
            return PixelRows{};
        }
        texture = std::make_unique<DeviceTexture>(width, height, TextureUsage::Plain,
                                                  DeviceTexture::InitialPixels::WrittenWhole);
        return PixelRows{texture->Row(0), texture->PitchPixels()};
    };
    std::string damage;
    if (!PictureDecoder::Decode(data, size, storage, damage) || !texture)
    {
        return nullptr;
    }
    texture->SetDecodeDamage(damage);
    return texture;
}

std::unique_ptr<DeviceTexture> GraphicsDevice::CreateTextureFromFileInMemory(const std::uint8_t* data,
                                                                             std::size_t size,
                                                                             int& imageWidth,
                                                                             int& imageHeight)
{
    std::unique_ptr<DeviceTexture> texture =
        CreateTextureFromDecoded(DecodePicture(data, size, MaxTextureSide()));
    if (!texture)
    {
        return nullptr;
    }
    imageWidth = texture->Width();
    imageHeight = texture->Height();
    return texture;
}

void GraphicsDevice::RecordDrawCalls(std::size_t capacity)
{
    mDrawCalls.clear();
    mDrawCalls.reserve(capacity);
    mDrawCallCapacity = capacity;
}

void GraphicsDevice::RecordDraw(const DrawRecord& record)
{
    ++mStatistics.drawCalls;
    if (mDrawCalls.size() < mDrawCallCapacity)
    {
        mDrawCalls.push_back(record);
    }
}

DisplayMode GraphicsDevice::DisplayModeFor(const WindowSystem* windows, int backBufferWidth,
                                           int backBufferHeight)
{
    constexpr int kRefreshRate = 60;
    if (windows != nullptr)
    {
        const DisplayMetrics metrics = windows->Metrics();
        if (metrics.screenWidth > 0 && metrics.screenHeight > 0)
        {
            return {metrics.screenWidth, metrics.screenHeight, kRefreshRate};
        }
    }
    return {backBufferWidth, backBufferHeight, kRefreshRate};
}

} // namespace Platform
