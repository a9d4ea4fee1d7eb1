#pragma once

#include <vector>

// The rivers and the pond of the world map, row by row from bank to bank. The map's water meshes take
// these rows, and the painted landscape is drawn around them, so that the water shows through its banks.
namespace MapWater
{

struct Point
{
    float x;
    float y;
};

struct Row
{
    Point left;
    Point right;
};

struct Shape
{
    const char* table; // the mesh's table in "Map.lua": "river_1" to "river_4", then "pond"
    std::vector<Row> rows;
};

inline const std::vector<Shape>& Shapes()
{
    static const std::vector<Shape> shapes{
        {"river_1",
         {{{879, 295}, {881, 340}},
          {{933, 301}, {911, 341}},
          {{999, 349}, {917, 348}},
          {{989, 432}, {875, 392}}}},
        {"river_2",
         {{{612, 306}, {634, 346}},
          {{530, 340}, {603, 358}},
          {{528, 378}, {592, 378}},
          {{555, 419}, {602, 391}},
          {{609, 451}, {652, 415}}}},
        {"river_3",
         {{{586, 480}, {635, 469}},
          {{591, 521}, {652, 503}},
          {{647, 570}, {718, 570}},
          {{642, 621}, {724, 620}},
          {{628, 676}, {724, 637}},
          {{666, 722}, {717, 669}},
          {{758, 746}, {767, 676}},
          {{954, 736}, {931, 666}}}},
        {"river_4",
         {{{159, 240}, {177, 240}},
          {{162, 317}, {175, 317}},
          {{164, 329}, {182, 338}},
          {{141, 332}, {141, 339}},
          {{95, 342}, {127, 342}},
          {{97, 354}, {240, 354}},
          {{94, 455}, {250, 456}}}},
        {"pond", {{{48, 402}, {408, 402}}, {{48, 496}, {408, 496}}}},
    };
    return shapes;
}

} // namespace MapWater
