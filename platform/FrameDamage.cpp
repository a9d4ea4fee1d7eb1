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
