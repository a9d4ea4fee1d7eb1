#pragma once

#include "engine/Util/Vector2.h"

// The sails of the main menu's windmill: they turn at a rest speed, the mouse drags them faster or
// backwards, and a pull that grows steeply with the distance brings them back to the rest speed.
class MenuMill
{
public:
    static constexpr float kFullTurn = 6.2831855f;
    // The farthest the speed may stray from the rest speed. The pull grows as e^|d|: unbounded, one fast
    // drag made it infinite and the angle NaN; within this bound it stays finite and never overshoots.
    static constexpr float kMostSpeedOffset = 20.0f;

    // A drag from the previous to the current mouse position around the sails' centre.
    void Drag(const Korrin::Vector2& previous, const Korrin::Vector2& current, const Korrin::Vector2& centre,
              float dt);
    // Pulls the speed towards the rest speed and turns the sails; the angle stays within a full turn.
    void Turn(float dt);

    float angle = 0.0f;
    float restSpeed = 0.4f;
    float speed = 0.4f;
    float dragFactor = 1.0f;
    float returnFactor = 0.1f;

private:
    void BoundSpeed();
};
