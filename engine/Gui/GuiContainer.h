#pragma once

#include "engine/Gui/GuiElement.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class LuaValue;

namespace Korrin
{

class Sprite;

// A window: a background (whole, or framed from nine pieces of one picture) and the widgets of a
// layout file, which it owns, tests, updates and draws. Placed by its anchor flags.
class GuiContainer : public GuiElement
{
public:
    static constexpr std::uint32_t kAlignLeft = 1;
    static constexpr std::uint32_t kAlignRight = 2;
    static constexpr std::uint32_t kAlignCentreY = 4;
    static constexpr std::uint32_t kAlignCentreX = 8;
    static constexpr std::uint32_t kAlignTop = 16;
    static constexpr std::uint32_t kAlignBottom = 32;

    // The nine pieces of a framed background, in their order.
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
        kPieceCount
    };
    // One piece of a framed background as drawn: where, and the clip rectangle it is cut to.
    struct PiecePlacement
    {
        Piece piece = kCentre;
        Vector2 position;
        Rect clip;
        bool whole = false; // corners are drawn whole, without a clip
    };

    // An empty container (the manager, a game's own window frame).
    GuiContainer();
    // Builds the container from the global table of that name in a layout file.
    GuiContainer(const std::string& name, const std::string& fileName);
    ~GuiContainer() override;

    void UpdatePosition(const Vector2& position) override;
    void HandleInput() override;
    void Update() override;
    void Draw() override;
    void SetColour(const Colour& colour) override;
    void SetAlpha(float alpha) override;

    // Takes the element over: files it under its lower-cased name (the first of a name stays filed)
    // and appends it to the input and the draw order.
    void AddGuiElement(GuiElement* element, const std::string& kind, GuiContainer* container,
                       const std::string& name);
    GuiElement* GetByName(const std::string& name) const;
    GuiElement* GetByIndex(std::uint16_t index) const;
    std::size_t GetCount() const { return mDrawOrder.size(); }
    void SetDisabled(bool disabled);
    void SetWinSize(const Vector2& windowSize, const Vector2& cornerSize);
    // The part of the background picture that a framed background is cut from; SetWinSize then
    // recomputes its nine pieces.
    void SetFrameSource(const Rect& source) { mSrcRect = source; }
    const Vector2& GetWinSize() const { return mWindowSize; }
    const Vector2& GetCornerSize() const { return mCornerSize; }
    void GetAnchorPos(Vector2& position) const;

    // The pieces a framed background draws, in drawing order.
    void GetFramePieces(std::vector<PiecePlacement>& out) const;

    bool IsFramed() const { return mFramed; }
    const Rect& GetSrcRect() const { return mSrcRect; }
    const Rect& GetPieceRect(Piece piece) const { return mPieces[piece]; }
    std::uint32_t GetAnchorFlags() const { return mAnchorFlags; }
    void SetAnchorFlags(std::uint32_t flags) { mAnchorFlags = flags; }
    Sprite* GetBackground() const { return mBackground; }
    const std::vector<GuiElement*>& GetInputOrder() const { return mInputOrder; }

protected:
    void ReadLayout(const LuaValue& table);
    void ReadChildren(const LuaValue& table);
    void AddChild(const LuaValue& child);
    void ComputePieces();
    Vector2 PlacedSize() const;

    std::map<std::string, GuiElement*> mByName;
    std::vector<GuiElement*> mInputOrder;
    std::vector<GuiElement*> mDrawOrder;
    Sprite* mBackground = nullptr;
    Rect mSrcRect;
    bool mFramed = false;
    Vector2 mWindowSize;
    Vector2 mCornerSize;
    std::array<Rect, kPieceCount> mPieces{};
    std::uint32_t mAnchorFlags = 0;

private:
    void DrawBackgroundWhole();
    void DrawBackgroundPiece(const PiecePlacement& piece);

    std::vector<std::unique_ptr<GuiElement>> mOwned;
    std::vector<PiecePlacement> mPiecesToDraw;
};

} // namespace Korrin
