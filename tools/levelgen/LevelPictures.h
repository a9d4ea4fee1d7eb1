#pragma once

#include <string>

// The level's sample pictures: the four tile sheets, the four backdrops with their skies, the birds, the
// water, the mill sail and the water wheel, the animated scenery, and labelled placeholders for the
// characters.
class LevelPictures
{
public:
    static bool WriteAll(const std::string& folder);
};
