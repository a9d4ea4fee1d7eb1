#pragma once

#include "platform/DeviceTexture.h"
#include "platform/GraphicsTypes.h"

#include <cstddef>
#include <cstdint>

namespace Platform
{

// A vertex after the transforms: in target pixels, with pixel centres at whole coordinates.
struct ScreenVertex
{
    double x = 0.0;
    double y = 0.0;
    double u = 0.0;
    double v = 0.0;
    std::uint32_t colour = 0;
};

// The device states a draw depends on.
struct RasterState
{
    const DeviceTexture* texture = nullptr;
    TextureFilter filter = TextureFilter::Linear;
    TextureAddress address = TextureAddress::Wrap;
    bool blendEnabled = true;
    BlendFactor destinationBlend = BlendFactor::InverseSourceAlpha;
    bool alphaTest = true;
    std::uint8_t alphaReference = 1;
};

// The software rasterizer: texel times vertex colour, alpha test, blending with the source factor
// source alpha, point and linear filtering, wrap and clamp addressing, the top-left fill rule with pixel
// centres at whole coordinates. Every call touches only the rows [rowBegin, rowEnd) of the target, and a
// pixel's value never depends on where those bounds lie, so bands drawn by different threads give the
// same picture as one pass. Targets have no alpha channel: every written pixel is opaque.
class Rasterizer
{
public:
    static void Clear(DeviceTexture& target, std::uint32_t argb, int rowBegin, int rowEnd);

    // Triangles by index triples; an index outside the vertices skips its triangle.
    static void DrawTriangles(DeviceTexture& target, const RasterState& state, const ScreenVertex* vertices,
                              std::size_t vertexCount, const std::uint16_t* indices,
                              std::size_t triangleCount, int rowBegin, int rowEnd);

    // Lines between vertex pairs (0, 1), (2, 3) ...; the last pixel of each line is left out, so joined
    // lines do not draw their joints twice.
    static void DrawLines(DeviceTexture& target, const RasterState& state, const ScreenVertex* vertices,
                          std::size_t lineCount, int rowBegin, int rowEnd);

    // Whether linear filtering of a texture of this size over the triangle lands on texel centres at
    // every pixel (a texture copied one texel per pixel), so that point sampling gives its pixels: the
    // rule by which the spans are sampled as points here, for a device that decides per triangle.
    static bool SamplesOnTexelCentres(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                                      int textureWidth, int textureHeight);
};

} // namespace Platform
