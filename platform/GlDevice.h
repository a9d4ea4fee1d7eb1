#pragma once

#include "platform/DeviceLife.h"
#include "platform/GraphicsDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace Platform
{

class GlContext;
class GlTexture;
class WindowSystem;

// The graphics device on OpenGL 2.1, for play in a window: the same operations and pictures as the
// software device (within a few levels per channel), drawn by the graphics card. The back buffer is a
// render target of its own size; Present stretches it over the window. Vertices are transformed here,
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

    bool GetDisplayMode(DisplayMode& out) const override;
    AdapterFacts GetAdapterFacts() const override;

    std::unique_ptr<DeviceTexture> CreateTexture(int width, int height, TextureUsage usage) override;
    std::unique_ptr<DeviceTexture> CreateTextureFromFileInMemory(const std::uint8_t* data, std::size_t size,
                                                                 int& imageWidth, int& imageHeight) override;
    std::unique_ptr<VertexBuffer> CreateVertexBuffer(std::size_t vertices) override;
    std::unique_ptr<IndexBuffer> CreateIndexBuffer(std::size_t indices) override;

    bool SetRenderTarget(DeviceTexture* target) override;
    DeviceTexture* GetRenderTarget() const override;
    int BackBufferWidth() const override;
    int BackBufferHeight() const override;

    void SetTexture(const DeviceTexture* texture) override;
    void SetAlphaBlendEnabled(bool enabled) override { mBlendEnabled = enabled; }
    void SetSourceBlend(BlendFactor /*factor*/) override {}
    void SetDestinationBlend(BlendFactor factor) override;
    void SetAlphaTest(bool enabled, std::uint8_t reference) override;
    void SetFilter(TextureFilter filter) override;
    void SetAddress(TextureAddress address) override;
    void SetProjection(const Matrix4& projection) override;
    void SetView(const Matrix4& view) override;
    void SetStreamSource(const VertexBuffer* vertices) override { mVertices = vertices; }
    void SetIndices(const IndexBuffer* indices) override { mIndices = indices; }

    void Clear(std::uint32_t argb) override;
    bool BeginScene() override;
    void EndScene() override;
    void DrawIndexedTriangles(std::size_t vertexCount, std::size_t triangleCount) override;
    void DrawLines(std::size_t lineCount) override;

    DeviceResult Present() override;
    DeviceResult TestCooperativeLevel() override;
    bool Reset(const PresentParameters& parameters) override;

    void ReadBackBuffer(Image& out) override;
    void ForgetTexture(const DeviceTexture* texture) override;

    void MakeLost() override { mLife.MakeLost(); }
    void AllowReset() override { mLife.AllowReset(); }
    const DeviceStatistics& Statistics() const override { return mStatistics; }
    void RecordDrawCalls(std::size_t capacity) override;
    const std::vector<DrawRecord>& DrawCalls() const override { return mDrawCalls; }

    // Waits until the graphics card has drawn everything asked of it (for measuring).
    void Finish() const;

private:
    GlDevice(std::shared_ptr<GlContext> context, WindowSystem* windows);
    bool Init(const PresentParameters& parameters, std::string& error);
    bool MakeProgram(std::string& error);
    bool MakeBackBuffer(int width, int height);
    GlTexture& Target() const;
    bool CanDraw() const;
    // Binds the target and the program and sets every state a draw depends on, for vertices already in
    // target pixels.
    void PrepareDraw(const Vertex* targetPixels);
    // A vertex in target pixels, centres at whole coordinates, as the software device computes it.
    void ToTarget(const Vertex& vertex, double& x, double& y) const;
    // The first vertices into target pixels, corners kept off pixel centres.
    void TransformVertices(std::size_t count);
    // The pixels of the lines, as points at pixel centres in target pixels.
    void StepLines(std::size_t lineCount);
    void BindFramebuffer(unsigned framebuffer, int width, int height);
    void PointAttributes(const void* vertices);
    const std::uint16_t* SafeIndices(std::size_t vertexCount, std::size_t triangleCount);
    void Record(DrawRecord::Kind kind, std::size_t vertices, std::size_t primitives);

    std::shared_ptr<GlContext> mContext;
    WindowSystem* mWindows = nullptr;
    int mMaxTextureSide = 0;
    unsigned mProgram = 0;
    int mTransformLocation = -1;
    int mPixelOffsetLocation = -1;
    int mAlphaReferenceLocation = -1;
    int mTexelBiasLocation = -1;
    unsigned mBoundFramebuffer = ~0u;
    std::unique_ptr<GlTexture> mBackBuffer;
    std::unique_ptr<GlTexture> mWhite; // drawn from when no texture is set
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
    std::vector<Vertex> mLinePoints;         // grows to the longest lines drawn, then stays
    DeviceLife mLife;
    bool mInScene = false;
    DeviceStatistics mStatistics;
    std::vector<DrawRecord> mDrawCalls;
    std::size_t mDrawCallCapacity = 0;
};

} // namespace Platform
