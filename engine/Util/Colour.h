#pragma once

#include <cstdint>

namespace Korrin
{

// Red, green, blue and alpha, each from 0 to 1 (scripts write it as a list of four numbers, "Colour").
struct Colour
{
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;

    // Packed as A8R8G8B8; channels outside 0..1 clamp.
    std::uint32_t ToARGB() const;

    bool operator==(const Colour&) const = default;
};

} // namespace Korrin
