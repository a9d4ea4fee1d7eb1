#include "engine/Render/RenderSystem.h"

#include "engine/Gui/CursorManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/StartupReport.h"
#include "engine/Render/Texture.h"
#include "engine/Render/TextureManager.h"
#include "platform/Services.h"
#include "platform/ThreadControl.h"

#include <algorithm>
#include <cstring>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Render\\RenderSystem";
constexpr std::uint32_t kResetPauseMs = 100;
// DrawLine leaves room for its two vertices.
constexpr std::uint32_t kLineBatchLimit = RenderSystem::kMaxVertices - 3;

void Log(const char* text)
{
    LogManager::GetInstance()->Write("%s", text);
}

Platform::BlendFactor DestinationFactor(std::uint32_t mode)
{
    switch (mode)
    {
    case RenderData::kBlendInverseColour:
        return Platform::BlendFactor::InverseSourceColour;
    case RenderData::kBlendAdd:
        return Platform::BlendFactor::One;
    default:
        return Platform::BlendFactor::InverseSourceAlpha;
    }
}

} // namespace

RenderSystem::RenderSystem(Platform::WindowHandle window, std::uint32_t width, std::uint32_t height,
                           bool windowed)
    : mWindow(window), mWindowed(windowed), mVirtualWidth(width), mVirtualHeight(height)
{
    StartupReport::WriteSystemPart(Platform::SystemFacts::Gather());
    if (!Platform::Services::Exists())
    {
        ReportAndBreak("Failed to create Direct3D8 object", kEngineModule, kSource, 134);
        return;
    }
    Log("Creating Direct3D");
    mMappingEnabled = true;
    ComputeScreenMapping();
    mMappingEnabled = false;
    if (!CreateDevice())
    {
        return;
    }
    Reset(mWindowed);
    mMappingEnabled = true;
    StartupReport::WriteAdapterPart(mDevice->GetAdapterFacts(), true);
    mTextureManager = std::make_unique<TextureManager>(mDevice.get());
    mDeviceLost = false;
    mClearColour = Colour{0.0f, 0.3f, 0.6f, 0.0f};
}

bool RenderSystem::CreateDevice()
{
    std::uint32_t displayWidth = 0;
    std::uint32_t displayHeight = 0;
    if (!DisplaySize(displayWidth, displayHeight))
    {
        ReportAndBreak("Error GetAdapterDisplayMode", kEngineModule, kSource, 148);
        return false;
    }
    // The size the first Reset asks for, so that no back buffer is made only to be replaced at once.
    mPresentParameters.backBufferWidth =
        static_cast<int>(mWindowed ? mVirtualWidth : std::max(displayWidth, mVirtualWidth));
    mPresentParameters.backBufferHeight =
        static_cast<int>(mWindowed ? mVirtualHeight : std::max(displayHeight, mVirtualHeight));
    // Full screen is a window covering the display, so the device is always windowed.
    mPresentParameters.windowed = true;
    mDevice = Platform::Services::Current().CreateGraphicsDevice(mPresentParameters);
    LogManager::GetInstance()->Write("Drawing with %s",
                                     Platform::Services::Current().GraphicsDeviceChoice().c_str());
    if (!mDevice)
    {
        ReportAndBreak("Error CreateDevice", kEngineModule, kSource, 176);
        return false;
    }
    return true;
}

RenderSystem::~RenderSystem()
{
    ReleaseBuffers();
    mTextureManager.reset();
    mSavedTarget = nullptr;
    mDevice.reset();
}

RenderSystem* RenderSystem::GetInstance()
{
    return CheckedInstance("RenderSystem::mSingleton==NULL", kEngineModule, kSource, 40);
}

bool RenderSystem::DisplaySize(std::uint32_t& width, std::uint32_t& height) const
{
    if (!Platform::Services::Exists())
    {
        return false;
    }
    const Platform::DisplayMetrics metrics = Platform::Services::Current().Window().Metrics();
    if (metrics.screenWidth <= 0 || metrics.screenHeight <= 0)
    {
        return false;
    }
    width = static_cast<std::uint32_t>(metrics.screenWidth);
    height = static_cast<std::uint32_t>(metrics.screenHeight);
    return true;
}

void RenderSystem::ComputeScreenMapping()
{
    if (mWindowed)
    {
        mBorderX = 0.0f;
        mBorderY = 0.0f;
        mScreenWidth = mVirtualWidth;
        mScreenHeight = mVirtualHeight;
        return;
    }
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    DisplaySize(width, height);
    mScreenWidth = width;
    mScreenHeight = height;
    const float virtualWidth = static_cast<float>(mVirtualWidth);
    const float virtualHeight = static_cast<float>(mVirtualHeight);
    const float screenWidth = static_cast<float>(mScreenWidth);
    const float screenHeight = static_cast<float>(mScreenHeight);
    if (virtualWidth / virtualHeight < screenWidth / screenHeight)
    {
        mBorderX = (screenWidth - virtualWidth * screenHeight / virtualHeight) * 0.5f;
    }
    else
    {
        mBorderY = (screenHeight - virtualHeight * screenWidth / virtualWidth) * 0.5f;
    }
}

Vector2* RenderSystem::WindowToVirtual(const Vector2& point)
{
    const float virtualWidth = static_cast<float>(mVirtualWidth);
    const float virtualHeight = static_cast<float>(mVirtualHeight);
    if (!mWindowed)
    {
        if (mScreenWidth == 0)
        {
            mScreenWidth = 1;
        }
        if (mScreenHeight == 0)
        {
            mScreenHeight = 1;
        }
        mVirtualCursor.x =
            (point.x - mBorderX) * virtualWidth / (static_cast<float>(mScreenWidth) - 2.0f * mBorderX);
        mVirtualCursor.y =
            (point.y - mBorderY) * virtualHeight / (static_cast<float>(mScreenHeight) - 2.0f * mBorderY);
        return &mVirtualCursor;
    }
    Platform::WindowRect client{0, 0, static_cast<int>(mVirtualWidth), static_cast<int>(mVirtualHeight)};
    if (Platform::Services::Exists())
    {
        client = Platform::Services::Current().Window().ClientRect();
    }
    // A client area with no width (a minimised window) maps points as they are.
    const bool sameWidth = client.width <= 0 || static_cast<std::uint32_t>(client.width) == mVirtualWidth;
    const bool sameHeight = client.height <= 0 || static_cast<std::uint32_t>(client.height) == mVirtualHeight;
    mVirtualCursor.x = sameWidth ? point.x : virtualWidth * point.x / static_cast<float>(client.width);
    mVirtualCursor.y = sameHeight ? point.y : virtualHeight * point.y / static_cast<float>(client.height);
    return &mVirtualCursor;
}

void RenderSystem::ReleaseBuffers()
{
    if (mDevice)
    {
        mDevice->SetStreamSource(nullptr);
        mDevice->SetIndices(nullptr);
    }
    mLockedVertices = nullptr;
    mVertexBuffer.reset();
    mIndexBuffer.reset();
}

void RenderSystem::Reset(bool windowed)
{
    if (!mDevice)
    {
        return;
    }
    mSavedTarget = nullptr;
    mSavedTargetTaken = false;
    if (mTextureManager)
    {
        mTextureManager->ReleaseRenderTextures();
    }
    ReleaseBuffers();

    mWindowed = windowed;
    LogManager::GetInstance()->Write("SETT %i,%i,", static_cast<int>(mVirtualWidth),
                                     static_cast<int>(mVirtualHeight));
    if (mMappingEnabled)
    {
        ComputeScreenMapping();
    }
    if (mWindowed)
    {
        mPresentParameters.backBufferWidth = static_cast<int>(mVirtualWidth);
        mPresentParameters.backBufferHeight = static_cast<int>(mVirtualHeight);
    }
    else
    {
        std::uint32_t displayWidth = 0;
        std::uint32_t displayHeight = 0;
        if (!DisplaySize(displayWidth, displayHeight))
        {
            Log("Error GetAdapterDisplayMode");
            return;
        }
        mPresentParameters.backBufferWidth = static_cast<int>(std::max(displayWidth, mVirtualWidth));
        mPresentParameters.backBufferHeight = static_cast<int>(std::max(displayHeight, mVirtualHeight));
        LogManager::GetInstance()->Write("fdshfj %i x %i", mPresentParameters.backBufferWidth,
                                         mPresentParameters.backBufferHeight);
    }
    LogManager::GetInstance()->Write("mD3DPP %i,%i,", mPresentParameters.backBufferWidth,
                                     mPresentParameters.backBufferHeight);
    if (!mDevice->Reset(mPresentParameters))
    {
        return;
    }
    // A device in use lets the display settle before its textures come back; the first reset, of a new
    // device with no textures yet, has nothing to wait for (it would only delay the start-up).
    if (mTextureManager)
    {
        Platform::ThreadControl::SleepMilliseconds(kResetPauseMs);
        mTextureManager->RestoreAllTextures();
    }
    if (!CreateBuffers())
    {
        return;
    }
    mTexture = nullptr;
    mBlendMode = RenderData::kBlendAlpha;
    mFilter = RenderData::kFilterLinear;
    mAddressing = RenderData::kAddressWrap;
    mDevice->SetSourceBlend(Platform::BlendFactor::SourceAlpha);
    mDevice->SetDestinationBlend(Platform::BlendFactor::InverseSourceAlpha);
    if (CursorManager* cursor = CursorManager::WasCreated() ? CursorManager::Peek() : nullptr)
    {
        cursor->SetDeviceCursor();
    }
}

bool RenderSystem::CreateBuffers()
{
    mVertexBuffer = mDevice->CreateVertexBuffer(kMaxVertices);
    if (!mVertexBuffer)
    {
        ReportAndBreak("Can't create vertex buffer", kEngineModule, kSource, 260);
        return false;
    }
    mDevice->SetStreamSource(mVertexBuffer.get());
    mIndexBuffer = mDevice->CreateIndexBuffer(kIndexCount);
    if (!mIndexBuffer)
    {
        ReportAndBreak("Can't create index buffer", kEngineModule, kSource, 268);
        return false;
    }
    std::uint16_t* indices = mIndexBuffer->Lock();
    if (indices == nullptr)
    {
        ReportAndBreak("Can't lock index buffer", kEngineModule, kSource, 273);
        return false;
    }
    for (std::uint32_t quad = 0; quad < kQuadCount; ++quad)
    {
        const auto first = static_cast<std::uint16_t>(quad * kVerticesPerQuad);
        const std::uint16_t pattern[6] = {first,
                                          static_cast<std::uint16_t>(first + 1),
                                          static_cast<std::uint16_t>(first + 2),
                                          static_cast<std::uint16_t>(first + 2),
                                          static_cast<std::uint16_t>(first + 3),
                                          first};
        std::memcpy(indices + quad * 6, pattern, sizeof(pattern));
    }
    mIndexBuffer->Unlock();
    mDevice->SetIndices(mIndexBuffer.get());
    return true;
}

void RenderSystem::BeginFrame()
{
    if (!mDevice)
    {
        return;
    }
    if (mDeviceLost)
    {
        switch (mDevice->TestCooperativeLevel())
        {
        case Platform::DeviceResult::Ok:
            mDeviceLost = false;
            break;
        case Platform::DeviceResult::DeviceNotReset:
            Reset(mWindowed);
            return;
        default:
            return;
        }
    }
    mDevice->SetAlphaBlendEnabled(true);
    mDevice->SetAlphaTest(true, 1);
    // The device's filter follows the batch's remembered one, so a block that matches the remembered
    // filter is never drawn with another.
    mDevice->SetFilter(mFilter == RenderData::kFilterPoint ? Platform::TextureFilter::Point
                                                           : Platform::TextureFilter::Linear);
}

void RenderSystem::BeginScene(Texture* target)
{
    // A lost device draws nothing: no scene opens, so nothing is batched either.
    if (!mDevice || mDeviceLost || mVertexBuffer == nullptr || IsSceneOpen())
    {
        return;
    }
    if (target != nullptr)
    {
        if (!mSavedTargetTaken)
        {
            mSavedTarget = mDevice->GetRenderTarget();
            mSavedTargetTaken = true;
        }
        Platform::DeviceTexture* surface = target->GetDeviceTexture();
        if (surface == nullptr || !mDevice->SetRenderTarget(surface))
        {
            ReportAndBreak("Error: Could not set render target.", kEngineModule, kSource, 330);
        }
        mDrawingIntoTexture = true;
    }
    if (mProjectionEnabled)
    {
        const float width = static_cast<float>(mVirtualWidth);
        const float height = static_cast<float>(mVirtualHeight);
        mProjection = Platform::Matrix4::Scaling(1.0f, -1.0f, 1.0f) *
                      Platform::Matrix4::Translation(-0.5f, height + 0.5f, 0.0f) *
                      Platform::Matrix4::OrthoOffCenterLH(0.0f, width, 0.0f, height, 0.0f, 1.0f);
        mDevice->SetProjection(mProjection);
        mDevice->SetView(Platform::Matrix4::Identity());
    }
    mDevice->Clear(mClearColour.ToARGB());
    mDevice->BeginScene();
    mLockedVertices = mVertexBuffer->Lock(false);
}

bool RenderSystem::BlockFits(const RenderData& block) const
{
    if (block.mVertexCount > kMaxVertices)
    {
        ReportAndBreak("RenderSystem::AddRenderData (mVertexCount>4000)", kEngineModule, kSource, 372);
        return false;
    }
    if (block.mPrimitive == RenderData::kQuads && block.mVertexCount != kVerticesPerQuad)
    {
        ReportAndBreak("RenderSystem::AddRenderData (quad mVertexCount!=4)", kEngineModule, kSource, 377);
        return false;
    }
    return block.mVertexData != nullptr || block.mVertexCount == 0;
}

void RenderSystem::AddRenderData(const RenderData* block)
{
    if (block == nullptr || !BlockFits(*block))
    {
        return;
    }
    const bool stateDiffers = block->mTexture != mTexture || block->mPrimitive != mPrimitive ||
                              block->mBlendMode != mBlendMode || block->mFilter != mFilter ||
                              block->mAddressing != mAddressing;
    if (stateDiffers || mBatchedVertices + block->mVertexCount >= kMaxVertices)
    {
        Flush();
        ApplyStates(*block);
    }
    if (mLockedVertices != nullptr)
    {
        std::memcpy(mLockedVertices + mBatchedVertices, block->mVertexData,
                    block->mVertexCount * sizeof(Vertex));
        mBatchedVertices += block->mVertexCount;
        ++mBatchedPieces;
    }
}

void RenderSystem::ApplyStates(const RenderData& block)
{
    ApplyTexture(block.mTexture);
    ApplyBlendMode(block.mBlendMode);
    ApplyFilter(block.mFilter);
    ApplyAddressing(block.mAddressing);
    mPrimitive = block.mPrimitive;
}

void RenderSystem::ApplyTexture(Texture* texture)
{
    if (texture == mTexture)
    {
        return;
    }
    mDevice->SetTexture(texture != nullptr ? texture->GetDeviceTexture() : nullptr);
    mTexture = texture;
}

void RenderSystem::ApplyBlendMode(std::uint32_t mode)
{
    if (mode == mBlendMode)
    {
        return;
    }
    if (mode <= RenderData::kBlendAdd)
    {
        mDevice->SetDestinationBlend(DestinationFactor(mode));
    }
    mBlendMode = mode;
}

void RenderSystem::ApplyFilter(std::uint32_t filter)
{
    if (filter == mFilter)
    {
        return;
    }
    mDevice->SetFilter(filter == RenderData::kFilterPoint ? Platform::TextureFilter::Point
                                                          : Platform::TextureFilter::Linear);
    mFilter = filter;
}

void RenderSystem::ApplyAddressing(std::uint32_t addressing)
{
    if (addressing == mAddressing)
    {
        return;
    }
    if (addressing == RenderData::kAddressWrap)
    {
        mDevice->SetAddress(Platform::TextureAddress::Wrap);
    }
    else if (addressing == RenderData::kAddressClamp)
    {
        mDevice->SetAddress(Platform::TextureAddress::Clamp);
    }
    mAddressing = addressing;
}

void RenderSystem::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colour)
{
    if (!mDevice)
    {
        return;
    }
    if (mTexture != nullptr || mBatchedVertices > kLineBatchLimit || mPrimitive != RenderData::kLines ||
        mBlendMode != RenderData::kBlendAlpha)
    {
        Flush();
    }
    ApplyTexture(nullptr);
    ApplyBlendMode(RenderData::kBlendAlpha);
    mPrimitive = RenderData::kLines;
    if (mLockedVertices != nullptr)
    {
        mLockedVertices[mBatchedVertices++] = Vertex{x1, y1, 0.5f, colour, 0.0f, 0.0f};
        mLockedVertices[mBatchedVertices++] = Vertex{x2, y2, 0.5f, colour, 0.0f, 0.0f};
        ++mBatchedPieces;
    }
}

void RenderSystem::Flush()
{
    if (mBatchedVertices == 0 || mLockedVertices == nullptr)
    {
        return;
    }
    mVertexBuffer->Unlock();
    if (mPrimitive == RenderData::kQuads)
    {
        mDevice->DrawIndexedTriangles(kVerticesPerQuad * mBatchedPieces, 2 * mBatchedPieces);
    }
    else if (mPrimitive == RenderData::kLines)
    {
        mDevice->DrawLines(mBatchedVertices / 2);
    }
    mBatchedVertices = 0;
    mBatchedPieces = 0;
    mLockedVertices = mVertexBuffer->Lock(true);
}

void RenderSystem::EndScene()
{
    if (!IsSceneOpen())
    {
        return;
    }
    Flush();
    mVertexBuffer->Unlock();
    mDevice->EndScene();
    mLockedVertices = nullptr;
    if (mDrawingIntoTexture && !mDevice->SetRenderTarget(mSavedTarget))
    {
        ReportAndBreak("Error: Could not set back to previous render target.", kEngineModule, kSource, 470);
    }
}

} // namespace Korrin
