#include "tools/CharacterPictures/Outline.h"

#include <vector>

namespace
{

constexpr std::uint32_t kRim = 0xF0281C18u;

bool Solid(std::uint32_t pixel)
{
    return (pixel >> 24) >= 128u;
}

} // namespace

void OutlineRegion(Platform::Image& image, int left, int top, int width, int height)
{
    const auto at = [&](int x, int y) -> std::uint32_t&
    {
        return image.pixels[static_cast<std::size_t>(top + y) * static_cast<std::size_t>(image.width) +
                            static_cast<std::size_t>(left + x)];
    };
    std::vector<bool> rim(static_cast<std::size_t>(width * height), false);
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            if (Solid(at(x, y)))
            {
                continue;
            }
            const bool touches = (x > 0 && Solid(at(x - 1, y))) || (x + 1 < width && Solid(at(x + 1, y))) ||
                                 (y > 0 && Solid(at(x, y - 1))) || (y + 1 < height && Solid(at(x, y + 1)));
            rim[static_cast<std::size_t>(y * width + x)] = touches;
        }
    }
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            if (rim[static_cast<std::size_t>(y * width + x)])
            {
                at(x, y) = kRim;
            }
        }
    }
}
