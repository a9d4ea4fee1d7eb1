#pragma once

namespace Platform
{

// A rectangle in screen pixels, by its top-left corner and size.
struct WindowRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

} // namespace Platform
