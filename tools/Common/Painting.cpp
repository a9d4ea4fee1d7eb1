#include "tools/Common/Painting.h"

#include "platform/JpegWriter.h"
#include "platform/PngCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace Painting
{

namespace
{

bool Written(bool ok, const std::string& path)
{
    if (!ok)
    {
        std::fprintf(stderr, "%s: cannot write %s\n", program_invocation_short_name, path.c_str());
    }
    return ok;
}

} // namespace

Platform::Image Paint(int width, int height, const Painter& painter)
{
    Platform::Image image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)] = painter(x, y);
        }
    }
    return image;
}

std::uint32_t Argb(int a, int r, int g, int b)
{
    auto clamp = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, 255)); };
    return (clamp(a) << 24) | (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    auto channel = [&](int shift)
    {
        const float a = static_cast<float>((from >> shift) & 0xFF);
        const float b = static_cast<float>((to >> shift) & 0xFF);
        return static_cast<std::uint32_t>(a + (b - a) * t + 0.5f) << shift;
    };
    return channel(24) | channel(16) | channel(8) | channel(0);
}

std::uint32_t GoodsColour(int denseIndex)
{
    if (denseIndex == 27)
    {
        return Argb(255, 244, 196, 60);
    }
    return Argb(255, 60 + (denseIndex * 53) % 190, 60 + (denseIndex * 97) % 190,
                40 + (denseIndex * 31) % 160);
}

bool ReadPng(const std::string& path, Platform::Image& out)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    if (bytes.empty() || !Platform::PngCodec::Decode(bytes.data(), bytes.size(), out))
    {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    return true;
}

bool WritePng(const Platform::Image& image, const std::string& path)
{
    return Written(Platform::PngCodec::Write(image, path), path);
}

bool WriteJpeg(const Platform::Image& image, const std::string& path, int quality)
{
    return Written(Platform::JpegWriter::WriteFile(image, quality, false, path), path);
}

} // namespace Painting
