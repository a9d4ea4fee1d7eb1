#pragma once

#include "game/MapWaterShapes.h"

#include <array>
#include <string>
#include <vector>

// Where things stand on the world map: the rivers and the pond (from the map's own water shapes), the
// path of the 67 level buttons, and the decorations. The painted landscape and "Map.lua" both come
// from it, so that the buttons stand on the path and the water shows through the banks.
namespace MapLayout
{

using Point = MapWater::Point;
using WaterRow = MapWater::Row;
using Water = MapWater::Shape;

// True over open water (the rivers' strips and the pond's oval).
bool IsWater(float x, float y);

constexpr int kButtons = 67;
constexpr float kButtonWidth = 36.0f;
constexpr float kButtonHeight = 48.0f;
// The middle of the path under a button at pos is pos + this.
constexpr Point kButtonFoot{17.0f, 30.0f};

// The path's bends, from the first level to the last.
const std::vector<Point>& PathBends();
// The top-left corner of each level button, an even straight distance apart along the path.
std::vector<Point> ButtonPositions();

struct Item
{
    std::string kind; // what the picture shows
    Point pos;        // top-left corner on the map
    int width;
    int height;
    int effect;        // 0 blink, 1 sink, 2 fade, 3 none
    bool shownAtStart; // drawn before any progress
    int functional;    // 0 none, 2 mill wheels, 3 water wheel, 5 animals
    float z;
};

// Every decoration in item order: 0 to 27 and 32 on appear with progress, 28 and 29 start shown and
// go, 30 is the mill and 31 the water mill.
std::vector<Item> Items();

} // namespace MapLayout
