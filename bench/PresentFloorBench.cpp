// The least a frame can cost in a window: one picture the size of the window, drawn 1:1 and shown, with
// nothing else in it. Whatever a screen draws, every frame that changes costs at least this; the idle
// main menu changes every frame. Printed as the processor time of all the program's threads per frame
// and as the share of one core that 60 such frames a second would take, for
//   our OpenGL device (waiting for the driver each frame, as a shown frame must be drawn),
//   our software device drawing the picture anew each frame, and showing a frame that did not change.
// OpenGL needs a display: a real one, or SDL_VIDEODRIVER=offscreen with Mesa's software renderer.
//
//   SDL_VIDEODRIVER=offscreen wf_present_floor_bench

#include "bench/BenchArt.h"
#include "bench/BenchDrawing.h"
#include "platform/GlDevice.h"
#include "platform/SdlWindowSystem.h"
#include "platform/SoftwareDevice.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <string>

namespace
{

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One frame: the picture over the whole window, texel for pixel.
class OnePicture
{
public:
    explicit OnePicture(Platform::GraphicsDevice& device)
        : mDevice(device), mBatch(device),
          mPicture(BenchDrawing::Upload(device, kWidth, kHeight, BenchArt::Gradient(kWidth, kHeight)))
    {
        mDevice.SetProjection(Platform::Matrix4::OrthoOffCenterLH(0.0f, kWidth, kHeight, 0.0f, 0.0f, 1.0f));
    }

    void DrawFrame()
    {
        mDevice.BeginScene();
        mDevice.Clear(0);
        mDevice.SetFilter(Platform::TextureFilter::Point);
        const Platform::Vertex corners[4] = {{-0.5f, -0.5f, 0.5f, 0xFFFFFFFFu, 0, 0},
                                             {kWidth - 0.5f, -0.5f, 0.5f, 0xFFFFFFFFu, 1, 0},
                                             {kWidth - 0.5f, kHeight - 0.5f, 0.5f, 0xFFFFFFFFu, 1, 1},
                                             {-0.5f, kHeight - 0.5f, 0.5f, 0xFFFFFFFFu, 0, 1}};
        mBatch.Add(mPicture.get(), corners);
        mBatch.Flush();
        mDevice.EndScene();
        mDevice.Present();
    }

private:
    Platform::GraphicsDevice& mDevice;
    BenchDrawing::QuadBatch mBatch;
    std::unique_ptr<Platform::DeviceTexture> mPicture;
};

template <typename AfterFrame>
void MeasureFrames(benchmark::State& state, OnePicture& picture, AfterFrame afterFrame)
{
    const double start = ProcessSeconds();
    for (auto _ : state)
    {
        picture.DrawFrame();
        afterFrame();
    }
    const double perFrame = (ProcessSeconds() - start) / static_cast<double>(state.iterations());
    state.counters["cpu_ms_per_frame"] = perFrame * 1000.0;
    state.counters["core_pct_at_60Hz"] = perFrame * 60.0 * 100.0;
}

void OpenGlDevice(benchmark::State& state)
{
    BenchDrawing::GlWindow window(kWidth, kHeight);
    std::unique_ptr<Platform::GlDevice> device =
        window.context ? Platform::GlDevice::Create(window.context, window.windows.get(),
                                                    {kWidth, kHeight, true}, window.error)
                       : nullptr;
    if (!device)
    {
        state.SkipWithError(("no OpenGL 2.1 device: " + window.error).c_str());
        return;
    }
    {
        OnePicture picture(*device);
        MeasureFrames(state, picture, [&] { device->Finish(); });
    }
}

// state.range(0): 1 draws every frame whole, 0 draws only what changed (here, nothing).
void SoftwareDevice(benchmark::State& state)
{
    std::unique_ptr<Platform::SdlWindowSystem> windows;
    try
    {
        windows = std::make_unique<Platform::SdlWindowSystem>();
    }
    catch (const Platform::SdlWindowSystem::NoDisplay& noDisplay)
    {
        state.SkipWithError((std::string("no display: ") + noDisplay.what()).c_str());
        return;
    }
    windows->CreateAppWindow(
        "present floor", 0, {0, 0, kWidth, kHeight},
        [&](Platform::WindowHandle window, std::uint32_t code, std::uintptr_t first, std::intptr_t second)
        { return windows->DefaultProcedure(window, code, first, second); });
    Platform::SoftwareDevice device(windows.get(), 8, {kWidth, kHeight, true});
    device.SetDrawsChangesOnly(state.range(0) == 0);
    OnePicture picture(device);
    MeasureFrames(state, picture, [] {});
}

} // namespace

BENCHMARK(OpenGlDevice)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(SoftwareDevice)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("whole")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

BENCHMARK_MAIN();
