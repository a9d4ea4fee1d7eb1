#include "platform/JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace Platform
{

namespace
{

struct ErrorManager
{
    jpeg_error_mgr standard;
    std::jmp_buf jump;
};

void OnFatalError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

bool Compress(const Image& image, int quality, bool greyscale, jpeg_compress_struct& info,
              ErrorManager& errors, unsigned char** buffer, unsigned long* size, std::vector<JSAMPLE>& row)
{
    if (setjmp(errors.jump) != 0)
    {
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = greyscale ? 1 : 3;
    info.in_color_space = greyscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height)
    {
        const std::uint32_t* pixels =
            image.pixels.data() + static_cast<std::size_t>(info.next_scanline) * image.width;
        for (int x = 0; x < image.width; ++x)
        {
            const std::uint32_t pixel = pixels[x];
            if (greyscale)
            {
                row[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>((pixel >> 16) & 0xFF);
            }
            else
            {
                row[static_cast<std::size_t>(x) * 3] = static_cast<JSAMPLE>((pixel >> 16) & 0xFF);
                row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<JSAMPLE>((pixel >> 8) & 0xFF);
                row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(pixel & 0xFF);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

bool JpegWriter::Encode(const Image& image, int quality, bool greyscale, std::vector<std::uint8_t>& out)
{
    out.clear();
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
    {
        return false;
    }
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = OnFatalError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.width) * 3);
    const bool ok = Compress(image, quality, greyscale, info, errors, &buffer, &size, row);
    jpeg_destroy_compress(&info);
    if (ok && buffer != nullptr)
    {
        out.assign(buffer, buffer + size);
    }
    std::free(buffer);
    return ok;
}

bool JpegWriter::WriteFile(const Image& image, int quality, bool greyscale, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!Encode(image, quality, greyscale, bytes))
    {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
    {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace Platform
