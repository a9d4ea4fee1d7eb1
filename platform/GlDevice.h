#pragma once

#include "platform/GraphicsDevice.h"
#include "platform/Rasterizer.h"

#include <memory>
#include <string>
#include <vector>

namespace Platform
{

class GlContext;
class GlTexture;
class WindowSystem;

// The graphics device on OpenGL 2.1, for play in a window: the same operations and pictures as the
// software device (within a few levels per channel), drawn by the graphics card. The back buffer is the
// window's own framebuffer while the two have the same size; otherwise it is a render target of its own
// size that Present copies over the window. Vertices are transformed here,
// with the software device's arithmetic, into target pixels (centres at whole coordinates, half a pixel
// from GL's), and corners on or next to a pixel centre are kept a hair to the side the software device
// finds them on, so both fill the same pixels; lines are stepped pixel by pixel as it steps them.
class GlDevice : public GraphicsDevice
{
public:
    // Null, with the reason, when the context cannot draw as this device needs (shaders, framebuffer
    // objects). windows gives the display's facts and may be null.
    static std::unique_ptr<GlDevice> Create(std::shared_ptr<GlContext> context, WindowSystem* windows,
                                            const PresentParameters& parameters, std::string& error);
    ~GlDevice() override;

#include "platform/GraphicsDeviceOverrides.inc"

    // Waits until the graphics card has drawn everything asked of it (for measuring).
    void Finish() const;

private:
    // One build of the shaders: with or without the alpha test's discard, with or without the bias of
    // point sampling. Each draw takes the least that its states need.
    struct Program
    {
        unsigned name = 0;
        int transform = -1;
        int pixelOffset = -1;
        int alphaReference = -1;
        int texelBias = -1;
        // The values last given to its uniforms, so that a draw sends only what changed.
        unsigned targetFramebuffer = 0;
        int targetWidth = 0;
        int targetHeight = 0;
        int alphaReferenceSet = -1;
        int biasWidth = 0;
        int biasHeight = 0;
    };
    static constexpr int kAlphaTestVariant = 1;
    static constexpr int kTexelBiasVariant = 2;

    // Where drawing goes: a render target's framebuffer object or the window's framebuffer, whose rows
    // lie bottom row first.
    struct DrawTarget
    {
        GlTexture* texture = nullptr; // null for the window
        unsigned framebuffer = 0;
        int width = 0;
        int height = 0;
    };

    GlDevice(std::shared_ptr<GlContext> context, WindowSystem* windows);
    bool Init(const PresentParameters& parameters, std::string& error);
    bool MakeProgram(Program& program, int variant, std::string& error);
    void DeletePrograms();
    bool MakeBackBuffer(int width, int height);
    bool WindowMatchesBackBuffer() const;
    DrawTarget Target() const;
    bool CanDraw() const;
    // Binds the target and the program and sets every state a draw depends on, for vertices already in
    // target pixels; oneToOne: the draw maps texels one to one onto pixels, so it samples points;
    // opaqueColours: every vertex colour has alpha 255.
    void PrepareDraw(const Vertex* targetPixels, bool oneToOne, bool opaqueColours);
    void MarkDrawn(const DrawTarget& target);
    void UseProgram(const Program& program);
    // Blending on with the destination factor, or off; GL is told only of a change.
    void SetBlend(bool enabled);
    // Whether every triangle of the draw samples its linear texture on texel centres.
    bool MapsTexelsOneToOne(const std::uint16_t* indices, std::size_t triangleCount) const;
    // Puts a back buffer that is a render target onto the window: one framebuffer copy where the
    // context has it, else a draw.
    void ShowBackBufferTexture();
    // A vertex in target pixels, centres at whole coordinates, as the software device computes it.
    void ToTarget(const Vertex& vertex, double& x, double& y) const;
    // The first vertices into target pixels, corners kept off pixel centres; true when all are opaque.
    bool TransformVertices(std::size_t count);
    // The pixels of the lines, as points at pixel centres in target pixels.
    void StepLines(std::size_t lineCount);
    void BindFramebuffer(unsigned framebuffer, int width, int height);
    void PointAttributes(const void* vertices);
    const std::uint16_t* SafeIndices(std::size_t vertexCount, std::size_t triangleCount);
    void Record(DrawRecord::Kind kind, std::size_t vertices, std::size_t primitives);

    std::shared_ptr<GlContext> mContext;
    WindowSystem* mWindows = nullptr;
    int mMaxTextureSide = 0;
    Program mPrograms[4]; // by variant
    unsigned mUsedProgram = 0;
    int mBlendState = -2; // -1 off, else the destination factor on; -2 not known yet
    unsigned mBoundFramebuffer = ~0u;
    int mBackBufferWidth = 1;
    int mBackBufferHeight = 1;
    std::unique_ptr<GlTexture> mBackBuffer; // null while the back buffer is the window's framebuffer
    bool mWindowShown = false;              // the window's framebuffer was presented and not drawn since
    std::unique_ptr<GlTexture> mWhite;      // drawn from when no texture is set
    GlTexture* mRenderTarget = nullptr;
    GlTexture* mTexture = nullptr;
    const DeviceTexture* mTextureAsSet = nullptr;
    bool mBlendEnabled = true;
    BlendFactor mDestinationBlend = BlendFactor::InverseSourceAlpha;
    bool mAlphaTest = true;
    std::uint8_t mAlphaReference = 1;
    TextureFilter mFilter = TextureFilter::Linear;
    TextureAddress mAddress = TextureAddress::Wrap;
    Matrix4 mProjection = Matrix4::Identity();
    Matrix4 mView = Matrix4::Identity();
    Matrix4 mTransform = Matrix4::Identity();
    const VertexBuffer* mVertices = nullptr;
    const IndexBuffer* mIndices = nullptr;
    std::vector<std::uint16_t> mSafeIndices; // sized when index buffers are made, so drawing never allocates
    std::vector<Vertex> mScreenVertices;     // sized when vertex buffers are made
    std::vector<ScreenVertex> mTargetVertices; // the same before corners are moved off pixel centres
    std::vector<Vertex> mLinePoints;           // grows to the longest lines drawn, then stays
    bool mInScene = false;
};

} // namespace Platform
