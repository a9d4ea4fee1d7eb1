#pragma once

// Pictures and numbers the frame benchmarks share: soft round sprites and the engine's random rule.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace BenchArt
{

// The engine's random rule with seed 1, so every renderer draws the same scene.
class Random
{
public:
    int Next(int range)
    {
        mSeed = mSeed * 214013u + 2531011u;
        return static_cast<int>((mSeed >> 16) & 0x7FFF) % range;
    }

private:
    std::uint32_t mSeed = 1;
};

// A round blob with soft alpha edges: the usual sprite.
inline std::vector<std::uint32_t> Blob(int size, std::uint32_t colour)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    const float radius = static_cast<float>(size) * 0.5f;
    for (int y = 0; y < size; ++y)
    {
        for (int x = 0; x < size; ++x)
        {
            const float dx = (static_cast<float>(x) + 0.5f - radius) / radius;
            const float dy = (static_cast<float>(y) + 0.5f - radius) / radius;
            const float fall = std::max(0.0f, 1.0f - (dx * dx + dy * dy));
            const auto alpha = static_cast<std::uint32_t>(std::min(255.0f, fall * 400.0f));
            pixels[static_cast<std::size_t>(y * size + x)] = (alpha << 24) | (colour & 0xFFFFFF);
        }
    }
    return pixels;
}

// An opaque gradient of the given size.
inline std::vector<std::uint32_t> Gradient(int width, int height)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            pixels[static_cast<std::size_t>(y * width + x)] =
                0xFF000000u | static_cast<std::uint32_t>((x / 4 & 0xFF) << 16) |
                static_cast<std::uint32_t>((y / 3 & 0xFF) << 8) | 0x40u;
        }
    }
    return pixels;
}

} // namespace BenchArt
