#include "platform/PngCodec.h"

#include <cstring>
#include <png.h>

namespace Platform
{

bool PngCodec::IsPng(const std::uint8_t* data, std::size_t size)
{
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return data != nullptr && size >= sizeof(kSignature) &&
           std::memcmp(data, kSignature, sizeof(kSignature)) == 0;
}

bool PngCodec::Decode(const std::uint8_t* data, std::size_t size, Image& out)
{
    Image decoded;
    out = Image{};
    if (!Decode(data, size, StorageIn(decoded)))
    {
        return false;
    }
    out = std::move(decoded);
    return true;
}

bool PngCodec::Decode(const std::uint8_t* data, std::size_t size, const PixelStorage& storage)
{
    if (!IsPng(data, size))
    {
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, data, size) == 0)
    {
        return false;
    }
    if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide)
    {
        png_image_free(&image);
        return false;
    }
    // Blue, green, red, alpha in memory is 0xAARRGGBB as a little-endian word.
    image.format = PNG_FORMAT_BGRA;
    const PixelRows rows = storage(static_cast<int>(image.width), static_cast<int>(image.height));
    if (rows.first == nullptr)
    {
        png_image_free(&image);
        return false;
    }
    // The row stride counts the format's components: four per pixel.
    const auto stride = static_cast<png_int_32>(rows.pitch * 4);
    if (png_image_finish_read(&image, nullptr, rows.first, stride, nullptr) == 0)
    {
        png_image_free(&image);
        return false;
    }
    return true;
}

bool PngCodec::ReadSize(const std::uint8_t* data, std::size_t size, int& width, int& height)
{
    bool measured = false;
    Decode(data, size, MeasuringStorage(width, height, measured));
    return measured;
}

bool PngCodec::Write(const Image& image, const std::string& path)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
    {
        return false;
    }
    png_image header;
    std::memset(&header, 0, sizeof(header));
    header.version = PNG_IMAGE_VERSION;
    header.width = static_cast<png_uint_32>(image.width);
    header.height = static_cast<png_uint_32>(image.height);
    header.format = PNG_FORMAT_BGRA;
    const bool written =
        png_image_write_to_file(&header, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&header);
    return written;
}

} // namespace Platform
