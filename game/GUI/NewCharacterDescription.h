#pragma once

#include "engine/Util/Rect.h"

#include <string>

// What the new-character card shows for one level: the text key of its description and the source
// rectangles of the character's portrait, of how much it carries and of how it goes about.
struct NewCharacterDescription
{
    std::string description;
    Korrin::Rect iconRect{0.0f, 0.0f, 0.0f, 0.0f};
    Korrin::Rect walkTypeRect{0.0f, 0.0f, 0.0f, 0.0f};
    Korrin::Rect maxStuffRect{0.0f, 0.0f, 0.0f, 0.0f};
};
