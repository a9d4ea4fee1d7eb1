#pragma once

#include "tools/ClipPictures/Canvas.h"

#include <cstdint>
#include <string>

// The world map's own pictures, each painted to fill the canvas it is given.
namespace MapArt
{

// A decoration of the map by its kind ("tree", "mill", "brambles"...).
void Decoration(Canvas& c, const std::string& kind);
// A level button of a type in a state (0 locked, 1 open, 2 passed, 3 gold, 4 silver, 5 waiting for goods).
void LevelButton(Canvas& c, int type, int state);
// The glow around a hovered button; gold around a cup.
void Selection(Canvas& c, bool cup);
void WaterWheel(Canvas& c);
// One frame of an animal's little animation ("sheep", "duck", "chicken", "cow").
void Animal(Canvas& c, const std::string& kind, int frame);
// The map shop's picture of a good (its cost id) at a purchase level.
void Good(Canvas& c, int costId, int level);

} // namespace MapArt
