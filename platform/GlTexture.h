#pragma once

#include "platform/DeviceTexture.h"

#include <memory>

namespace Platform
{

class GlContext;
struct GlFunctions;

// A texture of the OpenGL device: the pixels in main memory as every device texture has them, and a GL
// texture that follows them (sent anew after each unlock). A render target is also a framebuffer object
// that the device draws into; its pixels in main memory are read back only when someone reads them.
// Rows are kept top row first on both sides, so the device draws render targets upside down in GL's
// terms and textures and render targets sample alike.
class GlTexture final : public DeviceTexture
{
public:
    GlTexture(std::shared_ptr<GlContext> context, int width, int height, TextureUsage usage);
    // A plain texture of those pixels (a decoded picture), which it takes over.
    GlTexture(std::shared_ptr<GlContext> context, DeviceTexture&& pixels);
    ~GlTexture() override;
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

    // False when the GL objects could not be made.
    bool IsValid() const { return mName != 0 && (!IsRenderTarget() || mFramebuffer != 0); }
    unsigned Framebuffer() const { return mFramebuffer; }

    // Binds it on the current texture unit for a draw: sends pixels written since the last time and
    // sets its sampling as the draw asks.
    void BindForDrawing(TextureFilter filter, TextureAddress address);
    // The device drew into it: its pixels in main memory are out of date.
    void MarkDrawn() { mDrawn = true; }
    void FetchDrawnPixels() const override;

private:
    void Create();
    // Sends the whole picture as the texture's storage; false when the driver refused it.
    bool SendStorage(const GlFunctions& gl);

    std::shared_ptr<GlContext> mContext;
    unsigned mName = 0;
    unsigned mFramebuffer = 0;
    std::uint32_t mSentRevision = 0;
    bool mStorageSent = false;
    bool mSamplingSet = false;
    TextureFilter mFilter = TextureFilter::Linear;
    TextureAddress mAddress = TextureAddress::Wrap;
    mutable bool mDrawn = false;
};

} // namespace Platform
