#pragma once

#include "platform/WindowSystem.h"

#include <stdexcept>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;
union SDL_Event;

namespace Platform
{

// The real window on SDL2. Construction fails with NoDisplay when no video device can be opened.
class SdlWindowSystem : public WindowSystem
{
public:
    struct NoDisplay : std::runtime_error
    {
        using std::runtime_error::runtime_error;
    };

    SdlWindowSystem();
    ~SdlWindowSystem() override;

    DisplayMetrics Metrics() const override;
    void SetArrowCursorVisible(bool visible) override;
    void PresentPixels(const std::uint32_t* pixels, int width, int height, int pitch) override;
    SDL_Window* NativeWindow() const { return mWindow; }

protected:
    void CreateNative(const std::string& caption, const WindowRect& outer) override;
    void DestroyNative() override;
    void ShowNative(ShowCommand command) override;
    void PlaceNative(std::uint32_t style, const WindowRect& outer, bool topmost) override;
    void RaiseNative() override;
    void PumpEvents() override;

private:
    void HandleEvent(const SDL_Event& event);
    void HandleWindowEvent(const SDL_Event& event);
    void HandleKey(const SDL_Event& event, bool down);
    void HandleText(const char* utf8);
    bool EnsureRenderer();
    // Shows the last frame again (black before the first), after the window was uncovered.
    void Repaint();
    void DestroyRenderer();

    SDL_Window* mWindow = nullptr;
    std::uint8_t mLastKeyDown = 0; // text events follow the key that typed them
    SDL_Renderer* mRenderer = nullptr;
    SDL_Texture* mFrame = nullptr;
    int mFrameWidth = 0;
    int mFrameHeight = 0;
};

} // namespace Platform
