#pragma once

#include "game/Game/FieldGeometry.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Korrin
{
class BinaryReader;
} // namespace Korrin

// The contents of a level file "levNN.lev", read field by field (little-endian) and checked against the
// file's size and the field: thieves on cells outside the field and buyers of no known kind are dropped,
// scenery records are read only as far as the file holds them, and a file too short for its grids is
// refused. Each dropped record leaves a log line.
class LevelFile
{
public:
    static constexpr std::size_t kGoalCount = 6;
    static constexpr std::size_t kDecorationLayers = 3;
    static constexpr std::size_t kTableNameBytes = 60;
    static constexpr std::uint8_t kFirstBuyerCode = 1;
    static constexpr std::uint8_t kLastBuyerCode = 14;
    // Fewer buyers than this is a fault of the level (reported by the level).
    static constexpr std::uint8_t kMinimumBuyers = 9;

    using Grid = std::array<std::uint16_t, FieldGeometry::kCellCount>;

    struct Goal
    {
        std::uint8_t code = 0; // 0: no goal
        std::uint32_t target = 0;
    };
    struct Thief
    {
        std::uint8_t minutes = 0;
        std::uint8_t seconds = 0;
        std::uint8_t I = 0;
        std::uint8_t J = 0;
    };
    struct Scenery
    {
        std::string table;
        float x = 0.0f;
        float y = 0.0f;
        std::uint8_t kind = 0;
        std::int32_t drawOrder = 0;
    };

    // False when the file is too short for its grids; the fields are then not to be used.
    bool Parse(std::span<const std::uint8_t> bytes, const std::string& name);

    std::uint8_t backgroundType = 0;
    std::uint8_t goldMinutes = 0;
    std::uint8_t goldSeconds = 0;
    std::uint8_t silverMinutes = 0;
    std::uint8_t silverSeconds = 0;
    std::int32_t money = 0;
    std::array<Goal, kGoalCount> goals{};
    std::vector<Thief> thieves;
    std::vector<std::uint8_t> storeGoods; // nonzero goods codes
    std::uint8_t buyerCount = 0;          // as the file gives it, zeros and dropped codes included
    std::vector<std::uint8_t> buyers;     // the buyer codes kept, 1 to 14
    std::array<Grid, kDecorationLayers> decorations{};
    Grid tiles{};
    Grid objects{};
    std::vector<Scenery> scenery;

private:
    // The file's parts in their order; a short file leaves the reader failed.
    void ReadHeader(Korrin::BinaryReader& in);
    void ReadThieves(Korrin::BinaryReader& in, const std::string& name);
    void ReadStoreGoods(Korrin::BinaryReader& in);
    void ReadBuyers(Korrin::BinaryReader& in, const std::string& name);
    void ReadGrids(Korrin::BinaryReader& in);
    void ReadScenery(Korrin::BinaryReader& in, const std::string& name);
};
