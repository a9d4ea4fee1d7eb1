#pragma once

namespace Korrin
{
class Mesh;
} // namespace Korrin

// Turns the texture inside a mesh's fixed grid, as for a turning wheel: every grid vertex's texture
// coordinates rotate by time x speed radians about a pivot given as fractions (0..1) of the mesh's
// source rectangle. The turn is measured from the source rectangle, so calls do not add up.
void RotateMesh(Korrin::Mesh& mesh, float time, float speed, float pivotX, float pivotY);
