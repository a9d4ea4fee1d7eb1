#pragma once

#include "platform/WindowRect.h"

namespace Platform
{

// What the window system tells of the desktop: the figures the window placement needs.
struct DisplayMetrics
{
    int screenWidth = 0;
    int screenHeight = 0;
    WindowRect workArea;   // the desktop without its panels
    int frameWidth = 0;    // width of a window's side border
    int captionHeight = 0; // height of a window's title bar

    bool operator==(const DisplayMetrics&) const = default;
};

} // namespace Platform
