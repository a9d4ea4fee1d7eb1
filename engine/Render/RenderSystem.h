#pragma once

#include "engine/Render/RenderData.h"
#include "engine/Util/Colour.h"
#include "engine/Util/Singleton.h"
#include "engine/Util/Vector2.h"
#include "platform/GraphicsDevice.h"
#include "platform/Message.h"

#include <cstdint>
#include <memory>

namespace Korrin
{

class Texture;
class TextureManager;

// Everything on screen goes through here: the graphics device, one dynamic vertex buffer and a fixed
// index buffer of quads, and the batcher that joins the drawables' blocks into as few draw calls as their
// states allow. It keeps the virtual screen (1024 x 768, y downwards), switches between the back buffer
// and render textures, maps window points to the virtual screen and survives a lost device.
class RenderSystem : public Singleton<RenderSystem>
{
public:
    static constexpr std::uint32_t kMaxVertices = 4000;
    static constexpr std::uint32_t kQuadCount = 1000;
    static constexpr std::uint32_t kIndexCount = kQuadCount * 6;
    static constexpr std::uint32_t kVerticesPerQuad = 4;

    RenderSystem(Platform::WindowHandle window, std::uint32_t width, std::uint32_t height, bool windowed);
    ~RenderSystem();

    static RenderSystem* GetInstance();

    void BeginFrame();
    void BeginScene(Texture* target);
    void EndScene();
    void AddRenderData(const RenderData* block);
    void DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colour);
    Vector2* WindowToVirtual(const Vector2& point);
    void Reset(bool windowed);

    // The device, for presentation; null when it could not be made.
    Platform::GraphicsDevice* GetDevice() const { return mDevice.get(); }
    TextureManager* GetTextureManager() const { return mTextureManager.get(); }
    bool IsDeviceLost() const { return mDeviceLost; }
    void SetDeviceLost(bool lost) { mDeviceLost = lost; }
    bool IsWindowed() const { return mWindowed; }
    bool IsSceneOpen() const { return mLockedVertices != nullptr; }

    std::uint32_t GetVirtualWidth() const { return mVirtualWidth; }
    std::uint32_t GetVirtualHeight() const { return mVirtualHeight; }
    std::uint32_t GetScreenWidth() const { return mScreenWidth; }
    std::uint32_t GetScreenHeight() const { return mScreenHeight; }
    float GetBorderX() const { return mBorderX; }
    float GetBorderY() const { return mBorderY; }
    const Vector2& GetVirtualCursor() const { return mVirtualCursor; }

    void SetClearColour(const Colour& colour) { mClearColour = colour; }
    const Colour& GetClearColour() const { return mClearColour; }

private:
    bool CreateDevice();
    void ComputeScreenMapping();
    bool DisplaySize(std::uint32_t& width, std::uint32_t& height) const;
    void ReleaseBuffers();
    bool CreateBuffers();
    void Flush();
    bool BlockFits(const RenderData& block) const;
    void ApplyStates(const RenderData& block);
    void ApplyTexture(Texture* texture);
    void ApplyBlendMode(std::uint32_t mode);
    void ApplyFilter(std::uint32_t filter);
    void ApplyAddressing(std::uint32_t addressing);

    std::unique_ptr<Platform::GraphicsDevice> mDevice;
    Platform::PresentParameters mPresentParameters;
    std::unique_ptr<Platform::VertexBuffer> mVertexBuffer;
    std::unique_ptr<Platform::IndexBuffer> mIndexBuffer;
    std::unique_ptr<TextureManager> mTextureManager;
    // The target that was current before the first scene into a texture (null: the back buffer).
    Platform::DeviceTexture* mSavedTarget = nullptr;
    bool mSavedTargetTaken = false;
    Platform::WindowHandle mWindow = 0;
    bool mWindowed = true;
    std::uint32_t mVirtualWidth = 0;
    std::uint32_t mVirtualHeight = 0;
    std::uint32_t mScreenWidth = 0;
    std::uint32_t mScreenHeight = 0;
    float mBorderX = 0.0f;
    float mBorderY = 0.0f;
    bool mDeviceLost = false;
    Vertex* mLockedVertices = nullptr;
    std::uint32_t mBatchedVertices = 0;
    std::uint32_t mBatchedPieces = 0;
    Texture* mTexture = nullptr;
    std::uint32_t mPrimitive = RenderData::kQuads;
    std::uint32_t mBlendMode = RenderData::kBlendAlpha;
    std::uint32_t mFilter = RenderData::kFilterLinear;
    std::uint32_t mAddressing = RenderData::kAddressWrap;
    bool mDrawingIntoTexture = false;
    Colour mClearColour{0.0f, 0.3f, 0.6f, 0.0f};
    Vector2 mVirtualCursor;
    Platform::Matrix4 mProjection;
    bool mMappingEnabled = false;
    bool mProjectionEnabled = true;
};

} // namespace Korrin
