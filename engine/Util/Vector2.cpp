#include "engine/Util/Vector2.h"

#include <cmath>

namespace Korrin
{

Vector2& Vector2::Normalize()
{
    const float length = std::sqrt(x * x + y * y);
    if (length != 0.0f)
    {
        const float inverse = 1.0f / length;
        x *= inverse;
        y *= inverse;
    }
    return *this;
}

} // namespace Korrin
