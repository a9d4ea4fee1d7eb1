#pragma once

#include "platform/Image.h"

#include <cstdint>

class Canvas;

// The painted parts of the storehouse window's pictures, shared by its three sheets.
namespace StoreWindowPaint
{
// A clear picture of that size.
Platform::Image Blank(int width, int height);
// A board of horizontal planks with a dark rim.
void Planks(Canvas& c, float x0, float y0, float x1, float y1, std::uint32_t wood);
// A gold coin about (cx, cy).
void Coin(Canvas& c, float cx, float cy, float r);
// A closed padlock about (cx, cy), r its half width.
void Padlock(Canvas& c, float cx, float cy, float r);
// An open wooden cubby a good stands in: back wall, side walls and a front ledge.
void Cubby(Canvas& c, float x0, float y0, float x1, float y1);
// A flower in a clay pot, its bloom of that colour.
void FlowerPot(Canvas& c, float cx, float bottom, std::uint32_t bloom, int petals);

// Colours of the window.
std::uint32_t Wood();
std::uint32_t DarkWood();
std::uint32_t LightWood();
std::uint32_t Outline();
} // namespace StoreWindowPaint
