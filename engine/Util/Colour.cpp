#include "engine/Util/Colour.h"

#include "engine/Util/CheckedInteger.h"

namespace Korrin
{

namespace
{

// A channel outside 0..1 is held at its end; one that is not a number is 0.
std::uint32_t ChannelByte(float channel)
{
    return CheckedInteger<std::uint8_t>(channel * 255.0f + 0.5f);
}

} // namespace

std::uint32_t Colour::ToARGB() const
{
    return (ChannelByte(alpha) << 24) | (ChannelByte(red) << 16) | (ChannelByte(green) << 8) |
           ChannelByte(blue);
}

} // namespace Korrin
