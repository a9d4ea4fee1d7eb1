#pragma once

#include <SDL_opengl.h>
#include <string>

namespace Platform
{

// The OpenGL entry points the GL device calls, looked up through SDL once a context is current. Nothing
// links against a GL library: a machine without one still runs the software device.
// X(name, type) for every entry point; the framebuffer-object calls fall back to their EXT names.
#define WF_GL_FUNCTIONS(X)                                                                                   \
    X(GetString, decltype(&::glGetString))                                                                   \
    X(GetIntegerv, decltype(&::glGetIntegerv))                                                               \
    X(GetError, decltype(&::glGetError))                                                                     \
    X(Enable, decltype(&::glEnable))                                                                         \
    X(Disable, decltype(&::glDisable))                                                                       \
    X(BlendFunc, decltype(&::glBlendFunc))                                                                   \
    X(Viewport, decltype(&::glViewport))                                                                     \
    X(ClearColor, decltype(&::glClearColor))                                                                 \
    X(Clear, decltype(&::glClear))                                                                           \
    X(PixelStorei, decltype(&::glPixelStorei))                                                               \
    X(ReadPixels, decltype(&::glReadPixels))                                                                 \
    X(ReadBuffer, decltype(&::glReadBuffer))                                                                 \
    X(GenTextures, decltype(&::glGenTextures))                                                               \
    X(DeleteTextures, decltype(&::glDeleteTextures))                                                         \
    X(BindTexture, decltype(&::glBindTexture))                                                               \
    X(TexImage2D, decltype(&::glTexImage2D))                                                                 \
    X(TexSubImage2D, decltype(&::glTexSubImage2D))                                                           \
    X(TexParameteri, decltype(&::glTexParameteri))                                                           \
    X(DrawElements, decltype(&::glDrawElements))                                                             \
    X(DrawArrays, decltype(&::glDrawArrays))                                                                 \
    X(Finish, decltype(&::glFinish))                                                                         \
    X(ActiveTexture, PFNGLACTIVETEXTUREPROC)                                                                 \
    X(BindBuffer, PFNGLBINDBUFFERPROC)                                                                       \
    X(CreateShader, PFNGLCREATESHADERPROC)                                                                   \
    X(ShaderSource, PFNGLSHADERSOURCEPROC)                                                                   \
    X(CompileShader, PFNGLCOMPILESHADERPROC)                                                                 \
    X(GetShaderiv, PFNGLGETSHADERIVPROC)                                                                     \
    X(GetShaderInfoLog, PFNGLGETSHADERINFOLOGPROC)                                                           \
    X(DeleteShader, PFNGLDELETESHADERPROC)                                                                   \
    X(CreateProgram, PFNGLCREATEPROGRAMPROC)                                                                 \
    X(AttachShader, PFNGLATTACHSHADERPROC)                                                                   \
    X(BindAttribLocation, PFNGLBINDATTRIBLOCATIONPROC)                                                       \
    X(LinkProgram, PFNGLLINKPROGRAMPROC)                                                                     \
    X(GetProgramiv, PFNGLGETPROGRAMIVPROC)                                                                   \
    X(GetProgramInfoLog, PFNGLGETPROGRAMINFOLOGPROC)                                                         \
    X(DeleteProgram, PFNGLDELETEPROGRAMPROC)                                                                 \
    X(UseProgram, PFNGLUSEPROGRAMPROC)                                                                       \
    X(GetUniformLocation, PFNGLGETUNIFORMLOCATIONPROC)                                                       \
    X(Uniform1i, PFNGLUNIFORM1IPROC)                                                                         \
    X(Uniform1f, PFNGLUNIFORM1FPROC)                                                                         \
    X(Uniform2f, PFNGLUNIFORM2FPROC)                                                                         \
    X(UniformMatrix4fv, PFNGLUNIFORMMATRIX4FVPROC)                                                           \
    X(EnableVertexAttribArray, PFNGLENABLEVERTEXATTRIBARRAYPROC)                                             \
    X(VertexAttribPointer, PFNGLVERTEXATTRIBPOINTERPROC)                                                     \
    X(GenFramebuffers, PFNGLGENFRAMEBUFFERSPROC)                                                             \
    X(DeleteFramebuffers, PFNGLDELETEFRAMEBUFFERSPROC)                                                       \
    X(BindFramebuffer, PFNGLBINDFRAMEBUFFERPROC)                                                             \
    X(FramebufferTexture2D, PFNGLFRAMEBUFFERTEXTURE2DPROC)                                                   \
    X(CheckFramebufferStatus, PFNGLCHECKFRAMEBUFFERSTATUSPROC)

struct GlFunctions
{
#define WF_GL_DECLARE(name, type) type name = nullptr;
    WF_GL_FUNCTIONS(WF_GL_DECLARE)
#undef WF_GL_DECLARE
    // Null where the context cannot copy between framebuffers (before OpenGL 3.0 without the extension).
    PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer = nullptr;

    // Looks every entry point up in the current context; false names the first one missing. The
    // optional ones are left null where the context does not offer them.
    bool Load(std::string& missing);
};

} // namespace Platform
