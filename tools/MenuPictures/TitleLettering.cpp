#include "tools/MenuPictures/TitleLettering.h"

#include "tools/Common/Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ft2build.h>
#include <vector>
#include FT_FREETYPE_H

namespace
{

// Coverage of the word's glyphs over the region, 0 to 1.
std::vector<float> RenderCoverage(FT_Face face, int width, int height, const std::string& word, int spacing)
{
    std::vector<float> coverage(static_cast<std::size_t>(width) * height, 0.0f);
    int advance = 0;
    for (const char letter : word)
    {
        if (FT_Load_Char(face, static_cast<FT_ULong>(letter), FT_LOAD_DEFAULT) == 0)
        {
            advance += static_cast<int>(face->glyph->advance.x >> 6) + spacing;
        }
    }
    advance -= spacing;
    const int ascent = static_cast<int>(face->size->metrics.ascender >> 6);
    const int descent = static_cast<int>(-face->size->metrics.descender >> 6);
    int penX = (width - advance) / 2;
    const int baseline = (height - (ascent + descent)) / 2 + ascent;
    for (const char letter : word)
    {
        if (FT_Load_Char(face, static_cast<FT_ULong>(letter), FT_LOAD_RENDER) != 0)
        {
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        for (unsigned row = 0; row < slot->bitmap.rows; ++row)
        {
            for (unsigned column = 0; column < slot->bitmap.width; ++column)
            {
                const int x = penX + slot->bitmap_left + static_cast<int>(column);
                const int y = baseline - slot->bitmap_top + static_cast<int>(row);
                if (x >= 0 && y >= 0 && x < width && y < height)
                {
                    const std::uint8_t value =
                        slot->bitmap.buffer[row * static_cast<unsigned>(slot->bitmap.pitch) + column];
                    float& cell = coverage[static_cast<std::size_t>(y) * width + x];
                    cell = std::max(cell, static_cast<float>(value) / 255.0f);
                }
            }
        }
        penX += static_cast<int>(slot->advance.x >> 6) + spacing;
    }
    return coverage;
}

// The largest coverage within the radius: the word grown by an outline.
std::vector<float> Grow(const std::vector<float>& coverage, int width, int height, float radius)
{
    std::vector<float> grown(coverage.size(), 0.0f);
    const int reach = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            float most = 0.0f;
            for (int dy = -reach; dy <= reach; ++dy)
            {
                for (int dx = -reach; dx <= reach; ++dx)
                {
                    const int sx = x + dx;
                    const int sy = y + dy;
                    const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    if (sx < 0 || sy < 0 || sx >= width || sy >= height || distance > radius + 0.5f)
                    {
                        continue;
                    }
                    const float edge = std::clamp(radius + 0.5f - distance, 0.0f, 1.0f);
                    most = std::max(most, coverage[static_cast<std::size_t>(sy) * width + sx] * edge);
                }
            }
            grown[static_cast<std::size_t>(y) * width + x] = most;
        }
    }
    return grown;
}

std::uint32_t Over(std::uint32_t below, std::uint32_t colour, float alpha)
{
    const float a = alpha * static_cast<float>(colour >> 24) / 255.0f;
    const float belowAlpha = static_cast<float>(below >> 24) / 255.0f;
    const float outAlpha = a + belowAlpha * (1.0f - a);
    if (outAlpha <= 0.0f)
    {
        return 0u;
    }
    const auto channel = [&](int shift)
    {
        const float c = static_cast<float>((colour >> shift) & 0xFF);
        const float b = static_cast<float>((below >> shift) & 0xFF);
        return static_cast<int>((c * a + b * belowAlpha * (1.0f - a)) / outAlpha + 0.5f);
    };
    return Painting::Argb(static_cast<int>(outAlpha * 255.0f + 0.5f), channel(16), channel(8), channel(0));
}

} // namespace

bool PaintWord(Platform::Image& picture, int left, int top, int width, int height, const std::string& word,
               const Lettering& style)
{
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
    {
        return false;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, style.fontFile.c_str(), 0, &face) != 0)
    {
        std::fprintf(stderr, "cannot read the font %s\n", style.fontFile.c_str());
        FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.pixelSize));
    const std::vector<float> letters = RenderCoverage(face, width, height, word, style.letterSpacing);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    const std::vector<float> ring = Grow(letters, width, height, style.outlineWidth);
    const int shadowOffset = std::max(2, style.pixelSize / 24);
    for (int y = 0; y < height; ++y)
    {
        const std::uint32_t fill =
            Painting::Mix(style.top, style.bottom, static_cast<float>(y) / static_cast<float>(height));
        for (int x = 0; x < width; ++x)
        {
            std::uint32_t& pixel =
                picture.pixels[static_cast<std::size_t>(top + y) * picture.width + left + x];
            const int sx = x - shadowOffset;
            const int sy = y - shadowOffset;
            if (sx >= 0 && sy >= 0)
            {
                pixel = Over(pixel, 0xFF2A1A10u, ring[static_cast<std::size_t>(sy) * width + sx] * 0.45f);
            }
            const std::size_t index = static_cast<std::size_t>(y) * width + x;
            pixel = Over(pixel, style.outline, ring[index]);
            pixel = Over(pixel, fill, letters[index]);
        }
    }
    return true;
}
