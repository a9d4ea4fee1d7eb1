#include "platform/Matrix4.h"

namespace Platform
{

Matrix4 Matrix4::Identity()
{
    return Scaling(1.0f, 1.0f, 1.0f);
}

Matrix4 Matrix4::Scaling(float x, float y, float z)
{
    Matrix4 result;
    result.m[0][0] = x;
    result.m[1][1] = y;
    result.m[2][2] = z;
    result.m[3][3] = 1.0f;
    return result;
}

Matrix4 Matrix4::Translation(float x, float y, float z)
{
    Matrix4 result = Identity();
    result.m[3][0] = x;
    result.m[3][1] = y;
    result.m[3][2] = z;
    return result;
}

Matrix4 Matrix4::OrthoOffCenterLH(float left, float right, float bottom, float top, float zNear, float zFar)
{
    Matrix4 result;
    result.m[0][0] = 2.0f / (right - left);
    result.m[1][1] = 2.0f / (top - bottom);
    result.m[2][2] = 1.0f / (zFar - zNear);
    result.m[3][0] = (left + right) / (left - right);
    result.m[3][1] = (top + bottom) / (bottom - top);
    result.m[3][2] = zNear / (zNear - zFar);
    result.m[3][3] = 1.0f;
    return result;
}

Matrix4 Matrix4::operator*(const Matrix4& other) const
{
    Matrix4 result;
    for (int row = 0; row < 4; ++row)
    {
        for (int column = 0; column < 4; ++column)
        {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
            {
                sum += m[row][k] * other.m[k][column];
            }
            result.m[row][column] = sum;
        }
    }
    return result;
}

} // namespace Platform
