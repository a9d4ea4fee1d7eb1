#pragma once

#include "platform/GraphicsDevice.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Korrin
{

// One picture on the graphics device with its size, and how many holders share it.
class Texture
{
public:
    explicit Texture(Platform::GraphicsDevice* device);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Loads a picture file; a ".jpg" with an "_a.jpg" beside it of the same size takes its alpha from it.
    bool Load(const std::string& name);
    bool CreateRenderTarget(int width, int height);
    // Gives the device's texture back (before a device reset, or when the texture goes).
    void Release();

    Platform::DeviceTexture* GetDeviceTexture() const { return mTexture.get(); }
    float GetWidth() const { return mWidth; }
    float GetHeight() const { return mHeight; }
    std::int32_t GetReferenceCount() const { return mReferenceCount; }
    void SetReferenceCount(std::int32_t count) { mReferenceCount = count; }

private:
    bool LoadJpegWithAlpha(const std::string& name);
    bool LoadPicture(const std::string& name);

    Platform::GraphicsDevice* mDevice = nullptr;
    std::unique_ptr<Platform::DeviceTexture> mTexture;
    float mWidth = 0.0f;
    float mHeight = 0.0f;
    std::int32_t mReferenceCount = 0;
};

} // namespace Korrin
