#pragma once

#include "platform/DeviceTexture.h"
#include "platform/GraphicsTypes.h"

#include <cstddef>
#include <cstdint>
#include <limits>

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

// The pixels a call may touch: columns [left, right) of rows [top, bottom), cut to the target.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Whole rows [top, bottom).
    static PixelRect Rows(int top, int bottom) { return {0, top, std::numeric_limits<int>::max(), bottom}; }
    bool IsEmpty() const { return left >= right || top >= bottom; }
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
// centres at whole coordinates. Every call touches only the pixels inside its clip, and a pixel's value
// never depends on where the clip lies, so bands drawn by different threads, or the changed parts of a
// frame drawn alone, give the same picture as one pass. Targets have no alpha channel: every written pixel is
// opaque.
class Rasterizer
{
public:
    static void Clear(DeviceTexture& target, std::uint32_t argb, const PixelRect& clip);

    // Triangles by index triples; an index outside the vertices skips its triangle.
    static void DrawTriangles(DeviceTexture& target, const RasterState& state, const ScreenVertex* vertices,
                              std::size_t vertexCount, const std::uint16_t* indices,
                              std::size_t triangleCount, const PixelRect& clip);

    // Lines between vertex pairs (0, 1), (2, 3) ...; the last pixel of each line is left out, so joined
    // lines do not draw their joints twice.
    static void DrawLines(DeviceTexture& target, const RasterState& state, const ScreenVertex* vertices,
                          std::size_t lineCount, const PixelRect& clip);

    // Whether linear filtering of a texture of this size over the triangle lands on texel centres at
    // every pixel (a texture copied one texel per pixel), so that point sampling gives its pixels: the
    // rule by which the spans are sampled as points here, for a device that decides per triangle.
    static bool SamplesOnTexelCentres(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                                      int textureWidth, int textureHeight);
};

} // namespace Platform
