#include "platform/SdlWindowSystem.h"

#include "platform/GlContext.h"
#include "platform/SdlKeyMap.h"
#include "platform/Utf8.h"
#include "platform/VirtualKey.h"

#include <SDL.h>
#include <cstring>

namespace Platform
{

namespace
{

// The generic modifier codes follow either of their left and right keys.
std::uint8_t GenericModifier(std::uint8_t virtualKey)
{
    switch (virtualKey)
    {
    case VirtualKey::LeftShift:
    case VirtualKey::RightShift:
        return VirtualKey::Shift;
    case VirtualKey::LeftControl:
    case VirtualKey::RightControl:
        return VirtualKey::Control;
    case VirtualKey::LeftMenu:
    case VirtualKey::RightMenu:
        return VirtualKey::Menu;
    default:
        return 0;
    }
}

// The mouse device's button number of an SDL button; -1 for none.
int DeviceButton(std::uint8_t button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    case SDL_BUTTON_X1:
        return 3;
    default:
        return -1;
    }
}

} // namespace

SdlWindowSystem::SdlWindowSystem(bool forOpenGl) : mForOpenGl(forOpenGl)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        throw NoDisplay(SDL_GetError());
    }
}

SdlWindowSystem::~SdlWindowSystem()
{
    DestroyNative();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

DisplayMetrics SdlWindowSystem::Metrics() const
{
    DisplayMetrics metrics;
    const int display = mWindow != nullptr ? SDL_GetWindowDisplayIndex(mWindow) : 0;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) == 0)
    {
        metrics.screenWidth = mode.w;
        metrics.screenHeight = mode.h;
    }
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) == 0)
    {
        metrics.workArea = {usable.x, usable.y, usable.w, usable.h};
    }
    else
    {
        metrics.workArea = {0, 0, metrics.screenWidth, metrics.screenHeight};
    }
    // The window manager draws the decorations outside the client area SDL sizes, so the window's
    // own frame and caption count as nothing here.
    metrics.frameWidth = 0;
    metrics.captionHeight = 0;
    return metrics;
}

void SdlWindowSystem::SetArrowCursorVisible(bool visible)
{
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlWindowSystem::CreateNative(const std::string& caption, const WindowRect& outer)
{
    const int width = outer.width > 0 ? outer.width : 1;
    const int height = outer.height > 0 ? outer.height : 1;
    if (mForOpenGl)
    {
        // A 2.1 context with a plain colour buffer: the device draws into its own framebuffers.
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
        mWindow = SDL_CreateWindow(caption.c_str(), outer.x, outer.y, width, height,
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
    }
    // Without OpenGL the window is still made, for the software device.
    if (mWindow == nullptr)
    {
        mWindow = SDL_CreateWindow(caption.c_str(), outer.x, outer.y, width, height, SDL_WINDOW_HIDDEN);
    }
    if (mWindow == nullptr)
    {
        throw NoDisplay(SDL_GetError());
    }
}

void SdlWindowSystem::CloseOpenGlContext()
{
    if (mGlContext)
    {
        mGlContext->Release();
        mGlContext.reset();
    }
}

void SdlWindowSystem::DestroyNative()
{
    CloseOpenGlContext();
    ForgetFrameSurface();
    if (mWindow != nullptr)
    {
        SDL_DestroyWindow(mWindow);
        mWindow = nullptr;
    }
}

void SdlWindowSystem::ShowNative(ShowCommand command)
{
    if (mWindow == nullptr)
    {
        return;
    }
    switch (command)
    {
    case ShowCommand::Normal:
        SDL_ShowWindow(mWindow);
        Repaint();
        break;
    case ShowCommand::Minimize:
        SDL_MinimizeWindow(mWindow);
        break;
    case ShowCommand::Restore:
        SDL_RestoreWindow(mWindow);
        break;
    }
}

void SdlWindowSystem::PlaceNative(std::uint32_t style, const WindowRect& outer, bool /*topmost*/)
{
    if (mWindow == nullptr)
    {
        return;
    }
    const bool fullScreen = (style & WindowStyle::Caption) != WindowStyle::Caption;
    if (fullScreen)
    {
        SDL_SetWindowFullscreen(mWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    else
    {
        SDL_SetWindowFullscreen(mWindow, 0);
        SDL_SetWindowSize(mWindow, outer.width, outer.height);
        SDL_SetWindowPosition(mWindow, outer.x, outer.y);
    }
    SDL_ShowWindow(mWindow);
}

void SdlWindowSystem::RaiseNative()
{
    if (mWindow != nullptr)
    {
        SDL_RestoreWindow(mWindow);
        SDL_RaiseWindow(mWindow);
    }
}

void SdlWindowSystem::PumpEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0)
    {
        HandleEvent(event);
    }
}

void SdlWindowSystem::HandleEvent(const SDL_Event& event)
{
    switch (event.type)
    {
    case SDL_QUIT:
        RequestClose();
        break;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event);
        break;
    case SDL_KEYDOWN:
        HandleKey(event, true);
        break;
    case SDL_KEYUP:
        HandleKey(event, false);
        break;
    case SDL_TEXTINPUT:
        HandleText(event.text.text);
        break;
    case SDL_MOUSEMOTION:
        MoveCursor({event.motion.x, event.motion.y});
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        PressMouseButton(DeviceButton(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_MOUSEWHEEL:
        Mouse().TurnWheel((event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y) *
                          kWheelUnitsPerNotch);
        break;
    default:
        break;
    }
}

void SdlWindowSystem::HandleWindowEvent(const SDL_Event& event)
{
    switch (event.window.event)
    {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        NotifyFocus(true);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        NotifyFocus(false);
        break;
    case SDL_WINDOWEVENT_ENTER:
    {
        // The pointer came back over the window: the window decides again which cursor shows.
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        MoveCursor({x, y});
        break;
    }
    case SDL_WINDOWEVENT_EXPOSED:
        Repaint();
        InvalidateWindow(MainWindow());
        break;
    case SDL_WINDOWEVENT_CLOSE:
        RequestClose();
        break;
    default:
        break;
    }
}

void SdlWindowSystem::HandleKey(const SDL_Event& event, bool down)
{
    const std::uint8_t key = VirtualKeyFromScancode(event.key.keysym.scancode);
    if (key != 0)
    {
        PressKey(key, down);
        if (down)
        {
            mLastKeyDown = key;
        }
        if (const std::uint8_t generic = GenericModifier(key); generic != 0)
        {
            SetKeyDown(generic, down);
        }
    }
}

void SdlWindowSystem::HandleText(const char* utf8)
{
    for (const char16_t unit : Utf8ToUtf16(utf8))
    {
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        TypeCharacter(surrogate ? 0 : mLastKeyDown, unit);
    }
}

std::shared_ptr<GlContext> SdlWindowSystem::OpenGlContext(std::string& error)
{
    if (!mGlContext && !mShowsFrames)
    {
        mGlContext = GlContext::Create(mWindow, error);
        if (mGlContext && mSyncToDisplay)
        {
            SDL_GL_SetSwapInterval(1);
        }
    }
    else if (!mGlContext)
    {
        error = "the window already shows frames through its own surface";
    }
    return mGlContext;
}

SDL_Surface* SdlWindowSystem::FrameSurface()
{
    // The frames of an OpenGL device are its own to show; the window's surface would take its window.
    if (mGlContext || mWindow == nullptr)
    {
        return nullptr;
    }
    // Frames come drawn in main memory: a copy onto the window's own surface shows them. A renderer would
    // copy each one twice more, and one on the graphics card would rasterize it again (on a machine
    // without one, in software). SDL would otherwise back the surface with such a renderer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Surface* surface = SDL_GetWindowSurface(mWindow);
    mShowsFrames = mShowsFrames || surface != nullptr;
    if (surface != nullptr && surface != mFrameSurface)
    {
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0)); // black until a frame comes
    }
    mFrameSurface = surface;
    return surface;
}

void SdlWindowSystem::ForgetFrameSurface()
{
    if (mFrameView != nullptr)
    {
        SDL_FreeSurface(mFrameView);
        mFrameView = nullptr;
    }
    mFrameSurface = nullptr;
}

void SdlWindowSystem::CopyFrame(SDL_Surface* surface, const std::uint32_t* pixels, int width, int height,
                                int pitch)
{
    if (CopiesOneToOne(surface, width, height))
    {
        const auto rowBytes = static_cast<std::size_t>(width) * 4;
        for (int row = 0; row < height; ++row)
        {
            std::memcpy(static_cast<std::uint8_t*>(surface->pixels) +
                            static_cast<std::ptrdiff_t>(row) * surface->pitch,
                        pixels + static_cast<std::ptrdiff_t>(row) * pitch, rowBytes);
        }
        return;
    }
    // Another size or format: SDL converts, and stretches the frame over the window as a renderer would.
    if (mFrameView == nullptr || mFrameView->pixels != pixels || mFrameView->w != width ||
        mFrameView->h != height || mFrameView->pitch != pitch * 4)
    {
        if (mFrameView != nullptr)
        {
            SDL_FreeSurface(mFrameView);
        }
        mFrameView = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels), width, height, 32,
                                                        pitch * 4, SDL_PIXELFORMAT_ARGB8888);
        if (mFrameView != nullptr)
        {
            SDL_SetSurfaceBlendMode(mFrameView, SDL_BLENDMODE_NONE); // frames are opaque: copied, not blended
        }
    }
    if (mFrameView != nullptr)
    {
        SDL_BlitScaled(mFrameView, nullptr, surface, nullptr);
    }
}

bool SdlWindowSystem::CopiesOneToOne(const SDL_Surface* surface, int width, int height)
{
    const bool sameLayout = surface->format->format == SDL_PIXELFORMAT_ARGB8888 ||
                            surface->format->format == SDL_PIXELFORMAT_RGB888;
    return sameLayout && surface->w == width && surface->h == height && surface->pitch % 4 == 0 &&
           !SDL_MUSTLOCK(surface);
}

WindowSystem::FrameRows SdlWindowSystem::RowsForFrame(int width, int height)
{
    SDL_Surface* surface = FrameSurface();
    if (surface == nullptr || !CopiesOneToOne(surface, width, height))
    {
        return {};
    }
    return {static_cast<std::uint32_t*>(surface->pixels), surface->pitch / 4};
}

void SdlWindowSystem::ShowCopiedFrame()
{
    WaitToPresent();
    Repaint();
}

void SdlWindowSystem::PresentPixels(const std::uint32_t* pixels, int width, int height, int pitch)
{
    if (SDL_Surface* surface = FrameSurface(); surface != nullptr)
    {
        CopyFrame(surface, pixels, width, height, pitch);
    }
    WaitToPresent();
    Repaint();
}

void SdlWindowSystem::WaitToPresent()
{
    if (mSyncToDisplay)
    {
        mPacer.SetRefreshRate(RefreshRate());
        mPacer.Wait();
    }
}

int SdlWindowSystem::RefreshRate() const
{
    const int display = mWindow != nullptr ? SDL_GetWindowDisplayIndex(mWindow) : 0;
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) != 0)
    {
        return 0;
    }
    return mode.refresh_rate;
}

void SdlWindowSystem::Repaint()
{
    // Before the first frame the surface is left alone: an OpenGL device may still want the window.
    if (mShowsFrames && FrameSurface() != nullptr)
    {
        SDL_UpdateWindowSurface(mWindow);
    }
}

} // namespace Platform
