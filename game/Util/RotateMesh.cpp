#include "game/Util/RotateMesh.h"

#include "engine/Render/Mesh.h"

#include <cmath>
#include <cstdint>

void RotateMesh(Korrin::Mesh& mesh, float time, float speed, float pivotX, float pivotY)
{
    const std::uint16_t columns = mesh.GetVertexColumns();
    const std::uint16_t rows = mesh.GetVertexRows();
    const double textureWidth = mesh.GetTextureWidth();
    const double textureHeight = mesh.GetTextureHeight();
    if (mesh.GetVertexCount() == 0 || columns < 2 || rows < 2 || textureWidth <= 0.0 || textureHeight <= 0.0)
    {
        return;
    }
    const Korrin::Rect& source = mesh.GetSrcRect();
    // Turned in texture pixels, so that a picture that is not square keeps its shape.
    const double centreX =
        static_cast<double>(source.left) + static_cast<double>(pivotX * (source.right - source.left));
    const double centreY =
        static_cast<double>(source.top) + static_cast<double>(pivotY * (source.bottom - source.top));
    // In double: the same small turn, frame after frame, would otherwise let the picture grow or shrink.
    const double angle = static_cast<double>(time) * static_cast<double>(speed);
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    for (std::uint16_t row = 0; row < rows; ++row)
    {
        for (std::uint16_t column = 0; column < columns; ++column)
        {
            Korrin::Vertex& vertex = mesh.GridVertex(row, column);
            const double dx = static_cast<double>(vertex.u) * textureWidth - centreX;
            const double dy = static_cast<double>(vertex.v) * textureHeight - centreY;
            vertex.u = static_cast<float>((centreX + dx * cosine - dy * sine) / textureWidth);
            vertex.v = static_cast<float>((centreY + dx * sine + dy * cosine) / textureHeight);
        }
    }
}
