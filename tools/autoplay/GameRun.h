#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Hands;

// One run of the real game, headless under the fixed-step clock, in this process: the set-up of the
// game's own start-up, with the player's hands on the scripted input. Between frames the brain looks
// at the game and plans the next frames' events; it returns false to end the run (the window closes
// as by its close button, and the game saves).
struct GameRun
{
    std::string dataFolder;
    std::string saveFolder;
    std::string logFile;
    bool draw = false;
    std::uint64_t frameLimit = 0;
    // Frames (counted from 1) to write as pictures: "FRAME:FILE.png".
    std::vector<std::string> screenshots;
    std::function<bool(std::uint64_t completedFrames, Hands& hands)> brain;
    // The events played, as an input script; filled by Run.
    std::string played;

    // The game's exit code.
    int Run();
};
