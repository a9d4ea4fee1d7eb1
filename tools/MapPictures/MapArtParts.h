#pragma once

#include "tools/ClipPictures/Canvas.h"
#include "tools/Common/Painting.h"

#include <cstdint>

// What the map's decorations and the map shop's goods paint alike.
namespace MapArt::Parts
{

inline const std::uint32_t kWood = Painting::Argb(255, 150, 100, 56);
inline const std::uint32_t kDarkWood = Painting::Argb(255, 104, 66, 36);
inline const std::uint32_t kGold = Painting::Argb(255, 246, 196, 40);

inline float W(const Canvas& c)
{
    return static_cast<float>(c.Width());
}

inline float H(const Canvas& c)
{
    return static_cast<float>(c.Height());
}

void Well(Canvas& c);
void Barn(Canvas& c);

} // namespace MapArt::Parts
