#pragma once

#include <string>

// The main menu's pictures, each written into the folder; false when one cannot be written.
namespace MenuScene
{

// The sky (it tiles sideways, so that it can drift), the landscape below it with the windmill's tower,
// the title words with their light band, the windmill's sails and the covers of the picture's edges.
bool PaintSky(const std::string& folder);
bool PaintBackground(const std::string& folder);
bool PaintTitle(const std::string& folder, const std::string& boldFont);
bool PaintMill(const std::string& folder);
bool PaintEdges(const std::string& folder);
// The girl's parts: head, eye frames, tails, body, skirt, apron, flower and hair locks.
bool PaintGirl(const std::string& folder);
// The thief's running figure with its part file, and the rewards' decorations.
bool PaintThief(const std::string& folder);
bool PaintRewards(const std::string& folder);
// The new-character card's portraits (errand boy, fairy), carried boxes (1 to 3) and ways of going.
bool PaintNewCharacters(const std::string& folder);

} // namespace MenuScene
