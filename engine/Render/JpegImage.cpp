#include "engine/Render/JpegImage.h"

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "platform/JpegDecoder.h"

namespace Korrin
{

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
        return nullptr;
    }
    auto image = std::make_unique<JpegImage>();
    image->width = decoded.width;
    image->height = decoded.height;
    image->pixels.resize(decoded.pixels.size());
    for (std::size_t i = 0; i < decoded.pixels.size(); ++i)
    {
        const std::uint32_t argb = decoded.pixels[i];
        image->pixels[i] = ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
    }
    return image;
}

} // namespace Korrin
