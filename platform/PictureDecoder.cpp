#include "platform/PictureDecoder.h"

#include "platform/JpegDecoder.h"
#include "platform/PngCodec.h"

namespace Platform
{

bool PictureDecoder::Decode(const std::uint8_t* data, std::size_t size, const PixelStorage& storage,
                            std::string& damage)
{
    damage.clear();
    return PngCodec::IsPng(data, size) ? PngCodec::Decode(data, size, storage)
                                       : JpegDecoder::Decode(data, size, storage, damage);
}

bool PictureDecoder::Decode(const std::uint8_t* data, std::size_t size, Image& out)
{
    return PngCodec::IsPng(data, size) ? PngCodec::Decode(data, size, out)
                                       : JpegDecoder::Decode(data, size, out);
}

bool PictureDecoder::ReadSize(const std::uint8_t* data, std::size_t size, int& width, int& height)
{
    if (PngCodec::IsPng(data, size))
    {
        return PngCodec::ReadSize(data, size, width, height);
    }
    bool measured = false;
    std::string damage;
    JpegDecoder::Decode(data, size, MeasuringStorage(width, height, measured), damage);
    return measured;
}

} // namespace Platform
