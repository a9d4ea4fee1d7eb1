#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Korrin
{

// A decoded JPEG for the length of one texture load: width x height pixels, row after row from the top,
// each holding the bytes red, green, blue, 0 in memory order (grey, grey, grey, 0 for a greyscale file).
struct JpegImage
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint8_t Red(std::size_t index) const { return static_cast<std::uint8_t>(pixels[index] & 0xFF); }
    std::uint8_t Green(std::size_t index) const
    {
        return static_cast<std::uint8_t>((pixels[index] >> 8) & 0xFF);
    }
    std::uint8_t Blue(std::size_t index) const
    {
        return static_cast<std::uint8_t>((pixels[index] >> 16) & 0xFF);
    }
};

// Decodes a JPEG file of the file system; null when it is missing or broken (a broken one is logged).
std::unique_ptr<JpegImage> LoadJpeg(const std::string& name);

// What is wrong with picture bytes that do not decode, for the log line that names the file.
std::string PictureFault(const std::uint8_t* data, std::size_t size);

} // namespace Korrin
