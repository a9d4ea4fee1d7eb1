#pragma once

#include "platform/GraphicsTypes.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Platform
{

// A picture the device draws from or into: 32-bit ARGB pixels in rows of a pitch that may exceed the
// width. A render target has no alpha channel: whatever is written, it reads back opaque.
class GraphicsDevice;

class DeviceTexture
{
public:
    // What the pixels hold before the first lock: cleared (transparent black; a render target opaque
    // black), or nothing in particular, for a creator that writes every pixel at once (a decoded picture).
    enum class InitialPixels
    {
        Cleared,
        WrittenWhole,
    };

    DeviceTexture(int width, int height, TextureUsage usage, InitialPixels initial = InitialPixels::Cleared);
    virtual ~DeviceTexture();
    DeviceTexture(const DeviceTexture&) = delete;
    DeviceTexture& operator=(const DeviceTexture&) = delete;
    DeviceTexture(DeviceTexture&&) noexcept = default;
    DeviceTexture& operator=(DeviceTexture&&) = delete;

    // The device that may still hold work drawing from this texture, told when the texture goes. The
    // link empties when the device goes first.
    void SetOwner(std::shared_ptr<GraphicsDevice*> owner) { mOwner = std::move(owner); }

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    TextureUsage Usage() const { return mUsage; }
    bool IsRenderTarget() const { return mUsage == TextureUsage::RenderTarget; }

    struct LockedRect
    {
        std::uint8_t* bits = nullptr;
        int pitch = 0; // bytes from one row to the next
    };
    // The pixels for writing; a render target keeps its alpha at opaque when unlocked.
    LockedRect Lock();
    void Unlock();

    // Pixel rows for the rasterizer.
    std::uint32_t* Row(int y) { return mPixels.get() + static_cast<std::ptrdiff_t>(y) * mPitchPixels; }
    const std::uint32_t* Row(int y) const
    {
        return mPixels.get() + static_cast<std::ptrdiff_t>(y) * mPitchPixels;
    }
    int PitchPixels() const { return mPitchPixels; }
    std::uint32_t At(int x, int y) const { return Row(y)[x]; }

    // Masks for wrapping texel coordinates when the size is a power of two, else 0.
    int WrapMaskX() const { return mWrapMaskX; }
    int WrapMaskY() const { return mWrapMaskY; }

    // Counts the unlocks, so a device that keeps its own copy of the pixels knows when to take them anew.
    std::uint32_t Revision() const { return mRevision; }
    // Whether every pixel is opaque (a render target's always are): looked at once per revision.
    bool IsOpaque() const;
    // Told apart from every other texture of the run, so that one made where a gone one lay is not taken
    // for it.
    std::uint64_t Serial() const { return mSerial; }
    // A device that draws into its own copy of a render target brings these pixels up to date here
    // before they are read.
    virtual void FetchDrawnPixels() const {}

    // Why the picture the texture was made from is incomplete (the missing part is filled in); empty
    // when it decoded whole.
    const std::string& DecodeDamage() const { return mDecodeDamage; }
    void SetDecodeDamage(const std::string& damage) { mDecodeDamage = damage; }

private:
    int mWidth = 0;
    int mHeight = 0;
    int mPitchPixels = 0;
    int mWrapMaskX = 0;
    int mWrapMaskY = 0;
    TextureUsage mUsage = TextureUsage::Plain;
    std::uint32_t mRevision = 0;
    mutable std::uint64_t mOpaqueSeenAt = 0; // the revision IsOpaque last looked at, plus one; 0 for none
    mutable bool mOpaque = false;
    std::uint64_t mSerial = 0;
    std::unique_ptr<std::uint32_t[]> mPixels;
    std::shared_ptr<GraphicsDevice*> mOwner;
    std::string mDecodeDamage;
};

} // namespace Platform
