#pragma once

namespace Platform
{

// A 4 x 4 matrix for row vectors (v' = v x M), as the device's transforms take them.
struct Matrix4
{
    float m[4][4] = {};

    static Matrix4 Identity();
    static Matrix4 Scaling(float x, float y, float z);
    static Matrix4 Translation(float x, float y, float z);
    // Orthographic projection of the box [left, right] x [bottom, top] x [zNear, zFar], left-handed.
    static Matrix4 OrthoOffCenterLH(float left, float right, float bottom, float top, float zNear,
                                    float zFar);

    Matrix4 operator*(const Matrix4& other) const;
    bool operator==(const Matrix4&) const = default;
};

} // namespace Platform
