#pragma once

#include "game/CommandLine.h"

// The program: sets up the platform, makes sure it runs once, runs the game and tears down. Returns the
// exit code.
int WinMain(const CommandLine& line);
