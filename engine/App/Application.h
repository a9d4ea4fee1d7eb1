#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Korrin
{

class CursorManager;
class FileSysManager;
class FontManager;
class GuiManager;
class InputManager;
class LocaleManager;
class LogManager;
class ParticleManager;
class SkeletonManager;
class RenderSystem;
class SpriteManager;
class SoundManager;
class TimerManager;

// The engine's application: the window, the engine's managers and the main loop. The game derives
// from it and fills the hooks; Run is its whole life.
class Application
{
public:
    static constexpr std::uint32_t kVirtualWidth = 1024;
    static constexpr std::uint32_t kVirtualHeight = 768;

    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The hooks, in the order the engine knows them.
    virtual void PreInit();
    virtual bool Init();
    virtual void Shutdown();
    virtual void Render();
    virtual bool Update();
    virtual std::intptr_t WndProc(Platform::WindowHandle window, std::uint32_t message, std::uintptr_t first,
                                  std::intptr_t second);
    // A frame of the main loop has been presented.
    virtual void FrameShown() {}

    // Creates the managers and the window, runs the hooks and the loop; 0 when the loop ends, -1 when no
    // window could be made.
    int Run(const std::string& caption, bool windowed);
    // Switches between window and full screen.
    void ResetDevice(bool windowed);
    // Presents the back buffer (a lost device is flagged for the next frame to reset); frames drawn
    // from inside a long load present through it too.
    void PresentBackBuffer();

    // The file that the log stream "log.log" writes to, opened as soon as the log manager exists so
    // that the start-up lines are kept; empty (the default) keeps no log.
    void SetLogFile(const std::string& path) { mLogFile = path; }

    // The application that is running (set by the constructor); null before and after.
    static Application* GetCurrent();

    Platform::WindowHandle GetWindow() const { return mWindow; }
    const std::string& GetCaption() const { return mCaption; }
    std::uint32_t GetWidth() const { return mWidth; }
    std::uint32_t GetHeight() const { return mHeight; }
    bool IsWindowed() const { return mWindowed; }
    bool IsActive() const { return mActive; }
    bool IsFrameDrawn() const { return mFrameDrawn; }
    int GetFps() const { return mFramesPerSecond; }
    const std::string& GetRateText() const { return mRateText; }

protected:
    bool CreateAppWindow();
    void ApplyDisplayMode();
    bool Frame();
    void UpdateFps(float elapsed);

private:
    int RunLoop();
    void DispatchWaitingMessages();
    bool FrameManagersExist();
    void OnApplicationActivation(std::uintptr_t activated);
    void OnSetCursor(std::intptr_t hitArea);
    void DeleteManagers();

    std::string mCaption = "Window";
    std::string mLogFile;
    std::uint32_t mWidth = 0;
    std::uint32_t mHeight = 0;
    std::uint32_t mWindowStyle = Platform::WindowStyle::Overlapped;
    Platform::WindowHandle mWindow = 0;

    std::unique_ptr<TimerManager> mTimerManager;
    std::unique_ptr<LogManager> mLogManager;
    std::unique_ptr<FileSysManager> mFileSysManager;
    std::unique_ptr<InputManager> mInputManager;
    std::unique_ptr<SpriteManager> mSpriteManager;
    std::unique_ptr<RenderSystem> mRenderSystem;
    std::unique_ptr<LocaleManager> mLocaleManager;
    std::unique_ptr<ParticleManager> mParticleManager;
    std::unique_ptr<CursorManager> mCursorManager;
    std::unique_ptr<SkeletonManager> mSkeletonManager;
    std::unique_ptr<SoundManager> mSoundManager;
    std::unique_ptr<GuiManager> mGuiManager;
    std::unique_ptr<FontManager> mFontManager;

    bool mWindowed = true;
    bool mActive = false;
    bool mFrameDrawn = false;
    int mFramesPerSecond = 0;
    std::string mRateText;
    int mFramesCounted = 0;
    float mLastRateTime = 0.0f;
};

} // namespace Korrin
