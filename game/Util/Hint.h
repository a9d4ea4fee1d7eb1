#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

class LuaValue;

namespace Korrin
{
class AnimatedSprite;
class Sprite;
class Text;
} // namespace Korrin

// One pop-up of explanatory text and pictures pointing at a spot of the screen. The window is drawn
// from a picture cut into nine pieces (corners, edges, centre), so any size uses one picture; it opens
// towards the centre of the screen from the point it explains, with a pointer piece at that corner.
class Hint
{
public:
    // The quadrant of the anchor (the window opens the other way).
    static constexpr std::uint32_t kLowerRight = 0;
    static constexpr std::uint32_t kLowerLeft = 1;
    static constexpr std::uint32_t kUpperRight = 2;
    static constexpr std::uint32_t kUpperLeft = 3;
    static constexpr float kDefaultDelay = 2.0f;

    // Source pieces of the window picture, in this order.
    enum Piece
    {
        kTopLeft,
        kTopRight,
        kBottomLeft,
        kBottomRight,
        kTopEdge,
        kBottomEdge,
        kLeftEdge,
        kRightEdge,
        kCentre,
        kPieceCount,
    };

    // Builds the hint from its script table; scriptFile is the file the table comes from, whose table
    // "hintCorners" gives the window's corners.
    Hint(const LuaValue& table, const std::string& scriptFile);
    // The same with the corners' table of that file already at hand: its hints then do not run the
    // whole file again, each for its own copy of it.
    Hint(const LuaValue& table, const LuaValue& corners);
    virtual ~Hint();
    Hint(const Hint&) = delete;
    Hint& operator=(const Hint&) = delete;

    static std::uint32_t CornerTypeOf(const Korrin::Vector2& anchor);
    std::uint32_t GetCornerType() const { return CornerTypeOf(mAnchor); }
    // Anchors the hint at (x, y) and places its window.
    void SetPosition(float x, float y);
    bool IsMouseOver() const;
    // True when the point lies in the window's rectangle on the anchor's side (edges included).
    bool IsPointOver(const Korrin::Vector2& point) const;
    void SetText(const std::string& name, const std::u16string& text);
    void ShowItem(const std::string& name, const Korrin::Rect& source);
    void Draw(const Korrin::Colour& colour);

    const Korrin::Vector2& GetAnchor() const { return mAnchor; }
    const Korrin::Vector2& GetWindowPos() const { return mWindowPos; }
    std::uint32_t GetCornerTypeStored() const { return mCornerType; }
    std::uint32_t GetWidth() const { return mWidth; }
    std::uint32_t GetHeight() const { return mHeight; }
    float GetDelay() const { return mDelay; }
    bool IsCornered() const { return mCornered != 0; }
    // While fixed, placing the hint keeps its corner type.
    void SetFixedCorner(bool fixed) { mFixedCorner = fixed ? 1 : 0; }
    std::uint32_t GetClickable() const { return mClickable; }
    const Korrin::Rect& GetPiece(Piece piece) const { return mPieces[piece]; }
    std::map<std::string, Korrin::Vector2>& GetOffsets() { return mOffsets; }
    const std::map<std::string, Korrin::Sprite*>& GetImages() const { return mImages; }
    const std::map<std::string, std::unique_ptr<Korrin::Text>>& GetTexts() const { return mTexts; }

private:
    Hint(const LuaValue& table, Korrin::AnimatedSprite* corners);
    void ReadWindowStyle(const LuaValue& style);
    void ReadData(const LuaValue& data);
    void ComputePieces();
    void DrawCorners();
    void DrawEdges();
    void DrawItems(const Korrin::Colour& colour);
    // The next name for an item the script left unnamed (shared by every hint).
    static std::string NextItemName();

    std::map<std::string, Korrin::Sprite*> mImages;
    std::map<std::string, Korrin::Vector2> mOffsets;
    std::map<std::string, std::unique_ptr<Korrin::Text>> mTexts;
    Korrin::AnimatedSprite* mCorners = nullptr;
    Korrin::Sprite* mStyle = nullptr;
    Korrin::Vector2 mStylePosition; // the style picture's own offset, as loaded
    Korrin::Vector2 mAnchor;
    Korrin::Vector2 mWindowPos;
    Korrin::Vector2 mExtraOffset;
    Korrin::Rect mStyleRect;
    std::uint32_t mWidth = 0;
    std::uint32_t mHeight = 0;
    float mCornerFrame = 0.0f;
    float mDelay = kDefaultDelay;
    std::uint32_t mCornerType = kUpperLeft;
    Korrin::Vector2 mWinSize;
    Korrin::Vector2 mAngleSize;
    std::array<Korrin::Rect, kPieceCount> mPieces{};
    std::uint8_t mFixedCorner = 0;
    std::uint8_t mCornered = 1;
    std::uint32_t mClickable = 0;
};
