#include "engine/Gui/Font.h"

#include "engine/Gui/GuiDrawing.h"
#include "engine/Log/LogManager.h"
#include "engine/Log/ReportAssert.h"
#include "engine/Render/Sprite.h"
#include "engine/Script/LocaleManager.h"
#include "engine/Script/LuaScript.h"
#include "engine/Script/LuaStackGuard.h"
#include "engine/Util/CheckedInteger.h"

#include <cmath>

namespace Korrin
{

namespace
{

constexpr const char* kSource = "Source\\Gui\\Font";
constexpr char16_t kLineEnd = 10;
constexpr char16_t kBlank = 32;
// Glyph rectangles beyond this are not from any real picture; they are refused so that no later
// conversion to whole pixels can overflow.
constexpr float kLargestCoordinate = 1.0e6f;

bool IsSaneCoordinate(float value)
{
    return std::isfinite(value) && std::fabs(value) <= kLargestCoordinate;
}

std::u16string TranslatedText(const std::string& name)
{
    LocaleManager* texts = LocaleManager::GetInstance();
    return texts != nullptr ? texts->getStringByNameAsUtf16(name) : std::u16string();
}

} // namespace

// How the two wrapped layouts differ: the one draws scaled glyphs, the other unscaled glyphs cut to
// a clip rectangle, and they centre slightly differently.
struct Font::WrapStyle
{
    float ratioX = 1.0f;
    float ratioY = 1.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    std::uint32_t flags = 0;
    bool clipped = false;
};

Font::Font(const std::string& fileName)
{
    Load(fileName);
}

Font::~Font() = default;

void Font::Load(const std::string& fileName)
{
    LuaScript script;
    script.LoadFile(fileName, LuaScript::IfMissing::Report);
    LuaStackGuard guard(script.GetState());

    const LuaValue image = script.GetGlobal("Image");
    if (image.IsString())
    {
        mImageName = image.ToString();
        mSprite = GuiDrawing::CreateSprite(mImageName);
    }
    else
    {
        ReportAndBreak("wrong file (Image)", kEngineModule, kSource, 39);
    }

    const LuaValue charList = script.GetGlobal("CharList");
    if (!charList.IsTable())
    {
        ReportAndBreak("wrong file", kEngineModule, kSource, 71);
        return;
    }
    std::vector<Glyph> entries;
    charList.ForEachEntry(
        [&entries](const LuaValue&, const LuaValue& value)
        {
            float code = 0.0f;
            Glyph glyph;
            if (!value.IsTable() || !value.GetFloat5(code, glyph.x, glyph.y, glyph.w, glyph.h))
            {
                return;
            }
            if (!IsSaneCoordinate(glyph.x) || !IsSaneCoordinate(glyph.y) || !IsSaneCoordinate(glyph.w) ||
                !IsSaneCoordinate(glyph.h) || !std::isfinite(code))
            {
                return;
            }
            const float whole = std::trunc(code);
            glyph.code = (whole >= 0.0f && whole < static_cast<float>(kTableSize))
                             ? static_cast<std::uint32_t>(whole)
                             : kNoGlyph;
            entries.push_back(glyph);
        });
    if (entries.empty())
    {
        return;
    }
    mGlyphs = std::make_unique<Glyph[]>(kTableSize);
    mGlyphCount = kTableSize;
    for (const Glyph& entry : entries)
    {
        if (entry.code != kNoGlyph)
        {
            mGlyphs[entry.code] = entry;
            mLineHeight = entry.h;
        }
    }
}

const Font::Glyph* Font::FindGlyph(char16_t code) const
{
    if (code >= mGlyphCount)
    {
        return nullptr;
    }
    const Glyph& glyph = mGlyphs[code];
    return glyph.code == kNoGlyph ? nullptr : &glyph;
}

void Font::GetTextSize(const std::u16string& text, Vector2& size, float ratioX, float ratioY, float scaleX,
                       float scaleY) const
{
    size = Vector2{};
    for (const char16_t code : text)
    {
        const Glyph* glyph = FindGlyph(code);
        if (glyph == nullptr || code == kLineEnd)
        {
            continue;
        }
        size.x += glyph->w * ratioX * scaleX;
        size.y = glyph->h * ratioY * scaleY;
    }
}

Font::GlyphPlacement Font::Place(const Glyph& glyph, int x, int y, float width, float height) const
{
    GlyphPlacement placement;
    placement.sourceLeft = CheckedInteger<int>(glyph.x);
    placement.sourceTop = CheckedInteger<int>(glyph.y);
    placement.sourceRight = CheckedInteger<int>(glyph.x + glyph.w);
    placement.sourceBottom = CheckedInteger<int>(glyph.y + glyph.h);
    placement.x = x;
    placement.y = y;
    placement.width = width;
    placement.height = height;
    return placement;
}

void Font::LayoutText(const Vector2& position, const std::u16string& text, float spacing,
                      Placements& out) const
{
    float pen = 0.0f;
    for (const char16_t code : text)
    {
        const Glyph* glyph = FindGlyph(code);
        if (glyph == nullptr)
        {
            continue;
        }
        const GlyphPlacement placement =
            Place(*glyph, CheckedInteger<int>(position.x + pen), CheckedInteger<int>(position.y), 0.0f, 0.0f);
        out.push_back(placement);
        out.back().width = static_cast<float>(placement.sourceRight - placement.sourceLeft);
        out.back().height = static_cast<float>(placement.sourceBottom - placement.sourceTop);
        pen += glyph->w * spacing;
    }
}

void Font::LayoutAligned(const Rect& area, const std::u16string& text, std::uint32_t flags, float spacing,
                         Placements& out) const
{
    Vector2 size;
    GetTextSize(text, size, spacing, 1.0f, 1.0f, 1.0f);
    Vector2 position{area.left, area.top};
    if ((flags & kAlignCentreX) != 0)
    {
        position.x = (area.left + area.right) * 0.5f - static_cast<float>(CheckedInteger<int>(size.x) / 2);
    }
    else if ((flags & kAlignRight) != 0)
    {
        position.x = area.right - size.x;
    }
    if ((flags & kAlignCentreY) != 0)
    {
        position.y = (area.top + area.bottom) * 0.5f - size.y * 0.5f;
    }
    LayoutText(position, text, spacing, out);
}

void Font::LayoutAlignedScaled(const Rect& area, const std::u16string& text, float ratioX, float ratioY,
                               float scaleX, float scaleY, std::uint32_t flags, Placements& out) const
{
    Vector2 size;
    GetTextSize(text, size, ratioX, ratioY, scaleX, scaleY);
    Vector2 position{area.left, area.top};
    if ((flags & kAlignCentreX) != 0)
    {
        position.x = (area.left + area.right) * 0.5f - static_cast<float>(CheckedInteger<int>(size.x) / 2);
    }
    else if ((flags & kAlignRight) != 0)
    {
        position.x = area.right - size.x;
    }
    if ((flags & kAlignCentreY) != 0)
    {
        position.y = (area.top + area.bottom) * 0.5f - size.y * 0.5f;
    }
    float pen = 0.0f;
    for (const char16_t code : text)
    {
        const Glyph* glyph = FindGlyph(code);
        if (glyph == nullptr)
        {
            continue;
        }
        out.push_back(Place(*glyph, CheckedInteger<int>(position.x + pen), CheckedInteger<int>(position.y),
                            glyph->w * scaleX, glyph->h * scaleY));
        pen += glyph->w * ratioX * scaleX;
    }
}

void Font::SplitEntries(const std::u16string& text)
{
    mEntries.clear();
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = start;
        while (end < text.size() && text[end] != kBlank && text[end] != kLineEnd)
        {
            ++end;
        }
        mEntries.push_back(Entry{start, end - start, false});
        if (end < text.size() && text[end] == kLineEnd)
        {
            mEntries.push_back(Entry{end, 0, true});
        }
        start = end + 1;
    }
}

Vector2 Font::MeasureEntries(const std::u16string& text, std::size_t first, std::size_t end, float ratioX,
                             float ratioY, float scaleX, float scaleY) const
{
    // As measuring the entries' words, each followed by its blank, joined into one text.
    Vector2 size;
    const Glyph* blank = FindGlyph(kBlank);
    const auto add = [&size, ratioX, ratioY, scaleX, scaleY](const Glyph* glyph)
    {
        if (glyph != nullptr)
        {
            size.x += glyph->w * ratioX * scaleX;
            size.y = glyph->h * ratioY * scaleY;
        }
    };
    for (std::size_t index = first; index < end; ++index)
    {
        const Entry& entry = mEntries[index];
        if (entry.lineEnd)
        {
            continue;
        }
        for (std::size_t position = entry.start; position < entry.start + entry.length; ++position)
        {
            add(text[position] == kLineEnd ? nullptr : FindGlyph(text[position]));
        }
        add(blank);
    }
    return size;
}

void Font::BreakLines(const Rect& area, const std::u16string& text, float ratioX, float ratioY, float scaleX,
                      float scaleY)
{
    SplitEntries(text);
    mLines.clear();
    const float available = area.right - area.left;
    Line line;
    float lineWidth = 0.0f;
    for (std::size_t index = 0; index < mEntries.size(); ++index)
    {
        const Entry& entry = mEntries[index];
        const bool lineEmpty = line.first == line.end;
        if (!lineEmpty && entry.lineEnd)
        {
            mLines.push_back(line);
            line = Line{index + 1, index + 1};
            lineWidth = 0.0f;
            continue;
        }
        if (entry.lineEnd)
        {
            line = Line{index + 1, index + 1};
            continue;
        }
        const float entryWidth = MeasureEntries(text, index, index + 1, ratioX, ratioY, scaleX, scaleY).x;
        if (!lineEmpty && lineWidth + entryWidth >= available)
        {
            mLines.push_back(line);
            line = Line{index, index};
            lineWidth = 0.0f;
        }
        line.end = index + 1;
        lineWidth += entryWidth;
    }
    if (line.first != line.end)
    {
        mLines.push_back(line);
    }
}

std::vector<std::u16string> Font::WrapLines(const Rect& area, const std::u16string& text, float ratioX,
                                            float ratioY, float scaleX, float scaleY)
{
    BreakLines(area, text, ratioX, ratioY, scaleX, scaleY);
    std::vector<std::u16string> lines;
    for (const Line& line : mLines)
    {
        std::u16string joined;
        for (std::size_t index = line.first; index < line.end; ++index)
        {
            joined += text.substr(mEntries[index].start, mEntries[index].length);
            joined += kBlank;
        }
        lines.push_back(joined);
    }
    return lines;
}

void Font::LayoutWrapped(const Rect& area, const std::u16string& text, float scaleX, float scaleY,
                         std::uint32_t flags, float ratioX, float ratioY, Placements& out)
{
    BreakLines(area, text, ratioX, ratioY, scaleX, scaleY);
    LayoutLines(area, text, WrapStyle{ratioX, ratioY, scaleX, scaleY, flags, false}, out);
}

void Font::LayoutWrappedClipped(const Rect& area, const std::u16string& text, std::uint32_t flags,
                                float ratioX, float ratioY, Placements& out)
{
    BreakLines(area, text, ratioX, ratioY, 1.0f, 1.0f);
    LayoutLines(area, text, WrapStyle{ratioX, ratioY, 1.0f, 1.0f, flags, true}, out);
}

void Font::LayoutLines(const Rect& area, const std::u16string& text, const WrapStyle& style, Placements& out)
{
    float top = area.top;
    if ((style.flags & kAlignCentreY) != 0)
    {
        const float lineCount = static_cast<float>(mLines.size());
        float total = 0.0f;
        if (style.clipped)
        {
            total = mLines.size() == 1 ? mLineHeight : lineCount * mLineHeight * style.ratioY;
        }
        else
        {
            total = mLines.size() == 1 ? mLineHeight * style.scaleY
                                       : lineCount * mLineHeight * style.scaleY * style.ratioY;
        }
        top = area.top + (area.bottom - area.top) * 0.5f - total * 0.5f;
    }
    const Glyph* blank = FindGlyph(kBlank);
    float offsetY = 0.0f;
    for (const Line& line : mLines)
    {
        const Vector2 size = MeasureEntries(text, line.first, line.end, style.ratioX, style.ratioY,
                                            style.scaleX, style.scaleY);
        float left = area.left;
        if ((style.flags & kAlignCentreX) != 0)
        {
            left = style.clipped
                       ? static_cast<float>(CheckedInteger<int>(area.left + area.right - size.x) / 2)
                       : area.left + (area.right - area.left) * 0.5f - size.x * 0.5f;
        }
        else if ((style.flags & kAlignRight) != 0)
        {
            left = area.right - size.x;
        }
        float pen = 0.0f;
        const auto place = [&](const Glyph* glyph)
        {
            if (glyph == nullptr)
            {
                return;
            }
            const int x = CheckedInteger<int>(left + pen);
            const int y = CheckedInteger<int>(top + offsetY);
            const float width =
                style.clipped ? glyph->w : static_cast<float>(CheckedInteger<int>(glyph->w * style.scaleX));
            const float height =
                style.clipped ? glyph->h : static_cast<float>(CheckedInteger<int>(glyph->h * style.scaleY));
            out.push_back(Place(*glyph, x, y, width, height));
            pen += glyph->w * style.ratioX * style.scaleX;
        };
        for (std::size_t index = line.first; index < line.end; ++index)
        {
            const Entry& entry = mEntries[index];
            for (std::size_t position = entry.start; position < entry.start + entry.length; ++position)
            {
                place(FindGlyph(text[position]));
            }
            place(blank);
        }
        offsetY += style.clipped ? size.y * style.ratioY : size.y * style.scaleY * style.ratioY;
    }
}

void Font::DrawText(const Vector2& position, const std::u16string& text, float spacing, const Colour& colour)
{
    mPlacements.clear();
    LayoutText(position, text, spacing, mPlacements);
    Paint(mPlacements, colour, nullptr);
}

void Font::DrawAligned(const Rect& area, const std::u16string& text, std::uint32_t flags,
                       const Colour& colour, float spacing)
{
    mPlacements.clear();
    LayoutAligned(area, text, flags, spacing, mPlacements);
    Paint(mPlacements, colour, nullptr);
}

void Font::DrawAlignedScaled(const Rect& area, const std::u16string& text, float ratioX, float ratioY,
                             float scaleX, float scaleY, const Colour& colour, std::uint32_t flags)
{
    mPlacements.clear();
    LayoutAlignedScaled(area, text, ratioX, ratioY, scaleX, scaleY, flags, mPlacements);
    Paint(mPlacements, colour, nullptr);
}

void Font::DrawWrapped(const Rect& area, const std::u16string& text, float scaleX, float scaleY,
                       std::uint32_t flags, const Colour& colour, float ratioX, float ratioY)
{
    mPlacements.clear();
    LayoutWrapped(area, text, scaleX, scaleY, flags, ratioX, ratioY, mPlacements);
    Paint(mPlacements, colour, nullptr);
}

void Font::DrawWrappedClipped(const Rect& area, const std::u16string& text, const Rect& clip,
                              std::uint32_t flags, const Colour& colour, float ratioX, float ratioY)
{
    mPlacements.clear();
    LayoutWrappedClipped(area, text, flags, ratioX, ratioY, mPlacements);
    Paint(mPlacements, colour, &clip);
}

void Font::DrawWrappedNamed(const Rect& area, const std::string& name, float scaleX, float scaleY,
                            std::uint32_t flags, const Colour& colour, float ratioX, float ratioY)
{
    DrawWrapped(area, TranslatedText(name), scaleX, scaleY, flags, colour, ratioX, ratioY);
}

void Font::DrawWrappedClippedNamed(const Rect& area, const std::string& name, const Rect& clip,
                                   std::uint32_t flags, const Colour& colour, float ratioX, float ratioY)
{
    DrawWrappedClipped(area, TranslatedText(name), clip, flags, colour, ratioX, ratioY);
}

void Font::DrawPart(const Rect& source, const Vector2& position)
{
    GuiDrawing::DrawPart(mSprite, source, position);
}

void Font::Paint(const Placements& placements, const Colour& colour, const Rect* clip)
{
    if (mSprite == nullptr || placements.empty())
    {
        return;
    }
    const Colour saved = mSprite->GetColour();
    mSprite->SetColourV(colour);
    for (const GlyphPlacement& placement : placements)
    {
        if (clip != nullptr)
        {
            const Rect source{
                static_cast<float>(placement.sourceLeft), static_cast<float>(placement.sourceTop),
                static_cast<float>(placement.sourceRight), static_cast<float>(placement.sourceBottom)};
            mSprite->DrawInRect(source, *clip, static_cast<float>(placement.x),
                                static_cast<float>(placement.y));
        }
        else
        {
            mSprite->SetSrcRect(placement.sourceLeft, placement.sourceTop, placement.sourceRight,
                                placement.sourceBottom);
            mSprite->DrawScale(placement.x, placement.y, CheckedInteger<int>(placement.width),
                               CheckedInteger<int>(placement.height));
        }
    }
    mSprite->SetColourV(saved);
}

} // namespace Korrin
