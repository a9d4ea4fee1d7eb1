#pragma once

#include <cstdint>
#include <string>

// How a level went.
struct LevelOutcome
{
    bool won = false;
    std::string reason; // why it was lost, or what ended the run
    float clock = 0.0f; // the level clock at the win, in seconds
    int cup = 0;        // 0 bronze, 1 silver, 2 gold
    std::int32_t money = 0;
    std::uint32_t goldSeconds = 0;
    std::uint32_t silverSeconds = 0;
    std::uint64_t winFrame = 0; // the frame in which the last goal was seen met
};
