#pragma once

#include "engine/Util/Colour.h"

// One particle of an emitter: where it is, how it moves and how its scale, colour, turn and frame
// change over its life. New particles are zero with a white colour.
struct Particle
{
    float x = 0.0f;
    float y = 0.0f;
    float remainingLife = 0.0f; // seconds
    float velocityX = 0.0f;     // pixels per second
    float velocityY = 0.0f;
    float accelerationX = 0.0f; // pixels per second squared
    float accelerationY = 0.0f;
    float scaleX = 0.0f;
    float scaleY = 0.0f;
    float scaleRate = 0.0f; // key units per second
    float scaleKeyPosition = 0.0f;
    Korrin::Colour colour{1.0f, 1.0f, 1.0f, 1.0f};
    float colourRate = 0.0f;
    float colourKeyPosition = 0.0f;
    float angle = 0.0f;     // radians
    float spinSpeed = 0.0f; // radians per second
    float framePosition = 0.0f;
    float frameSpeed = 0.0f; // frames per second
};
