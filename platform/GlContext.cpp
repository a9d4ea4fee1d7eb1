#include "platform/GlContext.h"

#include <SDL.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>

namespace Platform
{

namespace
{

bool AtLeastVersion21(const char* version)
{
    int major = 0;
    int minor = 0;
    if (version == nullptr || std::sscanf(version, "%d.%d", &major, &minor) != 2)
    {
        return false;
    }
    return major > 2 || (major == 2 && minor >= 1);
}

} // namespace

std::shared_ptr<GlContext> GlContext::Create(SDL_Window* window, std::string& error)
{
    if (window == nullptr || (SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0)
    {
        error = "the window was not made for OpenGL";
        return nullptr;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr)
    {
        error = SDL_GetError();
        return nullptr;
    }
    std::shared_ptr<GlContext> result(new GlContext(window, context));
    std::string missing;
    if (!result->mGl.Load(missing))
    {
        error = "the OpenGL library has no " + missing;
        return nullptr;
    }
    const auto* version = reinterpret_cast<const char*>(result->mGl.GetString(GL_VERSION));
    if (!AtLeastVersion21(version))
    {
        error =
            std::string("OpenGL ") + (version != nullptr ? version : "of no version") + " is older than 2.1";
        return nullptr;
    }
    // Frames are shown as soon as they are drawn, as the software device shows them.
    SDL_GL_SetSwapInterval(0);
    return result;
}

GlContext::~GlContext()
{
    Release();
}

void GlContext::Release()
{
    if (mContext != nullptr)
    {
        SDL_GL_MakeCurrent(mWindow, nullptr);
        SDL_GL_DeleteContext(mContext);
        mContext = nullptr;
        mWindow = nullptr;
    }
}

bool GlContext::MakeCurrent() const
{
    if (mContext == nullptr)
    {
        return false;
    }
    if (SDL_GL_GetCurrentContext() != mContext)
    {
        SDL_GL_MakeCurrent(mWindow, mContext);
    }
    return true;
}

void GlContext::SwapWindow() const
{
    if (mContext != nullptr)
    {
        SDL_GL_SwapWindow(mWindow);
    }
}

void GlContext::DrawableSize(int& width, int& height) const
{
    width = 0;
    height = 0;
    if (mWindow != nullptr)
    {
        SDL_GL_GetDrawableSize(mWindow, &width, &height);
    }
}

std::string GlContext::Text(unsigned name) const
{
    if (!MakeCurrent())
    {
        return {};
    }
    const auto* text = reinterpret_cast<const char*>(mGl.GetString(name));
    return text != nullptr ? text : "";
}

std::string GlContext::Renderer() const
{
    return Text(GL_RENDERER);
}

bool GlContext::NamesProcessorRasterizer(std::string_view renderer)
{
    // Mesa's, Google's and Microsoft's rasterizers that run on the processor.
    static constexpr std::string_view kNames[] = {
        "llvmpipe", "softpipe",    "swrast",      "software rasterizer",
        "lavapipe", "swiftshader", "gdi generic", "microsoft basic render"};
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&lower](std::string_view name) { return lower.find(name) != std::string::npos; });
}

std::string GlContext::Describe() const
{
    return Text(GL_RENDERER) + ", OpenGL " + Text(GL_VERSION) + ", " + Text(GL_VENDOR);
}

} // namespace Platform
