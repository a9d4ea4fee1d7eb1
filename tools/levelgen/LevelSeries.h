#pragma once

#include <filesystem>
#include <string>

// The designed levels from 4 to 67: each is one of the hand-drawn fields of "fields/fieldNN.map" with
// what the series table "series.txt" sets for it (money, goals, times, buyers, thieves, storehouse goods
// and the contents of the field's lots and beds). Before writing anything the series is checked against
// the world map's requirements and the price tables: every goal can be made, no money goal is met at the
// start, each building comes when the map shop brings it, and a player who wins every level with a silver
// cup can pay for each requirement when it falls due. Levels 1 to 3 keep their own maps.
namespace LevelSeries
{

constexpr int kFirstDesigned = 4;
constexpr int kLastLevel = 67;

bool WriteAll(const std::filesystem::path& maps, const std::filesystem::path& output);

// The series as a Markdown table (level, field, goals, what is new, the automatic player's clock, gold
// and silver); empty with a message on standard error when the series does not read.
std::string Table(const std::filesystem::path& maps);

} // namespace LevelSeries
