#pragma once

#include <cstdint>

// The shape of the game field, shared by the field, the entities, the characters and the rope: 16 columns
// (I) of 64 pixels, 26 rows (J) of 24 pixels, cell (0, 0) at (0, 40) on the virtual screen.
struct FieldGeometry
{
    static constexpr std::int32_t kColumns = 16;
    static constexpr std::int32_t kRows = 26;
    static constexpr std::int32_t kCellCount = kColumns * kRows;
    static constexpr float kCellWidth = 64.0f;
    static constexpr float kCellHeight = 24.0f;
    static constexpr float kOriginX = 0.0f;
    static constexpr float kOriginY = 40.0f;

    static constexpr bool IsInside(std::int32_t i, std::int32_t j)
    {
        return i >= 0 && j >= 0 && i < kColumns && j < kRows;
    }
    // Layers are stored column by column: index I x 26 + J.
    static constexpr std::int32_t Index(std::int32_t i, std::int32_t j) { return i * kRows + j; }
    static constexpr float CellX(std::int32_t i) { return static_cast<float>(i) * kCellWidth + kOriginX; }
    static constexpr float CellY(std::int32_t j) { return static_cast<float>(j) * kCellHeight + kOriginY; }
};
