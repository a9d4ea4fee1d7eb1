#pragma once

#include "platform/Image.h"

#include <cstdint>

namespace TestSupport
{

// How many pixels of a rectangle of the picture (right and bottom excluded) pass the test, which is
// given each pixel's red, green and blue.
template <typename Test>
int CountPixels(const Platform::Image& picture, int left, int top, int right, int bottom, Test test)
{
    int count = 0;
    for (int y = top; y < bottom && y < picture.height; ++y)
    {
        for (int x = left; x < right && x < picture.width; ++x)
        {
            const std::uint32_t pixel = picture.At(x, y);
            count += test(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                          static_cast<int>(pixel & 0xFF))
                         ? 1
                         : 0;
        }
    }
    return count;
}

// The clips' captions: warm white in the band below the pictures.
inline int CaptionPixels(const Platform::Image& picture)
{
    return CountPixels(picture, 112, 600, 912, 690,
                       [](int red, int green, int blue) { return red > 240 && green > 230 && blue > 200; });
}

} // namespace TestSupport
