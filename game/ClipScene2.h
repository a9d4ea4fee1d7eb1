#pragma once

#include "game/ClipText.h"

// The clip before level 3: the first harvest of the estate's beds, and the shop opening to its first
// buyers.
class ClipScene2 : public ClipText
{
public:
    ClipScene2();
};
