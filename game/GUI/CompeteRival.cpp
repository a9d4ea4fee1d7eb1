#include "game/GUI/CompeteRival.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kPi = 3.14159265f;
} // namespace

void CompeteRival::Update(float dt)
{
    switch (state)
    {
    case kIdle:
        verticalSpeed = 0.0f;
        break;
    case kFadingIn:
        alpha = std::min(alpha + dt, 1.0f);
        break;
    case kExchanging:
    {
        alpha = std::max(alpha - dt, kSwapAlpha);
        const bool down = verticalSpeed > 0.0f;
        position.y += dt * verticalSpeed;
        position.x += 0.1f * std::sin(2.0f * kPi * (1.3f - alpha));
        if (position.x < target.x || alpha == 1.0f)
        {
            position.x = target.x;
        }
        if ((down && position.y > target.y) || (!down && position.y < target.y))
        {
            position.y = target.y;
        }
        break;
    }
    case kLeaving:
        phase += 6.0f * dt;
        if (phase > 5.0f * kPi / 2.0f)
        {
            phase = 5.0f * kPi / 2.0f;
            state = kGone;
        }
        alpha = std::fabs(std::cos(phase));
        break;
    default:
        break;
    }
}
