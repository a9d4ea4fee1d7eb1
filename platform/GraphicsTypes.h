#pragma once

#include <cstdint>
#include <string>

namespace Platform
{

class DeviceTexture;

// What a device call tells its caller.
enum class DeviceResult
{
    Ok,
    DeviceLost,     // the device cannot be used now; try again later
    DeviceNotReset, // the device can be used again after a reset
    Failed,
};

// Blend factors, numbered as the engine's callers compare them.
enum class BlendFactor : std::uint32_t
{
    One = 2,
    InverseSourceColour = 4,
    SourceAlpha = 5,
    InverseSourceAlpha = 6,
};

enum class TextureFilter : std::uint8_t
{
    Point,
    Linear,
};

enum class TextureAddress : std::uint8_t
{
    Wrap,
    Clamp,
};

enum class TextureUsage : std::uint8_t
{
    Plain,        // pixels with alpha, filled by locking
    RenderTarget, // drawn into; has no alpha channel and reads back opaque
};

struct DisplayMode
{
    int width = 0;
    int height = 0;
    int refreshRate = 0;
};

// What the adapter tells of itself for the start-up report.
struct AdapterFacts
{
    std::string driver;
    std::string description;
    std::uint64_t driverVersion = 0;
    std::uint32_t vendorId = 0;
    std::uint32_t deviceId = 0;
    std::uint32_t subSysId = 0;
    std::uint32_t revision = 0;
    std::uint64_t videoMemoryBytes = 0;
    int maxTextureWidth = 0;
    int maxTextureHeight = 0;
};

struct PresentParameters
{
    int backBufferWidth = 0;
    int backBufferHeight = 0;
    bool windowed = true;
};

// Counters the device keeps so tests can see how it was driven.
struct DeviceStatistics
{
    std::uint64_t drawCalls = 0;
    std::uint64_t triangles = 0;
    std::uint64_t lines = 0;
    std::uint64_t textureChanges = 0;
    std::uint64_t blendChanges = 0;
    std::uint64_t filterChanges = 0;
    std::uint64_t addressChanges = 0;
    std::uint64_t clears = 0;
    std::uint64_t presents = 0;
    std::uint64_t resets = 0;
};

// One draw call as recorded for tests.
struct DrawRecord
{
    enum class Kind : std::uint8_t
    {
        Triangles,
        Lines,
    };
    Kind kind = Kind::Triangles;
    std::uint32_t vertices = 0;
    std::uint32_t primitives = 0;
    const DeviceTexture* texture = nullptr;
    BlendFactor destinationBlend = BlendFactor::InverseSourceAlpha;
    TextureFilter filter = TextureFilter::Linear;
    TextureAddress address = TextureAddress::Wrap;
};

} // namespace Platform
