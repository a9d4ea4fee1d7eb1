#pragma once

#include "engine/Render/NullSprite.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Korrin
{

// A drawable whose picture is a grid of vertices over one texture, each with its own position, colour
// and texture coordinates, so that the picture can bend, scroll per vertex or be drawn cell by cell.
class Mesh : public NullSprite
{
public:
    // Grids larger than this many vertices are refused as broken data.
    static constexpr std::uint32_t kMostVertices = 65536;

    // One cell of width x height pixels over the image.
    Mesh(const std::string& image, std::uint16_t width, std::uint16_t height);
    // From the named table of a script file.
    Mesh(const std::string& table, const std::string& file);
    ~Mesh() override;

    void SetColour(float red, float green, float blue, float alpha) override;
    void SetColourV(const Colour& colour) override;

    void Load(const LuaValue& table);
    void BuildGrid();
    void SetTextureRect(int x1, int y1, int x2, int y2);
    void OffsetVertexUV(std::uint16_t row, std::uint16_t column, float du, float dv);
    // One quad per cell of the first rows x columns cells, placed at (x, y).
    void DrawCells(int x, int y, std::uint16_t columns, std::uint16_t rows);

    std::uint16_t GetVertexColumns() const { return mColumns; }
    std::uint16_t GetVertexRows() const { return mRows; }
    float GetCellWidth() const { return mCellWidth; }
    float GetCellHeight() const { return mCellHeight; }
    std::size_t GetVertexCount() const { return mGrid.size(); }
    Vertex& GridVertex(std::uint16_t row, std::uint16_t column)
    {
        return mGrid[static_cast<std::size_t>(row) * mColumns + column];
    }

protected:
    Mesh();

    std::vector<Vertex> mGrid;
    std::uint16_t mColumns = 2;
    std::uint16_t mRows = 2;
    float mCellWidth = 0.0f;
    float mCellHeight = 0.0f;
};

} // namespace Korrin
