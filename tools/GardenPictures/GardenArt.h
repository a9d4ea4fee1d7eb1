#pragma once

#include <string>

// The garden's look: the parts of its five stage visuals (bed frames, fences, tools, the decorations
// each level adds), its construction, the table that waits for a gardener, the for-sale sign, their
// meshes and "garden.lua"; the water well's three pictures and three pails with "Waterwell.lua"; the
// icons of the garden's and the well's panel pages.
namespace GardenArt
{

bool WriteGarden(const std::string& folder);
bool WriteWell(const std::string& folder);
bool WritePanel(const std::string& folder);

} // namespace GardenArt
