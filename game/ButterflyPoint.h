#pragma once

// A resting point of a butterfly: a place on the virtual screen and the butterfly's size factor there.
struct ButterflyPoint
{
    float x = 0.0f;
    float y = 0.0f;
    float scale = 1.0f;
};
