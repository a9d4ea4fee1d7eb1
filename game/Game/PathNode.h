#pragma once

#include <cstdint>

// One entry of the path search: a cell reached from its parent after g steps.
struct PathNode
{
    const PathNode* parent = nullptr;
    std::int32_t I = 0;
    std::int32_t J = 0;
    float g = 0.0f;
    bool closed = false;
};
