#pragma once

#include "game/ClipText.h"

// The clip before level 48: the estate's fair, with a balloon rising over the stalls.
class ClipScene5 : public ClipText
{
public:
    ClipScene5();
};
