#include "game/Util/RotateMesh.h"

#include "engine/Render/Mesh.h"

#include <cmath>
#include <cstdint>

void RotateMesh(Korrin::Mesh& mesh, float time, float speed, float pivotX, float pivotY)
{
    const std::uint16_t columns = mesh.GetVertexColumns();
    const std::uint16_t rows = mesh.GetVertexRows();
    if (mesh.GetVertexCount() == 0 || columns < 2 || rows < 2)
    {
        return;
    }
    const Korrin::Rect& source = mesh.GetSrcRect();
    const float width = source.right - source.left;
    const float height = source.bottom - source.top;
    // Turned in texture pixels, so that a picture that is not square keeps its shape.
    const float centreX = source.left + pivotX * width;
    const float centreY = source.top + pivotY * height;
    const float angle = time * speed;
    const float cosine = std::cos(angle);
    const float sine = std::sin(angle);
    const float textureWidth = mesh.GetTextureWidth();
    const float textureHeight = mesh.GetTextureHeight();
    for (std::uint16_t row = 0; row < rows; ++row)
    {
        for (std::uint16_t column = 0; column < columns; ++column)
        {
            const float x =
                source.left + static_cast<float>(column) * width / static_cast<float>(columns - 1);
            const float y = source.top + static_cast<float>(row) * height / static_cast<float>(rows - 1);
            const float dx = x - centreX;
            const float dy = y - centreY;
            Korrin::Vertex& vertex = mesh.GridVertex(row, column);
            vertex.u = (centreX + dx * cosine - dy * sine) / textureWidth;
            vertex.v = (centreY + dx * sine + dy * cosine) / textureHeight;
        }
    }
}
