#pragma once

#include <string>

// The field entities' pictures, drawn over each entity's screen rectangle: garden beds with soil rows,
// the well with its winch and pail, the shop's stall with counter and shelves, the storehouse with its
// doors and crates, each building kind with walls, roof, door and a sign showing its product, the lots
// for sale and the rope table.
class EntityArt
{
public:
    static bool WriteAll(const std::string& folder);
};
