#pragma once

#include "platform/Image.h"
#include "tools/Common/Painting.h"

#include <cstdint>
#include <string>

// What the map's, the map shop's and the boards' pictures share.
namespace MapPictures
{

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

inline Platform::Image Blank(int width, int height)
{
    return Painting::Paint(width, height, [](int, int) { return 0u; });
}

// A repeatable pseudo-random value in [0, 1) for a cell of the picture.
inline float Noise(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xFFFFu) / 65536.0f;
}

// "mapshop_back.jpg", "mapshop_icons.png" and "mapshop_parts.png"; false when one is not written.
bool WriteShopPictures(const std::string& folder);
// "competeboard.png"; false when it is not written.
bool WriteBoardPictures(const std::string& folder);

} // namespace MapPictures
