#pragma once

namespace Korrin
{

// Two floats, x and y: a point or a direction in virtual-screen pixels.
struct Vector2
{
    float x = 0.0f;
    float y = 0.0f;

    // Scales the vector to length 1; a zero vector stays as it is.
    Vector2& Normalize();

    bool operator==(const Vector2&) const = default;
};

} // namespace Korrin
