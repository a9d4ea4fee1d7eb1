#pragma once

namespace Korrin
{

// Four floats: left, top, right, bottom (scripts write it as a list of four numbers, as "SrcRect").
struct Rect
{
    float left = 0.0f;
    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;

    bool operator==(const Rect&) const = default;
};

} // namespace Korrin
