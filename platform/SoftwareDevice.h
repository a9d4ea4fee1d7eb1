#pragma once

#include "platform/FrameDamage.h"
#include "platform/GraphicsDevice.h"
#include "platform/RasterWorkers.h"
#include "platform/Rasterizer.h"
#include "platform/WindowSystem.h"

#include <memory>
#include <vector>

namespace Platform
{

// The graphics device drawn by our own rasterizer. Its pictures are the same bit for bit on every
// run and with any number of worker threads; Present hands the back buffer to the window system (none
// headless, where the pixels are only kept and read back).
//
// Clears and draws are recorded and run together, each worker thread taking its band of rows through the
// whole list, when the scene ends, the target changes, a texture goes, or the pixels are read or shown.
// The lists keep their memory from frame to frame, so a steady frame allocates nothing.
//
// A run of draws into one target that starts with a clear redraws only the tiles whose draws differ from
// the last such run into that target (see FrameDamage); the others already hold their pixels.
class SoftwareDevice : public GraphicsDevice
{
public:
    static constexpr int kMaxTextureSide = 4096;

    // windows may be null (no display); threads is the number of threads that share the drawing.
    SoftwareDevice(WindowSystem* windows, int threads, const PresentParameters& parameters);
    ~SoftwareDevice() override;

#include "platform/GraphicsDeviceOverrides.inc"

    int ThreadCount() const
    {
        return mWorkers.ThreadCount();
    }
    // Runs drawn only where they changed that were shared among the threads (the others had little work).
    std::uint64_t SharedChangedRuns() const
    {
        return mSharedChangedRuns;
    }
    // Off: every frame is drawn whole, as a benchmark that repeats one frame needs.
    void SetDrawsChangesOnly(bool enabled);

private:
    struct Command
    {
        enum class Kind : std::uint8_t
        {
            Clear,
            Triangles,
            Lines,
        };
        Kind kind = Kind::Clear;
        DeviceTexture* target = nullptr;
        RasterState state;
        std::uint32_t colour = 0;
        std::size_t firstVertex = 0;
        std::size_t vertexCount = 0;
        std::size_t firstIndex = 0;
        std::size_t primitives = 0;
        // The pixels its vertices can reach: a band of the target that misses it skips it at once.
        PixelRect reach;
        // Pixels it surely replaces, whatever was there (its first quad, drawn opaque): the draws before
        // it need not run there. Empty for most.
        PixelRect replaces;
        // The pixels its primitives cover, overlaps counted again: what drawing it all costs.
        double area = 0.0;
    };
    PixelRect ReachOf(std::size_t firstVertex, std::size_t count) const;
    PixelRect ReplacedBy(const Command& command) const;
    double AreaOf(const Command& command) const;
    // Calls visit(a, b, c) for each triangle of a draw whose indices lie within its vertices.
    template <typename Visit>
    void ForEachTriangle(const Command& command, Visit visit) const;

    static void RunCommands(void* context, int band, int bandCount);
    // Copies a band of the back buffer's rows onto mPresentRows.
    static void CopyRowsToWindow(void* context, int band, int bandCount);
    void RunCommandsInBand(int band, int bandCount) const;
    // The first command that can show in clip, of a run into one target.
    std::size_t FirstShownCommand(const PixelRect& clip) const;
    static void RunChangedCommands(void* context, int band, int bandCount);
    void RunCommand(const Command& command, const PixelRect& clip) const;
    // The part of the clip a clear must still fill: not what later draws replace before anything reads it.
    PixelRect ShownPartOfClear(std::size_t index, const PixelRect& clip) const;
    // A render target drawn from, by its serial, and the run into it that the drawing saw.
    struct SeenTarget
    {
        std::uint64_t serial = 0;
        std::uint64_t run = 0;
    };
    // What a target's last hashed run drew. The serial tells a texture made where a gone one lay; the
    // revision, pixels written through a lock since. A render target keeps where its last run changed it,
    // so that drawing it elsewhere redraws only there.
    struct TargetDamage
    {
        const DeviceTexture* target = nullptr;
        std::uint64_t serial = 0;
        std::uint32_t revision = 0;
        FrameDamage damage;
        std::uint64_t lastRun = 0;     // the runs are numbered across all targets
        std::uint64_t previousRun = 0; // the one before, which lastChanged tells apart from the last
        std::vector<PixelRect> lastChanged;
        std::vector<SeenTarget> seen; // in the last run into this target
        std::vector<SeenTarget> seenNow;
    };
    static constexpr std::size_t kTrackedTargets = 8;

    // Hashes the recorded commands; true when only mChangedPieces of their target need drawing.
    bool FindChanges();
    TargetDamage& DamageOf(const DeviceTexture& target);
    void ForgetDamageOf(const DeviceTexture* target);
    const TargetDamage* FindDamageOf(const DeviceTexture& target) const;
    void HashCommand(TargetDamage& record, const Command& command);
    // Where a render target drawn from has changed since the target being hashed last saw it: null for
    // everywhere (or for a texture that is not a render target), else rectangles, empty for nowhere.
    const std::vector<PixelRect>* ChangesSinceSeen(TargetDamage& record, const DeviceTexture& texture);
    void SplitIntoPieces(const std::vector<PixelRect>& changed);
    // The pixels the run's draws may touch in the changed pieces, summed over the draws.
    double ChangedWork() const;
    // How often a texture's pixels changed: unlocks, and for a render target the runs that drew into any.
    std::uint64_t TextureChanges(const DeviceTexture* texture) const;

    DeviceTexture& Target()
    {
        return mRenderTarget != nullptr ? *mRenderTarget : *mBackBuffer;
    }
    bool CanDraw() const;
    // Appends the first count vertices of the stream, transformed; returns where they start.
    std::size_t TransformVertices(std::size_t count);
    void Record(DrawRecord::Kind kind, std::size_t vertices, std::size_t primitives);

public:
    // Runs whatever is recorded; a texture about to go calls this so that nothing draws from it later.
    void Execute();

private:
    WindowSystem* mWindows = nullptr;
    WindowSystem::FrameRows mPresentRows; // the window's, while a frame is copied onto them
    RasterWorkers mWorkers;
    bool mInScene = false;
    std::unique_ptr<DeviceTexture> mBackBuffer;
    DeviceTexture* mRenderTarget = nullptr;
    RasterState mState;
    Matrix4 mProjection = Matrix4::Identity();
    Matrix4 mView = Matrix4::Identity();
    Matrix4 mTransform = Matrix4::Identity();
    const VertexBuffer* mVertices = nullptr;
    const IndexBuffer* mIndices = nullptr;
    std::vector<Command> mCommands;
    std::vector<ScreenVertex> mCommandVertices;
    std::vector<std::uint16_t> mCommandIndices;
    std::vector<TargetDamage> mTargetDamage;
    bool mDrawsChangesOnly = true;
    bool mRunHasOneTarget = false;             // the run being drawn
    std::vector<PixelRect> mChangedPieces;     // of the run's target, to draw when only they changed
    std::vector<PixelRect> mChangedRectangles; // the same uncut, for a run drawn on one thread
    // Counts the runs that drew into render targets: a texture drawn into changes without a lock.
    std::uint64_t mRenderTargetRuns = 0;
    std::uint64_t mHashedRuns = 0;
    std::uint64_t mSharedChangedRuns = 0;
    bool mLastRunShared = false; // the frame's last run was shared among the threads, so is its copy
    const std::vector<PixelRect> mNoChanges;
};

} // namespace Platform
