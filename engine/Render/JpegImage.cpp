#include "engine/Render/JpegImage.h"

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "platform/JpegDecoder.h"
#include "platform/PngCodec.h"

namespace Korrin
{

std::string PictureFault(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr || size == 0)
    {
        return "the file is empty";
    }
    if (Platform::PngCodec::IsPng(data, size))
    {
        return "a damaged PNG (cut short or broken), not used";
    }
    if (Platform::JpegDecoder::IsJpeg(data, size))
    {
        return "a damaged JPEG (cut short or broken), not used";
    }
    return "the file is not a picture (neither PNG nor JPEG), not used";
}

std::unique_ptr<JpegImage> LoadJpeg(const std::string& name)
{
    FileSysManager* files = FileSysManager::Peek();
    FileData data;
    if (files == nullptr || !files->FindFileData(name, data, "rb") || !data.HasData())
    {
        return nullptr;
    }
    Platform::Image decoded;
    if (!Platform::JpegDecoder::Decode(data.GetData(), data.GetSize(), decoded))
    {
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("Texture %s: %s", name.c_str(), PictureFault(data.GetData(), data.GetSize()).c_str());
        }
        return nullptr;
    }
    if (!decoded.damage.empty())
    {
        if (LogManager* log = LogManager::Peek())
        {
            log->Write("Texture %s: %s", name.c_str(), decoded.damage.c_str());
        }
    }
    // Red, green, blue, 0 in memory order is the word 0x00BBGGRR.
    for (std::uint32_t& pixel : decoded.pixels)
    {
        pixel = ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
    }
    JpegImage image;
    image.width = decoded.width;
    image.height = decoded.height;
    image.pixels = std::move(decoded.pixels);
    return std::make_unique<JpegImage>(std::move(image));
}

} // namespace Korrin
