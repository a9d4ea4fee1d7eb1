// Renders the sample data's bitmap fonts from a system font: for each font a PNG picture of white
// glyphs whose alpha is the coverage, and a ".fnt" script that names the picture and lists, per
// UTF-16 code, the glyph's rectangle in it. Every rectangle of a font has the same height (the line
// height) and its width is the pen advance, which is how the engine lays text out.
//
// Usage: wf_font_generator OUTPUT_FOLDER REGULAR.ttf BOLD.ttf

#include <ft2build.h>
#include FT_FREETYPE_H

#include "tools/Common/RgbaPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{

struct FontSpec
{
    const char* name; // file name without extension
    bool bold;
    int pixelSize;
};

// The sizes the layouts use: small print, body text, captions, titles.
constexpr FontSpec kFonts[] = {
    {"font01", false, 14},
    {"font02", false, 18},
    {"font03", true, 22},
    {"font04", true, 30},
};

struct CodeRange
{
    char16_t first;
    char16_t last;
};

// Latin (ASCII, Latin-1, Latin Extended-A), Cyrillic, the punctuation texts commonly use, and the smile
// an upgrade button shows at the last level.
constexpr CodeRange kRanges[] = {
    {0x0020, 0x007E}, {0x00A0, 0x017F}, {0x0400, 0x045F}, {0x2013, 0x2014}, {0x2018, 0x201E},
    {0x2022, 0x2022}, {0x2026, 0x2026}, {0x20AC, 0x20AC}, {0x2116, 0x2116}, {0x263A, 0x263A},
};

constexpr int kPictureWidth = 512;
constexpr int kGap = 1; // empty pixels between cells, so filtering never bleeds a neighbour in
// A solid bar the height of a line at the picture's top right, for edit fields to draw as their caret:
// its rectangle is (kCaretLeft, 1, kCaretLeft + kCaretWidth, 1 + line height).
constexpr int kCaretWidth = 2;
constexpr int kCaretLeft = kPictureWidth - kCaretWidth - kGap;

struct Glyph
{
    char16_t code = 0;
    int advance = 0;
    int left = 0; // bitmap offset from the pen
    int top = 0;  // bitmap offset below the cell's top
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage;
    int cellX = 0;
    int cellY = 0;
};

int NextPowerOfTwo(int value)
{
    int result = 1;
    while (result < value)
    {
        result *= 2;
    }
    return result;
}

bool RenderGlyphs(FT_Face face, int ascent, std::vector<Glyph>& glyphs)
{
    for (const CodeRange& range : kRanges)
    {
        for (unsigned code = range.first; code <= range.last; ++code)
        {
            const FT_UInt index = FT_Get_Char_Index(face, code);
            if (index == 0 && code != 0x20)
            {
                continue;
            }
            if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
            {
                std::fprintf(stderr, "font generator: no glyph for U+%04X\n", code);
                return false;
            }
            const FT_GlyphSlot slot = face->glyph;
            Glyph glyph;
            glyph.code = static_cast<char16_t>(code);
            glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
            glyph.left = slot->bitmap_left;
            glyph.top = ascent - slot->bitmap_top;
            glyph.width = static_cast<int>(slot->bitmap.width);
            glyph.rows = static_cast<int>(slot->bitmap.rows);
            glyph.coverage.resize(static_cast<std::size_t>(glyph.width) *
                                  static_cast<std::size_t>(glyph.rows));
            for (int row = 0; row < glyph.rows; ++row)
            {
                const std::uint8_t* source =
                    slot->bitmap.buffer + static_cast<std::ptrdiff_t>(row) * slot->bitmap.pitch;
                std::copy(source, source + glyph.width,
                          glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
            }
            glyphs.push_back(std::move(glyph));
        }
    }
    return true;
}

RgbaPicture PackGlyphs(std::vector<Glyph>& glyphs, int lineHeight)
{
    int x = kGap;
    int y = kGap;
    for (Glyph& glyph : glyphs)
    {
        if (x + glyph.advance + kGap > kCaretLeft - kGap)
        {
            x = kGap;
            y += lineHeight + kGap;
        }
        glyph.cellX = x;
        glyph.cellY = y;
        x += glyph.advance + kGap;
    }
    RgbaPicture picture(kPictureWidth, NextPowerOfTwo(y + lineHeight + kGap));
    for (std::size_t pixel = 0; pixel < picture.rgba.size(); pixel += 4)
    {
        picture.rgba[pixel] = picture.rgba[pixel + 1] = picture.rgba[pixel + 2] = 255;
    }
    for (int row = 1; row < 1 + lineHeight; ++row)
    {
        for (int column = kCaretLeft; column < kCaretLeft + kCaretWidth; ++column)
        {
            picture.rgba[(static_cast<std::size_t>(row) * static_cast<std::size_t>(picture.width) +
                          static_cast<std::size_t>(column)) *
                             4 +
                         3] = 255;
        }
    }
    for (const Glyph& glyph : glyphs)
    {
        for (int row = 0; row < glyph.rows; ++row)
        {
            for (int column = 0; column < glyph.width; ++column)
            {
                // Ink that reaches past the cell (italic overhangs, deep descenders) is cut, so a
                // cell never shows part of its neighbour.
                const int cellColumn = glyph.left + column;
                const int cellRow = glyph.top + row;
                if (cellColumn < 0 || cellColumn >= glyph.advance || cellRow < 0 || cellRow >= lineHeight)
                {
                    continue;
                }
                const std::size_t target = (static_cast<std::size_t>(glyph.cellY + cellRow) *
                                                static_cast<std::size_t>(picture.width) +
                                            static_cast<std::size_t>(glyph.cellX + cellColumn)) *
                                           4;
                picture.rgba[target + 3] =
                    std::max(picture.rgba[target + 3],
                             glyph.coverage[static_cast<std::size_t>(row * glyph.width + column)]);
            }
        }
    }
    return picture;
}

bool WriteFontScript(const std::vector<Glyph>& glyphs, int lineHeight, const std::string& imageName,
                     const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "-- Generated by wf_font_generator: glyph rectangles {code, x, y, w, h} in " << imageName << ".\n";
    out << "-- Caret bar: {" << kCaretLeft << ", 1, " << kCaretLeft + kCaretWidth << ", " << 1 + lineHeight
        << "}\n";
    out << "Image = \"" << imageName << "\"\n";
    out << "CharList = {\n";
    for (const Glyph& glyph : glyphs)
    {
        out << "    {" << static_cast<unsigned>(glyph.code) << ", " << glyph.cellX << ", " << glyph.cellY
            << ", " << glyph.advance << ", " << lineHeight << "},\n";
    }
    out << "}\n";
    return static_cast<bool>(out);
}

bool GenerateFont(FT_Library library, const FontSpec& spec, const std::string& fontFile,
                  const std::string& outputFolder)
{
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0)
    {
        std::fprintf(stderr, "font generator: cannot open %s\n", fontFile.c_str());
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(spec.pixelSize));
    const int ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-face->size->metrics.descender + 63) >> 6);
    const int lineHeight = ascent + descent;

    std::vector<Glyph> glyphs;
    const bool rendered = RenderGlyphs(face, ascent, glyphs);
    FT_Done_Face(face);
    if (!rendered)
    {
        return false;
    }
    const RgbaPicture picture = PackGlyphs(glyphs, lineHeight);
    const std::string imageName = std::string(spec.name) + ".png";
    return picture.WritePng(outputFolder + "/" + imageName) &&
           WriteFontScript(glyphs, lineHeight, imageName, outputFolder + "/" + spec.name + ".fnt");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER REGULAR.ttf BOLD.ttf\n", argv[0]);
        return 2;
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
    {
        std::fprintf(stderr, "font generator: FreeType failed to start\n");
        return 1;
    }
    bool ok = true;
    for (const FontSpec& spec : kFonts)
    {
        ok = GenerateFont(library, spec, spec.bold ? argv[3] : argv[2], argv[1]) && ok;
    }
    FT_Done_FreeType(library);
    return ok ? 0 : 1;
}
