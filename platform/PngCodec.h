#pragma once

#include "platform/Image.h"
#include "platform/PixelStorage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace Platform
{

// PNG pictures through libpng.
class PngCodec
{
public:
    // The largest side a decoded picture may have; larger files are refused as hostile.
    static constexpr int kMaxSide = 16384;

    static bool IsPng(const std::uint8_t* data, std::size_t size);
    // Decodes a PNG held in memory into ARGB pixels; false (and out empty) for a broken file.
    static bool Decode(const std::uint8_t* data, std::size_t size, Image& out);
    // The same into storage the caller gives once the size is known; false for a broken file.
    static bool Decode(const std::uint8_t* data, std::size_t size, const PixelStorage& storage);
    // The size from the header alone, as Decode would give it; false where Decode refuses the header.
    static bool ReadSize(const std::uint8_t* data, std::size_t size, int& width, int& height);
    // Writes the picture with its alpha channel.
    static bool Write(const Image& image, const std::string& path);
};

} // namespace Platform
