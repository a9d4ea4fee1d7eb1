#pragma once

#include "platform/Rasterizer.h"

#include <cstdint>
#include <vector>

namespace Platform
{

// Which parts of a frame can differ from the frame before, told from what is drawn rather than from its
// pixels. The target is cut into square tiles; each tile keeps a hash of every clear and primitive that
// may touch it, in the order drawn. A frame that starts with a clear fixes every pixel by what it draws,
// so a tile that hashes as in the last frame holds the right pixels already and only the others are drawn.
// An idle menu changes a few percent of its pixels from frame to frame.
class FrameDamage
{
public:
    static constexpr int kTileSide = 32;

    // The hash of a draw's states. The texture is told by its serial and a count of the changes of its
    // pixels (0 and 0 without a texture), never by its address, which a new texture may take.
    static std::uint64_t HashState(const RasterState& state, std::uint64_t textureSerial,
                                   std::uint64_t textureChanges);

    // A new frame of a target of this size, which must start with a clear.
    void BeginFrame(int width, int height);
    void AddClear(std::uint32_t argb);
    void AddTriangle(std::uint64_t stateHash, const ScreenVertex& a, const ScreenVertex& b,
                     const ScreenVertex& c);
    void AddLine(std::uint64_t stateHash, const ScreenVertex& a, const ScreenVertex& b);
    // A triangle (hashed already) samples a texture whose pixels changed since the last frame only inside
    // these rectangles of texels: the tiles it draws from them may change, under this frame's own hash.
    void AddTextureChanges(std::uint64_t changeHash, const ScreenVertex& a, const ScreenVertex& b,
                           const ScreenVertex& c, int textureWidth, int textureHeight,
                           const std::vector<PixelRect>& changedTexels);
    // Ends the frame and keeps its hashes: the rectangles of tiles whose pixels may differ from the last
    // frame's (the whole target when there is nothing to compare with), in rows from the top.
    const std::vector<PixelRect>& EndFrame();
    // The target's pixels no longer follow the last frame's hashes (drawn without them, reset, resized).
    void Forget() { mLastValid = false; }

private:
    void AddPrimitive(std::uint64_t hash, double left, double top, double right, double bottom);
    void AddEverywhere(std::uint64_t hash);
    void AddChangedTexels(std::uint64_t hash, const ScreenVertex& a, const ScreenVertex& b,
                          const ScreenVertex& c, int textureWidth, int textureHeight, PixelRect texels);
    void CollectRectangles();
    void AddRun(int row, int firstColumn, int endColumn);

    int mWidth = 0;
    int mHeight = 0;
    int mColumns = 0;
    int mRows = 0;
    std::vector<std::uint64_t> mTiles;
    std::vector<std::uint64_t> mLastTiles;
    bool mLastValid = false;
    std::vector<PixelRect> mRectangles;
    // Per tile column, the rectangle of the row above that ends there and may grow down; -1 for none.
    std::vector<int> mOpenRectangle;
};

} // namespace Platform
