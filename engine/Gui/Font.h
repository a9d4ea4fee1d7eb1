#pragma once

#include "engine/Util/Colour.h"
#include "engine/Util/Rect.h"
#include "engine/Util/Vector2.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Korrin
{

// A bitmap font: one picture holding the glyphs and a table from UTF-16 code to each glyph's
// rectangle in it. Measures texts and lays them out on one line, aligned in a rectangle, or
// word-wrapped in an area. The layouts are computed as glyph placements first, so what a draw puts
// where can be read without drawing.
class Sprite;

class Font
{
public:
    // Alignment flags shared with texts and containers (left 1 and top 16 are the defaults).
    static constexpr std::uint32_t kAlignRight = 2;
    static constexpr std::uint32_t kAlignCentreY = 4;
    static constexpr std::uint32_t kAlignCentreX = 8;
    static constexpr std::uint32_t kNoGlyph = 0xFFFFFFFFu;
    static constexpr std::uint32_t kTableSize = 65535;

    struct Glyph
    {
        float x = 0.0f;
        float y = 0.0f;
        float w = 0.0f; // also the pen advance
        float h = 0.0f;
        std::uint32_t code = kNoGlyph;
    };

    // One glyph as a draw puts it: the part of the picture (whole pixels), where its top-left lands
    // and the size it is drawn at. A clipped layout draws only the part inside its clip rectangle.
    struct GlyphPlacement
    {
        int sourceLeft = 0;
        int sourceTop = 0;
        int sourceRight = 0;
        int sourceBottom = 0;
        int x = 0;
        int y = 0;
        float width = 0.0f;
        float height = 0.0f;
    };
    using Placements = std::vector<GlyphPlacement>;

    // Loads the font script (the file must exist); a bad file gives a font that draws nothing.
    explicit Font(const std::string& fileName);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The glyph of a code, or null when the font has none.
    const Glyph* FindGlyph(char16_t code) const;

    void GetTextSize(std::u16string_view text, Vector2& size, float ratioX, float ratioY, float scaleX,
                     float scaleY) const;

    void DrawText(const Vector2& position, std::u16string_view text, float spacing, const Colour& colour);
    void DrawAligned(const Rect& area, std::u16string_view text, std::uint32_t flags, const Colour& colour,
                     float spacing);
    void DrawAlignedScaled(const Rect& area, std::u16string_view text, float ratioX, float ratioY,
                           float scaleX, float scaleY, const Colour& colour, std::uint32_t flags);
    void DrawWrapped(const Rect& area, std::u16string_view text, float scaleX, float scaleY,
                     std::uint32_t flags, const Colour& colour, float ratioX, float ratioY);
    void DrawWrappedClipped(const Rect& area, std::u16string_view text, const Rect& clip, std::uint32_t flags,
                            const Colour& colour, float ratioX, float ratioY);
    // The same two with the translated text of a name.
    void DrawWrappedNamed(const Rect& area, const std::string& name, float scaleX, float scaleY,
                          std::uint32_t flags, const Colour& colour, float ratioX, float ratioY);
    void DrawWrappedClippedNamed(const Rect& area, const std::string& name, const Rect& clip,
                                 std::uint32_t flags, const Colour& colour, float ratioX, float ratioY);

    // Draws a part of the font's picture (the edit field's caret) at its own size.
    void DrawPart(const Rect& source, const Vector2& position);

    // The layouts the draws use, appended to out.
    void LayoutText(const Vector2& position, std::u16string_view text, float spacing, Placements& out) const;
    void LayoutAligned(const Rect& area, std::u16string_view text, std::uint32_t flags, float spacing,
                       Placements& out) const;
    void LayoutAlignedScaled(const Rect& area, std::u16string_view text, float ratioX, float ratioY,
                             float scaleX, float scaleY, std::uint32_t flags, Placements& out) const;
    void LayoutWrapped(const Rect& area, std::u16string_view text, float scaleX, float scaleY,
                       std::uint32_t flags, float ratioX, float ratioY, Placements& out);
    void LayoutWrappedClipped(const Rect& area, std::u16string_view text, std::uint32_t flags, float ratioX,
                              float ratioY, Placements& out);

    // The wrapped lines of a text as the layouts break it (each line's words with their blanks).
    std::vector<std::u16string> WrapLines(const Rect& area, std::u16string_view text, float ratioX,
                                          float ratioY, float scaleX, float scaleY);

    std::uint32_t GetGlyphCount() const { return mGlyphCount; }
    float GetLineHeight() const { return mLineHeight; }
    const std::string& GetImageName() const { return mImageName; }
    Sprite* GetSprite() const { return mSprite; }

private:
    // A word with its blank, or a line end; a range of the text being laid out.
    struct Entry
    {
        std::size_t start = 0;
        std::size_t length = 0;
        bool lineEnd = false;
    };
    // A wrapped line: entries [first, end) of the entry list.
    struct Line
    {
        std::size_t first = 0;
        std::size_t end = 0;
    };
    struct WrapStyle;

    void Load(const std::string& fileName);
    void SplitEntries(std::u16string_view text);
    void BreakLines(const Rect& area, std::u16string_view text, float ratioX, float ratioY, float scaleX,
                    float scaleY);
    Vector2 MeasureEntries(std::u16string_view text, std::size_t first, std::size_t end, float ratioX,
                           float ratioY, float scaleX, float scaleY) const;
    void LayoutLines(const Rect& area, std::u16string_view text, const WrapStyle& style, Placements& out);
    GlyphPlacement Place(const Glyph& glyph, int x, int y, float width, float height) const;
    void Paint(const Placements& placements, const Colour& colour, const Rect* clip);

    std::unique_ptr<Glyph[]> mGlyphs;
    // The glyph picture, owned by the sprite manager; null when the font has none.
    Sprite* mSprite = nullptr;
    std::uint32_t mGlyphCount = 0;
    float mLineHeight = 0.0f;
    std::string mImageName;

    // Working lists kept between draws, so laying out a caption each frame does not allocate.
    std::vector<Entry> mEntries;
    std::vector<Line> mLines;
    Placements mPlacements;
};

} // namespace Korrin
