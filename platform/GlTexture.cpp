#include "platform/GlTexture.h"

#include "platform/GlContext.h"

namespace Platform
{

GlTexture::GlTexture(std::shared_ptr<GlContext> context, int width, int height, TextureUsage usage)
    : DeviceTexture(width, height, usage), mContext(std::move(context)), mSentRevision(Revision())
{
    Create();
}

GlTexture::GlTexture(std::shared_ptr<GlContext> context, DeviceTexture&& pixels)
    : DeviceTexture(std::move(pixels)), mContext(std::move(context)), mSentRevision(Revision())
{
    Create();
}

GlTexture::~GlTexture()
{
    // Once the window has gone, so have the context and every GL object in it.
    if (mContext == nullptr || !mContext->MakeCurrent())
    {
        return;
    }
    const GlFunctions& gl = mContext->Gl();
    if (mFramebuffer != 0)
    {
        gl.DeleteFramebuffers(1, &mFramebuffer);
    }
    if (mName != 0)
    {
        gl.DeleteTextures(1, &mName);
    }
}

void GlTexture::Create()
{
    if (mContext == nullptr || !mContext->MakeCurrent())
    {
        return;
    }
    const GlFunctions& gl = mContext->Gl();
    gl.GenTextures(1, &mName);
    if (!IsRenderTarget())
    {
        // A plain texture gets its storage when first drawn: a start-up loads many pictures that the
        // first screens never show, and a software GL pays a copy and fresh pages for each one sent.
        return;
    }
    if (!SendStorage(gl))
    {
        gl.DeleteTextures(1, &mName);
        mName = 0;
        return;
    }
    GLint previous = 0;
    gl.GetIntegerv(GL_FRAMEBUFFER_BINDING, &previous);
    gl.GenFramebuffers(1, &mFramebuffer);
    gl.BindFramebuffer(GL_FRAMEBUFFER, mFramebuffer);
    gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, mName, 0);
    const bool complete = gl.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl.BindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(previous));
    if (!complete)
    {
        gl.DeleteFramebuffers(1, &mFramebuffer);
        mFramebuffer = 0;
    }
}

bool GlTexture::SendStorage(const GlFunctions& gl)
{
    gl.BindTexture(GL_TEXTURE_2D, mName);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl.PixelStorei(GL_UNPACK_ROW_LENGTH, PitchPixels());
    // A render target has no alpha channel: sampled, it is opaque, as its pixels read back.
    gl.TexImage2D(GL_TEXTURE_2D, 0, IsRenderTarget() ? GL_RGB8 : GL_RGBA8, Width(), Height(), 0, GL_BGRA,
                  GL_UNSIGNED_BYTE, Row(0));
    gl.PixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    mStorageSent = true;
    mSentRevision = Revision();
    return gl.GetError() == GL_NO_ERROR;
}

void GlTexture::BindForDrawing(TextureFilter filter, TextureAddress address)
{
    const GlFunctions& gl = mContext->Gl();
    if (!mStorageSent)
    {
        // Sent once, even if the driver refused it: a texture it cannot hold draws as nothing, and
        // asking again every frame would not change its mind.
        SendStorage(gl);
    }
    gl.BindTexture(GL_TEXTURE_2D, mName);
    if (Revision() != mSentRevision)
    {
        gl.PixelStorei(GL_UNPACK_ALIGNMENT, 4);
        gl.PixelStorei(GL_UNPACK_ROW_LENGTH, PitchPixels());
        gl.TexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, Width(), Height(), GL_BGRA, GL_UNSIGNED_BYTE, Row(0));
        gl.PixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        mSentRevision = Revision();
        mDrawn = false;
    }
    if (!mSamplingSet || filter != mFilter)
    {
        const GLint mode = filter == TextureFilter::Point ? GL_NEAREST : GL_LINEAR;
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, mode);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, mode);
        mFilter = filter;
    }
    if (!mSamplingSet || address != mAddress)
    {
        const GLint mode = address == TextureAddress::Clamp ? GL_CLAMP_TO_EDGE : GL_REPEAT;
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
        gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
        mAddress = address;
    }
    mSamplingSet = true;
}

void GlTexture::FetchDrawnPixels() const
{
    if (!mDrawn || mFramebuffer == 0 || mContext == nullptr || !mContext->MakeCurrent())
    {
        return;
    }
    const GlFunctions& gl = mContext->Gl();
    GLint previous = 0;
    gl.GetIntegerv(GL_FRAMEBUFFER_BINDING, &previous);
    gl.BindFramebuffer(GL_FRAMEBUFFER, mFramebuffer);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.PixelStorei(GL_PACK_ROW_LENGTH, PitchPixels());
    // Reading is not writing: the pixels in main memory only catch up with what the device drew.
    auto* self = const_cast<GlTexture*>(this);
    gl.ReadPixels(0, 0, Width(), Height(), GL_BGRA, GL_UNSIGNED_BYTE, self->Row(0));
    gl.PixelStorei(GL_PACK_ROW_LENGTH, 0);
    gl.BindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(previous));
    for (int y = 0; y < Height(); ++y)
    {
        std::uint32_t* row = self->Row(y);
        for (int x = 0; x < Width(); ++x)
        {
            row[x] |= 0xFF000000u;
        }
    }
    mDrawn = false;
}

} // namespace Platform
