#pragma once

#include "tools/ClipPictures/Canvas.h"

#include <cstdint>

// The pictures of the story clips, each painted to fill the canvas it is given: flat landscapes,
// buildings, figures and the things around them.
namespace Art
{

struct Sky
{
    std::uint32_t top;
    std::uint32_t bottom;
    std::uint32_t farHill;
    std::uint32_t nearHill;
};

Sky DaySky();
Sky DuskSky();
Sky NightSky();

// Sky with far and near hills, for the whole screen.
void Landscape(Canvas& c, const Sky& sky, float phase);
void Sun(Canvas& c, float cx, float cy, float r);
void Stars(Canvas& c, int count, std::uint32_t seed);
void Moon(Canvas& c);
// The manor of the estate: walls, roof, chimney, door and windows (dark, or lit).
void Manor(Canvas& c, bool lit);
void Tree(Canvas& c, std::uint32_t leaves);
void Bush(Canvas& c, std::uint32_t leaves);
void Flowers(Canvas& c, std::uint32_t seed);
void Fence(Canvas& c);
void Hedge(Canvas& c);
void Pillar(Canvas& c);
void Road(Canvas& c);
void Path(Canvas& c);
// An old motor car seen from the side, driving to the right (wheels are separate).
void CarBody(Canvas& c);
void Wheel(Canvas& c);
void Trunk(Canvas& c);
// A person standing, facing the viewer: the owner in a long blue coat and a brown hat.
void Owner(Canvas& c, bool withLegs);
// The companion: a round-faced helper with a green cap, an orange scarf and a brown apron.
void Companion(Canvas& c, bool withLegs);
void Legs(Canvas& c, std::uint32_t trousers);
void Buyer(Canvas& c, std::uint32_t coat, std::uint32_t hat);
void Bed(Canvas& c);
void Cabbage(Canvas& c);
void Tomato(Canvas& c);
void ShopWall(Canvas& c);
void Counter(Canvas& c);
void Mill(Canvas& c);
void MillSails(Canvas& c);
void Bakery(Canvas& c);
void Tent(Canvas& c, std::uint32_t stripe);
void Balloon(Canvas& c);
void Bunting(Canvas& c);
void Burst(Canvas& c, std::uint32_t colour);
void Table(Canvas& c);
void WindowLights(Canvas& c);
void Field(Canvas& c, std::uint32_t colour);

} // namespace Art
