#include "platform/GraphicsDevice.h"

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

} // namespace Platform
