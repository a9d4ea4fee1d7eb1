#include "engine/Util/Colour.h"

namespace Korrin
{

namespace
{

std::uint32_t ChannelByte(float channel)
{
    if (channel >= 1.0f)
    {
        return 255;
    }
    if (channel <= 0.0f)
    {
        return 0;
    }
    return static_cast<std::uint32_t>(channel * 255.0f + 0.5f);
}

} // namespace

std::uint32_t Colour::ToARGB() const
{
    return (ChannelByte(alpha) << 24) | (ChannelByte(red) << 16) | (ChannelByte(green) << 8) |
           ChannelByte(blue);
}

} // namespace Korrin
