#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Platform
{

// A decoded picture: width x height pixels, row after row from the top, each 0xAARRGGBB.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    // Why part of the picture could not be decoded (what is missing is filled in); empty when whole.
    std::string damage;

    std::uint32_t At(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

} // namespace Platform
