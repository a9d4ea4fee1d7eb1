#include "engine/Render/Texture.h"

#include "engine/File/FileData.h"
#include "engine/File/FileSysManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/DecodeWorkers.h"
#include "engine/Render/JpegImage.h"
#include "platform/PictureDecoder.h"

#include <algorithm>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Render\\Texture";

} // namespace

Texture::Texture(Platform::GraphicsDevice* device) : mDevice(device) {}

Texture::~Texture() = default;

void Texture::Release()
{
    mDecoding = {};
    mTexture.reset();
}

Platform::DeviceTexture* Texture::GetDeviceTexture() const
{
    if (mDecoding.valid())
    {
        TakeDecoded();
    }
    return mTexture.get();
}

void Texture::TakeDecoded() const
{
    std::unique_ptr<Platform::DeviceTexture> decoded = mDecoding.get();
    mTexture =
        decoded && mDevice != nullptr ? mDevice->CreateTextureFromDecoded(std::move(decoded)) : nullptr;
    if (!mTexture)
    {
        // Its header was sound, so it was taken as loaded; it draws as a sprite without a picture.
        LogManager::GetInstance()->Write("Create Texture Failed: %s (broken past its header)", mName.c_str());
    }
    else if (!mTexture->DecodeDamage().empty())
    {
        LogManager::GetInstance()->Write("Texture %s: %s", mName.c_str(), mTexture->DecodeDamage().c_str());
    }
}

bool Texture::CreateRenderTarget(int width, int height)
{
    if (mDevice == nullptr || mDevice->BackBufferWidth() <= 0)
    {
        return false;
    }
    mTexture = mDevice->CreateTexture(width, height, Platform::TextureUsage::RenderTarget);
    if (!mTexture)
    {
        ReportAndBreak("Create RenderTexture  Failed", kEngineModule, kSource, 71);
        return false;
    }
    mWidth = static_cast<float>(width);
    mHeight = static_cast<float>(height);
    return true;
}

bool Texture::Load(const std::string& name, DecodeWorkers* workers)
{
    mName = name;
    if (name.find(".jpg") != std::string::npos && LoadJpegWithAlpha(name))
    {
        return true;
    }
    return LoadPicture(name, workers);
}

bool Texture::LoadJpegWithAlpha(const std::string& name)
{
    const std::string alphaName = name.substr(0, name.rfind('.')) + "_a.jpg";
    const std::unique_ptr<JpegImage> alpha = LoadJpeg(alphaName);
    if (!alpha)
    {
        return false;
    }
    const std::unique_ptr<JpegImage> colour = LoadJpeg(name);
    if (!colour || colour->width != alpha->width || colour->height != alpha->height)
    {
        return false;
    }
    // Put together in pixels of no device and handed over whole: nothing is cleared only to be written over.
    auto pixels = std::make_unique<Platform::DeviceTexture>(
        colour->width, colour->height, Platform::TextureUsage::Plain,
        Platform::DeviceTexture::InitialPixels::WrittenWhole);
    for (std::int32_t y = 0; y < colour->height; ++y)
    {
        std::uint32_t* row = pixels->Row(y);
        for (std::int32_t x = 0; x < colour->width; ++x)
        {
            const std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(colour->width) +
                                      static_cast<std::size_t>(x);
            row[x] = (static_cast<std::uint32_t>(alpha->Red(index)) << 24) |
                     (static_cast<std::uint32_t>(colour->Red(index)) << 16) |
                     (static_cast<std::uint32_t>(colour->Green(index)) << 8) | colour->Blue(index);
        }
    }
    mTexture = mDevice != nullptr ? mDevice->CreateTextureFromDecoded(std::move(pixels)) : nullptr;
    if (!mTexture)
    {
        ReportAndBreak("Create Texture *.jpg  Failed", kEngineModule, kSource, 120);
        return false;
    }
    mWidth = static_cast<float>(colour->width);
    mHeight = static_cast<float>(colour->height);
    LogManager::GetInstance()->Write("_Create Texture: %s", name.c_str());
    return true;
}

bool Texture::StartDecoding(const std::string& name, FileData& data, DecodeWorkers& workers)
{
    int width = 0;
    int height = 0;
    if (mDevice == nullptr ||
        !Platform::PictureDecoder::ReadSize(data.GetData(), data.GetSize(), width, height))
    {
        return false;
    }
    // A picture the device refuses for its size fails here and now, as it always has.
    const Platform::AdapterFacts facts = mDevice->GetAdapterFacts();
    if (width > facts.maxTextureWidth || height > facts.maxTextureHeight)
    {
        return false;
    }
    mDecoding = workers.Decode(std::move(data), std::max(facts.maxTextureWidth, facts.maxTextureHeight));
    mWidth = static_cast<float>(width);
    mHeight = static_cast<float>(height);
    LogManager::GetInstance()->Write("Create Texture: %s", name.c_str());
    return true;
}

bool Texture::LoadPicture(const std::string& name, DecodeWorkers* workers)
{
    FileSysManager* files = FileSysManager::Peek();
    FileData data;
    if (files == nullptr || !files->FindFileData(name, data, "rb") || !data.HasData())
    {
        LogManager::GetInstance()->Write("File not load: %s", name.c_str());
        return false;
    }
    if (workers != nullptr && StartDecoding(name, data, *workers))
    {
        return true;
    }
    int width = 0;
    int height = 0;
    mTexture = mDevice != nullptr
                   ? mDevice->CreateTextureFromFileInMemory(data.GetData(), data.GetSize(), width, height)
                   : nullptr;
    if (!mTexture)
    {
        LogManager::GetInstance()->Write("Create Texture Failed: %s (%s)", name.c_str(),
                                         PictureFault(data.GetData(), data.GetSize()).c_str());
        return false;
    }
    mWidth = static_cast<float>(width);
    mHeight = static_cast<float>(height);
    if (!mTexture->DecodeDamage().empty())
    {
        LogManager::GetInstance()->Write("Texture %s: %s", name.c_str(), mTexture->DecodeDamage().c_str());
    }
    LogManager::GetInstance()->Write("Create Texture: %s", name.c_str());
    return true;
}

} // namespace Korrin
