#pragma once

#include <cstdint>

// A decoration or marker of the world map, which fades in when the progress reaches it.
struct MapItem
{
    // Seconds since its appearance started.
    float time = 0.0f;
    bool visible = false;
    // Its appearance is playing.
    bool running = false;
    // Its place in the map's list.
    std::uint32_t index = 0;
};
