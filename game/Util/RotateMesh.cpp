#include "game/Util/RotateMesh.h"

#include "engine/Render/Mesh.h"

#include <cmath>
#include <cstdint>

void RotateMesh(Korrin::Mesh& mesh, float time, float speed, float pivotX, float pivotY)
{
    const std::uint16_t columns = mesh.GetVertexColumns();
    const std::uint16_t rows = mesh.GetVertexRows();
    const float textureWidth = mesh.GetTextureWidth();
    const float textureHeight = mesh.GetTextureHeight();
    if (mesh.GetVertexCount() == 0 || columns < 2 || rows < 2 || textureWidth <= 0.0f ||
        textureHeight <= 0.0f)
    {
        return;
    }
    const Korrin::Rect& source = mesh.GetSrcRect();
    // Turned in texture pixels, so that a picture that is not square keeps its shape.
    const float centreX = source.left + pivotX * (source.right - source.left);
    const float centreY = source.top + pivotY * (source.bottom - source.top);
    const float angle = time * speed;
    const float cosine = std::cos(angle);
    const float sine = std::sin(angle);
    for (std::uint16_t row = 0; row < rows; ++row)
    {
        for (std::uint16_t column = 0; column < columns; ++column)
        {
            Korrin::Vertex& vertex = mesh.GridVertex(row, column);
            const float dx = vertex.u * textureWidth - centreX;
            const float dy = vertex.v * textureHeight - centreY;
            vertex.u = (centreX + dx * cosine - dy * sine) / textureWidth;
            vertex.v = (centreY + dx * sine + dy * cosine) / textureHeight;
        }
    }
}
