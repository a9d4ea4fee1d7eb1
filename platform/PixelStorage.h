#pragma once

#include "platform/Image.h"

#include <cstddef>
#include <cstdint>
#include <functional>

namespace Platform
{

// Where a decoder writes a picture once it knows its size: the first row and the distance from one row
// to the next, in pixels.
struct PixelRows
{
    std::uint32_t* first = nullptr;
    std::ptrdiff_t pitch = 0;
};

// Gives the storage for a picture of that size; rows without a first row refuse the picture.
using PixelStorage = std::function<PixelRows(int width, int height)>;

// Storage in a picture of its own, sized as the decoder asks.
inline PixelStorage StorageIn(Image& image)
{
    return [&image](int width, int height)
    {
        image.width = width;
        image.height = height;
        image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        return PixelRows{image.pixels.data(), width};
    };
}

// Storage that only notes the size the decoder asks for and refuses it, so that nothing is decoded.
inline PixelStorage MeasuringStorage(int& width, int& height, bool& measured)
{
    return [&width, &height, &measured](int measuredWidth, int measuredHeight)
    {
        width = measuredWidth;
        height = measuredHeight;
        measured = true;
        return PixelRows{};
    };
}

} // namespace Platform
