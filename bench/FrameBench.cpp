// The frame benchmark: a busy scene (a full-screen background, 300 alpha-blended sprites from 32 to 256
// pixels, 500 additive 16-pixel particles, then the scaled copy of the 1024 x 768 frame into a 1920 x 1080
// window) drawn by our software device on one thread and on its worker threads, by our OpenGL device
// (when a context can be had: a real display, or SDL_VIDEODRIVER=offscreen with Mesa's software
// renderer), and by SDL2's own software renderer, in the same run. It prints frames per second and the
// ratios at the end.
//
//   wf_frame_bench [--benchmark_min_time=2]

#include "bench/BenchArt.h"
#include "bench/BenchDrawing.h"
#include "platform/GlContext.h"
#include "platform/GlDevice.h"
#include "platform/SdlWindowSystem.h"
#include "platform/SoftwareDevice.h"

#include <SDL.h>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace
{

constexpr int kFrameWidth = 1024;
constexpr int kFrameHeight = 768;
constexpr int kWindowWidth = 1920;
constexpr int kWindowHeight = 1080;
constexpr int kSpriteCount = 300;
constexpr int kParticleCount = 500;
constexpr int kParticleSize = 16;
constexpr int kSpriteSizes[4] = {32, 64, 128, 256};

struct Placement
{
    int texture = 0; // index into kSpriteSizes
    int x = 0;
    int y = 0;
};

// The same scene for both renderers, from the engine's random rule.
struct SceneLayout
{
    std::vector<Placement> sprites;
    std::vector<Placement> particles;

    SceneLayout()
    {
        BenchArt::Random random;
        auto next = [&random](int range) { return random.Next(range); };
        for (int i = 0; i < kSpriteCount; ++i)
        {
            const int texture = next(4);
            const int size = kSpriteSizes[texture];
            sprites.push_back(
                {texture, next(kFrameWidth - size / 2) - size / 4, next(kFrameHeight - size / 2) - size / 4});
        }
        for (int i = 0; i < kParticleCount; ++i)
        {
            particles.push_back({0, next(kFrameWidth), next(kFrameHeight)});
        }
    }
};

const SceneLayout& Layout()
{
    static const SceneLayout layout;
    return layout;
}

std::uint32_t SpriteColour(int texture)
{
    const std::uint32_t colours[4] = {0xE04040u, 0x40E040u, 0x4040E0u, 0xE0E040u};
    return colours[texture];
}

// Our device, driven as the render system drives it.
class DeviceScene
{
public:
    explicit DeviceScene(Platform::GraphicsDevice& device) : mDevice(device), mBatch(device)
    {
        mDevice.SetAlphaTest(true, 1);
        mFrame = mDevice.CreateTexture(kFrameWidth, kFrameHeight, Platform::TextureUsage::RenderTarget);
        mBackground = BenchDrawing::Upload(mDevice, kFrameWidth, kFrameHeight,
                                           BenchArt::Gradient(kFrameWidth, kFrameHeight));
        for (int i = 0; i < 4; ++i)
        {
            mSprites.push_back(BenchDrawing::Upload(mDevice, kSpriteSizes[i], kSpriteSizes[i],
                                                    BenchArt::Blob(kSpriteSizes[i], SpriteColour(i))));
        }
        mParticle = BenchDrawing::Upload(mDevice, kParticleSize, kParticleSize,
                                         BenchArt::Blob(kParticleSize, 0xFFC080u));
        const float width = kFrameWidth;
        const float height = kFrameHeight;
        mDevice.SetProjection(Platform::Matrix4::Scaling(1.0f, -1.0f, 1.0f) *
                              Platform::Matrix4::Translation(-0.5f, height + 0.5f, 0.0f) *
                              Platform::Matrix4::OrthoOffCenterLH(0.0f, width, 0.0f, height, 0.0f, 1.0f));
    }

    void DrawFrame()
    {
        mDevice.SetRenderTarget(mFrame.get());
        mDevice.BeginScene();
        mDevice.Clear(0);
        mDevice.SetDestinationBlend(Platform::BlendFactor::InverseSourceAlpha);
        Quad(mBackground.get(), 0, 0, kFrameWidth, kFrameHeight);
        for (const Placement& sprite : Layout().sprites)
        {
            const int size = kSpriteSizes[sprite.texture];
            Quad(mSprites[static_cast<std::size_t>(sprite.texture)].get(), sprite.x, sprite.y, size, size);
        }
        mBatch.Flush();
        mDevice.SetDestinationBlend(Platform::BlendFactor::One);
        for (const Placement& particle : Layout().particles)
        {
            Quad(mParticle.get(), particle.x, particle.y, kParticleSize, kParticleSize);
        }
        mBatch.Flush();
        mDevice.EndScene();
        // The scaled copy: the 4:3 frame between the bars of a wide window.
        mDevice.SetRenderTarget(nullptr);
        mDevice.BeginScene();
        mDevice.Clear(0);
        mDevice.SetDestinationBlend(Platform::BlendFactor::InverseSourceAlpha);
        Quad(mFrame.get(), 128, 0, kFrameWidth - 256, kFrameHeight);
        mBatch.Flush();
        mDevice.EndScene();
        mDevice.Present();
    }

private:
    void Quad(const Platform::DeviceTexture* texture, int x, int y, int w, int h)
    {
        const float left = static_cast<float>(x);
        const float top = static_cast<float>(y);
        const float right = static_cast<float>(x + w);
        const float bottom = static_cast<float>(y + h);
        const Platform::Vertex corners[4] = {{left, bottom, 0.5f, 0xFFFFFFFFu, 0.0f, 1.0f},
                                             {right, bottom, 0.5f, 0xFFFFFFFFu, 1.0f, 1.0f},
                                             {right, top, 0.5f, 0xFFFFFFFFu, 1.0f, 0.0f},
                                             {left, top, 0.5f, 0xFFFFFFFFu, 0.0f, 0.0f}};
        mBatch.Add(texture, corners);
    }

    Platform::GraphicsDevice& mDevice;
    BenchDrawing::QuadBatch mBatch;
    std::unique_ptr<Platform::DeviceTexture> mFrame;
    std::unique_ptr<Platform::DeviceTexture> mBackground;
    std::vector<std::unique_ptr<Platform::DeviceTexture>> mSprites;
    std::unique_ptr<Platform::DeviceTexture> mParticle;
};

// The same scene through SDL2's software renderer, drawing into a window-sized surface in memory.
class SdlScene
{
public:
    SdlScene() : mCanvas(kWindowWidth, kWindowHeight, kFrameWidth, kFrameHeight)
    {
        if (!mCanvas.Ready())
        {
            return;
        }
        mBackground = Upload(kFrameWidth, kFrameHeight, BenchArt::Gradient(kFrameWidth, kFrameHeight),
                             SDL_BLENDMODE_NONE);
        for (int i = 0; i < 4; ++i)
        {
            mSprites.push_back(Upload(kSpriteSizes[i], kSpriteSizes[i],
                                      BenchArt::Blob(kSpriteSizes[i], SpriteColour(i)), SDL_BLENDMODE_BLEND));
        }
        mParticle =
            Upload(kParticleSize, kParticleSize, BenchArt::Blob(kParticleSize, 0xFFC080u), SDL_BLENDMODE_ADD);
    }

    bool Ready() const { return mCanvas.Ready(); }

    void DrawFrame()
    {
        SDL_SetRenderTarget(mCanvas.Renderer(), mCanvas.Frame());
        SDL_SetRenderDrawColor(mCanvas.Renderer(), 0, 0, 0, 255);
        SDL_RenderClear(mCanvas.Renderer());
        SDL_RenderCopy(mCanvas.Renderer(), mBackground, nullptr, nullptr);
        for (const Placement& sprite : Layout().sprites)
        {
            const int size = kSpriteSizes[sprite.texture];
            const SDL_Rect place{sprite.x, sprite.y, size, size};
            SDL_RenderCopy(mCanvas.Renderer(), mSprites[static_cast<std::size_t>(sprite.texture)], nullptr,
                           &place);
        }
        for (const Placement& particle : Layout().particles)
        {
            const SDL_Rect place{particle.x, particle.y, kParticleSize, kParticleSize};
            SDL_RenderCopy(mCanvas.Renderer(), mParticle, nullptr, &place);
        }
        SDL_SetRenderTarget(mCanvas.Renderer(), nullptr);
        SDL_RenderClear(mCanvas.Renderer());
        const SDL_Rect window{240, 0, kWindowWidth - 480, kWindowHeight};
        SDL_RenderCopy(mCanvas.Renderer(), mCanvas.Frame(), nullptr, &window);
        SDL_RenderPresent(mCanvas.Renderer());
    }

private:
    SDL_Texture* Upload(int width, int height, const std::vector<std::uint32_t>& pixels, SDL_BlendMode mode)
    {
        return mCanvas.Upload(width, height, pixels, mode);
    }

    BenchDrawing::SdlCanvas mCanvas;
    SDL_Texture* mBackground = nullptr;
    std::vector<SDL_Texture*> mSprites;
    SDL_Texture* mParticle = nullptr;
};

int WorkerThreads()
{
    const unsigned processors = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(processors, 1u, 8u));
}

void OurDevice(benchmark::State& state)
{
    Platform::SoftwareDevice device(nullptr, static_cast<int>(state.range(0)),
                                    {kWindowWidth, kWindowHeight, true});
    // Every frame of the scene is the same: drawn whole, as a frame that changes everywhere would be.
    device.SetDrawsChangesOnly(false);
    DeviceScene scene(device);
    BenchDrawing::DrawFrames(state, scene);
}

void OurGlDevice(benchmark::State& state)
{
    BenchDrawing::GlWindow window(kWindowWidth, kWindowHeight);
    std::unique_ptr<Platform::GlDevice> device =
        window.context ? Platform::GlDevice::Create(window.context, window.windows.get(),
                                                    {kWindowWidth, kWindowHeight, true}, window.error)
                       : nullptr;
    if (!device)
    {
        state.SkipWithError(("no OpenGL 2.1 device: " + window.error).c_str());
        return;
    }
    static bool described = false;
    if (!std::exchange(described, true))
    {
        std::printf("OpenGL: %s\n", window.context->Describe().c_str());
    }
    {
        DeviceScene scene(*device);
        // A frame counts once the card has drawn it, not when it was handed over.
        BenchDrawing::DrawFrames(state, scene, [&] { device->Finish(); });
    }
}

void SdlSoftwareRenderer(benchmark::State& state)
{
    SdlScene scene;
    if (!scene.Ready())
    {
        state.SkipWithError(SDL_GetError());
        return;
    }
    BenchDrawing::DrawFrames(state, scene);
}

// Keeps each benchmark's frames per second to print the ratios after the table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            if (const auto fps = run.counters.find("fps"); fps != run.counters.end())
            {
                mFps[run.benchmark_name()] = fps->second.value;
            }
        }
    }

    // With repetitions only the medians are compared.
    void PrintRatios() const
    {
        const bool medians =
            std::any_of(mFps.begin(), mFps.end(), [](const auto& entry) { return IsMedian(entry.first); });
        auto compared = [medians](const std::string& name) { return !medians || IsMedian(name); };
        const auto sdl =
            std::find_if(mFps.begin(), mFps.end(),
                         [&](const auto& entry)
                         { return entry.first.find("Sdl") != std::string::npos && compared(entry.first); });
        if (sdl == mFps.end() || sdl->second <= 0.0)
        {
            return;
        }
        std::printf("\nFrames per second against SDL2's software renderer (%.1f fps):\n", sdl->second);
        for (const auto& [name, fps] : mFps)
        {
            if (compared(name))
            {
                std::printf("  %-40s %8.1f fps  %5.2f x\n", name.c_str(), fps, fps / sdl->second);
            }
        }
    }

private:
    static bool IsMedian(const std::string& name) { return name.ends_with("_median"); }

    std::map<std::string, double> mFps;
};

} // namespace

BENCHMARK(OurDevice)
    ->Arg(1)
    ->Arg(WorkerThreads())
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(OurGlDevice)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SdlSoftwareRenderer)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
