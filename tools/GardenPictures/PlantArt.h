#pragma once

#include <string>

// The crops of the garden beds, frame by frame as the game's growth tables step through them, and the
// seeds of the five crops: a picture per sprite, "Plants.lua" and "Seeds.lua".
namespace PlantArt
{

bool WriteAll(const std::string& folder);

} // namespace PlantArt
