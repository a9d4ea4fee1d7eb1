#pragma once

// How carried goods sit on the carry bone in one pose: its angle (radians), scale and offset from its
// parent bone. A field the data leaves out is 0.
struct Correction
{
    float angle = 0.0f;
    float sX = 0.0f;
    float sY = 0.0f;
    float pX = 0.0f;
    float pY = 0.0f;
};
