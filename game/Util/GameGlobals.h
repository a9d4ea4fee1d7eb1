#pragma once

// Process-wide state of the game.
struct GameGlobals
{
    // Raised by the exit window once it has destroyed the main window: the frame in progress ends.
    static inline bool quit = false;
    // The player's setting: the presented frame carries the cursor picture.
    static inline bool prettyCursor = false;
};
