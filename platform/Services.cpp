#include "platform/Services.h"

#include "platform/GlContext.h"
#include "platform/GlDevice.h"
#include "platform/PngCodec.h"
#include "platform/ScriptedInput.h"
#include "platform/SdlWindowSystem.h"
#include "platform/SingleInstance.h"
#include "platform/SoftwareDevice.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace Platform
{

namespace
{

Services* gCurrent = nullptr;
std::atomic<bool> gTerminationRequested{false};

void OnTerminationSignal(int /*signal*/)
{
    gTerminationRequested.store(true);
}

} // namespace

Services::Services(std::unique_ptr<WindowSystem> window, std::unique_ptr<Clock> clock)
    : mWindow(std::move(window)), mClock(std::move(clock))
{
    gCurrent = this;
}

Services::~Services()
{
    if (gCurrent == this)
    {
        gCurrent = nullptr;
    }
}

Services& Services::Current()
{
    if (gCurrent == nullptr)
    {
        std::fputs("Platform services used before they were installed\n", stderr);
        std::abort();
    }
    return *gCurrent;
}

bool Services::Exists()
{
    return gCurrent != nullptr;
}

void Services::SetScriptedInput(std::unique_ptr<ScriptedInput> script)
{
    mScriptedInput = std::move(script);
}

void Services::FrameStarted()
{
    mClock->AdvanceFrame();
    ++mFramesStarted;
    if (mScriptedInput)
    {
        mScriptedInput->Play(mFramesStarted, *mWindow);
    }
    if (gTerminationRequested.exchange(false))
    {
        mWindow->RequestClose();
    }
    if (SingleInstance::TakeRaiseRequest())
    {
        mWindow->RequestRaise();
    }
}

void Services::FrameEnded()
{
    ++mFramesCompleted;
    if (mFrameLimit != 0 && mFramesCompleted == mFrameLimit)
    {
        mWindow->RequestClose();
    }
}

int Services::DefaultRenderThreads()
{
    const unsigned processors = std::thread::hardware_concurrency();
    constexpr unsigned kMostThreads = 8;
    return static_cast<int>(processors == 0 ? 1 : (processors > kMostThreads ? kMostThreads : processors));
}

std::unique_ptr<GraphicsDevice> Services::CreateGraphicsDevice(const PresentParameters& parameters)
{
    auto* window = dynamic_cast<SdlWindowSystem*>(mWindow.get());
    if (window != nullptr && mRenderer != RendererChoice::Software)
    {
        std::string error;
        if (std::shared_ptr<GlContext> context = window->OpenGlContext(error))
        {
            if (std::unique_ptr<GraphicsDevice> device = GlDevice::Create(context, window, parameters, error))
            {
                return device;
            }
            window->CloseOpenGlContext();
        }
        if (mRenderer == RendererChoice::OpenGl)
        {
            std::fprintf(stderr,
                         "wrenfold: OpenGL 2.1 cannot be had (%s); drawing with the software device\n",
                         error.c_str());
        }
    }
    const int threads = mRenderThreads > 0 ? mRenderThreads : DefaultRenderThreads();
    return std::make_unique<SoftwareDevice>(mWindow.get(), threads, parameters);
}

void Services::AddScreenshot(std::uint64_t frame, const std::string& path)
{
    if (frame != 0)
    {
        mScreenshots.emplace(frame, path);
    }
}

void Services::FramePresented(GraphicsDevice& device)
{
    const auto [first, end] = mScreenshots.equal_range(mFramesCompleted + 1);
    if (first == end)
    {
        return;
    }
    Image image;
    device.ReadBackBuffer(image);
    for (auto shot = first; shot != end; ++shot)
    {
        if (!PngCodec::Write(image, shot->second))
        {
            std::fprintf(stderr, "wrenfold: cannot write the screenshot '%s'\n", shot->second.c_str());
        }
    }
}

void Services::CatchTerminationSignals()
{
    std::signal(SIGINT, OnTerminationSignal);
    std::signal(SIGTERM, OnTerminationSignal);
}

} // namespace Platform
