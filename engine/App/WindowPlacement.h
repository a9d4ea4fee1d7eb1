#pragma once

#include "platform/DisplayMetrics.h"

#include <cstdint>

namespace Korrin
{

// Where the window goes for a display mode: its style, outer rectangle and client size.
struct WindowPlacement
{
    std::uint32_t style = 0;
    Platform::WindowRect outer;
    bool topmost = false;
    int clientWidth = 0;
    int clientHeight = 0;

    bool operator==(const WindowPlacement&) const = default;

    // A window centred on the work area; on a work area too small for the virtual screen the client
    // shrinks to fit its height and keeps the virtual screen's proportions.
    static WindowPlacement Windowed(std::uint32_t width, std::uint32_t height, std::uint32_t style,
                                    const Platform::DisplayMetrics& metrics);
    // The whole screen, without frame, above other windows.
    static WindowPlacement FullScreen(const Platform::DisplayMetrics& metrics);
};

} // namespace Korrin
