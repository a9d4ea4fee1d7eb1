#include "platform/JpegDecoder.h"

// jpeglib.h needs the standard types declared before it.
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>

namespace Platform
{

namespace
{

struct ErrorManager
{
    jpeg_error_mgr standard;
    std::jmp_buf jump;
    char firstWarning[JMSG_LENGTH_MAX];
};

struct MemorySource
{
    jpeg_source_mgr manager;
    bool ended;
    JDIMENSION endedAtRow; // the first row the data did not reach
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void OnFatalError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Only warnings of damaged data reach here; the first says what the damage was.
void OnMessage(j_common_ptr info)
{
    ErrorManager* errors = reinterpret_cast<ErrorManager*>(info->err);
    if (errors->firstWarning[0] == '\0')
    {
        (*errors->standard.format_message)(info, errors->firstWarning);
    }
}

void InitSource(j_decompress_ptr /*info*/) {}

void TermSource(j_decompress_ptr /*info*/) {}

// The whole file is in the buffer from the start; asking for more means the file was cut short.
boolean FillInputBuffer(j_decompress_ptr info)
{
    MemorySource* source = reinterpret_cast<MemorySource*>(info->src);
    if (!source->ended)
    {
        source->endedAtRow = info->output_scanline;
    }
    source->ended = true;
    source->manager.next_input_byte = kEndOfImage;
    source->manager.bytes_in_buffer = sizeof(kEndOfImage);
    return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count)
{
    if (count <= 0)
    {
        return;
    }
    jpeg_source_mgr* source = info->src;
    while (static_cast<std::size_t>(count) > source->bytes_in_buffer)
    {
        count -= static_cast<long>(source->bytes_in_buffer);
        FillInputBuffer(info);
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

// Everything that lives across the jump is plain data owned by the caller.
bool DecodeInto(const std::uint8_t* data, std::size_t size, jpeg_decompress_struct& info,
                ErrorManager& errors, MemorySource& source, const PixelStorage& storage, std::string& damage)
{
    if (setjmp(errors.jump) != 0)
    {
        return false;
    }
    jpeg_create_decompress(&info);
    source.manager.init_source = InitSource;
    source.manager.fill_input_buffer = FillInputBuffer;
    source.manager.skip_input_data = SkipInputData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = TermSource;
    source.manager.next_input_byte = data;
    source.manager.bytes_in_buffer = size;
    source.ended = false;
    info.src = &source.manager;

    jpeg_read_header(&info, TRUE);
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > JpegDecoder::kMaxSide ||
        info.output_height > JpegDecoder::kMaxSide)
    {
        return false;
    }
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * static_cast<JDIMENSION>(components), 1);
    const int height = static_cast<int>(info.output_height);
    const PixelRows rows = storage(static_cast<int>(info.output_width), height);
    if (rows.first == nullptr)
    {
        return false;
    }
    while (info.output_scanline < info.output_height)
    {
        const JDIMENSION y = info.output_scanline;
        if (jpeg_read_scanlines(&info, row, 1) != 1)
        {
            return false;
        }
        std::uint32_t* target = rows.first + static_cast<std::ptrdiff_t>(y) * rows.pitch;
        const JSAMPLE* samples = row[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x)
        {
            if (components == 1)
            {
                const std::uint32_t g = samples[x];
                target[x] = 0xFF000000u | (g << 16) | (g << 8) | g;
            }
            else
            {
                const JSAMPLE* rgb = samples + x * 3;
                target[x] = 0xFF000000u | (static_cast<std::uint32_t>(rgb[0]) << 16) |
                            (static_cast<std::uint32_t>(rgb[1]) << 8) | rgb[2];
            }
        }
    }
    jpeg_finish_decompress(&info);
    if (source.ended)
    {
        damage = "the file ends part-way: rows " + std::to_string(source.endedAtRow) + " to " +
                 std::to_string(height - 1) + " are not in it";
    }
    else if (errors.standard.num_warnings > 0)
    {
        damage = std::string("damaged data (") + errors.firstWarning + ")";
    }
    return true;
}

} // namespace

bool JpegDecoder::IsJpeg(const std::uint8_t* data, std::size_t size)
{
    return data != nullptr && size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool JpegDecoder::Decode(const std::uint8_t* data, std::size_t size, Image& out)
{
    Image decoded;
    out = Image{};
    if (!Decode(data, size, StorageIn(decoded), decoded.damage))
    {
        return false;
    }
    out = std::move(decoded);
    return true;
}

bool JpegDecoder::Decode(const std::uint8_t* data, std::size_t size, const PixelStorage& storage,
                         std::string& damage)
{
    damage.clear();
    if (!IsJpeg(data, size))
    {
        return false;
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    MemorySource source{};
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = OnFatalError;
    errors.standard.output_message = OnMessage;
    const bool ok = DecodeInto(data, size, info, errors, source, storage, damage);
    jpeg_destroy_decompress(&info);
    return ok;
}

} // namespace Platform
