#pragma once

#include "engine/Render/RenderData.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/Texture.h"
#include "engine/Render/TextureManager.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"
#include "tests/engine/LogCapture.h"

#include <memory>

namespace TestSupport
{

// A quad block with its own vertices, as a drawable embeds one.
struct QuadBlock
{
    Korrin::Vertex vertices[4];
    Korrin::RenderData data;

    QuadBlock(float x, float y, float w, float h, Korrin::Texture* texture = nullptr,
              std::uint32_t colour = 0xFFFFFFFFu)
    {
        vertices[0] = {x, y + h, 0.5f, colour, 0.0f, 1.0f};
        vertices[1] = {x + w, y + h, 0.5f, colour, 1.0f, 1.0f};
        vertices[2] = {x + w, y, 0.5f, colour, 1.0f, 0.0f};
        vertices[3] = {x, y, 0.5f, colour, 0.0f, 0.0f};
        data.mVertexData = vertices;
        data.mVertexCount = 4;
        data.mTexture = texture;
    }
    QuadBlock(const QuadBlock&) = delete;
    QuadBlock& operator=(const QuadBlock&) = delete;
};

// The platform services (headless), a log and a render system for the virtual screen of 1024 x 768.
class RenderFixture
{
public:
    explicit RenderFixture(bool windowed = true, const Platform::DisplayMetrics& metrics =
                                                     Platform::HeadlessWindowSystem::DefaultMetrics())
        : mServices(std::make_unique<Platform::HeadlessWindowSystem>(metrics),
                    std::make_unique<Platform::FixedStepClock>()),
          mRender(0, 1024, 768, windowed)
    {
    }

    Korrin::RenderSystem& Render() { return mRender; }
    Platform::GraphicsDevice& Device() { return *mRender.GetDevice(); }
    Platform::Services& Services() { return mServices; }
    LogCapture& Log() { return mLog; }
    Platform::Image BackBuffer()
    {
        Platform::Image image;
        Device().ReadBackBuffer(image);
        return image;
    }

private:
    LogCapture mLog;
    Platform::Services mServices;
    Korrin::RenderSystem mRender;
};

} // namespace TestSupport
