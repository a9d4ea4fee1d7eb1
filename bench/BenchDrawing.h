#pragma once

// What the frame benchmarks share to drive the renderers: texture uploads, the device's quad batching,
// a window with an OpenGL context, and the frames-per-second counter.

#include "platform/GlContext.h"
#include "platform/GraphicsDevice.h"
#include "platform/SdlWindowSystem.h"

#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace BenchDrawing
{

inline std::unique_ptr<Platform::DeviceTexture> Upload(Platform::GraphicsDevice& device, int width,
                                                       int height, const std::vector<std::uint32_t>& pixels)
{
    auto texture = device.CreateTexture(width, height, Platform::TextureUsage::Plain);
    Platform::DeviceTexture::LockedRect locked = texture->Lock();
    for (int y = 0; y < height; ++y)
    {
        std::copy_n(pixels.data() + static_cast<std::size_t>(y * width), width,
                    reinterpret_cast<std::uint32_t*>(locked.bits + y * locked.pitch));
    }
    texture->Unlock();
    return texture;
}

// SDL2's software renderer drawing into a window-sized surface in memory, or into a window that its
// presentation shows, with a render-target frame of its own size (scaled linearly when copied) and the
// textures uploaded to it, all freed together.
class SdlCanvas
{
public:
    SdlCanvas(int windowWidth, int windowHeight, int frameWidth, int frameHeight)
    {
        mWindow = SDL_CreateRGBSurfaceWithFormat(0, windowWidth, windowHeight, 32, SDL_PIXELFORMAT_ARGB8888);
        mRenderer = mWindow != nullptr ? SDL_CreateSoftwareRenderer(mWindow) : nullptr;
        CreateFrame(frameWidth, frameHeight);
    }

    SdlCanvas(SDL_Window* window, int frameWidth, int frameHeight)
    {
        mRenderer = window != nullptr ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
        CreateFrame(frameWidth, frameHeight);
    }

    ~SdlCanvas()
    {
        for (SDL_Texture* texture : mTextures)
        {
            SDL_DestroyTexture(texture);
        }
        if (mFrame != nullptr)
        {
            SDL_DestroyTexture(mFrame);
        }
        if (mRenderer != nullptr)
        {
            SDL_DestroyRenderer(mRenderer);
        }
        SDL_FreeSurface(mWindow);
    }

    SdlCanvas(const SdlCanvas&) = delete;
    SdlCanvas& operator=(const SdlCanvas&) = delete;

    bool Ready() const { return mRenderer != nullptr && mFrame != nullptr; }
    SDL_Renderer* Renderer() const { return mRenderer; }
    SDL_Texture* Frame() const { return mFrame; }

    SDL_Texture* Upload(int width, int height, const std::vector<std::uint32_t>& pixels, SDL_BlendMode mode)
    {
        SDL_Texture* texture =
            SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
        SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4);
        SDL_SetTextureBlendMode(texture, mode);
        mTextures.push_back(texture);
        return texture;
    }

private:
    void CreateFrame(int frameWidth, int frameHeight)
    {
        if (mRenderer != nullptr)
        {
            mFrame = SDL_CreateTexture(mRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                       frameWidth, frameHeight);
            SDL_SetTextureScaleMode(mFrame, SDL_ScaleModeLinear);
        }
    }

    SDL_Surface* mWindow = nullptr; // none when drawing into a window
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mFrame = nullptr;
    std::vector<SDL_Texture*> mTextures;
};

// Quads drawn as the render system draws them: one vertex buffer, one draw for each run of quads with
// the same texture.
class QuadBatch
{
public:
    static constexpr int kMostQuads = 1000;

    explicit QuadBatch(Platform::GraphicsDevice& device) : mDevice(device)
    {
        mVertices = mDevice.CreateVertexBuffer(kMostQuads * 4);
        mIndices = mDevice.CreateIndexBuffer(kMostQuads * 6);
        std::uint16_t* index = mIndices->Lock();
        for (int quad = 0; quad < kMostQuads; ++quad)
        {
            for (const int corner : {0, 1, 2, 2, 3, 0})
            {
                *index++ = static_cast<std::uint16_t>(quad * 4 + corner);
            }
        }
        mIndices->Unlock();
        mDevice.SetStreamSource(mVertices.get());
        mDevice.SetIndices(mIndices.get());
    }

    void Add(const Platform::DeviceTexture* texture, const Platform::Vertex (&corners)[4])
    {
        if (texture != mTexture || mQuads == kMostQuads)
        {
            Flush();
            mDevice.SetTexture(texture);
            mTexture = texture;
        }
        if (mLocked == nullptr)
        {
            mLocked = mVertices->Lock(true);
        }
        std::copy(std::begin(corners), std::end(corners), mLocked + mQuads * 4);
        ++mQuads;
    }

    void Flush()
    {
        if (mQuads == 0)
        {
            return;
        }
        mVertices->Unlock();
        mLocked = nullptr;
        mDevice.DrawIndexedTriangles(static_cast<std::size_t>(mQuads) * 4,
                                     static_cast<std::size_t>(mQuads) * 2);
        mQuads = 0;
        mTexture = nullptr;
    }

private:
    Platform::GraphicsDevice& mDevice;
    std::unique_ptr<Platform::VertexBuffer> mVertices;
    std::unique_ptr<Platform::IndexBuffer> mIndices;
    const Platform::DeviceTexture* mTexture = nullptr;
    Platform::Vertex* mLocked = nullptr;
    int mQuads = 0;
};

// A window of the given size, with an OpenGL context on it when asked for; no context, with the reason,
// where none can be had (no display: SDL_VIDEODRIVER=offscreen with Mesa gives one).
struct GlWindow
{
    std::unique_ptr<Platform::SdlWindowSystem> windows;
    std::shared_ptr<Platform::GlContext> context;
    std::string error;

    GlWindow(int width, int height, bool withOpenGl = true)
    {
        try
        {
            windows = std::make_unique<Platform::SdlWindowSystem>(withOpenGl);
        }
        catch (const Platform::SdlWindowSystem::NoDisplay& noDisplay)
        {
            error = std::string("no display: ") + noDisplay.what();
            return;
        }
        windows->CreateAppWindow("frame benchmark", 0, {0, 0, width, height},
                                 [this](Platform::WindowHandle window, std::uint32_t code,
                                        std::uintptr_t first, std::intptr_t second)
                                 { return windows->DefaultProcedure(window, code, first, second); });
        if (withOpenGl)
        {
            context = windows->OpenGlContext(error);
        }
    }
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;
};

inline void CountFramesPerSecond(benchmark::State& state)
{
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Processor seconds of the whole process so far (every thread: workers and drivers' threads too).
inline double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time)
    { return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1.0e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The frame loop every drawer shares: a frame per iteration, then whatever waits for it to be drawn.
// Besides the frame rate, the processor time a frame takes over all the process's threads ("cpu_ms"):
// on a shared machine the frame rate of many threads says more about the others' load than about the
// drawer, and cpu_ms at 8 threads against 1 shows what sharing the work costs.
template <typename Scene, typename AfterFrame>
void DrawFrames(benchmark::State& state, Scene& scene, AfterFrame afterFrame)
{
    const double cpuBefore = ProcessCpuSeconds();
    for (auto _ : state)
    {
        scene.DrawFrame();
        afterFrame();
    }
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    state.counters["cpu_ms"] =
        state.iterations() > 0 ? cpu * 1000.0 / static_cast<double>(state.iterations()) : 0.0;
    CountFramesPerSecond(state);
}

template <typename Scene>
void DrawFrames(benchmark::State& state, Scene& scene)
{
    DrawFrames(state, scene, [] {});
}

} // namespace BenchDrawing
