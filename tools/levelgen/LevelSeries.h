#pragma once

#include <filesystem>

// The levels that have no map of their own: each is one of the hand-written maps with its header
// values (backdrop, times, money, goals) taken from the series' table and the buildings, goods and goals
// that the world map's requirements bring (LevelContents), so that every level from 1 to 67 has a level
// file. A level whose "levNN.map" exists is left to that map.
namespace LevelSeries
{

constexpr int kFirstDerived = 4;
constexpr int kLastLevel = 67;

bool WriteAll(const std::filesystem::path& maps, const std::filesystem::path& output);

} // namespace LevelSeries
