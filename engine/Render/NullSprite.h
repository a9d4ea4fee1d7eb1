#pragma once

#include "engine/Render/RenderData.h"
#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <array>
#include <cstdint>
#include <string>

class LuaValue;

namespace Korrin
{

class Texture;

// The base of every drawable: one texture, a source rectangle in its pixels, a colour, a blend mode,
// mirroring and a block of four vertices that the draw calls fill and hand to the render system.
class NullSprite
{
public:
    NullSprite();
    virtual ~NullSprite();
    NullSprite(const NullSprite&) = delete;
    NullSprite& operator=(const NullSprite&) = delete;

    virtual void SetSrcRect(int left, int top, int right, int bottom);
    virtual void SetSrcRectF(const Rect& rect);
    virtual void SetColour(float red, float green, float blue, float alpha);
    virtual void SetColourV(const Colour& colour);

    // Gives the current texture back and takes the named one; a missing one is logged and leaves none.
    void LoadImage(const std::string& name);
    // Draws from the given texture (the game's render texture) at its full size; null changes nothing.
    void SetTexture(Texture* texture);
    // Draws from another texture (or none) until swapped back: no references change and the texture
    // coordinates stay; gives the texture it replaced.
    Texture* SwapDrawTexture(Texture* texture)
    {
        Texture* previous = mRenderData.mTexture;
        mRenderData.mTexture = texture;
        return previous;
    }
    // Writes the four vertices as a w x h quad over the whole texture, in opaque white.
    void BuildQuad(float width, float height);
    void Load(const LuaValue& table);

    std::string GetImageName() const { return mImageName; }
    Texture* GetTexture() const { return mRenderData.mTexture; }
    const RenderData& GetRenderData() const { return mRenderData; }
    const Vertex& GetVertex(int index) const { return mVertices[static_cast<std::size_t>(index)]; }
    const Vector2& GetPosition() const { return mPosition; }
    void SetPosition(const Vector2& position) { mPosition = position; }
    const Rect& GetSrcRect() const { return mSrcRect; }
    const Colour& GetColour() const { return mColour; }
    std::uint32_t GetBlendMode() const { return mRenderData.mBlendMode; }
    void SetBlendMode(std::uint32_t mode) { mRenderData.mBlendMode = mode; }
    std::uint32_t GetFilter() const { return mRenderData.mFilter; }
    void SetFilter(std::uint32_t filter) { mRenderData.mFilter = filter; }
    void SetAddressing(std::uint32_t addressing) { mRenderData.mAddressing = addressing; }
    std::uint16_t GetTextureWidth() const { return mTextureWidth; }
    std::uint16_t GetTextureHeight() const { return mTextureHeight; }
    bool IsMirroredH() const { return mMirrorH; }
    bool IsMirroredV() const { return mMirrorV; }
    void SetMirrorH(bool mirror) { mMirrorH = mirror; }
    void SetMirrorV(bool mirror) { mMirrorV = mirror; }

    // Elements 1..count of a script table as numbers: all of them or nothing (false).
    static bool ReadNumbers(const LuaValue& table, float* out, int count);
    // The same where each element that is not a number keeps the value already in out.
    static void ReadNumbersOr(const LuaValue& table, float* out, int count);

protected:
    // Sets the quad's corners in the order bottom-left, bottom-right, top-right, top-left.
    void SetCorners(float left, float top, float right, float bottom);
    void Submit();

    std::array<Vertex, 4> mVertices{};
    RenderData mRenderData;
    Vector2 mPosition;
    Rect mSrcRect;
    std::string mImageName;
    Colour mColour{1.0f, 1.0f, 1.0f, 1.0f};
    std::uint16_t mTextureWidth = 1;
    std::uint16_t mTextureHeight = 1;
    bool mMirrorH = false;
    bool mMirrorV = false;
};

} // namespace Korrin
