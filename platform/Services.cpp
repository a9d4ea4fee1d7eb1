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
#include <sched.h>
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

namespace
{

// The processors this process may run on: a container or a `taskset` gives fewer than the machine has.
unsigned UsableProcessors()
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof(allowed), &allowed) == 0)
    {
        const int count = CPU_COUNT(&allowed);
        if (count > 0)
        {
            return static_cast<unsigned>(count);
        }
    }
    return std::thread::hardware_concurrency();
}

// WF_RENDER_THREADS=N (1 to 8) caps the drawing threads, so that a test runner starting many games at
// once does not give each one every processor. Anything else there is ignored.
unsigned RenderThreadsAskedByEnvironment()
{
    const char* text = std::getenv("WF_RENDER_THREADS");
    if (text == nullptr || text[0] < '1' || text[0] > '8' || text[1] != '\0')
    {
        return 0;
    }
    return static_cast<unsigned>(text[0] - '0');
}

} // namespace

int Services::DefaultRenderThreads()
{
    constexpr unsigned kMostThreads = 8;
    const unsigned processors = UsableProcessors();
    unsigned threads = processors == 0 ? 1 : (processors > kMostThreads ? kMostThreads : processors);
    const unsigned asked = RenderThreadsAskedByEnvironment();
    if (asked != 0 && asked < threads)
    {
        threads = asked;
    }
    return static_cast<int>(threads);
}

std::unique_ptr<GraphicsDevice> Services::CreateGraphicsDevice(const PresentParameters& parameters)
{
    auto* window = dynamic_cast<SdlWindowSystem*>(mWindow.get());
    const int threads = mRenderThreads > 0 ? mRenderThreads : DefaultRenderThreads();
    const std::string software = "the software device (" + std::to_string(threads) + " threads)";
    if (window == nullptr)
    {
        mGraphicsDeviceChoice = software + ": no window";
        return std::make_unique<SoftwareDevice>(mWindow.get(), threads, parameters);
    }
    if (mRenderer == RendererChoice::Software)
    {
        mGraphicsDeviceChoice = software + ": asked for";
        return std::make_unique<SoftwareDevice>(mWindow.get(), threads, parameters);
    }
    std::string error;
    if (std::shared_ptr<GlContext> context = window->OpenGlContext(error))
    {
        const std::string renderer = context->Renderer();
        // OpenGL drawn on the processor costs several times what our own rasterizer does.
        if (mRenderer == RendererChoice::Automatic && GlContext::NamesProcessorRasterizer(renderer))
        {
            window->CloseOpenGlContext();
            mGraphicsDeviceChoice =
                software + ": OpenGL would draw on the processor (" + renderer + "); --renderer gl forces it";
            return std::make_unique<SoftwareDevice>(mWindow.get(), threads, parameters);
        }
        if (std::unique_ptr<GraphicsDevice> device = GlDevice::Create(context, window, parameters, error))
        {
            mGraphicsDeviceChoice =
                "OpenGL (" + renderer +
                "): " + (mRenderer == RendererChoice::OpenGl ? "asked for" : "a graphics card draws");
            return device;
        }
        window->CloseOpenGlContext();
    }
    if (mRenderer == RendererChoice::OpenGl)
    {
        std::fprintf(stderr, "wrenfold: OpenGL 2.1 cannot be had (%s); drawing with the software device\n",
                     error.c_str());
    }
    mGraphicsDeviceChoice = software + ": OpenGL 2.1 cannot be had (" + error + ")";
    return std::make_unique<SoftwareDevice>(mWindow.get(), threads, parameters);
}

void Services::AddScreenshot(std::uint64_t frame, const std::string& path)
{
    mScreenshots.push_back({frame, path, Screenshot::State::Waiting});
}

void Services::FramePresented(GraphicsDevice& device)
{
    const std::uint64_t frame = mFramesCompleted + 1;
    Image image;
    bool read = false;
    for (Screenshot& shot : mScreenshots)
    {
        if (shot.frame != frame)
        {
            continue;
        }
        if (!read)
        {
            device.ReadBackBuffer(image);
            read = true;
        }
        if (PngCodec::Write(image, shot.path))
        {
            shot.state = Screenshot::State::Written;
            continue;
        }
        shot.state = Screenshot::State::Failed;
        std::fprintf(stderr, "wrenfold: cannot write the screenshot '%s'\n", shot.path.c_str());
    }
}

bool Services::CheckScreenshotsWritten() const
{
    bool allWritten = true;
    for (const Screenshot& shot : mScreenshots)
    {
        if (shot.state == Screenshot::State::Waiting)
        {
            std::fprintf(stderr,
                         "wrenfold: the screenshot '%s' was not written: the run ended after frame %llu, "
                         "before frame %llu\n",
                         shot.path.c_str(), static_cast<unsigned long long>(mFramesCompleted),
                         static_cast<unsigned long long>(shot.frame));
        }
        allWritten = allWritten && shot.state == Screenshot::State::Written;
    }
    return allWritten;
}

void Services::CatchTerminationSignals()
{
    std::signal(SIGINT, OnTerminationSignal);
    std::signal(SIGTERM, OnTerminationSignal);
}

} // namespace Platform
