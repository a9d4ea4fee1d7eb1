#pragma once

namespace Korrin
{
class Mesh;
} // namespace Korrin

// Turns the texture inside a mesh's fixed grid, as for a turning wheel: every grid vertex's texture
// coordinates turn further by time x speed radians about a pivot given as fractions (0..1) of the mesh's
// source rectangle. Callers pass the frame's dt, so the turns of successive calls add up.
void RotateMesh(Korrin::Mesh& mesh, float time, float speed, float pivotX, float pivotY);
