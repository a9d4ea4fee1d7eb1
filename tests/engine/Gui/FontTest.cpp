#include "engine/Gui/Font.h"

#include "engine/File/FileSysManager.h"
#include "engine/Gui/FontManager.h"
#include "tests/engine/LogCapture.h"
#include "tests/support/ReportRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using Korrin::Font;
using Korrin::Rect;
using Korrin::Vector2;
using TestSupport::ReportRecorder;

namespace
{

class FontTest : public testing::Test
{
protected:
    void SetUp() override { ReportRecorder::Clear(); }

    TestSupport::LogCapture mLog;
    Korrin::FileSysManager mFiles{WF_FIXTURES_DIR "/gui"};
};

struct Origin
{
    int x;
    int y;
};

std::vector<Origin> Origins(const Font::Placements& placements)
{
    std::vector<Origin> origins;
    for (const Font::GlyphPlacement& placement : placements)
    {
        origins.push_back(Origin{placement.x, placement.y});
    }
    return origins;
}

MATCHER_P(OriginsAre, expected, "")
{
    const std::vector<Origin> actual = Origins(arg);
    if (actual.size() != expected.size())
    {
        *result_listener << "has " << actual.size() << " glyphs";
        return false;
    }
    for (std::size_t index = 0; index < actual.size(); ++index)
    {
        if (actual[index].x != expected[index].x || actual[index].y != expected[index].y)
        {
            *result_listener << "glyph " << index << " at (" << actual[index].x << ", " << actual[index].y
                             << ")";
            return false;
        }
    }
    return true;
}

} // namespace

TEST_F(FontTest, LoadsGlyphsSkippingMalformedEntriesWithTheLastRectangleOfACodeWinning)
{
    Font font("small.fnt");
    EXPECT_TRUE(ReportRecorder::Boxes().empty());
    EXPECT_EQ(font.GetImageName(), "small.png");
    EXPECT_EQ(font.GetGlyphCount(), 65535u);
    // The line height is the h of the last entry read ('f', whose code 102.7 truncates to 102).
    EXPECT_EQ(font.GetLineHeight(), 11.0f);

    ASSERT_NE(font.FindGlyph(u'a'), nullptr);
    EXPECT_EQ(font.FindGlyph(u'a')->x, 10.0f);
    EXPECT_EQ(font.FindGlyph(u'a')->code, 97u);
    ASSERT_NE(font.FindGlyph(u'd'), nullptr);
    EXPECT_EQ(font.FindGlyph(u'd')->x, 50.0f) << "four numbers are too few; a sixth is not read";
    ASSERT_NE(font.FindGlyph(u'e'), nullptr);
    EXPECT_EQ(font.FindGlyph(u'e')->x, 60.0f);
    EXPECT_EQ(font.FindGlyph(u'e')->w, 9.0f);
    ASSERT_NE(font.FindGlyph(u'f'), nullptr);
    EXPECT_EQ(font.FindGlyph(u'z'), nullptr);
    EXPECT_EQ(font.FindGlyph(0xFFFF), nullptr);
}

TEST_F(FontTest, BrokenFontFilesReportAndGiveAFontWithoutGlyphs)
{
    struct Case
    {
        const char* file;
        std::vector<std::string> reports; // in order
        std::uint32_t glyphs;
        const char* logged; // the line before the report, naming the file
    };
    const Case cases[] = {
        {"no_image.fnt",
         {"wrong file (Image)"},
         65535u,
         "no_image.fnt: Image is not the name of a picture\n"},
        {"no_list.fnt", {"wrong file"}, 0u, "no_list.fnt: CharList is not a table of glyphs\n"},
        {"missing.fnt",
         {"File not load: missing.fnt", "wrong file (Image)", "wrong file"},
         0u,
         "missing.fnt: Image is not the name of a picture: the file was not found"},
        // A script that stops at its error has set nothing.
        {"syntax_error.fnt",
         {"wrong file (Image)", "wrong file"},
         0u,
         "syntax_error.fnt: Image is not the name of a picture: the script did not run to its end "
         "(syntax_error.fnt:3: "},
    };
    for (const Case& each : cases)
    {
        ReportRecorder::Clear();
        Font font(each.file);
        // The file's first report asks; the others are in the log.
        ASSERT_EQ(ReportRecorder::Boxes().size(), 1u) << each.file;
        EXPECT_NE(ReportRecorder::Boxes()[0].text.find(each.reports[0]), std::string::npos)
            << each.file << ": " << ReportRecorder::Boxes()[0].text;
        for (std::size_t index = 1; index < each.reports.size(); ++index)
        {
            EXPECT_NE(mLog.Text().find("is damaged): " + each.reports[index]), std::string::npos)
                << each.file << ": " << mLog.Text();
        }
        EXPECT_EQ(font.GetGlyphCount(), each.glyphs) << each.file;
        EXPECT_NE(mLog.Text().find(each.logged), std::string::npos) << mLog.Text();
        Vector2 size{5.0f, 5.0f};
        font.GetTextSize(u"zz", size, 1, 1, 1, 1);
        EXPECT_EQ(size, Vector2{}) << each.file;
    }
}

TEST_F(FontTest, GlyphRectanglesThatAreNotFiniteOrAbsurdlyLargeAreRefused)
{
    Font font("hostile.fnt");
    EXPECT_EQ(font.FindGlyph(u'a'), nullptr);
    EXPECT_EQ(font.FindGlyph(u'b'), nullptr);
    EXPECT_EQ(font.FindGlyph(u'c'), nullptr);
    ASSERT_NE(font.FindGlyph(u'd'), nullptr);
    EXPECT_EQ(font.GetLineHeight(), 5.0f);
}

TEST_F(FontTest, MeasuresWidthOverGlyphsAndHeightOfTheLastGlyph)
{
    Font font("small.fnt");
    struct Case
    {
        std::u16string text;
        float ratioX, ratioY, scaleX, scaleY;
        Vector2 expected;
    };
    const Case cases[] = {
        {u"", 1, 1, 1, 1, {0, 0}},
        {u"ab", 1, 1, 1, 1, {18, 10}},
        {u"ac", 1, 1, 1, 1, {16, 12}},
        {u"ca", 1, 1, 1, 1, {16, 10}},          // the last glyph's height, not the tallest
        {u"a\nz\u0416b", 1, 1, 1, 1, {18, 10}}, // line ends and glyph-less codes count for nothing
        {u"zz", 1, 1, 1, 1, {0, 0}},
        {u"ab", 2, 3, 0.5f, 2, {18, 60}},
    };
    for (const Case& each : cases)
    {
        Vector2 size;
        font.GetTextSize(each.text, size, each.ratioX, each.ratioY, each.scaleX, each.scaleY);
        EXPECT_EQ(size, each.expected) << each.text.size() << " units, ratio " << each.ratioX;
    }
}

TEST_F(FontTest, WrapsWordsWithTheirBlanksAtLineEndsAndAtTheAreaEdge)
{
    Font font("small.fnt");
    struct Case
    {
        std::u16string text;
        float width;
        std::vector<std::u16string> lines;
    };
    // Entry widths: "ab " 22, "cd " is "c" 6 + blank 4 (no d) = 10, "a " 14.
    const Case cases[] = {
        {u"ab\n\ncd", 100, {u"ab ", u" ", u"cd "}},
        {u"ab\n", 100, {u"ab "}},
        {u"ab a", 36, {u"ab ", u"a "}}, // 22 + 14 reaches the edge exactly: moves
        {u"ab a", 37, {u"ab a "}},
        {u"ab  a", 100, {u"ab  a "}},       // two blanks: an entry that is a single blank
        {u"aaaa a", 10, {u"aaaa ", u"a "}}, // too wide a word stays alone, uncut
        {u"\nab", 100, {u" ", u"ab "}},     // a leading line end: an empty word with its blank
        {u"", 100, {}},
    };
    for (const Case& each : cases)
    {
        EXPECT_EQ(font.WrapLines(Rect{0, 0, each.width, 50}, each.text, 1, 1, 1, 1), each.lines)
            << "width " << each.width;
    }
}

TEST_F(FontTest, AlignsOneLineInARectangle)
{
    Font font("small.fnt");
    // "ab" is 18 by 10; the area 10..51 by 20..40.
    const Rect area{10, 20, 51, 40};
    struct Case
    {
        std::uint32_t flags;
        std::vector<Origin> expected;
    };
    const Case cases[] = {
        {0, {{10, 20}, {20, 20}}},
        {Font::kAlignRight, {{33, 20}, {43, 20}}},
        {Font::kAlignCentreX, {{21, 20}, {31, 20}}}, // 30.5 - 18 / 2 = 21.5, truncated
        {Font::kAlignCentreX | Font::kAlignRight, {{21, 20}, {31, 20}}},
        {Font::kAlignCentreY, {{10, 25}, {20, 25}}},
    };
    for (const Case& each : cases)
    {
        Font::Placements placements;
        font.LayoutAligned(area, u"ab", each.flags, 1.0f, placements);
        EXPECT_THAT(placements, OriginsAre(each.expected)) << "flags " << each.flags;
    }

    Font::Placements spaced;
    font.LayoutText(Vector2{0.5f, 1.9f}, u"azb", 1.5f, spaced);
    EXPECT_THAT(spaced, OriginsAre(std::vector<Origin>{{0, 1}, {15, 1}}));
    EXPECT_EQ(spaced[1].sourceLeft, 20);
    EXPECT_EQ(spaced[1].sourceRight, 28);
    EXPECT_EQ(spaced[1].width, 8.0f);
}

TEST_F(FontTest, ScaledLinesStretchGlyphsAndAdvanceByRatioAndScale)
{
    Font font("small.fnt");
    Font::Placements placements;
    font.LayoutAlignedScaled(Rect{0, 0, 100, 40}, u"ab", 1.5f, 1.0f, 2.0f, 3.0f,
                             Font::kAlignRight | Font::kAlignCentreY, placements);
    // Width (10 + 8) * 1.5 * 2 = 54, height 10 * 3 = 30.
    EXPECT_THAT(placements, OriginsAre(std::vector<Origin>{{46, 5}, {76, 5}}));
    EXPECT_EQ(placements[0].width, 20.0f);
    EXPECT_EQ(placements[0].height, 30.0f);
}

TEST_F(FontTest, WrappedLayoutsPlaceLinesCentredAndStacked)
{
    Font font("small.fnt");
    // Two lines: "ab " (22) and "a " (14), line height 11, glyph heights 10.
    const Rect area{0, 0, 30, 100};
    Font::Placements plain;
    font.LayoutWrapped(area, u"ab a", 1, 1, Font::kAlignCentreX | Font::kAlignCentreY, 1, 1, plain);
    // Block of 2 * 11 = 22 centred in 100: top 39; lines 4 and 8 from the left.
    EXPECT_THAT(plain, OriginsAre(std::vector<Origin>{{4, 39}, {14, 39}, {22, 39}, {8, 49}, {18, 49}}));

    Font::Placements clipped;
    font.LayoutWrappedClipped(Rect{1, 0, 30, 100}, u"ab a", Font::kAlignCentreX, 1, 1, clipped);
    // (int)(1 + 30 - 22) / 2 = 4 and (int)(31 - 14) / 2 = 8.
    EXPECT_THAT(clipped, OriginsAre(std::vector<Origin>{{4, 0}, {14, 0}, {22, 0}, {8, 10}, {18, 10}}));

    Font::Placements scaled;
    font.LayoutWrapped(Rect{0, 0, 200, 100}, u"ab", 2.0f, 1.5f, 0, 1, 1, scaled);
    EXPECT_THAT(scaled, OriginsAre(std::vector<Origin>{{0, 0}, {20, 0}, {36, 0}}));
    EXPECT_EQ(scaled[0].width, 20.0f);
    EXPECT_EQ(scaled[0].height, 15.0f);
}

TEST_F(FontTest, TheManagerLoadsEachFontOnceByItsLowerCasedName)
{
    Korrin::FontManager fonts;
    Font* first = fonts.GetFont("Small.FNT");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(fonts.GetFont("small.fnt"), first);
    EXPECT_NE(fonts.GetFont("missing.fnt"), nullptr);
    EXPECT_EQ(Korrin::FontManager::GetInstance(), &fonts);
}
