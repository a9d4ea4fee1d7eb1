#pragma once

#include "platform/Image.h"

#include <cstddef>
#include <cstdint>

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
};

} // namespace Platform
