#include "game/MenuMill.h"

#include <algorithm>
#include <cmath>

void MenuMill::Drag(const Korrin::Vector2& previous, const Korrin::Vector2& current,
                    const Korrin::Vector2& centre, float dt)
{
    // Moving up on the right or down on the left turns the sails forward; the same for sideways moves
    // above and below the hub.
    const float up = dragFactor * dt * (previous.y - current.y);
    if (current.x > centre.x)
    {
        speed += up;
    }
    else if (current.x < centre.x)
    {
        speed -= up;
    }
    const float left = dragFactor * dt * (previous.x - current.x);
    if (current.y > centre.y)
    {
        speed -= left;
    }
    else if (current.y < centre.y)
    {
        speed += left;
    }
    BoundSpeed();
}

void MenuMill::Turn(float dt)
{
    BoundSpeed();
    const float distance = restSpeed - speed;
    if (distance != 0.0f)
    {
        const float pull = std::exp(std::fabs(distance)) * returnFactor * dt;
        // A pull larger than the distance would throw the speed past the rest speed.
        speed += std::copysign(std::min(pull, std::fabs(distance)), distance);
    }
    angle -= dt * speed;
    if (!std::isfinite(angle))
    {
        angle = 0.0f;
    }
    angle = std::fmod(angle, kFullTurn);
}

void MenuMill::BoundSpeed()
{
    if (!std::isfinite(speed))
    {
        speed = restSpeed;
    }
    speed = std::clamp(speed, restSpeed - kMostSpeedOffset, restSpeed + kMostSpeedOffset);
}
