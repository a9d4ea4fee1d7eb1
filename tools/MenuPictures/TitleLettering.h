#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <string>

// Words of the main menu's title, rendered from an outline font into a picture: filled with a colour
// running from top to bottom, ringed by an outline and lifted by a soft shadow.
struct Lettering
{
    std::string fontFile;
    int pixelSize = 64;
    int letterSpacing = 0;
    std::uint32_t top = 0xFFFFFFFFu;
    std::uint32_t bottom = 0xFFFFFFFFu;
    std::uint32_t outline = 0xFF000000u;
    float outlineWidth = 3.0f;
};

// Paints the word centred in the region (left, top, width, height) of the picture; false when the font
// cannot be read.
bool PaintWord(Platform::Image& picture, int left, int top, int width, int height, const std::string& word,
               const Lettering& style);
