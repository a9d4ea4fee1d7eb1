#pragma once

// The rasterizer's pixel loops. Texel coordinates and colours step along a span in 16.16 fixed point and
// every channel is blended in integers, so the pictures are the same on every machine and build, and
// with any instruction set these loops are compiled for (see SpanKernels.cpp).
//
// Everything here lies in an unnamed namespace: each file that includes it has its own copy, compiled
// for its own instruction set.
#include "platform/SpanKernels.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Platform
{

namespace
{

enum class Sampler
{
    None, // no texture: the texel is opaque white
    Point,
    Linear,
};

enum class Blend
{
    Replace, // blending off
    Alpha,
    InverseColour,
    Add,
};

#define WF_ALWAYS_INLINE inline __attribute__((always_inline))

template <TextureAddress Address>
WF_ALWAYS_INLINE int AddressCoordinate(int coordinate, int size, int mask)
{
    if constexpr (Address == TextureAddress::Clamp)
    {
        return coordinate < 0 ? 0 : (coordinate >= size ? size - 1 : coordinate);
    }
    else
    {
        if (mask != 0)
        {
            return coordinate & mask;
        }
        if (static_cast<unsigned>(coordinate) < static_cast<unsigned>(size))
        {
            return coordinate;
        }
        const int wrapped = coordinate % size;
        return wrapped < 0 ? wrapped + size : wrapped;
    }
}

// a x (256 - weight) + b x weight, per channel, for a weight of 0 to 256.
WF_ALWAYS_INLINE std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t weight)
{
    const std::uint32_t inverse = 256 - weight;
    const std::uint32_t redBlue =
        (((a & 0x00FF00FFu) * inverse + (b & 0x00FF00FFu) * weight) >> 8) & 0x00FF00FFu;
    const std::uint32_t alphaGreen =
        (((a >> 8) & 0x00FF00FFu) * inverse + ((b >> 8) & 0x00FF00FFu) * weight) & 0xFF00FF00u;
    return redBlue | alphaGreen;
}

// The four texels one pixel samples linearly (top-left, top-right, bottom-left, bottom-right), each
// addressed by the sampler's rule.
template <TextureAddress Address>
WF_ALWAYS_INLINE void AddressedTexels(const TextureView& texture, std::int64_t s, std::int64_t t,
                                      std::uint32_t texels[4])
{
    const int x0 = static_cast<int>(s >> 16);
    const int y0 = static_cast<int>(t >> 16);
    const int xa = AddressCoordinate<Address>(x0, texture.width, texture.maskX);
    const int xb = AddressCoordinate<Address>(x0 + 1, texture.width, texture.maskX);
    const int ya = AddressCoordinate<Address>(y0, texture.height, texture.maskY);
    const int yb = AddressCoordinate<Address>(y0 + 1, texture.height, texture.maskY);
    const std::uint32_t* rowA = texture.pixels + static_cast<std::ptrdiff_t>(ya) * texture.pitch;
    const std::uint32_t* rowB = texture.pixels + static_cast<std::ptrdiff_t>(yb) * texture.pitch;
    texels[0] = rowA[xa];
    texels[1] = rowA[xb];
    texels[2] = rowB[xa];
    texels[3] = rowB[xb];
}

template <Sampler Kind, TextureAddress Address>
WF_ALWAYS_INLINE std::uint32_t Sample(const TextureView& texture, std::int64_t s, std::int64_t t)
{
    if constexpr (Kind == Sampler::None)
    {
        return 0xFFFFFFFFu;
    }
    else if constexpr (Kind == Sampler::Point)
    {
        const int x = AddressCoordinate<Address>(static_cast<int>(s >> 16), texture.width, texture.maskX);
        const int y = AddressCoordinate<Address>(static_cast<int>(t >> 16), texture.height, texture.maskY);
        return texture.pixels[static_cast<std::ptrdiff_t>(y) * texture.pitch + x];
    }
    else
    {
        std::uint32_t texels[4];
        AddressedTexels<Address>(texture, s, t, texels);
        const std::uint32_t fx = static_cast<std::uint32_t>((s >> 8) & 0xFF);
        const std::uint32_t fy = static_cast<std::uint32_t>((t >> 8) & 0xFF);
        const std::uint32_t top = Lerp(texels[0], texels[1], fx);
        const std::uint32_t bottom = Lerp(texels[2], texels[3], fx);
        return Lerp(top, bottom, fy);
    }
}

WF_ALWAYS_INLINE std::uint32_t Channel(std::uint32_t argb, int shift)
{
    return (argb >> shift) & 0xFFu;
}

// Texel times colour per channel; 255 leaves a channel as it is, 0 clears it.
WF_ALWAYS_INLINE std::uint32_t Modulate(std::uint32_t texel, std::uint32_t colour)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8)
    {
        result |= ((Channel(texel, shift) * (Channel(colour, shift) + 1)) >> 8) << shift;
    }
    return result;
}

inline std::uint32_t SaturatedChannel(std::uint32_t value)
{
    return value > 255 ? 255 : value;
}

template <Blend Mode>
WF_ALWAYS_INLINE std::uint32_t BlendPixel(std::uint32_t source, std::uint32_t destination)
{
    const std::uint32_t alpha = source >> 24;
    const std::uint32_t weight = alpha + (alpha >> 7); // 0 to 256
    if constexpr (Mode == Blend::Replace)
    {
        return source | 0xFF000000u;
    }
    else if constexpr (Mode == Blend::Alpha)
    {
        return Lerp(destination, source, weight) | 0xFF000000u;
    }
    else if constexpr (Mode == Blend::Add)
    {
        std::uint32_t result = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8)
        {
            const std::uint32_t value =
                Channel(destination, shift) + ((Channel(source, shift) * weight) >> 8);
            result |= SaturatedChannel(value) << shift;
        }
        return result;
    }
    else
    {
        std::uint32_t result = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8)
        {
            const std::uint32_t sourceChannel = Channel(source, shift);
            const std::uint32_t inverse = 256 - (sourceChannel + (sourceChannel >> 7));
            const std::uint32_t value =
                ((sourceChannel * weight) >> 8) + ((Channel(destination, shift) * inverse) >> 8);
            result |= SaturatedChannel(value) << shift;
        }
        return result;
    }
}

inline std::uint32_t PackChannels(const std::int64_t channel[4])
{
    std::uint32_t result = 0;
    const int shifts[4] = {24, 16, 8, 0};
    for (int i = 0; i < 4; ++i)
    {
        const std::int64_t value = channel[i] >> 16;
        result |= static_cast<std::uint32_t>(value < 0 ? 0 : (value > 255 ? 255 : value)) << shifts[i];
    }
    return result;
}

#if defined(__SSE2__)
// Four pixels a x (256 - weight) + b x weight per channel, weights 0 to 256 given per pixel in 16-bit lanes
// (pixels 0 and 1 in low, 2 and 3 in high): the same arithmetic as Lerp.
WF_ALWAYS_INLINE __m128i LerpFour(__m128i a, __m128i b, __m128i weightLow, __m128i weightHigh)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi16(256);
    const __m128i low = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), _mm_sub_epi16(full, weightLow)),
                      _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), weightLow)),
        8);
    const __m128i high = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), _mm_sub_epi16(full, weightHigh)),
                      _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), weightHigh)),
        8);
    return _mm_packus_epi16(low, high);
}

// The source alpha of each of four pixels as a blend weight (alpha + alpha / 128), spread over its lanes.
WF_ALWAYS_INLINE __m128i AlphaWeights(__m128i pixels16)
{
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(pixels16, 0xFF), 0xFF);
    return _mm_add_epi16(alpha, _mm_srli_epi16(alpha, 7));
}

// BlendPixel for four pixels whose alpha test passes (or changes nothing): alpha, add or replace.
template <Blend Mode>
WF_ALWAYS_INLINE __m128i BlendFour(__m128i source, __m128i destination)
{
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    if constexpr (Mode == Blend::Replace)
    {
        return _mm_or_si128(source, opaque);
    }
    else
    {
        const __m128i zero = _mm_setzero_si128();
        const __m128i weightLow = AlphaWeights(_mm_unpacklo_epi8(source, zero));
        const __m128i weightHigh = AlphaWeights(_mm_unpackhi_epi8(source, zero));
        if constexpr (Mode == Blend::Alpha)
        {
            return _mm_or_si128(LerpFour(destination, source, weightLow, weightHigh), opaque);
        }
        else
        {
            const __m128i scaled = _mm_packus_epi16(
                _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(source, zero), weightLow), 8),
                _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(source, zero), weightHigh), 8));
            return _mm_or_si128(_mm_adds_epu8(destination, scaled), opaque);
        }
    }
}

// Four pixels blended into dest where the alpha test passes (a reference of 0 passes all); the others keep
// the destination as it is, as BlendPixel's caller does pixel by pixel.
template <Blend Mode>
WF_ALWAYS_INLINE void StoreFour(std::uint32_t* dest, __m128i source, std::uint32_t reference)
{
    if constexpr (Mode == Blend::InverseColour)
    {
        // No four-pixel blend of its own: pixel by pixel.
        alignas(16) std::uint32_t sources[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(sources), source);
        for (int k = 0; k < 4; ++k)
        {
            if ((sources[k] >> 24) >= reference)
            {
                dest[k] = BlendPixel<Mode>(sources[k], dest[k]);
            }
        }
    }
    else
    {
        const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
        const __m128i destination = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest));
        __m128i blended;
        if (Mode == Blend::Alpha &&
            _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(source, alphaMask), alphaMask)) == 0xFFFF)
        {
            blended = source; // weight 256: every channel is the source's
        }
        else
        {
            blended = BlendFour<Mode>(source, destination);
        }
        if (reference != 0)
        {
            const __m128i passes =
                _mm_cmpgt_epi32(_mm_srli_epi32(source, 24), _mm_set1_epi32(static_cast<int>(reference) - 1));
            if (_mm_movemask_epi8(passes) == 0)
            {
                return;
            }
            blended = _mm_or_si128(_mm_and_si128(passes, blended), _mm_andnot_si128(passes, destination));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), blended);
    }
}

// Each 32-bit lane's low 16 bits repeated over four 16-bit lanes, pixels 0 and 1 (Low) or 2 and 3 (High):
// per-pixel weights laid out as the widened channels of two pixels.
WF_ALWAYS_INLINE __m128i SpreadLow(__m128i weights)
{
    const __m128i doubled = _mm_or_si128(weights, _mm_slli_epi32(weights, 16));
    return _mm_unpacklo_epi32(doubled, doubled);
}

WF_ALWAYS_INLINE __m128i SpreadHigh(__m128i weights)
{
    const __m128i doubled = _mm_or_si128(weights, _mm_slli_epi32(weights, 16));
    return _mm_unpackhi_epi32(doubled, doubled);
}

// Lerp's arithmetic on channels already widened to 16 bits: (a x (256 - weight) + b x weight) >> 8.
WF_ALWAYS_INLINE __m128i LerpWide(__m128i a, __m128i b, __m128i weight)
{
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(256), weight);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, inverse), _mm_mullo_epi16(b, weight)), 8);
}

// The texels under two pixels p and q, per texel row: p's left, q's left, p's right, q's right.
struct TexelPairs
{
    __m128i top;
    __m128i bottom;
};

// Two pixels' bilinear samples widened to 16 bits per channel: across first, then down, as Sample does.
WF_ALWAYS_INLINE __m128i SampleTwo(const TexelPairs& pairs, __m128i across, __m128i down)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i top =
        LerpWide(_mm_unpacklo_epi8(pairs.top, zero), _mm_unpackhi_epi8(pairs.top, zero), across);
    const __m128i bottom =
        LerpWide(_mm_unpacklo_epi8(pairs.bottom, zero), _mm_unpackhi_epi8(pairs.bottom, zero), across);
    return LerpWide(top, bottom, down);
}

template <TextureAddress Address>
WF_ALWAYS_INLINE TexelPairs AddressedPairs(const TextureView& texture, std::int64_t sp, std::int64_t tp,
                                           std::int64_t sq, std::int64_t tq)
{
    std::uint32_t p[4];
    std::uint32_t q[4];
    AddressedTexels<Address>(texture, sp, tp, p);
    AddressedTexels<Address>(texture, sq, tq, q);
    auto lanes = [](std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
        return _mm_set_epi32(static_cast<int>(d), static_cast<int>(c), static_cast<int>(b),
                             static_cast<int>(a));
    };
    return {lanes(p[0], q[0], p[1], q[1]), lanes(p[2], q[2], p[3], q[3])};
}

// The same texels for two pixels whose columns and rows all lie inside the texture: each row's two
// neighbours are one 8-byte load.
WF_ALWAYS_INLINE TexelPairs InsidePairs(const TextureView& texture, std::int64_t sp, std::int64_t tp,
                                        std::int64_t sq, std::int64_t tq)
{
    const std::uint32_t* p = texture.pixels + (tp >> 16) * texture.pitch + (sp >> 16);
    const std::uint32_t* q = texture.pixels + (tq >> 16) * texture.pitch + (sq >> 16);
    auto pair = [](const std::uint32_t* at) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(at)); };
    return {_mm_unpacklo_epi32(pair(p), pair(q)),
            _mm_unpacklo_epi32(pair(p + texture.pitch), pair(q + texture.pitch))};
}

// Whether a texel coordinate's column (or row) and the next one lie inside a texture side of this size.
WF_ALWAYS_INLINE bool PairInside(std::int64_t fixed, int size)
{
    const std::int64_t whole = fixed >> 16;
    return whole >= 0 && whole < size - 1;
}

// The per-channel factors of Modulate (channel + 1) for two pixels of one colour.
WF_ALWAYS_INLINE __m128i ModulateFactors(std::uint32_t colour)
{
    auto factor = [colour](int shift) { return static_cast<short>(Channel(colour, shift) + 1); };
    return _mm_set_epi16(factor(24), factor(16), factor(8), factor(0), factor(24), factor(16), factor(8),
                         factor(0));
}

// The low 32 bits of a coordinate at four consecutive pixels: enough for the fractions that weigh texels.
WF_ALWAYS_INLINE __m128i FourPositions(std::int64_t start, std::int64_t step)
{
    return _mm_set_epi32(static_cast<int>(static_cast<std::uint32_t>(start + step * 3)),
                         static_cast<int>(static_cast<std::uint32_t>(start + step * 2)),
                         static_cast<int>(static_cast<std::uint32_t>(start + step)),
                         static_cast<int>(static_cast<std::uint32_t>(start)));
}

WF_ALWAYS_INLINE __m128i Fractions(__m128i positions)
{
    return _mm_and_si128(_mm_srli_epi32(positions, 8), _mm_set1_epi32(0xFF));
}
#endif

#if defined(WF_SPAN_LOOPS_AVX2)
// LerpFour's arithmetic on eight pixels, four in each 128-bit half.
WF_ALWAYS_INLINE __m256i LerpEight(__m256i a, __m256i b, __m256i weightLow, __m256i weightHigh)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(256);
    const __m256i low = _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_sub_epi16(full, weightLow)),
                         _mm256_mullo_epi16(_mm256_unpacklo_epi8(b, zero), weightLow)),
        8);
    const __m256i high =
        _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(a, zero),
                                                              _mm256_sub_epi16(full, weightHigh)),
                                           _mm256_mullo_epi16(_mm256_unpackhi_epi8(b, zero), weightHigh)),
                          8);
    return _mm256_packus_epi16(low, high);
}

WF_ALWAYS_INLINE __m256i AlphaWeightsEight(__m256i pixels16)
{
    const __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(pixels16, 0xFF), 0xFF);
    return _mm256_add_epi16(alpha, _mm256_srli_epi16(alpha, 7));
}

// BlendFour for eight pixels: alpha or add.
template <Blend Mode>
WF_ALWAYS_INLINE __m256i BlendEight(__m256i source, __m256i destination)
{
    static_assert(Mode == Blend::Alpha || Mode == Blend::Add);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i weightLow = AlphaWeightsEight(_mm256_unpacklo_epi8(source, zero));
    const __m256i weightHigh = AlphaWeightsEight(_mm256_unpackhi_epi8(source, zero));
    if constexpr (Mode == Blend::Alpha)
    {
        return _mm256_or_si256(LerpEight(destination, source, weightLow, weightHigh), opaque);
    }
    else
    {
        const __m256i scaled = _mm256_packus_epi16(
            _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(source, zero), weightLow), 8),
            _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(source, zero), weightHigh), 8));
        return _mm256_or_si256(_mm256_adds_epu8(destination, scaled), opaque);
    }
}

// StoreFour for eight pixels.
template <Blend Mode>
WF_ALWAYS_INLINE void StoreEight(std::uint32_t* dest, __m256i source, std::uint32_t reference)
{
    if constexpr (Mode == Blend::Alpha || Mode == Blend::Add)
    {
        const __m256i alphaMask = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
        const __m256i destination = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dest));
        __m256i blended;
        if (Mode == Blend::Alpha &&
            _mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(source, alphaMask), alphaMask)) == -1)
        {
            blended = source; // weight 256: every channel is the source's
        }
        else
        {
            blended = BlendEight<Mode>(source, destination);
        }
        if (reference != 0)
        {
            const __m256i passes = _mm256_cmpgt_epi32(_mm256_srli_epi32(source, 24),
                                                      _mm256_set1_epi32(static_cast<int>(reference) - 1));
            if (_mm256_movemask_epi8(passes) == 0)
            {
                return;
            }
            blended =
                _mm256_or_si256(_mm256_and_si256(passes, blended), _mm256_andnot_si256(passes, destination));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest), blended);
    }
    else
    {
        StoreFour<Mode>(dest, _mm256_castsi256_si128(source), reference);
        StoreFour<Mode>(dest + 4, _mm256_extracti128_si256(source, 1), reference);
    }
}

WF_ALWAYS_INLINE __m256i EightPositions(std::int64_t start, std::int64_t step)
{
    int positions[8];
    for (int k = 0; k < 8; ++k)
    {
        positions[k] = static_cast<int>(static_cast<std::uint32_t>(start + step * k));
    }
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(positions));
}

// SpreadLow and SpreadHigh in each 128-bit half: pixels 0, 1 and 4, 5 (Low), 2, 3 and 6, 7 (High).
WF_ALWAYS_INLINE __m256i SpreadLowEight(__m256i weights)
{
    const __m256i doubled = _mm256_or_si256(weights, _mm256_slli_epi32(weights, 16));
    return _mm256_unpacklo_epi32(doubled, doubled);
}

WF_ALWAYS_INLINE __m256i SpreadHighEight(__m256i weights)
{
    const __m256i doubled = _mm256_or_si256(weights, _mm256_slli_epi32(weights, 16));
    return _mm256_unpackhi_epi32(doubled, doubled);
}
#endif

// The general kernel: any sampler, addressing, blend and colours, every texel addressed.
template <Sampler Kind, TextureAddress Address, Blend Mode, SpanColours Colours>
void DrawSpan(const Span& span, const TextureView& texture)
{
    std::uint32_t* dest = span.dest;
    std::int64_t s = span.s;
    std::int64_t t = span.t;
    std::int64_t channel[4] = {span.channel[0], span.channel[1], span.channel[2], span.channel[3]};
    const std::uint32_t reference = span.alphaReference;
    for (int i = 0; i < span.count; ++i)
    {
        std::uint32_t source = Sample<Kind, Address>(texture, s, t);
        if constexpr (Colours == SpanColours::Constant)
        {
            source = Modulate(source, span.colour);
        }
        else if constexpr (Colours == SpanColours::Gradient)
        {
            source = Modulate(source, PackChannels(channel));
            for (int c = 0; c < 4; ++c)
            {
                channel[c] += span.channelStep[c];
            }
        }
        if ((source >> 24) >= reference)
        {
            dest[i] = BlendPixel<Mode>(source, dest[i]);
        }
        if constexpr (Kind != Sampler::None)
        {
            s += span.ds;
            t += span.dt;
        }
    }
}

#if defined(__SSE2__)
// Four consecutive pixels' linear samples times the colour, from the first pixel's coordinates, their
// steps, and the low 32 bits of the four pixels' coordinates (for the weights): the arithmetic of Sample
// and Modulate, across first, then down.
template <TextureAddress Address, SpanColours Colours>
WF_ALWAYS_INLINE __m128i LinearFour(const TextureView& texture, std::int64_t s, std::int64_t t,
                                    std::int64_t ds, std::int64_t dt, __m128i sPositions, __m128i tPositions,
                                    __m128i factors)
{
    const std::int64_t s1 = s + ds;
    const std::int64_t s2 = s1 + ds;
    const std::int64_t s3 = s2 + ds;
    const std::int64_t t1 = t + dt;
    const std::int64_t t2 = t1 + dt;
    const std::int64_t t3 = t2 + dt;
    // Coordinates move in a straight line: the first and last pixels bound the four.
    const bool inside = PairInside(s, texture.width) && PairInside(s3, texture.width) &&
                        PairInside(t, texture.height) && PairInside(t3, texture.height);
    const TexelPairs first =
        inside ? InsidePairs(texture, s, t, s1, t1) : AddressedPairs<Address>(texture, s, t, s1, t1);
    const TexelPairs second =
        inside ? InsidePairs(texture, s2, t2, s3, t3) : AddressedPairs<Address>(texture, s2, t2, s3, t3);
    const __m128i across = Fractions(sPositions);
    const __m128i down = Fractions(tPositions);
    __m128i low = SampleTwo(first, SpreadLow(across), SpreadLow(down));
    __m128i high = SampleTwo(second, SpreadHigh(across), SpreadHigh(down));
    if constexpr (Colours == SpanColours::Constant)
    {
        low = _mm_srli_epi16(_mm_mullo_epi16(low, factors), 8);
        high = _mm_srli_epi16(_mm_mullo_epi16(high, factors), 8);
    }
    return _mm_packus_epi16(low, high);
}

// The general kernel's linear sampling four pixels at a time, for white or one-coloured vertices blended
// alpha or add: the same arithmetic in the same order (across, down, times the colour, the alpha test,
// the blend). The texels are fetched one by one; where the four pixels' texels all lie inside the texture,
// without addressing them.
template <TextureAddress Address, Blend Mode, SpanColours Colours>
void DrawLinearSpanFour(const Span& span, const TextureView& texture)
{
    static_assert(Mode == Blend::Alpha || Mode == Blend::Add);
    static_assert(Colours == SpanColours::White || Colours == SpanColours::Constant);
    std::uint32_t* dest = span.dest;
    std::int64_t s = span.s;
    std::int64_t t = span.t;
    const std::int64_t ds = span.ds;
    const std::int64_t dt = span.dt;
    const __m128i factors = ModulateFactors(span.colour);
    __m128i sPositions = FourPositions(s, ds);
    __m128i tPositions = FourPositions(t, dt);
    const __m128i sAdvance = _mm_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(ds * 4)));
    const __m128i tAdvance = _mm_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(dt * 4)));
    int i = 0;
    for (; i + 4 <= span.count; i += 4)
    {
        StoreFour<Mode>(dest + i,
                        LinearFour<Address, Colours>(texture, s, t, ds, dt, sPositions, tPositions, factors),
                        span.alphaReference);
        s += ds * 4;
        t += dt * 4;
        sPositions = _mm_add_epi32(sPositions, sAdvance);
        tPositions = _mm_add_epi32(tPositions, tAdvance);
    }
    if (i < span.count)
    {
        // The last one to three pixels, blended in a copy: the pixels past the span are sampled (their
        // texels addressed like any other) but never written.
        const int rest = span.count - i;
        alignas(16) std::uint32_t pixels[4] = {};
        std::copy_n(dest + i, rest, pixels);
        StoreFour<Mode>(pixels,
                        LinearFour<Address, Colours>(texture, s, t, ds, dt, sPositions, tPositions, factors),
                        span.alphaReference);
        std::copy_n(pixels, rest, dest + i);
    }
}
#endif

// Row kernels: spans whose texel row does not change along them (dt is 0, as on every quad whose sides
// run along the axes) and whose vertices are opaque white. The row is addressed once per span; a point
// sampled column only when it falls outside the texture. Linear filtering blends down the two rows
// first, then across (DrawSpan blends across first: the last bit of a channel may differ between the
// two, which is why the choice depends only on the span itself, never on the band drawing it).
constexpr std::int64_t kRowBufferTexels = 8192;

// The texel columns low..high of two texture rows blended down by fy, addressed, into out.
template <TextureAddress Address>
void BlendRows(const TextureView& texture, const std::uint32_t* rowA, const std::uint32_t* rowB,
               std::uint32_t fy, std::int64_t low, std::int64_t high, std::uint32_t* out)
{
    std::int64_t column = low;
    auto one = [&](std::int64_t at)
    {
        const int x = AddressCoordinate<Address>(static_cast<int>(at), texture.width, texture.maskX);
        out[at - low] = fy == 0 ? rowA[x] : Lerp(rowA[x], rowB[x], fy);
    };
    for (; column <= high && column < 0; ++column)
    {
        one(column);
    }
#if defined(__SSE2__)
    const __m128i weight = _mm_set1_epi16(static_cast<short>(fy));
    for (; column + 3 <= high && column + 4 <= texture.width; column += 4)
    {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rowA + column));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rowB + column));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (column - low)),
                         fy == 0 ? a : LerpFour(a, b, weight, weight));
    }
#endif
    for (; column <= high; ++column)
    {
        one(column);
    }
}

// Pixels blended across between neighbouring columns of a texture row (already blended down and
// addressed): columns[x] is column x.
template <Blend Mode>
void DrawBlendedColumns(const Span& span, const std::uint32_t* columns)
{
    std::uint32_t* dest = span.dest;
    std::int64_t s = span.s;
    const std::uint32_t reference = span.alphaReference;
    int i = 0;
#if defined(__SSE2__)
    if (span.ds == 65536)
    {
        // One column per pixel: every pixel weighs its neighbours alike.
        const __m128i weight = _mm_set1_epi16(static_cast<short>((s >> 8) & 0xFF));
        const std::uint32_t* left = columns + (s >> 16);
        for (; i + 4 <= span.count; i += 4)
        {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(left + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(left + i + 1));
            StoreFour<Mode>(dest + i, LerpFour(a, b, weight, weight), reference);
        }
        s += span.ds * i;
    }
#if defined(WF_SPAN_LOOPS_AVX2)
    {
        // Eight pixels whose first and last columns lie seven apart read eight consecutive columns, as a
        // picture drawn nearly one to one does; the first eight that do not go on four at a time.
        __m256i positions = EightPositions(s, span.ds);
        const __m256i advance = _mm256_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(span.ds * 8)));
        for (; i + 8 <= span.count; i += 8)
        {
            const std::int64_t first = s >> 16;
            if (((s + span.ds * 7) >> 16) - first != 7)
            {
                break;
            }
            const __m256i left = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(columns + first));
            const __m256i right = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(columns + first + 1));
            const __m256i weights =
                _mm256_and_si256(_mm256_srli_epi32(positions, 8), _mm256_set1_epi32(0xFF));
            StoreEight<Mode>(dest + i,
                             LerpEight(left, right, SpreadLowEight(weights), SpreadHighEight(weights)),
                             reference);
            s += span.ds * 8;
            positions = _mm256_add_epi32(positions, advance);
        }
    }
#endif
    __m128i positions = FourPositions(s, span.ds);
    const __m128i advance = _mm_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(span.ds * 4)));
    for (; i + 4 <= span.count; i += 4)
    {
        const std::int64_t s1 = s + span.ds;
        const std::int64_t s2 = s1 + span.ds;
        const std::int64_t s3 = s2 + span.ds;
        const std::int64_t first = s >> 16;
        const std::int64_t last = s3 >> 16;
        // Coordinates move in a straight line: four pixels whose first and last columns lie three apart
        // read four consecutive columns (about a texel per pixel, as a picture copied one to one nearly
        // is), and their neighbours are two loads; backwards on a mirrored picture.
        __m128i left;
        __m128i right;
        if (last - first == 3)
        {
            left = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns + first));
            right = _mm_loadu_si128(reinterpret_cast<const __m128i*>(columns + first + 1));
        }
        else if (last - first == -3)
        {
            left = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(columns + last)), 0x1B);
            right = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(columns + last + 1)),
                                      0x1B);
        }
        else
        {
            const std::int64_t x1 = s1 >> 16;
            const std::int64_t x2 = s2 >> 16;
            left = _mm_set_epi32(static_cast<int>(columns[last]), static_cast<int>(columns[x2]),
                                 static_cast<int>(columns[x1]), static_cast<int>(columns[first]));
            right = _mm_set_epi32(static_cast<int>(columns[last + 1]), static_cast<int>(columns[x2 + 1]),
                                  static_cast<int>(columns[x1 + 1]), static_cast<int>(columns[first + 1]));
        }
        const __m128i weights = Fractions(positions);
        StoreFour<Mode>(dest + i, LerpFour(left, right, SpreadLow(weights), SpreadHigh(weights)), reference);
        s = s3 + span.ds;
        positions = _mm_add_epi32(positions, advance);
    }
#endif
    for (; i < span.count; ++i, s += span.ds)
    {
        const std::int64_t x0 = s >> 16;
        const std::uint32_t source =
            Lerp(columns[x0], columns[x0 + 1], static_cast<std::uint32_t>((s >> 8) & 0xFF));
        if ((source >> 24) >= reference)
        {
            dest[i] = BlendPixel<Mode>(source, dest[i]);
        }
    }
}

template <TextureAddress Address, Blend Mode>
void DrawPointRowSpan(const Span& span, const TextureView& texture)
{
    std::uint32_t* dest = span.dest;
    std::int64_t s = span.s;
    const std::uint32_t reference = span.alphaReference;
    const int lastColumn = texture.width - 1;
    const int y = AddressCoordinate<Address>(static_cast<int>(span.t >> 16), texture.height, texture.maskY);
    const std::uint32_t* row = texture.pixels + static_cast<std::ptrdiff_t>(y) * texture.pitch;
    for (int i = 0; i < span.count; ++i, s += span.ds)
    {
        const int column = static_cast<int>(s >> 16);
        const std::uint32_t source =
            row[static_cast<unsigned>(column) <= static_cast<unsigned>(lastColumn)
                    ? column
                    : AddressCoordinate<Address>(column, texture.width, texture.maskX)];
        if ((source >> 24) >= reference)
        {
            dest[i] = BlendPixel<Mode>(source, dest[i]);
        }
    }
}

// Pixels from..to of a row span, as a span of their own.
Span PartOf(const Span& span, int from, int to)
{
    Span part = span;
    part.dest = span.dest + from;
    part.count = to - from;
    part.s = span.s + span.ds * from;
    return part;
}

template <TextureAddress Address, Blend Mode>
void DrawAddressedRowSpan(const Span& span, const TextureView& texture)
{
    const int y0 = static_cast<int>(span.t >> 16);
    const std::uint32_t fy = static_cast<std::uint32_t>((span.t >> 8) & 0xFF);
    const std::uint32_t* rowA =
        texture.pixels +
        static_cast<std::ptrdiff_t>(AddressCoordinate<Address>(y0, texture.height, texture.maskY)) *
            texture.pitch;
    const std::uint32_t* rowB =
        texture.pixels +
        static_cast<std::ptrdiff_t>(AddressCoordinate<Address>(y0 + 1, texture.height, texture.maskY)) *
            texture.pitch;
    // The texel columns the span reads, blended down the rows once each; every pixel then blends two
    // neighbours across. Columns are addressed while the row is built.
    const std::int64_t lastS = span.s + span.ds * (span.count - 1);
    const std::int64_t low = std::min(span.s, lastS) >> 16;
    const std::int64_t high = (std::max(span.s, lastS) >> 16) + 1;
    if (fy == 0 && low >= 0 && high < texture.width)
    {
        // On a texel row, inside the texture: the blended columns are the row's own texels.
        DrawBlendedColumns<Mode>(span, rowA);
        return;
    }
    thread_local std::uint32_t blended[kRowBufferTexels];
    if (high - low < kRowBufferTexels)
    {
        BlendRows<Address>(texture, rowA, rowB, fy, low, high, blended);
        DrawBlendedColumns<Mode>(span, blended - low);
        return;
    }
    std::uint32_t* dest = span.dest;
    std::int64_t s = span.s;
    for (int i = 0; i < span.count; ++i, s += span.ds)
    {
        const int x0 = static_cast<int>(s >> 16);
        const std::uint32_t fx = static_cast<std::uint32_t>((s >> 8) & 0xFF);
        const int xa = AddressCoordinate<Address>(x0, texture.width, texture.maskX);
        const int xb = AddressCoordinate<Address>(x0 + 1, texture.width, texture.maskX);
        const std::uint32_t left = fy == 0 ? rowA[xa] : Lerp(rowA[xa], rowB[xa], fy);
        const std::uint32_t right = fy == 0 ? rowA[xb] : Lerp(rowA[xb], rowB[xb], fy);
        const std::uint32_t source = Lerp(left, right, fx);
        if ((source >> 24) >= span.alphaReference)
        {
            dest[i] = BlendPixel<Mode>(source, dest[i]);
        }
    }
}

// The first pixel of a span stepping forwards (ds > 0) whose coordinate reaches a fixed-point limit, or
// the span's length if none does.
int FirstPixelReaching(const Span& span, std::int64_t limit)
{
    if (span.s >= limit)
    {
        return 0;
    }
    const std::int64_t pixels = (limit - span.s + span.ds - 1) / span.ds;
    return static_cast<int>(std::min<std::int64_t>(pixels, span.count));
}

template <TextureAddress Address, Blend Mode>
void DrawLinearRowSpan(const Span& span, const TextureView& texture)
{
    const bool onTexelRow = ((span.t >> 8) & 0xFF) == 0;
    if (span.ds > 0 && onTexelRow && span.count >= 8)
    {
        // On a texel row, the pixels whose two columns lie inside the texture read its row as it stands;
        // only those at its edges need their columns addressed.
        const int begin = FirstPixelReaching(span, 0);
        const int end =
            std::max(begin, FirstPixelReaching(span, static_cast<std::int64_t>(texture.width - 1) << 16));
        if (end - begin >= 4 && (begin > 0 || end < span.count))
        {
            if (begin > 0)
            {
                DrawAddressedRowSpan<Address, Mode>(PartOf(span, 0, begin), texture);
            }
            DrawAddressedRowSpan<Address, Mode>(PartOf(span, begin, end), texture);
            if (end < span.count)
            {
                DrawAddressedRowSpan<Address, Mode>(PartOf(span, end, span.count), texture);
            }
            return;
        }
    }
    DrawAddressedRowSpan<Address, Mode>(span, texture);
}

template <Sampler Kind, TextureAddress Address, Blend Mode>
void DrawRowSpan(const Span& span, const TextureView& texture)
{
    if constexpr (Kind == Sampler::Point)
    {
        DrawPointRowSpan<Address, Mode>(span, texture);
    }
    else
    {
        DrawLinearRowSpan<Address, Mode>(span, texture);
    }
}

// Contiguous kernel: one texel per pixel along a texture row that the span never leaves, blended alpha
// or add with an alpha test of at most 1 (which these blends pass through unchanged: a texel of alpha 0
// leaves the pixel as it was), or replacing where every texel passes. Same arithmetic as BlendPixel, four
// pixels at a time where SSE2 is there.

template <Blend Mode>
void DrawContiguousSpan(const std::uint32_t* source, std::uint32_t* dest, int count)
{
    if constexpr (Mode == Blend::Replace)
    {
        // A copy made opaque: a frame drawn into a render target and put on the screen one to one.
        for (int i = 0; i < count; ++i)
        {
            dest[i] = source[i] | 0xFF000000u;
        }
        return;
    }
    int i = 0;
#if defined(WF_SPAN_LOOPS_AVX2)
    if constexpr (Mode == Blend::Alpha || Mode == Blend::Add)
    {
        const __m256i alphaMaskEight = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
        for (; i + 8 <= count; i += 8)
        {
            const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
            const __m256i alpha = _mm256_and_si256(s, alphaMaskEight);
            if (_mm256_testz_si256(s, alphaMaskEight))
            {
                continue; // eight texels of alpha 0
            }
            if constexpr (Mode == Blend::Alpha)
            {
                if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, alphaMaskEight)) == -1)
                {
                    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest + i), s);
                    continue;
                }
            }
            const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dest + i));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest + i), BlendEight<Mode>(s, d));
        }
    }
#endif
#if defined(__SSE2__)
    const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    for (; i + 4 <= count; i += 4)
    {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        // Four texels of alpha 0 change nothing; four opaque ones blended alpha are copied.
        const int transparent =
            _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alphaMask), _mm_setzero_si128()));
        if (transparent == 0xFFFF)
        {
            continue;
        }
        if constexpr (Mode == Blend::Alpha)
        {
            if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, alphaMask), alphaMask)) == 0xFFFF)
            {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), s);
                continue;
            }
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), BlendFour<Mode>(s, d));
    }
#endif
    for (; i < count; ++i)
    {
        dest[i] = BlendPixel<Mode>(source[i], dest[i]);
    }
}

template <Blend Mode>
void DrawContiguousRow(const Span& span, const TextureView& texture)
{
    const int y = static_cast<int>(span.t >> 16);
    DrawContiguousSpan<Mode>(texture.pixels + static_cast<std::ptrdiff_t>(y) * texture.pitch + (span.s >> 16),
                             span.dest, span.count);
}

// The contiguous kernel under one vertex colour: each texel times the colour, then blended. The same
// arithmetic as Modulate and BlendPixel; a texel that the colour leaves at alpha 0 changes nothing.
template <Blend Mode>
void DrawContiguousTintedRow(const Span& span, const TextureView& texture)
{
    const std::uint32_t* source =
        texture.pixels + static_cast<std::ptrdiff_t>(span.t >> 16) * texture.pitch + (span.s >> 16);
    std::uint32_t* dest = span.dest;
    const std::uint32_t colour = span.colour;
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    auto factor = [colour](int shift) { return static_cast<short>(Channel(colour, shift) + 1); };
    const __m128i factors = _mm_set_epi16(factor(24), factor(16), factor(8), factor(0), factor(24),
                                          factor(16), factor(8), factor(0));
    for (; i + 4 <= span.count; i += 4)
    {
        const __m128i texels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i low = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(texels, zero), factors), 8);
        const __m128i high = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(texels, zero), factors), 8);
        const __m128i tinted = _mm_packus_epi16(low, high);
        const __m128i destination = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), BlendFour<Mode>(tinted, destination));
    }
#endif
    for (; i < span.count; ++i)
    {
        dest[i] = BlendPixel<Mode>(Modulate(source[i], colour), dest[i]);
    }
}

// Spans without a texture under one colour (a dimming veil, a filled box): the same source pixel all
// along, blended four pixels at a time where SSE2 is there. The same arithmetic as DrawSpan.
template <Blend Mode, SpanColours Colours>
void DrawSolidSpan(const Span& span, const TextureView& /*texture*/)
{
    const std::uint32_t source =
        Colours == SpanColours::Constant ? Modulate(0xFFFFFFFFu, span.colour) : 0xFFFFFFFFu;
    if ((source >> 24) < span.alphaReference)
    {
        return;
    }
    std::uint32_t* dest = span.dest;
    int i = 0;
#if defined(__SSE2__)
    const __m128i sources = _mm_set1_epi32(static_cast<int>(source));
    for (; i + 4 <= span.count; i += 4)
    {
        const __m128i destination = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i), BlendFour<Mode>(sources, destination));
    }
#endif
    for (; i < span.count; ++i)
    {
        dest[i] = BlendPixel<Mode>(source, dest[i]);
    }
}

template <Sampler Kind, TextureAddress Address, Blend Mode>
SpanFunction SelectByColour(SpanColours colours)
{
    if constexpr (Kind == Sampler::None && Mode != Blend::InverseColour)
    {
        if (colours == SpanColours::White)
        {
            return &DrawSolidSpan<Mode, SpanColours::White>;
        }
        if (colours == SpanColours::Constant)
        {
            return &DrawSolidSpan<Mode, SpanColours::Constant>;
        }
    }
#if defined(__SSE2__)
    if constexpr (Kind == Sampler::Linear && (Mode == Blend::Alpha || Mode == Blend::Add))
    {
        if (colours == SpanColours::White)
        {
            return &DrawLinearSpanFour<Address, Mode, SpanColours::White>;
        }
        if (colours == SpanColours::Constant)
        {
            return &DrawLinearSpanFour<Address, Mode, SpanColours::Constant>;
        }
    }
#endif
    switch (colours)
    {
    case SpanColours::White:
        return &DrawSpan<Kind, Address, Mode, SpanColours::White>;
    case SpanColours::Constant:
        return &DrawSpan<Kind, Address, Mode, SpanColours::Constant>;
    case SpanColours::Gradient:
        break;
    }
    return &DrawSpan<Kind, Address, Mode, SpanColours::Gradient>;
}

template <Sampler Kind, TextureAddress Address>
SpanFunction SelectByBlend(Blend mode, SpanColours colours)
{
    switch (mode)
    {
    case Blend::Replace:
        return SelectByColour<Kind, Address, Blend::Replace>(colours);
    case Blend::Alpha:
        return SelectByColour<Kind, Address, Blend::Alpha>(colours);
    case Blend::InverseColour:
        return SelectByColour<Kind, Address, Blend::InverseColour>(colours);
    case Blend::Add:
        break;
    }
    return SelectByColour<Kind, Address, Blend::Add>(colours);
}

template <Sampler Kind>
SpanFunction SelectByAddress(TextureAddress address, Blend mode, SpanColours colours)
{
    return address == TextureAddress::Clamp ? SelectByBlend<Kind, TextureAddress::Clamp>(mode, colours)
                                            : SelectByBlend<Kind, TextureAddress::Wrap>(mode, colours);
}

Blend BlendOf(const RasterState& state)
{
    if (!state.blendEnabled)
    {
        return Blend::Replace;
    }
    switch (state.destinationBlend)
    {
    case BlendFactor::InverseSourceColour:
        return Blend::InverseColour;
    case BlendFactor::One:
        return Blend::Add;
    default:
        return Blend::Alpha;
    }
}

Sampler SamplerOf(const RasterState& state)
{
    if (state.texture == nullptr)
    {
        return Sampler::None;
    }
    return state.filter == TextureFilter::Point ? Sampler::Point : Sampler::Linear;
}

SpanFunction SelectSpan(const RasterState& state, SpanColours colours)
{
    const Blend mode = BlendOf(state);
    switch (SamplerOf(state))
    {
    case Sampler::None:
        return SelectByBlend<Sampler::None, TextureAddress::Wrap>(mode, colours);
    case Sampler::Point:
        return SelectByAddress<Sampler::Point>(state.address, mode, colours);
    case Sampler::Linear:
        break;
    }
    return SelectByAddress<Sampler::Linear>(state.address, mode, colours);
}

template <Sampler Kind, TextureAddress Address>
SpanFunction SelectRowByBlend(Blend mode)
{
    switch (mode)
    {
    case Blend::Replace:
        return &DrawRowSpan<Kind, Address, Blend::Replace>;
    case Blend::Alpha:
        return &DrawRowSpan<Kind, Address, Blend::Alpha>;
    case Blend::InverseColour:
        return &DrawRowSpan<Kind, Address, Blend::InverseColour>;
    case Blend::Add:
        break;
    }
    return &DrawRowSpan<Kind, Address, Blend::Add>;
}

template <Sampler Kind>
SpanFunction SelectRow(TextureAddress address, Blend mode)
{
    return address == TextureAddress::Clamp ? SelectRowByBlend<Kind, TextureAddress::Clamp>(mode)
                                            : SelectRowByBlend<Kind, TextureAddress::Wrap>(mode);
}

SpanFunctions SelectSpanFunctions(const RasterState& state, SpanColours colours)
{
    SpanFunctions functions;
    functions.main = SelectSpan(state, colours);
    const Sampler sampler = SamplerOf(state);
    if (sampler == Sampler::Linear)
    {
        RasterState point = state;
        point.filter = TextureFilter::Point;
        functions.onTexelCentres = SelectSpan(point, colours);
    }
    const bool passesAlphaTest = !state.alphaTest || state.alphaReference <= 1;
    if (sampler != Sampler::None && colours == SpanColours::Constant && passesAlphaTest)
    {
        if (BlendOf(state) == Blend::Alpha)
        {
            functions.contiguous = &DrawContiguousTintedRow<Blend::Alpha>;
        }
        else if (BlendOf(state) == Blend::Add)
        {
            functions.contiguous = &DrawContiguousTintedRow<Blend::Add>;
        }
    }
    if (sampler == Sampler::None || colours != SpanColours::White)
    {
        return functions;
    }
    // A render target reads opaque: blending it alpha under white vertices copies it.
    const Blend mode =
        BlendOf(state) == Blend::Alpha && state.texture->IsRenderTarget() ? Blend::Replace : BlendOf(state);
    functions.rowOnTexelCentres = SelectRow<Sampler::Point>(state.address, mode);
    functions.row = sampler == Sampler::Linear ? SelectRow<Sampler::Linear>(state.address, mode)
                                               : functions.rowOnTexelCentres;
    if (passesAlphaTest && mode == Blend::Alpha)
    {
        functions.contiguous = &DrawContiguousRow<Blend::Alpha>;
    }
    else if (passesAlphaTest && mode == Blend::Add)
    {
        functions.contiguous = &DrawContiguousRow<Blend::Add>;
    }
    else if (mode == Blend::Replace && (!state.alphaTest || state.texture->IsRenderTarget()))
    {
        // Every texel is written: the test is off, or a render target's texels are all opaque.
        functions.contiguous = &DrawContiguousRow<Blend::Replace>;
    }
    return functions;
}

} // namespace

} // namespace Platform
