#pragma once

#include <cstdint>
#include <string>

namespace Korrin
{
class NullSprite;
} // namespace Korrin

// An animated piece of the level's scenery: a sprite (kind 0) or a mesh (any other kind) from the
// scenery script, drawn after the decoration layer its draw order names. Objects of one table name share
// one drawable, which the sprite manager owns.
struct AnimBkObject
{
    float x = 0.0f;
    float y = 0.0f; // the level file's y less the field's origin
    std::string table;
    std::uint8_t kind = 0;
    std::int32_t drawOrder = 0;
    Korrin::NullSprite* drawable = nullptr;
};
