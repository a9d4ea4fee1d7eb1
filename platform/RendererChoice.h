#pragma once

namespace Platform
{

// Which graphics device draws the game.
enum class RendererChoice
{
    Automatic, // OpenGL 2.1 in a window when a graphics card draws it, else the software device
    Software,
    OpenGl,
};

} // namespace Platform
