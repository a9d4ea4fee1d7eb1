#include "platform/SoftwareDevice.h"

#include "platform/WindowSystem.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Platform
{

namespace
{

bool Contains(const PixelRect& outer, const PixelRect& inner)
{
    return !outer.IsEmpty() && outer.left <= inner.left && outer.top <= inner.top &&
           outer.right >= inner.right && outer.bottom >= inner.bottom;
}

// What is left of area once cover is taken away, where that leaves a rectangle: cover spans area's
// columns and reaches past its top or bottom edge, or spans its rows and reaches past a side.
PixelRect TrimmedBy(PixelRect area, const PixelRect& cover)
{
    if (cover.IsEmpty() || area.IsEmpty())
    {
        return area;
    }
    if (cover.left <= area.left && cover.right >= area.right)
    {
        if (cover.top <= area.top && cover.bottom > area.top)
        {
            area.top = std::min(cover.bottom, area.bottom);
        }
        else if (cover.bottom >= area.bottom && cover.top < area.bottom)
        {
            area.bottom = std::max(cover.top, area.top);
        }
    }
    else if (cover.top <= area.top && cover.bottom >= area.bottom)
    {
        if (cover.left <= area.left && cover.right > area.left)
        {
            area.left = std::min(cover.right, area.right);
        }
        else if (cover.right >= area.right && cover.left < area.right)
        {
            area.right = std::max(cover.left, area.left);
        }
    }
    return area;
}

bool ValidSize(int width, int height)
{
    return width > 0 && height > 0 && width <= SoftwareDevice::kMaxTextureSide &&
           height <= SoftwareDevice::kMaxTextureSide;
}

} // namespace

SoftwareDevice::SoftwareDevice(WindowSystem* windows, int threads, const PresentParameters& parameters)
    : mWindows(windows), mWorkers(threads),
      mBackBuffer(std::make_unique<DeviceTexture>(std::max(parameters.backBufferWidth, 1),
                                                  std::max(parameters.backBufferHeight, 1),
                                                  TextureUsage::RenderTarget))
{
}

SoftwareDevice::~SoftwareDevice()
{
    Execute();
}

bool SoftwareDevice::GetDisplayMode(DisplayMode& out) const
{
    out = DisplayModeFor(mWindows, mBackBuffer->Width(), mBackBuffer->Height());
    return true;
}

AdapterFacts SoftwareDevice::GetAdapterFacts() const
{
    AdapterFacts facts;
    facts.driver = "wf_software";
    facts.description =
        "Wrenfold software rasterizer (" + std::to_string(mWorkers.ThreadCount()) + " threads)";
    facts.driverVersion = (1ull << 48) | (0ull << 32) | (0ull << 16) | 1ull;
    facts.videoMemoryBytes = 0; // it draws in main memory
    facts.maxTextureWidth = kMaxTextureSide;
    facts.maxTextureHeight = kMaxTextureSide;
    return facts;
}

std::unique_ptr<DeviceTexture> SoftwareDevice::CreateTexture(int width, int height, TextureUsage usage)
{
    if (!ValidSize(width, height) || (usage == TextureUsage::RenderTarget && !mLife.IsWorking()))
    {
        return nullptr;
    }
    auto texture = std::make_unique<DeviceTexture>(width, height, usage);
    texture->SetOwner(Link());
    return texture;
}

int SoftwareDevice::MaxTextureSide() const
{
    return kMaxTextureSide;
}

std::unique_ptr<DeviceTexture>
SoftwareDevice::CreateTextureFromDecoded(std::unique_ptr<DeviceTexture> decoded)
{
    // The device draws from main memory: the decoded pixels are the texture.
    if (!decoded || !ValidSize(decoded->Width(), decoded->Height()))
    {
        return nullptr;
    }
    decoded->SetOwner(Link());
    return decoded;
}

std::unique_ptr<VertexBuffer> SoftwareDevice::CreateVertexBuffer(std::size_t vertices)
{
    if (vertices == 0 || !mLife.IsWorking())
    {
        return nullptr;
    }
    return std::make_unique<VertexBuffer>(vertices);
}

std::unique_ptr<IndexBuffer> SoftwareDevice::CreateIndexBuffer(std::size_t indices)
{
    if (indices == 0 || !mLife.IsWorking())
    {
        return nullptr;
    }
    return std::make_unique<IndexBuffer>(indices);
}

bool SoftwareDevice::SetRenderTarget(DeviceTexture* target)
{
    if (target != nullptr && !target->IsRenderTarget())
    {
        return false;
    }
    if (target != mRenderTarget)
    {
        Execute();
    }
    mRenderTarget = target;
    return true;
}

DeviceTexture* SoftwareDevice::GetRenderTarget() const
{
    return mRenderTarget;
}

int SoftwareDevice::BackBufferWidth() const
{
    return mBackBuffer->Width();
}

int SoftwareDevice::BackBufferHeight() const
{
    return mBackBuffer->Height();
}

void SoftwareDevice::SetStreamSource(const VertexBuffer* vertices)
{
    mVertices = vertices;
}

void SoftwareDevice::SetIndices(const IndexBuffer* indices)
{
    mIndices = indices;
}

void SoftwareDevice::SetAlphaBlendEnabled(bool enabled)
{
    mState.blendEnabled = enabled;
}

void SoftwareDevice::SetTexture(const DeviceTexture* texture)
{
    if (texture != mState.texture)
    {
        ++mStatistics.textureChanges;
    }
    mState.texture = texture;
}

void SoftwareDevice::SetDestinationBlend(BlendFactor factor)
{
    if (factor != mState.destinationBlend)
    {
        ++mStatistics.blendChanges;
    }
    mState.destinationBlend = factor;
}

void SoftwareDevice::SetAlphaTest(bool enabled, std::uint8_t reference)
{
    mState.alphaTest = enabled;
    mState.alphaReference = reference;
}

void SoftwareDevice::SetFilter(TextureFilter filter)
{
    if (filter != mState.filter)
    {
        ++mStatistics.filterChanges;
    }
    mState.filter = filter;
}

void SoftwareDevice::SetAddress(TextureAddress address)
{
    if (address != mState.address)
    {
        ++mStatistics.addressChanges;
    }
    mState.address = address;
}

void SoftwareDevice::SetProjection(const Matrix4& projection)
{
    mProjection = projection;
    mTransform = mView * mProjection;
}

void SoftwareDevice::SetView(const Matrix4& view)
{
    mView = view;
    mTransform = mView * mProjection;
}

void SoftwareDevice::Clear(std::uint32_t argb)
{
    if (!mLife.IsWorking())
    {
        return;
    }
    ++mStatistics.clears;
    Command command;
    command.kind = Command::Kind::Clear;
    command.target = &Target();
    command.colour = argb;
    mCommands.push_back(command);
}

bool SoftwareDevice::BeginScene()
{
    if (mInScene)
    {
        return false;
    }
    mInScene = true;
    return true;
}

void SoftwareDevice::EndScene()
{
    Execute();
    mInScene = false;
}

bool SoftwareDevice::CanDraw() const
{
    return mLife.IsWorking() && mInScene && mVertices != nullptr && !mVertices->IsLocked();
}

std::size_t SoftwareDevice::TransformVertices(std::size_t count)
{
    const DeviceTexture& target = mRenderTarget != nullptr ? *mRenderTarget : *mBackBuffer;
    const float halfWidth = static_cast<float>(target.Width()) * 0.5f;
    const float halfHeight = static_cast<float>(target.Height()) * 0.5f;
    const Vertex* source = mVertices->Data();
    const float(*m)[4] = mTransform.m;
    const std::size_t first = mCommandVertices.size();
    mCommandVertices.resize(first + count);
    for (std::size_t i = 0; i < count; ++i)
    {
        const Vertex& vertex = source[i];
        const float x = vertex.x * m[0][0] + vertex.y * m[1][0] + vertex.z * m[2][0] + m[3][0];
        const float y = vertex.x * m[0][1] + vertex.y * m[1][1] + vertex.z * m[2][1] + m[3][1];
        float w = vertex.x * m[0][3] + vertex.y * m[1][3] + vertex.z * m[2][3] + m[3][3];
        if (w == 0.0f)
        {
            w = 1.0f;
        }
        ScreenVertex& out = mCommandVertices[first + i];
        out.x = static_cast<double>((x / w + 1.0f) * halfWidth);
        out.y = static_cast<double>((1.0f - y / w) * halfHeight);
        out.u = static_cast<double>(vertex.u);
        out.v = static_cast<double>(vertex.v);
        out.colour = vertex.colour;
    }
    return first;
}

void SoftwareDevice::Record(DrawRecord::Kind kind, std::size_t vertices, std::size_t primitives)
{
    DrawRecord record;
    record.kind = kind;
    record.vertices = static_cast<std::uint32_t>(vertices);
    record.primitives = static_cast<std::uint32_t>(primitives);
    record.texture = mState.texture;
    record.destinationBlend = mState.destinationBlend;
    record.filter = mState.filter;
    record.address = mState.address;
    RecordDraw(record);
}

void SoftwareDevice::DrawIndexedTriangles(std::size_t vertexCount, std::size_t triangleCount)
{
    if (!CanDraw() || mIndices == nullptr || mIndices->IsLocked())
    {
        return;
    }
    vertexCount = std::min(vertexCount, mVertices->Capacity());
    triangleCount = std::min(triangleCount, mIndices->Capacity() / 3);
    Record(DrawRecord::Kind::Triangles, vertexCount, triangleCount);
    mStatistics.triangles += triangleCount;
    Command command;
    command.kind = Command::Kind::Triangles;
    command.target = &Target();
    command.state = mState;
    command.firstVertex = TransformVertices(vertexCount);
    command.vertexCount = vertexCount;
    command.firstIndex = mCommandIndices.size();
    command.primitives = triangleCount;
    command.reach = ReachOf(command.firstVertex, vertexCount);
    mCommandIndices.insert(mCommandIndices.end(), mIndices->Data(), mIndices->Data() + triangleCount * 3);
    command.replaces = ReplacedBy(command);
    command.area = AreaOf(command);
    mCommands.push_back(command);
}

void SoftwareDevice::DrawLines(std::size_t lineCount)
{
    if (!CanDraw())
    {
        return;
    }
    lineCount = std::min(lineCount, mVertices->Capacity() / 2);
    Record(DrawRecord::Kind::Lines, lineCount * 2, lineCount);
    mStatistics.lines += lineCount;
    Command command;
    command.kind = Command::Kind::Lines;
    command.target = &Target();
    command.state = mState;
    command.firstVertex = TransformVertices(lineCount * 2);
    command.vertexCount = lineCount * 2;
    command.primitives = lineCount;
    command.reach = ReachOf(command.firstVertex, command.vertexCount);
    command.area = AreaOf(command);
    mCommands.push_back(command);
}

PixelRect SoftwareDevice::ReachOf(std::size_t firstVertex, std::size_t count) const
{
    constexpr double kFar = 1.0e9;
    double left = kFar;
    double top = kFar;
    double right = -kFar;
    double bottom = -kFar;
    for (std::size_t i = firstVertex; i < firstVertex + count; ++i)
    {
        const ScreenVertex& vertex = mCommandVertices[i];
        if (!std::isfinite(vertex.x) || !std::isfinite(vertex.y))
        {
            return {-static_cast<int>(kFar), -static_cast<int>(kFar), static_cast<int>(kFar),
                    static_cast<int>(kFar)};
        }
        left = std::min(left, vertex.x);
        top = std::min(top, vertex.y);
        right = std::max(right, vertex.x);
        bottom = std::max(bottom, vertex.y);
    }
    // A pixel is drawn only where its centre lies inside: a pixel beyond the corners' own is never reached.
    auto bounded = [kFar](double value) { return static_cast<int>(std::clamp(value, -kFar, kFar)); };
    return {bounded(std::floor(left) - 1.0), bounded(std::floor(top) - 1.0), bounded(std::ceil(right) + 2.0),
            bounded(std::ceil(bottom) + 2.0)};
}

void SoftwareDevice::SetDrawsChangesOnly(bool enabled)
{
    mDrawsChangesOnly = enabled;
    mTargetDamage.clear();
}

void SoftwareDevice::Execute()
{
    if (mCommands.empty())
    {
        return;
    }
    mLastRunShared = false;
    if (!FindChanges())
    {
        mLastRunShared = true;
        mWorkers.Run(&SoftwareDevice::RunCommands, this);
    }
    else if (!mChangedPieces.empty())
    {
        // Shared among the threads, a little work costs more processor time than drawn by one (waking
        // them, each reading the textures into its own cache), and one draws it well within a frame.
        constexpr double kWorkForOneThread = 6.0e6;
        if (mWorkers.ThreadCount() > 1 && ChangedWork() > kWorkForOneThread)
        {
            ++mSharedChangedRuns;
            mLastRunShared = true;
            mWorkers.Run(&SoftwareDevice::RunChangedCommands, this);
        }
        else
        {
            // Drawn alone, the changed rectangles need not be cut a tile high for the threads: each draw
            // is set up once a rectangle instead of once a tile row.
            mChangedPieces.swap(mChangedRectangles);
            RasterWorkers::RunAlone(&SoftwareDevice::RunChangedCommands, this);
        }
    }
    mCommands.clear();
    mCommandVertices.clear();
    mCommandIndices.clear();
}

void SoftwareDevice::ForgetTexture(const DeviceTexture* texture)
{
    Execute();
    ForgetDamageOf(texture);
}

void SoftwareDevice::RunCommands(void* context, int band, int bandCount)
{
    static_cast<const SoftwareDevice*>(context)->RunCommandsInBand(band, bandCount);
}

PixelRect SoftwareDevice::ReplacedBy(const Command& command) const
{
    const RasterState& state = command.state;
    // The rasterizer blends alpha under every destination factor but add and inverse colour.
    const bool blendsAlpha = state.destinationBlend != BlendFactor::One &&
                             state.destinationBlend != BlendFactor::InverseSourceColour;
    if ((state.blendEnabled && !blendsAlpha) || command.primitives < 2)
    {
        return {};
    }
    const std::uint16_t* first = mCommandIndices.data() + command.firstIndex;
    const std::uint16_t* second = first + 3;
    const bool quad = second[0] == first[2] && second[2] == first[0];
    if (!quad || std::max({first[0], first[1], first[2], second[1]}) >= command.vertexCount)
    {
        return {};
    }
    const ScreenVertex* vertices = mCommandVertices.data() + command.firstVertex;
    const ScreenVertex& p0 = vertices[first[0]];
    const ScreenVertex& p1 = vertices[first[1]];
    const ScreenVertex& p2 = vertices[first[2]];
    const ScreenVertex& p3 = vertices[second[1]];
    const bool alignedSides = p0.y == p1.y && p2.y == p3.y && p0.x == p3.x && p1.x == p2.x;
    const bool finite = std::isfinite(p0.x) && std::isfinite(p0.y) && std::isfinite(p2.x) &&
                        std::isfinite(p2.y) && std::isfinite(p0.u) && std::isfinite(p0.v) &&
                        std::isfinite(p1.u) && std::isfinite(p1.v) && std::isfinite(p2.u) &&
                        std::isfinite(p2.v) && std::isfinite(p3.u) && std::isfinite(p3.v);
    constexpr double kFar = 1.0e9;
    if (!alignedSides || !finite || std::fabs(p0.x) > kFar || std::fabs(p0.y) > kFar ||
        std::fabs(p2.x) > kFar || std::fabs(p2.y) > kFar)
    {
        return {};
    }
    // Its two triangles share the diagonal and cover each pixel whose centre lies inside exactly once.
    const PixelRect covered = {
        static_cast<int>(std::ceil(std::min(p0.x, p2.x))), static_cast<int>(std::ceil(std::min(p0.y, p2.y))),
        static_cast<int>(std::ceil(std::max(p0.x, p2.x))), static_cast<int>(std::ceil(std::max(p0.y, p2.y)))};
    // Blending off and no alpha test: every pixel it covers takes its texel or colour as it is.
    if (!state.blendEnabled && !state.alphaTest)
    {
        return covered;
    }
    // Otherwise its source must be opaque everywhere: one opaque colour over an opaque texture (a render
    // target reads so), which passes any alpha test and blends alpha as a copy. Only a quad that can hold
    // a whole tile is worth looking at the texture's pixels for.
    const std::uint32_t colour = p0.colour;
    const bool oneOpaqueColour =
        colour >= 0xFF000000u && p1.colour == colour && p2.colour == colour && p3.colour == colour;
    const bool bigEnough = covered.right - covered.left >= FrameDamage::kTileSide &&
                           covered.bottom - covered.top >= FrameDamage::kTileSide;
    if (!oneOpaqueColour || !bigEnough || (state.texture != nullptr && !state.texture->IsOpaque()))
    {
        return {};
    }
    return covered;
}

std::size_t SoftwareDevice::FirstShownCommand(const PixelRect& clip) const
{
    // What lies under the last draw that replaces the whole clip is never seen.
    std::size_t start = mCommands.size();
    while (start > 0 && !Contains(mCommands[start - 1].replaces, clip))
    {
        --start;
    }
    return start > 0 ? start - 1 : 0;
}

void SoftwareDevice::RunCommandsInBand(int band, int bandCount) const
{
    // A run into one target skips what its band never shows; into several, a target drawn from may need
    // the pixels a later draw hides.
    std::size_t start = 0;
    if (mRunHasOneTarget)
    {
        const DeviceTexture& target = *mCommands.front().target;
        const int rows = target.Height();
        start = FirstShownCommand({0, RasterWorkers::BandStart(rows, band, bandCount), target.Width(),
                                   RasterWorkers::BandStart(rows, band + 1, bandCount)});
    }
    for (std::size_t index = start; index < mCommands.size(); ++index)
    {
        const Command& command = mCommands[index];
        const int rows = command.target->Height();
        RunCommand(command, PixelRect::Rows(RasterWorkers::BandStart(rows, band, bandCount),
                                            RasterWorkers::BandStart(rows, band + 1, bandCount)));
    }
}

void SoftwareDevice::RunChangedCommands(void* context, int band, int bandCount)
{
    const auto* device = static_cast<const SoftwareDevice*>(context);
    const std::vector<PixelRect>& pieces = device->mChangedPieces;
    const int count = static_cast<int>(pieces.size());
    const int first = RasterWorkers::BandStart(count, band, bandCount);
    const int end = RasterWorkers::BandStart(count, band + 1, bandCount);
    for (int piece = first; piece < end; ++piece)
    {
        const PixelRect& clip = pieces[static_cast<std::size_t>(piece)];
        for (std::size_t command = device->FirstShownCommand(clip); command < device->mCommands.size();
             ++command)
        {
            device->RunCommand(device->mCommands[command], clip);
        }
    }
}

void SoftwareDevice::RunCommand(const Command& command, const PixelRect& clip) const
{
    if (command.kind != Command::Kind::Clear &&
        (command.reach.right <= clip.left || command.reach.left >= clip.right ||
         command.reach.bottom <= clip.top || command.reach.top >= clip.bottom))
    {
        return;
    }
    const ScreenVertex* vertices = mCommandVertices.data() + command.firstVertex;
    switch (command.kind)
    {
    case Command::Kind::Clear:
        Rasterizer::Clear(*command.target, command.colour,
                          ShownPartOfClear(static_cast<std::size_t>(&command - mCommands.data()), clip));
        break;
    case Command::Kind::Triangles:
        Rasterizer::DrawTriangles(*command.target, command.state, vertices, command.vertexCount,
                                  mCommandIndices.data() + command.firstIndex, command.primitives, clip);
        break;
    case Command::Kind::Lines:
        Rasterizer::DrawLines(*command.target, command.state, vertices, command.primitives, clip);
        break;
    }
}

PixelRect SoftwareDevice::ShownPartOfClear(std::size_t index, const PixelRect& clip) const
{
    const DeviceTexture& target = *mCommands[index].target;
    PixelRect shown = {std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, target.Width()),
                       std::min(clip.bottom, target.Height())};
    // A backdrop often covers only part of a piece, another draw the rest: what they replace in the
    // target is never seen cleared. Only draws up to the first that reads the target or draws elsewhere
    // count, since such a draw may see the cleared pixels.
    std::size_t end = index + 1;
    while (end < mCommands.size() && mCommands[end].target == &target &&
           mCommands[end].state.texture != &target)
    {
        ++end;
    }
    constexpr int kPasses = 3; // a cover may trim only once another has
    for (int pass = 0; pass < kPasses && !shown.IsEmpty(); ++pass)
    {
        const PixelRect before = shown;
        for (std::size_t later = index + 1; later < end; ++later)
        {
            shown = TrimmedBy(shown, mCommands[later].replaces);
        }
        if (shown.left == before.left && shown.top == before.top && shown.right == before.right &&
            shown.bottom == before.bottom)
        {
            break;
        }
    }
    return shown;
}

std::uint64_t SoftwareDevice::TextureChanges(const DeviceTexture* texture) const
{
    if (texture == nullptr)
    {
        return 0;
    }
    const std::uint64_t drawn = texture->IsRenderTarget() ? mRenderTargetRuns : 0;
    return texture->Revision() | (drawn << 32);
}

SoftwareDevice::TargetDamage& SoftwareDevice::DamageOf(const DeviceTexture& target)
{
    for (TargetDamage& known : mTargetDamage)
    {
        if (known.target == &target && known.serial == target.Serial())
        {
            return known;
        }
    }
    // A few targets at most are drawn into; past that the oldest record makes way.
    if (mTargetDamage.size() >= kTrackedTargets)
    {
        mTargetDamage.erase(mTargetDamage.begin());
    }
    TargetDamage& added = mTargetDamage.emplace_back();
    added.target = &target;
    added.serial = target.Serial();
    added.revision = target.Revision();
    return added;
}

void SoftwareDevice::ForgetDamageOf(const DeviceTexture* target)
{
    std::erase_if(mTargetDamage, [target](const TargetDamage& known) { return known.target == target; });
}

bool SoftwareDevice::FindChanges()
{
    DeviceTexture* target = mCommands.front().target;
    bool oneTarget = true;
    for (const Command& command : mCommands)
    {
        oneTarget = oneTarget && command.target == target;
    }
    mRunHasOneTarget = oneTarget;
    if (!oneTarget || target != mBackBuffer.get())
    {
        ++mRenderTargetRuns;
    }
    // A run into several targets is drawn whole, and so is one whose pixels do not all start from a clear:
    // they depend on what was there, and no tile of theirs can be trusted afterwards.
    if (!oneTarget || !mDrawsChangesOnly || mCommands.front().kind != Command::Kind::Clear)
    {
        for (const Command& command : mCommands)
        {
            ForgetDamageOf(command.target);
        }
        return false;
    }
    TargetDamage& record = DamageOf(*target);
    FrameDamage& damage = record.damage;
    // Pixels written through a lock are not in the hashes.
    if (record.revision != target->Revision())
    {
        record.revision = target->Revision();
        damage.Forget();
    }
    damage.BeginFrame(target->Width(), target->Height());
    record.seenNow.clear();
    for (const Command& command : mCommands)
    {
        HashCommand(record, command);
    }
    const std::vector<PixelRect>& changed = damage.EndFrame();
    record.previousRun = record.lastRun;
    record.lastRun = ++mHashedRuns;
    record.lastChanged.assign(changed.begin(), changed.end());
    record.seen.swap(record.seenNow);
    SplitIntoPieces(changed);
    return true;
}

const SoftwareDevice::TargetDamage* SoftwareDevice::FindDamageOf(const DeviceTexture& target) const
{
    for (const TargetDamage& known : mTargetDamage)
    {
        if (known.target == &target && known.serial == target.Serial())
        {
            return &known;
        }
    }
    return nullptr;
}

const std::vector<PixelRect>* SoftwareDevice::ChangesSinceSeen(TargetDamage& record,
                                                               const DeviceTexture& texture)
{
    // A target drawn from while drawn into depends on the order of its own pixels: no tile is known.
    if (!texture.IsRenderTarget() || &texture == record.target)
    {
        return nullptr;
    }
    const TargetDamage* drawn = FindDamageOf(texture);
    const std::uint64_t run = drawn != nullptr ? drawn->lastRun : 0;
    if (std::none_of(record.seenNow.begin(), record.seenNow.end(),
                     [&](const SeenTarget& seen) { return seen.serial == texture.Serial(); }))
    {
        record.seenNow.push_back({texture.Serial(), run});
    }
    // Its runs since are known only from a record that saw them all: the one it still has.
    auto seen = std::find_if(record.seen.begin(), record.seen.end(),
                             [&](const SeenTarget& known) { return known.serial == texture.Serial(); });
    if (drawn == nullptr || seen == record.seen.end())
    {
        return nullptr;
    }
    if (seen->run == drawn->lastRun)
    {
        return &mNoChanges;
    }
    return seen->run == drawn->previousRun ? &drawn->lastChanged : nullptr;
}

void SoftwareDevice::HashCommand(TargetDamage& record, const Command& command)
{
    FrameDamage& damage = record.damage;
    const ScreenVertex* vertices = mCommandVertices.data() + command.firstVertex;
    if (command.kind == Command::Kind::Clear)
    {
        damage.AddClear(command.colour);
        return;
    }
    const DeviceTexture* texture = command.state.texture;
    const std::vector<PixelRect>* texelChanges =
        texture != nullptr ? ChangesSinceSeen(record, *texture) : nullptr;
    // A render target whose changes are known is hashed as unchanged, and its changes added where drawn.
    const std::uint64_t changes = texelChanges != nullptr ? texture->Revision() : TextureChanges(texture);
    const std::uint64_t state =
        FrameDamage::HashState(command.state, texture != nullptr ? texture->Serial() : 0, changes);
    const std::uint64_t changeHash = FrameDamage::HashState(command.state, mHashedRuns + 1, changes);
    if (command.kind == Command::Kind::Lines)
    {
        for (std::size_t line = 0; line < command.primitives; ++line)
        {
            damage.AddLine(state, vertices[line * 2], vertices[line * 2 + 1]);
            if (texelChanges != nullptr && !texelChanges->empty())
            {
                damage.AddTriangle(changeHash, vertices[line * 2], vertices[line * 2 + 1],
                                   vertices[line * 2]);
            }
        }
        return;
    }
    ForEachTriangle(command,
                    [&](const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c)
                    {
                        damage.AddTriangle(state, a, b, c);
                        if (texelChanges != nullptr && !texelChanges->empty())
                        {
                            damage.AddTextureChanges(changeHash, a, b, c, texture->Width(), texture->Height(),
                                                     *texelChanges);
                        }
                    });
}

template <typename Visit>
void SoftwareDevice::ForEachTriangle(const Command& command, Visit visit) const
{
    const ScreenVertex* vertices = mCommandVertices.data() + command.firstVertex;
    const std::uint16_t* indices = mCommandIndices.data() + command.firstIndex;
    for (std::size_t triangle = 0; triangle < command.primitives; ++triangle)
    {
        const std::uint16_t* corner = indices + triangle * 3;
        // The rasterizer skips a triangle with an index past the vertices.
        if (corner[0] < command.vertexCount && corner[1] < command.vertexCount &&
            corner[2] < command.vertexCount)
        {
            visit(vertices[corner[0]], vertices[corner[1]], vertices[corner[2]]);
        }
    }
}

double SoftwareDevice::AreaOf(const Command& command) const
{
    const ScreenVertex* vertices = mCommandVertices.data() + command.firstVertex;
    double area = 0.0;
    if (command.kind == Command::Kind::Lines)
    {
        for (std::size_t line = 0; line < command.primitives; ++line)
        {
            const ScreenVertex& a = vertices[line * 2];
            const ScreenVertex& b = vertices[line * 2 + 1];
            area += std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y));
        }
        return std::isfinite(area) ? area : 0.0;
    }
    ForEachTriangle(command, [&area](const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c)
                    { area += std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2.0; });
    return std::isfinite(area) ? area : 0.0;
}

double SoftwareDevice::ChangedWork() const
{
    // Each draw's covered pixels, in the share of its reach that lies in the changed pieces.
    double work = 0.0;
    for (const Command& command : mCommands)
    {
        const PixelRect& reach = command.reach;
        double changed = 0.0;
        for (const PixelRect& piece : mChangedPieces)
        {
            const PixelRect& inside = command.kind == Command::Kind::Clear ? piece : reach;
            const int width = std::min(inside.right, piece.right) - std::max(inside.left, piece.left);
            const int height = std::min(inside.bottom, piece.bottom) - std::max(inside.top, piece.top);
            if (width > 0 && height > 0)
            {
                changed += static_cast<double>(width) * height;
            }
        }
        if (command.kind == Command::Kind::Clear)
        {
            work += changed;
            continue;
        }
        const double reachArea =
            static_cast<double>(reach.right - reach.left) * static_cast<double>(reach.bottom - reach.top);
        work += reachArea > 0.0 ? command.area * std::min(changed / reachArea, 1.0) : 0.0;
    }
    return work;
}

void SoftwareDevice::SplitIntoPieces(const std::vector<PixelRect>& changed)
{
    // Pieces a tile high, so that the threads share a tall rectangle as they share whole frames.
    mChangedRectangles.assign(changed.begin(), changed.end());
    mChangedPieces.clear();
    for (const PixelRect& rectangle : changed)
    {
        for (int top = rectangle.top; top < rectangle.bottom; top += FrameDamage::kTileSide)
        {
            mChangedPieces.push_back({rectangle.left, top, rectangle.right,
                                      std::min(top + FrameDamage::kTileSide, rectangle.bottom)});
        }
    }
}

DeviceResult SoftwareDevice::Present()
{
    Execute();
    if (!mLife.IsWorking())
    {
        return DeviceResult::DeviceLost;
    }
    ++mStatistics.presents;
    if (mWindows == nullptr)
    {
        return DeviceResult::Ok;
    }
    mPresentRows = mWindows->RowsForFrame(mBackBuffer->Width(), mBackBuffer->Height());
    if (mPresentRows.rows == nullptr)
    {
        mWindows->PresentPixels(mBackBuffer->Row(0), mBackBuffer->Width(), mBackBuffer->Height(),
                                mBackBuffer->PitchPixels());
        return DeviceResult::Ok;
    }
    // A frame the threads drew together they copy together: by one, the copy would be what the others
    // wait for. One drawn by one thread is copied by it, which costs less than waking the others.
    if (mLastRunShared)
    {
        mWorkers.Run(&SoftwareDevice::CopyRowsToWindow, this);
    }
    else
    {
        RasterWorkers::RunAlone(&SoftwareDevice::CopyRowsToWindow, this);
    }
    mWindows->ShowCopiedFrame();
    return DeviceResult::Ok;
}

void SoftwareDevice::CopyRowsToWindow(void* context, int band, int bandCount)
{
    const auto* device = static_cast<const SoftwareDevice*>(context);
    const DeviceTexture& frame = *device->mBackBuffer;
    const int rows = frame.Height();
    const auto rowBytes = static_cast<std::size_t>(frame.Width()) * sizeof(std::uint32_t);
    const WindowSystem::FrameRows& window = device->mPresentRows;
    for (int row = RasterWorkers::BandStart(rows, band, bandCount);
         row < RasterWorkers::BandStart(rows, band + 1, bandCount); ++row)
    {
        std::memcpy(window.rows + static_cast<std::ptrdiff_t>(row) * window.pitch, frame.Row(row), rowBytes);
    }
}

DeviceResult SoftwareDevice::TestCooperativeLevel()
{
    return mLife.Result();
}

bool SoftwareDevice::Reset(const PresentParameters& parameters)
{
    if (mLife.IsLost() || mInScene || !ValidSize(parameters.backBufferWidth, parameters.backBufferHeight))
    {
        return false;
    }
    Execute();
    ++mStatistics.resets;
    if (mBackBuffer->Width() == parameters.backBufferWidth &&
        mBackBuffer->Height() == parameters.backBufferHeight)
    {
        // The same size: the buffer is kept (its memory already in place) and starts opaque black as new.
        Rasterizer::Clear(*mBackBuffer, 0xFF000000u, PixelRect::Rows(0, mBackBuffer->Height()));
    }
    else
    {
        mBackBuffer = std::make_unique<DeviceTexture>(parameters.backBufferWidth, parameters.backBufferHeight,
                                                      TextureUsage::RenderTarget);
    }
    mTargetDamage.clear();
    mRenderTarget = nullptr;
    mState = RasterState{};
    mVertices = nullptr;
    mIndices = nullptr;
    mLife.MarkReset();
    return true;
}

void SoftwareDevice::ReadBackBuffer(Image& out)
{
    Execute();
    ReadTexture(*mBackBuffer, out);
}

} // namespace Platform
