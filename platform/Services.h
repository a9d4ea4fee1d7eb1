#pragma once

#include "platform/Clock.h"
#include "platform/GraphicsDevice.h"
#include "platform/RendererChoice.h"
#include "platform/WindowSystem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Platform
{

class ScriptedInput;

// The platform services chosen at start-up (real or headless), reachable by the engine while they
// exist. The engine tells them where frames begin and end: the fixed-step clock, the frame limit and
// the requests that arrive from outside (a signal to close, a second start) hang on that.
class Services
{
public:
    Services(std::unique_ptr<WindowSystem> window, std::unique_ptr<Clock> clock);
    ~Services();
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    // The installed services; ends the process with a message when there are none (a programming error).
    static Services& Current();
    static bool Exists();

    WindowSystem& Window() { return *mWindow; }
    Clock& GetClock() { return *mClock; }

    // After this many completed frames the window is asked to close (0: no limit).
    void SetFrameLimit(std::uint64_t frames) { mFrameLimit = frames; }
    // Events played into the window at the start of their frames.
    void SetScriptedInput(std::unique_ptr<ScriptedInput> script);
    void FrameStarted();
    void FrameEnded();
    std::uint64_t FramesCompleted() const { return mFramesCompleted; }

    // The graphics device for a back buffer of the given size, showing its frames in the window: the
    // chosen one, or the software device when OpenGL cannot be had (said on stderr when it was asked
    // for) and always without a window.
    std::unique_ptr<GraphicsDevice> CreateGraphicsDevice(const PresentParameters& parameters);
    void SetRenderer(RendererChoice choice) { mRenderer = choice; }
    // Which device CreateGraphicsDevice made last, and why, for the log.
    const std::string& GraphicsDeviceChoice() const { return mGraphicsDeviceChoice; }
    // How many threads share the drawing (0: one per processor this process may use, at most 8, and at
    // most WF_RENDER_THREADS when that holds 1 to 8). The pictures are the same.
    void SetRenderThreads(int threads) { mRenderThreads = threads; }
    static int DefaultRenderThreads();
    // Writes the back buffer as a PNG once the given frame (counted from 1) has been presented; each
    // screenshot asked for is written, several of one frame too.
    void AddScreenshot(std::uint64_t frame, const std::string& path);
    // After the run: says on stderr which screenshots were never shown, and whether every one was
    // written (a write that failed was said when it failed).
    bool CheckScreenshotsWritten() const;
    // The engine calls this after each presentation.
    void FramePresented(GraphicsDevice& device);

    // SIGINT and SIGTERM become a request to close the window, so the game saves on its way out.
    static void CatchTerminationSignals();

private:
    std::unique_ptr<WindowSystem> mWindow;
    std::unique_ptr<Clock> mClock;
    std::unique_ptr<ScriptedInput> mScriptedInput;
    std::uint64_t mFrameLimit = 0;
    std::uint64_t mFramesStarted = 0;
    std::uint64_t mFramesCompleted = 0;
    int mRenderThreads = 0;
    RendererChoice mRenderer = RendererChoice::Automatic;
    std::string mGraphicsDeviceChoice;
    struct Screenshot
    {
        std::uint64_t frame = 0;
        std::string path;
        enum class State
        {
            Waiting,
            Written,
            Failed,
        } state = State::Waiting;
    };
    std::vector<Screenshot> mScreenshots;
};

} // namespace Platform
