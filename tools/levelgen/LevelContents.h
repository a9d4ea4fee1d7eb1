#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the world map's requirements bring into a derived level. A level that asks the player to buy a
// production building in the map shop shows that building, with the buildings that make its inputs; later
// levels keep the buildings bought most recently, as far as the base map has building places. Inputs
// that no building of the level makes are offered in the storehouse, a level that brings a building asks
// for a little of its product, and its starting money pays for the bought inputs of that goal.
namespace LevelContents
{

struct Requirement
{
    int id = 0; // the good's cost id in the map shop
    int upgrade = 0;
};
// Index 0 holds level 1's requirements.
using Requirements = std::vector<std::vector<Requirement>>;

constexpr int kRopeId = 1;
constexpr int kBoyId = 133;
constexpr int kFairyId = 134;

// What a hand-written map offers a derived level.
struct BaseMap
{
    std::size_t places = 0; // building places
    bool rope = false;      // a place for the rope
};
BaseMap DescribeBase(const std::string& map);

// The hand-written map (1 to bases.size()) a level is built on: the series' own choice, unless the level
// needs a rope that map lacks or more building places than it has.
int BaseMapOf(int level, int seriesBase, const std::vector<BaseMap>& bases, const Requirements& requirements);

// The building type codes a level shows, in the order of the base map's building places.
std::vector<std::uint8_t> BuildingsOf(int level, const std::vector<std::uint8_t>& baseBuildings,
                                      const Requirements& requirements);

// The derived map text with its buildings replaced and its goods, goals and money extended.
std::string Bring(const std::string& map, int level, const Requirements& requirements);

} // namespace LevelContents
