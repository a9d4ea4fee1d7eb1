#include "engine/Render/Mesh.h"

#include "engine/Log/LogManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Script/LuaValue.h"
#include "engine/Util/CheckedInteger.h"

#include <algorithm>

namespace Korrin
{

namespace
{

std::uint16_t GridSide(float value)
{
    return std::max<std::uint16_t>(CheckedInteger<std::uint16_t>(value), 2);
}

} // namespace

Mesh::Mesh() = default;

Mesh::Mesh(const std::string& image, std::uint16_t width, std::uint16_t height)
{
    LoadImage(image);
    mCellWidth = static_cast<float>(width / (mColumns - 1));
    mCellHeight = static_cast<float>(height / (mRows - 1));
    BuildGrid();
}

Mesh::Mesh(const std::string& table, const std::string& file)
{
    LuaScript script;
    script.LoadFile(file, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());
    if (const LuaValue global = script.GetGlobal(table.c_str()); global.IsTable())
    {
        Load(global);
    }
}

Mesh::~Mesh() = default;

void Mesh::SetColour(float red, float green, float blue, float alpha)
{
    SetColourV(Colour{red, green, blue, alpha});
}

void Mesh::SetColourV(const Colour& colour)
{
    mColour = colour;
    const std::uint32_t packed = colour.ToARGB();
    for (Vertex& vertex : mGrid)
    {
        vertex.colour = packed;
    }
}

void Mesh::Load(const LuaValue& table)
{
    LuaStackGuard guard(table.GetState());
    if (const LuaValue image = table.GetField("Image"); image.IsString())
    {
        LoadImage(image.ToString());
    }
    float position[2] = {};
    if (ReadNumbers(table.GetField("Pos"), position, 2))
    {
        mPosition = Vector2{position[0], position[1]};
    }
    mColumns = 2;
    mRows = 2;
    float cells[2] = {};
    if (ReadNumbers(table.GetField("NumsCell"), cells, 2))
    {
        mColumns = GridSide(cells[0]);
        mRows = GridSide(cells[1]);
        if (static_cast<std::uint32_t>(mColumns) * mRows > kMostVertices)
        {
            LogManager::GetInstance()->Write("Mesh::Load: a grid of %u x %u vertices is too large", mColumns,
                                             mRows);
            mColumns = 2;
            mRows = 2;
        }
    }
    float size[2] = {};
    if (ReadNumbers(table.GetField("MeshSize"), size, 2))
    {
        mCellWidth = size[0] / static_cast<float>(mColumns);
        mCellHeight = size[1] / static_cast<float>(mRows);
    }
    BuildGrid();
    float source[4] = {};
    if (ReadNumbers(table.GetField("SrcRect"), source, 4))
    {
        SetTextureRect(CheckedInteger<int>(source[0]), CheckedInteger<int>(source[1]),
                       CheckedInteger<int>(source[2]), CheckedInteger<int>(source[3]));
    }
}

void Mesh::BuildGrid()
{
    mColumns = std::max<std::uint16_t>(mColumns, 2);
    mRows = std::max<std::uint16_t>(mRows, 2);
    mGrid.assign(static_cast<std::size_t>(mColumns) * mRows, Vertex{});
    float sourceWidth = mSrcRect.right - mSrcRect.left;
    float sourceHeight = mSrcRect.bottom - mSrcRect.top;
    sourceWidth = sourceWidth == 0.0f ? 1.0f : sourceWidth;
    sourceHeight = sourceHeight == 0.0f ? 1.0f : sourceHeight;
    for (std::uint16_t row = 0; row < mRows; ++row)
    {
        for (std::uint16_t column = 0; column < mColumns; ++column)
        {
            const float x = mCellWidth * static_cast<float>(column);
            const float y = mCellHeight * static_cast<float>(row);
            GridVertex(row, column) = Vertex{x,
                                             y,
                                             0.5f,
                                             0xFFFFFFFFu,
                                             (mSrcRect.left + x) / sourceWidth,
                                             (mSrcRect.top + y) / sourceHeight};
        }
    }
}

void Mesh::SetTextureRect(int x1, int y1, int x2, int y2)
{
    if (mGrid.empty())
    {
        return;
    }
    mSrcRect =
        Rect{static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2)};
    const float width = mTextureWidth;
    const float height = mTextureHeight;
    const float stepX = static_cast<float>(x2 - x1) / static_cast<float>(mColumns - 1);
    const float stepY = static_cast<float>(y2 - y1) / static_cast<float>(mRows - 1);
    for (std::uint16_t row = 0; row < mRows; ++row)
    {
        for (std::uint16_t column = 0; column < mColumns; ++column)
        {
            Vertex& vertex = GridVertex(row, column);
            vertex.u = (static_cast<float>(x1) + static_cast<float>(column) * stepX) / width;
            vertex.v = (static_cast<float>(y1) + static_cast<float>(row) * stepY) / height;
        }
    }
}

void Mesh::OffsetVertexUV(std::uint16_t row, std::uint16_t column, float du, float dv)
{
    if (mGrid.empty() || row >= mRows || column >= mColumns)
    {
        return;
    }
    Vertex& vertex = GridVertex(row, column);
    vertex.u += du;
    vertex.v += dv;
}

void Mesh::DrawCells(int x, int y, std::uint16_t columns, std::uint16_t rows)
{
    if (mGrid.empty())
    {
        return;
    }
    columns = std::min<std::uint16_t>(columns, static_cast<std::uint16_t>(mColumns - 1));
    rows = std::min<std::uint16_t>(rows, static_cast<std::uint16_t>(mRows - 1));
    const float offsetX = static_cast<float>(x);
    const float offsetY = static_cast<float>(y);
    for (std::uint16_t row = 0; row < rows; ++row)
    {
        for (std::uint16_t column = 0; column < columns; ++column)
        {
            const Vertex* corners[4] = {
                &GridVertex(row, column), &GridVertex(row, static_cast<std::uint16_t>(column + 1)),
                &GridVertex(static_cast<std::uint16_t>(row + 1), static_cast<std::uint16_t>(column + 1)),
                &GridVertex(static_cast<std::uint16_t>(row + 1), column)};
            for (std::size_t i = 0; i < 4; ++i)
            {
                mVertices[i] = *corners[i];
                mVertices[i].x += offsetX;
                mVertices[i].y += offsetY;
            }
            Submit();
        }
    }
}

} // namespace Korrin
