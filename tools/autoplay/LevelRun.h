#pragma once

#include "tools/autoplay/AutoplayOptions.h"
#include "tools/autoplay/LevelResult.h"

#include <string>

// What the game's error report (Assert.txt, written into the folder the game ran in) says went wrong.
std::string ReportReason(const std::string& reportFile);

// One level played from its series profile in a work folder of its own (the save folder, the log
// and the game's report files): the profile is written, the game runs and the player plays.
LevelResult PlayLevel(std::int32_t level, const AutoplayOptions& options, const std::string& workFolder);

// The whole main road as a new player, in a work folder of its own; prints a line per level as it is
// won and a last line for the end of the road. The exit code: 0 when the road reached the final clip
// and the main menu and the game ended with code 0.
int PlayRoad(const AutoplayOptions& options, const std::string& workFolder);
