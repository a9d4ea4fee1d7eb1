#include "platform/Rasterizer.h"

#include "platform/SpanKernels.h"

#include <algorithm>
#include <cmath>

namespace Platform
{

namespace
{

// Fixed point with 16 fractional bits for texel coordinates and colour channels along a span.
constexpr double kFixedOne = 65536.0;
// Texel coordinates beyond this many texels are clamped before they turn into integers.
constexpr double kFixedLimit = 1099511627776.0; // 2^40

std::int64_t ToFixed(double value)
{
    const double scaled = value * kFixedOne;
    if (!(scaled > -kFixedLimit))
    {
        return static_cast<std::int64_t>(-kFixedLimit);
    }
    if (!(scaled < kFixedLimit))
    {
        return static_cast<std::int64_t>(kFixedLimit);
    }
    return static_cast<std::int64_t>(std::floor(scaled));
}

// A fixed-point texel coordinate within 1/256 of a texel past a texel's start (its centre, for linear
// sampling, which samples half a texel back).
bool IsOnTexelCentre(std::int64_t fixed)
{
    return (fixed & 0xFF00) == 0;
}

bool IsWholeTexels(std::int64_t fixed)
{
    return (fixed & 0xFFFF) == 0;
}

std::uint32_t Channel(std::uint32_t argb, int shift)
{
    return (argb >> shift) & 0xFFu;
}

SpanColours ColourModeOf(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    if (a != b || a != c)
    {
        return SpanColours::Gradient;
    }
    return a == 0xFFFFFFFFu ? SpanColours::White : SpanColours::Constant;
}

TextureView ViewOf(const DeviceTexture* texture)
{
    TextureView view;
    if (texture != nullptr)
    {
        view.pixels = texture->Row(0);
        view.pitch = texture->PitchPixels();
        view.width = texture->Width();
        view.height = texture->Height();
        view.maskX = texture->WrapMaskX();
        view.maskY = texture->WrapMaskY();
    }
    return view;
}

// Everything a primitive's spans share.
struct DrawContext
{
    DeviceTexture* target = nullptr;
    const RasterState* state = nullptr;
    TextureView texture;
    double texelOffset = 0.0; // linear filtering samples around texel centres
    int rowBegin = 0;
    int rowEnd = 0;
    int columnBegin = 0;
    int columnEnd = 0;
    std::uint8_t alphaReference = 0;
};

DrawContext MakeContext(DeviceTexture& target, const RasterState& state, const PixelRect& clip)
{
    DrawContext context;
    context.target = &target;
    context.state = &state;
    context.texture = ViewOf(state.texture);
    context.texelOffset = state.texture != nullptr && state.filter == TextureFilter::Linear ? 0.5 : 0.0;
    context.rowBegin = std::max(clip.top, 0);
    context.rowEnd = std::min(clip.bottom, target.Height());
    context.columnBegin = std::max(clip.left, 0);
    context.columnEnd = std::min(clip.right, target.Width());
    context.alphaReference = state.alphaTest ? state.alphaReference : 0;
    return context;
}

// First pixel whose centre lies at or right of (below) an edge: the top-left fill rule.
int FirstPixelAt(double coordinate)
{
    const double limit = 1.0e9;
    if (!(coordinate > -limit))
    {
        return static_cast<int>(-limit);
    }
    if (!(coordinate < limit))
    {
        return static_cast<int>(limit);
    }
    return static_cast<int>(std::ceil(coordinate));
}

bool IsFinite(const ScreenVertex& vertex)
{
    return std::isfinite(vertex.x) && std::isfinite(vertex.y) && std::isfinite(vertex.u) &&
           std::isfinite(vertex.v);
}

// An attribute over the plane of a primitive: value = base + x * dx + y * dy.
struct Plane
{
    double base = 0.0;
    double dx = 0.0;
    double dy = 0.0;

    double At(double x, double y) const { return base + x * dx + y * dy; }
};

Plane PlaneThrough(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, double fa, double fb,
                   double fc, double area)
{
    const double abx = (b.x) - a.x;
    const double aby = (b.y) - a.y;
    const double acx = (c.x) - a.x;
    const double acy = (c.y) - a.y;
    Plane plane;
    plane.dx = ((fb - fa) * acy - (fc - fa) * aby) / area;
    plane.dy = ((fc - fa) * abx - (fb - fa) * acx) / area;
    plane.base = fa - plane.dx * a.x - plane.dy * a.y;
    return plane;
}

// The attributes of one primitive as planes over the target.
struct Attributes
{
    Plane u;
    Plane v;
    Plane channel[4];
    SpanColours colours = SpanColours::White;
    std::uint32_t colour = 0xFFFFFFFFu;
};

// Moves a span's start right by a number of pixels, exactly as the kernels step along it.
void SkipPixels(Span& span, int pixels)
{
    span.s += span.ds * pixels;
    span.t += span.dt * pixels;
    for (int c = 0; c < 4; ++c)
    {
        span.channel[c] += span.channelStep[c] * pixels;
    }
}

// What a primitive's spans share from row to row: texel steps, colour, alpha test. Worked out once per
// primitive rather than per span.
Span SpanShapeOf(const DrawContext& context, const Attributes& attributes)
{
    Span shape;
    shape.alphaReference = context.alphaReference;
    shape.colour = attributes.colour;
    if (context.state->texture != nullptr)
    {
        shape.ds = ToFixed(attributes.u.dx * context.texture.width);
        shape.dt = ToFixed(attributes.v.dx * context.texture.height);
    }
    if (attributes.colours == SpanColours::Gradient)
    {
        for (int c = 0; c < 4; ++c)
        {
            shape.channelStep[c] = ToFixed(attributes.channel[c].dx);
        }
    }
    return shape;
}

void FillSpan(const DrawContext& context, const SpanFunctions& functions, const Attributes& attributes,
              const Span& shape, int row, int first, int last)
{
    // The span's values are taken where it enters the target, whatever the clip, and stepped from there,
    // so a pixel drawn under any clip is the pixel of the whole span.
    first = std::max(first, 0);
    const int clippedFirst = std::max(first, context.columnBegin);
    last = std::min(last, context.columnEnd);
    if (clippedFirst >= last)
    {
        return;
    }
    Span span = shape;
    span.dest = context.target->Row(row) + clippedFirst;
    span.count = last - clippedFirst;
    if (context.state->texture != nullptr)
    {
        const double width = context.texture.width;
        const double height = context.texture.height;
        span.s = ToFixed(attributes.u.At(first, row) * width - context.texelOffset);
        span.t = ToFixed(attributes.v.At(first, row) * height - context.texelOffset);
    }
    if (attributes.colours == SpanColours::Gradient)
    {
        for (int c = 0; c < 4; ++c)
        {
            span.channel[c] = ToFixed(attributes.channel[c].At(first, row));
        }
    }
    SkipPixels(span, clippedFirst - first);
    // A linear span that steps one whole texel per pixel from a texel centre weighs every neighbour 0:
    // point sampling gives the same pixels, faster (a frame copied one to one).
    const bool onTexelCentres = functions.onTexelCentres != nullptr && IsOnTexelCentre(span.s) &&
                                IsOnTexelCentre(span.t) && IsWholeTexels(span.ds) && IsWholeTexels(span.dt);
    const bool pointSampled = functions.onTexelCentres == nullptr || onTexelCentres;
    if (span.dt == 0 && functions.contiguous != nullptr && pointSampled && span.ds == 65536)
    {
        const std::int64_t firstColumn = span.s >> 16;
        if (firstColumn >= 0 && firstColumn + span.count <= context.texture.width && (span.t >> 16) >= 0 &&
            (span.t >> 16) < context.texture.height)
        {
            functions.contiguous(span, context.texture);
            return;
        }
    }
    if (functions.row != nullptr && span.dt == 0)
    {
        (onTexelCentres ? functions.rowOnTexelCentres : functions.row)(span, context.texture);
        return;
    }
    (onTexelCentres ? functions.onTexelCentres : functions.main)(span, context.texture);
}

// Whether pixels whose centres lie in [left, right) can fall inside the clip's columns.
bool OverlapsColumns(const DrawContext& context, double left, double right)
{
    return FirstPixelAt(right) > context.columnBegin && FirstPixelAt(left) < context.columnEnd;
}

double EdgeCrossing(const ScreenVertex& top, const ScreenVertex& bottom, double row)
{
    return top.x + (row - top.y) * ((bottom.x) - top.x) / ((bottom.y) - top.y);
}

void DrawTriangle(const DrawContext& context, const ScreenVertex& a, const ScreenVertex& b,
                  const ScreenVertex& c)
{
    if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c))
    {
        return;
    }
    const double area = ((b.x) - a.x) * ((c.y) - a.y) - ((c.x) - a.x) * ((b.y) - a.y);
    if (area == 0.0)
    {
        return;
    }
    const ScreenVertex* sorted[3] = {&a, &b, &c};
    std::sort(std::begin(sorted), std::end(sorted),
              [](const ScreenVertex* left, const ScreenVertex* right) { return left->y < right->y; });
    const ScreenVertex& top = *sorted[0];
    const ScreenVertex& middle = *sorted[1];
    const ScreenVertex& bottom = *sorted[2];

    const int firstRow = std::max(FirstPixelAt(top.y), context.rowBegin);
    const int endRow = std::min(FirstPixelAt(bottom.y), context.rowEnd);
    if (firstRow >= endRow || !OverlapsColumns(context, std::min({a.x, b.x, c.x}), std::max({a.x, b.x, c.x})))
    {
        return;
    }
    const int middleRow = FirstPixelAt(middle.y);

    Attributes attributes;
    attributes.u = PlaneThrough(a, b, c, a.u, b.u, c.u, area);
    attributes.v = PlaneThrough(a, b, c, a.v, b.v, c.v, area);
    attributes.colours = ColourModeOf(a.colour, b.colour, c.colour);
    attributes.colour = a.colour;
    if (attributes.colours == SpanColours::Gradient)
    {
        const int shifts[4] = {24, 16, 8, 0};
        for (int i = 0; i < 4; ++i)
        {
            attributes.channel[i] =
                PlaneThrough(a, b, c, Channel(a.colour, shifts[i]), Channel(b.colour, shifts[i]),
                             Channel(c.colour, shifts[i]), area);
        }
    }
    const SpanFunctions functions = SpanKernels::Select(*context.state, attributes.colours);
    const Span shape = SpanShapeOf(context, attributes);

    for (int row = firstRow; row < endRow; ++row)
    {
        const double longEdge = EdgeCrossing(top, bottom, row);
        const double shortEdge =
            row < middleRow ? EdgeCrossing(top, middle, row) : EdgeCrossing(middle, bottom, row);
        const int first = FirstPixelAt(std::min(longEdge, shortEdge));
        const int last = FirstPixelAt(std::max(longEdge, shortEdge));
        FillSpan(context, functions, attributes, shape, row, first, last);
    }
}

// A quad whose sides run along the axes, with texture coordinates that follow them and one colour, is
// filled as a rectangle: the same pixels the two triangles would cover, without the edge walking.
bool DrawAxisAlignedQuad(const DrawContext& context, const ScreenVertex& p0, const ScreenVertex& p1,
                         const ScreenVertex& p2, const ScreenVertex& p3)
{
    const bool alignedSides = p0.y == p1.y && p2.y == p3.y && p0.x == p3.x && p1.x == p2.x;
    const bool alignedTexture = p0.u == p3.u && p1.u == p2.u && p0.v == p1.v && p2.v == p3.v;
    const bool oneColour = p0.colour == p1.colour && p0.colour == p2.colour && p0.colour == p3.colour;
    if (!alignedSides || !alignedTexture || !oneColour || p0.x == p1.x || p0.y == p2.y)
    {
        return false;
    }
    if (!IsFinite(p0) || !IsFinite(p1) || !IsFinite(p2) || !IsFinite(p3))
    {
        return true;
    }
    const int firstRow = std::max(FirstPixelAt(std::min(p0.y, p2.y)), context.rowBegin);
    const int endRow = std::min(FirstPixelAt(std::max(p0.y, p2.y)), context.rowEnd);
    if (firstRow >= endRow || !OverlapsColumns(context, std::min(p0.x, p1.x), std::max(p0.x, p1.x)))
    {
        return true;
    }
    Attributes attributes;
    attributes.u.dx = ((p1.u) - p0.u) / ((p1.x) - p0.x);
    attributes.u.base = p0.u - attributes.u.dx * p0.x;
    attributes.v.dy = ((p2.v) - p0.v) / ((p2.y) - p0.y);
    attributes.v.base = p0.v - attributes.v.dy * p0.y;
    attributes.colours = ColourModeOf(p0.colour, p0.colour, p0.colour);
    attributes.colour = p0.colour;
    const SpanFunctions functions = SpanKernels::Select(*context.state, attributes.colours);
    const Span shape = SpanShapeOf(context, attributes);
    const int first = FirstPixelAt(std::min(p0.x, p1.x));
    const int last = FirstPixelAt(std::max(p0.x, p1.x));
    for (int row = firstRow; row < endRow; ++row)
    {
        FillSpan(context, functions, attributes, shape, row, first, last);
    }
    return true;
}

bool IsQuadPattern(const std::uint16_t* first, const std::uint16_t* second)
{
    return second[0] == first[2] && second[2] == first[0];
}

} // namespace

void Rasterizer::Clear(DeviceTexture& target, std::uint32_t argb, const PixelRect& clip)
{
    const std::uint32_t value = argb | 0xFF000000u;
    const int top = std::max(clip.top, 0);
    const int bottom = std::min(clip.bottom, target.Height());
    const int left = std::max(clip.left, 0);
    const int right = std::min(clip.right, target.Width());
    for (int row = top; row < bottom && left < right; ++row)
    {
        std::fill_n(target.Row(row) + left, right - left, value);
    }
}

void Rasterizer::DrawTriangles(DeviceTexture& target, const RasterState& state, const ScreenVertex* vertices,
                               std::size_t vertexCount, const std::uint16_t* indices,
                               std::size_t triangleCount, const PixelRect& clip)
{
    const DrawContext context = MakeContext(target, state, clip);
    if (context.rowBegin >= context.rowEnd || context.columnBegin >= context.columnEnd)
    {
        return;
    }
    auto valid = [vertexCount](const std::uint16_t* triangle)
    { return triangle[0] < vertexCount && triangle[1] < vertexCount && triangle[2] < vertexCount; };
    // A band of rows meets few of a batch's primitives: those wholly above or below it are passed over
    // before any setup. The bounds are a pixel wide of the rows a primitive can touch; a corner that is
    // not a number never compares outside, so its primitive goes on to the checks below.
    const double rowsAbove = context.rowBegin - 1.0;
    const double rowsBelow = context.rowEnd + 1.0;
    auto outsideRows = [&](const std::uint16_t* corners, int count)
    {
        bool above = true;
        bool below = true;
        for (int i = 0; i < count; ++i)
        {
            const double y = vertices[corners[i]].y;
            above = above && y < rowsAbove;
            below = below && y > rowsBelow;
        }
        return above || below;
    };
    std::size_t triangle = 0;
    while (triangle < triangleCount)
    {
        const std::uint16_t* first = indices + triangle * 3;
        const bool pair = triangle + 1 < triangleCount && valid(first) && valid(first + 3);
        if (pair && outsideRows(first, 6))
        {
            triangle += 2;
            continue;
        }
        if (pair && IsQuadPattern(first, first + 3) &&
            DrawAxisAlignedQuad(context, vertices[first[0]], vertices[first[1]], vertices[first[2]],
                                vertices[first[4]]))
        {
            triangle += 2;
            continue;
        }
        if (valid(first) && !outsideRows(first, 3))
        {
            DrawTriangle(context, vertices[first[0]], vertices[first[1]], vertices[first[2]]);
        }
        ++triangle;
    }
}

void Rasterizer::DrawLines(DeviceTexture& target, const RasterState& state, const ScreenVertex* vertices,
                           std::size_t lineCount, const PixelRect& clip)
{
    const DrawContext context = MakeContext(target, state, clip);
    for (std::size_t line = 0; line < lineCount; ++line)
    {
        const ScreenVertex& a = vertices[line * 2];
        const ScreenVertex& b = vertices[line * 2 + 1];
        if (!IsFinite(a) || !IsFinite(b))
        {
            continue;
        }
        const double dx = (b.x) - a.x;
        const double dy = (b.y) - a.y;
        const double length = std::min(std::max(std::fabs(dx), std::fabs(dy)), 65536.0);
        const int steps = static_cast<int>(std::floor(length + 0.5));
        Attributes attributes;
        attributes.colours = ColourModeOf(a.colour, a.colour, a.colour);
        attributes.colour = a.colour;
        const SpanFunctions functions = SpanKernels::Select(state, attributes.colours);
        const Span shape = SpanShapeOf(context, attributes);
        for (int step = 0; step < steps; ++step)
        {
            const double along = static_cast<double>(step) / steps;
            const int x = static_cast<int>(std::floor(a.x + along * dx + 0.5));
            const int y = static_cast<int>(std::floor(a.y + along * dy + 0.5));
            if (y < context.rowBegin || y >= context.rowEnd)
            {
                continue;
            }
            attributes.u.base = a.u + along * ((b.u) - a.u);
            attributes.v.base = a.v + along * ((b.v) - a.v);
            FillSpan(context, functions, attributes, shape, y, x, x + 1);
        }
    }
}

bool Rasterizer::SamplesOnTexelCentres(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                                       int textureWidth, int textureHeight)
{
    const double area = ((b.x) - a.x) * ((c.y) - a.y) - ((c.x) - a.x) * ((b.y) - a.y);
    if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c) || area == 0.0)
    {
        return true; // draws nothing
    }
    const double width = textureWidth;
    const double height = textureHeight;
    const Plane u = PlaneThrough(a, b, c, a.u, b.u, c.u, area);
    const Plane v = PlaneThrough(a, b, c, a.v, b.v, c.v, area);
    // Along a row the spans step whole texels; from row to row the starts move by whole texels too, so
    // every span starts as far from a texel centre as the one through the first corner's pixel.
    auto nearlyWhole = [](double texels) { return std::fabs(texels - std::round(texels)) * kFixedOne < 1.0; };
    if (!IsWholeTexels(ToFixed(u.dx * width)) || !IsWholeTexels(ToFixed(v.dx * height)) ||
        !nearlyWhole(u.dy * width) || !nearlyWhole(v.dy * height))
    {
        return false;
    }
    const double x = std::round(a.x);
    const double y = std::round(a.y);
    return IsOnTexelCentre(ToFixed(u.At(x, y) * width - 0.5)) &&
           IsOnTexelCentre(ToFixed(v.At(x, y) * height - 0.5));
}

} // namespace Platform
