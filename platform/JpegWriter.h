#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform
{

// Encodes pictures as JPEG through libjpeg (the sample-data tools and the tests make their pictures
// with it). Alpha is dropped; a greyscale file takes each pixel's red channel.
class JpegWriter
{
public:
    static bool Encode(const Image& image, int quality, bool greyscale, std::vector<std::uint8_t>& out);
    static bool WriteFile(const Image& image, int quality, bool greyscale, const std::string& path);
};

} // namespace Platform
