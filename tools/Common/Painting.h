#pragma once

#include "platform/Image.h"

#include <cstdint>
#include <functional>
#include <string>

// What the sample-data painters share: a picture made pixel by pixel, colours, and writing it out.
namespace Painting
{

// Gives the ARGB colour of the pixel at (x, y).
using Painter = std::function<std::uint32_t(int x, int y)>;

Platform::Image Paint(int width, int height, const Painter& painter);

// A colour from its channels, each clamped to 0..255.
std::uint32_t Argb(int a, int r, int g, int b);

// The colour a fraction t (clamped to 0..1) of the way from one colour to another, channel by channel.
std::uint32_t Mix(std::uint32_t from, std::uint32_t to, float t);

// The colour of the goods of a dense goods index (27 is money, a coin's gold), the same in every
// picture that shows goods.
std::uint32_t GoodsColour(int denseIndex);

// Read a picture another step wrote; on failure say so on standard error and return false.
bool ReadPng(const std::string& path, Platform::Image& out);

// Write the picture; on failure say so on standard error and return false.
bool WritePng(const Platform::Image& image, const std::string& path);
bool WriteJpeg(const Platform::Image& image, const std::string& path, int quality = 90);

} // namespace Painting
