#pragma once

#include "platform/GlFunctions.h"

#include <memory>
#include <string>
#include <string_view>

struct SDL_Window;

namespace Platform
{

// An OpenGL 2.1 context on the game's window, with its entry points. The window system owns the window
// and ends the context when the window goes; a device that still holds the context then finds it gone
// and draws nothing.
class GlContext
{
public:
    // A context for a window made for OpenGL; null, with the reason, when none can be had.
    static std::shared_ptr<GlContext> Create(SDL_Window* window, std::string& error);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    bool IsAlive() const { return mContext != nullptr; }
    const GlFunctions& Gl() const { return mGl; }
    // Makes this the calling thread's context; false when it is gone.
    bool MakeCurrent() const;
    void SwapWindow() const;
    // The size of the window's picture in pixels.
    void DrawableSize(int& width, int& height) const;
    std::string Describe() const; // the renderer, its version and its vendor
    std::string Renderer() const;
    // Whether an OpenGL renderer string names a rasterizer that draws on the processor.
    static bool NamesProcessorRasterizer(std::string_view renderer);
    // Ends the context; the window is about to go.
    void Release();

private:
    GlContext(SDL_Window* window, void* context) : mWindow(window), mContext(context) {}
    std::string Text(unsigned name) const;

    SDL_Window* mWindow = nullptr;
    void* mContext = nullptr;
    GlFunctions mGl;
};

} // namespace Platform
