#include "engine/App/Application.h"

#include "engine/App/InputManager.h"
#include "engine/App/TimerManager.h"
#include "engine/App/WindowPlacement.h"
#include "engine/File/FileSysManager.h"
#include "engine/Gui/CursorManager.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Particle/ParticleManager.h"
#include "engine/Render/RenderSystem.h"
#include "engine/Render/SkeletonManager.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Sound/SoundManager.h"
#include "platform/Services.h"
#include "platform/ThreadControl.h"

namespace Korrin
{

namespace
{

Application* gApplication = nullptr;
constexpr const char* kSource = "Source\\App\\Application";
constexpr std::uint32_t kDisplaySwitchPauseMs = 100;

Platform::WindowSystem& Windows()
{
    return Platform::Services::Current().Window();
}

} // namespace

Application::Application()
{
    gApplication = this;
}

Application::~Application()
{
    DeleteManagers();
    if (gApplication == this)
    {
        gApplication = nullptr;
    }
}

Application* Application::GetCurrent()
{
    return gApplication;
}

void Application::DeleteManagers()
{
    mInputManager.reset();
    mFileSysManager.reset();
    mSkeletonManager.reset();
    mGuiManager.reset();
    mFontManager.reset();
    mParticleManager.reset();
    mSpriteManager.reset();
    mCursorManager.reset();
    mRenderSystem.reset();
    mSoundManager.reset();
    if (mTimerManager)
    {
        Platform::ThreadControl::SetCurrentThreadAffinity(mTimerManager->GetPreviousAffinity());
        mTimerManager.reset();
    }
    mLogManager.reset();
    mLocaleManager.reset();
}

void Application::PreInit() {}

bool Application::Init()
{
    return true;
}

void Application::Shutdown() {}

void Application::Render() {}

bool Application::Update()
{
    return true;
}

int Application::Run(const std::string& caption, bool windowed)
{
    mLogManager = std::make_unique<LogManager>();
    if (!mLogFile.empty())
    {
        mLogManager->Open(LogManager::kDefaultLog, mLogFile);
    }
    mFileSysManager = std::make_unique<FileSysManager>();
    mTimerManager = std::make_unique<TimerManager>();

    // Pinning the main thread to one processor keeps a per-processor performance counter steady. The
    // counter here is the monotonic clock, one for all processors, and a thread inherits its creator's
    // mask: a pin would crowd the sound thread and the graphics driver's threads onto that processor.
    // So the mask asked for is none, which leaves the thread as it is and leaves nothing to restore.
    mTimerManager->SetPreviousAffinity(
        Platform::ThreadControl::SetCurrentThreadAffinity(Platform::ThreadControl::kLeaveAffinity));
    mTimerManager->ClearTimes();

    mCaption = caption;
    mWindowed = windowed;
    mWidth = kVirtualWidth;
    mHeight = kVirtualHeight;

    if (!CreateAppWindow())
    {
        return -1;
    }
    PreInit();
    // The managers made once the game has mounted its data folders, in their order.
    mInputManager = std::make_unique<InputManager>(mWindow);
    mSpriteManager = std::make_unique<SpriteManager>();
    mSoundManager = std::make_unique<SoundManager>(mWindow);
    mGuiManager = std::make_unique<GuiManager>();
    mFontManager = std::make_unique<FontManager>();
    mLocaleManager = std::make_unique<LocaleManager>();
    mParticleManager = std::make_unique<ParticleManager>();
    mCursorManager = std::make_unique<CursorManager>();
    CursorManager::MarkCreated();
    mSkeletonManager = std::make_unique<SkeletonManager>();
    if (!Init())
    {
        return 0;
    }
    mTimerManager->Reset();
    return RunLoop();
}

int Application::RunLoop()
{
    Platform::Message message;
    for (;;)
    {
        if (Windows().PeekMessage(message))
        {
            if (message.code == Platform::MessageCode::Quit)
            {
                mFrameDrawn = false;
                return 0;
            }
            Windows().DispatchMessage(message);
        }
        else if (!Frame())
        {
            // A window destroyed during the frame gets its destroy message now, after the frame has
            // unwound, so the shutdown hook runs once and deletes nothing that was still in use.
            DispatchWaitingMessages();
            return 0;
        }
    }
}

void Application::DispatchWaitingMessages()
{
    Platform::Message message;
    while (Windows().PeekMessage(message) && message.code != Platform::MessageCode::Quit)
    {
        Windows().DispatchMessage(message);
    }
}

bool Application::CreateAppWindow()
{
    const Platform::DisplayMetrics metrics = Windows().Metrics();
    const Platform::WindowRect client = Platform::WindowSystem::OuterRectForClient(
        metrics, static_cast<int>(mWidth), static_cast<int>(mHeight), mWindowStyle);
    const Platform::WindowRect outer{(metrics.screenWidth - client.width) / 2,
                                     (metrics.screenHeight - client.height) / 2, client.width, client.height};
    mWindow =
        Windows().CreateAppWindow(mCaption, mWindowStyle, outer,
                                  [](Platform::WindowHandle window, std::uint32_t message,
                                     std::uintptr_t first, std::intptr_t second) -> std::intptr_t
                                  {
                                      Application* application = Application::GetCurrent();
                                      return application != nullptr
                                                 ? application->WndProc(window, message, first, second)
                                                 : Windows().DefaultProcedure(window, message, first, second);
                                  });
    if (mWindow == 0)
    {
        return false;
    }
    ApplyDisplayMode();
    mRenderSystem = std::make_unique<RenderSystem>(mWindow, mWidth, mHeight, mWindowed);
    Windows().ShowWindow(mWindow, Platform::ShowCommand::Normal);
    return true;
}

void Application::ApplyDisplayMode()
{
    const Platform::DisplayMetrics metrics = Windows().Metrics();
    const WindowPlacement placement = mWindowed
                                          ? WindowPlacement::Windowed(mWidth, mHeight, mWindowStyle, metrics)
                                          : WindowPlacement::FullScreen(metrics);
    Windows().SetWindowStyle(mWindow, placement.style);
    Windows().PlaceWindow(mWindow, placement.outer, placement.topmost);
}

bool Application::FrameManagersExist()
{
    if (!mInputManager)
    {
        ReportAndBreak("mInputManager==NULL", kEngineModule, kSource, 433);
        return false;
    }
    if (!mGuiManager)
    {
        ReportAndBreak("mGuiManager==NULL", kEngineModule, kSource, 434);
        return false;
    }
    if (!mTimerManager)
    {
        ReportAndBreak("mGuiManager==NULL", kEngineModule, kSource, 435);
        return false;
    }
    return true;
}

bool Application::Frame()
{
    if (!FrameManagersExist())
    {
        return false;
    }
    Platform::Services::Current().FrameStarted();
    mTimerManager->Update();
    UpdateFps(mTimerManager->GetElapsed());
    if (mActive)
    {
        mInputManager->Update();
    }
    else
    {
        mInputManager->Clear();
    }

    // The widgets' input pass, the game, the widgets' update; the click message lives for this frame.
    mGuiManager->HandleInput();
    if (!Update())
    {
        return false;
    }
    mGuiManager->Update();
    mGuiManager->RemoveMessage();
    if (mRenderSystem)
    {
        mRenderSystem->BeginFrame();
    }
    Render();
    PresentBackBuffer();
    FrameShown();

    mFrameDrawn = true;
    Platform::Services::Current().FrameEnded();
    return true;
}

void Application::PresentBackBuffer()
{
    Platform::GraphicsDevice* device = mRenderSystem ? mRenderSystem->GetDevice() : nullptr;
    if (device == nullptr)
    {
        return;
    }
    if (device->Present() == Platform::DeviceResult::DeviceLost)
    {
        mRenderSystem->SetDeviceLost(true);
        return;
    }
    Platform::Services::Current().FramePresented(*device);
}

void Application::UpdateFps(float elapsed)
{
    ++mFramesCounted;
    const float interval = elapsed - mLastRateTime;
    if (interval > 1.0f)
    {
        mFramesPerSecond = static_cast<int>(static_cast<float>(mFramesCounted) / interval);
        mRateText = "Fps: " + std::to_string(mFramesPerSecond);
        mLastRateTime = elapsed;
        mFramesCounted = 0;
    }
}

std::intptr_t Application::WndProc(Platform::WindowHandle window, std::uint32_t message, std::uintptr_t first,
                                   std::intptr_t second)
{
    switch (message)
    {
    case Platform::MessageCode::Destroy:
        Shutdown();
        Windows().PostQuitMessage(0);
        break;
    case Platform::MessageCode::Activate:
        if (mActive)
        {
            ApplyDisplayMode();
        }
        break;
    case Platform::MessageCode::KillFocus:
        mActive = false;
        break;
    case Platform::MessageCode::Paint:
        if (mFrameDrawn && mActive && mWindowed)
        {
            Render();
        }
        break;
    case Platform::MessageCode::ActivateApp:
        OnApplicationActivation(first);
        break;
    case Platform::MessageCode::SetCursor:
        OnSetCursor(second);
        return 0;
    default:
        break;
    }
    return Windows().DefaultProcedure(window, message, first, second);
}

void Application::OnApplicationActivation(std::uintptr_t activated)
{
    if (activated == 0 && mActive)
    {
        mActive = false;
        if (mSoundManager)
        {
            mSoundManager->MuteAll();
        }
        if (!mWindowed)
        {
            Windows().SendMessage(mWindow, Platform::MessageCode::SysCommand,
                                  Platform::SysCommandCode::Minimize, 0);
        }
    }
    else if (activated == 1 && !mActive)
    {
        mActive = true;
        if (mSoundManager)
        {
            mSoundManager->RestoreAll();
        }
    }
}

void Application::OnSetCursor(std::intptr_t hitArea)
{
    const bool overClient = (hitArea & 0xFFFF) == Platform::HitClient;
    const bool hideArrow = mActive && overClient && mCursorManager && !mCursorManager->WantsSystemArrow();
    if (mCursorManager)
    {
        mCursorManager->SetSystemCursorHidden(hideArrow);
    }
    Windows().SetArrowCursorVisible(!hideArrow);
}

void Application::ResetDevice(bool windowed)
{
    if (!mRenderSystem)
    {
        ReportAndBreak("mRenderSystem==NULL (Application::ResetDevice)", kEngineModule, kSource, 227);
        return;
    }
    if (windowed == mWindowed)
    {
        return;
    }
    mWindowed = windowed;
    ApplyDisplayMode();
    mRenderSystem->Reset(mWindowed);
    Platform::ThreadControl::SleepMilliseconds(kDisplaySwitchPauseMs);
}

} // namespace Korrin
