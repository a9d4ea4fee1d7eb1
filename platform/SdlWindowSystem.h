#pragma once

#include "platform/FramePacer.h"
#include "platform/WindowSystem.h"

#include <memory>
#include <stdexcept>
#include <string>

struct SDL_Surface;
struct SDL_Window;
union SDL_Event;

namespace Platform
{

class GlContext;

// The real window on SDL2. Construction fails with NoDisplay when no video device can be opened.
class SdlWindowSystem : public WindowSystem
{
public:
    struct NoDisplay : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    // forOpenGl: the window is made so that an OpenGL context can draw on it (when the system allows).
    explicit SdlWindowSystem(bool forOpenGl = false);
    ~SdlWindowSystem() override;

    // Shown frames wait for the display's refresh (vsync where the driver has it, else a paced wait),
    // so that a real run does not draw frames nobody sees; fixed-step runs leave it off and go as fast
    // as they can.
    void SetSyncToDisplay(bool sync) { mSyncToDisplay = sync; }
    void WaitToPresent() override;
    // The refresh rate of the window's display in hertz; 0 when it does not say.
    int RefreshRate() const;

    DisplayMetrics Metrics() const override;
    void SetArrowCursorVisible(bool visible) override;
    void PresentPixels(const std::uint32_t* pixels, int width, int height, int pitch) override;
    FrameRows RowsForFrame(int width, int height) override;
    void ShowCopiedFrame() override;
    SDL_Window* NativeWindow() const { return mWindow; }
    // An OpenGL context on the window, made once; null, with the reason, when none can be had. While it
    // exists the frames are the context's to show and the window system shows none of its own.
    std::shared_ptr<GlContext> OpenGlContext(std::string& error);
    // Ends the context (no device could use it), so the window shows frames again.
    void CloseOpenGlContext();

protected:
    void CreateNative(const std::string& caption, const WindowRect& outer) override;
    void DestroyNative() override;
    void ShowNative(ShowCommand command) override;
    void PlaceNative(std::uint32_t style, const WindowRect& outer, bool topmost) override;
    void RaiseNative() override;
    void PumpEvents() override;
    bool ReportsTypedText() const override { return true; }

private:
    void HandleEvent(const SDL_Event& event);
    void HandleWindowEvent(const SDL_Event& event);
    void HandleKey(const SDL_Event& event, bool down);
    void HandleText(const char* utf8);
    // The window's own pixels, which software frames are copied into; null while an OpenGL context
    // shows the frames or when the window has none.
    SDL_Surface* FrameSurface();
    static bool CopiesOneToOne(const SDL_Surface* surface, int width, int height);
    void CopyFrame(SDL_Surface* surface, const std::uint32_t* pixels, int width, int height, int pitch);
    // Shows the last frame again (black before the first), after the window was uncovered.
    void Repaint();
    void ForgetFrameSurface();

    bool mForOpenGl = false;
    std::shared_ptr<GlContext> mGlContext;
    SDL_Window* mWindow = nullptr;
    bool mSyncToDisplay = false;
    FramePacer mPacer;
    std::uint8_t mLastKeyDown = 0;        // text events follow the key that typed them
    SDL_Surface* mFrameSurface = nullptr; // the window's, as last seen: SDL replaces it on a resize
    bool mShowsFrames = false;            // software frames went to the window's surface
    SDL_Surface* mFrameView = nullptr;    // a frame of another size or format, for SDL to convert
};

} // namespace Platform
