#pragma once

#include <cstdint>

namespace Platform
{

// One vertex as the engine hands it to the graphics device: position, packed ARGB colour and texture
// coordinates, 24 bytes.
struct Vertex
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    std::uint32_t colour = 0;
    float u = 0.0f;
    float v = 0.0f;
};

static_assert(sizeof(Vertex) == 24, "the vertex layout is fixed at 24 bytes");

} // namespace Platform
