#include "platform/SpanKernels.h"

#include "platform/DeviceTexture.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace
{

using Platform::BlendFactor;
using Platform::DeviceTexture;
using Platform::RasterState;
using Platform::Span;
using Platform::SpanColours;
using Platform::SpanFunction;
using Platform::SpanFunctions;
using Platform::SpanInstructions;
using Platform::SpanKernels;
using Platform::TextureAddress;
using Platform::TextureFilter;
using Platform::TextureUsage;
using Platform::TextureView;
using ::testing::Test;

// Texels in runs of one alpha (0, 255 or any), so that the loops' shortcuts for whole groups of
// transparent or opaque texels are taken as well as the blends.
void FillTexels(DeviceTexture& texture, std::mt19937& random)
{
    std::uint32_t alpha = 0;
    for (int y = 0; y < texture.Height(); ++y)
    {
        for (int x = 0; x < texture.Width(); ++x)
        {
            if (random() % 11 == 0)
            {
                const std::uint32_t kinds[3] = {0u, 255u, 256u};
                alpha = kinds[random() % 3];
            }
            const std::uint32_t a = alpha == 256u ? random() % 256 : alpha;
            texture.Row(y)[x] = (a << 24) | (random() & 0x00FFFFFFu);
        }
    }
}

TextureView ViewOf(const DeviceTexture& texture)
{
    return {texture.Row(0),   texture.PitchPixels(), texture.Width(),
            texture.Height(), texture.WrapMaskX(),   texture.WrapMaskY()};
}

struct SpanCase
{
    const char* name;
    std::int64_t s;
    std::int64_t t;
    std::int64_t ds;
    std::int64_t dt;
    int count;
};

// Spans of each kernel's kind: along a row one texel a pixel from a texel centre (what the contiguous
// kernels take), along a row at other steps and offsets, and across rows; counts past the loops' widths
// with tails.
const SpanCase kRowSpans[] = {
    {"row on centres", 3 << 16, 5 << 16, 65536, 0, 45},
    {"row a texel a pixel off centre", (3 << 16) + 0x5A00, (5 << 16) + 0x8000, 65536, 0, 43},
    {"row a hair short of a texel", (1 << 16) + 0x1200, 7 << 16, 65535, 0, 52},
    {"row scaled down", 2 << 16, (9 << 16) + 0x3300, 93000, 0, 29},
    {"row scaled up", (10 << 16) + 0x7700, 2 << 16, 41000, 0, 60},
    {"row mirrored", (40 << 16) + 0x2000, 4 << 16, -65536, 0, 37},
    {"row past the edges", -(6 << 16), 30 << 16, 70000, 0, 61},
};
// The same and spans across rows, as a turned picture draws.
const SpanCase kAllSpans[] = {
    kRowSpans[0],
    kRowSpans[1],
    kRowSpans[2],
    kRowSpans[3],
    kRowSpans[4],
    kRowSpans[5],
    kRowSpans[6],
    {"turned", (5 << 16) + 0x1100, (3 << 16) + 0x2200, 60000, 23000, 47},
    {"turned backwards", (50 << 16) + 0x4000, (20 << 16) + 0x0800, -50000, -17000, 33},
};

std::string Describe(const RasterState& state, SpanColours colours, const char* kernel, const char* span)
{
    return std::string(kernel) + ", " + span + ": blend " + (state.blendEnabled ? "on" : "off") + " factor " +
           std::to_string(static_cast<int>(state.destinationBlend)) + ", filter " +
           std::to_string(static_cast<int>(state.filter)) + ", address " +
           std::to_string(static_cast<int>(state.address)) + ", alpha reference " +
           std::to_string(state.alphaTest ? state.alphaReference : 0) + ", colours " +
           std::to_string(static_cast<int>(colours));
}

Span MakeSpan(const SpanCase& spanCase, int reference)
{
    Span span;
    span.count = spanCase.count;
    span.s = spanCase.s;
    span.t = spanCase.t;
    span.ds = spanCase.ds;
    span.dt = spanCase.dt;
    span.colour = 0xC080FF40u;
    const std::int64_t channels[4] = {200 << 16, 30 << 16, 250 << 16, 90 << 16};
    const std::int64_t steps[4] = {-70000, 90000, -20000, 45000};
    for (int c = 0; c < 4; ++c)
    {
        span.channel[c] = channels[c];
        span.channelStep[c] = steps[c];
    }
    span.alphaReference = static_cast<std::uint8_t>(reference);
    return span;
}

// Every raster state a texture can be drawn with: blends, filters, addressing and alpha references.
std::vector<RasterState> StatesOf(const DeviceTexture& texture)
{
    struct Blend
    {
        bool enabled;
        BlendFactor factor;
    };
    const Blend blends[] = {{false, BlendFactor::InverseSourceAlpha},
                            {true, BlendFactor::InverseSourceAlpha},
                            {true, BlendFactor::InverseSourceColour},
                            {true, BlendFactor::One}};
    std::vector<RasterState> states;
    for (const Blend& blend : blends)
    {
        for (TextureFilter filter : {TextureFilter::Point, TextureFilter::Linear})
        {
            for (TextureAddress address : {TextureAddress::Wrap, TextureAddress::Clamp})
            {
                for (int reference : {0, 1, 128})
                {
                    RasterState state;
                    state.texture = &texture;
                    state.blendEnabled = blend.enabled;
                    state.destinationBlend = blend.factor;
                    state.filter = filter;
                    state.address = address;
                    state.alphaTest = reference != 0;
                    state.alphaReference = static_cast<std::uint8_t>(reference);
                    states.push_back(state);
                }
            }
        }
    }
    return states;
}

struct Kernel
{
    const char* name;
    SpanFunction baseline;
    SpanFunction avx2;
    const SpanCase* spansBegin;
    const SpanCase* spansEnd;
};

// Each kernel with the spans it is given: the contiguous ones only spans inside one row on centres.
std::vector<Kernel> KernelsOf(const SpanFunctions& baseline, const SpanFunctions& avx2)
{
    const SpanCase* rows = std::begin(kRowSpans);
    return {
        {"main", baseline.main, avx2.main, std::begin(kAllSpans), std::end(kAllSpans)},
        {"on texel centres", baseline.onTexelCentres, avx2.onTexelCentres, std::begin(kAllSpans),
         std::end(kAllSpans)},
        {"row", baseline.row, avx2.row, rows, std::end(kRowSpans)},
        {"row on texel centres", baseline.rowOnTexelCentres, avx2.rowOnTexelCentres, rows,
         std::end(kRowSpans)},
        {"contiguous", baseline.contiguous, avx2.contiguous, rows, rows + 1},
    };
}

void ExpectSamePixels(const RasterState& state, SpanColours colours, const std::vector<std::uint32_t>& start)
{
    SpanFunctions baseline;
    SpanFunctions avx2;
    ASSERT_TRUE(SpanKernels::SelectWith(SpanInstructions::Baseline, state, colours, baseline));
    ASSERT_TRUE(SpanKernels::SelectWith(SpanInstructions::Avx2, state, colours, avx2));
    const TextureView texture = ViewOf(*state.texture);
    for (const Kernel& kernel : KernelsOf(baseline, avx2))
    {
        ASSERT_EQ(kernel.baseline == nullptr, kernel.avx2 == nullptr) << kernel.name;
        if (kernel.baseline == nullptr)
        {
            continue;
        }
        for (const SpanCase* spanCase = kernel.spansBegin; spanCase != kernel.spansEnd; ++spanCase)
        {
            std::vector<std::uint32_t> fromBaseline = start;
            std::vector<std::uint32_t> fromAvx2 = start;
            Span span = MakeSpan(*spanCase, state.alphaTest ? state.alphaReference : 0);
            span.dest = fromBaseline.data() + 3;
            kernel.baseline(span, texture);
            span.dest = fromAvx2.data() + 3;
            kernel.avx2(span, texture);
            ASSERT_EQ(fromBaseline, fromAvx2) << Describe(state, colours, kernel.name, spanCase->name);
        }
    }
}

// The loops built for AVX2 draw every pixel as the baseline loops do, for every kernel a state can take.
TEST(SpanKernelsTest, EveryInstructionSetDrawsTheSamePixels)
{
    SpanFunctions unused;
    if (!SpanKernels::SelectWith(SpanInstructions::Avx2, RasterState{}, SpanColours::White, unused))
    {
        GTEST_SKIP() << "this build or processor has no AVX2 loops";
    }
    std::mt19937 random(42);
    DeviceTexture picture(64, 32, TextureUsage::Plain); // wraps by masks
    DeviceTexture odd(50, 27, TextureUsage::Plain);     // wraps by division
    DeviceTexture target(64, 32, TextureUsage::RenderTarget);
    std::vector<std::uint32_t> start(80);
    for (std::uint32_t& pixel : start)
    {
        pixel = 0xFF000000u | (random() & 0x00FFFFFFu);
    }
    for (DeviceTexture* texture : {&picture, &odd, &target})
    {
        FillTexels(*texture, random);
        for (const RasterState& state : StatesOf(*texture))
        {
            for (SpanColours colours : {SpanColours::White, SpanColours::Constant, SpanColours::Gradient})
            {
                ExpectSamePixels(state, colours, start);
                ASSERT_FALSE(Test::HasFatalFailure());
            }
        }
    }
}

} // namespace
