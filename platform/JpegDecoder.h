#pragma once

#include "platform/Image.h"
#include "platform/PixelStorage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace Platform
{

// JPEG pictures held in memory, through libjpeg. A greyscale file gives grey pixels; every pixel is
// opaque (a JPEG has no alpha).
class JpegDecoder
{
public:
    static constexpr int kMaxSide = 16384;

    static bool IsJpeg(const std::uint8_t* data, std::size_t size);
    // False (and out empty) for a broken file. A file cut short ends where its data ends: the decoder
    // is handed an end-of-image marker rather than being asked to wait for more.
    static bool Decode(const std::uint8_t* data, std::size_t size, Image& out);
    // The same into storage the caller gives once the size is known; damage says why part of the picture
    // is missing (empty when whole).
    static bool Decode(const std::uint8_t* data, std::size_t size, const PixelStorage& storage,
                       std::string& damage);
};

} // namespace Platform
