#pragma once

#include "platform/DeviceLife.h"
#include "platform/DeviceTexture.h"
#include "platform/GraphicsTypes.h"
#include "platform/Image.h"
#include "platform/IndexBuffer.h"
#include "platform/Matrix4.h"
#include "platform/VertexBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace Platform
{

class WindowSystem;

// The graphics device the engine draws through: textures and render targets, one stream of 24-byte
// vertices with 16-bit indices, the few states the engine changes, scenes, presentation, and the
// lost / needs-reset / working life of a device whose display was taken away.
class GraphicsDevice
{
public:
    GraphicsDevice() : mLink(std::make_shared<GraphicsDevice*>(this)) {}
    virtual ~GraphicsDevice() { *mLink = nullptr; }
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    // Facts of the display and the adapter.
    virtual bool GetDisplayMode(DisplayMode& out) const = 0;
    virtual AdapterFacts GetAdapterFacts() const = 0;

    // Resources; null when they cannot be made (too large, or the device is lost).
    virtual std::unique_ptr<DeviceTexture> CreateTexture(int width, int height, TextureUsage usage) = 0;
    // A texture from a picture file held in memory (PNG or JPEG), at the picture's own size.
    std::unique_ptr<DeviceTexture> CreateTextureFromFileInMemory(const std::uint8_t* data, std::size_t size,
                                                                 int& imageWidth, int& imageHeight);
    // A picture file held in memory decoded into texture pixels of no device, for
    // CreateTextureFromDecoded; null for a broken file or one wider or taller than maxSide (refused before
    // its pixels are allocated). It touches no device, so any thread may call it.
    static std::unique_ptr<DeviceTexture> DecodePicture(const std::uint8_t* data, std::size_t size,
                                                        int maxSide);
    // A texture of this device that takes over the pixels of a decoded picture; null when it cannot be
    // made (too large, or the device is lost).
    virtual std::unique_ptr<DeviceTexture>
    CreateTextureFromDecoded(std::unique_ptr<DeviceTexture> decoded) = 0;
    virtual std::unique_ptr<VertexBuffer> CreateVertexBuffer(std::size_t vertices) = 0;
    virtual std::unique_ptr<IndexBuffer> CreateIndexBuffer(std::size_t indices) = 0;

    // Where drawing goes: a render-target texture, or the back buffer for null.
    virtual bool SetRenderTarget(DeviceTexture* target) = 0;
    virtual DeviceTexture* GetRenderTarget() const = 0;
    virtual int BackBufferWidth() const = 0;
    virtual int BackBufferHeight() const = 0;

    // States.
    virtual void SetTexture(const DeviceTexture* texture) = 0;
    virtual void SetAlphaBlendEnabled(bool enabled) = 0;
    // Only the source factor SourceAlpha is drawn, whatever is asked here; the destination factors are
    // One, InverseSourceColour and InverseSourceAlpha.
    void SetSourceBlend(BlendFactor /*factor*/) {}
    virtual void SetDestinationBlend(BlendFactor factor) = 0;
    // Pixels whose alpha is below the reference are not drawn while the test is on.
    virtual void SetAlphaTest(bool enabled, std::uint8_t reference) = 0;
    virtual void SetFilter(TextureFilter filter) = 0;
    virtual void SetAddress(TextureAddress address) = 0;
    virtual void SetProjection(const Matrix4& projection) = 0;
    virtual void SetView(const Matrix4& view) = 0;
    virtual void SetStreamSource(const VertexBuffer* vertices) = 0;
    virtual void SetIndices(const IndexBuffer* indices) = 0;

    // Drawing, between BeginScene and EndScene.
    virtual void Clear(std::uint32_t argb) = 0;
    virtual bool BeginScene() = 0;
    virtual void EndScene() = 0;
    // Triangles from the indices at the start of the index buffer, over the first vertices.
    virtual void DrawIndexedTriangles(std::size_t vertexCount, std::size_t triangleCount) = 0;
    // Lines between vertex pairs from the start of the vertex buffer.
    virtual void DrawLines(std::size_t lineCount) = 0;

    // Shows the back buffer; DeviceLost when the device has been lost.
    virtual DeviceResult Present() = 0;
    // Ok, DeviceLost (wait) or DeviceNotReset (reset now).
    virtual DeviceResult TestCooperativeLevel() = 0;
    // Sizes the back buffer anew; the device works again when this succeeds.
    virtual bool Reset(const PresentParameters& parameters) = 0;

    // Reading pixels back, opaque (render targets and the back buffer have no alpha).
    virtual void ReadBackBuffer(Image& out) = 0;
    static void ReadTexture(const DeviceTexture& texture, Image& out);

    // A texture made by this device is going: nothing may draw from it any more.
    virtual void ForgetTexture(const DeviceTexture* /*texture*/) {}

    // The device's own cursor: a picture and its hot spot in whole pixels. Kept for the device's
    // presentation; the engine never asks for it to be shown (it draws its cursor into the frame).
    void SetCursorProperties(int hotSpotX, int hotSpotY, const DeviceTexture* image)
    {
        mCursorHotSpotX = hotSpotX;
        mCursorHotSpotY = hotSpotY;
        mCursorImage = image;
    }
    int CursorHotSpotX() const { return mCursorHotSpotX; }
    int CursorHotSpotY() const { return mCursorHotSpotY; }
    const DeviceTexture* CursorImage() const { return mCursorImage; }

    // Tests: loses the device as a display change would, then lets it be reset.
    void MakeLost() { mLife.MakeLost(); }
    void AllowReset() { mLife.AllowReset(); }
    const DeviceStatistics& Statistics() const { return mStatistics; }
    // Keeps a record of the next draw calls, up to capacity (0 stops recording).
    void RecordDrawCalls(std::size_t capacity);
    const std::vector<DrawRecord>& DrawCalls() const { return mDrawCalls; }

protected:
    // The longest side of a texture the device can make.
    virtual int MaxTextureSide() const = 0;
    // Counts a draw call and keeps its record while recording.
    void RecordDraw(const DrawRecord& record);

    // The display mode both devices report: the screen of the window system when it tells one, else the
    // back buffer's size; 60 Hz.
    static DisplayMode DisplayModeFor(const WindowSystem* windows, int backBufferWidth, int backBufferHeight);

    // Handed to the textures this device makes (see DeviceTexture::SetOwner).
    const std::shared_ptr<GraphicsDevice*>& Link() const { return mLink; }

    // Both devices follow one life and count alike, so the engine and the tests see them the same.
    DeviceLife mLife;
    DeviceStatistics mStatistics;

private:
    std::shared_ptr<GraphicsDevice*> mLink;
    std::vector<DrawRecord> mDrawCalls;
    std::size_t mDrawCallCapacity = 0;
    int mCursorHotSpotX = 0;
    int mCursorHotSpotY = 0;
    const DeviceTexture* mCursorImage = nullptr;
};

} // namespace Platform
