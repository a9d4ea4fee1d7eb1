#pragma once

#include "platform/GraphicsDevice.h"

#include <cstdint>
#include <future>
#include <memory>
#include <string>

namespace Korrin
{

// One picture on the graphics device with its size, and how many holders share it.
class DecodeWorkers;
class FileData;

class Texture
{
public:
    explicit Texture(Platform::GraphicsDevice* device);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Loads a picture file; a ".jpg" with an "_a.jpg" beside it of the same size takes its alpha from it.
    // With workers, a picture of one file whose header is sound is decoded by them: its size is known at
    // once, its pixels become the device's texture when it is first asked for.
    bool Load(const std::string& name, DecodeWorkers* workers = nullptr);
    bool CreateRenderTarget(int width, int height);
    // Gives the device's texture back (before a device reset, or when the texture goes).
    void Release();

    // Waits for a picture still being decoded.
    Platform::DeviceTexture* GetDeviceTexture() const;
    bool IsDecoding() const { return mDecoding.valid(); }
    float GetWidth() const { return mWidth; }
    float GetHeight() const { return mHeight; }
    std::int32_t GetReferenceCount() const { return mReferenceCount; }
    void SetReferenceCount(std::int32_t count) { mReferenceCount = count; }

private:
    bool LoadJpegWithAlpha(const std::string& name);
    bool LoadPicture(const std::string& name, DecodeWorkers* workers);
    // False, with the file left as it was, where the picture is to be decoded here and now.
    bool StartDecoding(const std::string& name, FileData& data, DecodeWorkers& workers);
    void TakeDecoded() const;

    Platform::GraphicsDevice* mDevice = nullptr;
    // Made when first asked for while the workers decode it: the texture is the same picture all along.
    mutable std::unique_ptr<Platform::DeviceTexture> mTexture;
    mutable std::future<std::unique_ptr<Platform::DeviceTexture>> mDecoding;
    std::string mName;
    float mWidth = 0.0f;
    float mHeight = 0.0f;
    std::int32_t mReferenceCount = 0;
};

} // namespace Korrin
