#include "platform/FrameDamage.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace Platform
{

namespace
{

std::uint64_t Avalanche(std::uint64_t value)
{
    value ^= value >> 30;
    value *= 0xBF58476D1CE4E5B9ull;
    value ^= value >> 27;
    value *= 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value)
{
    return Avalanche(hash ^ (value + 0x9E3779B97F4A7C15ull + (hash << 6)));
}

std::uint64_t MixVertex(std::uint64_t hash, const ScreenVertex& vertex)
{
    hash = Mix(hash, std::bit_cast<std::uint64_t>(vertex.x));
    hash = Mix(hash, std::bit_cast<std::uint64_t>(vertex.y));
    hash = Mix(hash, std::bit_cast<std::uint64_t>(vertex.u));
    hash = Mix(hash, std::bit_cast<std::uint64_t>(vertex.v));
    return Mix(hash, vertex.colour);
}

bool IsFinite(const ScreenVertex& vertex)
{
    return std::isfinite(vertex.x) && std::isfinite(vertex.y);
}

// The tile holding a pixel coordinate, kept inside [0, count).
int TileOf(double pixel, int count)
{
    const double tile = std::floor(pixel / FrameDamage::kTileSide);
    return static_cast<int>(std::clamp(tile, 0.0, static_cast<double>(count - 1)));
}

constexpr std::uint64_t kFrameSeed = 0x2545F4914F6CDD1Dull;
constexpr std::uint64_t kClearTag = 1;
constexpr std::uint64_t kTriangleTag = 2;
constexpr std::uint64_t kLineTag = 3;

} // namespace

std::uint64_t FrameDamage::HashState(const RasterState& state, std::uint64_t textureSerial,
                                     std::uint64_t textureChanges)
{
    std::uint64_t hash = Mix(Mix(kFrameSeed, textureSerial), textureChanges);
    hash = Mix(hash, static_cast<std::uint64_t>(state.filter));
    hash = Mix(hash, static_cast<std::uint64_t>(state.address));
    hash = Mix(hash, state.blendEnabled ? 1u : 0u);
    hash = Mix(hash, static_cast<std::uint64_t>(state.destinationBlend));
    hash = Mix(hash, state.alphaTest ? 1u : 0u);
    return Mix(hash, state.alphaReference);
}

void FrameDamage::BeginFrame(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width != mWidth || height != mHeight)
    {
        mWidth = width;
        mHeight = height;
        mColumns = (width + kTileSide - 1) / kTileSide;
        mRows = (height + kTileSide - 1) / kTileSide;
        mTiles.assign(static_cast<std::size_t>(mColumns) * mRows, 0);
        mLastTiles.assign(mTiles.size(), 0);
        mOpenRectangle.assign(static_cast<std::size_t>(mColumns), -1);
        mLastValid = false;
    }
    std::fill(mTiles.begin(), mTiles.end(), kFrameSeed);
}

void FrameDamage::AddEverywhere(std::uint64_t hash)
{
    for (std::uint64_t& tile : mTiles)
    {
        tile = Mix(tile, hash);
    }
}

void FrameDamage::AddClear(std::uint32_t argb)
{
    AddEverywhere(Mix(kClearTag, argb | 0xFF000000u));
}

void FrameDamage::AddTriangle(std::uint64_t stateHash, const ScreenVertex& a, const ScreenVertex& b,
                              const ScreenVertex& c)
{
    std::uint64_t hash = Mix(stateHash, kTriangleTag);
    hash = MixVertex(MixVertex(MixVertex(hash, a), b), c);
    if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c))
    {
        AddEverywhere(hash); // what such a primitive draws is nobody's to guess
        return;
    }
    AddPrimitive(hash, std::min({a.x, b.x, c.x}), std::min({a.y, b.y, c.y}), std::max({a.x, b.x, c.x}),
                 std::max({a.y, b.y, c.y}));
}

void FrameDamage::AddLine(std::uint64_t stateHash, const ScreenVertex& a, const ScreenVertex& b)
{
    std::uint64_t hash = Mix(stateHash, kLineTag);
    hash = MixVertex(MixVertex(hash, a), b);
    if (!IsFinite(a) || !IsFinite(b))
    {
        AddEverywhere(hash);
        return;
    }
    AddPrimitive(hash, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
}

void FrameDamage::AddTextureChanges(std::uint64_t changeHash, const ScreenVertex& a, const ScreenVertex& b,
                                    const ScreenVertex& c, int textureWidth, int textureHeight,
                                    const std::vector<PixelRect>& changedTexels)
{
    for (const PixelRect& texels : changedTexels)
    {
        // A wrapping sampler reads the texels of one edge beside those of the other, corners included.
        PixelRect columns[2] = {texels, {}};
        PixelRect rows[2] = {texels, {}};
        int columnCount = 1;
        int rowCount = 1;
        if (texels.left <= 0 || texels.right >= textureWidth)
        {
            columns[columnCount++] =
                texels.left <= 0 ? PixelRect{textureWidth - 1, 0, textureWidth, 0} : PixelRect{0, 0, 1, 0};
        }
        if (texels.top <= 0 || texels.bottom >= textureHeight)
        {
            rows[rowCount++] =
                texels.top <= 0 ? PixelRect{0, textureHeight - 1, 0, textureHeight} : PixelRect{0, 0, 0, 1};
        }
        for (int column = 0; column < columnCount; ++column)
        {
            for (int row = 0; row < rowCount; ++row)
            {
                AddChangedTexels(
                    changeHash, a, b, c, textureWidth, textureHeight,
                    {columns[column].left, rows[row].top, columns[column].right, rows[row].bottom});
            }
        }
    }
}

void FrameDamage::AddChangedTexels(std::uint64_t hash, const ScreenVertex& a, const ScreenVertex& b,
                                   const ScreenVertex& c, int textureWidth, int textureHeight,
                                   PixelRect texels)
{
    const double left = std::min({a.x, b.x, c.x});
    const double top = std::min({a.y, b.y, c.y});
    const double right = std::max({a.x, b.x, c.x});
    const double bottom = std::max({a.y, b.y, c.y});
    // The triangle's texel coordinates: the screen is an affine picture of them.
    const double sa = static_cast<double>(a.u) * textureWidth;
    const double ta = static_cast<double>(a.v) * textureHeight;
    const double sb = static_cast<double>(b.u) * textureWidth - sa;
    const double tb = static_cast<double>(b.v) * textureHeight - ta;
    const double sc = static_cast<double>(c.u) * textureWidth - sa;
    const double tc = static_cast<double>(c.v) * textureHeight - ta;
    const double area = sb * tc - sc * tb;
    const bool inside =
        std::min({sa, sa + sb, sa + sc}) >= 0.0 && std::max({sa, sa + sb, sa + sc}) <= textureWidth &&
        std::min({ta, ta + tb, ta + tc}) >= 0.0 && std::max({ta, ta + tb, ta + tc}) <= textureHeight;
    if (!IsFinite(a) || !IsFinite(b) || !IsFinite(c) || !std::isfinite(area) || area == 0.0 || !inside)
    {
        AddPrimitive(hash, left, top, right, bottom); // repeated or folded texels: all it covers may change
        return;
    }
    // A texel weighs in on samples up to a texel and a half from its own start, filtered or not.
    constexpr double kReach = 1.5;
    const double cornersS[2] = {texels.left - kReach, texels.right + kReach};
    const double cornersT[2] = {texels.top - kReach, texels.bottom + kReach};
    double mappedLeft = right;
    double mappedTop = bottom;
    double mappedRight = left;
    double mappedBottom = top;
    for (const double s : cornersS)
    {
        for (const double t : cornersT)
        {
            const double towardsB = ((s - sa) * tc - (t - ta) * sc) / area;
            const double towardsC = (sb * (t - ta) - tb * (s - sa)) / area;
            const double x = a.x + towardsB * ((b.x) - a.x) + towardsC * ((c.x) - a.x);
            const double y = a.y + towardsB * ((b.y) - a.y) + towardsC * ((c.y) - a.y);
            mappedLeft = std::min(mappedLeft, x);
            mappedTop = std::min(mappedTop, y);
            mappedRight = std::max(mappedRight, x);
            mappedBottom = std::max(mappedBottom, y);
        }
    }
    mappedLeft = std::max(mappedLeft, left);
    mappedTop = std::max(mappedTop, top);
    mappedRight = std::min(mappedRight, right);
    mappedBottom = std::min(mappedBottom, bottom);
    if (mappedLeft <= mappedRight && mappedTop <= mappedBottom)
    {
        AddPrimitive(hash, mappedLeft, mappedTop, mappedRight, mappedBottom);
    }
}

void FrameDamage::AddPrimitive(std::uint64_t hash, double left, double top, double right, double bottom)
{
    // A pixel further than one from the corners is never touched, under any fill or rounding rule.
    if (right + 1.0 < 0.0 || bottom + 1.0 < 0.0 || left - 1.0 >= mWidth || top - 1.0 >= mHeight)
    {
        return;
    }
    const int firstColumn = TileOf(left - 1.0, mColumns);
    const int lastColumn = TileOf(right + 1.0, mColumns);
    const int firstRow = TileOf(top - 1.0, mRows);
    const int lastRow = TileOf(bottom + 1.0, mRows);
    for (int row = firstRow; row <= lastRow; ++row)
    {
        std::uint64_t* tiles = mTiles.data() + static_cast<std::ptrdiff_t>(row) * mColumns;
        for (int column = firstColumn; column <= lastColumn; ++column)
        {
            tiles[column] = Mix(tiles[column], hash);
        }
    }
}

const std::vector<PixelRect>& FrameDamage::EndFrame()
{
    CollectRectangles();
    mLastTiles.swap(mTiles);
    mLastValid = true;
    return mRectangles;
}

void FrameDamage::CollectRectangles()
{
    mRectangles.clear();
    for (int row = 0; row < mRows; ++row)
    {
        const std::size_t rowStart = static_cast<std::size_t>(row) * mColumns;
        int column = 0;
        while (column < mColumns)
        {
            auto changed = [&](int at)
            { return !mLastValid || mTiles[rowStart + at] != mLastTiles[rowStart + at]; };
            if (!changed(column))
            {
                ++column;
                continue;
            }
            const int first = column;
            while (column < mColumns && changed(column))
            {
                ++column;
            }
            AddRun(row, first, column);
        }
    }
}

void FrameDamage::AddRun(int row, int firstColumn, int endColumn)
{
    const int top = row * kTileSide;
    const int left = firstColumn * kTileSide;
    const int right = std::min(endColumn * kTileSide, mWidth);
    const int bottom = std::min(top + kTileSide, mHeight);
    // A run under one of the same columns in the row above makes that rectangle taller.
    const int open = mOpenRectangle[static_cast<std::size_t>(firstColumn)];
    if (open >= 0 && static_cast<std::size_t>(open) < mRectangles.size())
    {
        PixelRect& above = mRectangles[static_cast<std::size_t>(open)];
        if (above.left == left && above.right == right && above.bottom == top)
        {
            above.bottom = bottom;
            return;
        }
    }
    mOpenRectangle[static_cast<std::size_t>(firstColumn)] = static_cast<int>(mRectangles.size());
    mRectangles.push_back({left, top, right, bottom});
}

} // namespace Platform
