#include "platform/GlFunctions.h"

#include <SDL.h>

namespace Platform
{

namespace
{

void* Lookup(const char* name)
{
    if (void* address = SDL_GL_GetProcAddress(name))
    {
        return address;
    }
    // A 2.1 context may offer framebuffer objects only as the older extension.
    return SDL_GL_GetProcAddress((std::string(name) + "EXT").c_str());
}

} // namespace

bool GlFunctions::Load(std::string& missing)
{
#define WF_GL_LOAD(name, type)                                                                               \
    name = reinterpret_cast<type>(Lookup("gl" #name));                                                       \
    if (name == nullptr)                                                                                     \
    {                                                                                                        \
        missing = "gl" #name;                                                                                \
        return false;                                                                                        \
    }
    WF_GL_FUNCTIONS(WF_GL_LOAD)
#undef WF_GL_LOAD
    // Any name finds an address on some systems: the version or the extensions tell whether it works.
    const auto* version = reinterpret_cast<const char*>(GetString(GL_VERSION));
    const bool blits = (version != nullptr && version[0] >= '3' && version[0] <= '9' && version[1] == '.') ||
                       SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object") == SDL_TRUE ||
                       SDL_GL_ExtensionSupported("GL_EXT_framebuffer_blit") == SDL_TRUE;
    BlitFramebuffer =
        blits ? reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(Lookup("glBlitFramebuffer")) : nullptr;
    return true;
}

} // namespace Platform
