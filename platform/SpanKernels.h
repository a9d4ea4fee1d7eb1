#pragma once

#include "platform/Rasterizer.h"

#include <cstdint>

namespace Platform
{

// How the vertex colours of a primitive vary.
enum class SpanColours
{
    White,    // every vertex opaque white: the texel stands as it is
    Constant, // one colour for the whole primitive
    Gradient, // colours interpolated across the primitive
};

// The texture a span samples: its pixels, row pitch in pixels, size and wrap masks (see DeviceTexture).
struct TextureView
{
    const std::uint32_t* pixels = nullptr;
    int pitch = 0;
    int width = 1;
    int height = 1;
    int maskX = 0;
    int maskY = 0;
};

// One run of pixels on one row, with the attributes at its first pixel and their steps.
struct Span
{
    std::uint32_t* dest = nullptr;
    int count = 0;
    std::int64_t s = 0;
    std::int64_t t = 0;
    std::int64_t ds = 0;
    std::int64_t dt = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
    std::int64_t channel[4] = {}; // a, r, g, b in 16.16
    std::int64_t channelStep[4] = {};
    std::uint8_t alphaReference = 0; // 0 when the alpha test is off
};

using SpanFunction = void (*)(const Span&, const TextureView&);

// The span kernels of one primitive: the general one, and faster ones for the spans they fit (null
// where they do not apply). Every kernel computes texel times colour, the alpha test and the blend as
// the device rules say; the fast ones give the same pixels as the general one would, except that linear
// filtering along a row blends down before across (see SpanKernels.cpp).
struct SpanFunctions
{
    SpanFunction main = nullptr;
    // Linear filtering only: the point-sampling twin, for spans that sit on texel centres.
    SpanFunction onTexelCentres = nullptr;
    // White vertices only: spans along one texel row (dt 0).
    SpanFunction row = nullptr;
    SpanFunction rowOnTexelCentres = nullptr;
    // White or one-coloured vertices, blended alpha or add with no alpha test to speak of (or, white,
    // replacing with every texel passing): spans that read one texture row texel by texel.
    SpanFunction contiguous = nullptr;
};

// The instruction sets the pixel loops are built for.
enum class SpanInstructions
{
    Baseline,
    Avx2, // x86-64 builds, taken where the processor has it
};

// The pixel loops of the rasterizer, chosen once per primitive.
class SpanKernels
{
public:
    // With the best instruction set of the processor.
    static SpanFunctions Select(const RasterState& state, SpanColours colours);
    // With the given one; false when this build or this processor lacks it.
    static bool SelectWith(SpanInstructions instructions, const RasterState& state, SpanColours colours,
                           SpanFunctions& out);
};

#if defined(WF_SPAN_KERNELS_AVX2)
namespace SpanKernelsAvx2
{
// The same loops compiled for AVX2: only for a processor that has it.
SpanFunctions Select(const RasterState& state, SpanColours colours);
} // namespace SpanKernelsAvx2
#endif

} // namespace Platform
